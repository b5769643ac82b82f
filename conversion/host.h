#pragma once

// What the conversion steps need from whoever drives them: the window answers
// with message boxes, the command line with stderr and fixed answers.

#include <string>

namespace trellwick {

class Host {
public:
    virtual ~Host() = default;

    // A warning with an exclamation icon and an OK button. The text is UTF-8.
    virtual void warn(const std::string& text) = 0;
    // "This SCM macro you selected already exists. Do you want to overwrite
    // the file?" with Yes (the default) and No; true for Yes.
    virtual bool confirm_overwrite(const std::string& text) = 0;
    // Closes the Preferences window if it is open; unsaved edits are dropped.
    virtual void close_preferences() = 0;
};

} // namespace trellwick
