#pragma once
// The logic's per-frame keyboard sample, handed to the widgets' input step.
namespace Lumo {

struct InputRecord {
    int moveX = 0; // -1, 0, +1
    int moveY = 0;
    bool keySpace = false;
    bool keyX = false;
    bool keyC = false;
};

} // namespace Lumo
