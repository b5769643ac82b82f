#pragma once

// Driving the conversion core in tests: a host that records what it was
// asked, beside the file helpers of the tests.

#include "conversion/host.h"
#include "file_test_support.h"

#include <string>
#include <vector>

namespace trellwick::testing {

class RecordingHost : public Host {
public:
    void warn(const std::string& text) override { warnings.push_back(text); }
    bool confirm_overwrite(const std::string&) override { return overwrite_answer; }
    void close_preferences() override { ++preferences_closed; }

    std::vector<std::string> warnings;
    bool overwrite_answer = true;
    int preferences_closed = 0;
};

} // namespace trellwick::testing
