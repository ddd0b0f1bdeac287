// Every shader program of the game compiles and links on a real OpenGL driver, each to its own material.
#include "spritesgl/OpenGLStageFixture.h"

#include "TovarWorks/Shaders/ShaderManager.h"

#include <set>

TEST_F(OpenGLStageFixture, EveryShaderMaterialCompilesAndLinksToItsOwnMaterial)
{
    std::set<int> ids = {Lumo::gGameData->wallMaterial};
    for (const char* name : {"cuboldShader", "edgeShader", "transparency", "projection", "solid", "alphatransparency",
                             "alphatransparencynosm"}) {
        ASSERT_TRUE(device().getShaderManager()->has(name)) << name;
        ids.insert(device().getShaderManager()->getMaterial(name));
    }
    EXPECT_EQ(ids.size(), 8u);
    EXPECT_GT(*ids.begin(), irr::video::EMT_ONETEXTURE_BLEND);
}
