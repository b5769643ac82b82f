#pragma once

// The main window `frm_main`: the controls of one conversion, their handlers
// and start-up. The steps themselves are in conversion/; each handler reads
// the controls into the form, runs its step and shows the form back.

#include "conversion/conversion_form.h"
#include "conversion/steps.h"
#include "ui/file_selection.h"
#include "ui/main_window_layout.h"

#include <QMainWindow>

namespace trellwick {

class Dialogs;
class Host;
class PreferencesLink;
class Settings;

class MainWindow : public QMainWindow, private MainWindowControls {
    Q_OBJECT

public:
    // Creates the controls and, as the first work of the window, loads the
    // settings file "quorvel.ini" from the working directory.
    MainWindow(Settings& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window in Step 1, or, when the settings couldn't be loaded,
    // the Preferences window instead until the directories are saved.
    void start();

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The control that has the focus shows its focus mark from the start.
    void showEvent(QShowEvent* event) override;
    // An API or SCM macro dropped anywhere on the window is taken as if it
    // had been chosen with its browse button; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The text boxes would take a dropped file as text: its drop goes to the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmd_BrwApi_Click();
    void cmd_BrwSCM_Click();
    void take_api_file(const ChosenFile& chosen);
    void take_scm_file(const ChosenFile& chosen);
    void cmd_ApiScm_Click();
    void txt_bmp_Change();
    void cmd_asd2t_Click();
    void cmd_up_Click();
    void mnu_pref_Click();
    void mnu_help_Click();
    void preferences_saved();
    void preferences_closed();

    // Reads the controls into the form, runs the step under a wait cursor and
    // shows the form back.
    template <typename Step> StepOutcome run_step(Step&& step);

    Settings& settings_;
    Dialogs& dialogs_;
    PreferencesLink* preferences_;
    FileSelection files_;
    StepEnvironment environment_;
    ConversionForm form_;
    bool settings_loaded_ = false;
    bool waiting_for_preferences_ = false;
};

} // namespace trellwick
