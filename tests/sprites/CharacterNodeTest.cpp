// Animation timing and the fallbacks of the sprite scene node.
#include "sprites/SpriteNodeFixture.h"

#include "src_lumo/Sprites/CharacterNode.h"

#include <gtest/gtest.h>

using Lumo::CharacterNode;

namespace {

class CharacterNodeTest : public SpriteNodeFixture {
protected:
    void SetUp() override
    {
        SpriteNodeFixture::SetUp();
        irr::scene::ISceneManager* scene = device().getSceneManager();
        node = new CharacterNode(scene->getRootSceneNode(), scene, *definition);
        node->drop(); // the scene holds it
    }

    CharacterNode* node = nullptr;
};

TEST_F(CharacterNodeTest, StartsOnTheFirstIdleFrameAtTheDefinitionOffset)
{
    definition->offset = 4.f;
    irr::scene::ISceneManager* scene = device().getSceneManager();
    CharacterNode* fresh = new CharacterNode(scene->getRootSceneNode(), scene, *definition);
    EXPECT_EQ(fresh->getCurrentFrame(), frame(L"iddle1"));
    EXPECT_EQ(fresh->getPosition(), irr::core::vector3df(0.f, 0.f, 4.f));
    EXPECT_FALSE(fresh->getMaterial(0).TextureLayer[0].BilinearFilter);
    EXPECT_EQ(fresh->getBoundingBox(), frame(L"iddle1")->getBoundingBox());
    EXPECT_EQ(fresh->getMaterialCount(), 1u);
    EXPECT_EQ(&fresh->getMaterial(3), &fresh->getMaterial(0));
    fresh->drop();
}

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

TEST_F(CharacterNodeTest, LoopingAnimationWrapsAround)
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
}

TEST_F(CharacterNodeTest, UnknownOrEmptyAnimationsAndUnknownFramesDrawNothing)
{
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

TEST_F(CharacterNodeTest, IndexFromALongerAnimationDoesNotLeaveTheNodeBlank)
{
    addAnimation(L"short", {L"step1", L"step2"});
    node->setAnimation(L"walk_up", true);
    for (int i = 0; i < 3; ++i)
        node->advanceAnimation(101.0); // index 3
    node->setFrame(L"no such frame");
    node->setAnimation(L"short", true);
    node->advanceAnimation(101.0);
    EXPECT_EQ(node->getCurrentFrame(), frame(L"step1"));
}

TEST_F(CharacterNodeTest, SmoothRotationEasesAndNeverOvershoots)
{
    node->setSmoothRotation(true, irr::core::vector3df(0.f, 90.f, 0.f));
    node->easeRotation(50.f);
    EXPECT_FLOAT_EQ(node->getRotation().Y, 45.f);
    node->easeRotation(400.f); // a long hitch
    EXPECT_FLOAT_EQ(node->getRotation().Y, 90.f);
}

} // namespace
