// The register window's controller as the desktop and the command line drive it: commands update
// the state, Ctrl+Del does not ask, the open request is handled after the command.

#include <gtest/gtest.h>

#include <filesystem>

#include "../common/TempDir.h"
#include "app/RegisterController.h"
#include "catalogue/Tdm.h"
#include "common/Dates.h"
#include "common/ScriptedPrompter.h"
#include "documents/Order.h"

namespace fs = std::filesystem;
using namespace ftf;

namespace {

using Kind = PromptCall::Kind;

TEST(RegisterController, CommandsUpdateTheStateAndCtrlDelDoesNotAsk) {
    test::TempDir root;
    const std::string orders = root.Str() + "/Orders", registry = root.Str() + "/Registry";
    fs::create_directories(orders);
    fs::create_directories(registry);
    ScriptedPrompter prompter;
    ScopedPrompter guard(prompter);
    std::vector<std::string> files;
    for (const char* no : {"1", "2", "3"}) {
        TftfOrder order;
        order.OrderNo = no;
        files.push_back(orders + "/" + no + ".ffo370");
        ASSERT_TRUE(order.SaveToFile(files.back()));
    }
    TDM dm;
    dm.ConfigureDatabase(dm.DB_Registry, registry);
    RegisterController c(dm, RegisterFolders{orders, root.Str() + "/Recycled", root.Str() + "/Archive"});
    EXPECT_EQ(c.Page(), RegisterPage::OrderList);
    EXPECT_EQ(c.State().statusText, "Заказов: 0");
    EXPECT_TRUE(c.State().readOnly);

    prompter.AnswerOpenFiles(files);
    c.Execute(RegisterCommand::RegisterFiles);
    EXPECT_EQ(c.State().statusText, "Заказов: 3");
    EXPECT_TRUE(c.State().openEnabled);
    EXPECT_FALSE(c.State().saveEnabled);

    ASSERT_TRUE(c.Register().LocateNumber("2"));
    c.Execute(RegisterCommand::Open);
    EXPECT_TRUE(c.OpenRequested());
    EXPECT_EQ(c.TakeOpenRequest(), files[1]);
    EXPECT_EQ(c.TakeOpenRequest(), std::nullopt);  // handled once

    prompter.AnswerOk(false);
    c.Execute(RegisterCommand::Delete);
    EXPECT_EQ(c.State().recordCount, 3);
    c.Execute(RegisterCommand::DeleteAtOnce);
    EXPECT_EQ(c.State().recordCount, 2);
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), std::vector<std::string>{"Удалить заказ?"});
    EXPECT_TRUE(fs::exists(root.Path() / "Recycled/2.ffo"));  // no settings loaded: the option's default

    c.Sort(RegisterSort::ByDate);
    EXPECT_EQ(c.State().sort, RegisterSort::ByDate);
    c.TitleClick("No");
    EXPECT_EQ(c.State().sort, RegisterSort::ByNumber);
}

}  // namespace
