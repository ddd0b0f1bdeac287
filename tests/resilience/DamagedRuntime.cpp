#include "DamagedRuntime.h"

#include <algorithm>
#include <random>

namespace fs = std::filesystem;

const char* damageName(Damage damage) {
    switch (damage) {
    case Damage::Missing:
        return "missing";
    case Damage::Garbage:
        return "garbage";
    default:
        return "truncated";
    }
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

std::vector<std::string> withFile(std::vector<std::string> files, const std::string& file) {
    files.push_back(file);
    return files;
}

} // namespace

DamagedRuntime::DamagedRuntime(const std::string& damagedFile, Damage damage, const std::vector<std::string>& copies)
    : runtime(withFile(copies, damagedFile)) {
    const TempDir& temp = runtime.folder();
    const fs::path target = temp.path() / damagedFile;
    const std::string original = readWholeFile(target.string());
    switch (damage) {
    case Damage::Missing:
        fs::remove(target);
        break;
    case Damage::Garbage:
        temp.write(damagedFile, garbage(std::clamp<size_t>(original.size(), 64, 16384)));
        break;
    case Damage::Truncated:
        temp.write(damagedFile, original.substr(0, original.size() / 2));
        break;
    }
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

WorkingFolder::WorkingFolder(const fs::path& folder) : previous(fs::current_path()) { fs::current_path(folder); }

WorkingFolder::~WorkingFolder() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
}
