#pragma once
// A real TovarDevice on OpenGL (under Xvfb in the test run) with the game's shader materials
// registered and the shipped sprite definitions loaded. The device is made once per process:
// Irrlicht cannot reliably open a second OpenGL window on Xvfb after closing the first. Each test
// starts with an empty scene and daylight. Skips without an X server.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <gtest/gtest.h>

class OpenGLStageFixture : public ::testing::Test {
public:
    static constexpr irr::u32 kWidth = 640;
    static constexpr irr::u32 kHeight = 360;

protected:
    void SetUp() override;

    TovarWorks::TovarDevice& device() { return *TovarWorks::gDevice; }
    irr::video::IVideoDriver* driver() { return device().getVideoDriver(); }
    irr::scene::ISceneManager* scene() { return device().getSceneManager(); }

    // A slightly raised orthographic view, so the side walls show above the faces.
    void lookAt(float centreX, float width);
    // The scene drawn over a grey-blue ground; the caller drops it.
    irr::video::IImage* picture();
    // A good of the item sheet (or another) as the shop shows it; the parent holds it.
    Lumo::CharacterNode* addGood(irr::scene::ISceneNode* parent, const wchar_t* frame,
                                 const irr::core::vector3df& position, const wchar_t* sheet = L"items");
};
