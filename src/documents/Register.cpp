#include "documents/Register.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "catalogue/Table.h"
#include "catalogue/TableBackend.h"
#include "catalogue/Tdm.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Helpers.h"
#include "common/Prompter.h"
#include "common/StoredPath.h"
#include "documents/Order.h"
#include "settings/Setup.h"

namespace fs = std::filesystem;

namespace ftf {
namespace {

const char* const kNoNumber =
    "Загружаемый заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера.";
const char* const kAlreadyRegistered =
    "Загружаемый заказ № %s уже существует\r\nв реестре заказов, Вы можете только\r\nобновить данные!";
const char* const kAppendFailed =
    "Ошибка добавления заказа в реестр!\r\n(%s)\r\n\r\nПродолжать регистрацию?";
const char* const kFileMissing = "Невозможно найти файл заказа № %s!\r\nФайл: %s.";
const char* const kNumberChanged =
    "Изменился номер заказ, обновить данные невозможно!\r\nПеререгистрируйте заказ.";
const char* const kUpdateFailed = "Ошибка обновления заказа в реестр!\r\n(%s)";
const char* const kDeleteFailed = "Ошибка удаления из реестра!\r\n(%s)";
const char* const kMoveFailed = "Ошибка %d переноса файла\r\n%s\r\nв %s!";
const char* const kDeleteQuestion = "Удалить заказ?";
const char* const kArchiveQuestion = "Поместить заказ в архив и удалить его из реестра?";
const char* const kRecycledMissing =
    "Заказ не был помещен в мусорку,\r\nт.к. не найден соответствующий ему файл:\r\n%s.";
const char* const kArchiveMissing =
    "Заказ не был помещен в архив,\r\nт.к. не найден соответствующий ему файл:\r\n%s.";

std::string Fmt(const char* format, const std::string& a) {
    int n = std::snprintf(nullptr, 0, format, a.c_str());
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, format, a.c_str());
    return out;
}

std::string Fmt(const char* format, const std::string& a, const std::string& b) {
    int n = std::snprintf(nullptr, 0, format, a.c_str(), b.c_str());
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, format, a.c_str(), b.c_str());
    return out;
}

std::string MoveError(int code, const std::string& from, const std::string& to) {
    int n = std::snprintf(nullptr, 0, kMoveFailed, code, from.c_str(), to.c_str());
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, kMoveFailed, code, from.c_str(), to.c_str());
    return out;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

// The values a record takes from its order (all but No, OrderFile and Note).
void WriteOrderValues(Table& t, const TftfOrder& order) {
    t.Set("RegDate", Value::FromDate(static_cast<std::int32_t>(std::floor(order.RegDate))));
    t.Set("Customer", Value(order.Customer));
    t.Set("Object", Value(order.ObjectName));
    t.Set("Address", Value(order.Address));
    t.Set("Phone", Value(order.Phones));
    t.Set("Cost", Value(order.GrandTotal()));
    t.Set("Currency", Value(static_cast<int>(order.CurrencyId)));
}

void CancelEdits(Table& t) {
    if (t.State() == TableState::Edit || t.State() == TableState::Insert) t.Cancel();
}

// Moves `from` to `to` without ever replacing an existing `to`. Returns 0 or the system's
// error code (EEXIST when `to` appeared meanwhile).
int MoveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0) return 0;
        int code = errno;
        ::unlink(to.c_str());
        return code;
    }
    int code = errno;
    if (code != EXDEV && code != EPERM && code != ENOTSUP && code != EMLINK) return code;
    // Another file system, or one without hard links: copy (never over a file), then remove.
    std::error_code ec;
    if (!fs::copy_file(from, to, fs::copy_options::none, ec)) return ec ? ec.value() : EEXIST;
    if (!fs::remove(from, ec)) {
        std::error_code ignored;
        fs::remove(to, ignored);
        return ec ? ec.value() : ENOENT;
    }
    return 0;
}

// Makes the first record numbered `no` without regard to letter case current.
bool FindNumber(Table& t, const std::string& no) {
    LocateOptions anyCase;
    anyCase.caseInsensitive = true;
    return !t.IsEmpty() && t.Locate("No", Value(no), anyCase);
}

// The order window's use of the register table: opened for the call when closed, display
// updates suspended and the filter off meanwhile; filter, order and current record (found again
// by its number, since the rows are read afresh) are put back on every way out.
class RegisterScope {
public:
    explicit RegisterScope(OrderRegister& reg) : reg_(reg), t_(reg.Records()), wasOpen_(t_.IsOpen()) {
        // An edit pending in the register window is posted first: the rows are read afresh
        // below, and the edit must land on the record it was begun on.
        if (wasOpen_ && (t_.State() == TableState::Edit || t_.State() == TableState::Insert)) t_.Post();
        open_ = wasOpen_ || reg_.Open();
        if (!open_) return;
        filter_ = t_.Filter();
        filtered_ = t_.Filtered();
        options_ = t_.GetFilterOptions();
        index_ = t_.ActiveIndex();
        if (!t_.IsEmpty()) currentNo_ = t_.AsText("No");
        t_.DisableControls();
        t_.SetFiltered(false);
    }
    ~RegisterScope() {
        if (!open_) return;
        try {
            CancelEdits(t_);
            t_.SetFiltered(false);
            t_.SetFilterOptions(options_);
            t_.SetFilter(filter_);
            t_.SetActiveIndex(index_);
            t_.SetFiltered(filtered_);
            if (!currentNo_.empty()) reg_.LocateNumber(currentNo_);
        } catch (...) {
            // Putting back a filter that compiled before cannot fail.
        }
        t_.EnableControls();
        if (!wasOpen_) reg_.Close();
    }
    RegisterScope(const RegisterScope&) = delete;
    RegisterScope& operator=(const RegisterScope&) = delete;

    bool Open() const { return open_; }

private:
    OrderRegister& reg_;
    Table& t_;
    bool wasOpen_;
    bool open_ = false;
    std::string filter_;
    bool filtered_ = false;
    FilterOptions options_;
    int index_ = 0;
    std::string currentNo_;
};

}  // namespace

std::string RegisterMoveTarget(const std::string& file, const std::string& targetDir) {
    const std::string base = SanitizeFileNameNoDots(fs::path(file).stem().string(), '_');
    const fs::path dir(targetDir);
    std::string candidate = (dir / (base + ".ffo")).string();
    if (!Exists(candidate)) return candidate;
    char suffix[32];
    for (int i = 1; i <= 10000; ++i) {
        std::snprintf(suffix, sizeof suffix, "~%d", i);
        candidate = (dir / (base + suffix + ".ffo")).string();
        if (i == 10000 || !Exists(candidate)) break;
    }
    return candidate;
}

OrderRegister::OrderRegister(TDM& dm, RegisterFolders folders) : dm_(dm), folders_(std::move(folders)) {}

Table& OrderRegister::Records() { return dm_.T_OrderList(); }

bool OrderRegister::Open() { return dm_.OpenDataSet(Records()); }

void OrderRegister::Close() { dm_.CloseDataSet(Records()); }

void OrderRegister::Reread() {
    Table& t = Records();
    if (!t.IsOpen()) return;
    const std::string no = t.IsEmpty() ? std::string() : t.AsText("No");
    try {
        dm_.RefreshTable(t);
    } catch (const std::exception& e) {
        ShowError(e.what());
        return;
    }
    if (!no.empty()) LocateNumber(no);
}

bool OrderRegister::LocateNumber(const std::string& no) {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return false;
    return t.Locate("No", Value(no));
}

RegisterFilesResult OrderRegister::RegisterFiles() {
    FileDialogRequest request;
    request.title = "Открыть заказ...";
    request.filter = "Заказ (*.ffo)|*.ffo|Все файлы (*.*)|*.*";
    request.defaultExt = ".ffo";
    request.initialDir = folders_.ordersDir;
    request.multiSelect = true;
    std::vector<std::string> files = CurrentPrompter().OpenFiles(request);
    if (files.empty()) return {};
    return RegisterOrderFiles(files);
}

RegisterFilesResult OrderRegister::RegisterOrderFiles(const std::vector<std::string>& files) {
    RegisterFilesResult result;
    Table& t = Records();
    if (!t.IsOpen() && !Open()) {
        result.refused = static_cast<int>(files.size());
        return result;
    }
    BusyCursor busy;
    t.DisableControls();
    for (const std::string& file : files) {
        TftfOrder order;
        try {
            bool converted = false;
            if (!order.LoadFromFile(file, converted)) {
                ++result.refused;  // the load has reported why
                continue;
            }
        } catch (const std::exception& e) {
            ShowError(e.what());
            ++result.refused;
            continue;
        }
        if (order.OrderNo.empty()) {
            ShowError(kNoNumber);
            ++result.refused;
            continue;
        }
        bool duplicate = false;
        std::string failure;
        try {
            EditInTransaction([&](Table& rows) {
                if (FindNumber(rows, order.OrderNo)) {
                    duplicate = true;
                    return false;
                }
                rows.Append();
                rows.Set("No", Value(order.OrderNo));
                WriteOrderValues(rows, order);
                rows.Set("OrderFile", Value(StoredPathFor(file, folders_.ordersDir)));
                rows.Post();
                return true;
            });
        } catch (const std::exception& e) {
            failure = e.what();
        }
        if (duplicate) {
            ShowError(Fmt(kAlreadyRegistered, order.OrderNo));
            ++result.refused;
        } else if (!failure.empty()) {
            ++result.refused;
            if (!AskOkAbort(Fmt(kAppendFailed, failure))) {
                result.aborted = true;
                break;
            }
        } else {
            ++result.registered;
        }
    }
    Reread();
    t.EnableControls();
    return result;
}

bool OrderRegister::EditInTransaction(const std::function<bool(Table&)>& edit) {
    Table& t = Records();
    try {
        // The rows are read anew inside the write transaction: another process may have
        // registered this number since we last looked, and nobody can until we commit.
        BackendTransaction tx(t.Data().Backend());
        dm_.RefreshTable(t);
        if (!edit(t)) return false;
        tx.Commit();
        return true;
    } catch (...) {
        CancelEdits(t);
        try {
            dm_.RefreshTable(t);  // drop whatever the failed write left in memory
        } catch (...) {
        }
        throw;
    }
}

bool OrderRegister::RegisteredDate(const std::string& no, std::optional<OleDate>& date) {
    date.reset();
    RegisterScope scope(*this);
    if (!scope.Open()) return false;
    Table& t = Records();
    dm_.RefreshTable(t);
    if (FindNumber(t, no)) date = static_cast<OleDate>(t.AsInt("RegDate"));
    return true;
}

bool OrderRegister::WriteOrderRecord(const TftfOrder& order, const std::string& orderFile,
                                     const std::string& previousNo) {
    RegisterScope scope(*this);
    if (!scope.Open()) return false;
    const std::string stored = StoredPathFor(orderFile, folders_.ordersDir);
    EditInTransaction([&](Table& t) {
        // A saved order whose number changed keeps its record under the new number.
        const bool renumber = !previousNo.empty() && !SameTextNoCase(previousNo, order.OrderNo) &&
                              FindNumber(t, previousNo);
        if (renumber || FindNumber(t, order.OrderNo))
            t.Edit();
        else
            t.Append();
        t.Set("No", Value(order.OrderNo));
        WriteOrderValues(t, order);
        t.Set("OrderFile", Value(stored));
        t.Post();
        return true;
    });
    return true;
}

std::string OrderRegister::CurrentOrderFile() {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return {};
    const std::string stored = DecodeRelPath(ToStoredForm(folders_.ordersDir), t.AsText("OrderFile"));
    return ResolveStoredPath(stored, folders_.ordersDir);
}

std::optional<std::string> OrderRegister::OpenRegisteredOrder() {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return std::nullopt;
    std::string file = CurrentOrderFile();
    if (!Exists(file)) {
        ShowError(Fmt(kFileMissing, t.AsText("No"), file));
        return std::nullopt;
    }
    return file;
}

void OrderRegister::DeleteFromRegister(bool ask, bool moveFiles) { RemoveRecords(Removal::Delete, ask, moveFiles); }

void OrderRegister::MoveToArchive() { RemoveRecords(Removal::Archive, true, true); }

void OrderRegister::RemoveRecords(Removal kind, bool ask, bool moveFiles) {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return;
    const bool archive = kind == Removal::Archive;
    if (ask && !AskOkCancel(archive ? kArchiveQuestion : kDeleteQuestion, QuestionKind::Destructive)) return;

    BusyCursor busy;
    std::vector<std::string> files;
    try {
        std::vector<Bookmark> marks = t.Marks();
        if (!marks.empty()) {
            t.DisableControls();
            try {
                for (const Bookmark& b : marks) {
                    if (!t.GotoBookmark(b)) continue;  // gone meanwhile
                    t.SetMarked(false);
                    files.push_back(CurrentOrderFile());
                    t.Delete();
                }
            } catch (...) {
                t.ClearMarks();
                t.EnableControls();
                throw;
            }
            t.ClearMarks();
            t.EnableControls();
        } else {
            files.push_back(CurrentOrderFile());
            t.Delete();
        }
    } catch (const std::exception& e) {
        files.clear();
        ShowError(Fmt(kDeleteFailed, e.what()));
    }

    if (moveFiles) {
        const std::string& target = archive ? folders_.archiveDir : folders_.recycledDir;
        for (const std::string& file : files)
            MoveOrderFile(file, target, archive ? kArchiveMissing : kRecycledMissing);
    }
    Reread();
}

void OrderRegister::MoveOrderFile(const std::string& file, const std::string& targetDir,
                                  const char* missingWarning) {
    if (!Exists(file)) {
        ShowWarning(Fmt(missingWarning, file));
        return;
    }
    if (targetDir.empty()) return;
    std::error_code ec;
    if (!fs::is_directory(targetDir, ec)) {
        if (fs::create_directories(targetDir, ec)) MarkFolderHidden(targetDir);
        if (ec) {
            // The file stays where it is; the failure is reported as a failed move.
            ShowError(MoveError(ec.value(), file, RegisterMoveTarget(file, targetDir)));
            return;
        }
    }
    // A name taken meanwhile (by another process) is skipped rather than overwritten.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string to = RegisterMoveTarget(file, targetDir);
        int code = MoveWithoutReplacing(file, to);
        if (code == 0) return;
        if (code != EEXIST || to.find("~10000.ffo") != std::string::npos) {
            ShowError(MoveError(code, file, to));
            return;
        }
    }
    ShowError(MoveError(EEXIST, file, RegisterMoveTarget(file, targetDir)));
}

bool OrderRegister::RefreshRecord(bool ask) {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return false;
    if (ask && !AskOkCancel("Обновить данные по заказу?")) return false;
    const std::string no = t.AsText("No");
    const std::string file = CurrentOrderFile();
    if (!Exists(file)) {
        ShowError(Fmt(kFileMissing, no, file));
        return false;
    }
    BusyCursor busy;
    TftfOrder order;
    try {
        bool converted = false;
        if (!order.LoadFromFile(file, converted)) return false;
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
    if (order.OrderNo != no) {
        ShowError(kNumberChanged);
        return false;
    }
    bool updated = false;
    try {
        t.Edit();
        WriteOrderValues(t, order);
        t.Post();
        updated = true;
    } catch (const std::exception& e) {
        CancelEdits(t);
        ShowError(Fmt(kUpdateFailed, e.what()));
    }
    Reread();
    return updated;
}

bool OrderRegister::ClearRegister() {
    Table& t = Records();
    if (!t.IsOpen() || t.IsEmpty()) return false;
    if (!AskOkCancel("Очистить реестр заказов не удаляя файлы заказов?", QuestionKind::Destructive)) return false;
    try {
        dm_.EmptyTable(t);
    } catch (const std::exception& e) {
        ShowErrorDetail("Ошибка очистки реестра", e.what());
        return false;
    }
    return true;
}

bool OrderRegister::FindInRegister(const std::string& selectedColumn) {
    Table& t = Records();
    if (!t.IsOpen()) return false;
    const char* field = "No";
    const char* prompt = "Номер заказа";
    if (selectedColumn == "Customer") {
        field = "Customer";
        prompt = "Заказчик";
    } else if (selectedColumn == "Object") {
        field = "Object";
        prompt = "Объект";
    }
    std::optional<std::string> text = CurrentPrompter().InputLine("Поиск", prompt, "");
    if (!text || t.IsEmpty()) return false;
    LocateOptions o;
    o.caseInsensitive = true;
    o.partialKey = true;
    return t.Locate(field, Value(*text), o);
}

void OrderRegister::SortRegister(RegisterSort sort) {
    static const char* const kIndexes[] = {"", "Date", "CustName", "ObjName"};
    Records().SetIndexName(kIndexes[static_cast<int>(sort)]);
    sort_ = sort;
}

void OrderRegister::TitleClick(const std::string& column) {
    Table& t = Records();
    if (column == "Selected") {
        if (!t.IsOpen() || t.IsEmpty()) return;
        if (!t.Marks().empty()) {
            t.ClearMarks();
            return;
        }
        const Bookmark here = t.GetBookmark();
        t.DisableControls();
        for (t.First(); !t.Eof(); t.Next()) t.SetMarked(true);
        t.GotoBookmark(here);
        t.EnableControls();
        return;
    }
    if (column == "RegDate") SortRegister(RegisterSort::ByDate);
    else if (column == "Customer") SortRegister(RegisterSort::ByCustomer);
    else if (column == "Object") SortRegister(RegisterSort::ByObject);
    else SortRegister(RegisterSort::ByNumber);
}

RegisterCommandState OrderRegister::CommandState() {
    RegisterCommandState s;
    Table& t = Records();
    s.recordCount = t.IsOpen() ? t.RecordCount() : 0;
    s.statusText = "Заказов: " + std::to_string(s.recordCount);
    const bool any = s.recordCount > 0;
    s.openEnabled = s.deleteEnabled = s.archiveEnabled = s.refreshEnabled = s.navigatorEnabled = any;
    s.saveEnabled = false;
    s.readOnly = !any;
    s.sort = sort_;
    return s;
}

}  // namespace ftf
