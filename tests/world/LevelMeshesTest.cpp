// The level's meshes pass the game's mesh check and load through Irrlicht's own loaders with every
// texture found. How they stand in the bakery the game's pictures show.
#include "src_lumo/Visual/MeshFiles.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <filesystem>
#include <set>

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
