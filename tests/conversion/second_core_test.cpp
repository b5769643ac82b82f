#include "conversion/second_core.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace trellwick {
namespace {

// Pieces of work run one after another beside the caller; what one throws
// comes back once, at the wait; the end waits for the last piece.
TEST(SecondCore, RunsEachPieceAndHandsBackWhatItThrew) {
    int sum = 0;
    {
        SecondCore core;
        for (int i = 1; i <= 100; ++i) {
            core.start([&sum, i] { sum += i; });
            core.wait();
        }
        EXPECT_EQ(sum, 5050);
        core.start([] { throw std::runtime_error("lost"); });
        EXPECT_THROW(core.wait(), std::runtime_error);
        EXPECT_NO_THROW(core.wait());
        core.start([&sum] { sum = 7; });
    }
    EXPECT_EQ(sum, 7);
}

} // namespace
} // namespace trellwick
