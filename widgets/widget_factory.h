#pragma once

// Controls placed as the windows' layouts give them: in twips, with their
// names as object names so that handlers and tests find them.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <initializer_list>

namespace trellwick {

// Places are kept in twips, 15 to a pixel at 96 dots per inch.
constexpr QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

template <typename Widget> Widget* make(QWidget* parent, const char* name, const QRect& place) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    return widget;
}

// A single-line text box that holds a text of any length (Qt's own limit is
// 32767 characters; a pasted text would be cut short silently).
QLineEdit* make_text_box(QWidget* parent, const char* name, const QRect& place);
QLabel* make_label(QWidget* parent, const char* name, const QString& caption, const QRect& place);
QPushButton* make_button(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place);
// A "..." button that opens a chooser: its caption in bold 9.75-point
// "MS Sans Serif" (or the nearest font the platform has).
QPushButton* make_chooser_button(QWidget* parent, const char* name, const QRect& place);
// Tab goes from each control to the next one of `order`.
void set_tab_order(std::initializer_list<QWidget*> order);

} // namespace trellwick
