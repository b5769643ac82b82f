#pragma once

// Between the main window's controls and the conversion's form: a handler
// reads the controls into the form, runs its step and shows the form back.

#include "conversion/conversion_form.h"
#include "ui/main_window_layout.h"

#include <QColor>
#include <QString>
#include <string>

class QLineEdit;

namespace trellwick {

// The background of a description box whose parameter the macro doesn't use.
inline const QColor kUnusedBoxColour(192, 192, 192);

// The text in the code page; a character that the code page can't hold
// becomes "?" (used where the text is only read, never written).
std::string to_code_page_lossy(const QString& text);

// Every value of the controls into the form; the values that only the form
// keeps (the step, filetitle, usage, the open files) are left alone.
void read_form(const MainWindowControls& controls, ConversionForm& form);

// Shows what a step changes: the two paths, the proposed name and bitmap, the
// grey description boxes and the frame of the step. A text that the step left as it
// was is not touched, so characters that the code page can't hold stay in the
// boxes.
void show_form(const ConversionForm& form, const MainWindowControls& controls);

// The warning for the first text that the Macro information step would write
// into the SCM file and that the code page can't hold (name, type, bitmap),
// or an empty text.
QString unwritable_macro_information(const MainWindowControls& controls);
// The same for the descriptions of the user parameters that the macro uses.
QString unwritable_descriptions(const MainWindowControls& controls, const PlaceholderUsage& usage);

} // namespace trellwick
