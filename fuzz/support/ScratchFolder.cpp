#include "ScratchFolder.h"

#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct Folder {
    Folder() : root(fs::temp_directory_path() / ("kornelo-fuzz-" + std::to_string(getpid()))) {
        fs::create_directories(root);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
};
} // namespace

const fs::path& ScratchFolder::path() {
    static const Folder folder;
    return folder.root;
}

std::string ScratchFolder::write(const std::string& name, const uint8_t* data, size_t size) {
    const fs::path file = path() / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    return file.string();
}
