#include "spritesgl/OpenGLStageFixture.h"

#include "GoldenImage.h"
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
        if (!openEngineWindow(OpenGLStageFixture::kWidth, OpenGLStageFixture::kHeight, irr::video::EDT_OPENGL)) {
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

void OpenGLStageFixture::lookAt(float centreX, float width)
{
    irr::scene::ICameraSceneNode* camera = scene()->addCameraSceneNode(
        nullptr, irr::core::vector3df(centreX, 60.f, 500.f), irr::core::vector3df(centreX, 0.f, 600.f));
    irr::core::matrix4 projection;
    projection.buildProjectionMatrixOrthoLH(width, width * kHeight / kWidth, 1.f, 1000.f);
    camera->setProjectionMatrix(projection, true);
}

irr::video::IImage* OpenGLStageFixture::picture()
{
    return drawIntoPicture(driver(), {kWidth, kHeight}, irr::video::SColor(255, 96, 112, 136),
                           [this] { scene()->drawAll(); });
}

Lumo::CharacterNode* OpenGLStageFixture::addGood(irr::scene::ISceneNode* parent, const wchar_t* frame,
                                                 const irr::core::vector3df& position, const wchar_t* sheet)
{
    const Lumo::SpriteDefinition* definition = Lumo::gGameData->spriteDefinitions.getDefinition(sheet);
    EXPECT_NE(definition, nullptr) << "no sheet";
    if (!definition)
        return nullptr;
    auto* good = new Lumo::CharacterNode(parent, scene(), *definition);
    good->drop();
    good->setFrame(frame);
    EXPECT_NE(good->getCurrentFrame(), nullptr) << "no frame";
    good->getMaterial(0).MaterialTypeParam2 = 1.f;
    good->setScale(irr::core::vector3df(0.6f, 0.6f, 0.6f));
    good->setPosition(position);
    return good;
}
