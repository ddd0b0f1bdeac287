// Every shader program of the game compiles and links on a real OpenGL driver.
#include "spritesgl/OpenGLStageFixture.h"

#include "TovarWorks/Shaders/ShaderManager.h"

#include <set>

class ShaderProgramsTest : public OpenGLStageFixture {};

TEST_F(ShaderProgramsTest, EveryMaterialCompilesAndLinks)
{
    const auto shaders = device().getShaderManager();
    for (const char* name : {"cuboldShader", "edgeShader", "transparency", "projection", "solid", "alphatransparency",
                             "alphatransparencynosm"}) {
        ASSERT_TRUE(shaders->has(name)) << name;
        EXPECT_GT(shaders->getMaterial(name), irr::video::EMT_ONETEXTURE_BLEND) << name;
    }
    EXPECT_GT(Lumo::gGameData->wallMaterial, irr::video::EMT_ONETEXTURE_BLEND);
}

TEST_F(ShaderProgramsTest, MaterialsAreDistinct)
{
    const auto shaders = device().getShaderManager();
    std::set<int> ids;
    for (const char* name : {"cuboldShader", "edgeShader", "transparency", "projection", "solid", "alphatransparency",
                             "alphatransparencynosm"})
        ids.insert(shaders->getMaterial(name));
    ids.insert(Lumo::gGameData->wallMaterial);
    EXPECT_EQ(ids.size(), 8u);
}
