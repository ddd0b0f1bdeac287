#include "DamagedRuntime.h"

#include <algorithm>
#include <random>

namespace fs = std::filesystem;

const char* damageName(Damage damage) {
    return damage == Damage::Missing ? "missing" : damage == Damage::Garbage ? "garbage" : "truncated";
}

namespace {

// Random bytes with the characters file formats lean on mixed in, the same every run.
std::string garbage(size_t size) {
    static const char kStructure[] = "<>=\"/,\n\r\\[]{}0123456789 ";
    std::mt19937 random(20240611u);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = random() % 3 == 0 ? kStructure[random() % (sizeof kStructure - 1)] : static_cast<char>(random());
    return bytes;
}

} // namespace

DamagedRuntime::DamagedRuntime(const std::string& damagedFile, Damage damage, std::vector<std::string> copies)
    : RuntimeCopy((copies.push_back(damagedFile), copies)) {
    const std::string original = folder().read(damagedFile);
    if (damage == Damage::Missing)
        fs::remove(path() / damagedFile);
    else
        folder().write(damagedFile, damage == Damage::Garbage ? garbage(std::clamp<size_t>(original.size(), 64, 16384))
                                                              : original.substr(0, original.size() / 2));
}

std::vector<std::string> DamagedRuntime::shippedDataFiles() {
    const fs::path runtime(KORNELO_RUNTIME_DIR);
    std::vector<std::string> files{"settings.ini"};
    for (const char* folder : {"TovarWorks", "data", "lumodata"})
        for (const auto& entry : fs::recursive_directory_iterator(runtime / folder))
            if (entry.is_regular_file())
                files.push_back(entry.path().lexically_relative(runtime).string());
    std::sort(files.begin(), files.end());
    return files;
}
