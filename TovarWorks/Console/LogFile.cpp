#include "TovarWorks/Console/LogFile.h"

#include "TovarWorks/Platform/Utf8.h"

namespace TovarWorks {

bool LogFile::open(const std::filesystem::path& file, const std::filesystem::path& previous) {
    std::error_code noEarlierRun;
    std::filesystem::rename(file, previous, noEarlierRun);
    stream.close();
    stream.clear();
    stream.open(file, std::ios::trunc);
    return stream.is_open();
}

void LogFile::write(const std::wstring& line) {
    if (!stream.is_open())
        return;
    stream << toUtf8(line) << '\n';
    stream.flush();
}

} // namespace TovarWorks
