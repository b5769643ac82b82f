#include "ui/main_window_layout.h"

#include "conversion/macro_types.h"
#include "widgets/widget_factory.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <iterator>

namespace trellwick {
namespace {

// Where a stored rectangle reaches under a box that follows it, the control
// is cut short so that it ends where the box starts: the box stays whole and
// the caption readable.
QRect ending_at(QRect place, int right_limit) {
    place.setWidth(std::min(place.width(), right_limit - place.left()));
    return place;
}

QGroupBox* make_frame(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                      QStyle* style) {
    auto* frame = make<QGroupBox>(parent, name, place);
    if (style)
        frame->setStyle(style);
    frame->setTitle(caption);
    frame->hide();
    return frame;
}

// A wrapped text that needs more lines than its stored height holds (in a
// wider font than the layout was made for) is set smaller, half a point at a
// time down to six points, so that it stays inside its place and clear of the
// row below.
void fit_wrapped_label(QLabel* label) {
    QFont font = label->font();
    while (label->heightForWidth(label->width()) > label->height() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

// The macro types: 0 to 7 in the left column, 8 to 15 in the right, 16 below.
constexpr std::array<QRect, 17> kOptionPlaces{
    twips(120, 1440, 3735, 255),  twips(120, 1800, 2895, 255),  twips(120, 2160, 3375, 255),
    twips(120, 2520, 3375, 255),  twips(120, 2880, 3375, 255),  twips(120, 3240, 3375, 255),
    twips(120, 3600, 3375, 255),  twips(120, 3960, 3375, 255),  twips(3480, 1440, 3375, 255),
    twips(3480, 1800, 3375, 255), twips(3480, 2160, 3375, 255), twips(3480, 2520, 3375, 255),
    twips(3480, 2880, 3375, 255), twips(3480, 3240, 3375, 255), twips(3480, 3600, 3375, 255),
    twips(3480, 3960, 3375, 255), twips(120, 4320, 2175, 255)};

constexpr QRect kPictureBox = twips(4920, 240, 3900, 3900);
constexpr int kRightColumnLeft = twips(3480, 0, 0, 0).left();
constexpr int kDescriptionBoxLeft = twips(480, 0, 0, 0).left();

} // namespace

void MainWindowControls::setup_controls(QMainWindow* window) {
    window->setObjectName(QStringLiteral("frm_main"));
    window->setWindowTitle(QStringLiteral("Trellwick"));
    // The stored places were made for captions in an 8-point font.
    QFont font = window->font();
    font.setPointSize(8);
    window->setFont(font);

    auto* client = new QWidget(window);
    client->setFixedSize(kClientWidth, kClientHeight);
    window->setCentralWidget(client);
    // No handling for a change of size: the window keeps the client area.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Frames in the classic style draw their border through the middle of the
    // caption, so that controls placed just under the caption stay inside it.
    QStyle* frame_style = QStyleFactory::create(QStringLiteral("Windows"));
    if (frame_style)
        frame_style->setParent(window);

    create_paths(client);
    create_macro_information(client, frame_style);
    create_user_parameters(client, frame_style);
    create_menu(window);
    set_tab_order();
    cmd_BrwApi->setFocus();
}

void MainWindowControls::create_paths(QWidget* client) {
    Label1 = make_label(client, "Label1", QStringLiteral("API"), twips(120, 120, 495, 255));
    txt_api = make_text_box(client, "txt_api", twips(720, 120, 2400, 285));
    cmd_BrwApi = make_chooser_button(client, "cmd_BrwApi", twips(3240, 120, 495, 255));
    Label2 = make_label(client, "Label2", QStringLiteral("SCM"), twips(120, 480, 375, 255));
    txt_scm = make_text_box(client, "txt_scm", twips(720, 480, 2400, 285));
    cmd_BrwSCM = make_chooser_button(client, "cmd_BrwSCM", twips(3240, 480, 495, 255));
    cmd_ApiScm =
        make_button(client, "cmd_ApiScm", QStringLiteral("&Convert"), twips(4320, 120, 2055, 555));
}

void MainWindowControls::create_macro_information(QWidget* client, QStyle* frame_style) {
    frm_asd2t = make_frame(client, "frm_asd2t", QStringLiteral("Macro information"),
                           twips(120, 1200, 9135, 5295), frame_style);
    txt_name = make_text_box(frm_asd2t, "txt_name", twips(1200, 480, 3135, 285));
    Label3 = make_label(frm_asd2t, "Label3", QStringLiteral("Name:"),
                        ending_at(twips(240, 480, 1935, 255), txt_name->x()));
    Label4 = make_label(frm_asd2t, "Label4", QStringLiteral("Bitmap:"), twips(240, 840, 855, 255));
    txt_bmp = make_text_box(frm_asd2t, "txt_bmp", twips(1200, 840, 3135, 285));
    create_type_options();
    txt_typeother = make_text_box(frm_asd2t, "txt_typeother", twips(2400, 4320, 2175, 285));
    pic_bmp = make<QLabel>(frm_asd2t, "pic_bmp", kPictureBox);
    pic_bmp->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pic_bmp->setAlignment(Qt::AlignCenter);
    cmd_asd2t = make_button(frm_asd2t, "cmd_asd2t", QStringLiteral("Continue"),
                            twips(6360, 4680, 1815, 375));
}

void MainWindowControls::create_type_options() {
    opt_asd2t = new QButtonGroup(frm_asd2t);
    opt_asd2t->setObjectName(QStringLiteral("opt_asd2t"));
    for (int index = 0; index < static_cast<int>(kOptionPlaces.size()); ++index) {
        const QRect& place = kOptionPlaces[static_cast<std::size_t>(index)];
        // The left column ends where the right one starts, the right column
        // where the picture box starts.
        const int right_limit =
            place.left() < kRightColumnLeft ? kRightColumnLeft : kPictureBox.left();
        const QByteArray name = "opt_asd2t_" + QByteArray::number(index);
        auto* button =
            make<QRadioButton>(frm_asd2t, name.constData(), ending_at(place, right_limit));
        const std::string_view caption = kMacroTypeCaptions[static_cast<std::size_t>(index)];
        button->setText(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        opt_asd2t->addButton(button, index);
    }
}

void MainWindowControls::create_user_parameters(QWidget* client, QStyle* frame_style) {
    frm_up = make_frame(client, "frm_up", QStringLiteral("User parameters"),
                        twips(120, 6600, 5295, 3375), frame_style);
    Label9 = make_label(frm_up, "Label9",
                        QStringLiteral("Please supply a description for the user parameters here. "
                                       "You should be able to find them in the origional macro. "
                                       "You can use the ASD presets Color1, Color2, Texture1, "
                                       "Texture2 or provide your own one."),
                        twips(240, 360, 4335, 855));
    Label9->setWordWrap(true);
    fit_wrapped_label(Label9);
    // The rows of %6 to %9: a label and its description box.
    struct Row {
        QLabel*& label;
        const char* label_name;
        const char* caption;
        int label_width;
        QLineEdit*& box;
        const char* box_name;
        int top;
    };
    const Row rows[] = {
        {Label5, "Label5", "%6", 855, txt_up1, "txt_up1", 1320},
        {Label6, "Label6", "%7", 495, txt_up2, "txt_up2", 1680},
        {Label7, "Label7", "%8", 495, txt_up3, "txt_up3", 2040},
        {Label8, "Label8", "%9", 495, txt_up4, "txt_up4", 2400},
    };
    for (const Row& row : rows) {
        row.label =
            make_label(frm_up, row.label_name, QString::fromLatin1(row.caption),
                       ending_at(twips(120, row.top, row.label_width, 255), kDescriptionBoxLeft));
        row.box = make_text_box(frm_up, row.box_name, twips(480, row.top, 2655, 285));
    }
    cmd_up =
        make_button(frm_up, "cmd_up", QStringLiteral("Continue"), twips(3360, 2880, 1815, 375));
}

void MainWindowControls::create_menu(QMainWindow* window) {
    // Neither item has a submenu: each acts when it is clicked in the bar.
    QMenuBar* bar = window->menuBar();
    mnu_pref = bar->addAction(QStringLiteral("Preferences"));
    mnu_pref->setObjectName(QStringLiteral("mnu_pref"));
    mnu_help = bar->addAction(QStringLiteral("Help"));
    mnu_help->setObjectName(QStringLiteral("mnu_help"));
}

// By tab index; labels, frames and the picture box take no focus. The type
// buttons 3 to 6 come after "Continue".
void MainWindowControls::set_tab_order() {
    const auto option = [this](int index) -> QWidget* {
        return opt_asd2t->button(index);
    };
    trellwick::set_tab_order(
        {cmd_BrwApi, txt_api,       cmd_ApiScm, txt_scm,   cmd_BrwSCM, option(0),  option(1),
         option(2),  option(7),     option(8),  option(9), option(10), option(11), option(12),
         option(13), option(14),    option(15), cmd_asd2t, option(3),  option(4),  option(5),
         option(6),  txt_name,      txt_bmp,    txt_up1,   txt_up2,    txt_up3,    txt_up4,
         cmd_up,     txt_typeother, option(16)});
}

} // namespace trellwick
