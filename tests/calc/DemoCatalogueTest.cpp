// End to end on the demo catalogue: every hand-derived item list of data/demo/CATALOGUE.md is
// compared with what the engine calculates, and the cases that stop the calculation give their
// messages and leave an empty list.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

#include "calc/FurnCalc.h"
#include "catalogue/Lookups.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "common/NumberFormat.h"
#include "common/ScriptedPrompter.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"
#include "model/Measures.h"
#include "settings/Setup.h"

using namespace ftf;
namespace fs = std::filesystem;

namespace {

struct Order : IPositionOrder {
    std::string inner = "WHITE", outer = "WHITE";
    std::string InnerProfColor() const override { return inner; }
    std::string OuterProfColor() const override { return outer; }
};

// One expected or calculated line: article|count|side|length|complect|note.
std::string Line(const std::string& article, int count, int side, float length, const std::string& complect,
                 const std::string& note) {
    char len[32] = "";
    if (length != 0) std::snprintf(len, sizeof len, "%.1f", static_cast<double>(length));
    return article + "|" + std::to_string(count) + "|" + std::to_string(side) + "|" + len + "|" + complect + "|" + note;
}

std::string Trim(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The item tables of CATALOGUE.md by the first word of their bold title ("Window", "B.", "F1." ...).
std::map<std::string, std::vector<std::string>> ExpectedLists() {
    std::ifstream in(std::string(FTF_SOURCE_DIR) + "/data/demo/CATALOGUE.md");
    std::map<std::string, std::vector<std::string>> out;
    std::string line, title, current;
    while (std::getline(in, line)) {
        if (line.rfind("**", 0) == 0) {
            title = line.substr(2, line.find(' ') - 2);
            continue;
        }
        if (line.rfind("| Article | Qty | Side | Length | Complect | Note |", 0) == 0) {
            current = title;
            out[current];
            continue;
        }
        if (current.empty()) continue;
        if (line.rfind("| ", 0) != 0) {
            if (line.rfind("|---", 0) != 0) current.clear();
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream ss(line.substr(1));
        std::string cell;
        while (std::getline(ss, cell, '|')) cells.push_back(Trim(cell));
        while (cells.size() < 6) cells.push_back("");
        const float length = cells[3].empty() ? 0 : std::stof(cells[3]);
        out[current].push_back(Line(cells[0], std::stoi(cells[1]), std::stoi(cells[2]), length, cells[4], cells[5]));
    }
    return out;
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> ItemsOf(const TftfFlugel& sash) {
    std::vector<std::string> out;
    if (!sash.FurnComp) return out;
    for (const auto& it : sash.FurnComp->Items)
        out.push_back(Line(it->ArticleId, it->ItemCount, it->SideNo, it->Length, it->ParentComplect, it->Comment));
    return out;
}

struct Case {
    TFigure figure{1000, 1400, 0, 0, 0, 0, 0};
    std::string furnSys = "1100", profSys = "SP58", color = "SILVER";
    std::int32_t falz = 101, stulp = 306, open = 401, dorn = 201;
    float thickness = 70;
    TSashBuffer sash1, sash2;
};

TSashBuffer Window(const std::string& main, const std::string& hinge = "HS-100", const std::string& handle = "RK-STD") {
    TSashBuffer b;
    b.Complect = main;
    b.Hinge = hinge;
    b.Handle = handle;
    b.Properties = {"0=1010", "0=1020", "0=1030", "1=1040", "2=1050"};
    return b;
}

class DemoCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static std::atomic<int> n{0};
        dir_ = new fs::path(fs::temp_directory_path() /
                            ("ftf-calc-demo-" + std::to_string(::getpid()) + "-" + std::to_string(n++)));
        fs::create_directories(*dir_);
        {
            SqliteStore store(dir_->string(), DbAlias::Catalog);
            store.LoadSqlFile(std::string(FTF_SOURCE_DIR) + "/data/demo/catalogue.sql");
        }
        dm_ = new TDM;
        dm_->ConfigureDatabase(dm_->DB_Catalog, dir_->string());
        ASSERT_EQ(dm_->OpenCatalog(), 0);
        expected_ = new std::map<std::string, std::vector<std::string>>(ExpectedLists());
    }
    static void TearDownTestSuite() {
        delete dm_;
        delete expected_;
        std::error_code ec;
        fs::remove_all(*dir_, ec);
        delete dir_;
    }

    void SetUp() override {
        LoadCurrencyRates(*dm_, &rates);
        setup.SetActiveCurrency(&rates, 1, 0);
        SetCurrentSetup(&setup);
    }
    void TearDown() override { SetCurrentSetup(nullptr); }

    // Builds the position of the case and applies its set as the fittings set dialog does on OK.
    std::unique_ptr<TftfConstruction> Run(const Case& c) {
        auto pos = std::make_unique<TftfConstruction>(&order);
        pos->BuildContours(c.figure, c.dorn);
        TSashBuffer b1 = c.sash1, b2 = c.sash2;
        b1.Dornmass = b2.Dornmass = c.dorn;
        pos->ApplySet(c.furnSys, c.profSys, c.color, c.falz, c.stulp, c.open, 100, c.thickness, b1, b2);
        return pos;
    }

    void ExpectList(const std::string& name, const TftfFlugel& sash) {
        ASSERT_TRUE(expected_->count(name)) << name;
        ASSERT_FALSE(expected_->at(name).empty()) << name;
        EXPECT_EQ(Sorted(ItemsOf(sash)), Sorted(expected_->at(name))) << name;
    }

    std::string Failure(const Case& c) {
        auto pos = std::make_unique<TftfConstruction>(&order);
        pos->BuildContours(c.figure, c.dorn);
        TSashBuffer b1 = c.sash1, b2 = c.sash2;
        b1.Dornmass = b2.Dornmass = c.dorn;
        try {
            pos->ApplySet(c.furnSys, c.profSys, c.color, c.falz, c.stulp, c.open, 100, c.thickness, b1, b2);
        } catch (const FtfError& e) {
            EXPECT_TRUE(!pos->Sash1->FurnComp || pos->Sash1->FurnComp->Items.empty());
            for (const auto& t : dm_->DataSets()) EXPECT_FALSE(t->Filtered()) << t->Name();
            return e.what();
        }
        return "(no error)";
    }

    static fs::path* dir_;
    static TDM* dm_;
    static std::map<std::string, std::vector<std::string>>* expected_;

    TCatalogueModelServices services{*dm_};
    ScopedModelCatalogue catalogueGuard{services};
    TFurnEngine engine{*dm_};
    ScopedFurnEngine engineGuard{engine};
    std::ostringstream messages;
    NonInteractivePrompter prompter{false, messages};
    ScopedPrompter prompterGuard{prompter};
    TftfCurrencyList rates;
    TftfSetup setup;
    Order order;
};

fs::path* DemoCatalogue::dir_ = nullptr;
TDM* DemoCatalogue::dm_ = nullptr;
std::map<std::string, std::vector<std::string>>* DemoCatalogue::expected_ = nullptr;

}  // namespace

TEST_F(DemoCatalogue, WorkedExampleWindow) {
    Case c;
    c.sash1 = Window("PO-L");
    auto pos = Run(c);
    ExpectList("Window", *pos->Sash1);
    EXPECT_EQ(expected_->size(), 14u);  // the worked example, B to L, two sashes for F and G
    EXPECT_EQ(expected_->at("Window").size(), 29u);
    EXPECT_EQ(pos->Sash1->Sides[2]->HandleHeight, 700);
    for (const auto& t : dm_->DataSets()) EXPECT_FALSE(t->Filtered()) << t->Name();
}

TEST_F(DemoCatalogue, B_RightSashWhiteSP70) {
    Case c;
    c.color = "WHITE";
    c.profSys = "SP70";
    c.falz = 102;
    c.dorn = 202;
    c.sash1 = Window("PO-R");
    auto pos = Run(c);
    ExpectList("B.", *pos->Sash1);
    EXPECT_EQ(pos->Sash1->Sides[0]->HandleHeight, 700);
}

TEST_F(DemoCatalogue, C_System1101AllOptions) {
    Case c;
    c.furnSys = "1101";
    c.color = "WHITE";
    c.sash1 = Window("PO-L");
    c.sash1.Properties = {"0=1011", "0=1022", "0=1031", "1=1041", "2=1051"};
    auto pos = Run(c);
    ExpectList("C.", *pos->Sash1);
}

TEST_F(DemoCatalogue, D_LargeWindow) {
    Case c;
    c.figure.B = 1300;
    c.figure.H = 2000;
    c.sash1 = Window("PO-L");
    auto pos = Run(c);
    ExpectList("D.", *pos->Sash1);
    EXPECT_EQ(pos->Sash1->Sides[2]->HandleHeight, 1050);
}

TEST_F(DemoCatalogue, E_BronzeAsksForTheHandle) {
    ScriptedPrompter scripted;
    scripted.AnswerChoice(0);
    ScopedPrompter guard(scripted);
    Case c;
    c.color = "BRONZE";
    c.sash1 = Window("PO-L");
    auto pos = Run(c);
    ExpectList("E.", *pos->Sash1);
    ASSERT_EQ(scripted.Calls().size(), 1u);
    const ChoiceRequest& choice = scripted.Calls()[0].choice;
    EXPECT_EQ(choice.caption, "Список артикулов");
    EXPECT_EQ(choice.text, "В документации присутствует несколько альтернативных вариантов. Выберите нужный элемент.");
    ASSERT_EQ(choice.rows.size(), 2u);
    EXPECT_EQ(choice.rows[0][0], "VF-RK-BA");
    EXPECT_EQ(choice.rows[1][0], "VF-RK-BR");
}

TEST_F(DemoCatalogue, E_AnotherChoiceReplacesOnlyTheHandle) {
    ScriptedPrompter scripted;
    scripted.AnswerChoice(1);
    ScopedPrompter guard(scripted);
    Case c;
    c.color = "BRONZE";
    c.sash1 = Window("PO-L");
    auto pos = Run(c);
    std::vector<std::string> expected = expected_->at("E.");
    std::replace(expected.begin(), expected.end(), Line("VF-RK-BA", 1, 0, 0, "RK-STD", ""),
                 Line("VF-RK-BR", 1, 0, 0, "RK-STD", ""));
    EXPECT_EQ(Sorted(ItemsOf(*pos->Sash1)), Sorted(expected));
}

namespace {
Case StulpPair(float height, std::int32_t stulp) {
    Case c;
    c.figure = TFigure{1300, height, 2, 700, 600, 0, 0};
    c.stulp = stulp;
    c.sash1 = Window("SH-GL-L");
    c.sash2 = Window("SH-PS-R", "HS-100", "");
    return c;
}
}  // namespace

TEST_F(DemoCatalogue, F_StulpPairAluminium) {
    auto pos = Run(StulpPair(1400, 301));
    ExpectList("F1.", *pos->Sash1);
    ExpectList("F2.", *pos->Sash2);
}

TEST_F(DemoCatalogue, G_StulpPairPvc) {
    auto pos = Run(StulpPair(1700, 302));
    ExpectList("G1.", *pos->Sash1);
    ExpectList("G2.", *pos->Sash2);
}

TEST_F(DemoCatalogue, H_ArchSemicircle) {
    Case c;
    c.figure = TFigure{1000, 1400, 7, 500, 0, 500, 500};
    c.sash1 = Window("ARK-L");
    auto pos = Run(c);
    ExpectList("H.", *pos->Sash1);
}

TEST_F(DemoCatalogue, I_ArchPartial) {
    Case c;
    c.figure = TFigure{1000, 1400, 7, 300, 0, 800, 800};
    c.sash1 = Window("ARK-L");
    auto pos = Run(c);
    ExpectList("I.", *pos->Sash1);
}

TEST_F(DemoCatalogue, J_Trapezoid) {
    Case c;
    c.figure = TFigure{1000, 1400, 3, 900, 0, 0, 0};
    c.sash1 = Window("TRAP-L");
    auto pos = Run(c);
    ExpectList("J.", *pos->Sash1);
}

TEST_F(DemoCatalogue, K_Triangle) {
    Case c;
    c.figure = TFigure{1000, 1400, 5, 0, 0, 0, 0};
    c.sash1 = Window("TRI-5", "");
    auto pos = Run(c);
    ExpectList("K.", *pos->Sash1);
}

TEST_F(DemoCatalogue, L_Door) {
    Case c;
    c.figure = TFigure{900, 2200, 0, 0, 0, 0, 0};
    c.dorn = 204;
    c.sash1 = Window("DV-L", "HD-3", "RD-NAZH");
    c.sash1.Lock = "ZM-35";
    c.sash1.Cylinder = "CY-KK";
    auto pos = Run(c);
    ExpectList("L.", *pos->Sash1);
    EXPECT_EQ(pos->Sash1->Sides[2]->HandleHeight, 1050);
}

TEST_F(DemoCatalogue, DebugModeKeepsEveryAdditionWithItsCaption) {
    setup.DebugMode = true;
    Case c;
    c.sash1 = Window("PO-L");
    auto pos = Run(c);
    const auto& items = pos->Sash1->FurnComp->Items;
    std::vector<std::string> plates;
    for (const auto& it : items)
        if (it->ArticleId == "VF-OP-58" && it->SideNo == 3) plates.push_back(it->History);
    // Merged into one line of 2 without debug mode; two lines with their derivations with it.
    EXPECT_EQ(Sorted(plates), Sorted({"Комплект:PO-L -> Элемент:E-PRIVOD -> Артикул:VF-PP-07-2 -> Элемент:E-PL-PRIVOD -> "
                                      "Артикул:VF-OP-58",
                                      "Комплект:PO-L -> Элемент:E-ZAPOR-VERT -> Артикул:VF-ZS-06 -> "
                                      "Элемент:E-PL-SRED -> Артикул:VF-OP-58"}));
    bool sub = false;
    for (const auto& it : items)
        sub = sub || it->History == "Комплект:HS-100 -> Элемент:E-PETLI -> Элемент:E-OPORA-NIZ -> Артикул:VF-ON-09";
    EXPECT_TRUE(sub);
    int total = 0;
    for (const auto& it : items) total += it->ArticleId == "VF-SR-425" ? it->ItemCount : 0;
    EXPECT_EQ(total, 10);
}

TEST_F(DemoCatalogue, CasesThatStopTheCalculation) {
    const std::string nozh =
        "В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [Ножницы]!\r\n\r\n"
        "Искомый запрос:\r\n";
    struct Stop {
        const char* what;
        void (*change)(Case&);
        std::string message;
    } stops[] = {
        {"falz 199", [](Case& c) { c.falz = 199; }, "В документации не установлены\r\nпараметры фальца 0/0-0!"},
        {"dorn 299", [](Case& c) { c.dorn = 299; }, "Не определена величина 'Дормасс'!"},
        {"falz 103", [](Case& c) { c.falz = 103; },
         nozh + "FFBMin <= 1000 and FFBMax >= 1000 and FalzLuft = 4 and ID='E-NOZH' "},
        {"FFB 1700", [](Case& c) { c.figure.B = 1700; },
         nozh + "FFBMin <= 1700 and FFBMax >= 1700 and FalzLuft = 12 and ID='E-NOZH' "},
        {"FFH 2500", [](Case& c) { c.figure.H = 2500; },
         "Нет подходящего привода: высота створки по фальцу должна быть от 400 до 2400 мм."},
        {"T-shaped arch", [](Case& c) { c.open = 403; c.sash1.Complect = "ARK-L"; },
         "Не допускается установка комплекта [ARK-L] на T-образную створку!"},
        {"no strike system", [](Case& c) { c.profSys = ""; },
         "Для комплекта фурнитуры [Подбор ответных планок]\r\nне указана система ответных планок!"},
        {"user handle 1200", [](Case& c) { c.sash1.UserHandleHeight = true; c.sash1.HandleHeight = 1200; },
         "В БД наборов фурнитуры в комплекте [Поворотно-откидной комплект, левый]\r\nсодержится элемент фурнитуры "
         "[Штанга соединительная вертикальная],\r\nимеющий недопустимое расчетное значение длины -190,0 (Мин. допустимая длина = "
         "100)!\r\n(Одна из возможных причин - установлена недопустимая высота ручки при расчете тяги)"},
    };
    // The messages are made under the program's formats (decimal ","); filters keep ".".
    ScopedNumberFormat formats(ProgramFormats());
    for (const Stop& s : stops) {
        Case c;
        c.sash1 = Window("PO-L");
        s.change(c);
        EXPECT_EQ(Failure(c), s.message) << s.what;
    }
}

TEST_F(DemoCatalogue, MoreCasesThatStopTheCalculation) {
    auto door = [] {
        Case c;
        c.figure = TFigure{900, 2200, 0, 0, 0, 0, 0};
        c.dorn = 204;
        c.sash1 = Window("DV-L", "HD-3", "RD-NAZH");
        c.sash1.Lock = "ZM-35";
        c.sash1.Cylinder = "CY-KK";
        return c;
    };
    Case bronze = door();
    bronze.color = "BRONZE";
    EXPECT_EQ(Failure(bronze),
              "В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [Гарнитур нажимной]!"
              "\r\n\r\nИскомый запрос:\r\nID='E-DV-RUCHKA' and Color = 'BRONZE' ");
    Case backset = door();
    backset.dorn = 201;
    EXPECT_EQ(Failure(backset), "Для выбранного дорнмасса нет дверного замка (выпускаются 25 и 35 мм).");

    Case triangle;
    triangle.figure = TFigure{1000, 1400, 5, 0, 0, 0, 0};
    triangle.sash1 = Window("TRI-5");
    triangle.sash1.Properties.back() = "2=1051";
    EXPECT_EQ(Failure(triangle), "Петля до 130 кг выпускается только левой или правой.");

    // The passive sash calculated before its partner has a set.
    Case passive;
    passive.figure = TFigure{1300, 1400, 2, 700, 600, 0, 0};
    passive.stulp = 301;
    passive.sash1 = Window("SH-PS-R", "HS-100", "");
    passive.sash2 = Window("SH-GL-L");
    EXPECT_EQ(Failure(passive),
              "В БД наборов фурнитуры в комплекте [Штульповый комплект, пассивная правая створка]\r\nсодержится "
              "элемент фурнитуры [Ответная часть штульпового запора],\r\nдля которого определена ссылка на артикул "
              "смежной штульповой створки.\r\nКомплект для смежной створки еще не определен. Установите сначала "
              "комплект на соседнюю створку!");
}
