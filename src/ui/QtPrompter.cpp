#include "ui/QtPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ftf::ui {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// Boxes show the text with the line breaks the system writes as CR LF.
QString BoxText(const std::string& s) { return Q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QWidget* Parent() { return QApplication::activeWindow(); }

// While a box is open the normal cursor shows, whatever the caller's busy state.
class NormalCursor {
public:
    NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QApplication::restoreOverrideCursor(); }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;
};

void SetButtonTexts(QMessageBox& box) {
    struct { QMessageBox::StandardButton button; const char* text; } texts[] = {
        {QMessageBox::Ok, "OK"},         {QMessageBox::Cancel, "Отмена"}, {QMessageBox::Abort, "Прервать"},
        {QMessageBox::Yes, "Да"},        {QMessageBox::No, "Нет"},
    };
    for (const auto& t : texts)
        if (QAbstractButton* b = box.button(t.button)) b->setText(QString::fromUtf8(t.text));
}

QMessageBox::StandardButton RunBox(QMessageBox::Icon icon, const char* title, const std::string& text,
                                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def,
                                   bool beep) {
    NormalCursor cursor;
    if (beep) QApplication::beep();
    QMessageBox box(icon, QString::fromUtf8(title), BoxText(text), buttons, Parent());
    box.setDefaultButton(def);
    SetButtonTexts(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

std::string QtPrompter::QtFilter(const std::string& filter) {
    // The old platform matched a three-letter extension pattern against longer extensions too
    // ("*.ffo" lists "a.ffo370"); the patterns Qt reads from the entry's parentheses say so.
    static const QRegularExpression threeLetters(QStringLiteral("^\\*\\.[^.*?]{3}$"));
    QStringList parts = Q(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << p;
            if (threeLetters.match(p).hasMatch()) patterns << p + QStringLiteral("?*");
        }
        const int open = name.lastIndexOf(QLatin1Char('('));
        if (open >= 0) name.truncate(open);
        entries << name.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return S(entries.join(QStringLiteral(";;")));
}

void QtPrompter::ShowError(const std::string& text) {
    RunBox(QMessageBox::Critical, "Ошибка", text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void QtPrompter::ShowWarning(const std::string& text) {
    RunBox(QMessageBox::Warning, "Предупреждение", text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void QtPrompter::ShowInfo(const std::string& text) {
    RunBox(QMessageBox::Information, "Информация", text, QMessageBox::Ok, QMessageBox::Ok, false);
}

void QtPrompter::ShowPlain(const std::string& text) {
    RunBox(QMessageBox::NoIcon, "Fentorn ФУРНИТУРА", text, QMessageBox::Ok, QMessageBox::Ok, false);
}

bool QtPrompter::AskOkCancel(const std::string& text, QuestionKind) {
    return RunBox(QMessageBox::Question, "Подтверждение", text, QMessageBox::Ok | QMessageBox::Cancel,
                  QMessageBox::Ok, false) == QMessageBox::Ok;
}

bool QtPrompter::AskOkAbort(const std::string& text, QuestionKind) {
    return RunBox(QMessageBox::Question, "Подтверждение", text, QMessageBox::Ok | QMessageBox::Abort,
                  QMessageBox::Ok, true) == QMessageBox::Ok;
}

int QtPrompter::AskTwoButtons(const std::string& text, const std::string& caption1, const std::string& caption2,
                              const std::string& title, QuestionKind) {
    NormalCursor cursor;
    QApplication::beep();
    QMessageBox box(QMessageBox::Question, Q(title), BoxText(text), QMessageBox::NoButton, Parent());
    QPushButton* first = box.addButton(Q(caption1), QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(Q(caption2), QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.exec();
    if (box.clickedButton() == first) return 1;
    if (box.clickedButton() == second) return 2;
    return 0;
}

YesNoCancel QtPrompter::AskYesNoCancel(const std::string& text, QuestionKind) {
    switch (RunBox(QMessageBox::Question, "Подтверждение", text,
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, false)) {
        case QMessageBox::Yes: return YesNoCancel::Yes;
        case QMessageBox::No: return YesNoCancel::No;
        default: return YesNoCancel::Cancel;
    }
}

std::optional<std::string> QtPrompter::InputLine(const std::string& caption, const std::string& prompt,
                                                 const std::string& initial) {
    NormalCursor cursor;
    QInputDialog dialog(Parent());
    dialog.setWindowTitle(Q(caption));
    dialog.setLabelText(Q(prompt));
    dialog.setTextValue(Q(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return S(dialog.textValue());
}

std::vector<std::string> QtPrompter::OpenFiles(const FileDialogRequest& request) {
    NormalCursor cursor;
    QFileDialog dialog(Parent(), Q(request.title), Q(request.initialDir), Q(QtFilter(request.filter)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(Q(request.defaultExt).remove(0, request.defaultExt[0] == '.' ? 1 : 0));
    if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
    std::vector<std::string> files;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& f : dialog.selectedFiles()) files.push_back(S(f));
    return files;
}

std::optional<std::string> QtPrompter::SaveFile(const FileDialogRequest& request) {
    NormalCursor cursor;
    QFileDialog dialog(Parent(), Q(request.title), Q(request.initialDir), Q(QtFilter(request.filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(Q(request.defaultExt).remove(0, request.defaultExt[0] == '.' ? 1 : 0));
    if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return S(dialog.selectedFiles().first());
}

int QtPrompter::Choose(const ChoiceRequest& request) {
    if (request.rows.empty()) return -1;
    NormalCursor cursor;
    QDialog dialog(Parent());
    dialog.setWindowTitle(Q(request.caption));
    auto* table = new QTableWidget(static_cast<int>(request.rows.size()), static_cast<int>(request.columns.size()),
                                   &dialog);
    QStringList headers;
    for (const auto& c : request.columns) headers << Q(c);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(request.rows[r].size()); ++c)
            table->setItem(r, c, new QTableWidgetItem(Q(request.rows[r][c])));
    table->horizontalHeader()->setStretchLastSection(true);
    int initial = request.initialRow >= 0 && request.initialRow < table->rowCount() ? request.initialRow : 0;
    table->selectRow(initial);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    dialog.resize(560, 360);
    dialog.exec();
    // The row the cursor rests on counts, however the chooser was closed.
    int row = table->currentRow();
    return row >= 0 ? row : initial;
}

void QtPrompter::BeginBusy(bool databaseWait) {
    QApplication::setOverrideCursor(databaseWait ? Qt::BusyCursor : Qt::WaitCursor);
}

void QtPrompter::EndBusy() { QApplication::restoreOverrideCursor(); }

}  // namespace ftf::ui
