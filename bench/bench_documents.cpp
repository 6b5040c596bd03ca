// Benchmarks of the order and selection files:
//   - saving and loading an order of 500 two-sash positions whose sets hold 40 items each (with
//     one material line per item, as a calculated sash has); goal: median under 50 ms each;
//   - the merged material list of a selection over 100 orders of 10 positions (every position an
//     entry), prices refreshed from a catalogue held in a map; goal: under one second.
// Files go to a fresh folder under the system's temporary folder. Built by bench/CMakeLists.txt.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "common/Error.h"
#include "common/Prompter.h"
#include "documents/Order.h"
#include "documents/Selection.h"
#include "model/ModelServices.h"

using namespace ftf;

namespace {

class Folder {
public:
    Folder() {
        path_ = std::filesystem::temp_directory_path() / ("ftf-bench-docs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

Folder& TheFolder() {
    static Folder folder;
    return folder;
}

class MapCatalogue final : public IModelCatalogue {
public:
    std::map<std::string, long double> prices;
    std::int32_t GetComplectScreenColor(const std::string&) override { return 16777215; }
    std::int32_t GetComplectImage(const std::string&) override { return 0; }
    std::vector<TFrnSideRow> GetComplectSides(const std::string&) override { return {}; }
    std::int32_t GetSideHandleDirect(const std::string&, std::int32_t) override { return 0; }
    bool TryGetComplectName(const std::string&, std::string& name) override {
        name.clear();
        return false;
    }
    bool IsVirtualArticle(const std::string&) override { return false; }
    long double GetArticlePrice(const std::string& a, bool silent) override {
        auto it = prices.find(a);
        if (it != prices.end()) return it->second;
        if (silent) return 0;
        throw FtfError("В каталоге отсутствуют данные для [" + a + "]!");
    }
    std::string GetArticleName(const std::string& a, bool) override { return a; }
};

constexpr int kArticles = 300;

std::string Article(int i) { return "ART-" + std::to_string(100000 + i % kArticles); }

void FillSash(TftfFlugel& sash, std::int32_t x0, int itemsPerSet, int seed) {
    sash.AddPoint(x0, 0);
    sash.AddPoint(x0 + 6000, 0);
    sash.AddPoint(x0 + 6000, 14000);
    sash.AddPoint(x0, 14000);
    for (int i = 0; i < 4; ++i) sash.AddSide();
    sash.LinkSides();
    sash.Dornmass = 15;
    sash.FurnComp = std::make_unique<TftfFurnComp>(&sash);
    TftfFurnComp& set = *sash.FurnComp;
    set.FurnSys = "ROTO NT";
    set.FurnColor = "F9";
    set.Complect = "K-" + std::to_string(seed % 17);
    set.HandleId = "HANDLE";
    set.Properties = {"0=12", "2=40"};
    for (int i = 0; i < itemsPerSet; ++i) {
        auto item = std::make_unique<TftfFurnItem>(&set);
        item->ArticleId = Article(seed * 7 + i);
        item->Length = i % 3 == 0 ? 1250.0f : 0.0f;
        item->ItemCount = 1 + i % 4;
        item->History = "Комплект " + set.Complect + " / элемент " + std::to_string(i);
        item->ParentComplect = set.Complect;
        item->SideNo = 1 + i % 4;
        set.Items.push_back(std::move(item));
        auto line = std::make_unique<TftfMatListItem>();
        line->ArticleId = set.Items.back()->ArticleId;
        line->MatQuantity = static_cast<float>(1 + i % 4);
        line->BasePrice = line->MatPrice = Money::FromRaw(12345 + i);
        line->MatCost = line->MatPrice.MulRound(line->MatQuantity);
        sash.Materials.push_back(std::move(line));
    }
}

void FillOrder(TftfOrder& order, int positions, int itemsPerSet, int seed) {
    order.OrderNo = "З-" + std::to_string(seed);
    order.Customer = "ООО «Окна и двери»";
    order.CurrencyRates = {{1, 1.0f}, {2, 91.25f}};
    order.Notes = {"Доставка до объекта", "Монтаж силами заказчика"};
    for (int p = 0; p < positions; ++p) {
        TftfConstruction& pos = order.AddPosition();
        pos.PosNo = std::to_string(p + 1);
        pos.PosName = "Окно двустворчатое " + std::to_string(p + 1);
        pos.Quantity = 1 + p % 3;
        pos.Arrangement = 1;
        pos.FurnSys = "ROTO NT";
        FillSash(*pos.Sash1, 0, itemsPerSet, seed + p);
        FillSash(*pos.Sash2, 6000, itemsPerSet, seed + p + 1);
        pos.Price = Money::FromUnits(1000 + p);
    }
}

class QuietPrompter final : public Prompter {
public:
    void ShowError(const std::string& t) override { throw FtfError(t); }
    void ShowWarning(const std::string& t) override { throw FtfError(t); }
    void ShowInfo(const std::string&) override {}
    void ShowPlain(const std::string&) override {}
    bool AskOkCancel(const std::string&, QuestionKind) override { return true; }
    bool AskOkAbort(const std::string&, QuestionKind) override { return true; }
    int AskTwoButtons(const std::string&, const std::string&, const std::string&, const std::string&,
                      QuestionKind) override { return 1; }
    YesNoCancel AskYesNoCancel(const std::string&, QuestionKind) override { return YesNoCancel::Yes; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    int Choose(const ChoiceRequest&) override { return 0; }
    void BeginBusy(bool) override {}
    void EndBusy() override {}
};

QuietPrompter quiet;
ScopedPrompter quietGuard(quiet);

void BM_SaveOrder(benchmark::State& state) {
    TftfOrder order;
    FillOrder(order, 500, 40, 1);
    const std::string file = TheFolder().File("big.ffo370");
    for (auto _ : state) {
        if (!order.SaveToFile(file)) state.SkipWithError("save failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(BM_SaveOrder)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_LoadOrder(benchmark::State& state) {
    const std::string file = TheFolder().File("big-load.ffo370");
    {
        TftfOrder order;
        FillOrder(order, 500, 40, 1);
        order.SaveToFile(file);
    }
    for (auto _ : state) {
        TftfOrder order;
        bool converted = false;
        if (!order.LoadFromFile(file, converted) || order.Count() != 500) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(order.Count());
    }
}
BENCHMARK(BM_LoadOrder)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_SelectionMaterials(benchmark::State& state) {
    MapCatalogue catalogue;
    for (int i = 0; i < kArticles; ++i) catalogue.prices[Article(i)] = 10 + i * 0.37L;
    ScopedModelCatalogue catalogueGuard(catalogue);
    const auto orders = TheFolder().Path() / "Orders";
    std::filesystem::create_directories(orders);
    TftfOrderSelection selection;
    selection.SetOrdersDir(orders.string());
    for (int o = 0; o < 100; ++o) {
        TftfOrder order;
        FillOrder(order, 10, 40, o * 11);
        const std::string file = (orders / ("order" + std::to_string(o) + ".ffo370")).string();
        order.SaveToFile(file);
        bool added = false;
        for (int p = 0; p < order.Count(); ++p) selection.PutOrderPosition(file, order, order.Positions(p), added);
    }
    std::size_t lines = 0;
    for (auto _ : state) {
        TftfMatList list;
        selection.CollectMaterials(&list);
        lines = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["entries"] = selection.Count();
}
BENCHMARK(BM_SelectionMaterials)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
