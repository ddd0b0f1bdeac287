#pragma once
// An OpenGL device (skipped without DISPLAY; the suite runs under xvfb-run) and a fresh GameData
// for drawing the interface at 1280 x 720, with pictures compared with the references in
// tests/data/<area>: at most 12 pixels may differ by more than 8 in a colour channel, fewer than
// one full stop has.
#include "GoldenImage.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

class InterfaceScreenshotFixture : public ::testing::Test {
protected:
    InterfaceScreenshotFixture(std::string area, irr::video::SColor background)
        : area(std::move(area)), background(background) {}

    void SetUp() override;
    void TearDown() override;

    // A texture whose top-left colour is transparent, as the game keys its sheets.
    irr::video::ITexture* keyed(const char* path);
    // The picture the drawing makes, against the reference of that name.
    void expectPicture(const std::string& name, const std::function<void()>& draw);
    GoldenResult comparePicture(const std::string& name, const std::function<void()>& draw);

    const irr::core::dimension2du kPictureSize{1280, 720};
    irr::video::IVideoDriver* driver = nullptr;

private:
    const std::string area;
    const irr::video::SColor background;
};
