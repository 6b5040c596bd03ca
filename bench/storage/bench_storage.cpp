// The catalogue storage under a large synthetic catalogue (50 000 articles, 100 000 article
// rules, 20 000 complect rows): importing the supplier's Paradox tables, opening the data module
// on the next start (the goal is under one second), and the fittings calculation's article
// filter and article lookup against the same filter written as indexed SQLite queries.
//
//   bench/storage/run.sh                      the benchmarks
//   bench/storage/run.sh --generate DIR       only writes the Paradox catalogue into DIR
//
// The catalogue is generated on the first run and kept (see main).

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalogue/ParadoxReader.h"
#include "catalogue/ParadoxWriter.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/StorageSchema.h"
#include "catalogue/Tdm.h"
#include "common/Prompter.h"

namespace fs = std::filesystem;
using namespace ftf;

namespace {

constexpr int kCatalogRows = 50000;
constexpr int kArtRows = 100000;
constexpr int kSetRows = 20000;
constexpr int kElements = 2000;
constexpr int kComplects = 1000;

std::string Id(const char* prefix, int i) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%s%06d", prefix, i);
    return buf;
}
std::string ElementId(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "E%05d", i);
    return buf;
}

std::vector<ParadoxFieldSpec> SpecOf(const StoredTableDef& def) {
    std::vector<ParadoxFieldSpec> out;
    for (const auto& f : def.StoredFields()) {
        ParadoxFieldSpec s;
        s.name = f.name;
        switch (f.type) {
            case FieldType::String: s.type = pxAlpha; s.size = f.size; break;
            case FieldType::SmallInt: s.type = pxShort; break;
            case FieldType::Integer: s.type = pxLong; break;
            case FieldType::AutoInc: s.type = pxAutoInc; break;
            case FieldType::Bcd: s.type = pxBcd; s.decimals = f.decimals ? f.decimals : 4; break;
            case FieldType::Money: s.type = pxCurrency; break;
            case FieldType::Date: s.type = pxDate; break;
            case FieldType::Logical: s.type = pxLogical; break;
            default: s.type = pxNumber; break;
        }
        out.push_back(s);
    }
    return out;
}

// Writes a table whose rows come from `fill(i, set)`; set(name, value) fills one field.
template <class Fill>
void Write(const std::string& dir, const char* table, int rows, Fill fill) {
    const StoredTableDef& def = *FindTableDef(table);
    auto desc = SpecOf(def);
    std::map<std::string, std::size_t> at;
    for (std::size_t i = 0; i < desc.size(); ++i) at[desc[i].name] = i;
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows), std::vector<std::string>(desc.size()));
    for (int i = 0; i < rows; ++i) {
        auto& row = cells[static_cast<std::size_t>(i)];
        fill(i, [&](const char* name, std::string v) { row[at.at(name)] = std::move(v); });
    }
    WriteParadoxTable(dir + "/" + def.view.name, desc, cells);
}

void Generate(const std::string& dir) {
    fs::create_directories(dir);
    std::mt19937 rng(7);
    auto num = [&](int n) { return std::to_string(static_cast<int>(rng() % static_cast<unsigned>(n))); };
    const char* colors[] = {"", "01", "02", "03"};
    Write(dir, "COLORSET.DB", 20, [&](int i, auto set) { set("Color", Id("C", i)); set("Name", "Цвет " + std::to_string(i)); });
    Write(dir, "Currency.DB", 3, [&](int i, auto set) {
        set("ID", std::to_string(i + 1)); set("Name", i == 0 ? "RUB" : i == 1 ? "EUR" : "USD");
        set("Value", i == 0 ? "1" : "91.1234"); set("Dec", "2");
    });
    Write(dir, "PriceGrp.DB", 10, [&](int i, auto set) { set("GroupID", std::to_string(i)); set("Name", "Группа " + std::to_string(i)); set("Reduce_1", "-5.5"); });
    Write(dir, "SysList.DB", 10, [&](int i, auto set) { set("ID", std::to_string(1000 + i * 100)); set("Group", "1"); set("Name", "Система " + std::to_string(i)); set("Use", "1"); });
    Write(dir, "SysColor.db", 100, [&](int i, auto set) { set("ID", Id("C", i % 20)); set("System", std::to_string(1000 + (i / 20) * 100)); });
    Write(dir, "SysProp.DB", 200, [&](int i, auto set) { set("ID", std::to_string(1000 + i)); set("GroupName", "Свойство"); set("ValueName", "Значение " + std::to_string(i)); });
    Write(dir, "SysProf.DB", 20, [&](int i, auto set) { set("SchlSysID", Id("S", i)); set("FurnSysID", std::to_string(1000 + (i % 10) * 100)); });
    Write(dir, "Catalog.DB", kCatalogRows, [&](int i, auto set) {
        set("ID", Id("A", i)); set("Article", Id("AR", i)); set("ProdArticle", Id("P", i));
        set("Name", "Артикул фурнитуры номер " + std::to_string(i)); set("Unit", "шт");
        set("Price", std::to_string(rng() % 100000 / 100.0)); set("Currency", "2"); set("PriceGrp", num(10));
        set("System", std::to_string(1000 + static_cast<int>(rng() % 10) * 100)); set("Group", std::to_string(200 + i % 100));
        set("Use", "1"); set("MinTrade", "1"); set("GOST", "ГОСТ 538-2014");
    });
    Write(dir, "Material.db", 3, [&](int i, auto set) { set("ID", std::to_string(i)); set("Name", "Материал"); });
    Write(dir, "ParamList.DB", 40, [&](int i, auto set) { set("ID", std::to_string(100 * (1 + i / 10) + i % 10)); set("Name", "Параметр"); set("DornMass", "7.5"); });
    Write(dir, "FrnComp.DB", kComplects, [&](int i, auto set) { set("ID", Id("K", i)); set("Name", "Комплект " + std::to_string(i)); set("Group", num(10)); set("Use", "1"); });
    Write(dir, "FrnSide.DB", 2 * kComplects, [&](int i, auto set) { set("ID", Id("K", i / 2)); set("Side", std::to_string(1 + i % 2)); set("MaxSize", "3000"); });
    Write(dir, "FrnItem.DB", kElements, [&](int i, auto set) { set("ID", ElementId(i)); set("Name", "Элемент " + std::to_string(i)); });
    Write(dir, "FrnSet.DB", kSetRows, [&](int i, auto set) {
        set("ID", Id("K", i % kComplects)); set("Item", ElementId(static_cast<int>(rng() % kElements))); set("Key", std::to_string(i + 1));
        set("FFBMax", "3000"); set("FFHMax", "3000"); set("Number", "1"); set("LenFormula", "FFB-20");
    });
    Write(dir, "FrnArt.DB", kArtRows, [&](int i, auto set) {
        const int lo = static_cast<int>(rng() % 1500);
        set("ID", ElementId(static_cast<int>(rng() % kElements))); set("CatalogID", Id("A", static_cast<int>(rng() % kCatalogRows)));
        set("Key", std::to_string(i + 1)); set("FFBMin", std::to_string(lo)); set("FFBMax", std::to_string(lo + 300 + static_cast<int>(rng() % 1500)));
        set("FFHMin", "0"); set("FFHMax", "3000"); set("FalzLuft", std::to_string(12 + 4 * static_cast<int>(rng() % 2))); set("FalzSize", "20");
        set("DornMassMin", std::to_string(7.5 * (rng() % 2))); set("DornMassMax", std::to_string(7.5 + 20.0 * (rng() % 2)));
        set("Direct", num(4)); set("Color", colors[rng() % 4]);
    });
    Write(dir, "FrnSchl.DB", 5000, [&](int i, auto set) { set("CatalogID", Id("A", i * 10)); set("Item", ElementId(i % kElements)); set("Key", std::to_string(i + 1)); set("Number", "1"); });
    Write(dir, "FrnDop.DB", 5000, [&](int i, auto set) { set("CatalogID", Id("A", i * 10)); set("AccessoryID", Id("A", i * 10 + 1)); set("Key", std::to_string(i + 1)); set("Number", "1"); });
    Write(dir, "FrnAbd.DB", 2000, [&](int i, auto set) { set("CatalogID", Id("A", i * 20)); set("Color", Id("C", i % 20)); set("AccessoryID", Id("A", i * 20 + 2)); set("Number", "1"); });
    Write(dir, "FrnProp.db", 500, [&](int i, auto set) { set("PropKey", std::to_string(i / 5)); set("ID", std::to_string(1000 + i % 200)); });
    Write(dir, "FrnItoI.DB", 500, [&](int i, auto set) { set("ID", ElementId(i)); set("Item", ElementId(i + 1)); set("Number", "1"); });
}

// A prompter that counts errors instead of printing them.
struct QuietPrompter final : Prompter {
    int errors = 0;
    void ShowError(const std::string&) override { ++errors; }
    void ShowWarning(const std::string&) override {}
    void ShowInfo(const std::string&) override {}
    void ShowPlain(const std::string&) override {}
    bool AskOkCancel(const std::string&, QuestionKind) override { return false; }
    bool AskOkAbort(const std::string&, QuestionKind) override { return false; }
    int AskTwoButtons(const std::string&, const std::string&, const std::string&, const std::string&, QuestionKind) override { return 0; }
    YesNoCancel AskYesNoCancel(const std::string&, QuestionKind) override { return YesNoCancel::Cancel; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override { return std::nullopt; }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    int Choose(const ChoiceRequest&) override { return -1; }
    void BeginBusy(bool) override {}
    void EndBusy() override {}
};

struct Env {
    std::string root, catalog, registry, report;
};
Env g;

void OpenModule(TDM& dm, QuietPrompter& p) {
    dm.ConfigureDatabases(g.catalog, g.registry, g.report);
    if (dm.OpenCatalog() != 0 || p.errors) std::fprintf(stderr, "opening reported %d errors\n", p.errors);
}

void BM_ImportParadoxCatalogue(benchmark::State& state) {
    QuietPrompter p;
    ScopedPrompter guard(p);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(g.catalog + "/fentorn.sqlite");
        fs::remove(g.catalog + "/fentorn.sqlite-wal");
        fs::remove(g.catalog + "/fentorn.sqlite-shm");
        state.ResumeTiming();
        SqliteStore store(g.catalog, DbAlias::Catalog);
        benchmark::DoNotOptimize(store.Notes().size());
    }
}
BENCHMARK(BM_ImportParadoxCatalogue)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenCatalogueAtStartUp(benchmark::State& state) {
    QuietPrompter p;
    ScopedPrompter guard(p);
    for (auto _ : state) {
        TDM dm;
        OpenModule(dm, p);
        benchmark::DoNotOptimize(dm.T_FrnArt().RecordCount());
    }
}
BENCHMARK(BM_OpenCatalogueAtStartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

// The article selection's filter (as bench_tables builds it) on the module's T_FrnArt ...
std::string ArticleFilter(const std::string& id, int ffb) {
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "FFBMin <= %d and FFBMax >= %d and FalzLuft = %d and DornMassMin <= %.2f and DornMassMax >= %.2f "
                  "and (Direct = %d or Direct = %d) and ID='%s' ",
                  ffb, ffb, 12, 7.5, 7.5, 3, 1, id.c_str());
    return buf;
}

void BM_ArticleFilter_TableStore(benchmark::State& state) {
    QuietPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    OpenModule(dm, p);
    Table& t = dm.T_FrnArt();
    std::mt19937 rng(11);
    long found = 0;
    for (auto _ : state) {
        FilterScope scope(t, ArticleFilter(ElementId(static_cast<int>(rng() % kElements)), 400 + static_cast<int>(rng() % 1200)));
        found += t.RecordCount();
        for (t.First(); !t.Eof(); t.Next()) benchmark::DoNotOptimize(t.IntAt(2));
    }
    state.counters["rows/query"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ArticleFilter_TableStore);

// ... and the same selection as an indexed SQLite query (index on ID;CatalogID;Key).
void BM_ArticleFilter_Sqlite(benchmark::State& state) {
    SqliteStore store(g.catalog, DbAlias::Catalog);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(store.Handle(),
                       "SELECT \"Key\" FROM \"FrnArt\" WHERE \"ID\"=?1 AND \"FFBMin\"<=?2 AND \"FFBMax\">=?2 AND "
                       "\"FalzLuft\"=12 AND \"DornMassMin\"<=7.5 AND \"DornMassMax\">=7.5 AND (\"Direct\"=3 OR \"Direct\"=1) "
                       "ORDER BY \"ID\",\"CatalogID\",\"Key\"",
                       -1, &s, nullptr);
    std::mt19937 rng(11);
    long found = 0;
    for (auto _ : state) {
        const std::string id = ElementId(static_cast<int>(rng() % kElements));
        sqlite3_reset(s);
        sqlite3_bind_text(s, 1, id.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 2, 400 + static_cast<int>(rng() % 1200));
        while (sqlite3_step(s) == SQLITE_ROW) {
            ++found;
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
        }
    }
    sqlite3_finalize(s);
    state.counters["rows/query"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ArticleFilter_Sqlite);

void BM_LocateArticle_TableStore(benchmark::State& state) {
    QuietPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    OpenModule(dm, p);
    Table& t = dm.T_Catalog();
    std::mt19937 rng(5);
    for (auto _ : state) benchmark::DoNotOptimize(t.Locate("ID", Value(Id("A", static_cast<int>(rng() % kCatalogRows)))));
}
BENCHMARK(BM_LocateArticle_TableStore);

void BM_LocateArticle_Sqlite(benchmark::State& state) {
    SqliteStore store(g.catalog, DbAlias::Catalog);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(store.Handle(), "SELECT \"Name\",\"Price\" FROM \"Catalog\" WHERE \"ID\"=?1", -1, &s, nullptr);
    std::mt19937 rng(5);
    for (auto _ : state) {
        const std::string id = Id("A", static_cast<int>(rng() % kCatalogRows));
        sqlite3_reset(s);
        sqlite3_bind_text(s, 1, id.c_str(), -1, SQLITE_TRANSIENT);
        benchmark::DoNotOptimize(sqlite3_step(s));
    }
    sqlite3_finalize(s);
}
BENCHMARK(BM_LocateArticle_Sqlite);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--generate") {
        Generate(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    // Writing the catalogue with pxlib takes minutes (it rewrites its header for every record),
    // so it is written once and kept: $FTF_BENCH_CATALOGUE or build-bench-storage/synthetic.
    const char* keep = std::getenv("FTF_BENCH_CATALOGUE");
    g.catalog = keep && *keep ? keep : "build-bench-storage/synthetic";
    g.root = (fs::temp_directory_path() / ("ftf-bench-storage-" + std::to_string(::getpid()))).string();
    g.registry = g.root + "/Registry";
    g.report = g.root + "/Report";
    fs::create_directories(g.registry);
    fs::create_directories(g.report);
    if (!fs::exists(g.catalog + "/FrnItoI.DB")) {
        const auto t0 = std::chrono::steady_clock::now();
        fs::remove_all(g.catalog);
        Generate(g.catalog);
        std::fprintf(stderr, "synthetic catalogue written to %s in %.1f s\n", g.catalog.c_str(),
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(g.root, ec);
    return 0;
}
