#pragma once

// The host of the conversion steps on the command line: it never asks. The
// overwrite question is answered by --force, and what the window would show in
// a message box is kept for the caller, who knows whether the step went on.

#include "conversion/host.h"

#include <string>
#include <utility>
#include <vector>

namespace trellwick::cli {

class CommandLineHost final : public Host {
public:
    explicit CommandLineHost(bool overwrite) : overwrite_(overwrite) {}

    void warn(const std::string& text) override { messages_.push_back(text); }
    bool confirm_overwrite(const std::string&) override { return overwrite_; }
    void close_preferences() override {}

    // The messages since the last call, oldest first.
    std::vector<std::string> take_messages() { return std::exchange(messages_, {}); }

private:
    bool overwrite_;
    std::vector<std::string> messages_;
};

} // namespace trellwick::cli
