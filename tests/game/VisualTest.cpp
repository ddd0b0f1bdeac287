// The scene: the clock's tint, which walls fade and how as the baker crosses them,
// and the baker walking under the arrow keys.
#include "InGame.h"

#include "TovarWorks/TovarDevice.h"

#include "src_lumo/Events/AddCharacterEvent.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/ChangeVisualNodeEvent.h"
#include "src_lumo/Events/SetAmbientColorSchemeEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/AmbientColour.h"
#include "src_lumo/Visual/ShopScreens.h"
#include "src_lumo/World/WalkingCollision.h"

#include <set>
#include <string>

using irr::core::vector3df;
using Lumo::AmbientColour;

TEST(AmbientColourByClock, NightDawnDayDuskAndTheWarmScheme) {
    const struct {
        int minute, scheme;
        uint32_t colour;
    } cases[] = {{0, 0, 0xFF363256u},    {360, 0, 0xFF363256u}, {420, 0, 0xFFAF9D8Fu}, {720, 0, 0xFFFFFFFFu},
                 {1020, 0, 0xFFFFFFFFu}, {1080, 0, 0xFFDF8549u}, {1200, 0, 0xFF363256u}, {-5, 0, 0xFFC89600u},
                 {720, 1, 0xFFDCAA64u},  {0, 1, 0xFFDCAA64u},
                 // Channel by channel halfway from dusk to night: 138.5, 91.5, 79.5.
                 {18 * 60 + 30, 0, 0xFF8B5C50u}};
    for (const auto& c : cases)
        EXPECT_EQ(c.colour, AmbientColour::at(c.minute, c.scheme)) << c.minute << " scheme " << c.scheme;
}

using Scene = InGame;

namespace {

// Notes which mode's screen each frame draws, and does nothing else.
class DrawnScreens : public Lumo::ShopScreens {
public:
    void updateScreen(int, const Lumo::InputRecord&) override {}
    void drawScreen(int mode) override { drawn.push_back(mode); }
    void update(uint32_t) override {}
    bool sellKey(const irr::SEvent&) override { return false; }
    void openDoughMenu() override {}
    void startKneading() override {}
    void serveFirstCustomer() override {}
    void openStorageMenu() override {}
    void openMerchantMenu() override {}
    void openBarMenu() override {}
    std::vector<int> drawn;
};

} // namespace

TEST_F(Scene, EachFrameDrawsTheOpenModesScreenAndNoneWhileWalkingOrOnTheCalendar) {
    const auto screens = std::make_shared<DrawnScreens>();
    visual().setShopScreens(screens);
    for (int mode = Lumo::MODE_WALKING; mode <= Lumo::MODE_BAR; ++mode) {
        visual().setMode(mode);
        screens->drawn.clear();
        play->runFrames(2);
        const bool ownScreen = mode != Lumo::MODE_WALKING && mode != Lumo::MODE_CALENDAR;
        const std::vector<int> expected = ownScreen ? std::vector<int>{mode, mode} : std::vector<int>();
        EXPECT_EQ(expected, screens->drawn) << mode;
    }
}

TEST_F(Scene, TheAmbientColourFollowsTheClockAndTheScheme) {
    trigger(Lumo::SetTimeEvent(12, 0));
    play->runFrames(1);
    EXPECT_EQ(0xFFFFFFFFu, Lumo::gGameData->ambientColor);
    trigger(Lumo::SetTimeEvent(23, 0));
    play->runFrames(1);
    EXPECT_EQ(0xFF363256u, Lumo::gGameData->ambientColor);
    trigger(Lumo::SetAmbientColorSchemeEvent(1));
    play->runFrames(1);
    EXPECT_EQ(0xFFDCAA64u, Lumo::gGameData->ambientColor);
}

TEST_F(Scene, AWallFadesOncePerCrossingAndResumesFromWhereItWas) {
    const Lumo::WallFader& fader = visual().getWallFader();
    placeHero(vector3df(815, 0, 520));
    play->runFrames(40);
    ASSERT_FALSE(fader.isFaded(0));
    ASSERT_FLOAT_EQ(1.0f, fader.opacity(0));
    const uint32_t before = fader.startedFades();
    placeHero(vector3df(815, 0, 540));
    play->runFrames(10);
    EXPECT_EQ(before + 1, fader.startedFades());
    EXPECT_TRUE(fader.isFaded(0));
    const float halfWay = fader.opacity(0);
    EXPECT_NEAR(1.0f - 10 * 16 * 0.002f, halfWay, 1e-4);
    placeHero(vector3df(815, 0, 520));
    play->runFrames(1);
    EXPECT_EQ(before + 2, fader.startedFades());
    EXPECT_NEAR(halfWay + 16 * 0.002f, fader.opacity(0), 1e-4);
    play->runFrames(100);
    EXPECT_EQ(before + 2, fader.startedFades());
    EXPECT_FLOAT_EQ(1.0f, fader.opacity(0));
    EXPECT_EQ(0u, fader.runningFades());
}

TEST_F(Scene, OnlyTheWallsBetweenTheCameraAndTheRoomsFade) {
    std::set<std::string> fading, standing;
    irr::scene::ISceneManager* scene = TovarWorks::gDevice->getSceneManager();
    for (irr::scene::ISceneNode* node : scene->getRootSceneNode()->getChildren()) {
        if (node->getType() != irr::scene::ESNT_MESH)
            continue;
        const irr::scene::IMesh* mesh = static_cast<irr::scene::IMeshSceneNode*>(node)->getMesh();
        const std::string path = scene->getMeshCache()->getMeshName(mesh).getPath().c_str();
        const std::string file = path.substr(path.rfind('/') + 1);
        if (file.find("wall") == std::string::npos)
            continue;
        (visual().getWallFader().isFadingWall(node) ? fading : standing).insert(file);
    }
    EXPECT_EQ(fading, (std::set<std::string>{"backery_wall1.irrmesh", "backery_wall2.irrmesh", "shop_wall1.irrmesh"}));
    EXPECT_EQ(standing, (std::set<std::string>{"backery_wall3.irrmesh", "bar_wall1.irrmesh"}));
}

TEST_F(Scene, TheBakerWalksUnderTheArrowKeysAsFarAtFifteenFramesASecondAsAtSixty) {
    const auto animation = [this]() -> std::wstring {
        const auto* playing = visual().getHero()->getNode()->getCurrentAnimation();
        return playing ? playing->name : L"none";
    };
    const auto walkLeft = [&](uint32_t frames, uint32_t frameMillis) {
        const vector3df start = Lumo::gGameData->heroPosition;
        play->press(irr::KEY_LEFT);
        play->runFrames(frames, frameMillis);
        EXPECT_FLOAT_EQ(start.Z, Lumo::gGameData->heroPosition.Z);
        EXPECT_EQ(Lumo::FACE_LEFT, visual().getHero()->getFacing());
        EXPECT_EQ(L"walk_left", animation());
        play->release(irr::KEY_LEFT);
        play->runFrames(2);
        EXPECT_EQ(L"iddle_left", animation());
        return start.X - Lumo::gGameData->heroPosition.X;
    };
    const float fast = walkLeft(30, 16);
    const float slow = walkLeft(8, 60);
    EXPECT_GT(fast, 5.0f);
    EXPECT_NEAR(fast, slow, 0.5f);
    // Every arrow goes at the pace of the left one.
    const std::pair<irr::EKEY_CODE, vector3df> arrows[] = {
        {irr::KEY_RIGHT, {1, 0, 0}}, {irr::KEY_UP, {0, 0, 1}}, {irr::KEY_DOWN, {0, 0, -1}}};
    for (const auto& [key, direction] : arrows) {
        const vector3df start = Lumo::gGameData->heroPosition;
        play->press(key);
        play->runFrames(30, 16);
        play->release(key);
        EXPECT_NEAR(fast, (Lumo::gGameData->heroPosition - start).dotProduct(direction), 0.5f) << key;
    }
}

TEST_F(Scene, WallsStopTheBaker) {
    play->press(irr::KEY_RIGHT);
    float last = -1.0f;
    const bool stopped = play->runUntil(
        [&] {
            const float x = Lumo::gGameData->heroPosition.X;
            const bool still = x == last;
            last = x;
            return still;
        },
        3000);
    ASSERT_TRUE(stopped);
    const irr::core::vector3df at = Lumo::gGameData->heroPosition;
    const Lumo::WalkingCollision collision(visual().getCollisionGrid());
    EXPECT_FALSE(collision.blocks(at.X, at.Z));
    EXPECT_TRUE(collision.blocks(at.X + 16 * 0.02f, at.Z));
}

TEST_F(Scene, ANewcomerUnderATakenIdTakesTheStageFromTheOneBeforeEvenTheHero) {
    const std::shared_ptr<Lumo::CharNode> before = visual().getHero();
    trigger(Lumo::AddCharacterEvent(vector3df(810, 0, 600), L"baeckerin_child", "hero", Lumo::FACE_DOWN));
    const std::shared_ptr<Lumo::CharNode> newcomer = visual().findCharacter("hero");
    ASSERT_NE(before, newcomer);
    EXPECT_FALSE(before->getNode()->getParent()) << "the one before still stands on stage";
    EXPECT_EQ(newcomer, visual().getHero()) << "the player would walk the one who left";
}

// The intro moves its characters by these events; what it does not try is checked here.
TEST_F(Scene, CharacterEventsFaceNewcomersKeepTheHerosNodeAndIgnoreTheUnknown) {
    trigger(Lumo::AddCharacterEvent(vector3df(700, 0, 500), L"male2", "f_node", Lumo::FACE_LEFT));
    const auto newcomer = visual().findCharacter("f_node");
    ASSERT_NE(nullptr, newcomer);
    EXPECT_EQ(vector3df(700, 0, 500), newcomer->getNode()->getPosition());
    EXPECT_EQ(L"iddle_left", newcomer->getNode()->getCurrentAnimation()->name);
    // Turned, she stands the new way at once, not only from the animation's next frame.
    trigger(Lumo::ChangeFaceDirEvent("f_node", Lumo::FACE_RIGHT));
    EXPECT_EQ(newcomer->getNode()->getDefinition().findFrame(L"iddle_right"), newcomer->getNode()->getCurrentFrame());
    trigger(Lumo::TeleportCharacterEvent("nobody", vector3df(1, 2, 3)));
    // A walk in progress holds on to the hero's node: a new visual dresses it in the same frame.
    const std::shared_ptr<Lumo::CharNode> walker = visual().getHero();
    Lumo::CharacterNode* node = walker->getNode();
    node->setFrame(L"iddle_left");
    trigger(Lumo::ChangeVisualNodeEvent(L"baeckerin_child", "hero"));
    EXPECT_EQ(walker, visual().findCharacter("hero"));
    EXPECT_EQ(node, visual().findCharacter("hero")->getNode());
    EXPECT_TRUE(node->isVisible());
    EXPECT_EQ(L"baeckerin_child", node->getDefinition().getName());
    EXPECT_EQ(node->getDefinition().findFrame(L"iddle_left"), node->getCurrentFrame());
    trigger(Lumo::ChangeVisualNodeEvent(L"nobody", "hero"));
    EXPECT_EQ(L"baeckerin_child", node->getDefinition().getName()) << "an unknown definition changes nothing";
}
