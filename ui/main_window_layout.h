#pragma once

// The controls of the main window `frm_main`, with their captions, places and
// tab order. Like a form designer's generated class: the window inherits it,
// so every control is a member under its own name (and carries that name as
// its objectName).

#include <array>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QStyle;
class QWidget;

namespace trellwick {

// The client area, 10140 x 10035 twips at 15 twips to a pixel.
inline constexpr int kClientWidth = 676;
inline constexpr int kClientHeight = 669;

struct MainWindowControls {
    // Step 1: the two paths and "&Convert".
    QLabel* Label1 = nullptr;
    QLineEdit* txt_api = nullptr;
    QPushButton* cmd_BrwApi = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txt_scm = nullptr;
    QPushButton* cmd_BrwSCM = nullptr;
    QPushButton* cmd_ApiScm = nullptr;

    // Step 2: "Macro information".
    QGroupBox* frm_asd2t = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txt_name = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txt_bmp = nullptr;
    QButtonGroup* opt_asd2t = nullptr; // buttons "opt_asd2t_0" to "opt_asd2t_16", ids 0 to 16
    QLineEdit* txt_typeother = nullptr;
    QLabel* pic_bmp = nullptr;
    QPushButton* cmd_asd2t = nullptr;

    // Step 3: "User parameters".
    QGroupBox* frm_up = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txt_up1 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txt_up2 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txt_up3 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* txt_up4 = nullptr;
    QPushButton* cmd_up = nullptr;

    // The menu bar, two items without submenus.
    QAction* mnu_pref = nullptr;
    QAction* mnu_help = nullptr;

    // Creates every control on the window in its state at start: both frames
    // hidden, every box empty, no type chosen, the focus on `cmd_BrwApi`.
    void setup_controls(QMainWindow* window);

    // txt_up1 to txt_up4.
    std::array<QLineEdit*, 4> description_boxes() const {
        return {txt_up1, txt_up2, txt_up3, txt_up4};
    }

private:
    void create_paths(QWidget* client);
    void create_macro_information(QWidget* client, QStyle* frame_style);
    void create_type_options();
    void create_user_parameters(QWidget* client, QStyle* frame_style);
    void create_menu(QMainWindow* window);
    void set_tab_order();
};

} // namespace trellwick
