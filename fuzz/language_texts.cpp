// A language's "defs.tsf": the engine texts by line number.
#include "ScratchFolder.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint8_t kList[] = "lang=English,english\n";
    ScratchFolder::write("texts/lang.txt", kList, sizeof kList - 1);
    ScratchFolder::write("texts/english/defs.tsf", data, size);
    TovarWorks::SimpleLanguageSystem languages;
    const std::string folder = (ScratchFolder::path() / "texts").string();
    languages.setFolder(irr::core::stringw(folder.c_str()));
    if (!languages.loadLanguage(L"English"))
        std::abort(); // the file exists, so it loads, whatever it holds
    for (int number = -1; number <= static_cast<int>(languages.textCount()); ++number)
        (void)languages.getText(number).size();
    return 0;
}
