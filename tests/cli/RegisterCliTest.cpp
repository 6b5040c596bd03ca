// `ftf register` run as a process over a server folder or an installed configuration, with its
// home and XDG folders in a fresh temporary folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/Dates.h"
#include "common/ScriptedPrompter.h"
#include "documents/Order.h"
#include "settings/RegistryStore.h"
#include "settings/Setup.h"

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class RegisterCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() /
                ("ftf-register-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(root_ / "srv/Orders");
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }

    Result Ftf(const std::vector<std::string>& args) {
        std::string r = root_.string();
        std::string cmd = "cd " + Quote(r) + " && env HOME=" + Quote(r + "/home") +
                          " XDG_CONFIG_HOME=" + Quote(r + "/config") + " XDG_CACHE_HOME=" + Quote(r + "/cache") +
                          " XDG_DATA_HOME=" + Quote(r + "/data") + " " + Quote(FTF_BINARY_DIR "/ftf");
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " 2>" + Quote(r + "/stderr.txt");
        Result result;
        FILE* pipe = popen(cmd.c_str(), "r");
        if (!pipe) return result;
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) result.out.append(buf, n);
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(r + "/stderr.txt");
        result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return result;
    }

    // Registers with the server folder named on the command line.
    Result Reg(std::vector<std::string> args) {
        args.insert(args.begin(), "register");
        args.push_back("--server");
        args.push_back(Dir("srv"));
        return Ftf(args);
    }

    std::string Dir(const std::string& name) const { return (root_ / name).string(); }

    std::string SaveOrder(const std::string& name, const std::string& no, const std::string& customer,
                          int day = 1) {
        ftf::ScriptedPrompter quiet;
        ftf::ScopedPrompter guard(quiet);
        ftf::TftfOrder order;
        order.OrderNo = no;
        order.Customer = customer;
        order.ObjectName = "Дом " + no;
        order.RegDate = ftf::EncodeDate(2023, 4, day);
        const std::string file = Dir("srv/Orders/" + name);
        EXPECT_TRUE(order.SaveToFile(file));
        return file;
    }

    fs::path root_;
};

TEST_F(RegisterCliTest, AddListsRefusesDuplicatesAndGoesOn) {
    const std::string a = SaveOrder("a.ffo370", "17", "Петров", 3);
    const std::string b = SaveOrder("b.ffo370", "Z-2", "Сидоров", 2);
    const std::string dup = SaveOrder("c.ffo370", "z-2", "Другой");
    Result add = Reg({"add", a, b, dup});
    EXPECT_EQ(add.status, 2) << add.err;
    EXPECT_EQ(add.out, "Зарегистрировано заказов: 2\n");
    EXPECT_NE(add.err.find("Загружаемый заказ № z-2 уже существует в реестре заказов"), std::string::npos) << add.err;

    Result list = Reg({"list"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Номер заказа\tДата\tЗаказчик\tОбъект\tСтоимость\n"
              "17\t03.04.2023\tПетров\tДом 17\t0.0000\n"
              "Z-2\t02.04.2023\tСидоров\tДом Z-2\t0.0000\n");
    Result byDate = Reg({"list", "--sort", "date"});
    EXPECT_EQ(byDate.out.substr(byDate.out.find('\n') + 1, 3), "Z-2");

    // Registering the same file again is refused; nothing is added.
    Result again = Reg({"add", a});
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(Reg({"list"}).out, list.out);
}

TEST_F(RegisterCliTest, DeleteAndArchiveNeedYesAndMoveTheFiles) {
    const std::string a = SaveOrder("a.ffo370", "1", "Петров");
    const std::string b = SaveOrder("b.ffo370", "2", "Сидоров");
    ASSERT_EQ(Reg({"add", a, b}).status, 0);

    Result refused = Reg({"delete", "1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Удалить заказ?"), std::string::npos) << refused.err;
    EXPECT_TRUE(fs::exists(a));

    Result deleted = Reg({"delete", "1", "--yes"});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(fs::exists(Dir("srv/Recycled/a.ffo")));  // the option is on unless the user turned it off
    std::ifstream hidden(Dir("srv/.hidden"));
    std::string line;
    std::getline(hidden, line);
    EXPECT_EQ(line, "Recycled");

    Result noYes = Reg({"archive", "2"});
    EXPECT_EQ(noYes.status, 1);
    EXPECT_NE(noYes.err.find("Поместить заказ в архив и удалить его из реестра?"), std::string::npos) << noYes.err;
    Result archived = Reg({"archive", "2", "--yes"});
    EXPECT_EQ(archived.status, 0) << archived.err;
    EXPECT_TRUE(fs::exists(Dir("srv/Archive/b.ffo")));
    EXPECT_EQ(Reg({"list"}).out, "Номер заказа\tДата\tЗаказчик\tОбъект\tСтоимость\n");

    Result unknown = Reg({"archive", "9", "--yes"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Заказ № 9 не найден в реестре"), std::string::npos);
}

TEST_F(RegisterCliTest, DeleteLeavesTheFileWhenTheOptionIsOff) {
    const std::string a = SaveOrder("a.ffo370", "1", "Петров");
    ASSERT_EQ(Reg({"add", a}).status, 0);
    {
        auto store = ftf::OpenFileRegistry(Dir("config/fentorn/registry.ini"));
        store->CreateKey(ftf::kSetupRegistryKey);
        store->WriteInteger(ftf::kSetupRegistryKey, "MoveToRecycled", 0);
        store->Flush();
    }
    Result deleted = Reg({"delete", "1", "--yes"});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_TRUE(fs::exists(a));
    EXPECT_FALSE(fs::exists(Dir("srv/Recycled")));
}

TEST_F(RegisterCliTest, RefreshRereadsTheFile) {
    const std::string a = SaveOrder("a.ffo370", "5", "Старый");
    ASSERT_EQ(Reg({"add", a}).status, 0);
    SaveOrder("a.ffo370", "5", "Новый");
    Result refresh = Reg({"refresh", "5"});
    EXPECT_EQ(refresh.status, 0) << refresh.err;
    EXPECT_NE(Reg({"list"}).out.find("\tНовый\t"), std::string::npos);

    SaveOrder("a.ffo370", "6", "Новый");
    Result changed = Reg({"refresh", "5"});
    EXPECT_EQ(changed.status, 1);
    EXPECT_NE(changed.err.find("Изменился номер заказ, обновить данные невозможно!"), std::string::npos);
}

TEST_F(RegisterCliTest, TheDefaultConfigurationIsUsedWhenNoneIsNamed) {
    Result none = Ftf({"register", "list"});
    EXPECT_EQ(none.status, 1);
    ASSERT_EQ(Ftf({"config", "add", "Цех", "--catalog", Dir("cat"), "--server", Dir("srv"), "--report", Dir("rep"),
                   "--default"}).status, 0);
    const std::string a = SaveOrder("a.ffo370", "42", "Петров");
    Result add = Ftf({"register", "add", a});
    EXPECT_EQ(add.status, 0) << add.err;
    Result named = Ftf({"register", "list", "--config", "Цех"});
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_NE(named.out.find("\n42\t"), std::string::npos) << named.out;
    EXPECT_EQ(Reg({"list"}).out, named.out);
    Result missing = Ftf({"register", "list", "--config", "Нет"});
    EXPECT_EQ(missing.status, 1);
}

}  // namespace
