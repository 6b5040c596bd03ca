#pragma once
// The order window's controller: the window's state (the order, its file name, the list rows, the
// summary, the status panels, the enabled commands) and its commands, without any widget. The
// widget forwards menu items, keys, clicks and drops here and redraws from the state afterwards;
// the main window's file commands (save, save as, close) call the file operations.
//
// Saving puts an order file into the orders folder under the name the user chose, checks a new
// order's number against the register, moves a renumbered order's file when the user agrees,
// keeps the last order number file and, with AutoReg on, the register record up to date.
//
// Requests (the order properties dialog, the recalculation) posted by a command are queued and
// run by HandleRequests once the command has returned, so one dialog never opens inside another.

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ftf {

class OrderDialogs;
class OrderRegister;
class TDM;
class TftfConstruction;
class TftfOrder;

/// The name of an order that was never saved.
inline constexpr const char* kNewOrderFileName = "NewOrder.ffo370";

/// The requests the order window posts to itself (the old window message numbers).
enum class OrderRequest { EditRequisites = 1424, Recalculate = 1429 };

enum class PositionSort { ByNumber, ByName };  ///< "По позициям", "По изделиям"

/// One row of the position list: the texts of its columns "[..]" (the check box), "Позиция",
/// "Ширина", "Высота", "Кол-во", "Наименование", "Цена", "Стоимость".
struct OrderRow {
    bool checked = false;
    std::string posNo;
    std::string width;     ///< rebate width of the position, "%d"
    std::string height;    ///< rebate height, "%d"
    std::string quantity;  ///< "%d"
    std::string name;
    std::string price;     ///< one piece, money format
    std::string total;     ///< quantity × price, money format
};

/// The enabled state of the window's and the main window's commands (UpdateCommands).
struct OrderCommandState {
    bool save = false;            ///< main "Сохранить", its tool button, "&Сохранить все"
    bool saveAs = false;          ///< main "&Сохранить как..."
    bool print = false;           ///< main tool button "Печать"
    bool recalc = false;          ///< "Пересчитать"
    bool copy = false;            ///< "&Копировать"
    bool editPosition = false;    ///< "Изменить позицию ...", main tool button "Изменить"
    bool removePosition = false;  ///< "&Удалить позицию", main tool button "Удалить"
    bool selectAll = false;       ///< "&Выделить все"
    bool newPosition = false;     ///< "Новая позиция...", main tool button "Добавить"
    bool addFromFile = false;     ///< "&Добавить из файла..."
    bool paste = false;           ///< "&Вставить"
};

class OrderController {
public:
    /// CreateOrderWindow: a new order with the defaults of the settings (CurrentSetup(); empty
    /// values without settings) and the currency rates of the catalogue; "NewOrder.ffo370", new
    /// and saved. Neither `dm` nor `dialogs` is owned; both must outlive the controller.
    OrderController(TDM& dm, OrderDialogs& dialogs);
    /// Clears the settings' currency context when it is this order's.
    ~OrderController();
    OrderController(const OrderController&) = delete;
    OrderController& operator=(const OrderController&) = delete;

    // --- The document ----------------------------------------------------------------------
    TftfOrder& Order() { return *order_; }
    const TftfOrder& Order() const { return *order_; }
    /// Full name of the order file; "NewOrder.ffo370" for an order never saved. The caption.
    const std::string& FileName() const { return fileName_; }
    const std::string& Caption() const { return fileName_; }
    /// True until the order was loaded from a file or saved under a name.
    bool IsNew() const { return isNew_; }
    /// True when the order has no unsaved change.
    bool Saved() const { return saved_; }
    /// False once OpenOrderFile failed: the window holds no document then and is to be closed;
    /// every command does nothing and the window closes without a question.
    bool IsOpen() const { return open_; }
    /// OrderNo as last loaded or saved ("" for a new order).
    const std::string& LastSavedNo() const { return lastSavedNo_; }
    const std::string& LastSavedCustomer() const { return lastSavedCustomer_; }
    const std::string& LastSavedObject() const { return lastSavedObject_; }
    /// OrderNo with every character not allowed in a file name replaced by "_".
    std::string ProposedFileName() const;

    // --- File operations of the main window ------------------------------------------------------
    /// Loads the file into the window. False when it cannot be read in full (unreadable, damaged,
    /// newer stamp, conversion declined; the load has said why): nothing of it is kept and the
    /// window holds no document (IsOpen() false). An empty name only refreshes the window.
    bool OpenOrderFile(const std::string& file);
    /// SaveOrder: with a name the save-as path (the file goes into the orders folder under the
    /// name's file part), without one the plain save (a new order goes through the save dialog).
    /// True when the order was written.
    bool SaveOrder(const std::optional<std::string>& file = std::nullopt);
    /// "Сохранить": SaveDocumentAs for a new order, else the plain save with the busy cursor.
    bool Save();
    /// "&Сохранить как...": the save dialog ("Сохранить заказ...", folder OrdersDir, proposing
    /// ProposedFileName for a new order, else FileName), then SaveOrder with the chosen name.
    /// False when cancelled.
    bool SaveDocumentAs();
    /// The closing question: true when the window may close. Unsaved: "Сохранить заказ?"; Yes
    /// saves (Save) and allows closing only when that succeeded, No allows it, Cancel refuses.
    bool CanClose();
    /// The window became active: the settings' currency context and the process-wide currency
    /// symbol and decimals (4) become this order's; the commands are updated.
    void Activate();

    // --- Commands ---------------------------------------------------------------------------------
    /// "Реквизиты...": the order properties dialog; on OK the order is changed, and when prices
    /// are affected and there are positions, a recalculation is asked for (request 1429).
    void EditRequisites();
    /// "Новая позиция...": the position dialog, then the fittings set dialog on a new position,
    /// which is appended and focused when both are confirmed.
    void NewPosition();
    /// Double click or Enter on the focused row: the fittings set dialog on a copy, which
    /// replaces the position on OK.
    void EditPosition();
    /// "&Удалить позицию": the focused position after "Удалить позицию?".
    void RemovePosition();
    /// "Очистить ": every position after "Удалить все позиции?".
    void ClearOrder();
    /// "Пересчитать" and request 1429: after the question, the ticked positions are re-priced
    /// in list order; a failing one is put back, reported with its number, and ends the run.
    void RecalcOrder();
    /// "Зарегистрировать" (asking) and the silent registration after a save: writes the register
    /// record. True when it was written.
    bool RegisterOrder(bool silent);
    void SortPositions(PositionSort sort);
    /// A click on the header of the check column: every position takes the opposite of the
    /// first row's tick.
    void ToggleAllChecks();
    /// After a click on a row or the space bar: `rowChecks` are the rows' check boxes; the first
    /// one that differs from its position is written into the position.
    void SyncChecks(const std::vector<bool>& rowChecks);
    /// A row dropped onto another: the position at `from` goes to index `to` (counted after its
    /// removal). Nothing when either index is no row.
    void MovePosition(int from, int to);
    /// "&Добавить из файла...": the open dialog; the positions of the chosen files are appended,
    /// then a recalculation is asked for.
    void AddFromFile();
    /// "&Копировать": the selected rows' positions (the focused one when none is selected) go to
    /// the process's position clipboard.
    void CopyPositions();
    /// "&Вставить": the clipboard's positions are appended as new positions and selected; a
    /// recalculation is asked for when they come from an order of another currency or price group.
    void PastePositions();
    /// "&Выделить все".
    void SelectAll();

    // --- The list ----------------------------------------------------------------------------------
    /// The focused row changed (-1 or an index out of range: none); it alone is selected then.
    void FocusRow(int index);
    /// The selected rows as the list shows them (indices out of range are dropped).
    void SetSelection(std::vector<int> rows);
    int FocusedIndex() const { return focused_; }
    const std::vector<int>& SelectedRows() const { return selected_; }
    /// The selected position the summary and sketch show (the focused row when it is selected,
    /// else the first selected one), or nullptr when no row is selected.
    const TftfConstruction* FocusedPosition() const;
    /// Row i shows position i.
    const std::vector<OrderRow>& Rows() const { return rows_; }
    /// The summary text of the focused position (empty without one).
    const std::vector<std::string>& SummaryLines() const { return summary_; }
    /// Status panels 0..3: OrderNo, Customer, ObjectName, empty.
    const std::array<std::string, 4>& StatusPanels() const { return status_; }
    const OrderCommandState& Commands() const { return commands_; }
    /// UpdateCommands.
    void UpdateCommands();

    // --- Requests ----------------------------------------------------------------------------------
    void PostRequest(OrderRequest request) { requests_.push_back(request); }
    /// The pending requests in order of arrival, removed from the queue.
    std::vector<OrderRequest> TakeRequests();
    const std::deque<OrderRequest>& PendingRequests() const { return requests_; }
    void HandleRequest(OrderRequest request);
    /// Handles the pending requests in order of arrival, also those they post themselves.
    void HandleRequests();

private:
    /// The row "Изменить"/"Удалить" act on: the focused row when it is selected, else the first
    /// selected row; -1 when none is selected.
    int SelectedIndex() const;
    bool RowSelected() const { return SelectedIndex() >= 0; }
    bool CheckOrderNumber();
    void ReplaceOrder(std::unique_ptr<TftfOrder> order);
    void SetCurrencyContext();
    void ClearCurrencyContext(const TftfOrder& order);
    OrderRegister MakeRegister();
    // Refills the rows, the summary, the status panels and the commands.
    void Refresh();
    void RefillRows();
    void BuildSummary();
    void AppendPositions(std::vector<std::unique_ptr<TftfConstruction>> positions);

    TDM& dm_;
    OrderDialogs& dialogs_;
    std::unique_ptr<TftfOrder> order_;
    std::string fileName_ = kNewOrderFileName;
    bool isNew_ = true;
    bool saved_ = true;
    bool open_ = true;
    std::string lastSavedNo_;
    std::string lastSavedCustomer_;
    std::string lastSavedObject_;
    int focused_ = 0;
    std::vector<int> selected_;
    std::vector<OrderRow> rows_;
    std::vector<std::string> summary_;
    std::array<std::string, 4> status_;
    OrderCommandState commands_;
    std::deque<OrderRequest> requests_;
};

// --- The last order number file ------------------------------------------------------------------
// "Fentorn.lon" in the orders folder (in the user's cache folder when no orders folder is set):
// exactly 31 bytes, a length byte n (0..30) and 30 bytes whose first n are the number in
// Windows-1251, the rest zeros. Written whenever an order is saved under a new number; the order
// properties dialog shows it.

/// The file's full name.
std::string LastOrderNoFile();
/// Writes the number (cut to 30 code-page bytes). A failure is shown and gives false.
bool WriteLastOrderNo(const std::string& orderNo);
/// The number in the file; nullopt when it does not exist or cannot be read.
std::optional<std::string> ReadLastOrderNo();

}  // namespace ftf
