#pragma once

// The Preferences window: the three directories, typed or picked with the
// drive and directory lists, and saved into the settings file.

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trellwick {

class Dialogs;
class DirectoryList;
class Settings;

class PreferencesWindow : public QWidget {
    Q_OBJECT

public:
    // Which box "Select" fills; set only by the three "..." buttons.
    enum class ChooserTarget { None = 0, QuorvelDirectory = 1, ApiDirectory = 2, ScmDirectory = 3 };

    // A top-level window that deletes itself when closed. With a parent it
    // also goes when the parent goes.
    PreferencesWindow(Dialogs& dialogs, Settings& settings, QWidget* parent = nullptr);

    // Refills the three boxes from the saved values, dropping unsaved edits,
    // and shows the window in front with the keyboard focus.
    void show_settings();

    ChooserTarget chooser_target() const { return chooser_target_; }

signals:
    // The settings file was written; the window hides right after.
    void saved();
    // Closed by its frame's close control or close(); it is deleted next.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void create_controls();

    void cmd_quorvel_Click();
    void cmd_api_Click();
    void cmd_scm_Click();
    void Drive1_Change(int index);
    void Command1_Click();
    void Command2_Click();

    void open_chooser(ChooserTarget target);
    std::optional<std::string> encode(const QLineEdit* box, const QString& name);

    Dialogs& dialogs_;
    Settings& settings_;
    ChooserTarget chooser_target_ = ChooserTarget::None;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txt_quorveldir = nullptr;
    QLineEdit* txt_apdir = nullptr;
    QLineEdit* txt_scdir = nullptr;
    QPushButton* cmd_quorvel = nullptr;
    QPushButton* cmd_api = nullptr;
    QPushButton* cmd_scm = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* frm_chdir = nullptr;
    QComboBox* Drive1 = nullptr;
    DirectoryList* Dir1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace trellwick
