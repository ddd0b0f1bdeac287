#include "src_lumo/Sprites/SpriteDefinitionFiles.h"

#include "src_lumo/Sprites/FileLoader.h"

namespace Lumo {

void loadSpriteDefinitions(FileLoader& store)
{
    for (const char* file : kSpriteDefinitionFiles)
        store.loadFile(file);
}

} // namespace Lumo
