// Runs the built `ftf catalog price` on a small Paradox catalogue: the converted and adjusted
// price, and the catalogue's messages with a failing status.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../catalogue/StorageFixture.h"
#include "FtfProcess.h"

namespace {

using ftf::test::RunResult;

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

    RunResult Price(const std::string& article, const std::string& currency) {
        return proc.Run({"catalog", "price", article, "--catalog", catalog, "--currency", currency});
    }

    ftf::test::FtfProcess proc;
    std::string catalog = proc.MakeDir("Catalog");
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
    RunResult r = proc.Run({"catalog", "price", "--currency=3", "A1", "--catalog=" + catalog});
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
        RunResult r = proc.Run(c.args);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
