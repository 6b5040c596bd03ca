// The table store under the fittings calculation's load: the article selection sets a filter of
// an ID clause and range clauses on the article rules, counts and scans it, and clears it, for
// every element of every sash; lookups locate articles by ID.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "catalogue/Table.h"

using namespace ftf;

namespace {

constexpr int kArtRows = 100000;
constexpr int kElements = 2000;  // 50 rules per element on average
constexpr int kCatalogRows = 50000;

TableSchema ArtSchema() {
    TableSchema s;
    s.name = "FrnArt.DB";
    s.fields = {
        FieldDef::Str("ID", 30),
        FieldDef::Str("CatalogID", 30),
        FieldDef::Of("Key", FieldType::AutoInc),
        FieldDef::Of("FFBMin", FieldType::SmallInt),
        FieldDef::Of("FFBMax", FieldType::SmallInt),
        FieldDef::Of("FFHMin", FieldType::SmallInt),
        FieldDef::Of("FFHMax", FieldType::SmallInt),
        FieldDef::Of("FalzLuft", FieldType::SmallInt),
        FieldDef::Of("FalzSize", FieldType::SmallInt),
        FieldDef::Of("DornMassMin", FieldType::Bcd, 2),
        FieldDef::Of("DornMassMax", FieldType::Bcd, 2),
        FieldDef::Of("Direct", FieldType::SmallInt),
        FieldDef::Str("Color", 10),
        FieldDef::Of("HandleHeight", FieldType::SmallInt),
    };
    s.primary = IndexDef{"", "ID;CatalogID;Key", false, true};
    s.indexes = {IndexDef{"IDIndex", "ID", false, false}};
    return s;
}

std::string ElementId(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "E%05d", i);
    return buf;
}

std::shared_ptr<TableData> MakeArticles() {
    auto data = std::make_shared<TableData>(ArtSchema());
    data->Reserve(kArtRows);
    std::mt19937 rng(7);
    const char* colors[] = {"", "white", "brown", "silver"};
    for (int i = 0; i < kArtRows; ++i) {
        const int lo = static_cast<int>(rng() % 1500);
        char cat[16];
        std::snprintf(cat, sizeof cat, "A%06d", i);
        data->LoadRow({ElementId(static_cast<int>(rng() % kElements)), cat, i + 1, lo, lo + 300 + static_cast<int>(rng() % 1500),
                       0, 3000, 12 + 4 * static_cast<int>(rng() % 2), 20, 7.5 * (rng() % 2), 7.5 + 20.0 * (rng() % 2),
                       static_cast<int>(rng() % 4), colors[rng() % 4], 0});
    }
    return data;
}

// The article selection's filter for one element: the size clause, the criteria, the ID and the
// colour, built afresh as the calculation does.
std::string ArticleFilter(const std::string& id, int ffb, const char* idClause = "ID='%s' ") {
    char idPart[64];
    std::snprintf(idPart, sizeof idPart, idClause, id.c_str(), id.c_str());
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "FFBMin <= %d and FFBMax >= %d and FalzLuft = %d and DornMassMin <= %.2f and DornMassMax >= %.2f "
                  "and (Direct = %d or Direct = %d) and %s",
                  ffb, ffb, 12, 7.5, 7.5, 3, 1, idPart);
    return buf;
}

std::shared_ptr<TableData>& Articles() {
    static std::shared_ptr<TableData> data = MakeArticles();
    return data;
}

void RunSelection(benchmark::State& state, const char* idClause) {
    Table t(Articles(), "T_FrnArt");
    t.SetIndexName("IDIndex");
    t.Open();
    std::mt19937 rng(11);
    std::int64_t rows = 0;
    for (auto _ : state) {
        const std::string f = ArticleFilter(ElementId(static_cast<int>(rng() % kElements)), 400 + static_cast<int>(rng() % 1200), idClause);
        FilterScope scope(t, f);
        rows += t.RecordCount();
        for (t.First(); !t.Eof(); t.Next()) benchmark::DoNotOptimize(t.TextAt(1));
    }
    state.counters["rows/filter"] = benchmark::Counter(static_cast<double>(rows) / static_cast<double>(state.iterations()));
}

// ID pinned with "and": only that element's rows are scanned.
void BM_ArticleFilter_CountScan(benchmark::State& state) { RunSelection(state, "ID='%s' "); }
BENCHMARK(BM_ArticleFilter_CountScan);

// The same rows asked for through "or", which pins nothing: every row is evaluated.
void BM_ArticleFilter_FullScan(benchmark::State& state) { RunSelection(state, "(ID='%s' or ID='%s') "); }
BENCHMARK(BM_ArticleFilter_FullScan);

// One filter text repeated: the compiled form comes from the cache.
void BM_ArticleFilter_SameText(benchmark::State& state) {
    Table t(Articles(), "T_FrnArt");
    t.SetIndexName("IDIndex");
    t.Open();
    const std::string f = ArticleFilter(ElementId(42), 700);
    for (auto _ : state) {
        FilterScope scope(t, f);
        benchmark::DoNotOptimize(t.RecordCount());
        for (t.First(); !t.Eof(); t.Next()) benchmark::DoNotOptimize(t.TextAt(1));
    }
}
BENCHMARK(BM_ArticleFilter_SameText);

// Parsing alone, for texts never seen before.
void BM_FilterCompile(benchmark::State& state) {
    auto data = Articles();
    int n = 0;
    for (auto _ : state) {
        const std::string f = ArticleFilter(ElementId(n % kElements), 100000 + n);
        ++n;
        benchmark::DoNotOptimize(CompiledFilter::Compile(*data, f, {}));
    }
}
BENCHMARK(BM_FilterCompile);

std::shared_ptr<TableData> MakeCatalog() {
    TableSchema s;
    s.name = "Catalog.DB";
    s.fields = {FieldDef::Str("ID", 30), FieldDef::Str("Name", 100), FieldDef::Of("Price", FieldType::Money),
                FieldDef::Of("Currency", FieldType::SmallInt), FieldDef::Of("PriceGrp", FieldType::SmallInt)};
    s.primary = IndexDef{"", "ID", false, true};
    s.indexes = {IndexDef{"NameIndex", "Name", true, false}};
    auto data = std::make_shared<TableData>(s);
    data->Reserve(kCatalogRows);
    for (int i = 0; i < kCatalogRows; ++i) {
        char id[16];
        std::snprintf(id, sizeof id, "%07d.%02d", i * 7919 % 1000003, i % 100);
        data->LoadRow({id, "Артикул фурнитуры " + std::to_string(i), Value(Money::FromUnits(i % 500)), 1 + i % 3, i % 5});
    }
    return data;
}

void BM_LocateById(benchmark::State& state) {
    auto data = MakeCatalog();
    Table t(data, "T_Catalog");
    t.Open();
    std::vector<std::string> ids;
    for (RowId r = 0; r < data->SlotCount(); r += 7) ids.push_back(data->TextAt(r, 0));
    const LocateOptions o{state.range(0) != 0, false};
    t.Locate("ID", Value(ids[0]), o);  // the first locate builds the index
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Locate("ID", Value(ids[k]), o));
        benchmark::DoNotOptimize(t.IntAt(3));
        k = (k + 1) % ids.size();
    }
}
BENCHMARK(BM_LocateById)->Arg(0)->ArgName("nocase");
BENCHMARK(BM_LocateById)->Arg(1)->ArgName("nocase");

void BM_LoadAndIndexArticles(benchmark::State& state) {
    for (auto _ : state) {
        auto data = MakeArticles();
        benchmark::DoNotOptimize(data->IndexOrder(1).size());
    }
}
BENCHMARK(BM_LoadAndIndexArticles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
