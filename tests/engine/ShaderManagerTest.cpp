// Shader materials by name on a driver that compiles no programs, as the null driver and a machine
// without shader support are: whatever is asked for, the game gets a material it can draw with.
#include "NullDeviceFixture.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Shaders/ShaderManager.h"

using irr::video::EMT_SOLID;
using irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL;

class ShaderManagerWithoutShaders : public NullDeviceFixture {
protected:
    TovarWorks::ShaderManager shaders{nullptr};

    void SetUp() override {
        NullDeviceFixture::SetUp();
        shaders = TovarWorks::ShaderManager(device().getVideoDriver());
    }
};

TEST_F(ShaderManagerWithoutShaders, AProgramPairThatDidNotCompileDrawsAsSolid) {
    EXPECT_EQ(-1, shaders.registerMaterial("edgeShader", "data/shader/edge.vert", "data/shader/edge.frag", nullptr,
                                           EMT_TRANSPARENT_ALPHA_CHANNEL));
    EXPECT_TRUE(shaders.has("edgeShader"));
    EXPECT_EQ(-1, shaders.getMaterial("edgeShader")) << "the failed registration is still told as it was";
    EXPECT_EQ(EMT_SOLID, shaders.materialType("edgeShader"));
}

TEST_F(ShaderManagerWithoutShaders, AnUnknownNameIsReportedAndDrawsAsSolid) {
    EXPECT_EQ(EMT_SOLID, shaders.materialType("cuboldShader"));
    ASSERT_FALSE(device().getConsole()->lines.empty());
    EXPECT_EQ(device().getConsole()->lines.back().text, L"Konnte Shader nicht laden: cuboldShader");
}
