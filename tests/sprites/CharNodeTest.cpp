// The walking step: movement, facing rules, ties and arrival; putting a character on stage.
#include "sprites/SpriteNodeFixture.h"

#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <gtest/gtest.h>

using irr::core::vector3df;
using Lumo::CharNode;
using Lumo::CharacterNode;

namespace {

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

TEST_F(CharNodeTest, PutOnStageIdlesAtTheDoorWithAShadow)
{
    auto fresh = CharNode::putOnStage(device().getSceneManager(), store, L"person");
    CharacterNode* node = fresh->getNode();
    EXPECT_EQ(node->getCurrentAnimation(), named(L"iddle"));
    EXPECT_EQ(node->getPosition(), vector3df(815.f, 0.f, 605.f));
    EXPECT_EQ(node->getScale(), vector3df(0.45f, 0.675f, 0.45f));
    EXPECT_FLOAT_EQ(node->getMaterial(0).MaterialTypeParam2, 1.f);
    EXPECT_EQ(fresh->getFacing(), Lumo::FACE_UP);
    ASSERT_EQ(node->getChildren().size(), 1u);
    EXPECT_EQ((*node->getChildren().begin())->getMaterial(0).MaterialType,
              irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    EXPECT_EQ(CharNode::putOnStage(device().getSceneManager(), store, L"ghost"), nullptr);
}

TEST_F(CharNodeTest, WalksAtTwoUnitsPerHundredMillisecondsAndTurns)
{
    EXPECT_TRUE(character->walkStep(vector3df(150.f, 0.f, 100.f), 100));
    EXPECT_EQ(character->getNode()->getPosition(), vector3df(102.f, 0.f, 100.f));
    EXPECT_EQ(character->getFacing(), Lumo::FACE_RIGHT);
    EXPECT_EQ(animation(), named(L"walk_right"));
    // The standing pose of the new direction shows until the walk advances.
    EXPECT_EQ(character->getNode()->getCurrentFrame(), frame(L"iddle_right"));
}

TEST_F(CharNodeTest, FacingFollowsTheLargerComponentAndTiesGoUpOrDown)
{
    struct Case {
        vector3df offset;
        int facing;
        const wchar_t* walk;
    };
    const Case cases[] = {
        {{0.f, 0.f, 20.f}, Lumo::FACE_UP, L"walk_up"},     {{0.f, 0.f, -20.f}, Lumo::FACE_DOWN, L"walk_down"},
        {{-20.f, 0.f, 5.f}, Lumo::FACE_LEFT, L"walk_left"}, {{20.f, 0.f, -5.f}, Lumo::FACE_RIGHT, L"walk_right"},
        {{10.f, 0.f, 10.f}, Lumo::FACE_UP, L"walk_up"},     {{-10.f, 0.f, -10.f}, Lumo::FACE_DOWN, L"walk_down"},
        {{10.f, 0.f, -10.f}, Lumo::FACE_DOWN, L"walk_down"}};
    for (const Case& c : cases) {
        const vector3df start = character->getNode()->getPosition();
        EXPECT_TRUE(character->walkStep(start + c.offset, 16));
        EXPECT_EQ(character->getFacing(), c.facing) << c.offset.X << "," << c.offset.Z;
        EXPECT_EQ(animation(), named(c.walk));
    }
}

TEST_F(CharNodeTest, TargetCloserThanATenthArrivesWithoutMovingAndOnTheSpotKeepsTheFacing)
{
    character->setFacing(Lumo::FACE_LEFT);
    EXPECT_FALSE(character->walkStep(vector3df(100.05f, 0.f, 99.95f), 16));
    EXPECT_EQ(character->getNode()->getPosition(), vector3df(100.f, 0.f, 100.f));
    // Facing is taken from the zero vector: up.
    EXPECT_EQ(character->getFacing(), Lumo::FACE_UP);
    EXPECT_EQ(animation(), named(L"iddle_up"));
    character->setFacing(Lumo::FACE_RIGHT);
    EXPECT_FALSE(character->walkStep(vector3df(100.f, 0.f, 100.f), 16));
    EXPECT_EQ(character->getFacing(), Lumo::FACE_RIGHT);
    EXPECT_EQ(animation(), named(L"iddle_right"));
}

TEST_F(CharNodeTest, ALongFrameLandsOnTheTargetInsteadOfSwingingPast)
{
    const vector3df target(100.f, 0.f, 99.85f); // 0.15 away, step of 25 ms is 0.5
    EXPECT_TRUE(character->walkStep(target, 25));
    EXPECT_EQ(character->getNode()->getPosition(), target);
    EXPECT_EQ(character->getFacing(), Lumo::FACE_UP); // landing keeps the facing it had
    EXPECT_FALSE(character->walkStep(target, 25));
    EXPECT_EQ(animation(), named(L"iddle_up"));
}

TEST_F(CharNodeTest, WalkingAlwaysArrives)
{
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

TEST_F(CharNodeTest, SpeechBubbleFloatsAboveUntilTheHeroComesNear)
{
    auto bubble = std::make_shared<RecordingBubble>();
    CharNode::setSpeechBubbleFactory([bubble](const vector3df&) { return bubble; });
    character->showSpeechBubble(L"Guten Morgen!", 40.f);
    character->showSpeechBubble(L"Brot?", 40.f);
    CharNode::setSpeechBubbleFactory(nullptr);
    EXPECT_TRUE(bubble->shown);
    EXPECT_EQ(bubble->pages.size(), 2u);

    character->updateSpeechBubble(vector3df(300.f, 0.f, 300.f));
    EXPECT_EQ(bubble->position, vector3df(100.f, 25.f, 100.f));
    EXPECT_EQ(bubble->draws, 1);
    character->updateSpeechBubble(vector3df(100.f, 0.f, 110.f));
    EXPECT_FALSE(character->hasSpeechBubble());
}

TEST_F(CharNodeTest, RemovingFromStageDetachesTheNode)
{
    irr::scene::ISceneNode* root = device().getSceneManager()->getRootSceneNode();
    const std::size_t before = root->getChildren().size();
    character->removeFromStage();
    EXPECT_FALSE(character->getNode()->isVisible());
    EXPECT_EQ(root->getChildren().size(), before - 1);
}

} // namespace
