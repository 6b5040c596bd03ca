// Runs the built `ftf catalog price` on a small Paradox catalogue: the converted and adjusted
// price, and the catalogue's messages with a failing status.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../catalogue/StorageFixture.h"

namespace {

struct RunResult {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

class CatalogPriceCli : public ::testing::Test {
protected:
    void SetUp() override {
        using ftf::test::WriteTable;
        WriteTable(catalog, "Currency.DB", {{{"ID", "1"}, {"Name", "руб."}, {"Value", "1"}},
                                            {{"ID", "2"}, {"Name", "USD"}, {"Value", "2"}},
                                            {{"ID", "3"}, {"Name", "EUR"}, {"Value", "4"}},
                                            {{"ID", "4"}, {"Name", "ноль"}, {"Value", "0"}}});
        WriteTable(catalog, "PriceGrp.DB", {{{"GroupID", "5"}, {"Name", "Скидка"}, {"Reduce_1", "-10.00"}}});
        WriteTable(catalog, "Catalog.DB",
                   {{{"ID", "A1"}, {"Name", "Петля"}, {"Price", "100.00"}, {"Currency", "2"}, {"PriceGrp", "5"}},
                    {{"ID", "A2"}, {"Name", "Запор"}, {"Price", "12.3456"}, {"Currency", "1"}, {"PriceGrp", "0"}}});
    }

    RunResult Run(const std::vector<std::string>& args) {
        const std::string errFile = dir.Str() + "/stderr.txt";
        std::string cmd = ShellQuote(FTF_BINARY_DIR "/ftf");
        for (const auto& a : args) cmd += " " + ShellQuote(a);
        cmd += " 2>" + ShellQuote(errFile);
        RunResult r;
        FILE* p = popen(cmd.c_str(), "r");
        if (!p) {
            ADD_FAILURE() << "popen failed: " << cmd;
            return r;
        }
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        const int st = pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        std::ifstream in(errFile, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        r.err = ss.str();
        return r;
    }

    RunResult Price(const std::string& article, const std::string& currency) {
        return Run({"catalog", "price", article, "--catalog", catalog, "--currency", currency});
    }

    ftf::test::StorageDir dir;
    std::string catalog = dir.Sub("Catalog");
};

TEST_F(CatalogPriceCli, PrintsThePriceInTheWorkingCurrency) {
    struct Case { const char* article; const char* currency; const char* out; } cases[] = {
        {"A1", "3", "45.0000\n"},   // 100.00 at rate 2, working rate 4, 10 % off
        {"A1", "1", "180.0000\n"},
        {"A2", "1", "12.3456\n"},   // in the working currency without a price group
        {"A2", "2", "6.1728\n"},
    };
    for (const auto& c : cases) {
        RunResult r = Price(c.article, c.currency);
        EXPECT_EQ(r.status, 0) << c.article << " " << c.currency << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.article << " " << c.currency;
    }
    RunResult r = Run({"catalog", "price", "--currency=3", "A1", "--catalog=" + catalog});
    EXPECT_EQ(r.out, "45.0000\n");
}

TEST_F(CatalogPriceCli, ReportsTheCatalogueMessagesOnOneLine) {
    struct Case { const char* article; const char* currency; const char* err; } cases[] = {
        {"X9", "3", "ftf catalog price: В каталоге отсутствуют данные для [X9]! (Поиск [Наименование] через [Код])\n"},
        {"A1", "4", "ftf catalog price: Значение текущей валюты = 0!\n"},
        {"A1", "7", "ftf catalog price: В списке курсов валют отсутствует валюта [7]!\n"},
    };
    for (const auto& c : cases) {
        RunResult r = Price(c.article, c.currency);
        EXPECT_EQ(r.status, 1) << c.article;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CatalogPriceCli, RefusesIncompleteArguments) {
    struct Case { std::vector<std::string> args; const char* err; } cases[] = {
        {{"catalog", "price", "--catalog", catalog, "--currency", "1"}, "не задан артикул"},
        // Without --catalog the default configuration is used, here the demo one, not installed.
        {{"catalog", "price", "A1", "--currency", "1"}, "Ошибка открытия конфигурации Демо!"},
        {{"catalog", "price", "A1", "--config", "Цех", "--currency", "1"}, "Ошибка открытия конфигурации Цех!"},
        {{"catalog", "price", "A1", "--catalog", catalog}, "не задан параметр --currency"},
        {{"catalog", "price", "A1", "--catalog", catalog, "--currency", "x"}, "ожидается целый код валюты"},
        {{"catalog", "price", "A1", "--catalog", catalog + "/none", "--currency", "1"}, "не найдена"},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.args);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
