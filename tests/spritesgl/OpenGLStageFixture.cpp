#include "spritesgl/OpenGLStageFixture.h"

#include "src_lumo/Shaders/ShaderMaterials.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/Shaders/ShaderManager.h"

#include <cstdlib>

void OpenGLStageFixture::SetUp()
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    TovarWorks::gDevice = new TovarWorks::TovarDevice();
    ASSERT_TRUE(device().init(kWidth, kHeight, false, irr::video::EDT_OPENGL));
    device().getIrrlichtDevice()->getTimer()->stop();
    Lumo::gGameData = new Lumo::GameData();
    Lumo::gGameData->ambientColor = 0xFFFFFFFF;
    Lumo::registerShaderMaterials(*device().getShaderManager(), driver(), Lumo::gGameData->wallMaterial);
    Lumo::loadSpriteDefinitions(Lumo::gGameData->spriteDefinitions);
}

void OpenGLStageFixture::TearDown()
{
    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
    delete Lumo::gGameData;
    Lumo::gGameData = nullptr;
}
