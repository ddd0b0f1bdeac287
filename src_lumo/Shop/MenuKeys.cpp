#include "src_lumo/Shop/MenuKeys.h"

namespace Lumo {

void MenuKeys::open() {
    previous.keySpace = true;
    previous.keyX = true;
}

bool MenuKeys::swallowedByLatch(const InputRecord& now) {
    if (latched && now.moveX == 0 && now.moveY == 0)
        latched = false;
    return latched;
}

} // namespace Lumo
