// The selection window's controller over real order and selection files and the demo catalogue:
// a new selection, adding orders (again, unreadable, from the register), sorting, ticking,
// moving, removing, refreshing, opening, saving with renaming, and the closing question.

#include "app/SelectionController.h"

#include <gtest/gtest.h>

#include "SelectionFixtures.h"
#include "catalogue/Table.h"
#include "documents/Register.h"
#include "documents/Selection.h"

using namespace ftf;
using namespace ftf::test;
namespace fs = std::filesystem;
using Kind = PromptCall::Kind;

namespace {

class SelectionControllerTest : public SelectionWindowTest {
protected:
    SelectionFolders Folders() const { return {ordersDir, selectionDir}; }

    /// "OrderNo/PosNo" of every row, in row order.
    static std::vector<std::string> Keys(const SelectionController& c) {
        std::vector<std::string> out;
        for (const SelectionRow& r : c.Rows()) out.push_back(r.cells[1] + "/" + r.cells[2]);
        return out;
    }
    static std::vector<bool> RowTicks(const SelectionController& c) {
        std::vector<bool> out;
        for (const SelectionRow& r : c.Rows()) out.push_back(r.checked);
        return out;
    }
    static std::vector<bool> ItemTicks(const SelectionController& c) {
        std::vector<bool> out;
        for (int i = 0; i < c.Selection().Count(); ++i) out.push_back(c.Selection().Items(i).Checked);
        return out;
    }

    /// A selection file with these entries (order no, pos no, name, file reference, tick).
    std::string PutSelection(const std::string& name, std::vector<EntryData> entries, const std::string& no = "В-1") {
        SelectionData d;
        d.selNo = no;
        d.selName = "Неделя";
        d.currencies = {{1, 1.0}, {3, static_cast<double>(88.25f)}};
        d.currencyId = 3;
        d.nds = 18;
        d.entries = std::move(entries);
        const std::string path = (fs::path(selectionDir) / name).string();
        WriteFile(path, SelectionImage(d).bytes);
        return path;
    }

    static EntryData Entry(const std::string& order, const std::string& pos, const std::string& name,
                           const std::string& ref, bool checked = true) {
        return EntryData{checked, order, pos, 1187.5, 1400, 1, name, ref};
    }
};

TEST_F(SelectionControllerTest, ANewSelectionTakesTheSettingsAndTheCatalogueRates) {
    TftfCurrencyList* list = nullptr;
    {
        SelectionController c(dm, Folders());
        const TftfOrderSelection& s = c.Selection();
        EXPECT_EQ(s.CurrencyId, 2);
        EXPECT_FLOAT_EQ(s.NDSTax, 20);
        EXPECT_EQ(s.PriceGroupNo, 0);
        ASSERT_EQ(s.CurrencyCount(), 3);
        EXPECT_EQ(s.CurrencyRates[1].CurrencyCode, 2);
        EXPECT_FLOAT_EQ(s.CurrencyRates[1].Rate, 95.5f);
        EXPECT_EQ(s.OrdersDir(), ordersDir);
        EXPECT_EQ(c.FileName(), "NewSel.ffs370");
        EXPECT_EQ(c.Caption(), "NewSel.ffs370");
        EXPECT_TRUE(c.IsNew());
        EXPECT_TRUE(c.Saved());
        EXPECT_EQ(c.LastSavedNo(), "");
        EXPECT_EQ(c.FocusedIndex(), 0);
        EXPECT_EQ(c.SelectedRow(), -1);
        EXPECT_TRUE(c.Rows().empty());
        const SelectionCommandState& cmd = c.Commands();
        EXPECT_FALSE(cmd.saveEnabled);
        EXPECT_TRUE(cmd.saveAsEnabled);
        EXPECT_FALSE(cmd.editButtonEnabled);
        EXPECT_FALSE(cmd.printEnabled);
        EXPECT_TRUE(cmd.addOrderEnabled);
        EXPECT_FALSE(cmd.deleteEnabled);

        // Activation publishes the currency context and the currency formats.
        c.Activate();
        EXPECT_EQ(setup->ActiveCurrencyList, &s.CurrencyRates);
        EXPECT_EQ(setup->ActiveCurrencyID, 2);
        EXPECT_FLOAT_EQ(setup->ActiveNDSTax, 20);
        EXPECT_EQ(CurrentFormats().currencyString, "EUR");
        EXPECT_EQ(CurrentFormats().currencyDecimals, 2);
        list = &c.Selection().CurrencyRates;
    }
    // The window freed its selection: the settings no longer point at its rates.
    EXPECT_NE(setup->ActiveCurrencyList, list);
    EXPECT_EQ(setup->ActiveCurrencyList, nullptr);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SelectionControllerTest, AddingAnOrderMakesOneTickedEntryPerPositionAndAddingItAgainRefreshesThem) {
    const std::string a = PutOrder("A1.ffo370", "З-1",
                                   {Pos("1", "Окно", 2, 1000, 1400), Pos("2", "Дверь", 1, 1200, 2000, true, false)});
    const std::string b = PutOrder("b2.ffo370", "З-2", {Pos("1", "Балкон", 3, 700, 2100)});
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.AddOrderFile(a));
    ASSERT_TRUE(c.AddOrderFile(b));
    EXPECT_TRUE(prompter.Calls().empty());
    ASSERT_EQ(c.Rows().size(), 3u);
    // Two entries with position "1" from different orders stay distinct.
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"З-1/1", "З-1/2", "З-2/1"}));
    const SelectionRow& two = c.Rows()[1];
    EXPECT_TRUE(two.checked) << "an added entry is ticked whatever its position's tick";
    EXPECT_EQ(two.cells[3], "1200");  // two sashes: both widths
    EXPECT_EQ(two.cells[4], "2000");
    EXPECT_EQ(two.cells[5], "1");
    EXPECT_EQ(two.cells[6], "Дверь");
    EXPECT_EQ(two.cells[7], "%A1.FFO370");
    EXPECT_EQ(c.Rows()[2].cells[7], "%B2.FFO370");
    const TftfOrderSelectionItem& item = c.Selection().Items(0);
    EXPECT_FLOAT_EQ(item.RebateWidth, 1000);
    EXPECT_FLOAT_EQ(item.RebateHeight, 1400);
    EXPECT_EQ(item.Quantity, 2);
    EXPECT_EQ(c.FocusedIndex(), 2);
    EXPECT_FALSE(c.Saved());
    c.SelectRow(0);
    EXPECT_TRUE(c.Commands().saveEnabled);
    EXPECT_TRUE(c.Commands().printEnabled);
    EXPECT_TRUE(c.Commands().deleteEnabled);

    // The order changes; adding it again rewrites its entries in place and keeps their ticks.
    c.SetRowChecked(0, false);
    c.SyncChecks();
    PutOrder("A1.ffo370", "З-1", {Pos("1", "Окно большое", 4, 1100, 1500), Pos("2", "Дверь", 1, 1200, 2000)});
    ASSERT_TRUE(c.AddOrderFile(a));
    ASSERT_EQ(c.Selection().Count(), 3);
    EXPECT_EQ(c.FocusedIndex(), 1);
    const SelectionRow& one = c.Rows()[0];
    EXPECT_FALSE(one.checked);
    EXPECT_FALSE(c.Selection().Items(0).Checked);
    EXPECT_EQ(one.cells[6], "Окно большое");
    EXPECT_EQ(one.cells[5], "4");
    EXPECT_EQ(one.cells[3], "1100,0") << "a row rewritten in place shows one decimal";
    EXPECT_EQ(one.cells[4], "1500,0");
}

TEST_F(SelectionControllerTest, AnOrderThatCannotBeReadWhollyAddsNothing) {
    OrderData full;
    full.requisites[0] = "З-5";
    full.positions = {Pos("1", "Окно", 1, 1000, 1000), Pos("2", "Окно", 1, 1000, 1000)};
    std::vector<std::uint8_t> cut = OrderImage(full).bytes;
    cut.resize(cut.size() - 40);  // inside the second position: the first was read
    OrderData newer = full;
    newer.stamp = "01.01.2030";

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;  // empty: no file
        Kind message;
    };
    const std::vector<Case> cases = {
        {"missing.ffo370", {}, Kind::Error},
        {"cut.ffo370", cut, Kind::Error},
        {"newer.ffo370", OrderImage(newer).bytes, Kind::Warning},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        prompter.ClearCalls();
        const fs::path file = fs::path(ordersDir) / k.name;
        if (!k.bytes.empty()) WriteFile(file, k.bytes);
        SelectionController c(dm, Folders());
        EXPECT_FALSE(c.AddOrderFile(file.string()));
        EXPECT_EQ(c.Selection().Count(), 0);
        EXPECT_TRUE(c.Rows().empty());
        EXPECT_TRUE(c.Saved());
        EXPECT_EQ(prompter.Texts(k.message).size(), 1u);
    }
}

TEST_F(SelectionControllerTest, AddOrdersAsksForFilesAndAddsThemInTheDialogsOrder) {
    const std::string a = PutOrder("a.ffo370", "З-1", {Pos("1", "Окно", 1, 1000, 1000)});
    const std::string b = PutOrder("b.ffo370", "З-2", {Pos("1", "Окно", 1, 1000, 1000)});
    SelectionController c(dm, Folders());
    prompter.AnswerOpenFiles({});
    c.AddOrders();
    EXPECT_TRUE(c.Rows().empty());

    prompter.AnswerOpenFiles({b, a});
    c.AddOrders();
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"З-2/1", "З-1/1"}));
    const PromptCall& dialog = prompter.Calls().back();
    ASSERT_EQ(dialog.kind, Kind::OpenFiles);
    EXPECT_EQ(dialog.text, "Открыть заказ...");
    EXPECT_EQ(dialog.file.filter, "Заказ (*.ffo)|*.ffo|Все файлы (*.*)|*.*");
    EXPECT_EQ(dialog.file.initialDir, ordersDir);
    EXPECT_TRUE(dialog.file.multiSelect);
    EXPECT_EQ(prompter.BusyDepth(), 0);
    EXPECT_TRUE(c.Commands().saveEnabled);
}

TEST_F(SelectionControllerTest, TheFourSortsAndTheColumnClicks) {
    const std::string file = PutSelection("s.ffs370", {Entry("З-2", "1", "Окно", "%Z2.FFO370"),
                                                       Entry("З-10", "2", "Дверь", "%Z10.FFO370"),
                                                       Entry("З-10", "1", "Окно", "%Z10.FFO370"),
                                                       Entry("З-2", "10", "Балкон", "%A.FFO370")});
    struct Case {
        SelectionSort sort;
        int column;
        std::vector<std::string> keys;
    };
    const std::vector<Case> cases = {
        {SelectionSort::ByOrder, 1, {"З-10/1", "З-10/2", "З-2/1", "З-2/10"}},
        {SelectionSort::ByPos, 2, {"З-10/1", "З-2/1", "З-2/10", "З-10/2"}},
        {SelectionSort::ByName, 6, {"З-2/10", "З-10/2", "З-10/1", "З-2/1"}},
        {SelectionSort::ByFile, 7, {"З-2/10", "З-10/1", "З-10/2", "З-2/1"}},
    };
    for (const Case& k : cases) {
        for (bool byColumn : {false, true}) {
            SCOPED_TRACE(k.column);
            SelectionController c(dm, Folders());
            ASSERT_TRUE(c.OpenSelectionFile(file));
            EXPECT_EQ(c.Rows()[0].cells[3], "1188") << "rows built anew show no decimals";
            if (byColumn)
                c.ColumnClick(k.column);
            else
                c.SortItems(k.sort);
            EXPECT_EQ(Keys(c), k.keys);
            for (int i = 0; i < 4; ++i) EXPECT_EQ(c.Selection().Items(i).OrderNo + "/" + c.Selection().Items(i).PosNo, k.keys[i]);
            EXPECT_EQ(c.Rows()[0].cells[3], "1187,5");
            EXPECT_FALSE(c.Saved());
        }
    }
    // Columns 3, 4 and 5 sort nothing.
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.OpenSelectionFile(file));
    for (int column : {3, 4, 5}) c.ColumnClick(column);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"З-2/1", "З-10/2", "З-10/1", "З-2/10"}));
    EXPECT_TRUE(c.Saved());
}

TEST_F(SelectionControllerTest, TickingAllAndStoringAChangedCheckBox) {
    {
        SelectionController empty(dm, Folders());
        empty.ColumnClick(0);
        EXPECT_TRUE(empty.Saved()) << "toggling an empty list changes nothing";
    }
    const std::string file = PutSelection("t.ffs370", {Entry("1", "1", "a", "%A"), Entry("1", "2", "b", "%A", false),
                                                       Entry("1", "3", "c", "%A")});
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.OpenSelectionFile(file));
    EXPECT_EQ(RowTicks(c), (std::vector<bool>{true, false, true}));

    // No check box differs from its entry: nothing happens.
    c.SyncChecks();
    EXPECT_TRUE(c.Saved());

    // The first row is ticked: every row and entry is unticked.
    c.ColumnClick(0);
    EXPECT_EQ(RowTicks(c), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(ItemTicks(c), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(c.Saved());
    EXPECT_FALSE(c.Commands().printEnabled);
    c.ToggleAllChecks();
    EXPECT_EQ(ItemTicks(c), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(c.Commands().printEnabled);

    // A space bar released after ticking rows stores the first changed row only.
    ASSERT_TRUE(c.OpenSelectionFile(file));
    ASSERT_TRUE(c.Saved());
    c.SetRowChecked(1, true);
    c.SetRowChecked(2, false);
    c.SyncChecks();
    EXPECT_EQ(ItemTicks(c), (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(c.Saved());
    c.SyncChecks();
    EXPECT_EQ(ItemTicks(c), (std::vector<bool>{true, true, false}));
}

TEST_F(SelectionControllerTest, MovingAnEntryTakesItOutAndInsertsItAtTheDropRow) {
    const std::string file = PutSelection("m.ffs370", {Entry("A", "1", "a", "%A"), Entry("B", "1", "b", "%B"),
                                                       Entry("C", "1", "c", "%C")});
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.OpenSelectionFile(file));
    c.MoveItem(-1, 2);
    c.MoveItem(0, -1);
    EXPECT_TRUE(c.Saved()) << "a drop without a dragged or a target row does nothing";

    c.MoveItem(0, 2);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"B/1", "C/1", "A/1"}));
    EXPECT_EQ(c.Selection().Items(2).OrderNo, "A");
    EXPECT_EQ(c.SelectedRow(), 2);
    EXPECT_EQ(c.Rows()[0].cells[3], "1187,5");
    EXPECT_FALSE(c.Saved());
    c.MoveItem(2, 0);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"A/1", "B/1", "C/1"}));
    c.MoveItem(1, 2);
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"A/1", "C/1", "B/1"}));
}

TEST_F(SelectionControllerTest, RemovingTheSelectedEntryAfterTheQuestion) {
    const std::string file = PutSelection("r.ffs370", {Entry("A", "1", "a", "%A"), Entry("B", "1", "b", "%B"),
                                                       Entry("C", "1", "c", "%C")});
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.OpenSelectionFile(file));
    ASSERT_EQ(c.SelectedRow(), 0);  // the focused row is selected after loading
    c.SelectRow(-1);
    c.RemoveItem();
    EXPECT_TRUE(prompter.Calls().empty()) << "no row selected: no question";
    EXPECT_FALSE(c.Commands().deleteEnabled);

    c.SelectRow(1);
    EXPECT_EQ(c.FocusedIndex(), 1);
    prompter.AnswerOk(false);
    c.RemoveItem();
    EXPECT_EQ(c.Selection().Count(), 3);
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), std::vector<std::string>{"Удалить позицию?"});

    prompter.AnswerOk(true);
    c.RemoveItem();
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"A/1", "C/1"}));
    EXPECT_EQ(c.SelectedRow(), 1);
    EXPECT_FALSE(c.Saved());
    prompter.AnswerOk(true);
    c.RemoveItem();  // the last row: the row before it is selected
    EXPECT_EQ(Keys(c), std::vector<std::string>{"A/1"});
    EXPECT_EQ(c.SelectedRow(), 0);
    EXPECT_EQ(c.FocusedIndex(), 0);
    prompter.AnswerOk(true);
    c.RemoveItem();
    EXPECT_TRUE(c.Rows().empty());
    EXPECT_EQ(c.SelectedRow(), -1);
    EXPECT_FALSE(c.Commands().deleteEnabled);
}

TEST_F(SelectionControllerTest, RefreshingTakesTheOrdersValuesAndLeavesEntriesOfMissingOrders) {
    const std::string a = PutOrder("a.ffo370", "З-1", {Pos("1", "Окно", 2, 1000, 1400)});
    const std::string b = PutOrder("b.ffo370", "З-2", {Pos("1", "Дверь", 1, 900, 2000)});
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.AddOrderFile(a));
    ASSERT_TRUE(c.AddOrderFile(b));
    PutOrder("a.ffo370", "З-1", {Pos("1", "Окно кухня", 5, 1000, 1400, false, false)});
    fs::remove(b);

    prompter.AnswerOk(false);
    c.RefreshSelection();
    EXPECT_EQ(c.Rows()[0].cells[6], "Окно");

    prompter.AnswerOk(true);
    c.RefreshSelection();
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              (std::vector<std::string>{"Обновить данные выборки?", "Обновить данные выборки?"}));
    const SelectionRow& changed = c.Rows()[0];
    EXPECT_EQ(changed.cells[6], "Окно кухня");
    EXPECT_EQ(changed.cells[5], "5");
    EXPECT_FALSE(changed.checked) << "the position's tick is taken";
    EXPECT_EQ(changed.cells[3], "0,0") << "the document's refresh clears the sizes";
    const SelectionRow& kept = c.Rows()[1];
    EXPECT_EQ(kept.cells[6], "Дверь");
    EXPECT_EQ(kept.cells[3], "900,0");
    EXPECT_TRUE(kept.checked);
    EXPECT_FALSE(c.Saved());
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
}

TEST_F(SelectionControllerTest, OpeningAFileAndTheFilesThatDoNotBecomeTheWindowsDocument) {
    const std::string good = PutSelection("good.ffs370", {Entry("A", "1", "a", "%A")}, "В-7");
    SelectionController c(dm, Folders());
    ASSERT_TRUE(c.OpenSelectionFile(good));
    EXPECT_EQ(c.FileName(), good);
    EXPECT_EQ(c.Caption(), good);
    EXPECT_FALSE(c.IsNew());
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(c.LastSavedNo(), "В-7");
    EXPECT_EQ(c.StatusPanel(0), "В-7");
    EXPECT_EQ(c.StatusPanel(1), "Неделя");
    EXPECT_EQ(setup->ActiveCurrencyList, &c.Selection().CurrencyRates);
    EXPECT_EQ(setup->ActiveCurrencyID, 3);
    EXPECT_EQ(CurrentFormats().currencyString, "USD");

    // An older stamp converted on request counts as changed.
    SelectionData old;
    old.stamp = "01.01.2010";
    old.selNo = "В-8";
    const std::string older = (fs::path(selectionDir) / "old.ffs370").string();
    WriteFile(older, SelectionImage(old).bytes);
    prompter.AnswerOk(true);
    ASSERT_TRUE(c.OpenSelectionFile(older));
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(c.LastSavedNo(), "В-8");

    // Files that stop half-way, or cannot be read at all.
    SelectionData full;
    full.selNo = "В-9";
    full.entries = {Entry("A", "1", "a", "%A"), Entry("B", "1", "b", "%B")};
    std::vector<std::uint8_t> cut = SelectionImage(full).bytes;
    cut.resize(cut.size() - 30);
    SelectionData newer = full;
    newer.stamp = "01.01.2030";
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool declineConversion;
    };
    const std::vector<Case> cases = {
        {"missing.ffs370", {}, false},
        {"order.ffs370", OrderImage(RichOrder("26.12.2019")).bytes, false},
        {"declined.ffs370", SelectionImage(old).bytes, true},
        {"newer.ffs370", SelectionImage(newer).bytes, false},
        {"cut.ffs370", cut, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const fs::path file = fs::path(selectionDir) / k.name;
        if (!k.bytes.empty()) WriteFile(file, k.bytes);
        prompter.ClearCalls();
        if (k.declineConversion) prompter.AnswerOk(false);
        SelectionController w(dm, Folders());
        ASSERT_TRUE(w.AddOrderFile(PutOrder("x.ffo370", "З-1", {Pos("1", "Окно", 1, 800, 800)})));
        EXPECT_FALSE(w.OpenSelectionFile(file.string()));
        EXPECT_FALSE(prompter.Calls().empty()) << "the failure is reported";
        // The window keeps its own new selection: saving never writes over the file.
        EXPECT_TRUE(w.IsNew());
        EXPECT_EQ(w.FileName(), "NewSel.ffs370");
        EXPECT_EQ(Keys(w), std::vector<std::string>{"З-1/1"});
        EXPECT_EQ(w.Selection().SelectionNo, "");
        EXPECT_EQ(ReadFile(file), k.bytes);
    }
}

TEST_F(SelectionControllerTest, SavingRefusesASelectionWithoutNumber) {
    SelectionController c(dm, Folders());
    const std::string target = (fs::path(selectionDir) / "x.ffs370").string();
    EXPECT_FALSE(c.SaveSelection(target));
    EXPECT_FALSE(c.SaveDocument());
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (std::vector<std::string>{"Не указан номер выборки!", "Не указан номер выборки!"}));
    EXPECT_EQ(c.PendingRequests().size(), 2u);
    EXPECT_EQ(c.PendingRequests().front(), SelectionRequest::EditRequisites);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(c.IsNew());
}

TEST_F(SelectionControllerTest, SaveAsWritesTheFileAndTheSelectionReadsBack) {
    const std::string a = PutOrder("a.ffo370", "З-1", {Pos("1", "Окно", 2, 1000, 1400)});
    SelectionController c(dm, Folders());
    c.Selection().SelectionNo = "В/12:ы";
    ASSERT_TRUE(c.AddOrderFile(a));
    EXPECT_EQ(c.ProposedFileName(), "В_12_ы");

    const std::string target = (fs::path(selectionDir) / "В_12_ы.ffs370").string();
    prompter.AnswerSaveFile(target);
    ASSERT_TRUE(c.SaveDocument());  // a new selection: save as
    const PromptCall& dialog = prompter.Calls().back();
    ASSERT_EQ(dialog.kind, Kind::SaveFile);
    EXPECT_EQ(dialog.text, "Сохранить выборку...");
    EXPECT_EQ(dialog.file.filter, "Выборка (*.ffs370)|*.ffs370|Все файлы (*.*)|*.*");
    EXPECT_EQ(dialog.file.defaultExt, ".ffs370");
    EXPECT_EQ(dialog.file.initialDir, selectionDir);
    EXPECT_EQ(dialog.file.fileName, "В_12_ы");
    EXPECT_EQ(c.FileName(), target);
    EXPECT_EQ(c.Caption(), target);
    EXPECT_FALSE(c.IsNew());
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(c.LastSavedNo(), "В/12:ы");
    EXPECT_FALSE(c.Commands().saveEnabled);

    SelectionController back(dm, Folders());
    ASSERT_TRUE(back.OpenSelectionFile(target));
    EXPECT_EQ(Keys(back), std::vector<std::string>{"З-1/1"});
    EXPECT_EQ(back.Rows()[0].cells[7], "%A.FFO370");

    // A file that cannot be written: the failure is reported and the window keeps its state.
    c.Selection().SelName = "изменено";
    c.SetRowChecked(0, false);
    c.SyncChecks();
    const fs::path blocker = fs::path(selectionDir) / "plain";
    WriteFile(blocker, {1});
    EXPECT_FALSE(c.SaveSelection((blocker / "x.ffs370").string()));
    EXPECT_EQ(c.FileName(), target);
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);
}

TEST_F(SelectionControllerTest, PlainSaveAfterTheNumberChangedOffersToRename) {
    const std::string first = PutSelection("first.ffs370", {Entry("A", "1", "a", "%A")}, "В-1");
    const std::string renamed = (fs::path(selectionDir) / "В-2.ffs370").string();

    // Agreed and a new name chosen: the old file is written, then moved to the new name.
    {
        SelectionController c(dm, Folders());
        ASSERT_TRUE(c.OpenSelectionFile(first));
        c.Selection().SelectionNo = "В-2";
        prompter.AnswerOk(true);
        prompter.AnswerSaveFile(renamed);
        ASSERT_TRUE(c.SaveDocument());
        EXPECT_EQ(prompter.Texts(Kind::OkCancel),
                  std::vector<std::string>{"Изменился номер выборки. Переименовать файл согласно нового номера?"});
        EXPECT_EQ(prompter.Calls().back().file.fileName, "В-2");
        EXPECT_EQ(prompter.Calls().back().file.initialDir, selectionDir);
        EXPECT_FALSE(fs::exists(first));
        EXPECT_EQ(c.FileName(), renamed);
        EXPECT_EQ(c.LastSavedNo(), "В-2");
        TftfOrderSelection back;
        bool converted = false;
        ASSERT_TRUE(back.LoadFromFile(renamed, converted));
        EXPECT_EQ(back.SelectionNo, "В-2");
    }
    // The number differs only in letter case: no question.
    {
        prompter.ClearCalls();
        SelectionController c(dm, Folders());
        ASSERT_TRUE(c.OpenSelectionFile(renamed));
        c.Selection().SelectionNo = "в-2";
        ASSERT_TRUE(c.SaveDocument());
        EXPECT_TRUE(prompter.Calls().empty());
        EXPECT_EQ(c.FileName(), renamed);
    }
    // Declined: saved under its name, and the next save does not ask again.
    {
        prompter.ClearCalls();
        SelectionController c(dm, Folders());
        ASSERT_TRUE(c.OpenSelectionFile(renamed));
        c.Selection().SelectionNo = "В-3";
        prompter.AnswerOk(false);
        ASSERT_TRUE(c.SaveDocument());
        EXPECT_EQ(c.FileName(), renamed);
        EXPECT_EQ(c.LastSavedNo(), "В-3");
        ASSERT_TRUE(c.SaveDocument());
        EXPECT_EQ(prompter.Texts(Kind::OkCancel).size(), 1u);
    }
    // The save dialog cancelled: nothing is written.
    {
        prompter.ClearCalls();
        const auto before = ReadFile(renamed);
        SelectionController c(dm, Folders());
        ASSERT_TRUE(c.OpenSelectionFile(renamed));
        c.Selection().SelectionNo = "В-4";
        c.SetRowChecked(0, false);
        c.SyncChecks();
        prompter.AnswerOk(true);
        prompter.AnswerSaveFile(std::nullopt);
        EXPECT_FALSE(c.SaveDocument());
        EXPECT_FALSE(c.Saved());
        EXPECT_EQ(ReadFile(renamed), before);
    }
    // The move fails (the name is taken): reported, and the selection stays saved under its name.
    {
        prompter.ClearCalls();
        const std::string taken = (fs::path(selectionDir) / "taken.ffs370").string();
        WriteFile(taken, {1, 2, 3});
        SelectionController c(dm, Folders());
        ASSERT_TRUE(c.OpenSelectionFile(renamed));
        c.Selection().SelectionNo = "В-5";
        prompter.AnswerOk(true);
        prompter.AnswerSaveFile(taken);
        EXPECT_TRUE(c.SaveDocument());
        EXPECT_EQ(prompter.Texts(Kind::Error), std::vector<std::string>{"Ошибка переноса файла!"});
        EXPECT_EQ(c.FileName(), renamed);
        EXPECT_TRUE(c.Saved());
        EXPECT_EQ(ReadFile(taken), (std::vector<std::uint8_t>{1, 2, 3}));
        TftfOrderSelection back;
        bool converted = false;
        ASSERT_TRUE(back.LoadFromFile(renamed, converted));
        EXPECT_EQ(back.SelectionNo, "В-5");
    }
}

TEST_F(SelectionControllerTest, TheClosingQuestion) {
    const std::string file = PutSelection("c.ffs370", {Entry("A", "1", "a", "%A"), Entry("B", "1", "b", "%B")});
    const std::string newName = (fs::path(selectionDir) / "new.ffs370").string();
    struct Case {
        const char* name;
        bool open;         // a file's selection, else a new one
        bool change;       // unsaved changes
        std::optional<YesNoCancel> answer;
        std::optional<std::optional<std::string>> saveDialog;
        SelectionCloseOutcome outcome;
        bool fileWritten;  // the entry's tick reached the file
    };
    const std::vector<Case> cases = {
        {"saved", true, false, std::nullopt, std::nullopt, SelectionCloseOutcome::NothingToSave, false},
        {"cancel", true, true, YesNoCancel::Cancel, std::nullopt, SelectionCloseOutcome::Cancelled, false},
        {"no", true, true, YesNoCancel::No, std::nullopt, SelectionCloseOutcome::Discarded, false},
        {"yes", true, true, YesNoCancel::Yes, std::nullopt, SelectionCloseOutcome::SavedAndClosed, true},
        {"yes, new, cancelled", false, true, YesNoCancel::Yes, std::optional<std::string>{},
         SelectionCloseOutcome::SaveFailed, false},
        {"yes, new", false, true, YesNoCancel::Yes, std::optional<std::string>{newName},
         SelectionCloseOutcome::SavedAndClosed, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        prompter.ClearCalls();
        SelectionController c(dm, Folders());
        if (k.open) {
            ASSERT_TRUE(c.OpenSelectionFile(file));
        } else {
            c.Selection().SelectionNo = "Н-1";
            ASSERT_TRUE(c.AddOrderFile(PutOrder("o.ffo370", "A", {Pos("1", "a", 1, 500, 500)})));
        }
        if (k.change) {
            c.SetRowChecked(0, false);
            c.SyncChecks();
        }
        if (k.answer) prompter.AnswerYesNoCancel(*k.answer);
        if (k.saveDialog) prompter.AnswerSaveFile(*k.saveDialog);
        const SelectionCloseOutcome outcome = c.QueryClose();
        EXPECT_EQ(outcome, k.outcome);
        EXPECT_EQ(WindowCloses(outcome), k.outcome != SelectionCloseOutcome::Cancelled &&
                                             k.outcome != SelectionCloseOutcome::SaveFailed);
        EXPECT_EQ(prompter.Texts(Kind::YesNoCancel),
                  k.answer ? std::vector<std::string>{"Сохранить выборку?"} : std::vector<std::string>{});
        EXPECT_EQ(prompter.RemainingAnswers(), 0u);
        const std::string written = k.open ? file : newName;
        if (k.fileWritten) {
            TftfOrderSelection back;
            bool converted = false;
            ASSERT_TRUE(back.LoadFromFile(written, converted));
            EXPECT_FALSE(back.Items(0).Checked);
            EXPECT_TRUE(c.Saved());
            fs::remove(newName);
        } else if (k.open) {
            TftfOrderSelection back;
            bool converted = false;
            ASSERT_TRUE(back.LoadFromFile(file, converted));
            EXPECT_TRUE(back.Items(0).Checked);
        } else {
            EXPECT_FALSE(fs::exists(newName));
        }
    }
}

TEST_F(SelectionControllerTest, TheRequisitesDialogRequestedAfterCreation) {
    SelectionController c(dm, Folders());
    int runs = 0;
    c.SetPropertiesDialog([&](SelectionPropModel& m) {
        ++runs;
        if (runs == 1) return false;  // Cancel
        m.SelectionNo = " В-20 ";
        m.SelName = "Неделя 20";
        m.SetCurrencyIndex(2);  // USD
        return m.CloseWithOk();
    });
    c.PostRequest(SelectionRequest::EditRequisites);
    c.ProcessRequests();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(c.Selection().SelectionNo, "");

    c.PostRequest(SelectionRequest::EditRequisites);
    c.ProcessRequests();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(c.PendingRequests().empty());
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(c.Selection().SelectionNo, "В-20");
    EXPECT_EQ(c.StatusPanel(0), "В-20");
    EXPECT_EQ(c.StatusPanel(1), "Неделя 20");
    EXPECT_EQ(c.Selection().CurrencyId, 3);
    EXPECT_EQ(setup->ActiveCurrencyID, 3);
    EXPECT_EQ(CurrentFormats().currencyString, "USD");
    EXPECT_EQ(prompter.BusyDepth(), 0);
}

// A selection made from three marked register orders, one of whose files is missing.
TEST_F(SelectionControllerTest, AddingTheMarkedOrdersOfTheRegister) {
    const std::string registry = (root.Path() / "Registry").string();
    fs::create_directories(registry);
    TDM registerDm;
    registerDm.ConfigureDatabase(registerDm.DB_Registry, registry);
    OrderRegister reg(registerDm, RegisterFolders{ordersDir, "", ""});
    ASSERT_TRUE(reg.Open());
    const std::string f1 = PutOrder("one.ffo370", "1", {Pos("1", "Окно", 1, 1000, 1000), Pos("2", "Окно", 1, 600, 600)});
    const std::string f2 = PutOrder("two.ffo370", "2", {Pos("1", "Дверь", 1, 900, 2000)});
    const std::string f3 = PutOrder("three.ffo370", "3", {Pos("1", "Балкон", 1, 700, 2000)});
    ASSERT_EQ(reg.RegisterOrderFiles({f1, f2, f3}).registered, 3);
    fs::remove(f2);

    Table& t = reg.Records();
    for (const char* no : {"3", "2", "1"}) {
        ASSERT_TRUE(reg.LocateNumber(no));
        t.SetMarked(true);
    }
    ASSERT_TRUE(reg.LocateNumber("2"));
    const std::string missing = reg.CurrentOrderFile();
    prompter.ClearCalls();

    SelectionController c(dm, Folders());
    c.SetSourceRegister(&reg);
    c.SetPropertiesDialog([](SelectionPropModel& m) {
        m.SelectionNo = "Р-1";
        return m.CloseWithOk();
    });
    c.PostRequest(SelectionRequest::EditRequisites);
    c.ProcessRequests();  // the dialog, then the register's orders
    EXPECT_EQ(Keys(c), (std::vector<std::string>{"3/1", "1/1", "1/2"}));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{"Невозможно найти файл заказа № 2!\r\nФайл: " + missing + "."});
    EXPECT_TRUE(t.Marks().empty());
    EXPECT_EQ(c.SourceRegister(), nullptr);
    EXPECT_TRUE(c.PendingRequests().empty());
    EXPECT_EQ(prompter.BusyDepth(), 0);

    // Without a source, or with a closed register, nothing is added.
    ASSERT_TRUE(reg.LocateNumber("1"));
    t.SetMarked(true);
    c.AddFromRegister();
    EXPECT_EQ(c.Selection().Count(), 3);
    reg.Close();
    c.SetSourceRegister(&reg);
    c.AddFromRegister();
    EXPECT_EQ(c.Selection().Count(), 3);
    EXPECT_EQ(c.SourceRegister(), nullptr);
}

}  // namespace
