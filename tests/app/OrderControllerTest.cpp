// The order window's controller over the demo catalogue: a new order from the settings, saving
// into the orders folder under the number, the number check against the register, renumbering,
// the register record, the last order number file, ticks, moves, recalculation, the dialogs and
// the requests they post, copy and paste, adding from a file, closing, and a load that failed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "OrderWindowFixture.h"
#include "common/Dates.h"
#include "model/Measures.h"

namespace fs = std::filesystem;
using namespace ftf;
using ftf::test::BuildPosition;
using ftf::test::ReadAll;
using ftf::test::OrderWindowTest;
using Kind = PromptCall::Kind;

namespace {

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(OrderWindowTest, ANewOrderTakesTheSettingsAndStartsSavedUnderTheNewName) {
    auto w = Window();
    const TftfOrder& o = w->Order();
    EXPECT_EQ(o.FurnSys, "1100");
    EXPECT_EQ(o.FurnColor, "SILVER");  // the base colour of the fittings system
    EXPECT_EQ(o.ProfSys, "SP70");
    EXPECT_EQ(o.InnerProfColor, "");    // a strike-plate code is no system of the system list
    EXPECT_EQ(o.FalzType, 101);
    EXPECT_EQ(o.CurrencyId, 1);
    EXPECT_FLOAT_EQ(o.NDSTax, 20);
    ASSERT_EQ(o.CurrencyRates.size(), 3u);
    EXPECT_FLOAT_EQ(o.CurrencyRates[1].Rate, 95.5f);
    EXPECT_EQ(w->FileName(), "NewOrder.ffo370");
    EXPECT_EQ(w->Caption(), "NewOrder.ffo370");
    EXPECT_TRUE(w->IsNew());
    EXPECT_TRUE(w->Saved());
    EXPECT_TRUE(w->IsOpen());
    EXPECT_TRUE(w->Rows().empty());
    EXPECT_TRUE(w->SummaryLines().empty());
    const OrderCommandState& c = w->Commands();
    EXPECT_FALSE(c.save);
    EXPECT_TRUE(c.saveAs);
    EXPECT_TRUE(c.newPosition);
    EXPECT_TRUE(c.addFromFile);
    EXPECT_FALSE(c.recalc || c.print || c.copy || c.editPosition || c.removePosition || c.selectAll || c.paste);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(OrderWindowTest, ActivationPublishesTheCurrencyContextUntilTheWindowGoes) {
    {
        auto w = Window();
        w->Activate();
        EXPECT_EQ(setup->ActiveCurrencyList, &w->Order().CurrencyRates);
        EXPECT_EQ(setup->ActiveCurrencyID, 1);
        EXPECT_FLOAT_EQ(setup->ActiveNDSTax, 20);
        EXPECT_EQ(CurrentFormats().currencyString, "руб.");
        EXPECT_EQ(CurrentFormats().currencyDecimals, 4);
    }
    EXPECT_EQ(setup->ActiveCurrencyList, nullptr);  // the rates died with the window
}

TEST_F(OrderWindowTest, AnOpenedOrderShowsItsRowsStatusAndSummary) {
    const std::string file = WriteOrder(orders / "7.ffo370", "7", {{"VF-UP-01"}, {"VF-NZ-10", "VF-BL-01"}},
                                        [](TftfOrder& o) { o.Positions(1).Checked = false; });
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(file));
    EXPECT_FALSE(w->IsNew());
    EXPECT_TRUE(w->Saved());
    EXPECT_EQ(w->Caption(), file);
    EXPECT_EQ(w->LastSavedNo(), "7");
    EXPECT_EQ(w->LastSavedCustomer(), "Заказчик 7");
    EXPECT_EQ(w->StatusPanels(), (std::array<std::string, 4>{"7", "Заказчик 7", "Объект 7", ""}));
    EXPECT_EQ(setup->ActiveCurrencyList, &w->Order().CurrencyRates);

    // Prices come from the catalogue: 4,20 EUR at 95,5 with the dealer group's -10 %.
    w->Order().Positions(0).RecalcPrice();
    w->Activate();
    ASSERT_EQ(w->Rows().size(), 2u);
    const OrderRow& r = w->Rows()[0];
    std::int32_t width = 0, height = 0;
    PositionRebateSize(w->Order().Positions(0), width, height);
    EXPECT_TRUE(r.checked);
    EXPECT_FALSE(w->Rows()[1].checked);
    EXPECT_EQ(r.posNo, "001");
    EXPECT_EQ(r.width, std::to_string(width));
    EXPECT_EQ(r.height, std::to_string(height));
    EXPECT_GT(width, 600);
    EXPECT_EQ(r.quantity, "2");
    EXPECT_EQ(r.name, "Окно 001");
    EXPECT_EQ(r.price, "360,9900 руб.");
    EXPECT_EQ(r.total, "721,9800 руб.");

    // The focused row is 0 after opening; its summary names what the catalogue knows.
    EXPECT_EQ(w->FocusedIndex(), 0);
    const Texts summary = w->SummaryLines();
    ASSERT_GE(summary.size(), 7u);
    EXPECT_EQ(summary[0], "Фурнитура: Ворота-Фурнитура Стандарт");
    EXPECT_EQ(summary[1], "Профиль: Ответные планки, профиль ПВХ 70 мм");
    EXPECT_EQ(summary[2], "Цвет: Белый");
    EXPECT_EQ(summary[3], "Фальц: 12/20-9");
    EXPECT_EQ(summary[4], "Дорнмасс (ств 1 / ств 2): Дорнмасс 15 / ");  // no second sash
    EXPECT_EQ(summary[5], "Тип штульпа: Без штульпа");
    EXPECT_EQ(summary[6], "Тип створки: Открывание внутрь");
    EXPECT_TRUE(w->Commands().recalc);
    EXPECT_TRUE(w->Commands().editPosition);
    w->FocusRow(-1);
    EXPECT_TRUE(w->SummaryLines().empty());
    EXPECT_FALSE(w->Commands().editPosition || w->Commands().copy || w->Commands().removePosition);
    EXPECT_TRUE(w->Commands().selectAll);
}

TEST_F(OrderWindowTest, ANewOrderIsSavedIntoTheOrdersFolderUnderItsNumber) {
    setup->AutoReg = true;
    auto w = Window();
    w->Order().OrderNo = "12/3";
    EXPECT_EQ(w->ProposedFileName(), "12_3");
    // The user picks another folder: the file still goes into the orders folder.
    const fs::path elsewhere = root.Path() / "Elsewhere" / "12_3.ffo370";
    prompter.AnswerSaveFile(elsewhere.string());
    ASSERT_TRUE(w->Save());
    const auto& call = prompter.Calls().at(0);
    EXPECT_EQ(call.kind, Kind::SaveFile);
    EXPECT_EQ(call.text, "Сохранить заказ...");
    EXPECT_EQ(call.file.fileName, "12_3");
    EXPECT_EQ(call.file.initialDir, orders.string());
    EXPECT_EQ(call.file.defaultExt, ".ffo370");
    EXPECT_EQ(w->FileName(), (orders / "12_3.ffo370").string());
    EXPECT_TRUE(fs::exists(orders / "12_3.ffo370"));
    EXPECT_FALSE(fs::exists(elsewhere));
    EXPECT_FALSE(w->IsNew());
    EXPECT_TRUE(w->Saved());
    EXPECT_EQ(w->LastSavedNo(), "12/3");
    EXPECT_EQ(RegisterRecords(), (std::map<std::string, std::string>{{"12/3", "%12_3.FFO370"}}));
    EXPECT_EQ(ReadAll(orders / "Fentorn.lon"), std::string("\x04" "12/3", 5) + std::string(26, '\0'));
}

TEST_F(OrderWindowTest, TheLastOrderNumberFileHoldsThirtyOneBytesInTheCodePage) {
    struct Case {
        std::string no;
        std::string bytes;  // after the length byte, before the zeros
    } cases[] = {
        {"З-17", "\xC7-17"},
        {"", ""},
        {std::string(35, '9'), std::string(30, '9')},  // cut to 30 bytes
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteLastOrderNo(c.no));
        const std::string image = ReadAll(orders / "Fentorn.lon");
        ASSERT_EQ(image.size(), 31u) << c.no;
        EXPECT_EQ(static_cast<unsigned char>(image[0]), c.bytes.size());
        EXPECT_EQ(image.substr(1, c.bytes.size()), c.bytes);
        EXPECT_EQ(image.substr(1 + c.bytes.size()), std::string(30 - c.bytes.size(), '\0'));
        EXPECT_EQ(ReadLastOrderNo(), c.no.substr(0, 30));
    }
    fs::remove(orders / "Fentorn.lon");
    EXPECT_EQ(ReadLastOrderNo(), std::nullopt);

    // A folder that cannot be made (below a regular file): reported, not thrown.
    AppPaths().OrdersDir = (root.Touch("plain") / "Orders").string();
    EXPECT_FALSE(WriteLastOrderNo("1"));
    const Texts errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Ошибка записи файла " + LastOrderNoFile() + "!\r\n(", 0), 0u);
}

TEST_F(OrderWindowTest, SaveAsDoesNotReplaceAnotherOrderInTheOrdersFolderUnasked) {
    WriteOrder(orders / "5.ffo370", "5");
    const std::string before = ReadAll(orders / "5.ffo370");
    auto w = Window();
    w->Order().OrderNo = "5a";
    // The dialog showed another folder, where no 5.ffo370 exists; the orders folder has one.
    prompter.AnswerOk(false);
    EXPECT_FALSE(w->SaveOrder((root.Path() / "5.ffo370").string()));
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), Texts{"Файл " + (orders / "5.ffo370").string() +
                                                    " уже существует! Переписать поверх?"});
    EXPECT_EQ(ReadAll(orders / "5.ffo370"), before);
    EXPECT_TRUE(w->IsNew());
    prompter.AnswerOk(true);
    EXPECT_TRUE(w->SaveOrder((root.Path() / "5.ffo370").string()));
    TftfOrder check;
    bool converted = false;
    ASSERT_TRUE(check.LoadFromFile((orders / "5.ffo370").string(), converted));
    EXPECT_EQ(check.OrderNo, "5a");
}

TEST_F(OrderWindowTest, TheNumberCheckRefusesAnEmptyNumberAndARegisteredOneForANewOrder) {
    // "a-1" is registered; a new order numbered "A-1" may not be saved, an existing order
    // renumbered to it may.
    const std::string registered = WriteOrder(orders / "a-1.ffo370", "a-1", {}, [](TftfOrder& o) {
        o.RegDate = *ParseShortDate("05.03.2024");
    });
    OrderRegister reg(dm, RegisterFolders{orders.string(), {}, archive.string()});
    ASSERT_EQ(reg.RegisterOrderFiles({registered}).registered, 1);
    reg.Close();

    struct Case {
        std::string no;
        std::string error;
    } cases[] = {
        {"", "Не указан номер заказа!"},
        {"A-1", "Заказ с номером A-1 был зарегистрирован 05.03.2024!\r\nУкажите другой номер заказа."},
    };
    for (const Case& c : cases) {
        prompter.ClearCalls();
        auto w = Window();
        w->Order().OrderNo = c.no;
        EXPECT_FALSE(w->SaveOrder((orders / "x.ffo370").string())) << c.no;
        EXPECT_EQ(prompter.Texts(Kind::Error), Texts{c.error});
        EXPECT_FALSE(fs::exists(orders / "x.ffo370"));
        EXPECT_TRUE(w->IsNew());
        // The requisites open once the command is over.
        EXPECT_EQ(w->TakeRequests(), std::vector<OrderRequest>{OrderRequest::EditRequisites});
    }

    prompter.ClearCalls();
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "b.ffo370", "b")));
    w->Order().OrderNo = "A-1";
    prompter.AnswerOk(false);  // no rename
    EXPECT_TRUE(w->SaveOrder());
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
    EXPECT_TRUE(w->PendingRequests().empty());
}

TEST_F(OrderWindowTest, RenumberingWithoutRenameKeepsTheFileAndRenumbersTheRecord) {
    setup->AutoReg = true;
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "1.ffo370", "1")));
    ASSERT_TRUE(w->RegisterOrder(true));
    EXPECT_EQ(RegisterRecords(), (std::map<std::string, std::string>{{"1", "%1.FFO370"}}));

    w->Order().OrderNo = "2";
    prompter.AnswerOk(false);
    ASSERT_TRUE(w->Save());
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              Texts{"Изменился номер заказа. Переименовать файл согласно нового номера?"});
    EXPECT_EQ(w->FileName(), (orders / "1.ffo370").string());
    EXPECT_EQ(RegisterRecords(), (std::map<std::string, std::string>{{"2", "%1.FFO370"}}));
    EXPECT_EQ(ReadLastOrderNo(), "2");
    EXPECT_EQ(w->LastSavedNo(), "2");
    // A change of letter case alone is no new number.
    prompter.ClearCalls();
    w->Order().OrderNo = "2";
    ASSERT_TRUE(w->Save());
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(OrderWindowTest, RenamingMovesTheFileAndAnExistingTargetIsReplacedOnlyWhenConfirmed) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "1.ffo370", "1")));
    WriteOrder(orders / "2.ffo370", "other");
    const std::string other = ReadAll(orders / "2.ffo370");
    w->Order().OrderNo = "2";
    w->Order().Customer = "новый";
    w->SortPositions(PositionSort::ByNumber);  // any edit
    ASSERT_FALSE(w->Saved());

    // Rename: yes; the dialog proposes "2"; the target exists: Cancel.
    prompter.AnswerOk(true);
    prompter.AnswerSaveFile((orders / "2.ffo370").string());
    prompter.AnswerOk(false);
    EXPECT_FALSE(w->Save());
    EXPECT_EQ(prompter.Calls().at(1).file.fileName, "2");
    EXPECT_EQ(prompter.Calls().at(2).questionKind, QuestionKind::Destructive);
    EXPECT_EQ(ReadAll(orders / "2.ffo370"), other);
    EXPECT_EQ(w->FileName(), (orders / "1.ffo370").string());
    EXPECT_FALSE(w->Saved());
    TftfOrder written;  // the order went into its old file first
    bool converted = false;
    ASSERT_TRUE(written.LoadFromFile((orders / "1.ffo370").string(), converted));
    EXPECT_EQ(written.Customer, "новый");

    // The same with OK: the file moves over the old "2".
    prompter.AnswerOk(true);
    prompter.AnswerSaveFile((orders / "2.ffo370").string());
    prompter.AnswerOk(true);
    EXPECT_TRUE(w->Save());
    EXPECT_EQ(w->FileName(), (orders / "2.ffo370").string());
    EXPECT_FALSE(fs::exists(orders / "1.ffo370"));
    ASSERT_TRUE(written.LoadFromFile((orders / "2.ffo370").string(), converted));
    EXPECT_EQ(written.OrderNo, "2");
    EXPECT_TRUE(w->Saved());

    // A move that fails leaves the order in its old file and the save done.
    fs::create_directories(orders / "4.ffo370");
    w->Order().OrderNo = "4";
    prompter.ClearCalls();
    prompter.AnswerOk(true);
    prompter.AnswerSaveFile((orders / "4.ffo370").string());
    prompter.AnswerOk(true);  // "replace" the folder of that name
    EXPECT_TRUE(w->Save());
    EXPECT_EQ(prompter.Texts(Kind::Error), Texts{"Ошибка переноса файла заказа согласно статуса!"});
    EXPECT_EQ(w->FileName(), (orders / "2.ffo370").string());
    EXPECT_TRUE(w->Saved());
    ASSERT_TRUE(written.LoadFromFile((orders / "2.ffo370").string(), converted));
    EXPECT_EQ(written.OrderNo, "4");

    // Cancel in the rename dialog ends the save.
    w->Order().OrderNo = "3";
    prompter.AnswerOk(true);
    prompter.AnswerSaveFile(std::nullopt);
    EXPECT_FALSE(w->SaveOrder());
}

TEST_F(OrderWindowTest, SavingAnArchivedOrderMovesItBackIntoTheOrdersFolder) {
    const std::string file = WriteOrder(archive / "9.ffo370", "9");
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(file));
    ASSERT_TRUE(w->SaveOrder());
    EXPECT_EQ(w->FileName(), (orders / "9.ffo370").string());
    EXPECT_EQ(w->Caption(), w->FileName());
    EXPECT_TRUE(fs::exists(orders / "9.ffo370"));
    EXPECT_FALSE(fs::exists(archive / "9.ffo370"));
    EXPECT_FALSE(fs::exists(orders / "Fentorn.lon"));  // the number did not change
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(OrderWindowTest, TheRegisterIsWrittenOnlyByAutoRegOrTheAskingCommand) {
    auto w = Window();
    w->Order().OrderNo = "R1";
    prompter.AnswerSaveFile((orders / "R1.ffo370").string());
    ASSERT_TRUE(w->Save());
    EXPECT_TRUE(RegisterRecords().empty());  // AutoReg off

    prompter.AnswerOk(false);
    EXPECT_FALSE(w->RegisterOrder(false));
    EXPECT_TRUE(RegisterRecords().empty());
    prompter.AnswerOk(true);
    EXPECT_TRUE(w->RegisterOrder(false));
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              Texts(2, "Зарегистрировать заказ / обновить данные в реестре?"));
    EXPECT_EQ(RegisterRecords(), (std::map<std::string, std::string>{{"R1", "%R1.FFO370"}}));
    // Registering again updates the one record.
    w->Order().Customer = "ООО Рамы";
    prompter.AnswerOk(true);
    EXPECT_TRUE(w->RegisterOrder(false));
    EXPECT_EQ(RegisterRecords().size(), 1u);
    ASSERT_TRUE(dm.OpenDataSet(dm.T_OrderList()));
    EXPECT_EQ(dm.T_OrderList().AsText("Customer"), "ООО Рамы");
    dm.CloseDataSet(dm.T_OrderList());

    w->Order().OrderNo.clear();
    prompter.ClearCalls();
    EXPECT_FALSE(w->RegisterOrder(true));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Texts{"Заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера."});
}

TEST_F(OrderWindowTest, AnotherProcessChecksAndWritesTheRegisterAsItIsNow) {
    // A second data module over the same register stands for another workstation: it read the
    // register while it was empty.
    TDM other;
    other.ConfigureDatabase(other.DB_Catalog, catalogue_->Str());
    other.ConfigureDatabase(other.DB_Registry, registry.string());
    ASSERT_EQ(other.OpenCatalog(), 0);
    ASSERT_TRUE(other.OpenDataSet(other.T_OrderList()));
    setup->AutoReg = true;
    auto a = Window();
    a->Order().OrderNo = "X";
    a->Order().RegDate = *ParseShortDate("01.02.2025");
    prompter.AnswerSaveFile((orders / "X.ffo370").string());
    ASSERT_TRUE(a->Save());

    OrderController b(other, dialogs);
    b.Order().OrderNo = "x";
    EXPECT_FALSE(b.SaveOrder((orders / "x2.ffo370").string()));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Texts{"Заказ с номером x был зарегистрирован 01.02.2025!\r\nУкажите другой номер заказа."});
    b.TakeRequests();

    OrderController c(other, dialogs);
    ASSERT_TRUE(c.OpenOrderFile(WriteOrder(orders / "X3.ffo370", "X")));
    EXPECT_TRUE(c.RegisterOrder(true));
    EXPECT_EQ(RegisterRecords(), (std::map<std::string, std::string>{{"X", "%X3.FFO370"}}));
    EXPECT_TRUE(other.T_OrderList().IsOpen());  // the register window's table stays open
}

TEST_F(OrderWindowTest, ToggleAllChecksTakesTheOppositeOfTheFirstRow) {
    struct Case {
        bool first;
        bool expected;
    } cases[] = {{true, false}, {false, true}};
    for (const Case& c : cases) {
        const std::string file = WriteOrder(orders / "t.ffo370", "t", {{"VF-UP-01"}, {"VF-UP-01"}, {"VF-UP-01"}},
                                            [&](TftfOrder& o) {
                                                o.Positions(0).Checked = c.first;
                                                o.Positions(1).Checked = !c.first;
                                            });
        auto w = Window();
        ASSERT_TRUE(w->OpenOrderFile(file));
        w->ToggleAllChecks();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(w->Order().Positions(i).Checked, c.expected) << i;
            EXPECT_EQ(w->Rows()[static_cast<std::size_t>(i)].checked, c.expected) << i;
        }
        EXPECT_FALSE(w->Saved());
        EXPECT_EQ(w->Commands().recalc, c.expected);
    }
    auto empty = Window();
    empty->ToggleAllChecks();
    EXPECT_TRUE(empty->Saved());
}

TEST_F(OrderWindowTest, SyncChecksWritesTheFirstRowThatDiffers) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "s.ffo370", "s", {{"VF-UP-01"}, {"VF-UP-01"}, {"VF-UP-01"}})));
    w->SyncChecks({true, true, true});
    EXPECT_TRUE(w->Saved());
    w->SyncChecks({true, false, false});
    EXPECT_FALSE(w->Order().Positions(1).Checked);
    EXPECT_TRUE(w->Order().Positions(2).Checked);
    EXPECT_FALSE(w->Rows()[1].checked);
    EXPECT_TRUE(w->Rows()[2].checked);
    EXPECT_FALSE(w->Saved());
}

TEST_F(OrderWindowTest, MovingRowZeroOntoRowThreeOfFive) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "m.ffo370", "m", {{}, {}, {}, {}, {}})));
    w->MovePosition(0, 5);  // no such row
    w->MovePosition(-1, 2);
    EXPECT_TRUE(w->Saved());
    w->MovePosition(0, 3);
    Texts numbers;
    for (const OrderRow& r : w->Rows()) numbers.push_back(r.posNo);
    EXPECT_EQ(numbers, (Texts{"002", "003", "004", "001", "005"}));
    EXPECT_EQ(w->Order().Positions(3).PosNo, "001");
    EXPECT_EQ(w->FocusedIndex(), 3);
    EXPECT_FALSE(w->Saved());
    w->SortPositions(PositionSort::ByNumber);
    EXPECT_EQ(w->Order().Positions(0).PosNo, "001");
}

TEST_F(OrderWindowTest, RecalculationWithNothingTickedChangesNoPriceButMarksTheOrder) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "n.ffo370", "n", {{"VF-UP-01"}, {"VF-UP-01"}}, [](TftfOrder& o) {
        for (int i = 0; i < o.Count(); ++i) {
            o.Positions(i).Checked = false;
            o.Positions(i).Price = Money::FromRaw(12345);
        }
    })));
    prompter.AnswerOk(false);
    w->RecalcOrder();
    EXPECT_TRUE(w->Saved());
    EXPECT_TRUE(dialogs.log.empty());
    prompter.AnswerOk(true);
    w->RecalcOrder();
    EXPECT_EQ(prompter.Texts(Kind::OkCancel),
              Texts(2, "Пересчитать выделенные изделия с текущими установками?"));
    EXPECT_EQ(w->Order().Positions(0).Price, Money::FromRaw(12345));
    EXPECT_EQ(w->Order().Positions(1).Price, Money::FromRaw(12345));
    EXPECT_FALSE(w->Saved());
    EXPECT_EQ(dialogs.log, (Texts{"begin", "step 1/2", "step 2/2", "end"}));
}

TEST_F(OrderWindowTest, AFailingPositionIsRestoredAndLaterOnesAreLeftAlone) {
    const Money marker = Money::FromRaw(11111);
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "f.ffo370", "f", {{"VF-UP-01"}, {"NO-SUCH"}, {"VF-UP-01"}},
                                            [&](TftfOrder& o) {
                                                for (int i = 0; i < o.Count(); ++i) o.Positions(i).Price = marker;
                                            })));
    prompter.AnswerOk(true);
    w->RecalcOrder();
    EXPECT_EQ(w->Order().Positions(0).Price, Money::FromRaw(3609900));
    EXPECT_EQ(w->Order().Positions(1).Price, marker);  // restored from its backup
    EXPECT_TRUE(w->Order().Positions(1).Sash1->Materials.empty());
    EXPECT_EQ(w->Order().Positions(2).Price, marker);  // never reached
    EXPECT_TRUE(w->Order().Positions(2).Sash1->Materials.empty());
    EXPECT_EQ(w->Rows()[0].price, "360,9900 руб.");
    const Texts errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("В каталоге отсутствуют данные для [NO-SUCH]!", 0), 0u);
    EXPECT_NE(errors[0].find("\r\n[Позиция: 002]"), std::string::npos);
    // The progress window is gone before the error shows.
    EXPECT_EQ(dialogs.log, (Texts{"begin", "step 1/3", "end"}));
    EXPECT_LT(dialogs.promptsAtEnd, prompter.Calls().size());
    EXPECT_EQ(prompter.Calls().back().kind, Kind::Error);
    EXPECT_FALSE(w->Saved());
}

TEST_F(OrderWindowTest, RequisitesThatChangePricesAskForARecalculationAfterTheCommand) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "q.ffo370", "q", {{"VF-UP-01"}})));
    // Cancel: nothing changes.
    w->EditRequisites();
    EXPECT_TRUE(w->Saved());
    // OK without a price change.
    dialogs.orderDialog = [](TftfOrder& o, bool& changed) {
        o.Customer = "Новый заказчик";
        changed = false;
        return true;
    };
    w->EditRequisites();
    EXPECT_FALSE(w->Saved());
    EXPECT_EQ(w->StatusPanels()[1], "Новый заказчик");
    EXPECT_TRUE(w->PendingRequests().empty());
    // OK with another currency: the warning, and the recalculation waits for the command's end.
    dialogs.orderDialog = [](TftfOrder& o, bool& changed) {
        o.CurrencyId = 2;
        changed = true;
        return true;
    };
    w->EditRequisites();
    EXPECT_EQ(prompter.Texts(Kind::Warning),
              Texts{"Были изменены настройки, влияющие на цену изделий.\r\nДля корректной работы необходимо пересчитать заказ!"});
    EXPECT_EQ(setup->ActiveCurrencyID, 2);
    EXPECT_EQ(CurrentFormats().currencyString, "EUR");
    EXPECT_TRUE(prompter.Texts(Kind::OkCancel).empty());
    EXPECT_EQ(w->PendingRequests(), std::deque<OrderRequest>{OrderRequest::Recalculate});
    prompter.AnswerOk(true);
    w->HandleRequests();
    EXPECT_TRUE(w->PendingRequests().empty());
    EXPECT_EQ(w->Order().Positions(0).Price, Money::FromRaw(37800));  // 4,20 EUR - 10 %
    EXPECT_EQ(w->Rows()[0].price, "3,7800 EUR");

    // An order without positions needs no recalculation.
    auto empty = Window();
    empty->EditRequisites();
    EXPECT_TRUE(empty->PendingRequests().empty());
    EXPECT_EQ(prompter.Texts(Kind::Warning).size(), 1u);
}

TEST_F(OrderWindowTest, NewPositionsPassBothDialogsAndEditingWorksOnACopy) {
    auto w = Window();
    w->Activate();
    dialogs.positionDialog = [](TftfOrder& o, TftfConstruction& p) {
        BuildPosition(p, "00" + std::to_string(o.Count() + 1), {"VF-UP-01"});
        return true;
    };
    // Cancel in the fittings dialog discards the position.
    w->NewPosition();
    EXPECT_EQ(w->Order().Count(), 0);
    EXPECT_TRUE(w->Saved());
    dialogs.furnDialog = [](TftfConstruction& p) {
        p.RecalcPrice();
        return true;
    };
    w->NewPosition();
    w->NewPosition();
    EXPECT_EQ(dialogs.log, (Texts{"position", "furn", "position", "furn", "position", "furn"}));
    ASSERT_EQ(w->Order().Count(), 2);
    EXPECT_EQ(w->Rows()[1].posNo, "002");
    EXPECT_EQ(w->Rows()[1].price, "360,9900 руб.");
    EXPECT_EQ(w->FocusedIndex(), 1);
    EXPECT_FALSE(w->Saved());
    EXPECT_EQ(TftfOrder::OfPosition(w->Order().Positions(1)), &w->Order());

    // Editing: the fittings dialog only, on a copy that replaces the position on OK.
    dialogs.log.clear();
    dialogs.furnDialog = [](TftfConstruction& p) {
        p.PosName = "изменено";
        return false;
    };
    w->FocusRow(0);
    w->EditPosition();
    EXPECT_EQ(dialogs.log, Texts{"furn"});
    EXPECT_EQ(w->Order().Positions(0).PosName, "Окно 001");
    dialogs.furnDialog = [](TftfConstruction& p) {
        p.PosName = "изменено";
        return true;
    };
    w->EditPosition();
    EXPECT_EQ(w->Rows()[0].name, "изменено");
    EXPECT_EQ(w->Order().Count(), 2);

    // Deleting asks; the focus stays on the row now at its place.
    prompter.AnswerOk(false);
    w->RemovePosition();
    EXPECT_EQ(w->Order().Count(), 2);
    prompter.AnswerOk(true);
    w->FocusRow(1);
    w->RemovePosition();
    EXPECT_EQ(w->Order().Count(), 1);
    EXPECT_EQ(w->FocusedIndex(), 0);
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), Texts(2, "Удалить позицию?"));
    prompter.AnswerOk(true);
    w->ClearOrder();
    EXPECT_EQ(w->Order().Count(), 0);
    EXPECT_FALSE(w->Commands().editPosition);
}

TEST_F(OrderWindowTest, CopiedPositionsArePastedAsNewPositionsInAnyOrderWindow) {
    auto a = Window();
    ASSERT_TRUE(a->OpenOrderFile(WriteOrder(orders / "a.ffo370", "a", {{"VF-UP-01"}, {"VF-NZ-10"}, {"VF-BL-01"}})));
    EXPECT_FALSE(a->Commands().paste);
    a->SetSelection({2, 0});
    a->CopyPositions();
    EXPECT_TRUE(a->Commands().paste);
    a->PastePositions();  // same currency and price group: no recalculation needed
    ASSERT_EQ(a->Order().Count(), 5);
    EXPECT_EQ(a->Order().Positions(3).PosNo, "001");
    EXPECT_EQ(a->Order().Positions(4).PosNo, "003");
    EXPECT_EQ(a->SelectedRows(), (std::vector<int>{3, 4}));
    EXPECT_NE(&a->Order().Positions(3), &a->Order().Positions(0));
    EXPECT_TRUE(a->PendingRequests().empty());

    // Another window in another currency: the pasted prices need recalculating.
    auto b = Window();
    ASSERT_TRUE(b->OpenOrderFile(WriteOrder(orders / "b.ffo370", "b", {}, [](TftfOrder& o) { o.CurrencyId = 2; })));
    EXPECT_TRUE(b->Commands().paste);
    a->SelectAll();
    a->CopyPositions();
    a.reset();  // the copy outlives its window
    b->PastePositions();
    EXPECT_EQ(b->Order().Count(), 5);
    EXPECT_EQ(TftfOrder::OfPosition(b->Order().Positions(0)), &b->Order());
    EXPECT_EQ(b->Order().Positions(0).Sash1->FurnComp->Item(0).ArticleId, "VF-UP-01");
    EXPECT_EQ(prompter.Texts(Kind::Warning), Texts{"Для корректной работы необходимо пересчитать заказ!"});
    EXPECT_EQ(b->PendingRequests(), std::deque<OrderRequest>{OrderRequest::Recalculate});
    b->TakeRequests();
    EXPECT_FALSE(b->Saved());
}

TEST_F(OrderWindowTest, AddingFromAFileAppendsItsPositionsAndAsksForARecalculation) {
    const std::string source = WriteOrder(root.Path() / "src.ffo370", "src", {{"VF-UP-01"}, {"VF-NZ-10"}});
    fs::path damaged = root.Path() / "damaged.ffo370";
    {
        const std::string image = ReadAll(source);
        std::ofstream(damaged, std::ios::binary) << image.substr(0, image.size() / 2);
    }
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "w.ffo370", "w", {{"VF-BL-01"}})));
    prompter.AnswerOpenFiles({});
    w->AddFromFile();
    EXPECT_TRUE(w->Saved());
    prompter.AnswerOpenFiles({damaged.string(), source});
    w->AddFromFile();
    const auto& call = prompter.Calls().at(1);
    EXPECT_EQ(call.text, "Открыть...");
    EXPECT_EQ(call.file.initialDir, orders.string());
    ASSERT_EQ(w->Order().Count(), 3);  // nothing of the damaged file
    EXPECT_EQ(w->Order().Positions(1).PosNo, "001");
    EXPECT_EQ(w->Order().Positions(2).Sash1->FurnComp->Item(0).ArticleId, "VF-NZ-10");
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);  // the load's own message
    EXPECT_EQ(prompter.Texts(Kind::Warning), Texts{"Для корректной работы необходимо пересчитать заказ!"});
    EXPECT_EQ(w->PendingRequests(), std::deque<OrderRequest>{OrderRequest::Recalculate});
    w->TakeRequests();
    EXPECT_FALSE(w->Saved());

    prompter.ClearCalls();
    prompter.AnswerOpenFiles({(root.Path() / "missing.ffo370").string()});
    w->AddFromFile();
    const Texts errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Ошибка добаления изделий из файла [" + (root.Path() / "missing.ffo370").string() +
                                  "]!\r\n(",
                              0),
              0u);
}

TEST_F(OrderWindowTest, TheClosingQuestionHasThreeAnswers) {
    auto w = Window();
    EXPECT_TRUE(w->CanClose());  // saved: no question
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "c.ffo370", "c", {{"VF-UP-01"}})));
    w->ToggleAllChecks();
    prompter.AnswerYesNoCancel(YesNoCancel::Cancel);
    EXPECT_FALSE(w->CanClose());
    EXPECT_FALSE(w->Saved());
    prompter.AnswerYesNoCancel(YesNoCancel::No);
    EXPECT_TRUE(w->CanClose());
    EXPECT_FALSE(w->Saved());
    prompter.AnswerYesNoCancel(YesNoCancel::Yes);
    EXPECT_TRUE(w->CanClose());
    EXPECT_TRUE(w->Saved());
    EXPECT_EQ(prompter.Texts(Kind::YesNoCancel), Texts(3, "Сохранить заказ?"));
    TftfOrder check;
    bool converted = false;
    ASSERT_TRUE(check.LoadFromFile((orders / "c.ffo370").string(), converted));
    EXPECT_FALSE(check.Positions(0).Checked);

    // A new order: Yes opens the save dialog; cancelling it keeps the window open.
    auto fresh = Window();
    fresh->Order().OrderNo = "N";
    fresh->SortPositions(PositionSort::ByName);
    prompter.AnswerYesNoCancel(YesNoCancel::Yes);
    prompter.AnswerSaveFile(std::nullopt);
    EXPECT_FALSE(fresh->CanClose());
}

TEST_F(OrderWindowTest, AnOrderNotReadInFullIsNeverSavedOverItsFile) {
    const std::string good = WriteOrder(orders / "g.ffo370", "g", {{"VF-UP-01"}});
    const std::string image = ReadAll(good);
    auto withStamp = [&](const std::string& stamp) {
        std::string s = image;
        s.replace(s.find("26.12.2019"), 10, stamp);
        return s;
    };
    struct Case {
        std::string name;
        std::string content;
        bool answerConversion;  // an older stamp asks; the user declines
    } cases[] = {
        {"older", withStamp("23.07.2019"), true},
        {"newer", withStamp("01.01.2031"), false},
        {"damaged", image.substr(0, image.size() - 40), false},
    };
    for (const Case& c : cases) {
        const fs::path file = orders / (c.name + ".ffo370");
        std::ofstream(file, std::ios::binary) << c.content;
        if (c.answerConversion) prompter.AnswerOk(false);
        auto w = Window();
        EXPECT_FALSE(w->OpenOrderFile(file.string())) << c.name;
        EXPECT_FALSE(w->IsOpen());
        EXPECT_NE(w->FileName(), file.string());
        EXPECT_EQ(w->Order().Count(), 0);
        EXPECT_FALSE(w->Commands().save || w->Commands().saveAs || w->Commands().newPosition);
        EXPECT_TRUE(w->CanClose());
        EXPECT_FALSE(w->Save());
        EXPECT_FALSE(w->SaveOrder());
        EXPECT_FALSE(w->SaveOrder(file.string()));
        EXPECT_EQ(ReadAll(file), c.content) << c.name;
    }
    const std::size_t prompts = prompter.Calls().size();
    EXPECT_EQ(prompts, 3u);  // the question, the newer-file warning, the load error

    // A missing file is refused the same way.
    auto w = Window();
    EXPECT_FALSE(w->OpenOrderFile((orders / "none.ffo370").string()));
    EXPECT_FALSE(w->IsOpen());
    EXPECT_EQ(prompter.Calls().size(), prompts + 1);

    // An older file the user agreed to convert is open and unsaved, to be saved in the new layout
    // (an order without positions reads the same in both layouts).
    const fs::path older = orders / "older2.ffo370";
    {
        std::string s = ReadAll(WriteOrder(older, "o2"));
        s.replace(s.find("26.12.2019"), 10, "23.07.2019");
        std::ofstream(older, std::ios::binary) << s;
    }
    prompter.AnswerOk(true);
    auto converted = Window();
    EXPECT_TRUE(converted->OpenOrderFile(older.string()));
    EXPECT_FALSE(converted->Saved());
}

TEST_F(OrderWindowTest, AnEditPendingInTheRegisterWindowLandsOnItsRecordWhenAnOrderIsSaved) {
    for (const char* no : {"A", "B"}) {
        OrderRegister reg(dm, RegisterFolders{orders.string(), {}, archive.string()});
        ASSERT_EQ(reg.RegisterOrderFiles({WriteOrder(orders / (std::string(no) + ".ffo370"), no)}).registered, 1);
        reg.Close();
    }
    // The register window has the table open and record "B" half-edited; meanwhile another
    // workstation deletes "A", so the rows this window read are out of date.
    OrderRegister window(dm, RegisterFolders{orders.string(), {}, archive.string()});
    ASSERT_TRUE(window.Open());
    Table& t = window.Records();
    ASSERT_TRUE(window.LocateNumber("B"));
    t.Edit();
    t.Set("Customer", Value(std::string("Правка в реестре")));
    TDM other;
    other.ConfigureDatabase(other.DB_Registry, registry.string());
    ASSERT_TRUE(other.OpenDataSet(other.T_OrderList()));
    Table& stored = other.T_OrderList();
    for (stored.First(); !stored.Eof() && stored.AsText("No") != "A";) stored.Next();
    ASSERT_FALSE(stored.Eof());
    stored.Delete();

    // Saving a new order checks its number on rows read afresh.
    auto w = Window();
    w->Order().OrderNo = "C";
    ASSERT_TRUE(w->SaveOrder((orders / "C.ffo370").string()));

    other.RefreshTable(stored);
    std::map<std::string, std::string> customers;
    for (stored.First(); !stored.Eof(); stored.Next()) customers[stored.AsText("No")] = stored.AsText("Customer");
    EXPECT_EQ(customers, (std::map<std::string, std::string>{{"B", "Правка в реестре"}}));
}

TEST_F(OrderWindowTest, ANewOrderIsNotSavedWhenTheRegisterCannotBeRead) {
    // A damaged register table cannot be imported, so the register cannot be opened and cannot
    // clear the number.
    const fs::path damaged = root.Path() / "DamagedRegistry";
    fs::create_directories(damaged);
    std::ofstream(damaged / "OrderLst.DB") << "not a table";
    TDM broken;
    broken.ConfigureDatabase(broken.DB_Catalog, catalogue_->Str());
    ASSERT_EQ(broken.OpenCatalog(), 0);
    broken.ConfigureDatabase(broken.DB_Registry, damaged.string());
    OrderController w(broken, dialogs);
    w.Order().OrderNo = "N-1";
    prompter.ClearCalls();
    EXPECT_FALSE(w.SaveOrder((orders / "N-1.ffo370").string()));
    EXPECT_FALSE(fs::exists(orders / "N-1.ffo370"));
    EXPECT_FALSE(prompter.Texts(Kind::Error).empty());  // the register's failure is reported
    EXPECT_TRUE(w.IsNew());
}

TEST_F(OrderWindowTest, EditAndDeleteActOnTheSelectedRowOnly) {
    auto w = Window();
    ASSERT_TRUE(w->OpenOrderFile(WriteOrder(orders / "s.ffo370", "S", {{"VF-KP-WH"}, {"VF-KP-WH"}, {"VF-KP-WH"}})));
    ASSERT_EQ(w->SelectedRows(), std::vector<int>{0});  // the focused row comes back selected
    EXPECT_TRUE(w->Commands().removePosition);

    w->SetSelection({});
    EXPECT_FALSE(w->Commands().editPosition);
    EXPECT_FALSE(w->Commands().removePosition);
    EXPECT_FALSE(w->Commands().copy);
    EXPECT_EQ(w->FocusedPosition(), nullptr);
    w->RemovePosition();  // nothing selected: no question, nothing removed
    EXPECT_EQ(w->Order().Count(), 3);

    // Focus on row 0, row 2 selected: the selected row is the one removed.
    w->SetSelection({2});
    prompter.AnswerOk(true);
    w->RemovePosition();
    ASSERT_EQ(w->Order().Count(), 2);
    EXPECT_EQ(w->Order().Positions(0).PosNo, "001");
    EXPECT_EQ(w->Order().Positions(1).PosNo, "002");
}
