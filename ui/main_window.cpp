#include "ui/main_window.h"

#include "locale_text/code_page.h"
#include "settings/settings_file.h"
#include "trellwick_version.h"
#include "ui/bitmap_preview.h"
#include "ui/form_binding.h"
#include "ui/preferences_link.h"
#include "ui/window_host.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

namespace trellwick {
namespace {

// The one local API or SCM macro that a drag carries, or nothing.
std::optional<QString> dropped_macro(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1)
        return std::nullopt;
    // Empty, and so no macro, for a URL that is no local file.
    const QString path = urls.front().toLocalFile();
    return macro_kind(path) ? std::optional<QString>(path) : std::nullopt;
}

// A drag comes ignored until a window accepts it.
void answer_drag(QDragMoveEvent* event) {
    if (dropped_macro(event->mimeData()))
        event->acceptProposedAction();
}

} // namespace

MainWindow::MainWindow(Settings& settings, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), settings_(settings), dialogs_(dialogs),
      preferences_(new PreferencesLink(this, dialogs, settings)), files_(dialogs, settings) {
    settings_loaded_ = settings_.load_settings();
    setup_controls(this);
    environment_.locale = user_numeric_locale();

    connect(cmd_BrwApi, &QPushButton::clicked, this, &MainWindow::cmd_BrwApi_Click);
    connect(cmd_BrwSCM, &QPushButton::clicked, this, &MainWindow::cmd_BrwSCM_Click);
    connect(cmd_ApiScm, &QPushButton::clicked, this, &MainWindow::cmd_ApiScm_Click);
    connect(txt_bmp, &QLineEdit::textChanged, this, &MainWindow::txt_bmp_Change);
    connect(cmd_asd2t, &QPushButton::clicked, this, &MainWindow::cmd_asd2t_Click);
    connect(cmd_up, &QPushButton::clicked, this, &MainWindow::cmd_up_Click);
    connect(mnu_pref, &QAction::triggered, this, &MainWindow::mnu_pref_Click);
    connect(mnu_help, &QAction::triggered, this, &MainWindow::mnu_help_Click);
    connect(preferences_, &PreferencesLink::saved, this, &MainWindow::preferences_saved);
    connect(preferences_, &PreferencesLink::closed, this, &MainWindow::preferences_closed);

    setAcceptDrops(true);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::start() {
    if (settings_loaded_) {
        show();
        return;
    }
    waiting_for_preferences_ = true;
    preferences_->open();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The Preferences window goes with the main window, shown or hidden.
    preferences_->close();
    QMainWindow::closeEvent(event);
    emit closed();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Styles draw the focus mark only once a key has moved the focus, and a
    // window forgets that as it is shown.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

template <typename Step> StepOutcome MainWindow::run_step(Step&& step) {
    read_form(*this, form_);
    StepOutcome outcome;
    {
        BusyCursor busy;
        WindowHost host(this, dialogs_, busy, *preferences_);
        outcome = step(host);
    }
    show_form(form_, *this);
    return outcome;
}

void MainWindow::cmd_BrwApi_Click() {
    if (const std::optional<ChosenFile> chosen = files_.browse_api(this))
        take_api_file(*chosen);
}

void MainWindow::cmd_BrwSCM_Click() {
    if (const std::optional<ChosenFile> chosen = files_.browse_scm(this))
        take_scm_file(*chosen);
}

void MainWindow::take_api_file(const ChosenFile& chosen) {
    txt_api->setText(chosen.path);
    form_.filetitle = to_code_page_lossy(chosen.filetitle);
    txt_scm->setText(proposed_scm_path(from_code_page(settings_.scmdir()), chosen.filetitle));
}

void MainWindow::take_scm_file(const ChosenFile& chosen) {
    txt_scm->setText(chosen.path);
    form_.filetitle = to_code_page_lossy(chosen.filetitle);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    answer_drag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    answer_drag(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    // A drop that its drag entry refused comes ignored already.
    const std::optional<QString> path = dropped_macro(event->mimeData());
    if (!path)
        return;
    event->acceptProposedAction();
    if (macro_kind(*path) == MacroKind::Api)
        take_api_file(chosen_file(*path));
    else
        take_scm_file(chosen_file(*path));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Dragged text still goes into a box. Dragged files never do: their drag,
    // unanswered, goes on to the window, which then takes the drop as well.
    if (event->type() == QEvent::DragEnter) {
        const QMimeData* data = static_cast<QDragEnterEvent*>(event)->mimeData();
        if (data && data->hasUrls())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::cmd_ApiScm_Click() {
    const QString bitmap_before = txt_bmp->text();
    const StepOutcome outcome = run_step([this](Host& host) {
        // Until a chooser is used, the proposals come from the name of the API
        // macro typed in; filetitle itself keeps only chosen names.
        const bool none_chosen = form_.filetitle.empty();
        if (none_chosen)
            form_.filetitle = to_code_page_lossy(QFileInfo(txt_api->text()).fileName());
        const StepOutcome converted = convert_step(form_, host, environment_);
        if (none_chosen)
            form_.filetitle.clear();
        return converted;
    });
    // A proposal equal to the old bitmap name changes no text, but the SCM
    // directory may have changed: the preview is refreshed all the same.
    if (outcome == StepOutcome::Continued && txt_bmp->text() == bitmap_before)
        txt_bmp_Change();
}

void MainWindow::txt_bmp_Change() {
    refresh_bitmap_preview(pic_bmp, txt_scm->text(), txt_bmp->text());
}

void MainWindow::cmd_asd2t_Click() {
    if (const QString warning = unwritable_macro_information(*this); !warning.isEmpty()) {
        dialogs_.warn(this, warning);
        return;
    }
    run_step([this](Host& host) { return macro_information_step(form_, host, environment_); });
}

void MainWindow::cmd_up_Click() {
    if (const QString warning =
            unwritable_descriptions(*this, form_.usage.value_or(PlaceholderUsage{}));
        !warning.isEmpty()) {
        dialogs_.warn(this, warning);
        return;
    }
    run_step([this](Host& host) { return user_parameters_step(form_, host); });
}

void MainWindow::mnu_pref_Click() {
    preferences_->open();
}

void MainWindow::mnu_help_Click() {
    const QStringList lines{
        QStringLiteral("Trellwick"),
        QStringLiteral("A tool to convert API macros to SCM macros for ASD version 2"),
        QString(),
        QString::fromLatin1(kCopyright),
        QString::fromLatin1(kLicence),
    };
    dialogs_.message(
        this, {lines.join(QStringLiteral("\r\n")), MessageIcon::Question, MessageButtons::Ok});
}

void MainWindow::preferences_saved() {
    // At start-up this is the main window's first appearance; later it comes
    // to the front. The Preferences window hides itself next.
    waiting_for_preferences_ = false;
    show();
    raise();
    activateWindow();
}

void MainWindow::preferences_closed() {
    // Closed while waiting for the directories at start-up: no window would be
    // left, so the program ends.
    if (waiting_for_preferences_)
        close();
}

} // namespace trellwick
