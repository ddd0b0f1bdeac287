#include "TempDir.h"

#include <fstream>
#include <random>
#include <sstream>

TempDir::TempDir() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    do {
        root = std::filesystem::temp_directory_path() / ("kornelo-test-" + std::to_string(random()));
    } while (std::filesystem::exists(root));
    std::filesystem::create_directories(root);
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
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
