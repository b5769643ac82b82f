#pragma once

// The SCM file while it is written: a new temporary file beside its
// destination, put in place by one rename only once it is complete, so that a
// failure leaves the destination as it was. A temporary that is not put in
// place is removed.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace trellwick::cli {

class StagedFile {
public:
    struct Created {
        std::unique_ptr<StagedFile> file; // null on failure
        std::string error;
    };
    // A temporary file in the directory of `target`, created exclusively: on
    // Linux an unnamed one, elsewhere under a fresh hidden name.
    static Created create(const std::filesystem::path& target);

    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // A stream for writing the file, owned by the caller, who closes it before
    // put_in_place(). Null after the first call.
    std::FILE* take_stream() { return std::exchange(stream_, nullptr); }

    // Puts the complete file at the target. An existing target is replaced
    // only when `replace` is set, and then keeps its permissions. An empty text
    // on success, otherwise what went wrong.
    std::string put_in_place(bool replace);

private:
    StagedFile(std::filesystem::path target, std::FILE* stream)
        : target_(std::move(target)), stream_(stream) {}

    std::filesystem::path target_;
    std::FILE* stream_;
    std::filesystem::path named_; // the hidden name while the file has one
    int descriptor_ = -1;         // the unnamed file, where there is one
};

} // namespace trellwick::cli
