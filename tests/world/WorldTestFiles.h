#pragma once
// A scratch folder per test for the world files, removed afterwards.
#include <filesystem>
#include <fstream>
#include <string>

class WorldTestFiles {
public:
    WorldTestFiles();
    ~WorldTestFiles();

    std::string path(const std::string& name) const { return (folder / name).string(); }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path folder;
};
