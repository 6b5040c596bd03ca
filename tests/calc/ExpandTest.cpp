// Complect expansion, the shape check and the calculation run on small catalogues in memory.

#include <gtest/gtest.h>

#include <sstream>

#include "calc/FurnCalc.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"
#include "settings/Setup.h"

#include "../support/MemoryCatalogue.h"

using namespace ftf;

namespace {

using ftf::test::OpenEmpty;
using ftf::test::Replace;
using ftf::test::Row;

struct Colours : IPositionOrder {
    std::string InnerProfColor() const override { return "IN"; }
    std::string OuterProfColor() const override { return "OUT"; }
};

class Expand : public ::testing::Test {
protected:
    void SetUp() override {
        OpenEmpty(dm);
        Replace(dm.T_FalzList(), {{{"ID", 101}, {"FalzLuft", 12}, {"FalzSize", 20}, {"FalzPos", 9}},
                                  {{"ID", 102}, {"FalzLuft", 0}, {"FalzSize", 20}, {"FalzPos", 9}},
                                  {{"ID", 201}, {"DornMass", 7.5}},
                                  {{"ID", 202}, {"DornMass", 0.0}},
                                  {{"ID", 301}, {"StulpType", 2}},
                                  {{"ID", 401}, {"OpenType", 0}}});
        for (Table* t : {&dm.T_DornList(), &dm.T_StulpList(), &dm.T_OpenList()}) {
            t->Close();
            t->Open();
        }
        Replace(dm.T_FrnComp(), {{{"ID", "K"}, {"Name", "Комплект К"}, {"Direct", 1}, {"TFlugelAvailable", 1}},
                                 {{"ID", "Z"}, {"Name", "Пустой"}, {"Direct", 1}}});
        Replace(dm.T_FrnItem(), {{{"ID", "E-A"}, {"Name", "Элемент А"}},
                                 {{"ID", "E-V"}, {"Name", "Набор"}, {"Virtual", 1}},
                                 {{"ID", "E-S"}, {"Name", "Под-элемент"}, {"HasColor", 1}},
                                 {{"ID", "E-NO"}, {"Name", "Без артикула"}},
                                 {{"ID", "E-PL"}, {"Name", "Планка"}}});
        Replace(dm.T_FrnArt(), {{{"ID", "E-A"}, {"CatalogID", "A"}, {"Key", 1}},
                                {{"ID", "E-S"}, {"CatalogID", "S-IN"}, {"Key", 2}, {"Color", "IN"}},
                                {{"ID", "E-S"}, {"CatalogID", "S-OUT"}, {"Key", 3}, {"Color", "OUT"}},
                                {{"ID", "E-NO"}, {"CatalogID", "NO"}, {"Key", 4}, {"FFBMin", 5000}, {"FFBMax", 6000}},
                                {{"ID", "E-PL"}, {"CatalogID", "PL"}, {"Key", 5}}});
        Replace(dm.T_FrnItoI(), {{{"ID", "E-V"}, {"Item", "E-S"}, {"Number", 3}, {"ColorCondition", 2}},
                                 {{"ID", "E-NO"}, {"Item", "E-S"}, {"Number", 1}, {"ColorCondition", 1}, {"ItemSideNo", 4}}});
        Replace(dm.T_Catalog(), {{{"ID", "A"}}, {{"ID", "S-IN"}}, {{"ID", "S-OUT"}}, {{"ID", "PL"}}, {{"ID", "CV"}}});
        pos.BuildContours(TFigure{1000, 1400, 0, 0, 0, 0, 0}, 201);
        pos.FalzType = 101;
        pos.OpenType = 401;
        sash().FurnComp = std::make_unique<TftfFurnComp>(&sash());
        sash().FurnComp->Complect = "K";
        sash().FurnComp->ProfSys = "SP";
    }

    TftfFlugel& sash() { return *pos.Sash1; }
    TftfFurnComp& set() { return *sash().FurnComp; }

    void Rows(const std::vector<Row>& rows) {
        std::vector<Row> all = rows;
        for (Row& r : all) {
            r.emplace("ID", "K");
            r.emplace("Required", 1);
        }
        Replace(dm.T_FrnSet(), all);
    }

    // The items as "article×count@side" in list order.
    std::vector<std::string> Items() {
        std::vector<std::string> out;
        for (const auto& it : set().Items)
            out.push_back(it->ArticleId + "x" + std::to_string(it->ItemCount) + "@" + std::to_string(it->SideNo));
        return out;
    }

    std::string Error() {
        try {
            set().Calculate();
        } catch (const FtfError& e) {
            EXPECT_TRUE(set().Items.empty());
            for (const auto& t : dm.DataSets()) EXPECT_FALSE(t->Filtered()) << t->Name();
            return e.what();
        }
        return "(no error)";
    }

    TDM dm;
    TCatalogueModelServices services{dm};
    ScopedModelCatalogue catalogueGuard{services};
    TFurnEngine engine{dm};
    ScopedFurnEngine engineGuard{engine};
    std::ostringstream messages;
    NonInteractivePrompter prompter{false, messages};
    ScopedPrompter prompterGuard{prompter};
    Colours colours;
    TftfConstruction pos{&colours};
};

}  // namespace

TEST_F(Expand, QuantityByStepAndByScheme) {
    struct C {
        int ffb;
        int count;
    } cases[] = {{399, 0}, {400, 1}, {699, 1}, {700, 2}};
    for (const C& c : cases) {
        pos.Sash1 = std::make_unique<TftfFlugel>(&pos);
        pos.Sash1->BuildContour(TFigure{static_cast<float>(c.ffb * 10), 10000, 0, 0, 0, 0, 0}, 0);
        pos.Sash1->Dornmass = 201;
        sash().FurnComp = std::make_unique<TftfFurnComp>(&sash());
        set().Complect = "K";
        Rows({{{"Item", "E-A"}, {"Key", 1}, {"ScaleCondition", 1}, {"ScaleStart", 400}, {"ScaleStep", 300},
               {"Number", 0}, {"ScaleNum", 1}},
              {{"Item", "E-A"}, {"Key", 2}, {"ItemSideNo", 2}, {"ScaleCondition", 2}, {"ScaleScheme", "500; 900;x;1300"},
               {"Number", 2}, {"ScaleNum", 1}}});
        set().Calculate();
        std::vector<std::string> expected;
        if (c.count) expected.push_back("Ax" + std::to_string(c.count) + "@0");
        expected.push_back("Ax4@2");
        EXPECT_EQ(Items(), expected) << c.ffb;
    }
}

TEST_F(Expand, RebateLimitsZeroMeansNoUpperLimit) {
    Rows({{{"Item", "E-A"}, {"Key", 1}, {"FFBMin", 1000}, {"Number", 1}},
          {{"Item", "E-A"}, {"Key", 2}, {"FFBMin", 1001}, {"Number", 1}, {"ItemSideNo", 1}},
          {{"Item", "E-A"}, {"Key", 3}, {"FFHMax", 1399}, {"Number", 1}, {"ItemSideNo", 2}},
          {{"Item", "E-A"}, {"Key", 4}, {"StulpType", 4}, {"Number", 1}, {"ItemSideNo", 3}},
          {{"Item", "E-A"}, {"Key", 5}, {"StulpType", 64}, {"Number", 1}, {"ItemSideNo", 4}}});
    set().Calculate();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Ax1@0", "Ax1@4"}));
}

TEST_F(Expand, VirtualAndUnfoundElementsStillBringTheirSubElements) {
    Rows({{{"Item", "E-V"}, {"Key", 1}, {"Number", 2}, {"ItemSideNo", 1}},
          {{"Item", "E-NO"}, {"Key", 2}, {"Number", 1}, {"Required", 0}, {"ItemSideNo", 2}, {"Condition", 1}}});
    set().Calculate();
    // E-V: no article, 3 × 2 sub-elements in the inner colour on the row's side; E-NO: nothing of
    // its own (not required), its sub-element in the outer colour on its own side 4.
    EXPECT_EQ(Items(), (std::vector<std::string>{"S-INx6@1", "S-OUTx1@4"}));
}

TEST_F(Expand, MessagesOfBadRows) {
    const std::string head = "В БД наборов фурнитуры в комплекте [Комплект К]\r\nсодержится элемент фурнитуры [Элемент А],\r\n";
    struct C {
        Row row;
        std::string message;
    } cases[] = {
        {{{"Item", "E-A"}, {"Key", 1}, {"FFL1Min", 100}, {"FFL1No", 5}},
         head + "для которого определены условия установки, зависящие от\r\nдлины стороны, на которую он "
                "устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен неверно!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"FFR2Type", 2}, {"FFR2No", 0}},
         head + "для которого определены условия установки, зависящие от\r\nрадиуса стороны, на которую он "
                "устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен неверно!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"FFAMax", 90.0}, {"FFANo", -1}},
         head + "для которого определены условия установки, зависящие от\r\nпараметров угла, на который он "
                "устанавливается.\r\nНомер расчетного угла в условиях определен неверно!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"FFL21Min", 1}},
         head + "для которого определены условия установки, зависящие от\r\nдлины стороны смежной "
                "створки.\r\nСмежная створка не установлена. Установите сначала створку."},
        {{{"Item", "E-A"}, {"Key", 1}, {"Condition", 5}, {"Side2No", 9}},
         head + "который использует принцип расчета, зависящий от\r\nпараметров стороны, на которую он "
                "устанавливается.\r\nНомер 2-ой расчетной стороны определен неверно!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"ScaleCondition", 3}, {"Side1No", 0}},
         head + "который использует принцип расчета, зависящий от\r\nпараметров стороны, на которую он "
                "устанавливается.\r\nНомер 1-ой расчетной стороны определен неверно!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"ScaleCondition", 1}, {"ScaleStep", 0}, {"ScaleStart", 5000}},
         head + "имеющий масштабирование и шаг равный нулю!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"UseIfArt", "X"}},
         head + "для которого определена ссылка на артикул смежной штульповой створки.\r\nКомплект для смежной "
                "створки еще не определен. Установите сначала комплект на соседнюю створку!"},
        {{{"Item", "E-A"}, {"Key", 1}, {"UseLen", 1}, {"LenFormula", "FFB-950"}, {"MinLen", 100}},
         head + "имеющий недопустимое расчетное значение длины 50.0 (Мин. допустимая длина = 100)!\r\n(Одна из "
                "возможных причин - установлена недопустимая высота ручки при расчете тяги)"},
        {{{"Item", ""}, {"Key", 1}}, "В БД наборов фурнитуры в комплекте\r\n[Комплект К] содержится пустой элемент!"},
    };
    for (const C& c : cases) {
        Rows({c.row});
        EXPECT_EQ(Error(), c.message);
    }
}

TEST_F(Expand, RunMessages) {
    set().Complect = "NONE";
    EXPECT_EQ(Error(), "Комплект фурнитуры [NONE] не найден в документации!");
    set().Complect = "K";
    sash().Dornmass = 202;
    EXPECT_EQ(Error(), "Не определена величина 'Дормасс'!");
    sash().Dornmass = 201;
    pos.FalzType = 102;
    EXPECT_EQ(Error(), "В документации не установлены\r\nпараметры фальца 0/20-9!");
}

TEST_F(Expand, PassesFollowOneAnother) {
    Rows({{{"Item", "E-A"}, {"Key", 1}, {"Number", 2}, {"ItemSideNo", 3}}});
    Replace(dm.T_FrnSchl(), {{{"CatalogID", "A"}, {"Item", "E-PL"}, {"Key", 1}, {"Number", 1}, {"StulpType", 6}},
                             {{"CatalogID", "A"}, {"Item", "E-PL"}, {"Key", 2}, {"Number", 5}, {"StulpType", 2}},
                             {{"CatalogID", "A"}, {"Item", "E-PL"}, {"Key", 3}, {"Number", 7}, {"ItemSideNo", 1}},
                             {{"CatalogID", "PL"}, {"Item", "E-PL"}, {"Key", 4}, {"Number", 1}}});
    Replace(dm.T_FrnAbd(), {{{"CatalogID", "PL"}, {"Color", ""}, {"AccessoryID", "CV"}, {"Number", 1}}});
    Replace(dm.T_FrnDop(), {{{"CatalogID", "CV"}, {"AccessoryID", "S-IN"}, {"Key", 1}, {"Number", 3}}});
    set().FurnColor = "GOLD";
    set().Calculate();
    // One plate per piece (×2); a plate is not searched for plates again; its colourless cover
    // comes in the cover pass and the cover's additional article in the last pass; sorted by article.
    EXPECT_EQ(Items(), (std::vector<std::string>{"Ax2@3", "CVx2@3", "PLx2@3", "S-INx6@3"}));
}

TEST_F(Expand, DebugModeKeepsEachAddition) {
    TftfSetup setup;
    SetCurrentSetup(&setup);
    Rows({{{"Item", "E-A"}, {"Key", 1}, {"Number", 1}}, {{"Item", "E-A"}, {"Key", 2}, {"Number", 1}}});
    set().Calculate();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Ax2@0"}));
    EXPECT_EQ(set().Items[0]->History, "");
    setup.DebugMode = true;
    set().Calculate();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Ax1@0", "Ax1@0"}));
    EXPECT_EQ(set().Items[1]->History, "Комплект:K -> Элемент:E-A -> Артикул:A");
    SetCurrentSetup(nullptr);
}

TEST_F(Expand, ComplectFitsSashByItsSideRows) {
    std::vector<Row> sides;
    for (int n = 1; n <= 4; ++n)
        sides.push_back({{"ID", "K"}, {"Side", n}, {"MinSize", 900}, {"MaxSize", 1400}, {"MinAngle", 89.0},
                         {"MaxAngle", 91.0}});
    sides.push_back({{"ID", "T"}, {"Side", 1}, {"MaxSize", 5000}, {"MaxAngle", 360.0}});
    Replace(dm.T_FrnSide(), sides);
    EXPECT_TRUE(ComplectFitsSash(dm, sash(), "K"));
    EXPECT_FALSE(ComplectFitsSash(dm, sash(), "T"));     // one row, four sides
    EXPECT_FALSE(ComplectFitsSash(dm, sash(), "NONE"));  // no rows fit no sash
    TftfFlugel triangle(&pos);
    triangle.BuildContour(TFigure{10000, 14000, 5, 0, 0, 0, 0}, 0);
    EXPECT_FALSE(ComplectFitsSash(dm, triangle, "K"));
    EXPECT_FALSE(dm.T_FrnSide().Filtered());
}
