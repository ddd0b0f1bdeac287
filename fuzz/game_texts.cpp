// The game's texts "lumodata/lang/en.txt": identifier=text lines with "\n" escapes.
#include "ScratchFolder.h"
#include "TovarWorks/Language/GameTexts.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TovarWorks::GameTexts texts;
    texts.loadGameTexts(ScratchFolder::write("en.txt", data, size));
    for (const auto& [identifier, text] : texts.all())
        if (texts.getGameText(identifier) != text || identifier.find('=') != std::string::npos)
            std::abort();
    (void)texts.getGameText("INTRO_1");
    return 0;
}
