// The title menu of the running game: goods of the item sheet fall behind it, without their
// outline, and those still falling when the menu goes fall on out of view.
#include "GamePlayFixture.h"

#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <vector>

namespace {

std::vector<irr::scene::ISceneNode*> fallingGoods(const Lumo::GameMenue& menu) {
    const auto& children = menu.getMenuScene()->getRootSceneNode()->getChildren();
    std::vector<irr::scene::ISceneNode*> goods;
    for (irr::scene::ISceneNode* node : children)
        if (node->getType() != irr::scene::ESNT_CAMERA)
            goods.push_back(node);
    return goods;
}

} // namespace

TEST_F(GamePlayFixture, GoodsFallBehindTheTitleMenuWithoutTheirOutline) {
    const Lumo::GameMenue& menu = logic().getMenu();
    ASSERT_TRUE(menu.isOpen());
    play->runFrames(200);
    ASSERT_GT(menu.fallingGoodCount(), 0u);
    size_t outlined = 0;
    for (irr::scene::ISceneNode* good : fallingGoods(menu)) {
        const auto* sprite = dynamic_cast<const Lumo::CharacterNode*>(good);
        ASSERT_NE(nullptr, sprite);
        outlined += !sprite->isEdgeHidden();
    }
    EXPECT_EQ(0u, outlined);
}

TEST_F(GamePlayFixture, GoodsStillFallingWhenTheMenuHasGoneAreDrawnUntilOutOfView) {
    const Lumo::GameMenue& menu = logic().getMenu();
    play->runFrames(100);
    play->chooseNewGame();
    ASSERT_TRUE(play->runUntil([&] { return menu.isHidden(); }, 100));
    ASSERT_GT(menu.fallingGoodCount(), 0u);
    play->runFrames(5);
    // Drawing the menu's scene is what places its nodes where they have fallen to.
    size_t leftBehind = 0;
    for (irr::scene::ISceneNode* good : fallingGoods(menu))
        leftBehind += good->getPosition().Y != good->getAbsolutePosition().Y;
    EXPECT_EQ(0u, leftBehind) << "goods stopped being drawn when the menu had gone";
    EXPECT_TRUE(play->runUntil([&] { return menu.fallingGoodCount() == 0; }, 2000));
}
