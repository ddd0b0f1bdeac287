// A level mesh in Irrlicht's own XML format (.irrmesh) as the game loads the bakery's rooms.
#include "FuzzedMesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedMesh::load("runtime/lumodata/fuzzed.irrmesh", data, size);
    return 0;
}
