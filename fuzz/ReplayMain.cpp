// Runs every file of the given folders once through the harness, as
// libFuzzer would, so that the seed corpus serves as a test in builds
// without libFuzzer. A broken invariant aborts the process.
#include "tests/support/SaveFormat.h"

#include <algorithm>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) // a missing folder throws, which fails the run
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end()); // the same order on every run

    for (const auto& input : inputs) {
        SaveFormat::Bytes bytes = SaveFormat::ReadFile(SaveFormat::Utf8(input));
        std::printf("%s (%zu bytes)\n", input.filename().string().c_str(), bytes.size());
        std::fflush(stdout); // so a crash's report names the input that caused it
        bytes.reserve(1);    // libFuzzer never passes a null pointer, not even for no bytes
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0; // an empty corpus would pass without testing anything
}
