#pragma once
// Messages, questions and cursors go through one interface the core owns. The desktop installs
// message boxes, the command line a non-interactive answerer, the tests a scripted one. Core code
// calls the free functions below (ShowError, AskOkCancel, ...), which forward to the installed
// Prompter.

#include <optional>
#include <string>
#include <vector>

namespace ftf {

/// What a question puts at stake. A front end that cannot ask (the command line) answers by it:
/// reading questions (convert an older file?) are answered OK, destructive ones (delete, archive,
/// overwrite) only when the user allowed them beforehand, and ordinary ones stop the command.
enum class QuestionKind { Ordinary, Reading, Destructive };

enum class YesNoCancel { Yes, No, Cancel };

/// A file-dialog request. `filter` is in the old system's form ("Заказы (*.ffo370)|*.ffo370").
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string initialDir;
    std::string fileName;  ///< proposed name (save) or preselected name (open)
    std::string defaultExt;
    bool multiSelect = false;  ///< open dialog only
};

/// A list to choose from (the alternatives of an article, a record to pick). `rows[i]` holds the
/// cells of row i under `columns`.
struct ChoiceRequest {
    std::string caption;
    std::string text;  ///< explanatory text shown above the list; may be empty
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    int initialRow = 0;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    virtual void ShowInfo(const std::string& text) = 0;
    /// A plain message box without icon or sound (a directory that could not be deleted).
    virtual void ShowPlain(const std::string& text) = 0;

    /// True on OK.
    virtual bool AskOkCancel(const std::string& text, QuestionKind kind = QuestionKind::Ordinary) = 0;
    /// True on OK.
    virtual bool AskOkAbort(const std::string& text, QuestionKind kind = QuestionKind::Ordinary) = 0;
    /// 1 or 2 for the button pressed, 0 when the dialog was closed otherwise.
    virtual int AskTwoButtons(const std::string& text, const std::string& caption1,
                              const std::string& caption2, const std::string& title,
                              QuestionKind kind = QuestionKind::Ordinary) = 0;
    /// "Сохранить заказ?" and its kind.
    virtual YesNoCancel AskYesNoCancel(const std::string& text,
                                       QuestionKind kind = QuestionKind::Ordinary) = 0;

    /// A one-line input; nullopt when cancelled.
    virtual std::optional<std::string> InputLine(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) = 0;
    /// Open dialog: the chosen files (one unless multiSelect); empty when cancelled.
    virtual std::vector<std::string> OpenFiles(const FileDialogRequest& request) = 0;
    /// Save dialog: the chosen file; nullopt when cancelled.
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    /// The row the cursor rests on when the chooser is closed, however it is closed
    /// (-1 only when the list is empty).
    virtual int Choose(const ChoiceRequest& request) = 0;

    /// Busy cursors; calls nest, each Begin paired with an End (use BusyCursor).
    virtual void BeginBusy(bool databaseWait) = 0;
    virtual void EndBusy() = 0;
};

/// The installed prompter (a non-interactive one that writes to standard error until another
/// is installed). Not owned.
Prompter& CurrentPrompter();
/// Installs a prompter and returns the previous one; nullptr restores the default.
Prompter* SetPrompter(Prompter* prompter);

/// Installs a prompter for the lifetime of the guard (tests, the command line).
class ScopedPrompter {
public:
    explicit ScopedPrompter(Prompter& p) : previous_(SetPrompter(&p)) {}
    ~ScopedPrompter() { SetPrompter(previous_); }
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    Prompter* previous_;
};

/// Busy cursor held for a scope, restored on every exit path.
class BusyCursor {
public:
    explicit BusyCursor(bool databaseWait = false) { CurrentPrompter().BeginBusy(databaseWait); }
    ~BusyCursor() { CurrentPrompter().EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The system's message helpers, forwarding to the installed prompter.
void ShowError(const std::string& text);
void ShowWarning(const std::string& text);
void ShowInfo(const std::string& text);
/// Shows text + CR LF + "[" + detail + "]" as an error.
void ShowErrorDetail(const std::string& text, const std::string& detail);
bool AskOkCancel(const std::string& text, QuestionKind kind = QuestionKind::Ordinary);
bool AskOkAbort(const std::string& text, QuestionKind kind = QuestionKind::Ordinary);
int AskTwoButtons(const std::string& text, const std::string& caption1, const std::string& caption2,
                  const std::string& title, QuestionKind kind = QuestionKind::Ordinary);

}  // namespace ftf
