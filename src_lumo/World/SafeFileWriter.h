#pragma once
// Writes a file through a temporary sibling and renames it over the target only when every byte
// got out, so a full disk or a crash half-way never destroys the world files the editor saves.
#include <fstream>
#include <string>

namespace Lumo {

class SafeFileWriter {
public:
    explicit SafeFileWriter(const std::string& target);
    ~SafeFileWriter(); // removes the temporary file if commit() was not reached

    std::ostream& stream() { return out; }
    // Flushes, closes and renames; false (old file untouched) if anything failed.
    bool commit();

    const std::string& temporaryName() const { return temporary; }

private:
    std::string target;
    std::string temporary;
    std::ofstream out;
    bool committed = false;
};

} // namespace Lumo
