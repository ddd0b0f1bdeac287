#pragma once
// A new game started from the title menu, the baker free to walk.
#include "GamePlayFixture.h"

class InGame : public GamePlayFixture {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
    }
};
