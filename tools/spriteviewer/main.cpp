// The sprite viewer: every shipped definition on stage with the game's own materials.
#include "SpriteViewerLogic.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Shaders/ShaderMaterials.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/Shaders/ShaderManager.h"
#include "TovarWorks/TovarDevice.h"

#include <cstdio>
#include <memory>
#include <unistd.h>

int main()
{
    if (chdir(KORNELO_RUNTIME_DIR) != 0) {
        std::fprintf(stderr, "cannot enter %s\n", KORNELO_RUNTIME_DIR);
        return 1;
    }
    TovarWorks::gDevice = new TovarWorks::TovarDevice();
    Lumo::gGameData = new Lumo::GameData();
    Lumo::gGameData->ambientColor = 0xFFFFFFFF;
    if (!TovarWorks::gDevice->init(960, 540, false, irr::video::EDT_OPENGL))
        return 1;
    Lumo::registerShaderMaterials(*TovarWorks::gDevice->getShaderManager(), TovarWorks::gDevice->getVideoDriver(),
                                  Lumo::gGameData->wallMaterial);
    Lumo::loadSpriteDefinitions(Lumo::gGameData->spriteDefinitions);
    TovarWorks::gDevice->hideConsoleLog = true;
    TovarWorks::gDevice->setGameLogic(std::make_shared<SpriteViewerLogic>(Lumo::gGameData->spriteDefinitions));
    TovarWorks::gDevice->runMainLoop();
    delete TovarWorks::gDevice;
    return 0;
}
