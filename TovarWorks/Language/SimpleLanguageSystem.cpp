#include "TovarWorks/Language/SimpleLanguageSystem.h"

#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/Platform/Utf8.h"
#include "TovarWorks/TovarDevice.h"

#include <fstream>
#include <string>

namespace TovarWorks {

namespace {
// UTF-8 (or Latin-1, byte by byte); CR LF and LF both end a line.
bool readLines(const irr::core::stringw& path, std::vector<irr::core::stringw>& lines) {
    std::ifstream file(nativePath(std::wstring(path.c_str())), std::ios::binary);
    if (!file)
        return false;
    std::string raw;
    while (std::getline(file, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        lines.emplace_back(fromUtf8(raw).c_str());
    }
    return true;
}
} // namespace

const irr::core::stringw& SimpleLanguageSystem::getText(const int& number) {
    if (number < 0 || static_cast<size_t>(number) >= texts.size())
        return fallback;
    return texts[number];
}

void SimpleLanguageSystem::setFolder(irr::core::stringw path) {
    folder = path;
    std::vector<irr::core::stringw> lines;
    if (!readLines(path + L"\\lang.txt", lines))
        return;
    for (const irr::core::stringw& line : lines) {
        if (line.subString(0, 5) != L"lang=")
            continue;
        auto entry = std::make_shared<LanguageEntry>();
        entry->name = keyLineField(line, 1);
        entry->folder = path + L"\\" + keyLineField(line, 2);
        languageList.push_back(entry);
    }
}

bool SimpleLanguageSystem::loadLanguage(const irr::core::stringw& name) {
    std::shared_ptr<LanguageEntry> chosen;
    for (const auto& entry : languageList)
        if (entry->name == name)
            chosen = entry;
    if (!chosen) {
        if (gDevice)
            gDevice->printError(L"LANGUAGE-SYSTEM: Language definition '%p' not found.", name);
        return false;
    }
    const irr::core::stringw definitions = chosen->folder + L"\\defs.tsf";
    // A later language replaces the texts, so numbers keep starting at the new file's first line;
    // a file that cannot be read keeps the language there was.
    std::vector<irr::core::stringw> loaded;
    if (!readLines(definitions, loaded)) {
        if (gDevice)
            gDevice->printError(L"MAP-LANGUAGE: .tsf '%p' konnte nicht geladen werden", definitions);
        return false;
    }
    texts = std::move(loaded);
    currentLanguage = name;
    return true;
}

irr::core::stringw SimpleLanguageSystem::keyLineField(const irr::core::stringw& line, int field) {
    const irr::s32 equals = line.findFirst(L'=');
    if (field == 0)
        return equals < 0 ? line : line.subString(0, equals);
    if (equals < 0)
        return L"EGT_OUT_OF_RANGE";

    const irr::s32 length = static_cast<irr::s32>(line.size());
    irr::s32 start = equals + 1;
    for (int current = 1; start <= length; ++current) {
        irr::core::stringw text;
        irr::s32 next;
        if (start < length && line[start] == L'"') {
            // A quoted field ends at a quote followed by a comma, or at the line end.
            irr::s32 close = start + 1;
            while (close < length && !(line[close] == L'"' && (close + 1 == length || line[close + 1] == L',')))
                ++close;
            text = line.subString(start + 1, close - start - 1);
            next = close + 2;
        } else {
            irr::s32 comma = line.findNext(L',', start);
            if (comma < 0)
                comma = length;
            text = line.subString(start, comma - start);
            next = comma + 1;
        }
        if (current == field)
            return text;
        start = next;
    }
    return L"";
}

} // namespace TovarWorks
