// A 3DS mesh (the oven, the baking tray) as the game loads it.
#include "FuzzedMesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedMesh::load("runtime/lumodata/fuzzed.3ds", data, size);
    return 0;
}
