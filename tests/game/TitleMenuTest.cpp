// The title menu of the running game: goods of the item sheet fall behind it, without their
// outline, and those still falling when the menu goes fall on out of view.
#include "GamePlayFixture.h"

#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Sprites/CharacterNode.h"

TEST_F(GamePlayFixture, GoodsFallBehindTheTitleMenuWithoutOutlineAndOnOutOfViewWhenItGoes) {
    const Lumo::GameMenue& menu = logic().getMenu();
    const auto fallingGoods = [&] {
        std::vector<irr::scene::ISceneNode*> goods;
        for (irr::scene::ISceneNode* node : menu.getMenuScene()->getRootSceneNode()->getChildren())
            if (node->getType() != irr::scene::ESNT_CAMERA)
                goods.push_back(node);
        return goods;
    };
    ASSERT_TRUE(menu.isOpen());
    play->runFrames(200);
    ASSERT_GT(menu.fallingGoodCount(), 0u);
    for (irr::scene::ISceneNode* good : fallingGoods()) {
        const auto* sprite = dynamic_cast<const Lumo::CharacterNode*>(good);
        ASSERT_NE(nullptr, sprite);
        EXPECT_TRUE(sprite->isEdgeHidden());
    }
    play->chooseNewGame();
    ASSERT_TRUE(play->runUntil([&] { return menu.isHidden(); }, 100));
    ASSERT_GT(menu.fallingGoodCount(), 0u);
    play->runFrames(5);
    // Drawing the menu's scene is what places its nodes where they have fallen to.
    for (irr::scene::ISceneNode* good : fallingGoods())
        EXPECT_EQ(good->getPosition().Y, good->getAbsolutePosition().Y) << "no longer drawn once the menu went";
    EXPECT_TRUE(play->runUntil([&] { return menu.fallingGoodCount() == 0; }, 2000));
}
