// The title menu of the running game: goods of the item sheet fall behind it.
#include "GamePlayFixture.h"

#include "src_lumo/Menus/GameMenue.h"

TEST_F(GamePlayFixture, GoodsFallBehindTheTitleMenu) {
    const Lumo::GameMenue& menu = logic().getMenu();
    ASSERT_TRUE(menu.isOpen());
    play->runFrames(200);
    EXPECT_GT(menu.fallingGoodCount(), 0u);
}
