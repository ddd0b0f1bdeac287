#pragma once
#include <cstddef>
#include <vector>

namespace music {

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    size_t frames() const { return left.size(); }
};

} // namespace music
