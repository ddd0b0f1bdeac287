// What the material callbacks hand their programs. On OpenGL, because only a real driver keeps
// the transforms the callbacks read.
#include "spritesgl/OpenGLStageFixture.h"

#include "src_lumo/Shaders/LumoCuboldShader.h"
#include "src_lumo/Shaders/LumoPixelShadowCallBack.h"
#include "src_lumo/Shaders/ShaderEdgeCallBack.h"
#include "src_lumo/Shaders/ShaderSolidCallBack.h"
#include "src_lumo/Shaders/ShaderTransparencyCallBack.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Keeps the last value of every constant a callback sets; integers are kept apart.
class RecordingServices : public irr::video::IMaterialRendererServices {
public:
    explicit RecordingServices(irr::video::IVideoDriver* driver) : driver(driver) {}

    void setBasicRenderStates(const irr::video::SMaterial&, const irr::video::SMaterial&, bool) override {}
    bool setVertexShaderConstant(const irr::c8* name, const irr::f32* values, int count) override
    {
        return keep(floats, name, values, count);
    }
    bool setVertexShaderConstant(const irr::c8*, const bool*, int) override { return false; }
    bool setVertexShaderConstant(const irr::c8* name, const irr::s32* values, int count) override
    {
        return keep(ints, name, values, count);
    }
    void setVertexShaderConstant(const irr::f32*, irr::s32, irr::s32) override {}
    bool setPixelShaderConstant(const irr::c8* name, const irr::f32* values, int count) override
    {
        return keep(floats, name, values, count);
    }
    bool setPixelShaderConstant(const irr::c8*, const bool*, int) override { return false; }
    bool setPixelShaderConstant(const irr::c8* name, const irr::s32* values, int count) override
    {
        return keep(ints, name, values, count);
    }
    void setPixelShaderConstant(const irr::f32*, irr::s32, irr::s32) override {}
    irr::video::IVideoDriver* getVideoDriver() override { return driver; }

    std::map<std::string, std::vector<float>> floats;
    std::map<std::string, std::vector<int>> ints;

private:
    template <typename T>
    static bool keep(std::map<std::string, std::vector<T>>& into, const char* name, const T* values, int count)
    {
        into[name] = std::vector<T>(values, values + count);
        return true;
    }
    irr::video::IVideoDriver* driver;
};

std::vector<float> entries(const irr::core::matrix4& m) { return std::vector<float>(m.pointer(), m.pointer() + 16); }

class ShaderCallbackTest : public OpenGLStageFixture {
protected:
    void SetUp() override
    {
        OpenGLStageFixture::SetUp();
        if (IsSkipped())
            return;
        world.setTranslation({10.f, 20.f, 30.f});
        world.setScale({2.f, 2.f, 2.f});
        view.setTranslation({0.f, -5.f, 7.f});
        projection.buildProjectionMatrixOrthoLH(640.f, 360.f, 1.f, 100.f);
        driver()->setTransform(irr::video::ETS_WORLD, world);
        driver()->setTransform(irr::video::ETS_VIEW, view);
        driver()->setTransform(irr::video::ETS_PROJECTION, projection);
    }

    // The constants the callback sets for the material under the ambient colour.
    RecordingServices run(irr::video::IShaderConstantSetCallBack* callback, irr::u32 ambient)
    {
        Lumo::gGameData->ambientColor = ambient;
        RecordingServices services(driver());
        callback->OnSetMaterial(material);
        callback->OnSetConstants(&services, 0);
        callback->drop();
        return services;
    }

    static void expectColor(const std::vector<float>& actual, std::vector<float> expected)
    {
        ASSERT_EQ(actual.size(), 4u);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-4f) << i;
    }

    irr::core::matrix4 world, view, projection;
    irr::video::SMaterial material;
};

TEST_F(ShaderCallbackTest, CuboldShaderTintsByTheAmbientColourAtNight)
{
    const RecordingServices set = run(new Lumo::LumoCuboldShader, 0xFF363256);
    EXPECT_EQ(set.floats.at("mWorldViewProj"), entries(projection * view * world));
    expectColor(set.floats.at("mColor"), {0x36 / 255.f, 0x32 / 255.f, 0x56 / 255.f, 1.f});
}

TEST_F(ShaderCallbackTest, EdgeAndTransparencyUseTheMaterialsOwnColourAndSolidsTheAmbient)
{
    material.DiffuseColor = irr::video::SColor(0xFF000000);
    expectColor(run(new Lumo::ShaderEdgeCallBack, 0xFFFFFFFF).floats.at("mColor"), {0.f, 0.f, 0.f, 1.f});
    material.DiffuseColor = irr::video::SColor(128, 255, 0, 51);
    expectColor(run(new Lumo::ShaderTransparencyCallBack, 0xFFFFFFFF).floats.at("mColor"),
                {1.f, 0.f, 0.2f, 128.f / 255.f});
    const RecordingServices solid = run(new Lumo::ShaderSolidCallBack, 0xFFDCAA64);
    expectColor(solid.floats.at("mColor"), {220.f / 255.f, 170.f / 255.f, 100.f / 255.f, 1.f});
    EXPECT_EQ(solid.ints.at("baseTexture"), std::vector<int>{0});
    EXPECT_EQ(solid.ints.at("shadowTexture"), std::vector<int>{1});
}

TEST_F(ShaderCallbackTest, WallsGetTheirOpacityAndTransforms)
{
    material.MaterialTypeParam2 = 0.35f;
    const RecordingServices set = run(new Lumo::LumoPixelShadowCallBack, 0xFFDCAA64);
    expectColor(set.floats.at("mColor"), {220.f / 255.f, 170.f / 255.f, 100.f / 255.f, 1.f});
    EXPECT_EQ(set.floats.at("mWorld"), entries(world));
    EXPECT_EQ(set.floats.at("mWorldViewProj"), entries(projection * view * world));
    irr::core::matrix4 inverse;
    inverse.setM(set.floats.at("mInvWorld").data());
    EXPECT_TRUE((inverse * world).isIdentity());
    EXPECT_EQ(set.floats.at("diss"), std::vector<float>{0.35f});
    EXPECT_EQ(set.floats.at("baseTexture"), std::vector<float>{0.f});
    EXPECT_EQ(set.floats.at("shadowTexture"), std::vector<float>{1.f});

    irr::core::matrix4 flat; // cannot be inverted: passed as it is
    flat.setScale({1.f, 0.f, 1.f});
    driver()->setTransform(irr::video::ETS_WORLD, flat);
    EXPECT_EQ(run(new Lumo::LumoPixelShadowCallBack, 0xFFFFFFFF).floats.at("mInvWorld"), entries(flat));
}

} // namespace
