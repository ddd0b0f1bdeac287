// Feeds every file of the corpus folders named on the command line to the fuzz target once, as
// libFuzzer would, so the normal test run (with any compiler) replays the corpora. With --cuts
// first, each named file is fed cut at every byte instead, as a damaged copy would be, so those
// cuts need not be stored.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<uint8_t> contents(const std::filesystem::path& input) {
    std::ifstream file(input, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    const bool cuts = argc > 1 && std::string(argv[1]) == "--cuts";
    std::vector<std::filesystem::path> inputs;
    for (int i = cuts ? 2 : 1; i < argc; ++i)
        if (std::filesystem::is_regular_file(argv[i]))
            inputs.push_back(std::filesystem::absolute(argv[i]));
        else
            for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    inputs.push_back(std::filesystem::absolute(entry.path()));
    std::sort(inputs.begin(), inputs.end());
    std::size_t replayed = 0;
    for (const std::filesystem::path& input : inputs) {
        const std::vector<uint8_t> bytes = contents(input);
        std::printf("%s (%zu bytes%s)\n", input.filename().c_str(), bytes.size(), cuts ? ", every cut" : "");
        std::fflush(stdout);
        for (std::size_t size = cuts ? 0 : bytes.size(); size <= bytes.size(); ++size, ++replayed)
            LLVMFuzzerTestOneInput(bytes.data(), size);
    }
    std::printf("replayed %zu inputs\n", replayed);
    return inputs.empty() ? 1 : 0;
}
