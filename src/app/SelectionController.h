#pragma once
// The selection window's controller: one selection for the window's whole life, the rows its
// list shows, the window's file name and save state, the enabled commands, and the commands
// themselves. The widget forwards menu items, column clicks, check-box clicks, drops and row
// changes here and redraws from Rows(), Caption(), StatusPanel() and Commands() afterwards.
//
// Requests the window posts to itself (edit the requisites, add the register's marked orders)
// wait in a queue until the front end calls ProcessRequests() after the current event.
//
// A file that could not be read wholly never becomes the window's document: OpenSelectionFile
// loads into a fresh selection and keeps it only on success, so a partly read selection is never
// saved over its file.

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/SelectionProperties.h"

namespace ftf {

class TDM;
class OrderRegister;
class TftfOrderSelection;
class TftfOrderSelectionItem;

/// The folders the window works with (native paths).
struct SelectionFolders {
    std::string ordersDir;     ///< order files; file references are relative to it
    std::string selectionDir;  ///< selection files (save dialogs)
};
/// OrdersDir and SelectionDir of AppPaths().
SelectionFolders SelectionFoldersOfRun();

inline constexpr const char* kNewSelectionFileName = "NewSel.ffs370";

/// Captions of the list's columns; column 0 holds only the check box.
inline constexpr std::array<const char*, 8> kSelectionColumns = {
    "[..]", "Заказ", "Позиция", "Ширина", "Высота", "Кол-во", "Наименование", "Файл"};

enum class SelectionSort {
    ByOrder,  ///< "По заказам", column 1
    ByPos,    ///< "По позициям", column 2
    ByName,   ///< "По изделиям", column 6
    ByFile,   ///< "По файлам", column 7
};

/// Requests the window handles from its own queue.
enum class SelectionRequest { EditRequisites = 1424, AddFromRegister = 1431 };

/// One row of the list: its check box and the texts of columns 0 to 7 (column 0 empty).
struct SelectionRow {
    bool checked = true;
    std::array<std::string, 8> cells;
};

/// What the window and the main window enable while the selection window is active.
struct SelectionCommandState {
    bool saveEnabled = false;        ///< "Сохранить", "&Сохранить все", the save tool button
    bool saveAsEnabled = true;       ///< "&Сохранить как..."
    bool editButtonEnabled = false;  ///< the main "Изменить" tool button
    bool printEnabled = false;       ///< the print tool button: some entry is ticked
    bool addOrderEnabled = true;     ///< "Добавить заказ...", the main "Добавить" tool button
    bool deleteEnabled = false;      ///< "&Удалить позицию", the main "Удалить" tool button
};

/// How the closing question ended.
enum class SelectionCloseOutcome {
    NothingToSave,  ///< saved already: closes without a question
    Discarded,      ///< "Нет": closes
    SavedAndClosed, ///< "Да" and the save succeeded: closes
    SaveFailed,     ///< "Да" but the save failed or was cancelled: stays open
    Cancelled,      ///< "Отмена": stays open
};
inline bool WindowCloses(SelectionCloseOutcome o) {
    return o == SelectionCloseOutcome::NothingToSave || o == SelectionCloseOutcome::Discarded ||
           o == SelectionCloseOutcome::SavedAndClosed;
}

class SelectionController {
public:
    /// A new selection (FormCreate): the settings' currency and VAT (none when no settings are
    /// installed), price group 0, the catalogue's current rates; "NewSel.ffs370", new, saved.
    SelectionController(TDM& dm, SelectionFolders folders);
    /// Clears the settings' currency context when it still points at this selection.
    ~SelectionController();
    SelectionController(const SelectionController&) = delete;
    SelectionController& operator=(const SelectionController&) = delete;

    TftfOrderSelection& Selection() { return *selection_; }
    const TftfOrderSelection& Selection() const { return *selection_; }
    const SelectionFolders& Folders() const { return folders_; }

    /// The requisites dialog the front end runs (none: the command does nothing).
    void SetPropertiesDialog(SelectionPropDialog dialog) { propertiesDialog_ = std::move(dialog); }
    /// The register whose marked orders a selection made from the register adds; not owned.
    void SetSourceRegister(OrderRegister* source) { sourceRegister_ = source; }
    OrderRegister* SourceRegister() const { return sourceRegister_; }

    // --- Files ---------------------------------------------------------------------------------
    /// Loads a selection file into the window. True when it was read wholly; false when it could
    /// not be opened or read (reported already), and the window keeps its previous selection. An
    /// empty name only rebuilds the list. A converted file counts as changed.
    bool OpenSelectionFile(const std::string& file);
    /// With a name: save as. Without: plain save, offering to rename the file after its number
    /// changed. Refused without a number ("Не указан номер выборки!", requisites requested).
    /// False when the save failed or was cancelled.
    bool SaveSelection(const std::optional<std::string>& file = std::nullopt);
    /// The main window's "save as" for this window: the save dialog, then SaveSelection(name).
    bool SaveSelectionAs();
    /// The main window's plain save: save as for a new selection, else SaveSelection().
    bool SaveDocument();
    /// SelectionNo with the characters not allowed in file names replaced by "_".
    std::string ProposedFileName() const;
    /// The closing question "Сохранить выборку?" when there are unsaved changes.
    SelectionCloseOutcome QueryClose();

    /// The window became active: caption, the settings' currency context, the process-wide
    /// currency symbol and decimals, the commands.
    void Activate();

    // --- Commands ------------------------------------------------------------------------------
    /// "Добавить заказ...": the open dialog, then AddOrderFile for each chosen file.
    void AddOrders();
    /// Adds (or refreshes) an entry per position of the order file; an order that cannot be read
    /// wholly adds nothing. False when nothing could be read.
    bool AddOrderFile(const std::string& file);
    /// The register's marked orders (in marking order); a missing file is reported and skipped.
    /// Only with a source register whose table is open; the source is cleared afterwards.
    void AddFromRegister();
    /// "&Удалить позицию": the selected row, after the question.
    void RemoveItem();
    /// "&Реквизиты...": the requisites dialog. True when it closed with OK.
    bool EditSelectionRequisites();
    /// "Обновить данные": after the question, every entry from its order (ticks included).
    void RefreshSelection();
    void SortItems(SelectionSort sort);
    /// A click on a column title: 0 toggles all ticks, 1, 2, 6 and 7 sort, the others nothing.
    void ColumnClick(int column);
    /// Every row and entry takes the opposite of the first row's tick; nothing for an empty list.
    void ToggleAllChecks();
    /// The user changed a row's check box (SyncChecks then stores it).
    void SetRowChecked(int row, bool checked);
    /// A click in the list or the space bar released: the first row whose check box differs from
    /// its entry gives the entry its state.
    void SyncChecks();
    /// A drop of the row `from` (the selected one) on the row `to`; −1 for either does nothing.
    void MoveItem(int from, int to);
    /// The selected row changed (−1: none): focus tracking.
    void SelectRow(int row);

    // --- Requests -------------------------------------------------------------------------------
    void PostRequest(SelectionRequest request) { requests_.push_back(request); }
    const std::deque<SelectionRequest>& PendingRequests() const { return requests_; }
    /// Handles the posted requests in order, also those posted while handling them.
    void ProcessRequests();

    // --- What the window shows ------------------------------------------------------------------
    const std::vector<SelectionRow>& Rows() const { return rows_; }
    int SelectedRow() const { return selectedRow_; }
    int FocusedIndex() const { return focusedIndex_; }
    const std::string& Caption() const { return caption_; }
    /// The status bar: panel 0 SelectionNo, panel 1 SelName.
    const std::string& StatusPanel(int panel) const { return status_.at(static_cast<std::size_t>(panel)); }
    const SelectionCommandState& Commands() const { return commands_; }
    const std::string& FileName() const { return fileName_; }
    bool IsNew() const { return isNew_; }
    bool Saved() const { return saved_; }
    const std::string& LastSavedNo() const { return lastSavedNo_; }

private:
    std::unique_ptr<TftfOrderSelection> NewSelection() const;
    void SetCurrencyContext();
    void RebuildRows();
    SelectionRow BuildRow(const TftfOrderSelectionItem& item, bool inPlace) const;
    void RewriteRows();
    void UpdateStatus();
    void UpdateCommands();
    bool MoveSelectionFile(const std::string& target);

    TDM& dm_;
    SelectionFolders folders_;
    std::unique_ptr<TftfOrderSelection> selection_;
    SelectionPropDialog propertiesDialog_;
    OrderRegister* sourceRegister_ = nullptr;
    std::deque<SelectionRequest> requests_;

    std::vector<SelectionRow> rows_;
    int selectedRow_ = -1;
    int focusedIndex_ = 0;
    std::string fileName_ = kNewSelectionFileName;
    bool isNew_ = true;
    bool saved_ = true;
    std::string lastSavedNo_;
    std::string caption_;
    std::array<std::string, 2> status_;
    SelectionCommandState commands_;
};

}  // namespace ftf
