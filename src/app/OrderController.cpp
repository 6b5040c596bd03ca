#include "app/OrderController.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/NewDocuments.h"
#include "app/OrderDialogs.h"
#include "app/OrderRecalc.h"
#include "app/PositionClipboard.h"
#include "catalogue/Lookups.h"
#include "catalogue/Tdm.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Helpers.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "documents/DocumentFile.h"
#include "documents/Order.h"
#include "documents/Register.h"
#include "model/Measures.h"
#include "settings/AppPaths.h"
#include "settings/Configuration.h"
#include "settings/Setup.h"

namespace fs = std::filesystem;

namespace ftf {

namespace {

const char* const kNoNumber = "Не указан номер заказа!";
const char* const kNumberRegistered =
    "Заказ с номером %s был зарегистрирован %s!\r\nУкажите другой номер заказа.";
const char* const kRenameQuestion =
    "Изменился номер заказа. Переименовать файл согласно нового номера?";
const char* const kOverwriteQuestion = "Файл %s уже существует! Переписать поверх?";
const char* const kMoveFailed = "Ошибка переноса файла заказа согласно статуса!";
const char* const kSaveError = "Ошибка сохранения заказа!\r\n(%s)";
const char* const kRegisterQuestion = "Зарегистрировать заказ / обновить данные в реестре?";
const char* const kRegisterNoNumber =
    "Заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера.";
const char* const kRegisterFailed = "Ошибка обновления заказа в реестр!\r\n(%s)";
const char* const kPricesChanged =
    "Были изменены настройки, влияющие на цену изделий.\r\nДля корректной работы необходимо пересчитать заказ!";
const char* const kRecalcNeeded = "Для корректной работы необходимо пересчитать заказ!";
const char* const kRecalcQuestion = "Пересчитать выделенные изделия с текущими установками?";
const char* const kRemoveQuestion = "Удалить позицию?";
const char* const kClearQuestion = "Удалить все позиции?";
const char* const kMergeError = "Ошибка добаления изделий из файла [%s]!\r\n(%s)";
const char* const kCloseQuestion = "Сохранить заказ?";
const char* const kLastNoWriteError = "Ошибка записи файла %s!\r\n(%s)";

constexpr std::size_t kLastNoChars = 30;

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

// Two names of one file: compared after resolving "." / ".." and links of existing folders.
bool SamePath(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const fs::path pa = fs::weakly_canonical(fs::absolute(a), ec1);
    const fs::path pb = fs::weakly_canonical(fs::absolute(b), ec2);
    if (ec1 || ec2) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
    return pa == pb;
}

// The file's name placed in the orders folder; the name itself when no orders folder is set.
std::string InOrdersDir(const std::string& file) {
    const std::string& dir = AppPaths().OrdersDir;
    if (dir.empty()) return file;
    return (fs::path(dir) / fs::path(file).filename()).string();
}

// Creates the folder of a file to be written; a failure is shown as a failed save.
bool EnsureFolderOf(const std::string& file) {
    const fs::path dir = fs::path(file).parent_path();
    if (dir.empty()) return true;
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    fs::create_directories(dir, ec);
    if (!ec) return true;
    ShowError(FillMessage(kSaveError, {ec.message() + ": " + dir.string()}));
    return false;
}

// Moves the order file over `to` (the user has agreed to replace it).
bool MoveOrderFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return true;
    if (ec != std::errc::cross_device_link) return false;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) return false;
    fs::remove(from, ec);
    return true;  // the order now lies at `to`; a leftover old copy is harmless
}

FileDialogRequest SaveRequest(const std::string& proposed) {
    FileDialogRequest r;
    r.title = "Сохранить заказ...";
    r.filter = "Заказ (*.ffo370)|*.ffo370|Все файлы (*.*)|*.*";
    r.defaultExt = ".ffo370";
    r.initialDir = AppPaths().OrdersDir;
    r.fileName = proposed;
    return r;
}

std::string IntText(long long v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", v);
    return buf;
}

}  // namespace

// --- The last order number file --------------------------------------------------------------------

std::string LastOrderNoFile() {
    const std::string& dir = AppPaths().OrdersDir;
    return (fs::path(dir.empty() ? UserCacheDir() : dir) / "Fentorn.lon").string();
}

bool WriteLastOrderNo(const std::string& orderNo) {
    const std::string file = LastOrderNoFile();
    try {
        std::string bytes = ToCp1251(orderNo).bytes;
        if (bytes.size() > kLastNoChars) bytes.resize(kLastNoChars);
        char image[1 + kLastNoChars] = {};
        image[0] = static_cast<char>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), image + 1);
        std::error_code ec;
        fs::create_directories(fs::path(file).parent_path(), ec);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(image, sizeof image);
        out.close();
        if (!out) throw FtfError(std::strerror(errno));
        return true;
    } catch (const std::exception& e) {
        ShowError(FillMessage(kLastNoWriteError, {file, e.what()}));
        return false;
    }
}

std::optional<std::string> ReadLastOrderNo() {
    std::ifstream in(LastOrderNoFile(), std::ios::binary);
    if (!in) return std::nullopt;
    char image[1 + kLastNoChars] = {};
    in.read(image, sizeof image);
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got == 0) return std::nullopt;
    std::size_t n = static_cast<unsigned char>(image[0]);
    n = std::min({n, kLastNoChars, got - 1});
    return FromCp1251(std::string_view(image + 1, n));
}

// --- Creation and the document ---------------------------------------------------------------------

OrderController::OrderController(TDM& dm, OrderDialogs& dialogs)
    : dm_(dm), dialogs_(dialogs), order_(std::make_unique<TftfOrder>()) {
    try {
        FillNewOrder(*order_, CurrentSetup(), dm_);
    } catch (const std::exception& e) {
        // A catalogue table that could not be opened was reported at start; say what is missing.
        ShowError(e.what());
    }
    focused_ = 0;
    Refresh();
}

OrderController::~OrderController() { ClearCurrencyContext(*order_); }

std::string OrderController::ProposedFileName() const { return SanitizeFileName(order_->OrderNo, '_'); }

void OrderController::ClearCurrencyContext(const TftfOrder& order) {
    TftfSetup* s = CurrentSetup();
    if (s && s->ActiveCurrencyList == &order.CurrencyRates) s->SetActiveCurrency(nullptr, 0, 0);
}

void OrderController::ReplaceOrder(std::unique_ptr<TftfOrder> order) {
    ClearCurrencyContext(*order_);
    order_ = std::move(order);
}

void OrderController::SetCurrencyContext() {
    if (TftfSetup* s = CurrentSetup()) s->SetActiveCurrency(&order_->CurrencyRates, order_->CurrencyId, order_->NDSTax);
    std::string symbol;
    try {
        symbol = GetCurrencyName(dm_, order_->CurrencyId);
    } catch (const std::exception&) {
        // No currency table: amounts show without a symbol.
    }
    CurrentFormats().currencyString = symbol;
    CurrentFormats().currencyDecimals = 4;
}

void OrderController::Activate() {
    if (!open_) return;
    SetCurrencyContext();
    RefillRows();  // the money columns follow the formats just set
    UpdateCommands();
}

OrderRegister OrderController::MakeRegister() {
    const AppPathsRecord& p = AppPaths();
    return OrderRegister(dm_, RegisterFolders{p.OrdersDir, p.RecycledDir, p.ArchiveDir});
}

bool OrderController::OpenOrderFile(const std::string& file) {
    if (!open_) return false;
    bool ok = true;
    if (!file.empty()) {
        auto loaded = std::make_unique<TftfOrder>();
        bool converted = false;
        try {
            ok = loaded->LoadFromFile(file, converted);
        } catch (const std::exception& e) {
            ShowError(e.what());
            ok = false;
        }
        if (ok) {
            ReplaceOrder(std::move(loaded));
            fileName_ = file;
            isNew_ = false;
            lastSavedNo_ = order_->OrderNo;
            lastSavedCustomer_ = order_->Customer;
            lastSavedObject_ = order_->ObjectName;
            saved_ = !converted;
            // The list restores its focused row, selected, as after every refill.
            selected_.clear();
            if (focused_ >= 0 && focused_ < order_->Count()) selected_.push_back(focused_);
            SetCurrencyContext();
        } else {
            // What was read of the file is dropped with `loaded`: a partly read order must never
            // be saved over its file. The window keeps its empty order and is to be closed.
            open_ = false;
        }
    }
    Refresh();
    return ok;
}

// --- Saving ------------------------------------------------------------------------------------------

bool OrderController::CheckOrderNumber() {
    if (order_->OrderNo.empty()) {
        ShowError(kNoNumber);
        PostRequest(OrderRequest::EditRequisites);
        return false;
    }
    // An order saved once keeps its number's record; only a new order may not take a number
    // that is registered already.
    if (!isNew_) return true;
    // A register that cannot be read cannot clear the number: the order is not saved.
    std::optional<OleDate> registered;
    try {
        if (!MakeRegister().RegisteredDate(order_->OrderNo, registered)) return false;
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
    if (!registered) return true;
    ShowError(FillMessage(kNumberRegistered, {order_->OrderNo, FormatShortDate(*registered)}));
    PostRequest(OrderRequest::EditRequisites);
    return false;
}

bool OrderController::SaveOrder(const std::optional<std::string>& file) {
    if (!open_) return false;
    // A new order has no file to save over: it is saved under a name from the save dialog.
    if (!file && isNew_) return SaveDocumentAs();
    if (!CheckOrderNumber()) return false;
    const bool numberChanged = !SameTextNoCase(lastSavedNo_, order_->OrderNo);
    if (file) {
        // Whatever folder was chosen, an order is saved into the orders folder.
        const std::string target = InOrdersDir(*file);
        // The dialog confirmed replacing the file it showed; another order in the orders folder
        // under that name is not replaced without asking.
        if (!SamePath(target, *file) && !SamePath(target, fileName_) && Exists(target) &&
            !AskOkCancel(FillMessage(kOverwriteQuestion, {target}), QuestionKind::Destructive))
            return false;
        if (!EnsureFolderOf(target) || !order_->SaveToFile(target)) return false;
        fileName_ = target;
        isNew_ = false;
        WriteLastOrderNo(order_->OrderNo);
    } else {
        std::string target = fileName_;
        if (numberChanged && AskOkCancel(kRenameQuestion)) {
            std::optional<std::string> chosen = CurrentPrompter().SaveFile(SaveRequest(ProposedFileName()));
            if (!chosen) return false;
            target = *chosen;
        }
        // An order whose file lies elsewhere (the archive folder) moves back into the orders folder.
        target = InOrdersDir(target);
        if (!EnsureFolderOf(fileName_) || !order_->SaveToFile(fileName_)) return false;
        if (!SamePath(target, fileName_)) {
            if (!EnsureFolderOf(target)) return false;
            if (Exists(target) &&
                !AskOkCancel(FillMessage(kOverwriteQuestion, {target}), QuestionKind::Destructive))
                return false;
            if (MoveOrderFile(fileName_, target))
                fileName_ = target;
            else
                ShowError(kMoveFailed);
        }
        if (numberChanged) WriteLastOrderNo(order_->OrderNo);
    }
    saved_ = true;
    Refresh();
    const TftfSetup* setup = CurrentSetup();
    // Registering before LastSavedNo moves on renumbers the record of the old number.
    if (setup && setup->AutoReg) RegisterOrder(true);
    lastSavedNo_ = order_->OrderNo;
    lastSavedCustomer_ = order_->Customer;
    lastSavedObject_ = order_->ObjectName;
    return true;
}

bool OrderController::SaveDocumentAs() {
    if (!open_) return false;
    std::optional<std::string> chosen =
        CurrentPrompter().SaveFile(SaveRequest(isNew_ ? ProposedFileName() : fileName_));
    if (!chosen) return false;
    BusyCursor busy;
    return SaveOrder(*chosen);
}

bool OrderController::Save() {
    if (!open_) return false;
    if (isNew_) return SaveDocumentAs();
    BusyCursor busy;
    return SaveOrder();
}

bool OrderController::CanClose() {
    if (!open_ || saved_) return true;
    switch (CurrentPrompter().AskYesNoCancel(kCloseQuestion, QuestionKind::Ordinary)) {
    case YesNoCancel::Yes: return Save();
    case YesNoCancel::No: return true;
    case YesNoCancel::Cancel: break;
    }
    return false;
}

bool OrderController::RegisterOrder(bool silent) {
    if (!open_) return false;
    if (!silent && !AskOkCancel(kRegisterQuestion)) return false;
    if (order_->OrderNo.empty()) {
        ShowError(kRegisterNoNumber);
        return false;
    }
    try {
        return MakeRegister().WriteOrderRecord(*order_, fileName_, lastSavedNo_);
    } catch (const std::exception& e) {
        ShowError(FillMessage(kRegisterFailed, {e.what()}));
        return false;
    }
}

// --- Commands ----------------------------------------------------------------------------------------

void OrderController::EditRequisites() {
    if (!open_) return;
    bool pricesChanged = false;
    bool accepted = false;
    try {
        accepted = dialogs_.RunOrderDialog(*order_, pricesChanged);
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    if (accepted) {
        SetCurrencyContext();
        saved_ = false;
        if (order_->Count() > 0 && pricesChanged) {
            ShowWarning(kPricesChanged);
            PostRequest(OrderRequest::Recalculate);
        }
    }
    Refresh();
}

void OrderController::NewPosition() {
    if (!open_) return;
    try {
        std::unique_ptr<TftfConstruction> position = order_->CreatePosition();
        if (dialogs_.RunPositionDialog(*order_, *position) && dialogs_.RunFurnSetDialog(*position)) {
            order_->InsertPosition(order_->Count(), std::move(position));
            focused_ = order_->Count() - 1;
            selected_ = {focused_};
            saved_ = false;
        }
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    Refresh();
}

void OrderController::EditPosition() {
    const int index = SelectedIndex();
    if (!open_ || index < 0) return;
    try {
        std::unique_ptr<TftfConstruction> copy = order_->CreatePosition();
        copy->CopyFrom(order_->Positions(index));
        if (dialogs_.RunFurnSetDialog(*copy)) {
            order_->TakePosition(index);
            order_->InsertPosition(index, std::move(copy));
            saved_ = false;
        }
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    Refresh();
}

void OrderController::RemovePosition() {
    const int index = SelectedIndex();
    if (!open_ || index < 0) return;
    if (!AskOkCancel(kRemoveQuestion, QuestionKind::Destructive)) return;
    order_->DeletePosition(index);
    focused_ = order_->Count() == 0 ? -1 : std::min(index, order_->Count() - 1);
    selected_.clear();
    if (focused_ >= 0) selected_.push_back(focused_);
    saved_ = false;
    Refresh();
}

void OrderController::ClearOrder() {
    if (!open_) return;
    if (!AskOkCancel(kClearQuestion, QuestionKind::Destructive)) return;
    order_->ClearPositions();
    focused_ = -1;
    selected_.clear();
    saved_ = false;
    Refresh();
}

void OrderController::RecalcOrder() {
    if (!open_) return;
    if (!AskOkCancel(kRecalcQuestion)) return;
    // Prices convert with the working currency context: make sure it is this order's.
    SetCurrencyContext();
    RecalcOutcome outcome;
    {
        struct Progress {
            OrderDialogs& d;
            explicit Progress(OrderDialogs& dialogs) : d(dialogs) { d.BeginProgress(); }
            ~Progress() { d.EndProgress(); }
        } progress(dialogs_);
        BusyCursor busy;
        outcome = RecalcOrderPrices(*order_, [this](int done, int total) { dialogs_.StepProgress(done, total); });
    }
    if (outcome.visited > 0) saved_ = false;
    if (outcome.failedIndex >= 0) ShowError(outcome.Message());
    Refresh();
}

void OrderController::SortPositions(PositionSort sort) {
    if (!open_) return;
    if (sort == PositionSort::ByNumber)
        order_->SortByNumber();
    else
        order_->SortByName();
    saved_ = false;
    Refresh();
}

void OrderController::ToggleAllChecks() {
    if (!open_ || order_->Count() == 0) return;
    const bool state = !order_->Positions(0).Checked;
    for (int i = 0; i < order_->Count(); ++i) order_->Positions(i).Checked = state;
    saved_ = false;
    Refresh();
}

void OrderController::SyncChecks(const std::vector<bool>& rowChecks) {
    if (!open_) return;
    const int n = std::min(order_->Count(), static_cast<int>(rowChecks.size()));
    for (int i = 0; i < n; ++i) {
        TftfConstruction& p = order_->Positions(i);
        if (p.Checked != rowChecks[static_cast<std::size_t>(i)]) {
            p.Checked = rowChecks[static_cast<std::size_t>(i)];
            saved_ = false;
            break;
        }
    }
    Refresh();
}

void OrderController::MovePosition(int from, int to) {
    if (!open_) return;
    const int n = order_->Count();
    if (from < 0 || from >= n || to < 0 || to >= n) return;
    order_->InsertPosition(to, order_->TakePosition(from));
    focused_ = to;
    selected_ = {to};
    saved_ = false;
    Refresh();
}

void OrderController::AppendPositions(std::vector<std::unique_ptr<TftfConstruction>> positions) {
    if (positions.empty()) return;
    const int first = order_->Count();
    for (auto& p : positions) order_->InsertPosition(order_->Count(), std::move(p));
    selected_.clear();
    for (int i = first; i < order_->Count(); ++i) selected_.push_back(i);
    focused_ = first;
    saved_ = false;
}

void OrderController::AddFromFile() {
    if (!open_) return;
    FileDialogRequest r;
    r.title = "Открыть...";
    r.filter = "Заказ 370 (*.ffo370)|*.ffo370|Заказ 317 (*.ffo)|*.ffo|Выборка (*.ffs370)|*.ffs370";
    r.defaultExt = ".ffo370";
    r.initialDir = AppPaths().OrdersDir;
    r.multiSelect = true;
    const std::vector<std::string> files = CurrentPrompter().OpenFiles(r);
    bool added = false;
    BusyCursor busy;
    for (const std::string& file : files) {
        try {
            TftfOrder source;
            bool converted = false;
            // A file not read in full adds nothing (the load has said why).
            if (!source.LoadFromFile(file, converted)) continue;
            std::vector<std::unique_ptr<TftfConstruction>> positions;
            while (source.Count() > 0) positions.push_back(source.TakePosition(0));
            added = added || !positions.empty();
            AppendPositions(std::move(positions));
        } catch (const std::exception& e) {
            ShowError(FillMessage(kMergeError, {file, e.what()}));
        }
    }
    // The added positions carry the prices of their own order's currency and price group.
    if (added) {
        ShowWarning(kRecalcNeeded);
        PostRequest(OrderRequest::Recalculate);
    }
    Refresh();
}

void OrderController::CopyPositions() {
    if (!open_) return;
    std::vector<const TftfConstruction*> positions;
    for (int i : selected_)
        if (i >= 0 && i < order_->Count()) positions.push_back(&order_->Positions(i));
    if (positions.empty()) return;
    try {
        SharedPositionClipboard().Copy(positions, order_->CurrencyId, order_->PriceGroupNo);
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    UpdateCommands();
}

void OrderController::PastePositions() {
    if (!open_) return;
    const PositionClipboard& clipboard = SharedPositionClipboard();
    if (!clipboard.HasPositions()) return;
    try {
        AppendPositions(clipboard.Paste(*order_));
        if (clipboard.CurrencyId() != order_->CurrencyId || clipboard.PriceGroupNo() != order_->PriceGroupNo) {
            ShowWarning(kRecalcNeeded);
            PostRequest(OrderRequest::Recalculate);
        }
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    Refresh();
}

void OrderController::SelectAll() {
    if (!open_) return;
    selected_.clear();
    for (int i = 0; i < order_->Count(); ++i) selected_.push_back(i);
    UpdateCommands();
}

// --- The list ----------------------------------------------------------------------------------------

int OrderController::SelectedIndex() const {
    if (selected_.empty()) return -1;
    const bool focusedSelected = std::find(selected_.begin(), selected_.end(), focused_) != selected_.end();
    const int index = focusedSelected ? focused_ : selected_.front();
    return index >= 0 && index < order_->Count() ? index : -1;
}

const TftfConstruction* OrderController::FocusedPosition() const {
    const int index = SelectedIndex();
    return index >= 0 ? &order_->Positions(index) : nullptr;
}

void OrderController::FocusRow(int index) {
    focused_ = index >= 0 && index < order_->Count() ? index : -1;
    selected_.clear();
    if (focused_ >= 0) selected_.push_back(focused_);
    BuildSummary();
    UpdateCommands();
}

void OrderController::SetSelection(std::vector<int> rows) {
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int i) { return i < 0 || i >= order_->Count(); }),
               rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    selected_ = std::move(rows);
    UpdateCommands();
}

void OrderController::RefillRows() {
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(order_->Count()));
    for (int i = 0; i < order_->Count(); ++i) {
        const TftfConstruction& p = order_->Positions(i);
        std::int32_t width = 0, height = 0;
        PositionRebateSize(p, width, height);
        OrderRow row;
        row.checked = p.Checked;
        row.posNo = p.PosNo;
        row.width = IntText(width);
        row.height = IntText(height);
        row.quantity = IntText(p.Quantity);
        row.name = p.PosName;
        row.price = FormatMoney(p.Price);
        row.total = FormatMoney(p.Total());
        rows_.push_back(std::move(row));
    }
}

void OrderController::BuildSummary() {
    summary_.clear();
    const TftfConstruction* p = FocusedPosition();
    if (!p) return;
    try {
        summary_.push_back("Фурнитура: " + GetSystemName(dm_, p->FurnSys));
        summary_.push_back("Профиль: " + GetStrikeSystemName(dm_, p->ProfSys));
        summary_.push_back("Цвет: " + GetColorName(dm_, p->Color));
        summary_.push_back("Фальц: " + GetFalzName(dm_, p->FalzType));
        summary_.push_back("Дорнмасс (ств 1 / ств 2): " + GetDornName(dm_, p->Sash1->Dornmass) + " / " +
                           GetDornName(dm_, p->Sash2->Dornmass));
        summary_.push_back("Тип штульпа: " + GetStulpName(dm_, p->StulpType));
        summary_.push_back("Тип створки: " + GetOpenName(dm_, p->OpenType));
        p->SetNames(&summary_);
    } catch (const std::exception&) {
        // The summary is informative only: it keeps the lines written so far.
    }
}

void OrderController::UpdateCommands() {
    OrderCommandState& c = commands_;
    const bool calculated = open_ && order_->HasChecked();
    const bool row = open_ && RowSelected();
    c.save = open_ && !saved_;
    c.saveAs = open_;
    c.print = c.recalc = calculated;
    c.copy = c.editPosition = c.removePosition = row;
    c.selectAll = open_ && order_->Count() > 0;
    c.newPosition = c.addFromFile = open_;
    c.paste = open_ && SharedPositionClipboard().HasPositions();
}

void OrderController::Refresh() {
    selected_.erase(std::remove_if(selected_.begin(), selected_.end(),
                                   [this](int i) { return i < 0 || i >= order_->Count(); }),
                    selected_.end());
    RefillRows();
    BuildSummary();
    status_ = {order_->OrderNo, order_->Customer, order_->ObjectName, std::string()};
    UpdateCommands();
}

// --- Requests ----------------------------------------------------------------------------------------

std::vector<OrderRequest> OrderController::TakeRequests() {
    std::vector<OrderRequest> out(requests_.begin(), requests_.end());
    requests_.clear();
    return out;
}

void OrderController::HandleRequest(OrderRequest request) {
    switch (request) {
    case OrderRequest::EditRequisites: EditRequisites(); break;
    case OrderRequest::Recalculate: RecalcOrder(); break;
    }
}

void OrderController::HandleRequests() {
    while (!requests_.empty()) {
        const OrderRequest r = requests_.front();
        requests_.pop_front();
        HandleRequest(r);
    }
}

}  // namespace ftf
