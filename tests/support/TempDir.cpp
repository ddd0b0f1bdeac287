#include "TempDir.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kornelo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no temporary folder at " + pattern);
    root = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    const std::string path = file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string readWholeFile(const std::string& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}
