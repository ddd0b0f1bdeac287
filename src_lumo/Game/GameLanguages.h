#pragma once
// The languages the game ships: each has its game texts, its engine texts (by the name lang.txt
// gives them) and the name the options screen shows, always in the language itself.
#include "TovarWorks/Language/GameTexts.h"

#include <string>
#include <vector>

namespace Lumo {

struct GameLanguage {
    std::string code;          // as settings.ini writes it
    std::wstring engineName;   // the entry of "tovarworks\lang\lang.txt"
    std::string textFile;      // the game texts
    std::wstring ownName;      // "deutsch", not "german"
};

class GameLanguages {
public:
    static const std::vector<GameLanguage>& all();
    // An unknown code gives the first language, English.
    static const GameLanguage& byCode(const std::string& code);
    // The place of the game's current language in all(); 0 without game data.
    static int currentIndex();
    // The next language in the direction (-1, +1), stopping at either end.
    static const std::string& step(const std::string& code, int direction);
    // Loads the game texts of the language into `texts`; when they cannot be read, English ones
    // rather than MISSINGNO everywhere. The code of the language loaded.
    static std::string loadTexts(const std::string& code, TovarWorks::GameTexts& texts);
    // Loads the language's game texts into gGameData and its engine texts into the device, at
    // once: menus and boxes opened from now on speak it. False (and the old texts kept) when
    // its game texts cannot be read.
    static bool apply(const std::string& code);
};

} // namespace Lumo
