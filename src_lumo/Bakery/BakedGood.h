#pragma once
// One good on a tray: its kind, how long it should bake, how long it has baked, and the stage
// and quality that follow. The baked time stays with the good, in or out of the oven.
#include <cstdint>
#include <string>

namespace Lumo {

struct BakedGood {
    int32_t kind = 0;
    int32_t targetMinutes = 30;
    int32_t bakedMinutes = 0;
    int32_t stage = 1; // 1 raw, 2 baked, 3 dark, 4 burnt
    bool done = false; // ready to sell
    float quality = 0.0f;

    // Adds oven minutes and moves the stage on; a stage never goes back.
    void bake(int32_t minutes);
    std::string frameName() const;

    // The stage a baked time reaches: above 0.9, 1.1 and 1.5 times the target.
    static int32_t stageFor(int32_t bakedMinutes, int32_t targetMinutes);
};

} // namespace Lumo
