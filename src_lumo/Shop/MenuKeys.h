#pragma once
// New-press detection and the arrow latch the shop menus share. Each menu keeps its own, so a
// latch in one menu never blocks another.
#include "src_lumo/Gui/InputRecord.h"

namespace Lumo {

class MenuKeys {
public:
    // The key that opened the menu must not act in it.
    void open();
    bool spacePressed(const InputRecord& now) const { return now.keySpace && !previous.keySpace; }
    bool xPressed(const InputRecord& now) const { return now.keyX && !previous.keyX; }
    // Edge arrows: the axis moved away from 0 this frame.
    int newMoveX(const InputRecord& now) const { return previous.moveX == 0 ? now.moveX : 0; }
    int newMoveY(const InputRecord& now) const { return previous.moveY == 0 ? now.moveY : 0; }

    // True while a latched arrow has not been let go; letting both arrows go clears it.
    bool swallowedByLatch(const InputRecord& now);
    void latch() { latched = true; }
    // Called at the end of every input step, whatever the menu did.
    void remember(const InputRecord& now) { previous = now; }

private:
    InputRecord previous;
    bool latched = false;
};

} // namespace Lumo
