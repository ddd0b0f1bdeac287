#include "spritesgl/OpenGLStageFixture.h"

#include "NeedsDisplay.h"

#include "src_lumo/Shaders/ShaderMaterials.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/Shaders/ShaderManager.h"

#include <cstdlib>

namespace {

class OpenGLStage : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            return;
        TovarWorks::gDevice = new TovarWorks::TovarDevice();
        if (!TovarWorks::gDevice->init(OpenGLStageFixture::kWidth, OpenGLStageFixture::kHeight, false,
                                       irr::video::EDT_OPENGL)) {
            delete TovarWorks::gDevice;
            TovarWorks::gDevice = nullptr;
            return;
        }
        TovarWorks::gDevice->getIrrlichtDevice()->getTimer()->stop();
        Lumo::gGameData = new Lumo::GameData();
        Lumo::registerShaderMaterials(*TovarWorks::gDevice->getShaderManager(), TovarWorks::gDevice->getVideoDriver(),
                                      Lumo::gGameData->wallMaterial);
        Lumo::loadSpriteDefinitions(Lumo::gGameData->spriteDefinitions);
    }

    void TearDown() override
    {
        delete TovarWorks::gDevice;
        TovarWorks::gDevice = nullptr;
        delete Lumo::gGameData;
        Lumo::gGameData = nullptr;
    }
};

const ::testing::Environment* const kStage = ::testing::AddGlobalTestEnvironment(new OpenGLStage);

} // namespace

void OpenGLStageFixture::SetUp()
{
    SKIP_WITHOUT_DISPLAY();
    ASSERT_NE(TovarWorks::gDevice, nullptr) << "OpenGL did not start on the X display";
    scene()->clear();
    Lumo::gGameData->ambientColor = 0xFFFFFFFF;
}
