#pragma once
// The story moments the shop's rules start: one place the story fills in, so the rules never
// need to know how a scene is played.
#include <cstdint>

namespace Lumo {

class IShopSequences {
public:
    virtual ~IShopSequences() = default;
    virtual void customerRefused() = 0;       // served with nothing on display
    virtual void merchantTastedBoule() = 0;   // the merchant chat after his first boule
    virtual void goodDiscovered(int32_t kind) = 0;
    virtual void merchantThanks() = 0;        // after an ingredient order
    virtual void loafPanThanks() = 0;
    virtual void pipingBagThanks() = 0;
};

} // namespace Lumo
