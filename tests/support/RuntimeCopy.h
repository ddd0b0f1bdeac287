#pragma once
// A private copy of the runtime folder, so a test can run the game and let it write: the shipped data
// is linked, the files the game writes are real copies, and so are the named extra files (the game's
// executable, which finds its data next to itself).
#include "TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

class RuntimeCopy {
public:
    explicit RuntimeCopy(const std::vector<std::string>& copies = {});

    const std::filesystem::path& path() const { return temp.path(); }
    const TempDir& folder() const { return temp; }

private:
    TempDir temp;
};
