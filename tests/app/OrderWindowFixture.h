#pragma once
// The order window's controller over the demo catalogue: folders for orders, archive and
// register under a fresh temporary folder, settings without an INI file, a scripted prompter and
// scripted dialogs, and helpers that write order files of priced positions.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../common/TempDir.h"
#include "app/OrderController.h"
#include "app/OrderDialogs.h"
#include "app/PositionClipboard.h"
#include "catalogue/Lookups.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/Table.h"
#include "catalogue/Tdm.h"
#include "common/NumberFormat.h"
#include "common/ScriptedPrompter.h"
#include "documents/Order.h"
#include "documents/Register.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"
#include "model/FurnComp.h"
#include "settings/AppPaths.h"
#include "settings/Setup.h"

namespace ftf::test {

/// The three dialogs and the progress window, each answered by a function the test sets; every
/// call is logged ("order", "position", "furn", "begin", "step d/t", "end").
class ScriptedOrderDialogs final : public OrderDialogs {
public:
    std::function<bool(TftfOrder&, bool&)> orderDialog = [](TftfOrder&, bool&) { return false; };
    std::function<bool(TftfOrder&, TftfConstruction&)> positionDialog = [](TftfOrder&, TftfConstruction&) {
        return false;
    };
    std::function<bool(TftfConstruction&)> furnDialog = [](TftfConstruction&) { return false; };
    std::vector<std::string> log;
    const ScriptedPrompter* prompter = nullptr;
    std::size_t promptsAtEnd = 0;  ///< prompter calls recorded when the progress window closed

    bool RunOrderDialog(TftfOrder& order, bool& pricesChanged) override {
        log.push_back("order");
        return orderDialog(order, pricesChanged);
    }
    bool RunPositionDialog(TftfOrder& order, TftfConstruction& position) override {
        log.push_back("position");
        return positionDialog(order, position);
    }
    bool RunFurnSetDialog(TftfConstruction& position) override {
        log.push_back("furn");
        return furnDialog(position);
    }
    void BeginProgress() override { log.push_back("begin"); }
    void StepProgress(int done, int total) override {
        log.push_back("step " + std::to_string(done) + "/" + std::to_string(total));
    }
    void EndProgress() override {
        log.push_back("end");
        if (prompter) promptsAtEnd = prompter->Calls().size();
    }
};

/// Gives a position a one-sash 700 × 1400 outline and a set of the articles (one piece each).
inline void BuildPosition(TftfConstruction& p, const std::string& no, const std::vector<std::string>& articles) {
    p.PosNo = no;
    p.PosName = "Окно " + no;
    p.Quantity = 2;
    p.FurnSys = "1100";
    p.ProfSys = "SP70";
    p.Color = "WHITE";
    p.FalzType = 101;
    p.StulpType = 306;
    p.OpenType = 401;
    TFigure f;
    f.B = 700;
    f.H = 1400;
    p.BuildContours(f, 202);
    auto set = std::make_unique<TftfFurnComp>(p.Sash1.get());
    set->FurnSys = "1100";
    for (const std::string& a : articles) set->AddItem(a, "", "", false, 0, "", 1, 0);
    p.Sash1->FurnComp = std::move(set);
}

class OrderWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        catalogue_ = new TempDir;
        SqliteStore store(catalogue_->Str(), DbAlias::Catalog);
        ASSERT_GT(store.LoadSqlFile(FTF_SOURCE_DIR "/data/demo/catalogue.sql"), 0);
    }
    static void TearDownTestSuite() {
        delete catalogue_;
        catalogue_ = nullptr;
    }

    void SetUp() override {
        AppPathsRecord& p = AppPaths();
        p.ClearPaths();
        p.OrdersDir = orders.string();
        p.ArchiveDir = archive.string();
        p.RecycledDir = (root.Path() / "Recycled").string();
        p.RegistryDir = registry.string();
        std::filesystem::create_directories(orders);
        std::filesystem::create_directories(archive);
        std::filesystem::create_directories(registry);
        dm.ConfigureDatabase(dm.DB_Catalog, catalogue_->Str());
        dm.ConfigureDatabase(dm.DB_Registry, registry.string());
        ASSERT_EQ(dm.OpenCatalog(), 0);
        CurrentFormats() = ProgramFormats();
        setup = std::make_unique<TftfSetup>();
        setup->DefFurnSys = "1100";
        setup->DefProfSys = "SP70";
        setup->DefFalzType = 101;
        setup->CurCurrency = 1;
        setup->NDSTax = 20;
        setup->AutoReg = false;
        SetCurrentSetup(setup.get());
        SharedPositionClipboard().Clear();
        dialogs.prompter = &prompter;
    }

    void TearDown() override {
        EXPECT_TRUE(prompter.Unexpected().empty()) << prompter.Unexpected().front();
        EXPECT_EQ(prompter.RemainingAnswers(), 0u);
        EXPECT_EQ(prompter.BusyDepth(), 0);
        SetCurrentSetup(nullptr);
        AppPaths().ClearPaths();
        SharedPositionClipboard().Clear();
    }

    std::unique_ptr<OrderController> Window() { return std::make_unique<OrderController>(dm, dialogs); }

    /// Writes an order file numbered `no` (currency 1 with the catalogue's rates) with one
    /// position per article list; `edit` may change the order before it is written.
    std::string WriteOrder(const std::filesystem::path& file, const std::string& no,
                           const std::vector<std::vector<std::string>>& positions = {},
                           const std::function<void(TftfOrder&)>& edit = {}) {
        TftfOrder o;
        o.OrderNo = no;
        o.Customer = "Заказчик " + no;
        o.ObjectName = "Объект " + no;
        o.CurrencyId = 1;
        LoadCurrencyRates(dm, &o.CurrencyRates);
        int n = 0;
        for (const auto& articles : positions) {
            char posNo[16];
            std::snprintf(posNo, sizeof posNo, "%.3d", ++n);
            BuildPosition(o.AddPosition(), posNo, articles);
        }
        if (edit) edit(o);
        EXPECT_TRUE(o.SaveToFile(file.string()));
        return file.string();
    }

    /// The register's records: number → stored file name, read afresh.
    std::map<std::string, std::string> RegisterRecords() {
        OrderRegister reg(dm, RegisterFolders{orders.string(), {}, archive.string()});
        std::map<std::string, std::string> out;
        if (!reg.Open()) return out;
        Table& t = reg.Records();
        dm.RefreshTable(t);
        for (t.First(); !t.Eof(); t.Next()) out[t.AsText("No")] = t.AsText("OrderFile");
        reg.Close();
        return out;
    }

    static TempDir* catalogue_;
    TempDir root;
    std::filesystem::path orders = root.Path() / "Orders";
    std::filesystem::path archive = root.Path() / "Archive";
    std::filesystem::path registry = root.Path() / "Registry";
    TDM dm;
    TCatalogueModelServices services{dm};
    ScopedModelCatalogue installedServices{services};
    std::unique_ptr<TftfSetup> setup;
    ScriptedPrompter prompter;
    ScopedPrompter installedPrompter{prompter};
    ScopedNumberFormat keptFormats;
    ScriptedOrderDialogs dialogs;
};

inline TempDir* OrderWindowTest::catalogue_ = nullptr;

}  // namespace ftf::test
