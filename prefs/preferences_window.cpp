#include "prefs/preferences_window.h"

#include "locale_text/code_page.h"
#include "prefs/directory_list.h"
#include "prefs/drive_roots.h"
#include "settings/settings_file.h"
#include "widgets/dialogs.h"
#include "widgets/widget_factory.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace trellwick {
namespace {

// The captions were placed for a narrower font than most platforms have. A
// label whose caption doesn't fit its place takes the free room to its right,
// up to `right`, and a wrapping one also below, up to `bottom`.
void make_room_for_caption(QLabel* label, int right, int bottom) {
    label->ensurePolished();
    QRect place = label->geometry();
    if (label->wordWrap()) {
        if (label->heightForWidth(place.width()) <= place.height())
            return;
        place.setRight(right);
        const int needed = label->heightForWidth(place.width());
        place.setHeight(std::max(place.height(), std::min(needed, bottom - place.top())));
    } else {
        const int needed = label->sizeHint().width();
        place.setWidth(std::max(place.width(), std::min(needed, right - place.left() + 1)));
    }
    label->setGeometry(place);
}

// The first character that the code page can't hold.
QString first_unwritable(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!to_code_page(character))
            return character;
    }
    return {};
}

} // namespace

PreferencesWindow::PreferencesWindow(Dialogs& dialogs, Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), settings_(settings) {
    setObjectName(QStringLiteral("frm_pref"));
    setWindowTitle(QStringLiteral("Preferences"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(0, 0, 6105, 7050).size());
    create_controls();
    set_tab_order({txt_quorveldir, txt_apdir, txt_scdir, cmd_quorvel, cmd_api, cmd_scm, Drive1,
                   Command1, Dir1, Command2});

    connect(cmd_quorvel, &QPushButton::clicked, this, &PreferencesWindow::cmd_quorvel_Click);
    connect(cmd_api, &QPushButton::clicked, this, &PreferencesWindow::cmd_api_Click);
    connect(cmd_scm, &QPushButton::clicked, this, &PreferencesWindow::cmd_scm_Click);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &PreferencesWindow::Drive1_Change);
    connect(Command1, &QPushButton::clicked, this, &PreferencesWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PreferencesWindow::Command2_Click);
}

void PreferencesWindow::create_controls() {
    Label1 = make_label(this, "Label1", QStringLiteral("Please specify the following directories:"),
                        twips(120, 120, 5160, 315));
    Label2 =
        make_label(this, "Label2", QStringLiteral("Quorvel directory"), twips(120, 720, 1695, 255));
    Label3 = make_label(this, "Label3", QStringLiteral("Default API directory"),
                        twips(120, 1080, 1815, 255));
    Label4 = make_label(
        this, "Label4",
        QStringLiteral("Default SCM directory (this is probably the macro directory of ASD)"),
        twips(120, 1440, 1695, 615));
    Label4->setWordWrap(true);

    txt_quorveldir = make_text_box(this, "txt_quorveldir", twips(2040, 720, 3255, 285));
    txt_apdir = make_text_box(this, "txt_apdir", twips(2040, 1080, 3255, 285));
    txt_scdir = make_text_box(this, "txt_scdir", twips(2040, 1440, 3255, 285));
    cmd_quorvel = make_chooser_button(this, "cmd_quorvel", twips(5400, 720, 495, 255));
    cmd_api = make_chooser_button(this, "cmd_api", twips(5400, 1080, 495, 255));
    cmd_scm = make_chooser_button(this, "cmd_scm", twips(5400, 1440, 495, 255));
    Command2 = make_button(this, "Command2", QStringLiteral("Save preferences"),
                           twips(3120, 1920, 2415, 375));

    frm_chdir = make<QGroupBox>(this, "frm_chdir", twips(120, 2400, 5895, 4575));
    frm_chdir->hide();
    Drive1 = make<QComboBox>(frm_chdir, "Drive1", twips(120, 240, 5655, 315));
    Dir1 = make<DirectoryList>(frm_chdir, "Dir1", twips(120, 600, 5655, 3240));
    Command1 =
        make_button(frm_chdir, "Command1", QStringLiteral("Select"), twips(4680, 4080, 1095, 375));

    // Room for the captions ends a few pixels short of the text boxes and of
    // the chooser frame.
    for (QLabel* label : {Label2, Label3, Label4})
        make_room_for_caption(label, txt_quorveldir->x() - 5, frm_chdir->y() - 4);

    // The drive list starts on the drive of the working directory, which is
    // where the directory list starts too.
    for (const DriveRoot& root : drive_roots())
        Drive1->addItem(root.text, root.path);
    Drive1->setCurrentIndex(Drive1->findData(drive_root_of(QDir::currentPath())));
}

void PreferencesWindow::show_settings() {
    txt_quorveldir->setText(from_code_page(settings_.progdir()));
    txt_apdir->setText(from_code_page(settings_.apidir()));
    txt_scdir->setText(from_code_page(settings_.scmdir()));
    show();
    raise();
    activateWindow();
}

// A close event comes accepted, and nothing here refuses it.
void PreferencesWindow::closeEvent(QCloseEvent*) {
    emit closed();
}

void PreferencesWindow::cmd_quorvel_Click() {
    open_chooser(ChooserTarget::QuorvelDirectory);
}

void PreferencesWindow::cmd_api_Click() {
    open_chooser(ChooserTarget::ApiDirectory);
}

void PreferencesWindow::cmd_scm_Click() {
    open_chooser(ChooserTarget::ScmDirectory);
}

// The chooser stays wherever it was left; it doesn't go to the box's directory.
void PreferencesWindow::open_chooser(ChooserTarget target) {
    frm_chdir->show();
    chooser_target_ = target;
}

// A drive that can't be read is ignored: the directory list stays where it
// was, and the drive list goes on showing the chosen drive.
void PreferencesWindow::Drive1_Change(int index) {
    if (index >= 0)
        Dir1->set_current_path(Drive1->itemData(index).toString());
}

void PreferencesWindow::Command1_Click() {
    switch (chooser_target_) {
    case ChooserTarget::QuorvelDirectory:
        txt_quorveldir->setText(Dir1->current_path());
        break;
    case ChooserTarget::ApiDirectory:
        txt_apdir->setText(Dir1->current_path());
        break;
    case ChooserTarget::ScmDirectory:
        txt_scdir->setText(Dir1->current_path());
        break;
    case ChooserTarget::None:
        break;
    }
    frm_chdir->hide();
}

void PreferencesWindow::Command2_Click() {
    // Only a box of length zero is empty: spaces are a directory name.
    if (txt_quorveldir->text().isEmpty() || txt_apdir->text().isEmpty() ||
        txt_scdir->text().isEmpty()) {
        dialogs_.warn(this,
                      QStringLiteral("Please make sure all three directories have been selected"));
        return;
    }
    const auto progdir = encode(txt_quorveldir, QStringLiteral("Quorvel directory"));
    if (!progdir)
        return;
    const auto apidir = encode(txt_apdir, QStringLiteral("default API directory"));
    if (!apidir)
        return;
    const auto scmdir = encode(txt_scdir, QStringLiteral("default SCM directory"));
    if (!scmdir)
        return;

    const SaveResult result = settings_.save_settings(*progdir, *apidir, *scmdir);
    if (!result.ok()) {
        dialogs_.warn(this, QString::fromStdString(result.error));
        return;
    }
    emit saved();
    hide();
}

std::optional<std::string> PreferencesWindow::encode(const QLineEdit* box, const QString& name) {
    std::optional<std::string> bytes = to_code_page(box->text());
    if (!bytes) {
        dialogs_.warn(this, QStringLiteral("The %1 contains a character that can't be written to "
                                           "the settings file: %2")
                                .arg(name, first_unwritable(box->text())));
    }
    return bytes;
}

} // namespace trellwick
