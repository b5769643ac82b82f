#include "widgets/widget_factory.h"

#include <QFont>
#include <limits>

namespace trellwick {

QLineEdit* make_text_box(QWidget* parent, const char* name, const QRect& place) {
    auto* box = make<QLineEdit>(parent, name, place);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    auto* label = make<QLabel>(parent, name, place);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place) {
    auto* button = make<QPushButton>(parent, name, place);
    button->setText(caption);
    return button;
}

QPushButton* make_chooser_button(QWidget* parent, const char* name, const QRect& place) {
    auto* button = make_button(parent, name, QStringLiteral("..."), place);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Bold);
    button->setFont(font);
    return button;
}

void set_tab_order(std::initializer_list<QWidget*> order) {
    for (auto control = order.begin(); control + 1 < order.end(); ++control)
        QWidget::setTabOrder(*control, *(control + 1));
}

} // namespace trellwick
