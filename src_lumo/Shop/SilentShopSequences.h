#pragma once
// Plays no scenes: the stand-in for tests and for the time before the story is wired.
#include "src_lumo/Shop/IShopSequences.h"

namespace Lumo {

class SilentShopSequences : public IShopSequences {
public:
    void customerRefused() override {}
    void merchantTastedBoule() override {}
    void goodDiscovered(int32_t) override {}
    void merchantThanks() override {}
    void loafPanThanks() override {}
    void pipingBagThanks() override {}
};

} // namespace Lumo
