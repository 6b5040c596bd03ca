// The rules of the engine on small catalogues filled in memory.

#include <gtest/gtest.h>

#include <sstream>

#include "calc/FurnCalc.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "common/ScriptedPrompter.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"

#include "../support/MemoryCatalogue.h"

using namespace ftf;

namespace {

using ftf::test::OpenEmpty;
using ftf::test::Put;

class Rules : public ::testing::Test {
protected:
    void SetUp() override {
        OpenEmpty(dm);
        Put(dm.T_FrnProp(), {{{"PropKey", 12}, {"ID", 1011}}, {{"PropKey", 12}, {"ID", 1012}},
                             {{"PropKey", 30}, {"ID", 1030}}});
        Put(dm.T_FrnItem(), {
            {{"ID", "E-H"}, {"Name", "Привод"}, {"HasDornMass", 1}},
            {{"ID", "E-C"}, {"Name", "Ручка"}, {"HasColor", 1}},
            {{"ID", "E-N"}, {"Name", "Голый"}},
            {{"ID", "E-ALL"}, {"Name", "Всё"}, {"HasFalzLuft", 1}, {"HasFalzSize", 1}, {"HasFalzPos", 1},
             {"CheckWeight", 1}, {"HasDornMass", 1}, {"CheckThickness", 1}, {"CheckProfWidth", 1},
             {"HasProfSys", 1}, {"CheckStulpType", 1}, {"CheckDirect", 1}, {"HasColor", 1}},
            {{"ID", "E-TH"}, {"Name", "Толщина"}, {"CheckThickness", 1}},
        });
        Put(dm.T_FrnArt(), {
            {{"ID", "E-H"}, {"CatalogID", "H1"}, {"Key", 1}, {"FFBMin", 400}, {"FFBMax", 2000},
             {"DornMassMin", 0.0}, {"DornMassMax", 50.0}},
            {{"ID", "E-C"}, {"CatalogID", "C-WH"}, {"Key", 2}, {"Color", "WHITE"}},
            {{"ID", "E-C"}, {"CatalogID", "C-00"}, {"Key", 3}},
            {{"ID", "E-N"}, {"CatalogID", "N2"}, {"Key", 4}},
            {{"ID", "E-N"}, {"CatalogID", "N1"}, {"Key", 5}},
            {{"ID", "E-N"}, {"CatalogID", "N3"}, {"Key", 6}},
            {{"ID", "E-ALL"}, {"CatalogID", "X"}, {"Key", 7}, {"FalzLuft", 99}},
            {{"ID", "E-TH"}, {"CatalogID", "T"}, {"Key", 8}, {"ThicknessMin", 60}, {"ThicknessMax", 80},
             {"HandleHeight", 0}},
        });
    }

    TArticleRequest Request(const std::string& element) {
        TArticleRequest r;
        r.ElementId = element;
        r.CallerName = "Комплект";
        r.Params.Backset = 7.5f;
        r.Params.FalzLuft = 12;
        r.Params.FalzSize = 20;
        r.Params.FalzPos = 9;
        r.Params.ProfileThickness = 70;
        r.ProfileWidth = 100;
        return r;
    }

    void ExpectNoFilters() {
        for (const auto& t : dm.DataSets()) EXPECT_FALSE(t->Filtered()) << t->Name();
    }

    TDM dm;
    std::ostringstream messages;
    NonInteractivePrompter prompter{false, messages};
    ScopedPrompter guard{prompter};
};

}  // namespace

TEST(CountByScheme, FieldsThatReadAsNumbersUpToTheSize) {
    struct C {
        const char* scheme;
        double size;
        int count;
    } cases[] = {
        {"500; 900;x;1300", 1000, 2}, {"", 1000, 0},         {"801;1201;1601", 800, 0},
        {"801;1201;1601", 801, 1},    {"-1;-1;5", 10, 1},     {"-2; 3 ;4.5", 10, 2},
        {";;", 100, 0},               {"1300", 1300, 1},
    };
    for (const C& c : cases) EXPECT_EQ(CountByScheme(c.scheme, c.size), c.count) << c.scheme;
}

TEST_F(Rules, CheckPropsByPartAndByTens) {
    struct C {
        std::vector<std::string> chosen;
        int part;
        bool ok;
    } cases[] = {
        {{"0=1012"}, 0, true},  {{"0=1015"}, 0, false}, {{}, 0, true},        {{"0=1020"}, 0, true},
        {{"2=1015"}, 1, true},  {{"1=1015"}, 1, false}, {{"0-1015"}, 0, false}, {{"0=1011", "0=1015"}, 0, false},
    };
    for (const C& c : cases) EXPECT_EQ(CheckProps(dm, 12, c.chosen, c.part), c.ok) << c.part;
    EXPECT_TRUE(CheckProps(dm, 77, {"0=1015"}, 0));  // a key without rows restricts nothing
    EXPECT_FALSE(CheckProps(dm, 30, {"0=1031"}, 0));
    ExpectNoFilters();
}

TEST_F(Rules, FilterTextClauseByClause) {
    TElementFlags all;
    all.HasFalzLuft = all.HasFalzSize = all.HasFalzPos = all.CheckWeight = all.HasDornMass = all.CheckThickness =
        all.CheckProfWidth = all.HasProfSys = all.CheckStulpType = all.CheckDirect = all.HasColor = true;
    TArticleRequest r = Request("E-ALL");
    r.StrikeSystem = "SP58";
    r.StulpType = 6;
    r.Direction = 1;
    r.Color = "WHITE";
    std::string fallback;
    EXPECT_EQ(BuildArticleFilter(all, r, &fallback),
              "FalzLuft = 12 and FalzSize = 20 and FalzPos = 9 and WeightMin <= 0.00 and  WeightMax >= 0.00 "
              "and DornMassMin <= 7.50 and DornMassMax >= 7.50  and ThicknessMin <= 70 and ThicknessMax >= 70 "
              " and ProfWidthMin <= 100 and ProfWidthMax >= 100 and ProfSys = 'SP58' and StulpType = 6 "
              "and (Direct = 3 or Direct = 1) and ID='E-ALL' and Color = 'WHITE' ");
    EXPECT_EQ(fallback,
              "FalzLuft = 12 and FalzSize = 20 and FalzPos = 9 and WeightMin <= 0.00 and  WeightMax >= 0.00 "
              "and DornMassMin <= 7.50 and DornMassMax >= 7.50  and ThicknessMin <= 70 and ThicknessMax >= 70 "
              " and ProfWidthMin <= 100 and ProfWidthMax >= 100 and ProfSys = 'SP58' and StulpType = 6 "
              "and (Direct = 3 or Direct = 1) and ID='E-ALL' and Color = '' ");

    TElementFlags none;
    r.Condition = 0;
    EXPECT_EQ(BuildArticleFilter(none, r, &fallback), "ID='E-ALL' ");
    EXPECT_EQ(fallback, "ID='E-ALL' and Color = '' ");

    struct C {
        int condition;
        const char* text;
    } sizes[] = {
        {1, "FFBMin <= 612 and FFBMax >= 612 and ID='E' "},
        {2, "FFHMin <= 1400 and FFHMax >= 1400 and ID='E' "},
        {3, "FFBMin <= 612 and FFBMax >= 612 and FFHMin <= 1400 and FFHMax >= 1400 and ID='E' "},
        {4, "FFL1Min <= 1001 and FFL1Max >= 1001 and ID='E' "},
        {5, "FFL2Min <= 300 and FFL2Max >= 300 and ID='E' "},
        {6, "FFL1Min <= 1001 and FFL1Max >= 1001 and FFL2Min <= 300 and FFL2Max >= 300 and ID='E' "},
        {7, "FFAMin <= 44.56 and FFAMax >= 44.56 and ID='E' "},
        {8, "FFR1Min <= 500 and FFR1Max >= 500 and ID='E' "},
        {9, "FFR2Min <= 800 and FFR2Max >= 800 and ID='E' "},
        {10, "FFR1Min <= 500 and FFR1Max >= 500 and FFR2Min <= 800 and FFR2Max >= 800 and ID='E' "},
        {11, "ID='E' "},
    };
    TArticleRequest s = Request("E");
    s.FFB = 612;
    s.FFH = 1400;
    s.L1 = 1000.5f;  // half away from zero
    s.L2 = 299.6f;
    s.A = 44.555f;
    s.R1 = 500;
    s.R2 = 800;
    for (const C& c : sizes) {
        s.Condition = c.condition;
        EXPECT_EQ(BuildArticleFilter(none, s, nullptr), c.text) << c.condition;
    }
    // The "and" forms of thickness and width begin with a blank; alone they have none.
    TElementFlags th;
    th.CheckThickness = true;
    s.Condition = 0;
    EXPECT_EQ(BuildArticleFilter(th, s, nullptr), "ThicknessMin <= 70 and ThicknessMax >= 70 and ID='E' ");
}

TEST_F(Rules, HandleHeightFromTheSizeClause) {
    TArticleRequest r = Request("E-H");
    r.Condition = 1;
    r.DefineHandleHeight = true;
    r.FFB = 612;
    EXPECT_EQ(SelectArticle(dm, r).HandleHeight, 306);
    r.FFB = 613;
    TArticleResult a = SelectArticle(dm, r);
    EXPECT_TRUE(a.Found);
    EXPECT_EQ(a.Article, "H1");
    EXPECT_EQ(a.HandleHeight, 307);
    r.DefineHandleHeight = false;
    EXPECT_EQ(SelectArticle(dm, r).HandleHeight, 0);
    ExpectNoFilters();
}

TEST_F(Rules, ColourlessFallbackAndMessages) {
    TArticleRequest r = Request("E-C");
    r.Color = "BRONZE";
    EXPECT_EQ(SelectArticle(dm, r).Article, "C-00");
    r.Color = "WHITE";
    EXPECT_EQ(SelectArticle(dm, r).Article, "C-WH");

    // No rows at all: nothing, no error, even when required.
    TArticleRequest none = Request("E-MISSING");
    EXPECT_FALSE(SelectArticle(dm, none).Found);

    TArticleRequest big = Request("E-H");
    big.Condition = 1;
    big.FFB = 2500;
    try {
        SelectArticle(dm, big);
        ADD_FAILURE();
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [Привод]!\r\n\r\n"
                  "Искомый запрос:\r\nFFBMin <= 2500 and FFBMax >= 2500 and DornMassMin <= 7.50 and DornMassMax "
                  ">= 7.50 and ID='E-H' ");
    }
    big.AlertText = "Нет привода.";
    try {
        SelectArticle(dm, big);
        ADD_FAILURE();
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()), "Нет привода.");
    }
    big.Required = false;
    EXPECT_FALSE(SelectArticle(dm, big).Found);

    TArticleRequest all = Request("E-ALL");
    try {
        SelectArticle(dm, all);
        ADD_FAILURE();
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()), "Для комплекта фурнитуры [Комплект]\r\nне указана система ответных планок!");
    }
    ExpectNoFilters();
}

TEST_F(Rules, AlternativesGoToTheChooserInTableOrder) {
    ScriptedPrompter scripted;
    scripted.AnswerChoice(2);
    ScopedPrompter g(scripted);
    EXPECT_EQ(SelectArticle(dm, Request("E-N")).Article, "N3");
    ASSERT_EQ(scripted.Calls().size(), 1u);
    const auto& rows = scripted.Calls()[0].choice.rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "N1");  // the dataset's order: ID, CatalogID, Key
    EXPECT_EQ(rows[1][0], "N2");
    ExpectNoFilters();
}

TEST_F(Rules, NonInteractiveChooserTakesTheFirstRow) {
    EXPECT_EQ(SelectArticle(dm, Request("E-N")).Article, "N1");
}
