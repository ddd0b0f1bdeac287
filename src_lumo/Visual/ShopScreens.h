#pragma once
// The shop's menus as the visual and the logic see them: the screens of modes 1, 4, 5, 7 and 8
// and the consequences of the baker's actions. BakeryShopScreens is the game's; tests may put a
// stand-in in its place.
#include "src_lumo/Gui/InputRecord.h"

#include <irrlicht.h>

#include <cstdint>

namespace Lumo {

class ShopScreens {
public:
    virtual ~ShopScreens() = default;
    // The open screen of that mode takes the frame's input and answers in its own way.
    virtual void updateScreen(int mode, const InputRecord& input) = 0;
    virtual void drawScreen(int mode) = 0;
    // Every frame: the work at the table of modes 2 and 3 runs its time.
    virtual void update(uint32_t elapsedMs) = 0;
    // A released key while selling; true when the sell menu used it.
    virtual bool sellKey(const irr::SEvent& event) = 0;
    virtual void openDoughMenu() = 0;
    virtual void startKneading() = 0;
    virtual void serveFirstCustomer() = 0;
    virtual void openStorageMenu() = 0;
    virtual void openMerchantMenu() = 0;
    virtual void openBarMenu() = 0;
};

} // namespace Lumo
