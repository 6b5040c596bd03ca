// The order register over a real register folder: registering files, opening, deleting and
// archiving with file moves and name clashes, refreshing, clearing, finding, sorting, and two
// data modules sharing one register.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <thread>

#include "../common/TempDir.h"
#include <sqlite3.h>

#include "catalogue/SqliteStore.h"
#include "catalogue/Table.h"
#include "catalogue/Tdm.h"
#include "common/Dates.h"
#include "common/ScriptedPrompter.h"
#include "common/StoredPath.h"
#include "documents/Order.h"
#include "documents/Register.h"

namespace fs = std::filesystem;
using namespace ftf;
using ftf::test::TempDir;

namespace {

using Kind = PromptCall::Kind;

class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(orders);
        fs::create_directories(registry);
        dm.ConfigureDatabase(dm.DB_Registry, registry);
        ASSERT_TRUE(reg.Open());
    }

    std::string Save(const std::string& name, const std::string& no, const std::string& customer = "Иванов",
                     OleDate date = EncodeDate(2020, 5, 1), const std::string& dir = {}) {
        TftfOrder order;
        order.OrderNo = no;
        order.Customer = customer;
        order.ObjectName = "Дом " + no;
        order.Address = "ул. Ленина, 1";
        order.Phones = "123-45-67";
        order.RegDate = date;
        order.CurrencyId = 2;
        const std::string file = ((dir.empty() ? fs::path(orders) : fs::path(dir)) / name).string();
        fs::create_directories(fs::path(file).parent_path());
        EXPECT_TRUE(order.SaveToFile(file));
        return file;
    }

    void Register(const std::vector<std::string>& files) {
        RegisterFilesResult r = reg.RegisterOrderFiles(files);
        ASSERT_EQ(r.registered, static_cast<int>(files.size()));
    }

    std::vector<std::string> Numbers() {
        Table& t = reg.Records();
        std::vector<std::string> out;
        for (t.First(); !t.Eof(); t.Next()) out.push_back(t.AsText("No"));
        return out;
    }

    std::vector<std::string> FilesIn(const std::string& dir) {
        std::vector<std::string> out;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir, ec)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    TempDir root;
    std::string orders = (root.Path() / "Server/Orders").string();
    std::string registry = (root.Path() / "Server/Registry").string();
    std::string recycled = (root.Path() / "Server/Recycled").string();
    std::string archive = (root.Path() / "Server/Archive").string();
    ScriptedPrompter prompter;
    ScopedPrompter guard{prompter};
    TDM dm;
    OrderRegister reg{dm, RegisterFolders{orders, recycled, archive}};
};

TEST_F(RegisterTest, RegisterFilesAsksForFilesAndWritesTheRecords) {
    const std::string inside = Save("Заказ 7.ffo370", "7", "Петров", EncodeDate(2021, 3, 4));
    const std::string outside = Save("far.ffo370", "8", "Сидоров", EncodeDate(2021, 3, 5),
                                     (root.Path() / "elsewhere").string());
    prompter.AnswerOpenFiles({inside, outside});
    RegisterFilesResult r = reg.RegisterFiles();
    EXPECT_EQ(r.registered, 2);
    EXPECT_EQ(r.refused, 0);
    ASSERT_EQ(prompter.Calls().size() >= 1, true);
    const PromptCall& dialog = prompter.Calls().front();
    EXPECT_EQ(dialog.kind, Kind::OpenFiles);
    EXPECT_EQ(dialog.file.title, "Открыть заказ...");
    EXPECT_EQ(dialog.file.filter, "Заказ (*.ffo)|*.ffo|Все файлы (*.*)|*.*");
    EXPECT_EQ(dialog.file.defaultExt, ".ffo");
    EXPECT_EQ(dialog.file.initialDir, orders);
    EXPECT_TRUE(dialog.file.multiSelect);
    EXPECT_EQ(prompter.BusyDepth(), 0);

    Table& t = reg.Records();
    ASSERT_TRUE(reg.LocateNumber("7"));
    EXPECT_EQ(t.AsText("Customer"), "Петров");
    EXPECT_EQ(t.AsText("Object"), "Дом 7");
    EXPECT_EQ(t.AsText("Address"), "ул. Ленина, 1");
    EXPECT_EQ(t.AsText("Phone"), "123-45-67");
    EXPECT_EQ(t.AsInt("Currency"), 2);
    EXPECT_EQ(t.Get("RegDate"), Value::FromDate(static_cast<std::int32_t>(EncodeDate(2021, 3, 4))));
    EXPECT_EQ(t.AsText("OrderFile"), "%ЗАКАЗ 7.FFO370");
    EXPECT_EQ(reg.OpenRegisteredOrder(), inside);

    ASSERT_TRUE(reg.LocateNumber("8"));
    EXPECT_EQ(t.AsText("OrderFile").substr(0, 1), "\\");
    EXPECT_EQ(reg.OpenRegisteredOrder(), outside);

    RegisterCommandState s = reg.CommandState();
    EXPECT_EQ(s.statusText, "Заказов: 2");
    EXPECT_TRUE(s.openEnabled && s.deleteEnabled && s.archiveEnabled && s.refreshEnabled && s.navigatorEnabled);
    EXPECT_FALSE(s.saveEnabled);
    EXPECT_FALSE(s.readOnly);
}

TEST_F(RegisterTest, CancelledDialogAndEmptyRegisterState) {
    prompter.AnswerOpenFiles({});
    RegisterFilesResult r = reg.RegisterFiles();
    EXPECT_EQ(r.registered + r.refused, 0);
    RegisterCommandState s = reg.CommandState();
    EXPECT_EQ(s.statusText, "Заказов: 0");
    EXPECT_FALSE(s.openEnabled || s.deleteEnabled || s.archiveEnabled || s.refreshEnabled || s.navigatorEnabled);
    EXPECT_TRUE(s.readOnly);
    EXPECT_EQ(reg.OpenRegisteredOrder(), std::nullopt);
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
}

TEST_F(RegisterTest, RefusedFilesAreReportedAndTheOthersRegistered) {
    Register({Save("a.ffo370", "Аб-1")});
    const std::string sameOtherCase = Save("b.ffo370", "аБ-1");
    const std::string noNumber = Save("c.ffo370", "");
    const std::string good = Save("d.ffo370", "2");
    RegisterFilesResult r = reg.RegisterOrderFiles({sameOtherCase, noNumber, good});
    EXPECT_EQ(r.registered, 1);
    EXPECT_EQ(r.refused, 2);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (std::vector<std::string>{
                  "Загружаемый заказ № аБ-1 уже существует\r\nв реестре заказов, Вы можете только\r\n"
                  "обновить данные!",
                  "Загружаемый заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера."}));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"2", "Аб-1"}));
}

TEST_F(RegisterTest, AFailedAppendAsksWhetherToGoOn) {
    // The store refuses numbers beginning with "X", as a server might refuse a write.
    auto* store = dynamic_cast<SqliteStore*>(dm.DB_Registry.GetStore());
    ASSERT_NE(store, nullptr);
    ASSERT_EQ(sqlite3_exec(store->Handle(),
                           "CREATE TRIGGER refuse BEFORE INSERT ON \"OrderLst\" WHEN NEW.\"No\" LIKE 'X%' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const std::vector<std::string> files{Save("1.ffo370", "X1"), Save("2.ffo370", "2"), Save("3.ffo370", "X3"),
                                         Save("4.ffo370", "4")};
    prompter.AnswerOk(true);   // go on after X1
    prompter.AnswerOk(false);  // stop after X3
    RegisterFilesResult r = reg.RegisterOrderFiles(files);
    EXPECT_EQ(r.registered, 1);
    EXPECT_EQ(r.refused, 2);
    EXPECT_TRUE(r.aborted);
    const std::vector<std::string> questions = prompter.Texts(Kind::OkAbort);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].rfind("Ошибка добавления заказа в реестр!\r\n(", 0), 0u) << questions[0];
    EXPECT_NE(questions[0].find("refused"), std::string::npos) << questions[0];
    const std::string tail = ")\r\n\r\nПродолжать регистрацию?";
    ASSERT_GT(questions[0].size(), tail.size());
    EXPECT_EQ(questions[0].substr(questions[0].size() - tail.size()), tail);
    EXPECT_EQ(Numbers(), std::vector<std::string>{"2"});
    EXPECT_EQ(prompter.BusyDepth(), 0);
    EXPECT_FALSE(reg.Records().ControlsDisabled());
}

TEST_F(RegisterTest, OpenReportsAMissingFileAndFollowsAnEditedPath) {
    Register({Save("x.ffo370", "5")});
    const std::string other = Save("Other.FFO370", "5", "Иванов", EncodeDate(2020, 1, 1),
                                   (root.Path() / "Mixed/Case").string());
    Table& t = reg.Records();
    t.Edit();
    t.Set("OrderFile", Value(ToStoredForm(other)));  // typed by the user, upper-cased
    t.Post();
    EXPECT_EQ(reg.OpenRegisteredOrder(), other);

    t.Edit();
    t.Set("OrderFile", Value("%GONE.FFO370"));
    t.Post();
    EXPECT_EQ(reg.OpenRegisteredOrder(), std::nullopt);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{"Невозможно найти файл заказа № 5!\r\nФайл: " + orders + "/GONE.FFO370."});
}

TEST_F(RegisterTest, DeleteAsksAndMovesToTheHiddenRecycleFolderOnlyWhenAsked) {
    const std::string a = Save("a.ffo370", "1");
    const std::string b = Save("b.ffo370", "2");
    const std::string c = Save("c.ffo370", "3");
    Register({a, b, c});

    ASSERT_TRUE(reg.LocateNumber("1"));
    prompter.AnswerOk(false);
    reg.DeleteFromRegister(true, true);
    EXPECT_EQ(Numbers().size(), 3u);
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), std::vector<std::string>{"Удалить заказ?"});
    EXPECT_EQ(prompter.Calls().back().questionKind, QuestionKind::Destructive);

    // The option off: the record goes, the file stays.
    ASSERT_TRUE(reg.LocateNumber("1"));
    prompter.AnswerOk(true);
    reg.DeleteFromRegister(true, false);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"2", "3"}));
    EXPECT_TRUE(fs::exists(a));
    EXPECT_FALSE(fs::exists(recycled));

    // Ctrl+Del: no question; the file moves into a new hidden folder as .ffo.
    ASSERT_TRUE(reg.LocateNumber("2"));
    reg.DeleteFromRegister(false, true);
    EXPECT_EQ(Numbers(), std::vector<std::string>{"3"});
    EXPECT_FALSE(fs::exists(b));
    EXPECT_EQ(FilesIn(recycled), std::vector<std::string>{"b.ffo"});
    std::ifstream hidden(root.Path() / "Server/.hidden");
    std::string line;
    std::getline(hidden, line);
    EXPECT_EQ(line, "Recycled");
    EXPECT_EQ(prompter.Texts(Kind::OkCancel).size(), 2u);
    EXPECT_EQ(prompter.BusyDepth(), 0);
}

TEST_F(RegisterTest, ArchiveNamesClashWithTildeCounters) {
    const std::string first = Save("A.B.ffo370", "1");
    const std::string second = Save("A.B.ffo", "2", "Иванов", EncodeDate(2020, 1, 1), (root.Path() / "other").string());
    const std::string third = Save("A;B.ffo370", "3");
    Register({first, second, third});
    for (const char* no : {"1", "2", "3"}) {
        ASSERT_TRUE(reg.LocateNumber(no));
        prompter.AnswerOk(true);
        reg.MoveToArchive();
    }
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              std::vector<std::string>(3, "Поместить заказ в архив и удалить его из реестра?"));
    EXPECT_TRUE(Numbers().empty());
    EXPECT_EQ(FilesIn(archive), (std::vector<std::string>{"A_B.ffo", "A_B~1.ffo", "A_B~2.ffo"}));
    EXPECT_FALSE(fs::exists(first) || fs::exists(second) || fs::exists(third));
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
}

TEST_F(RegisterTest, MoveTargetCounterRunsOutAt10000) {
    TempDir target;
    EXPECT_EQ(RegisterMoveTarget("/x/n.o.ffo370", target.Str()), target.Str() + "/n_o.ffo");
    target.Touch("n_o.ffo");
    for (int i = 1; i <= 9999; ++i) target.Touch("n_o~" + std::to_string(i) + ".ffo");
    EXPECT_EQ(RegisterMoveTarget("/x/n.o.ffo370", target.Str()), target.Str() + "/n_o~10000.ffo");
    fs::remove(target.Path() / "n_o~4711.ffo");
    EXPECT_EQ(RegisterMoveTarget("/x/n.o.ffo370", target.Str()), target.Str() + "/n_o~4711.ffo");
}

TEST_F(RegisterTest, MarkedRecordsAreTreatedInMarkingOrderAndTheCurrentOneIsNot) {
    std::vector<std::string> files;
    for (int i = 1; i <= 5; ++i) files.push_back(Save("o" + std::to_string(i) + ".ffo370", std::to_string(i)));
    Register(files);
    fs::remove(files[3]);  // order 4: its file is gone
    Table& t = reg.Records();
    for (const char* no : {"4", "2", "5"}) {
        ASSERT_TRUE(reg.LocateNumber(no));
        t.SetMarked(true);
    }
    ASSERT_TRUE(reg.LocateNumber("1"));  // current, not marked
    prompter.AnswerOk(true);
    reg.MoveToArchive();
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "3"}));
    EXPECT_TRUE(t.Marks().empty());
    EXPECT_EQ(FilesIn(archive), (std::vector<std::string>{"o2.ffo", "o5.ffo"}));
    EXPECT_EQ(prompter.Texts(Kind::Warning),
              std::vector<std::string>{"Заказ не был помещен в архив,\r\nт.к. не найден соответствующий ему файл:\r\n" +
                                       orders + "/O4.FFO370."});  // a missing name keeps its stored case
    EXPECT_TRUE(fs::exists(files[0]) && fs::exists(files[2]));
}

TEST_F(RegisterTest, MissingFileWarningOfTheRecycleFolder) {
    const std::string f = Save("m.ffo370", "1");
    Register({f});
    fs::remove(f);
    reg.DeleteFromRegister(false, true);
    EXPECT_TRUE(Numbers().empty());
    EXPECT_EQ(prompter.Texts(Kind::Warning),
              std::vector<std::string>{"Заказ не был помещен в мусорку,\r\nт.к. не найден соответствующий ему файл:\r\n" +
                                       orders + "/M.FFO370."});
}

TEST_F(RegisterTest, AFileThatCannotBeMovedStaysWhereItIs) {
    const std::string f = Save("keep.ffo370", "1");
    Register({f});
    root.Touch("plain", "not a folder");
    OrderRegister blocked{dm, RegisterFolders{orders, recycled, (root.Path() / "plain/Archive").string()}};
    prompter.AnswerOk(true);
    blocked.MoveToArchive();
    EXPECT_TRUE(Numbers().empty());  // the record is deleted, as the old program did
    EXPECT_TRUE(fs::exists(f));
    ASSERT_EQ(prompter.Texts(Kind::Error).size(), 1u);
    const std::string error = prompter.Texts(Kind::Error)[0];
    EXPECT_EQ(error.rfind("Ошибка 20 переноса файла\r\n" + f + "\r\nв ", 0), 0u) << error;
    EXPECT_NE(error.find("plain/Archive/keep.ffo!"), std::string::npos) << error;

    // An empty target folder leaves the file where it is, silently.
    Register({f});
    OrderRegister unconfigured{dm, RegisterFolders{orders, "", ""}};
    prompter.AnswerOk(true);
    unconfigured.MoveToArchive();
    EXPECT_TRUE(fs::exists(f));
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);
}

TEST_F(RegisterTest, RefreshRecordRereadsTheFileUnlessItsNumberChanged) {
    const std::string f = Save("r.ffo370", "R1", "Старый");
    Register({f});
    Table& t = reg.Records();
    t.Edit();
    t.Set("Note", Value("заметка"));
    t.Post();
    Save("r.ffo370", "R1", "Новый", EncodeDate(2022, 2, 2));

    prompter.AnswerOk(false);
    EXPECT_FALSE(reg.RefreshRecord());
    EXPECT_EQ(t.AsText("Customer"), "Старый");

    prompter.AnswerOk(true);
    EXPECT_TRUE(reg.RefreshRecord());
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), std::vector<std::string>(2, "Обновить данные по заказу?"));
    EXPECT_EQ(t.AsText("No"), "R1");
    EXPECT_EQ(t.AsText("Customer"), "Новый");
    EXPECT_EQ(t.Get("RegDate"), Value::FromDate(static_cast<std::int32_t>(EncodeDate(2022, 2, 2))));
    EXPECT_EQ(t.AsText("Note"), "заметка");
    EXPECT_EQ(t.AsText("OrderFile"), "%R.FFO370");

    Save("r.ffo370", "r1", "Другой");  // the number differs in case only: still refused
    prompter.AnswerOk(true);
    EXPECT_FALSE(reg.RefreshRecord());
    EXPECT_EQ(t.AsText("Customer"), "Новый");

    fs::remove(f);
    prompter.AnswerOk(true);
    EXPECT_FALSE(reg.RefreshRecord());
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (std::vector<std::string>{
                  "Изменился номер заказ, обновить данные невозможно!\r\nПеререгистрируйте заказ.",
                  "Невозможно найти файл заказа № R1!\r\nФайл: " + orders + "/R.FFO370."}));
}

TEST_F(RegisterTest, ClearRegisterKeepsTheFiles) {
    const std::string a = Save("a.ffo370", "1");
    Register({a, Save("b.ffo370", "2")});
    prompter.AnswerOk(false);
    EXPECT_FALSE(reg.ClearRegister());
    EXPECT_EQ(Numbers().size(), 2u);
    prompter.AnswerOk(true);
    EXPECT_TRUE(reg.ClearRegister());
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              std::vector<std::string>(2, "Очистить реестр заказов не удаляя файлы заказов?"));
    EXPECT_TRUE(Numbers().empty());
    EXPECT_TRUE(fs::exists(a));
    // Read back from the store, not only from memory.
    dm.RefreshTable(reg.Records());
    EXPECT_TRUE(Numbers().empty());
    EXPECT_FALSE(reg.ClearRegister());  // empty: no question
    EXPECT_EQ(prompter.Texts(Kind::OkCancel).size(), 2u);
}

TEST_F(RegisterTest, FindByTheSelectedColumnFromTheStartOfTheField) {
    Register({Save("1.ffo370", "0120", "Андреев"), Save("2.ffo370", "120", "ИВАНОВ Пётр"),
              Save("3.ffo370", "50", "Сидоров")});
    Table& t = reg.Records();
    struct Case {
        std::string column, prompt, input, expectedNo;
    };
    const Case cases[] = {
        {"No", "Номер заказа", "12", "120"},
        {"RegDate", "Номер заказа", "5", "50"},
        {"Customer", "Заказчик", "иванов", "120"},
        {"Object", "Объект", "дом 01", "0120"},
    };
    for (const Case& c : cases) {
        t.Last();
        prompter.ClearCalls();
        prompter.AnswerInput(c.input);
        EXPECT_TRUE(reg.FindInRegister(c.column)) << c.column;
        EXPECT_EQ(t.AsText("No"), c.expectedNo) << c.column;
        ASSERT_EQ(prompter.Calls().size(), 1u);
        EXPECT_EQ(prompter.Calls()[0].text, c.prompt);
        EXPECT_EQ(prompter.Calls()[0].details, (std::vector<std::string>{"Поиск", ""}));
    }
    ASSERT_TRUE(reg.LocateNumber("50"));
    prompter.AnswerInput("nothing");
    EXPECT_FALSE(reg.FindInRegister("No"));
    EXPECT_EQ(t.AsText("No"), "50");
    prompter.AnswerInput(std::nullopt);
    EXPECT_FALSE(reg.FindInRegister("No"));
    EXPECT_EQ(t.AsText("No"), "50");
}

TEST_F(RegisterTest, SortAndTitleClicks) {
    Register({Save("1.ffo370", "3", "Борисов", EncodeDate(2020, 1, 2)), Save("2.ffo370", "1", "Волков", EncodeDate(2020, 1, 3)),
              Save("3.ffo370", "2", "Андреев", EncodeDate(2020, 1, 1))});
    reg.SortRegister(RegisterSort::ByDate);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"2", "3", "1"}));
    EXPECT_EQ(reg.CommandState().sort, RegisterSort::ByDate);
    reg.TitleClick("Customer");
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"2", "3", "1"}));
    EXPECT_EQ(reg.Sort(), RegisterSort::ByCustomer);
    reg.SortRegister(RegisterSort::ByObject);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));  // "Дом 1" < "Дом 2" < "Дом 3"
    reg.TitleClick("Cost");
    EXPECT_EQ(reg.Sort(), RegisterSort::ByNumber);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));

    Table& t = reg.Records();
    reg.TitleClick("Selected");
    EXPECT_EQ(t.Marks().size(), 3u);
    reg.TitleClick("Selected");
    EXPECT_TRUE(t.Marks().empty());
    ASSERT_TRUE(reg.LocateNumber("2"));
    t.SetMarked(true);
    reg.TitleClick("Selected");  // some marked: all unmarked
    EXPECT_TRUE(t.Marks().empty());
}

// Two data modules over one register folder, as two processes would be: each one's rows are
// stale, yet the check runs on rows read inside the write transaction.
TEST_F(RegisterTest, TwoModulesNeverRegisterOneNumberTwice) {
    TDM other;
    other.ConfigureDatabase(other.DB_Registry, registry);
    OrderRegister second{other, RegisterFolders{orders, recycled, archive}};
    ASSERT_TRUE(second.Open());  // reads the empty register now

    Register({Save("a.ffo370", "N-1")});
    RegisterFilesResult r = second.RegisterOrderFiles({Save("b.ffo370", "n-1"), Save("c.ffo370", "N-2")});
    EXPECT_EQ(r.registered, 1);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);
    dm.RefreshTable(reg.Records());
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"N-1", "N-2"}));
}

// A prompter the threads may share: messages are counted under a lock; questions say no.
class CountingPrompter final : public Prompter {
public:
    void ShowError(const std::string& text) override { Add(text); }
    void ShowWarning(const std::string& text) override { Add(text); }
    void ShowInfo(const std::string& text) override { Add(text); }
    void ShowPlain(const std::string& text) override { Add(text); }
    bool AskOkCancel(const std::string& text, QuestionKind) override { return Add(text), false; }
    bool AskOkAbort(const std::string& text, QuestionKind) override { return Add(text), false; }
    int AskTwoButtons(const std::string& text, const std::string&, const std::string&, const std::string&,
                      QuestionKind) override {
        return Add(text), 0;
    }
    YesNoCancel AskYesNoCancel(const std::string& text, QuestionKind) override { return Add(text), YesNoCancel::Cancel; }
    std::optional<std::string> InputLine(const std::string&, const std::string& p, const std::string&) override {
        return Add(p), std::nullopt;
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    int Choose(const ChoiceRequest&) override { return 0; }
    void BeginBusy(bool) override {}
    void EndBusy() override {}
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    void Add(const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.push_back(text);
    }
    std::mutex mutex_;
    std::vector<std::string> texts_;
};

TEST_F(RegisterTest, TwoModulesRegisteringAtTheSameTimeLoseNothing) {
    constexpr int kEach = 15;
    std::vector<std::string> filesA, filesB;
    for (int i = 0; i < kEach; ++i) {
        const std::string s = std::to_string(i);
        filesA.push_back(Save("a" + s + ".ffo370", "A" + s));
        filesB.push_back(Save("b" + s + ".ffo370", "B" + s));
        // The shared numbers: the same number in both lists, in other letter case for one side.
        filesA.push_back(Save("sa" + s + ".ffo370", "S" + s));
        filesB.push_back(Save("sb" + s + ".ffo370", "s" + s));
    }
    CountingPrompter counting;
    ScopedPrompter shared{counting};
    TDM dmA, dmB;
    dmA.ConfigureDatabase(dmA.DB_Registry, registry);
    dmB.ConfigureDatabase(dmB.DB_Registry, registry);
    OrderRegister regA{dmA, RegisterFolders{orders, recycled, archive}};
    OrderRegister regB{dmB, RegisterFolders{orders, recycled, archive}};
    ASSERT_TRUE(regA.Open());
    ASSERT_TRUE(regB.Open());
    RegisterFilesResult ra, rb;
    std::thread ta([&] { ra = regA.RegisterOrderFiles(filesA); });
    std::thread tb([&] { rb = regB.RegisterOrderFiles(filesB); });
    ta.join();
    tb.join();

    EXPECT_EQ(ra.registered + rb.registered, 3 * kEach);
    EXPECT_EQ(ra.refused + rb.refused, kEach);
    for (const std::string& text : counting.Texts()) EXPECT_NE(text.find("уже существует"), std::string::npos) << text;
    dm.RefreshTable(reg.Records());
    std::vector<std::string> numbers = Numbers();
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(3 * kEach));
    std::set<std::string> upper;
    for (std::string n : numbers) {
        for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(upper.insert(n).second) << "twice: " << n;
    }
}

}  // namespace
