#pragma once
// The windows of the start: the configuration dialog and the splash.

#include <QDialog>
#include <QWidget>

#include "settings/Configuration.h"

class QComboBox;
class QLabel;
class QProgressBar;

namespace ftf::ui {

/// "Конфигурация": the installed configurations in a drop-down list, OK and Cancel.
class TConfigListDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TConfigListDlg(QWidget* parent = nullptr);
    void SetNames(const std::vector<std::string>& names, int preselected);
    std::string SelectedName() const;

private:
    QComboBox* ConfigCombo;
};

/// The configuration dialog as start-up asks for it.
class ConfigDialogRunner final : public ConfigurationDialog {
public:
    std::optional<std::string> Choose(const std::vector<std::string>& names, int preselected) override;
};

/// The splash shown while the data modules and the main window are created.
class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    TSplashForm();
    void SetProgress(int percent);
    void SetLoadLabel(const QString& text);

private:
    QLabel* LoadLab;
    QProgressBar* ProgressBar;
};

}  // namespace ftf::ui
