#include "ui/StartupForms.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ftf::ui {

TConfigListDlg::TConfigListDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Конфигурация"));
    auto* label = new QLabel(QStringLiteral("Выберите конфигурацию:"), this);
    ConfigCombo = new QComboBox(this);
    ConfigCombo->setObjectName(QStringLiteral("ConfigCombo"));
    ConfigCombo->setEditable(false);
    ConfigCombo->setMaxVisibleItems(15);
    ConfigCombo->setMinimumWidth(260);
    label->setBuddy(ConfigCombo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ConfigCombo);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TConfigListDlg::SetNames(const std::vector<std::string>& names, int preselected) {
    ConfigCombo->clear();
    for (const auto& n : names) ConfigCombo->addItem(QString::fromUtf8(n.c_str()));
    ConfigCombo->setCurrentIndex(preselected);
}

std::string TConfigListDlg::SelectedName() const { return ConfigCombo->currentText().toUtf8().toStdString(); }

std::optional<std::string> ConfigDialogRunner::Choose(const std::vector<std::string>& names, int preselected) {
    TConfigListDlg dialog;
    dialog.SetNames(names, preselected);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedName();
}

TSplashForm::TSplashForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    frame->setStyleSheet(QStringLiteral("QFrame { background: #1f3a5f; } QLabel { color: white; }"));

    auto* caption = new QLabel(QStringLiteral("ФУРНИТУРА "), frame);
    QFont big = caption->font();
    big.setPointSize(28);
    big.setBold(true);
    caption->setFont(big);
    caption->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("ВЕРСИЯ 3.80"), frame);
    QFont mid = version->font();
    mid.setPointSize(12);
    version->setFont(mid);
    version->setAlignment(Qt::AlignRight);
    LoadLab = new QLabel(frame);
    LoadLab->setObjectName(QStringLiteral("LoadLab"));
    ProgressBar = new QProgressBar(frame);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(12);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 24, 24, 16);
    inner->addStretch(1);
    inner->addWidget(caption);
    inner->addWidget(version);
    inner->addStretch(1);
    inner->addWidget(LoadLab);
    inner->addWidget(ProgressBar);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    resize(420, 240);
    if (QScreen* screen = QApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

void TSplashForm::SetProgress(int percent) {
    ProgressBar->setValue(percent);
    QApplication::processEvents();
}

void TSplashForm::SetLoadLabel(const QString& text) {
    LoadLab->setText(text);
    QApplication::processEvents();
}

}  // namespace ftf::ui
