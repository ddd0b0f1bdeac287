#pragma once
// The fuzz targets feed our readers through real files, as the game reads them: a folder of the
// process's own under the temporary folder, removed when the process ends normally.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    static const std::filesystem::path& path();
    // Writes the bytes to the named file in the folder and returns the file's path.
    static std::string write(const std::string& name, const uint8_t* data, size_t size);
};
