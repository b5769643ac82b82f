#pragma once

// How a large piece of lines is shared between the caller and the second
// core: the caller takes the lines before a cut, the second core the rest.
// The cut moves after each piece so that neither side waits long for the
// other.

#include <cstddef>
#include <string_view>

namespace trellwick {

class WorkShare {
public:
    // The caller's first share, in 64ths of a piece.
    explicit WorkShare(std::size_t first) : share_(first) {}

    // Whether `lines` are worth sharing: for fewer, a second thread costs
    // more than it saves.
    static bool worth_sharing(std::string_view lines) { return lines.size() >= 64 * 1024; }
    // Where lines that each end in LF are cut: after the line that holds
    // the end of the caller's share.
    std::size_t cut(std::string_view lines) const {
        return lines.find('\n', lines.size() * share_ / kParts) + 1;
    }
    // After the caller's part of a piece: the caller takes more of the next
    // one when the second core is still busy with its part of the last, less
    // when it has waited.
    void adjust(bool second_core_busy) {
        if (second_core_busy && share_ < kParts - 1)
            ++share_;
        else if (!second_core_busy && share_ > 0)
            --share_;
    }

private:
    static constexpr std::size_t kParts = 64;
    std::size_t share_;
};

} // namespace trellwick
