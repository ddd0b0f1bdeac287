#include "src_lumo/World/SafeFileWriter.h"

#include <cstdio>

namespace Lumo {

SafeFileWriter::SafeFileWriter(const std::string& target)
    : target(target), temporary(target + ".tmp"), out(temporary, std::ios::binary | std::ios::trunc) {}

SafeFileWriter::~SafeFileWriter() {
    if (!committed) {
        out.close();
        std::remove(temporary.c_str());
    }
}

bool SafeFileWriter::commit() {
    if (!out.is_open())
        return false;
    out.flush();
    const bool written = out.good();
    out.close();
    if (!written || out.fail())
        return false;
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    committed = true;
    return true;
}

} // namespace Lumo
