// The level's meshes pass the game's mesh check, load through Irrlicht's own loaders with every
// texture found, and fit where the game places them.
#include "src_lumo/Visual/MeshFiles.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <filesystem>
#include <set>

using irr::core::vector3df;

class LevelMeshes : public ::testing::Test, irr::IEventReceiver {
protected:
    void SetUp() override {
        device = irr::createDevice(irr::video::EDT_NULL);
        ASSERT_NE(nullptr, device);
        device->setEventReceiver(this);
        device->getLogger()->setLogLevel(irr::ELL_WARNING);
    }
    void TearDown() override { device->drop(); }

    bool OnEvent(const irr::SEvent& event) override {
        if (event.EventType == irr::EET_LOG_TEXT_EVENT)
            warnings.emplace_back(event.LogEvent.Text);
        return true;
    }

    irr::core::aabbox3df box(const char* file) {
        irr::scene::IAnimatedMesh* mesh = device->getSceneManager()->getMesh(file);
        return mesh ? mesh->getBoundingBox() : irr::core::aabbox3df(0, 0, 0, 0, 0, 0);
    }

    irr::IrrlichtDevice* device = nullptr;
    std::vector<std::string> warnings;
};

TEST_F(LevelMeshes, EveryMeshPassesTheCheckAndLoadsWithItsTextures) {
    std::set<std::string> textures;
    int meshes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("lumodata/3d")) {
        const std::string file = entry.path().string(), ending = entry.path().extension().string();
        if (ending != ".irrmesh" && ending != ".3ds" && ending != ".3DS")
            continue;
        ++meshes;
        irr::io::IReadFile* read = device->getFileSystem()->createAndOpenFile(file.c_str());
        ASSERT_NE(nullptr, read) << file;
        EXPECT_EQ(Lumo::MeshFiles::problem(*read), "") << file;
        read->drop();
        irr::scene::IAnimatedMesh* animated = device->getSceneManager()->getMesh(file.c_str());
        ASSERT_NE(nullptr, animated) << file;
        irr::scene::IMesh* mesh = animated->getMesh(0);
        ASSERT_GT(mesh->getMeshBufferCount(), 0u) << file;
        for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
            EXPECT_GT(mesh->getMeshBuffer(b)->getIndexCount(), 0u) << file;
            const irr::video::ITexture* texture = mesh->getMeshBuffer(b)->getMaterial().getTexture(0);
            ASSERT_NE(nullptr, texture) << file << " buffer " << b << " has no texture";
            textures.insert(std::filesystem::path(texture->getName().getPath().c_str()).filename().string());
        }
    }
    EXPECT_EQ(8, meshes);
    for (const char* file : {"lumodata/3d/bu_1.png", "lumodata/3d/bu_2.png", "lumodata/3d/bu_3.png"})
        EXPECT_NE(nullptr, device->getVideoDriver()->getTexture(file)) << file;
    EXPECT_EQ(std::vector<std::string>{}, warnings) << "no texture is looked for that is not there";
    for (const char* transparent : {"b_3.png", "b_2.png", "bar.png", "test_tre.png", "store.png"})
        EXPECT_EQ(1u, textures.count(transparent)) << transparent;
}

TEST_F(LevelMeshes, FadingWallsStandOnTheThresholdTheyArePlacedAt) {
    for (const char* wall : {"lumodata/3d/im/backery_wall1.irrmesh", "lumodata/3d/im/backery_wall2.irrmesh",
                             "lumodata/3d/im/shop_wall1.irrmesh"}) {
        const irr::core::aabbox3df local = box(wall);
        EXPECT_LE(local.MinEdge.Z, 10.0f) << wall;
        EXPECT_GE(local.MaxEdge.Z, 0.0f) << wall;
        EXPECT_GE(local.MaxEdge.Y, 30.0f) << wall;
    }
}

TEST_F(LevelMeshes, OvenTakesTheTrayInItsMouth) {
    const irr::core::aabbox3df oven = box("lumodata/3d/oven.3DS");
    EXPECT_TRUE(oven.isPointInside({0, 13, -2}));
    EXPECT_NEAR(-15.0f, oven.MinEdge.X, 1.0f);
    EXPECT_NEAR(15.0f, oven.MaxEdge.X, 1.0f);
    const vector3df tray = box("lumodata/3d/blech.3ds").getExtent();
    EXPECT_LT(tray.X, 26.0f); // fits the oven's 26-unit mouth
    EXPECT_GT(tray.X, 0.0f);
    EXPECT_LT(tray.Y, 5.0f);
}
