#include "ui/form_binding.h"

#include "conversion/macro_types.h"
#include "locale_text/code_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>

namespace trellwick {
namespace {

QString unwritable_warning(const QString& field) {
    return QStringLiteral("The %1 contains a character that can't be written to the SCM file.")
        .arg(field);
}

bool writable(const QLineEdit* box) {
    return to_code_page(box->text()).has_value();
}

void show_text(QLineEdit* box, const std::string& bytes) {
    if (to_code_page_lossy(box->text()) != bytes)
        box->setText(from_code_page(bytes));
}

void show_path(QLineEdit* box, const std::filesystem::path& path) {
    if (to_path(box->text()) != path)
        box->setText(from_path(path));
}

bool is_grey(const QLineEdit* box) {
    return box->testAttribute(Qt::WA_SetPalette) &&
           box->palette().color(QPalette::Base) == kUnusedBoxColour;
}

void set_grey(QLineEdit* box, bool grey) {
    if (is_grey(box) == grey)
        return;
    if (!grey) {
        box->setPalette(QPalette()); // back to the style's own background
        return;
    }
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kUnusedBoxColour);
    box->setPalette(palette);
}

} // namespace

std::string to_code_page_lossy(const QString& text) {
    if (auto bytes = to_code_page(text))
        return *std::move(bytes);
    std::string bytes;
    for (const char32_t c : text.toUcs4())
        bytes += to_code_page(QString::fromUcs4(&c, 1)).value_or("?");
    return bytes;
}

void read_form(const MainWindowControls& controls, ConversionForm& form) {
    form.txt_api = to_path(controls.txt_api->text());
    form.txt_scm = to_path(controls.txt_scm->text());
    form.txt_name = to_code_page_lossy(controls.txt_name->text());
    form.txt_bmp = to_code_page_lossy(controls.txt_bmp->text());
    form.txt_typeother = to_code_page_lossy(controls.txt_typeother->text());
    const auto boxes = controls.description_boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        form.txt_up[i] = to_code_page_lossy(boxes[i]->text());
    const int chosen = controls.opt_asd2t->checkedId();
    form.opt_asd2t = chosen >= 0 ? std::optional<int>(chosen) : std::nullopt;
}

void show_form(const ConversionForm& form, const MainWindowControls& controls) {
    // The SCM path first: a new bitmap name refreshes the preview, which looks
    // in the SCM file's directory.
    show_path(controls.txt_scm, form.txt_scm);
    show_path(controls.txt_api, form.txt_api);
    show_text(controls.txt_name, form.txt_name);
    show_text(controls.txt_bmp, form.txt_bmp);
    for (std::size_t i = 0; i < form.txt_up.size(); ++i)
        set_grey(controls.description_boxes()[i], form.description_grey(i));
    controls.frm_asd2t->setVisible(form.step == Step::MacroInformation);
    controls.frm_up->setVisible(form.step == Step::UserParameters);
}

QString unwritable_macro_information(const MainWindowControls& controls) {
    if (!writable(controls.txt_name))
        return unwritable_warning(QStringLiteral("name"));
    if (controls.opt_asd2t->checkedId() == kOtherTypeIndex && !writable(controls.txt_typeother))
        return unwritable_warning(QStringLiteral("type"));
    if (!writable(controls.txt_bmp))
        return unwritable_warning(QStringLiteral("bitmap"));
    return {};
}

QString unwritable_descriptions(const MainWindowControls& controls, const PlaceholderUsage& usage) {
    const auto boxes = controls.description_boxes();
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
        if (usage.user_parameter(i) && !writable(boxes[static_cast<std::size_t>(i)]))
            return unwritable_warning(
                QStringLiteral("description of user parameter %1").arg(i + 1));
    }
    return {};
}

} // namespace trellwick
