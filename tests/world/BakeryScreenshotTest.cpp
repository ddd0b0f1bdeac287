// Renders the empty bakery under OpenGL from the game camera and keeps the pictures in
// build/screenshots/ for a look by eye. Needs a display (the suite runs under xvfb-run).
#include <irrlicht.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

using irr::core::vector3df;

namespace {

const std::pair<const char*, vector3df> kSceneMeshes[] = {
    {"lumodata/3d/im/backery.irrmesh", {0, 0, 0}},         {"lumodata/3d/im/backery_wall1.irrmesh", {770, 0, 530}},
    {"lumodata/3d/im/backery_wall2.irrmesh", {770, 0, 590}}, {"lumodata/3d/im/shop_wall1.irrmesh", {860, 0, 620}},
    {"lumodata/3d/im/backery_wall3.irrmesh", {650, 0, 630}}, {"lumodata/3d/im/bar_wall1.irrmesh", {600, 0, 360}},
    {"lumodata/3d/oven.3DS", {825, 0, 640}},                 {"lumodata/3d/blech.3ds", {792.5f, 10, 615}},
};

// The walls nearer the camera than the baker are faded out in the game, as here.
const std::pair<int, float> kFadingWalls[] = {{1, 530.0f}, {2, 590.0f}, {3, 620.0f}};

} // namespace

class BakeryScreenshot : public ::testing::Test {
protected:
    void SetUp() override {
        irr::SIrrlichtCreationParameters parameters;
        parameters.DriverType = irr::video::EDT_OPENGL;
        parameters.WindowSize = irr::core::dimension2du(1280, 720);
        parameters.LoggingLevel = irr::ELL_ERROR;
        parameters.Doublebuffer = false; // the screenshot reads the front buffer
        device = irr::createDeviceEx(parameters);
        if (!device)
            GTEST_SKIP() << "no OpenGL display";
        auto* scene = device->getSceneManager();
        for (const auto& [file, position] : kSceneMeshes) {
            irr::scene::IAnimatedMesh* mesh = scene->getMesh(file);
            ASSERT_NE(nullptr, mesh) << file;
            irr::scene::IMeshSceneNode* node = scene->addMeshSceneNode(mesh->getMesh(0), nullptr, -1, position);
            node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
            nodes.push_back(node);
        }
        camera = scene->addCameraSceneNode();
        camera->setFOV(19.3f);
        camera->setAspectRatio(16.0f / 9.0f);
    }
    void TearDown() override {
        if (device)
            device->drop();
    }

    // Renders with the baker standing at (x, z) and returns how many colours the picture has.
    size_t shoot(float x, float z, const std::string& name) {
        const vector3df baker(x, 0, z);
        camera->setPosition(baker + vector3df(0, 160, -100));
        camera->setTarget(baker + vector3df(0, 0, 5));
        for (const auto& [index, threshold] : kFadingWalls)
            nodes[index]->setVisible(z <= threshold);
        auto* driver = device->getVideoDriver();
        for (int frame = 0; frame < 2; ++frame) {
            device->run();
            driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
            device->getSceneManager()->drawAll();
            driver->endScene();
        }
        irr::video::IImage* shot = driver->createScreenShot();
        if (!shot)
            return 0;
        const std::filesystem::path folder = std::filesystem::path(KORNELO_RUNTIME_DIR).parent_path() / "screenshots";
        std::filesystem::create_directories(folder);
        driver->writeImageToFile(shot, (folder / (name + ".png")).string().c_str());
        std::set<irr::u32> colours;
        const irr::core::dimension2du size = shot->getDimension();
        for (irr::u32 y = 0; y < size.Height; y += 2)
            for (irr::u32 x = 0; x < size.Width; x += 2)
                colours.insert(shot->getPixel(x, y).color & 0xFFFFFF);
        shot->drop();
        return colours.size();
    }

    irr::IrrlichtDevice* device = nullptr;
    irr::scene::ICameraSceneNode* camera = nullptr;
    std::vector<irr::scene::IMeshSceneNode*> nodes;
};

TEST_F(BakeryScreenshot, ShopFromTheBakersStartIsNotBlank) {
    EXPECT_GT(shoot(815, 545, "bakery_empty"), 500u);
}

TEST_F(BakeryScreenshot, KitchenAndBackRoomAreNotBlank) {
    EXPECT_GT(shoot(830, 615, "bakery_kitchen"), 500u);
    EXPECT_GT(shoot(900, 660, "bakery_backroom"), 500u);
}

TEST_F(BakeryScreenshot, StreetAndBarAreNotBlank) {
    EXPECT_GT(shoot(760, 505, "bakery_street"), 500u);
    EXPECT_GT(shoot(640, 330, "bakery_bar"), 500u);
    EXPECT_GT(shoot(695, 655, "bakery_merchant"), 500u);
}
