#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#include <filesystem>
#include <string>

std::string readWholeFile(const std::string& path);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::string file(const std::string& name) const { return (root / name).string(); }
    // Writes the bytes as they are and returns the file's path.
    std::string write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const { return readWholeFile(file(name)); }

private:
    std::filesystem::path root;
};

// Enters a folder for the lifetime of the object.
struct WorkingFolder {
    explicit WorkingFolder(const std::filesystem::path& folder) { std::filesystem::current_path(folder); }
    ~WorkingFolder() { std::error_code ignored; std::filesystem::current_path(previous, ignored); }
    const std::filesystem::path previous = std::filesystem::current_path();
};
