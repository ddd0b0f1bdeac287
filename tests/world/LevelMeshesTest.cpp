// The level's meshes load through Irrlicht's own loaders with every texture found, stand where
// the visual places them, and look like a bakery from the game camera.
#include <irrlicht.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

using irr::core::vector3df;

namespace {

struct Placement {
    const char* file;
    vector3df position;
};

// The visual's placements of the level meshes.
const Placement kMeshes[] = {
    {"lumodata/3d/im/backery.irrmesh", {0, 0, 0}},
    {"lumodata/3d/im/backery_wall1.irrmesh", {770, 0, 530}},
    {"lumodata/3d/im/backery_wall2.irrmesh", {770, 0, 590}},
    {"lumodata/3d/im/shop_wall1.irrmesh", {860, 0, 620}},
    {"lumodata/3d/im/backery_wall3.irrmesh", {650, 0, 630}},
    {"lumodata/3d/im/bar_wall1.irrmesh", {600, 0, 360}},
    {"lumodata/3d/oven.3DS", {825, 0, 640}},
    {"lumodata/3d/blech.3ds", {792.5f, 10, 615}},
};

irr::core::aabbox3df placedBox(irr::scene::IMesh* mesh, const vector3df& at) {
    irr::core::aabbox3df box = mesh->getBoundingBox();
    box.MinEdge += at;
    box.MaxEdge += at;
    return box;
}

} // namespace

class LevelMeshes : public ::testing::Test {
protected:
    void SetUp() override {
        device = irr::createDevice(irr::video::EDT_NULL);
        ASSERT_NE(nullptr, device);
        device->getLogger()->setLogLevel(irr::ELL_NONE);
    }
    void TearDown() override { device->drop(); }

    irr::scene::IMesh* load(const char* file) {
        irr::scene::IAnimatedMesh* mesh = device->getSceneManager()->getMesh(file);
        return mesh ? mesh->getMesh(0) : nullptr;
    }

    irr::IrrlichtDevice* device = nullptr;
};

TEST_F(LevelMeshes, EveryMeshLoadsWithItsTextures) {
    for (const Placement& placement : kMeshes) {
        irr::scene::IMesh* mesh = load(placement.file);
        ASSERT_NE(nullptr, mesh) << placement.file;
        ASSERT_GT(mesh->getMeshBufferCount(), 0u) << placement.file;
        for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
            EXPECT_GT(mesh->getMeshBuffer(b)->getIndexCount(), 0u) << placement.file;
            EXPECT_NE(nullptr, mesh->getMeshBuffer(b)->getMaterial().getTexture(0))
                << placement.file << " buffer " << b << " has no texture";
        }
    }
}

// Hears Irrlicht's log lines.
struct LogRecorder : irr::IEventReceiver {
    bool OnEvent(const irr::SEvent& event) override {
        if (event.EventType == irr::EET_LOG_TEXT_EVENT)
            lines.emplace_back(event.LogEvent.Text);
        return true;
    }
    std::vector<std::string> lines;
};

TEST_F(LevelMeshes, LoadingLooksForNoTextureThatIsNotThere) {
    LogRecorder log;
    device->setEventReceiver(&log);
    device->getLogger()->setLogLevel(irr::ELL_WARNING);
    for (const Placement& placement : kMeshes)
        ASSERT_NE(nullptr, load(placement.file)) << placement.file;
    device->setEventReceiver(nullptr);
    EXPECT_EQ(std::vector<std::string>{}, log.lines);
}

TEST_F(LevelMeshes, TransparentTexturesAreUsedByTheLevel) {
    std::set<std::string> names;
    for (const Placement& placement : kMeshes)
        if (irr::scene::IMesh* mesh = load(placement.file))
            for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
                if (const irr::video::ITexture* texture = mesh->getMeshBuffer(b)->getMaterial().getTexture(0))
                    names.insert(texture->getName().getPath().c_str());
    for (const char* marker : {"b_3.png", "b_2.png", "bar.png", "test_tre.png", "ore.png"}) {
        bool found = false;
        for (const std::string& name : names)
            found = found || name.find(marker) != std::string::npos;
        EXPECT_TRUE(found) << marker;
    }
}

TEST_F(LevelMeshes, DecorationTexturesLoad) {
    for (const char* file : {"lumodata/3d/bu_1.png", "lumodata/3d/bu_2.png", "lumodata/3d/bu_3.png"})
        EXPECT_NE(nullptr, device->getVideoDriver()->getTexture(file)) << file;
}

TEST_F(LevelMeshes, FadingWallsStandOnTheirThresholds) {
    const std::pair<int, float> walls[] = {{1, 530.0f}, {2, 590.0f}, {3, 620.0f}};
    for (const auto& [index, threshold] : walls) {
        const irr::core::aabbox3df box = placedBox(load(kMeshes[index].file), kMeshes[index].position);
        EXPECT_LE(box.MinEdge.Z, threshold + 10.0f) << kMeshes[index].file;
        EXPECT_GE(box.MaxEdge.Z, threshold) << kMeshes[index].file;
        EXPECT_GE(box.MaxEdge.Y, 30.0f) << kMeshes[index].file;
    }
}

TEST_F(LevelMeshes, OvenTakesTheTrayInItsMouth) {
    const irr::core::aabbox3df oven = placedBox(load("lumodata/3d/oven.3DS"), {825, 0, 640});
    EXPECT_TRUE(oven.isPointInside({825, 13, 638}));
    EXPECT_NEAR(810.0f, oven.MinEdge.X, 1.0f);
    EXPECT_NEAR(840.0f, oven.MaxEdge.X, 1.0f);
    const irr::core::aabbox3df tray = load("lumodata/3d/blech.3ds")->getBoundingBox();
    EXPECT_LT(tray.getExtent().X, 26.0f); // fits the oven's 26-unit mouth
    EXPECT_LT(tray.getExtent().Y, 5.0f);
}
