#include "src_lumo/Game/GameLanguages.h"

#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"

#include <algorithm>

namespace Lumo {

const std::vector<GameLanguage>& GameLanguages::all() {
    static const std::vector<GameLanguage> languages = {
        {"en", L"English", "lumodata/lang/en.txt", L"english"},
        {"de", L"Deutsch", "lumodata/lang/de.txt", L"deutsch"},
    };
    return languages;
}

const GameLanguage& GameLanguages::byCode(const std::string& code) {
    for (const GameLanguage& language : all())
        if (language.code == code)
            return language;
    return all().front();
}

int GameLanguages::currentIndex() {
    if (!gGameData)
        return 0;
    const std::vector<GameLanguage>& languages = all();
    for (size_t i = 0; i < languages.size(); ++i)
        if (languages[i].code == gGameData->settings.language)
            return static_cast<int>(i);
    return 0;
}

const std::string& GameLanguages::step(const std::string& code, int direction) {
    const std::vector<GameLanguage>& languages = all();
    int index = 0;
    for (size_t i = 0; i < languages.size(); ++i)
        if (languages[i].code == code)
            index = static_cast<int>(i);
    index = std::clamp(index + direction, 0, static_cast<int>(languages.size()) - 1);
    return languages[index].code;
}

std::string GameLanguages::loadTexts(const std::string& code, TovarWorks::GameTexts& texts) {
    const GameLanguage& language = byCode(code);
    texts.loadGameTexts(language.textFile);
    if (!texts.all().empty() || language.code == all().front().code)
        return language.code;
    texts.loadGameTexts(all().front().textFile);
    return all().front().code;
}

bool GameLanguages::apply(const std::string& code) {
    if (!gGameData)
        return false;
    const GameLanguage& language = byCode(code);
    TovarWorks::GameTexts texts;
    texts.loadGameTexts(language.textFile);
    if (texts.all().empty())
        return false;
    gGameData->texts = std::move(texts);
    // The console keeps its old texts when the engine's cannot be read; the message says why.
    if (TovarWorks::gDevice && TovarWorks::gDevice->getLanguageSystem())
        TovarWorks::gDevice->getLanguageSystem()->loadLanguage(language.engineName.c_str());
    return true;
}

} // namespace Lumo
