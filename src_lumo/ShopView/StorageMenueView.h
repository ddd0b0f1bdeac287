#pragma once
// Draws the storeroom shelf: per ingredient how much goes into the box and what stays behind,
// and the take row with the box.
#include "src_lumo/Shop/StorageMenue.h"

namespace Lumo {

class StorageMenueView {
public:
    static void draw(const StorageMenue& menu);
};

} // namespace Lumo
