#include "TovarWorks/Language/GameTexts.h"

#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/Platform/Utf8.h"
#include "TovarWorks/TovarDevice.h"

#include <fstream>

namespace TovarWorks {

namespace {
std::string expandNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
} // namespace

void GameTexts::loadGameTexts(const std::string& path) {
    std::ifstream file(nativePath(path), std::ios::binary);
    if (!file) {
        // Every text would read "MISSINGNO": the player is told why.
        if (gDevice)
            gDevice->printError(L"Could not load the game texts %p", irr::core::stringw(path.c_str()));
        return;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        // Exactly two fields: one "=", so texts can never contain one.
        if (equals == std::string::npos || line.find('=', equals + 1) != std::string::npos)
            continue;
        const std::string identifier = line.substr(0, equals);
        if (table.count(identifier)) {
            if (gDevice)
                gDevice->printError(L"Take take, text identifier %p already defined!",
                                    irr::core::stringw(identifier.c_str()));
            continue;
        }
        table.emplace(identifier, fromUtf8(expandNewlines(line.substr(equals + 1))));
    }
}

std::wstring GameTexts::getGameText(const std::string& identifier) const {
    auto it = table.find(identifier);
    return it == table.end() ? std::wstring(L"MISSINGNO") : it->second;
}

} // namespace TovarWorks
