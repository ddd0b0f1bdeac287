#pragma once
// An undirected edge between two waypoints; its length is fixed when it is made.
#include "src_lumo/World/PathNode.h"

namespace Lumo {

class NodeConnection {
public:
    NodeConnection(PathNode* a, PathNode* b)
        : a(a), b(b), length(a->position.getDistanceFrom(b->position)) {}

    PathNode* otherEnd(const PathNode* from) const { return from == a ? b : a; }
    bool joins(const PathNode* x, const PathNode* y) const {
        return (a == x && b == y) || (a == y && b == x);
    }
    bool touches(const PathNode* node) const { return a == node || b == node; }

    PathNode* const a;
    PathNode* const b;
    const float length;
};

} // namespace Lumo
