// The catalogue steps of the desktop start: the data module is created, its connections point at
// the configuration's folders, the tables open, and a missing table is reported while the others
// still open.

#include "app/DataModules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/Startup.h"
#include "catalogue/Lookups.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/ScriptedPrompter.h"
#include "model/ModelServices.h"
#include "settings/AppPaths.h"

using namespace ftf;
namespace fs = std::filesystem;

namespace {

struct Folders {
    fs::path root = fs::temp_directory_path() /
                    ("ftf-modules-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Folders() {
        fs::remove_all(root);
        for (const char* d : {"Catalog", "Server/Registry", "Report"}) fs::create_directories(root / d);
        AppPathsRecord& p = AppPaths();
        p.ClearPaths();
        p.CatalogDir = (root / "Catalog").string();
        p.ServerDir = (root / "Server").string();
        p.ReportDir = (root / "Report").string();
        p.DeriveDirectories();
    }
    ~Folders() {
        AppPaths().ClearPaths();
        fs::remove_all(root);
    }
};

}  // namespace

TEST(DataModules, StartOpensTheDemoCatalogueAndInstallsTheModelLookups) {
    Folders folders;
    {
        SqliteStore store(AppPaths().CatalogDir, DbAlias::Catalog);
        ASSERT_GT(store.LoadSqlFile(FTF_SOURCE_DIR "/data/demo/catalogue.sql"), 0);
    }
    ScriptedPrompter prompter;
    ScopedPrompter installed(prompter);
    EXPECT_FALSE(HasCatalogueModule());
    {
        RunDataModules modules;
        StartupHooks hooks;
        modules.FillHooks(hooks);
        hooks.createCatalogueModule();
        hooks.configureDatabases();
        hooks.openCatalogueTables();
        ASSERT_TRUE(HasCatalogueModule());
        TDM& dm = CatalogueModule();
        EXPECT_EQ(dm.T_Color().RecordCount(), 3);
        EXPECT_EQ(dm.T_FrnArt().RecordCount(), 79);
        EXPECT_TRUE(prompter.Calls().empty()) << "no table may be reported on a complete catalogue";
        // The model's lookups now read this catalogue.
        std::string name;
        dm.T_FrnComp().First();
        EXPECT_TRUE(CurrentModelCatalogue().TryGetComplectName(dm.T_FrnComp().Get("ID").AsText(), name));
        EXPECT_FALSE(name.empty());
    }
    EXPECT_FALSE(HasCatalogueModule());
    EXPECT_THROW(CatalogueModule(), FtfError);
}

TEST(DataModules, AMissingTableIsReportedAndTheOthersOpen) {
    Folders folders;
    ScriptedPrompter prompter;
    ScopedPrompter installed(prompter);
    RunDataModules modules;
    StartupHooks hooks;
    modules.FillHooks(hooks);
    hooks.createCatalogueModule();
    hooks.configureDatabases();
    // An empty catalogue folder: each table is reported once (ParamList.DB serves four datasets),
    // and the sequence goes on to the last table.
    hooks.openCatalogueTables();
    const auto errors = prompter.Texts(PromptCall::Kind::Error);
    ASSERT_EQ(errors.size(), 20u);
    EXPECT_EQ(errors.front().rfind("Ошибка открытия файла [COLORSET.DB]\r\n(", 0), 0u);
    EXPECT_EQ(errors.back().rfind("Ошибка открытия файла [FrnItoI.DB]", 0), 0u);
}
