// A sprite definition file (XML with animations, frames and textures) through the game's loader.
#include "FuzzGame.h"
#include "ScratchFolder.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Sprites/FileLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzGame::start();
    // Next to the item definitions (in the mirror's own folder, not through a link into the build),
    // so their relative texture names find the shipped pictures.
    const std::string file = ScratchFolder::write("runtime/lumodata/fuzzed_def.xml", data, size);
    Lumo::FileLoader loader;
    loader.loadFile(file.c_str());
    for (const auto& [name, definition] : loader.getDefinitions())
        (void)loader.getDefinition(name);
    // Textures named by the input would pile up over a long run.
    TovarWorks::gDevice->getVideoDriver()->removeAllTextures();
    return 0;
}
