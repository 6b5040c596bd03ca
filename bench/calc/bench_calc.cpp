// The fittings calculation of one sash on a large synthetic catalogue held in memory (the sizes of
// the storage benchmark's generator: 50 000 articles, 100 000 article rules, 20 000 complect rows),
// with a main complect of 40 rows whose articles bring strike plates, covers and additional
// articles. The loop times the calculation alone on a loaded catalogue: each table's indexes are
// built when its rows are in, as the data module does after reading a table; the calculation's own
// caches (elements, compiled filters, key presence) fill during the first timed calculation.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/FurnCalc.h"
#include "catalogue/Tdm.h"
#include "common/NonInteractivePrompter.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"

using namespace ftf;

namespace {

constexpr int kCatalogRows = 50000;
constexpr int kArtRows = 100000;
constexpr int kSetRows = 20000;
constexpr int kElements = 2000;
constexpr int kComplects = 1000;
constexpr int kMainRows = 40;

std::string Id(const char* prefix, int i) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%s%06d", prefix, i);
    return buf;
}

using Row = std::map<std::string, Value>;

class Loader {
public:
    explicit Loader(Table& t) : t_(t) { t_.Close(); }
    ~Loader() {
        t_.Data().BuildIndexes();  // as the data module does once it has read a table
        t_.Open();
    }
    void Add(const Row& r) {
        RowValues values(static_cast<std::size_t>(t_.FieldCount()));
        for (const auto& [name, v] : r) values[static_cast<std::size_t>(t_.FieldIndex(name))] = v;
        t_.Data().LoadRow(values);
    }

private:
    Table& t_;
};

void Fill(TDM& dm) {
    for (const auto& t : dm.DataSets()) t->Open();
    std::mt19937 rng(7);
    auto rnd = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    {
        Loader l(dm.T_FalzList());
        l.Add({{"ID", 101}, {"FalzLuft", 12}, {"FalzSize", 20}, {"FalzPos", 9}});
        l.Add({{"ID", 201}, {"DornMass", 7.5}});
        l.Add({{"ID", 401}, {"OpenType", 0}});
    }
    for (Table* t : {&dm.T_DornList(), &dm.T_StulpList(), &dm.T_OpenList()}) {
        t->Close();
        t->Open();
    }
    {
        Loader l(dm.T_Catalog());
        for (int i = 0; i < kCatalogRows; ++i)
            l.Add({{"ID", Id("A", i)}, {"Name", "Артикул " + std::to_string(i)}, {"Price", 12.5}, {"Currency", 1}});
        for (int i = 0; i < kMainRows; ++i) {
            l.Add({{"ID", Id("MA", i)}, {"Name", "Основной " + std::to_string(i)}});
            l.Add({{"ID", Id("MP", i)}, {"Name", "Планка " + std::to_string(i)}});
            l.Add({{"ID", Id("MC", i)}, {"Name", "Накладка " + std::to_string(i)}});
            l.Add({{"ID", Id("MD", i)}, {"Name", "Винт " + std::to_string(i)}});
        }
    }
    {
        Loader l(dm.T_FrnComp());
        for (int i = 0; i < kComplects; ++i) l.Add({{"ID", Id("K", i)}, {"Name", "Комплект " + std::to_string(i)}});
        l.Add({{"ID", "MAIN"}, {"Name", "Основной комплект"}, {"Direct", 1}, {"TFlugelAvailable", 1}});
    }
    {
        Loader l(dm.T_FrnItem());
        for (int i = 0; i < kElements; ++i) l.Add({{"ID", Id("E", i)}, {"Name", "Элемент " + std::to_string(i)}});
        for (int i = 0; i < kMainRows; ++i) {
            l.Add({{"ID", Id("ME", i)}, {"Name", "Элемент основной " + std::to_string(i)}, {"HasFalzLuft", i % 3 == 0},
                   {"HasDornMass", i % 3 == 1}, {"HasColor", i % 4 == 0}, {"CheckDirect", i % 5 == 0}});
            l.Add({{"ID", Id("MPE", i)}, {"Name", "Планка " + std::to_string(i)}, {"HasProfSys", 1}});
        }
    }
    {
        Loader l(dm.T_FrnArt());
        for (int i = 0; i < kArtRows; ++i) {
            const int lo = rnd(1500);
            l.Add({{"ID", Id("E", rnd(kElements))}, {"CatalogID", Id("A", rnd(kCatalogRows))}, {"Key", i + 1},
                   {"FFBMin", lo}, {"FFBMax", lo + 300 + rnd(1500)}, {"FFHMax", 3000}, {"FalzLuft", 12}});
        }
        int key = kArtRows;
        for (int i = 0; i < kMainRows; ++i) {
            // Three ranges of width per element; exactly one fits the sash.
            for (int r = 0; r < 3; ++r)
                l.Add({{"ID", Id("ME", i)}, {"CatalogID", r == 1 ? Id("MA", i) : Id("A", rnd(kCatalogRows))},
                       {"Key", ++key}, {"FFBMin", 400 + 500 * r}, {"FFBMax", 899 + 500 * r}, {"FFHMax", 3000},
                       {"FalzLuft", 12}, {"DornMassMin", 0.0}, {"DornMassMax", 50.0}, {"Direct", 3}});
            l.Add({{"ID", Id("MPE", i)}, {"CatalogID", Id("MP", i)}, {"Key", ++key}, {"ProfSys", "SP"}});
            l.Add({{"ID", Id("MPE", i)}, {"CatalogID", Id("A", i)}, {"Key", ++key}, {"ProfSys", "OTHER"}});
        }
    }
    {
        Loader l(dm.T_FrnSet());
        for (int i = 0; i < kSetRows; ++i)
            l.Add({{"ID", Id("K", i % kComplects)}, {"Item", Id("E", rnd(kElements))}, {"Key", i + 1}, {"FFBMax", 3000},
                   {"FFHMax", 3000}, {"Number", 1}, {"LenFormula", "FFB-20"}});
        for (int i = 0; i < kMainRows; ++i) {
            Row r{{"ID", "MAIN"}, {"Item", Id("ME", i)}, {"Key", kSetRows + i + 1}, {"ItemSideNo", 1 + i % 4},
                  {"Number", 1}, {"Condition", 1}, {"Required", 1}, {"FFHMax", 3000}};
            if (i % 4 == 1) {
                r["ScaleCondition"] = 2;
                r["ScaleStart"] = 600;
                r["ScaleStep"] = 400;
                r["ScaleNum"] = 1;
                r["Number"] = 0;
            }
            if (i % 5 == 2) {
                r["UseLen"] = 1;
                r["LenFormula"] = "FL(2)-FG(3)/2";
            }
            if (i == 0) {
                r["DefineHandleHeight"] = 1;
                r["HandleSideNo"] = 3;
            }
            l.Add(r);
        }
    }
    {
        Loader schl(dm.T_FrnSchl()), dop(dm.T_FrnDop()), abd(dm.T_FrnAbd());
        for (int i = 0; i < 5000; ++i) {
            schl.Add({{"CatalogID", Id("A", i * 10)}, {"Item", Id("E", i % kElements)}, {"Key", i + 1}, {"Number", 1}});
            dop.Add({{"CatalogID", Id("A", i * 10)}, {"AccessoryID", Id("A", i * 10 + 1)}, {"Key", i + 1}, {"Number", 1}});
        }
        for (int i = 0; i < 2000; ++i)
            abd.Add({{"CatalogID", Id("A", i * 20)}, {"Color", Id("C", i % 20)}, {"AccessoryID", Id("A", i * 20 + 2)},
                     {"Number", 1}});
        for (int i = 0; i < kMainRows; ++i) {
            schl.Add({{"CatalogID", Id("MA", i)}, {"Item", Id("MPE", i)}, {"Key", 5001 + i}, {"Number", 1}});
            abd.Add({{"CatalogID", Id("MA", i)}, {"Color", "SILVER"}, {"AccessoryID", Id("MC", i)}, {"Number", 1}});
            dop.Add({{"CatalogID", Id("MP", i)}, {"AccessoryID", Id("MD", i)}, {"Key", 5001 + i}, {"Number", 2}});
        }
    }
    {
        Loader l(dm.T_FrnProp());
        for (int i = 0; i < 500; ++i) l.Add({{"PropKey", i / 5}, {"ID", 1000 + i % 200}});
    }
    {
        Loader l(dm.T_FrnItoI());
        for (int i = 0; i < 500; ++i) l.Add({{"ID", Id("E", i)}, {"Item", Id("E", i + 1)}, {"Number", 1}});
    }
}

void BM_CalcOneSash(benchmark::State& state) {
    TDM dm;
    Fill(dm);
    TCatalogueModelServices services(dm);
    ScopedModelCatalogue catalogueGuard(services);
    TFurnEngine engine(dm);
    ScopedFurnEngine engineGuard(engine);
    std::ostringstream sink;
    NonInteractivePrompter prompter(false, sink);
    ScopedPrompter prompterGuard(prompter);

    TftfConstruction pos;
    pos.BuildContours(TFigure{1000, 1400, 0, 0, 0, 0, 0}, 201);
    pos.FalzType = 101;
    pos.OpenType = 401;
    TftfFlugel& sash = *pos.Sash1;
    sash.FurnComp = std::make_unique<TftfFurnComp>(&sash);
    TftfFurnComp& set = *sash.FurnComp;
    set.Complect = "MAIN";
    set.ProfSys = "SP";
    set.FurnColor = "SILVER";
    set.FurnSys = "1100";
    set.Properties = {"0=1010", "0=1020"};
    set.BindSides();
    for (auto _ : state) {
        set.Calculate();
        benchmark::DoNotOptimize(set.Items.size());
    }
    state.counters["items"] = static_cast<double>(set.Items.size());
}
BENCHMARK(BM_CalcOneSash)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
