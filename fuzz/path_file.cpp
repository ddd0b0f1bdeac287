// The waypoint graph "lumodata/worldp.txt": nodes and connections, then a search over them.
#include "ScratchFolder.h"
#include "src_lumo/World/PathFinder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Lumo::PathFinder paths;
    if (!paths.loadGraph(ScratchFolder::write("worldp.txt", data, size)))
        std::abort();
    const auto& nodes = paths.getNodes();
    if (!nodes.empty()) {
        paths.findPath(nodes.front()->id, nodes.back()->id);
        paths.findPath(nodes.back()->name, nodes.front()->name);
        paths.removeNode(nodes.front()->id);
    }
    // What was read writes back and reads again.
    const std::string copy = (ScratchFolder::path() / "worldp_copy.txt").string();
    if (!paths.saveGraph(copy) || !paths.loadGraph(copy))
        std::abort();
    return 0;
}
