// The sprite scene node's animation timing and fallbacks, and the walking character built on it:
// movement, facing rules, ties and arrival, putting it on stage.
#include "sprites/SpriteSheets.h"
#include "support/NullDeviceFixture.h"

#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/FileLoader.h"

#include <gtest/gtest.h>

#include <tuple>

using irr::core::vector3df;
using Lumo::CharNode;
using Lumo::CharacterNode;

namespace {

// A null device with one small definition, "person", carrying the frames and animations the
// engine asks for.
class SpriteNodeFixture : public NullDeviceFixture {
protected:
    void SetUp() override
    {
        NullDeviceFixture::SetUp();
        definition = &store.createDefinition(L"person");
        definition->frameSpeed = 100.f;
        irr::video::IImage* image = drawSheet(device().getVideoDriver(), {".#.", "###", "#.#"});
        for (const wchar_t* name : {L"iddle1", L"iddle_up", L"iddle_down", L"iddle_left", L"iddle_right", L"step1",
                                    L"step2", L"step3", L"step4"})
            definition->addFrame(std::make_unique<Lumo::VisualCharacterFrame>(
                name, nullptr, *image, irr::core::recti(0, 0, 3, 3), 1.f, irr::video::SColor(0)));
        image->drop();
        addAnimation(L"iddle", {L"iddle1"});
        for (const std::wstring side : {L"up", L"down", L"left", L"right"}) {
            addAnimation(L"iddle_" + side, {(L"iddle_" + side).c_str()});
            addAnimation(L"walk_" + side, {L"step1", L"step2", L"step3", L"step4"});
        }
    }

    void addAnimation(const std::wstring& name, std::initializer_list<const wchar_t*> frames)
    {
        Lumo::SpriteAnimation& animation = definition->getOrCreateAnimation(name);
        for (const wchar_t* frameName : frames)
            animation.frames.push_back(definition->findFrame(frameName));
    }
    const Lumo::VisualCharacterFrame* frame(const std::wstring& name) const { return definition->findFrame(name); }

    Lumo::FileLoader store;
    Lumo::SpriteDefinition* definition = nullptr;
};

class CharacterNodeTest : public SpriteNodeFixture {
protected:
    void SetUp() override
    {
        SpriteNodeFixture::SetUp();
        definition->offset = 4.f;
        irr::scene::ISceneManager* scene = device().getSceneManager();
        node = new CharacterNode(scene->getRootSceneNode(), scene, *definition);
        node->drop(); // the scene holds it
    }

    CharacterNode* node = nullptr;
};

TEST_F(CharacterNodeTest, OneFrameAnimationWithoutLoopFinishesAfterOneInterval)
{
    addAnimation(L"once", {L"step2"});
    node->setAnimation(L"once", false);
    node->advanceAnimation(100.0);
    EXPECT_FALSE(node->isFinished());
    node->advanceAnimation(1.0);
    EXPECT_TRUE(node->isFinished());
    EXPECT_EQ(node->getCurrentFrame(), frame(L"step2"));
    for (int i = 0; i < 5; ++i)
        node->advanceAnimation(150.0);
    EXPECT_TRUE(node->isFinished());
    EXPECT_EQ(node->getCurrentFrame(), frame(L"step2"));
}

TEST_F(CharacterNodeTest, LoopingAnimationWrapsAroundAndAShorterOneStartsOverRatherThanGoBlank)
{
    node->setAnimation(L"walk_left", true);
    std::vector<const Lumo::VisualCharacterFrame*> shown;
    for (int i = 0; i < 6; ++i) {
        node->advanceAnimation(101.0);
        shown.push_back(node->getCurrentFrame());
    }
    // The index carries over from "iddle" (0), so the walk starts on its second frame.
    const std::vector<const Lumo::VisualCharacterFrame*> expected = {
        frame(L"step2"), frame(L"step3"), frame(L"step4"), frame(L"step1"), frame(L"step2"), frame(L"step3")};
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(node->isFinished());
    node->advanceAnimation(101.0); // index 3
    addAnimation(L"short", {L"step1", L"step2"});
    node->setFrame(L"no such frame");
    node->setAnimation(L"short", true);
    node->advanceAnimation(101.0);
    EXPECT_EQ(node->getCurrentFrame(), frame(L"step1"));
}

TEST_F(CharacterNodeTest, StartsIdleAtTheOffsetAndUnknownOrEmptyAnimationsAndFramesDrawNothing)
{
    EXPECT_EQ(node->getCurrentFrame(), frame(L"iddle1"));
    EXPECT_EQ(node->getPosition(), vector3df(0.f, 0.f, 4.f));
    EXPECT_EQ(node->getBoundingBox(), frame(L"iddle1")->getBoundingBox());
    node->setAnimation(L"dance", true);
    EXPECT_EQ(node->getCurrentFrame(), nullptr);
    EXPECT_TRUE(node->getBoundingBox().getExtent().equals(irr::core::vector3df(0.f, 0.f, 0.f)));
    node->advanceAnimation(500.0);
    EXPECT_EQ(node->getCurrentFrame(), nullptr);
    node->render();
    addAnimation(L"empty", {});
    for (const bool loop : {true, false}) {
        node->setFrame(L"iddle1");
        node->setAnimation(L"empty", loop);
        EXPECT_EQ(node->getCurrentFrame(), nullptr);
        node->advanceAnimation(150.0);
        node->advanceAnimation(150.0);
        EXPECT_EQ(node->getCurrentFrame(), nullptr);
    }
    node->setFrame(L"nope");
    EXPECT_EQ(node->getCurrentFrame(), nullptr);
    node->setFrame(L"iddle_left");
    EXPECT_EQ(node->getCurrentFrame(), frame(L"iddle_left"));
}

TEST_F(CharacterNodeTest, SmoothRotationEasesAndNeverOvershoots)
{
    node->setSmoothRotation(true, irr::core::vector3df(0.f, 90.f, 0.f));
    node->easeRotation(50.f);
    EXPECT_FLOAT_EQ(node->getRotation().Y, 45.f);
    node->easeRotation(400.f); // a long hitch
    EXPECT_FLOAT_EQ(node->getRotation().Y, 90.f);
}

class CharNodeTest : public SpriteNodeFixture {
protected:
    void SetUp() override
    {
        SpriteNodeFixture::SetUp();
        character = CharNode::putOnStage(device().getSceneManager(), store, L"person");
        ASSERT_TRUE(character);
        character->getNode()->setPosition(vector3df(100.f, 0.f, 100.f));
    }

    const Lumo::SpriteAnimation* animation() const { return character->getNode()->getCurrentAnimation(); }
    const Lumo::SpriteAnimation* named(const wchar_t* name) const { return definition->findAnimation(name); }

    std::shared_ptr<CharNode> character;
};

TEST_F(CharNodeTest, PutOnStageIdlesAtTheDoorFacingUpAndRemovingDetachesIt)
{
    irr::scene::ISceneNode* root = device().getSceneManager()->getRootSceneNode();
    const std::size_t before = root->getChildren().size();
    auto fresh = CharNode::putOnStage(device().getSceneManager(), store, L"person");
    EXPECT_EQ(fresh->getNode()->getCurrentAnimation(), named(L"iddle"));
    EXPECT_EQ(fresh->getNode()->getPosition(), vector3df(815.f, 0.f, 605.f));
    EXPECT_EQ(fresh->getFacing(), Lumo::FACE_UP);
    EXPECT_EQ(CharNode::putOnStage(device().getSceneManager(), store, L"ghost"), nullptr);
    fresh->removeFromStage();
    EXPECT_FALSE(fresh->getNode()->isVisible());
    EXPECT_EQ(root->getChildren().size(), before);
}

TEST_F(CharNodeTest, WalksAtTwoUnitsPerHundredMillisecondsFacingTheLargerComponentWithTiesUpOrDown)
{
    EXPECT_TRUE(character->walkStep(vector3df(150.f, 0.f, 100.f), 100));
    EXPECT_EQ(character->getNode()->getPosition(), vector3df(102.f, 0.f, 100.f));
    EXPECT_EQ(character->getFacing(), Lumo::FACE_RIGHT);
    EXPECT_EQ(animation(), named(L"walk_right"));
    // The standing pose of the new direction shows until the walk advances.
    EXPECT_EQ(character->getNode()->getCurrentFrame(), frame(L"iddle_right"));
    const std::tuple<vector3df, int, const wchar_t*> cases[] = {
        {{0, 0, 20}, Lumo::FACE_UP, L"walk_up"},        {{0, 0, -20}, Lumo::FACE_DOWN, L"walk_down"},
        {{-20, 0, 5}, Lumo::FACE_LEFT, L"walk_left"},   {{20, 0, -5}, Lumo::FACE_RIGHT, L"walk_right"},
        {{10, 0, 10}, Lumo::FACE_UP, L"walk_up"},       {{-10, 0, -10}, Lumo::FACE_DOWN, L"walk_down"},
        {{10, 0, -10}, Lumo::FACE_DOWN, L"walk_down"}};
    for (const auto& [offset, facing, walk] : cases) {
        EXPECT_TRUE(character->walkStep(character->getNode()->getPosition() + offset, 16));
        EXPECT_EQ(character->getFacing(), facing) << offset.X << "," << offset.Z;
        EXPECT_EQ(animation(), named(walk));
    }
}

TEST_F(CharNodeTest, ATargetWithinATenthOrInReachOfTheStepIsLandedOnAndWalkingAlwaysArrives)
{
    character->setFacing(Lumo::FACE_LEFT);
    EXPECT_FALSE(character->walkStep(vector3df(100.05f, 0.f, 99.95f), 16));
    EXPECT_EQ(character->getNode()->getPosition(), vector3df(100.f, 0.f, 100.f));
    EXPECT_EQ(character->getFacing(), Lumo::FACE_UP) << "taken from the zero vector";
    EXPECT_EQ(animation(), named(L"iddle_up"));
    const vector3df close(100.f, 0.f, 99.85f); // 0.15 away, step of 25 ms is 0.5
    EXPECT_TRUE(character->walkStep(close, 25));
    EXPECT_EQ(character->getNode()->getPosition(), close);
    EXPECT_EQ(character->getFacing(), Lumo::FACE_UP); // landing keeps the facing it had
    EXPECT_FALSE(character->walkStep(close, 25));
    EXPECT_EQ(animation(), named(L"iddle_up"));
    const vector3df target(137.3f, 0.f, 81.9f);
    int steps = 0;
    while (character->walkStep(target, 33) && steps < 1000)
        ++steps;
    EXPECT_LT(steps, 1000);
    EXPECT_LT(character->getNode()->getPosition().getDistanceFrom(target), 0.1f);
    EXPECT_EQ(character->getFacing(), Lumo::FACE_RIGHT);
    EXPECT_EQ(animation(), named(L"iddle_right"));
}

struct RecordingBubble : Lumo::SpeechBubble {
    void setHearingRange(float value) override { range = value; }
    void addPage(const irr::core::stringw& text) override { pages.push_back(text); }
    void show() override { shown = true; }
    bool isHeardAt(const vector3df& hero) const override { return hero.getDistanceFrom(position) < range; }
    void setPosition(const vector3df& value) override { position = value; }
    void draw() override { ++draws; }
    float range = 0.f;
    std::vector<irr::core::stringw> pages;
    bool shown = false;
    vector3df position;
    int draws = 0;
};

// The game shows one line at a time: a second one, and leaving the stage, are only checked here.
TEST_F(CharNodeTest, SpeechBubbleGathersPagesFloatsAboveUntilTheHeroComesNearAndLeavesWithTheCharacter)
{
    auto bubble = std::make_shared<RecordingBubble>();
    CharNode::setSpeechBubbleFactory([bubble](const vector3df&) { return bubble; });
    character->showSpeechBubble(L"Guten Morgen!", 40.f);
    character->showSpeechBubble(L"Brot?", 40.f);
    EXPECT_TRUE(bubble->shown);
    EXPECT_EQ(bubble->pages.size(), 2u);
    character->updateSpeechBubble(vector3df(300.f, 0.f, 300.f));
    EXPECT_EQ(bubble->position, vector3df(100.f, 25.f, 100.f));
    EXPECT_EQ(bubble->draws, 1);
    character->updateSpeechBubble(vector3df(100.f, 0.f, 110.f));
    EXPECT_FALSE(character->hasSpeechBubble());
    character->showSpeechBubble(L"Auf Wiedersehen!", 40.f);
    CharNode::setSpeechBubbleFactory(nullptr);
    ASSERT_TRUE(character->hasSpeechBubble());
    character->removeFromStage();
    EXPECT_FALSE(character->hasSpeechBubble());
}

} // namespace
