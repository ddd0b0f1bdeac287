// The engine's "lang.txt": the list of languages and the folders of their texts.
#include "ScratchFolder.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScratchFolder::write("lang/lang.txt", data, size);
    TovarWorks::SimpleLanguageSystem languages;
    const std::string folder = (ScratchFolder::path() / "lang").string();
    languages.setFolder(irr::core::stringw(folder.c_str()));
    // Each listed language is looked for; its texts are mostly missing, which must be told, not fatal.
    for (const auto& entry : languages.languages())
        languages.loadLanguage(entry->name);
    for (int field = 0; field < 4; ++field)
        TovarWorks::SimpleLanguageSystem::keyLineField(
            irr::core::stringw(std::string(reinterpret_cast<const char*>(data), size).c_str()), field);
    return 0;
}
