#pragma once

// What both harnesses share: the input as a real file, and a stop with a
// report when an invariant breaks. Their oracle is SaveFormat's own reading
// of the format, not the library's field table.
#include "tests/support/SaveFormat.h"

#include <cstdio>
#include <cstdlib>

using SaveFormat::Bytes;

// Real images are 32 KiB, and the second placement's data ends before
// 4 KiB: larger inputs are skipped.
inline constexpr std::size_t kMaxFileSize = 40000;

// A fuzzer or the replay test counts the abort as a failure.
inline void Require(bool condition, const char* invariant)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// One input as a file, removed when the run is over (a crash leaves it
// behind for a look). Messages for the user are silenced: nobody reads them.
struct ScratchFile
{
    ScratchFile(const char* harness, const Bytes& bytes)
        : path(SaveFormat::ScratchPath(std::string("dl-fuzz-") + harness) + ".srm")
    {
        SetSaveDataMessageHandler([](const SaveDataFailure&) {});
        SaveFormat::WriteFile(path, bytes);
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(SaveFormat::Native(path), ignored);
    }

    const std::string path;
};
