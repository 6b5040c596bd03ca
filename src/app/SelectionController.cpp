#include "app/SelectionController.h"

#include <algorithm>
#include <filesystem>

#include "app/NewDocuments.h"
#include "catalogue/Lookups.h"
#include "catalogue/Table.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Helpers.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "common/StoredPath.h"
#include "documents/DocumentFile.h"
#include "documents/Order.h"
#include "documents/Register.h"
#include "documents/Selection.h"
#include "model/Measures.h"
#include "settings/AppPaths.h"
#include "settings/Setup.h"

namespace ftf {

namespace fs = std::filesystem;

namespace {
constexpr const char* kNoNumber = "Не указан номер выборки!";
constexpr const char* kRenameQuestion =
    "Изменился номер выборки. Переименовать файл согласно нового номера?";
constexpr const char* kMoveFailed = "Ошибка переноса файла!";
constexpr const char* kSaveQuestion = "Сохранить выборку?";
constexpr const char* kDeleteQuestion = "Удалить позицию?";
constexpr const char* kRefreshQuestion = "Обновить данные выборки?";
constexpr std::string_view kOrderFileMissing = "Невозможно найти файл заказа № %s!\r\nФайл: %s.";

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}
}  // namespace

SelectionFolders SelectionFoldersOfRun() { return {AppPaths().OrdersDir, AppPaths().SelectionDir}; }

SelectionController::SelectionController(TDM& dm, SelectionFolders folders)
    : dm_(dm), folders_(std::move(folders)), selection_(NewSelection()) {
    caption_ = fileName_;
    RebuildRows();
    UpdateStatus();
    UpdateCommands();
}

SelectionController::~SelectionController() {
    TftfSetup* setup = CurrentSetup();
    if (setup && setup->ActiveCurrencyList == &selection_->CurrencyRates) setup->SetActiveCurrency(nullptr, 0, 0);
}

std::unique_ptr<TftfOrderSelection> SelectionController::NewSelection() const {
    auto selection = std::make_unique<TftfOrderSelection>();
    selection->SetOrdersDir(folders_.ordersDir);
    FillNewSelection(*selection, CurrentSetup(), dm_);
    return selection;
}

void SelectionController::SetCurrencyContext() {
    const TftfOrderSelection& s = *selection_;
    if (TftfSetup* setup = CurrentSetup()) setup->SetActiveCurrency(&s.CurrencyRates, s.CurrencyId, s.NDSTax);
    NumberFormat& formats = CurrentFormats();
    formats.currencyString = GetCurrencyName(dm_, s.CurrencyId);
    formats.currencyDecimals = std::max(0, GetCurrencyDecimals(dm_, s.CurrencyId));
}

void SelectionController::Activate() {
    caption_ = fileName_;
    SetCurrencyContext();
    UpdateCommands();
}

// --- Rows and state ---------------------------------------------------------------------------------

SelectionRow SelectionController::BuildRow(const TftfOrderSelectionItem& item, bool inPlace) const {
    // Rows built anew show the sizes without decimals, rows rewritten in place with one.
    const int decimals = inPlace ? 1 : 0;
    SelectionRow row;
    row.checked = item.Checked;
    row.cells[1] = item.OrderNo;
    row.cells[2] = item.PosNo;
    row.cells[3] = FormatFixed(static_cast<long double>(item.RebateWidth), decimals);
    row.cells[4] = FormatFixed(static_cast<long double>(item.RebateHeight), decimals);
    row.cells[5] = std::to_string(item.Quantity);
    row.cells[6] = item.PosName;
    row.cells[7] = item.FileRef;
    return row;
}

void SelectionController::RebuildRows() {
    rows_.clear();
    for (int i = 0; i < selection_->Count(); ++i) rows_.push_back(BuildRow(selection_->Items(i), false));
    selectedRow_ = focusedIndex_ >= 0 && focusedIndex_ < static_cast<int>(rows_.size()) ? focusedIndex_ : -1;
}

void SelectionController::RewriteRows() {
    rows_.resize(static_cast<std::size_t>(selection_->Count()));
    for (int i = 0; i < selection_->Count(); ++i)
        rows_[static_cast<std::size_t>(i)] = BuildRow(selection_->Items(i), true);
}

void SelectionController::UpdateStatus() {
    status_[0] = selection_->SelectionNo;
    status_[1] = selection_->SelName;
}

void SelectionController::UpdateCommands() {
    commands_.saveEnabled = !saved_;
    commands_.saveAsEnabled = true;
    commands_.editButtonEnabled = false;
    commands_.printEnabled = selection_->HasChecked();
    commands_.addOrderEnabled = true;
    commands_.deleteEnabled = selectedRow_ >= 0;
}

// --- Files --------------------------------------------------------------------------------------------

bool SelectionController::OpenSelectionFile(const std::string& file) {
    bool ok = true;
    if (!file.empty()) {
        // Read into a fresh document: one that stops half-way never replaces the window's own.
        auto loaded = std::make_unique<TftfOrderSelection>();
        loaded->SetOrdersDir(folders_.ordersDir);
        bool converted = false;
        try {
            ok = loaded->LoadFromFile(file, converted);
        } catch (const FtfError& e) {
            ShowError(e.what());
            ok = false;
        }
        if (ok) {
            selection_.swap(loaded);
            fileName_ = file;
            isNew_ = false;
            lastSavedNo_ = selection_->SelectionNo;
            saved_ = !converted;
            // Re-points the settings at the new rate list before the old one is freed.
            SetCurrencyContext();
        }
    }
    RebuildRows();
    UpdateStatus();
    caption_ = fileName_;
    UpdateCommands();
    return ok;
}

std::string SelectionController::ProposedFileName() const { return SanitizeFileName(selection_->SelectionNo, '_'); }

namespace {
FileDialogRequest SaveDialog(const std::string& dir, const std::string& name) {
    FileDialogRequest r;
    r.title = "Сохранить выборку...";
    r.filter = "Выборка (*.ffs370)|*.ffs370|Все файлы (*.*)|*.*";
    r.defaultExt = ".ffs370";
    r.initialDir = dir;
    r.fileName = name;
    return r;
}
}  // namespace

bool SelectionController::SaveSelection(const std::optional<std::string>& file) {
    TftfOrderSelection& s = *selection_;
    if (Trim(s.SelectionNo).empty()) {
        ShowError(kNoNumber);
        PostRequest(SelectionRequest::EditRequisites);
        return false;
    }
    if (file) {
        if (!s.SaveToFile(*file)) return false;
        fileName_ = *file;
        isNew_ = false;
    } else {
        // A new selection has no file of its own yet: "NewSel.ffs370" is only its caption.
        if (isNew_) return SaveSelectionAs();
        std::string target = fileName_;
        if (!SameTextNoCase(lastSavedNo_, s.SelectionNo) && AskOkCancel(kRenameQuestion)) {
            std::optional<std::string> chosen =
                CurrentPrompter().SaveFile(SaveDialog(folders_.selectionDir, ProposedFileName()));
            if (!chosen) return false;
            target = *chosen;
        }
        if (!s.SaveToFile(fileName_)) return false;
        if (!SameTextNoCase(target, fileName_)) {
            if (MoveSelectionFile(target))
                fileName_ = target;
            else
                ShowError(kMoveFailed);
        }
    }
    caption_ = fileName_;
    saved_ = true;
    UpdateCommands();
    UpdateStatus();
    lastSavedNo_ = s.SelectionNo;
    return true;
}

bool SelectionController::MoveSelectionFile(const std::string& target) {
    std::error_code ec;
    // As a file move never replaces another file, an existing target is a failure.
    if (fs::exists(target, ec) || target.empty()) return false;
    fs::rename(fileName_, target, ec);
    if (!ec) return true;
    // Another file system: copy, then remove the original.
    if (!fs::copy_file(fileName_, target, fs::copy_options::none, ec) || ec) {
        fs::remove(target, ec);
        return false;
    }
    fs::remove(fileName_, ec);
    return true;
}

bool SelectionController::SaveSelectionAs() {
    if (Trim(selection_->SelectionNo).empty()) {
        ShowError(kNoNumber);
        PostRequest(SelectionRequest::EditRequisites);
        return false;
    }
    std::optional<std::string> chosen =
        CurrentPrompter().SaveFile(SaveDialog(folders_.selectionDir, isNew_ ? ProposedFileName() : fileName_));
    if (!chosen) return false;
    BusyCursor busy;
    return SaveSelection(*chosen);
}

bool SelectionController::SaveDocument() {
    if (isNew_) return SaveSelectionAs();
    BusyCursor busy;
    return SaveSelection();
}

SelectionCloseOutcome SelectionController::QueryClose() {
    if (saved_) return SelectionCloseOutcome::NothingToSave;
    switch (CurrentPrompter().AskYesNoCancel(kSaveQuestion, QuestionKind::Ordinary)) {
    case YesNoCancel::Cancel: return SelectionCloseOutcome::Cancelled;
    case YesNoCancel::No: return SelectionCloseOutcome::Discarded;
    case YesNoCancel::Yes: break;
    }
    const bool ok = isNew_ ? SaveSelectionAs() : SaveDocument();
    return ok ? SelectionCloseOutcome::SavedAndClosed : SelectionCloseOutcome::SaveFailed;
}

// --- Commands ----------------------------------------------------------------------------------------

void SelectionController::AddOrders() {
    FileDialogRequest r;
    r.title = "Открыть заказ...";
    // The file dialog lets "*.ffo" show the ".ffo370" files too, as the old platform did.
    r.filter = "Заказ (*.ffo)|*.ffo|Все файлы (*.*)|*.*";
    r.defaultExt = ".ffo";
    r.initialDir = folders_.ordersDir;
    r.multiSelect = true;
    const std::vector<std::string> files = CurrentPrompter().OpenFiles(r);
    if (!files.empty()) {
        BusyCursor busy;
        for (const std::string& file : files) AddOrderFile(file);
    }
    UpdateCommands();
}

bool SelectionController::AddOrderFile(const std::string& file) {
    TftfOrder order;
    bool converted = false;
    bool ok = false;
    try {
        ok = order.LoadFromFile(file, converted);
    } catch (const FtfError& e) {
        ShowError(e.what());
    }
    // A half-read order keeps the positions read before the failure: none of them is taken.
    if (!ok) return false;
    TftfOrderSelection& s = *selection_;
    for (int i = 0; i < order.Count(); ++i) {
        bool added = false;
        const int index = s.PutOrderPosition(file, order, order.Positions(i), added);
        const TftfOrderSelectionItem& item = s.Items(index);
        focusedIndex_ = index;
        saved_ = false;
        if (added)
            rows_.push_back(BuildRow(item, false));
        else
            rows_[static_cast<std::size_t>(index)] = BuildRow(item, true);
    }
    return true;
}

void SelectionController::AddFromRegister() {
    OrderRegister* source = sourceRegister_;
    if (!source) return;
    struct Finish {
        SelectionController& c;
        ~Finish() {
            c.sourceRegister_ = nullptr;
            c.UpdateCommands();
        }
    } finish{*this};
    Table& t = source->Records();
    if (!t.IsOpen()) return;

    BusyCursor busy;
    t.DisableControls();
    struct Resume {
        Table& t;
        ~Resume() {
            t.ClearMarks();
            t.EnableControls();
        }
    } resume{t};
    for (const Bookmark& mark : t.Marks()) {
        if (!t.GotoBookmark(mark)) continue;  // deleted meanwhile
        t.SetMarked(false);
        const std::string file = source->CurrentOrderFile();
        if (IsFile(file))
            AddOrderFile(file);
        else
            ShowError(FillMessage(kOrderFileMissing, {t.AsText("No"), file}));
    }
}

void SelectionController::RemoveItem() {
    if (selectedRow_ >= 0 && selectedRow_ < selection_->Count() && AskOkCancel(kDeleteQuestion, QuestionKind::Destructive)) {
        const int index = selectedRow_;
        selection_->DeleteItem(index);
        rows_.erase(rows_.begin() + index);
        if (rows_.empty()) {
            selectedRow_ = -1;
        } else {
            selectedRow_ = std::min(index, static_cast<int>(rows_.size()) - 1);
            focusedIndex_ = selectedRow_;
        }
        saved_ = false;
    }
    UpdateCommands();
}

bool SelectionController::EditSelectionRequisites() {
    const bool ok = RunSelectionProperties(dm_, *selection_, CurrentSetup(), propertiesDialog_);
    if (ok) {
        SetCurrencyContext();
        saved_ = false;
    }
    UpdateStatus();
    UpdateCommands();
    if (sourceRegister_) PostRequest(SelectionRequest::AddFromRegister);
    return ok;
}

void SelectionController::RefreshSelection() {
    if (!AskOkCancel(kRefreshQuestion)) return;
    selection_->RefreshFromOrders(true);
    RewriteRows();
    saved_ = false;
    UpdateCommands();
}

void SelectionController::SortItems(SelectionSort sort) {
    switch (sort) {
    case SelectionSort::ByOrder: selection_->SortByOrder(); break;
    case SelectionSort::ByPos: selection_->SortByPos(); break;
    case SelectionSort::ByName: selection_->SortByName(); break;
    case SelectionSort::ByFile: selection_->SortByFile(); break;
    }
    RewriteRows();
    saved_ = false;
    UpdateCommands();
}

void SelectionController::ColumnClick(int column) {
    switch (column) {
    case 0: ToggleAllChecks(); break;
    case 1: SortItems(SelectionSort::ByOrder); break;
    case 2: SortItems(SelectionSort::ByPos); break;
    case 6: SortItems(SelectionSort::ByName); break;
    case 7: SortItems(SelectionSort::ByFile); break;
    default: break;
    }
}

void SelectionController::ToggleAllChecks() {
    if (rows_.empty()) return;
    const bool state = !rows_.front().checked;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].checked = state;
        selection_->Items(static_cast<int>(i)).Checked = state;
    }
    saved_ = false;
    UpdateCommands();
}

void SelectionController::SetRowChecked(int row, bool checked) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) rows_[static_cast<std::size_t>(row)].checked = checked;
}

void SelectionController::SyncChecks() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        TftfOrderSelectionItem& item = selection_->Items(static_cast<int>(i));
        if (rows_[i].checked == item.Checked) continue;
        item.Checked = rows_[i].checked;
        saved_ = false;
        UpdateCommands();
        return;
    }
}

void SelectionController::MoveItem(int from, int to) {
    const int count = selection_->Count();
    if (from < 0 || to < 0 || from >= count || to >= count) return;
    selection_->MoveItem(from, to);
    SelectionRow row = std::move(rows_[static_cast<std::size_t>(from)]);
    rows_.erase(rows_.begin() + from);
    rows_.insert(rows_.begin() + to, std::move(row));
    RewriteRows();
    // The dropped row stays the selected one at its new place.
    selectedRow_ = to;
    focusedIndex_ = to;
    saved_ = false;
    UpdateCommands();
}

void SelectionController::SelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
    if (selectedRow_ >= 0) focusedIndex_ = selectedRow_;
    UpdateCommands();
}

void SelectionController::ProcessRequests() {
    while (!requests_.empty()) {
        const SelectionRequest request = requests_.front();
        requests_.pop_front();
        switch (request) {
        case SelectionRequest::EditRequisites: EditSelectionRequisites(); break;
        case SelectionRequest::AddFromRegister: AddFromRegister(); break;
        }
    }
}

}  // namespace ftf
