#pragma once
// The order register: the table of registered orders (T_OrderList of the data module) and the
// operations of the register window on it, without any window. The window (or the command line)
// holds an OrderRegister, calls its commands and reads CommandState() after each of them.
//
// Order files have three places that act as their status: active orders lie in the orders folder,
// archived ones in the archive folder, deleted ones in the recycle folder. The register lists
// only the active ones; deleting and archiving move the files.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Dates.h"

namespace ftf {

class TDM;
class Table;
class TftfOrder;

/// The folders the register works with (native paths; an empty recycle or archive folder means
/// that files are left where they are).
struct RegisterFolders {
    std::string ordersDir;
    std::string recycledDir;
    std::string archiveDir;
};

/// Record orders of the register ("Сортировать").
enum class RegisterSort { ByNumber, ByDate, ByCustomer, ByObject };

/// What the window shows and enables after a command.
struct RegisterCommandState {
    int recordCount = 0;
    std::string statusText;         ///< first status panel: "Заказов: %d"
    bool openEnabled = false;       ///< "Открыть заказ", tool button "Открыть"
    bool deleteEnabled = false;     ///< "&Удалить заказ", tool button "Удалить"
    bool archiveEnabled = false;    ///< "Перенести в архив", tool button "В архив"
    bool refreshEnabled = false;    ///< "Обновить данные"
    bool navigatorEnabled = false;  ///< the main window's record navigator
    bool saveEnabled = false;       ///< "Сохранить", "&Сохранить как...", "&Сохранить все", save button
    bool readOnly = true;           ///< grid, OrderFileEdit and Memo
    RegisterSort sort = RegisterSort::ByNumber;  ///< the ticked item of "Сортировать"
};

/// The outcome of registering files.
struct RegisterFilesResult {
    int registered = 0;
    int refused = 0;       ///< files skipped with a message (no number, already registered, unreadable)
    bool aborted = false;  ///< the user ended the command after a failed append
};

class OrderRegister {
public:
    OrderRegister(TDM& dm, RegisterFolders folders);

    TDM& DataModule() { return dm_; }
    Table& Records();
    const RegisterFolders& Folders() const { return folders_; }

    /// Opens the register table (a failure is reported by the data module); false on failure.
    bool Open();
    void Close();

    /// "Зарегистрировать заказ": asks for files with the open dialog, then RegisterOrderFiles.
    RegisterFilesResult RegisterFiles();
    /// Registers the files in the order given. For each one the duplicate check and the insert
    /// run in one write transaction on freshly read rows, so two processes sharing the register
    /// never register one number twice.
    RegisterFilesResult RegisterOrderFiles(const std::vector<std::string>& files);

    /// The native path of the current record's order file (resolved without regard to case);
    /// "" when the register is empty.
    std::string CurrentOrderFile();
    /// "Открыть заказ": the file to load into a new order window; nullopt when the register is
    /// empty or the file is missing (reported).
    std::optional<std::string> OpenRegisteredOrder();

    /// "&Удалить заказ" (ask) or Ctrl+Del (no question): deletes the marked records in marking
    /// order, or the current one, and moves their files to the recycle folder when `moveFiles`.
    void DeleteFromRegister(bool ask, bool moveFiles);
    /// "В архив": the same, always moving the files to the archive folder.
    void MoveToArchive();

    /// "Обновить данные": re-reads the current record's values from its file. `ask` = false
    /// skips the question (the command line's refresh is its own confirmation). True when the
    /// record was updated.
    bool RefreshRecord(bool ask = true);
    /// "Очистить реестр": removes every record; the order files stay. True when emptied.
    bool ClearRegister();
    /// "Найти...": asks for a text and makes the first record whose field (chosen by the grid's
    /// selected column) begins with it current. True when a record was found.
    bool FindInRegister(const std::string& selectedColumn);
    /// "Сортировать".
    void SortRegister(RegisterSort sort);
    /// A click on a grid title.
    void TitleClick(const std::string& column);
    RegisterSort Sort() const { return sort_; }

    // --- The order window's side of the register ---------------------------------------------
    // Both open the table for the call when it is closed (and close it again), switch its filter
    // off meanwhile and leave filter, order and current record as they were. A table that cannot
    // be opened is reported by the data module.

    /// Looks for the first record numbered `no` without regard to letter case, in rows read
    /// afresh: `date` gets its order date, or nullopt when there is none. False when the table
    /// could not be opened (reported by the data module); errors of reading propagate.
    bool RegisteredDate(const std::string& no, std::optional<OleDate>& date);
    /// Writes the register record of an order saved in `orderFile` (native path): when
    /// `previousNo` is not empty, differs from OrderNo (letter case ignored) and has a record,
    /// that record is rewritten and so renumbered; otherwise the record numbered OrderNo (letter
    /// case ignored) is rewritten, or appended when there is none. `Note` is left alone. Runs
    /// in one write transaction on freshly read rows. False when the table cannot be opened;
    /// a failed write throws FtfError (nothing is written then).
    bool WriteOrderRecord(const TftfOrder& order, const std::string& orderFile, const std::string& previousNo);

    /// Makes the record numbered `no` current (exact comparison); false when none.
    bool LocateNumber(const std::string& no);

    /// UpdateRegisterCommands: the state the window shows.
    RegisterCommandState CommandState();

private:
    enum class Removal { Delete, Archive };
    void RemoveRecords(Removal kind, bool ask, bool moveFiles);
    void MoveOrderFile(const std::string& file, const std::string& targetDir, const char* missingWarning);
    void Reread();
    // Reads the rows afresh inside one write transaction and runs `edit` on them, committing
    // when it returns true: no other process can register a number between the check and the
    // write. After a failure (thrown on) the rows are read again, so nothing half-written stays.
    bool EditInTransaction(const std::function<bool(Table&)>& edit);

    TDM& dm_;
    RegisterFolders folders_;
    RegisterSort sort_ = RegisterSort::ByNumber;
};

/// The name a file moved into `targetDir` takes: targetDir/base.ffo, else base~1.ffo up to
/// base~9999.ffo, else base~10000.ffo, where base is the file's name without folder and
/// extension with the forbidden characters and the full stop replaced by "_".
std::string RegisterMoveTarget(const std::string& file, const std::string& targetDir);

}  // namespace ftf
