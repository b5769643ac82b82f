#pragma once

// Where one byte stands in a text, found 64 bytes at a time: a block becomes
// one word with a bit for each byte that is the one searched for. A macro
// holds a "%" every few bytes, and a library call for each costs more than
// looking at them all. Where the processor compares 16 bytes at once (SSE2,
// on every x86-64) a block takes a few instructions; elsewhere a plain loop.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TRELLWICK_SSE2 1
#endif

namespace trellwick {

// The bytes among the 64 at `from` that are `byte`, as the bits of a word,
// the first byte's lowest.
inline std::uint64_t byte_marks(const char* from, char byte) {
#ifdef TRELLWICK_SSE2
    const __m128i bytes = _mm_set1_epi8(byte);
    const auto sixteen = [&](unsigned at) {
        const __m128i loaded = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
        return std::uint64_t{
                   static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(loaded, bytes)))}
               << at;
    };
    return sixteen(0) | sixteen(16) | sixteen(32) | sixteen(48);
#else
    std::uint64_t marks = 0;
    for (unsigned i = 0; i < 64; ++i)
        marks |= std::uint64_t{from[i] == byte} << i;
    return marks;
#endif
}

// The same for the up to 64 bytes of `text` from `from`: none past its end.
inline std::uint64_t byte_marks(std::string_view text, std::size_t from, char byte) {
    if (text.size() - from >= 64)
        return byte_marks(text.data() + from, byte);
    std::uint64_t marks = 0;
    for (std::size_t i = 0; i < text.size() - from; ++i)
        marks |= std::uint64_t{text[from + i] == byte} << i;
    return marks;
}

class ByteFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    ByteFinder(std::string_view text, char byte) : text_(text), byte_(byte) {}

    // The byte's first place at or after `from`, or npos.
    std::size_t next(std::size_t from) {
        if (from >= text_.size())
            return npos;
        if (from < block_ || from - block_ >= kBlock)
            load(from - from % kBlock);
        std::uint64_t marks = marks_ & (~std::uint64_t{0} << (from - block_));
        while (marks == 0) {
            if (text_.size() - block_ <= kBlock)
                return npos;
            load(block_ + kBlock);
            marks = marks_;
        }
        return block_ + static_cast<std::size_t>(std::countr_zero(marks));
    }

private:
    static constexpr std::size_t kBlock = 64;

    void load(std::size_t block) {
        block_ = block;
        marks_ = byte_marks(text_, block, byte_);
    }

    std::string_view text_;
    char byte_;
    std::size_t block_ = npos; // where the block of `marks_` starts
    std::uint64_t marks_ = 0;
};

// Where the last `word` in `text` starts, or npos: its first byte is looked
// for a block at a time from the end, so a word near the end is found at once.
inline std::size_t last_place_of(std::string_view text, std::string_view word) {
    const std::size_t blocks = (text.size() + 63) / 64;
    for (std::size_t block = blocks; block-- > 0;) {
        const std::size_t from = block * 64;
        std::uint64_t marks = byte_marks(text, from, word[0]);
        for (; marks != 0; marks &= ~(std::uint64_t{1} << (63 - std::countl_zero(marks)))) {
            const std::size_t at = from + 63 - static_cast<std::size_t>(std::countl_zero(marks));
            if (text.substr(at).starts_with(word))
                return at;
        }
    }
    return std::string_view::npos;
}

} // namespace trellwick
