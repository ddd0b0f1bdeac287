// What each material callback hands its program: names, order and values of the uniforms. On
// OpenGL, because only a real driver keeps the transforms the callbacks read.
#include "spritesgl/OpenGLStageFixture.h"

#include "src_lumo/Shaders/LumoCuboldShader.h"
#include "src_lumo/Shaders/LumoPixelShadowCallBack.h"
#include "src_lumo/Shaders/ShaderEdgeCallBack.h"
#include "src_lumo/Shaders/ShaderSolidCallBack.h"
#include "src_lumo/Shaders/ShaderTransparencyCallBack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every constant a callback sets, in order.
class RecordingServices : public irr::video::IMaterialRendererServices {
public:
    explicit RecordingServices(irr::video::IVideoDriver* driver) : driver(driver) {}

    struct Constant {
        std::string name;
        std::vector<float> floats;
        std::vector<int> ints;
    };

    void setBasicRenderStates(const irr::video::SMaterial&, const irr::video::SMaterial&, bool) override {}
    bool setVertexShaderConstant(const irr::c8* name, const irr::f32* floats, int count) override
    {
        return record(name, floats, count);
    }
    bool setVertexShaderConstant(const irr::c8*, const bool*, int) override { return false; }
    bool setVertexShaderConstant(const irr::c8* name, const irr::s32* ints, int count) override
    {
        return recordInts(name, ints, count);
    }
    void setVertexShaderConstant(const irr::f32*, irr::s32, irr::s32) override {}
    bool setPixelShaderConstant(const irr::c8* name, const irr::f32* floats, int count) override
    {
        return record(name, floats, count);
    }
    bool setPixelShaderConstant(const irr::c8*, const bool*, int) override { return false; }
    bool setPixelShaderConstant(const irr::c8* name, const irr::s32* ints, int count) override
    {
        return recordInts(name, ints, count);
    }
    void setPixelShaderConstant(const irr::f32*, irr::s32, irr::s32) override {}
    irr::video::IVideoDriver* getVideoDriver() override { return driver; }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const Constant& constant : constants)
            result.push_back(constant.name);
        return result;
    }
    const Constant& get(const std::string& name) const
    {
        for (const Constant& constant : constants)
            if (constant.name == name)
                return constant;
        throw std::runtime_error("constant not set: " + name);
    }

    std::vector<Constant> constants;

private:
    bool record(const char* name, const float* values, int count)
    {
        constants.push_back({name, std::vector<float>(values, values + count), {}});
        return true;
    }
    bool recordInts(const char* name, const int* values, int count)
    {
        constants.push_back({name, {}, std::vector<int>(values, values + count)});
        return true;
    }

    irr::video::IVideoDriver* driver;
};

class ShaderCallbackTest : public OpenGLStageFixture {
protected:
    void SetUp() override
    {
        OpenGLStageFixture::SetUp();
        if (IsSkipped())
            return;
        irr::video::IVideoDriver* driver = device().getVideoDriver();
        world.setTranslation({10.f, 20.f, 30.f});
        world.setScale({2.f, 2.f, 2.f});
        view.setTranslation({0.f, -5.f, 7.f});
        projection.buildProjectionMatrixOrthoLH(640.f, 360.f, 1.f, 100.f);
        driver->setTransform(irr::video::ETS_WORLD, world);
        driver->setTransform(irr::video::ETS_VIEW, view);
        driver->setTransform(irr::video::ETS_PROJECTION, projection);
        services = std::make_unique<RecordingServices>(driver);
    }

    void run(irr::video::IShaderConstantSetCallBack& callback, const irr::video::SMaterial& material)
    {
        callback.OnSetMaterial(material);
        callback.OnSetConstants(services.get(), 0);
        callback.drop();
    }

    std::vector<float> worldViewProjection() const
    {
        const irr::core::matrix4 combined = projection * view * world;
        return std::vector<float>(combined.pointer(), combined.pointer() + 16);
    }

    static void expectColor(const std::vector<float>& actual, float r, float g, float b, float a)
    {
        ASSERT_EQ(actual.size(), 4u);
        EXPECT_NEAR(actual[0], r, 1e-4f);
        EXPECT_NEAR(actual[1], g, 1e-4f);
        EXPECT_NEAR(actual[2], b, 1e-4f);
        EXPECT_NEAR(actual[3], a, 1e-4f);
    }

    irr::core::matrix4 world, view, projection;
    irr::video::SMaterial material;
    std::unique_ptr<RecordingServices> services;
};

TEST_F(ShaderCallbackTest, CuboldShaderTintsByTheAmbientColourAtNight)
{
    Lumo::gGameData->ambientColor = 0xFF363256;
    run(*new Lumo::LumoCuboldShader, material);
    const std::vector<std::string> order = {"mWorldViewProj", "mColor", "base0",  "base1",
                                            "base2",          "color0", "color1", "color2"};
    EXPECT_EQ(services->names(), order);
    EXPECT_EQ(services->get("mWorldViewProj").floats, worldViewProjection());
    expectColor(services->get("mColor").floats, 0.2118f, 0.1961f, 0.3373f, 1.f);
    expectColor(services->get("base1").floats, 0.286275f, 1.f, 0.858824f, 1.f);
    expectColor(services->get("color2").floats, 1.f, 1.f, 1.f, 1.f);
}

TEST_F(ShaderCallbackTest, EdgeAndTransparencyUseTheMaterialsOwnColour)
{
    Lumo::gGameData->ambientColor = 0xFFFFFFFF;
    material.DiffuseColor = irr::video::SColor(0xFF000000);
    run(*new Lumo::ShaderEdgeCallBack, material);
    EXPECT_EQ(services->names(), (std::vector<std::string>{"mColor", "mWorldViewProj"}));
    expectColor(services->get("mColor").floats, 0.f, 0.f, 0.f, 1.f);

    services->constants.clear();
    material.DiffuseColor = irr::video::SColor(128, 255, 0, 51);
    run(*new Lumo::ShaderTransparencyCallBack, material);
    expectColor(services->get("mColor").floats, 1.f, 0.f, 0.2f, 128.f / 255.f);
}

TEST_F(ShaderCallbackTest, SolidMaterialsPassTextureUnitsAsIntegers)
{
    Lumo::gGameData->ambientColor = 0xFFFFFFFF;
    run(*new Lumo::ShaderSolidCallBack, material);
    EXPECT_EQ(services->names(),
              (std::vector<std::string>{"mColor", "mWorldViewProj", "baseTexture", "shadowTexture"}));
    expectColor(services->get("mColor").floats, 1.f, 1.f, 1.f, 1.f);
    EXPECT_EQ(services->get("baseTexture").ints, std::vector<int>{0});
    EXPECT_EQ(services->get("shadowTexture").ints, std::vector<int>{1});
}

TEST_F(ShaderCallbackTest, WallsGetTheirOpacityAndTransforms)
{
    Lumo::gGameData->ambientColor = 0xFFDCAA64;
    material.MaterialTypeParam2 = 0.35f;
    run(*new Lumo::LumoPixelShadowCallBack, material);
    const std::vector<std::string> order = {"mColor", "mInvWorld", "mWorld",        "mWorldViewProj",
                                            "mLightPos", "diss",   "baseTexture", "shadowTexture"};
    EXPECT_EQ(services->names(), order);
    expectColor(services->get("mColor").floats, 220.f / 255.f, 170.f / 255.f, 100.f / 255.f, 1.f);
    EXPECT_EQ(services->get("mWorld").floats, std::vector<float>(world.pointer(), world.pointer() + 16));
    irr::core::matrix4 inverse;
    inverse.setM(services->get("mInvWorld").floats.data());
    EXPECT_TRUE((inverse * world).isIdentity());
    EXPECT_EQ(services->get("mLightPos").floats, (std::vector<float>{0.f, 0.f, 0.f}));
    EXPECT_EQ(services->get("diss").floats, std::vector<float>{0.35f});
    EXPECT_EQ(services->get("baseTexture").floats, std::vector<float>{0.f});
    EXPECT_EQ(services->get("shadowTexture").floats, std::vector<float>{1.f});
}

TEST_F(ShaderCallbackTest, AWorldThatCannotBeInvertedIsPassedAsItIs)
{
    irr::core::matrix4 flat;
    flat.setScale({1.f, 0.f, 1.f});
    device().getVideoDriver()->setTransform(irr::video::ETS_WORLD, flat);
    run(*new Lumo::LumoPixelShadowCallBack, material);
    EXPECT_EQ(services->get("mInvWorld").floats, std::vector<float>(flat.pointer(), flat.pointer() + 16));
}

} // namespace
