#include "WorldTestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

WorldTestFiles::WorldTestFiles() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("kornelo_world_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

WorldTestFiles::~WorldTestFiles() { std::filesystem::remove_all(folder); }

void WorldTestFiles::write(const std::string& name, const std::string& content) const {
    std::ofstream out(path(name), std::ios::binary);
    out << content;
}

std::string WorldTestFiles::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
