#pragma once
// A copy of every message in a file, so a player can attach it to a bug report. Opening moves the
// previous run's file aside first: a crash's log survives the start that follows it.
#include <filesystem>
#include <fstream>
#include <string>

namespace TovarWorks {

class LogFile {
public:
    // False when the file cannot be written; the previous one is kept all the same.
    bool open(const std::filesystem::path& file, const std::filesystem::path& previous);
    bool isOpen() const { return stream.is_open(); }
    // One line, written through at once: the game may not end cleanly.
    void write(const std::wstring& line);

private:
    std::ofstream stream;
};

} // namespace TovarWorks
