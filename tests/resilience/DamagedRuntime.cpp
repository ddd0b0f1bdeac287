#include "DamagedRuntime.h"

#include "TovarWorks/Platform/UserFolder.h"
#include "src_lumo/Game/GameFolder.h"

#include <algorithm>
#include <random>
#include <stdexcept>

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

} // namespace

DamagedRuntime::DamagedRuntime(const std::string& damagedFile, Damage damage, const std::vector<std::string>& copies) {
    std::vector<std::string> ownFiles = Lumo::GameFolder::kWritableFiles;
    ownFiles.push_back(damagedFile);
    ownFiles.insert(ownFiles.end(), copies.begin(), copies.end());
    std::string error;
    if (!TovarWorks::UserFolder::prepare(KORNELO_RUNTIME_DIR, temp.path(), ownFiles, error))
        throw std::runtime_error(error);
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
