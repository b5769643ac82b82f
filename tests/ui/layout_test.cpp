// The main window's controls: captions, places, the fixed client area, the
// tab order, the menu bar and the overlaps that the stored places would have.

#include "main_window_fixture.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <utility>
#include <vector>

namespace trellwick {
namespace {

using MainWindowLayoutTest = MainWindowTest;

QString caption(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

TEST_F(MainWindowLayoutTest, ControlsCarryTheirCaptions) {
    start();
    const std::vector<std::pair<const char*, QString>> captions{
        {"Label1", "API"},
        {"Label2", "SCM"},
        {"cmd_BrwApi", "..."},
        {"cmd_BrwSCM", "..."},
        {"cmd_ApiScm", "&Convert"},
        {"frm_asd2t", "Macro information"},
        {"Label3", "Name:"},
        {"Label4", "Bitmap:"},
        {"cmd_asd2t", "Continue"},
        {"frm_up", "User parameters"},
        {"Label9", "Please supply a description for the user parameters here. You should be able "
                   "to find them in the origional macro. You can use the ASD presets Color1, "
                   "Color2, Texture1, Texture2 or provide your own one."},
        {"Label5", "%6"},
        {"Label6", "%7"},
        {"Label7", "%8"},
        {"Label8", "%9"},
        {"cmd_up", "Continue"},
    };
    for (const auto& [name, expected] : captions)
        EXPECT_EQ(caption(control(name)), expected) << name;

    const QStringList types{"Aircraft",
                            "Antenna-Beacon",
                            "Bridges",
                            "Buildings",
                            "Parking Lot",
                            "Control Towers",
                            "FBOs",
                            "Downtown",
                            "Hangars",
                            "Fuel",
                            "Ships",
                            "Signs",
                            "Terminals",
                            "Roadside",
                            "Trees",
                            "Misc.",
                            "Other, please specify:"};
    auto* group = control<QButtonGroup>("opt_asd2t");
    ASSERT_EQ(group->buttons().size(), 17);
    EXPECT_TRUE(group->exclusive());
    for (int index = 0; index < 17; ++index) {
        QAbstractButton* button = group->button(index);
        ASSERT_NE(button, nullptr) << index;
        EXPECT_EQ(button->objectName(), QStringLiteral("opt_asd2t_%1").arg(index));
        EXPECT_EQ(button->text(), types[index]);
        EXPECT_EQ(button->parentWidget(), control("frm_asd2t"));
    }
}

TEST_F(MainWindowLayoutTest, ControlsStandWhereTheLayoutPutsThem) {
    MainWindow& main = start();
    EXPECT_EQ(main.centralWidget()->size(), QSize(676, 669));
    EXPECT_EQ(main.minimumSize(), main.maximumSize());

    // Twips divided by 15; the right column of types ends where the picture starts.
    const std::vector<std::pair<const char*, QRect>> places{
        {"txt_api", {48, 8, 160, 19}},      {"cmd_ApiScm", {288, 8, 137, 37}},
        {"frm_asd2t", {8, 80, 609, 353}},   {"pic_bmp", {328, 16, 260, 260}},
        {"frm_up", {8, 440, 353, 225}},     {"txt_up1", {32, 88, 177, 19}},
        {"opt_asd2t_8", {232, 96, 96, 17}},
    };
    for (const auto& [name, place] : places)
        EXPECT_EQ(control(name)->geometry(), place) << name;

    EXPECT_EQ(control("frm_asd2t")->parentWidget(), main.centralWidget());
    EXPECT_EQ(control("txt_up3")->parentWidget(), control("frm_up"));
}

// Where stored places overlap, the boxes and the picture stay whole: no two
// controls of one parent may share a pixel.
TEST_F(MainWindowLayoutTest, NoControlCoversAnother) {
    MainWindow& main = start();
    for (QWidget* parent : {main.centralWidget(), control("frm_asd2t"), control("frm_up")}) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < children.size(); ++i) {
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << children[i]->objectName().toStdString() << " and "
                    << children[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowLayoutTest, CaptionsOfCutShortControlsStayReadable) {
    start();
    for (int index = 0; index < 17; ++index) {
        QWidget* button = control<QButtonGroup>("opt_asd2t")->button(index);
        EXPECT_LE(button->sizeHint().width(), button->width()) << caption(button).toStdString();
    }
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        EXPECT_LE(control(name)->sizeHint().width(), control(name)->width()) << name;

    // The wrapped text has room for all its lines inside its own place, clear
    // of the "%6" row below it.
    auto* label9 = control<QLabel>("Label9");
    EXPECT_LE(label9->heightForWidth(label9->width()), label9->height());
    EXPECT_EQ(label9->geometry(), QRect(16, 24, 289, 57));
    EXPECT_EQ(control("Label5")->y(), 88);
}

TEST_F(MainWindowLayoutTest, TextBoxesOfBothWindowsHoldTextsOfAnyLength) {
    start();
    click_menu("mnu_pref");
    const QList<QLineEdit*> boxes = window().findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 12); // nine here, three in the Preferences window
    const QString long_text(100000, QLatin1Char('x'));
    for (QLineEdit* box : boxes) {
        box->setText(long_text);
        EXPECT_EQ(box->text().size(), 100000) << box->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, BrowseButtonsUseTheirOwnBoldFont) {
    start();
    for (const char* name : {"cmd_BrwApi", "cmd_BrwSCM"}) {
        const QFont font = control(name)->font();
        EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif")) << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75) << name;
        EXPECT_EQ(font.weight(), QFont::Bold) << name;
    }
    EXPECT_NE(control("cmd_ApiScm")->font().weight(), QFont::Bold);
}

TEST_F(MainWindowLayoutTest, TabGoesByTabIndex) {
    start();
    // By tab index: labels, frames and the picture box take no focus.
    const QStringList expected{"cmd_BrwApi",   "txt_api",       "cmd_ApiScm",   "txt_scm",
                               "cmd_BrwSCM",   "opt_asd2t_0",   "opt_asd2t_1",  "opt_asd2t_2",
                               "opt_asd2t_7",  "opt_asd2t_8",   "opt_asd2t_9",  "opt_asd2t_10",
                               "opt_asd2t_11", "opt_asd2t_12",  "opt_asd2t_13", "opt_asd2t_14",
                               "opt_asd2t_15", "cmd_asd2t",     "opt_asd2t_3",  "opt_asd2t_4",
                               "opt_asd2t_5",  "opt_asd2t_6",   "txt_name",     "txt_bmp",
                               "txt_up1",      "txt_up2",       "txt_up3",      "txt_up4",
                               "cmd_up",       "txt_typeother", "opt_asd2t_16"};
    QStringList chain;
    QWidget* widget = control("cmd_BrwApi");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != control("cmd_BrwApi") && chain.size() < 100);
    chain.removeIf([](const QString& name) { return name.isEmpty(); });
    EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowLayoutTest, TabInStepOneVisitsTheStepOneControls) {
    MainWindow& main = start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, QStringList({"cmd_BrwApi", "txt_api", "cmd_ApiScm", "txt_scm", "cmd_BrwSCM",
                                    "cmd_BrwApi"}));
}

TEST_F(MainWindowLayoutTest, MenuBarHoldsTwoItemsWithoutSubmenus) {
    MainWindow& main = start();
    const QList<QAction*> items = main.menuBar()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("mnu_pref"));
    EXPECT_EQ(items[0]->text(), QStringLiteral("Preferences"));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("mnu_help"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Help"));
    for (QAction* item : items) {
        EXPECT_EQ(item->menu(), nullptr);
        EXPECT_TRUE(item->shortcut().isEmpty());
    }
}

} // namespace
} // namespace trellwick
