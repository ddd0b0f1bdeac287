#pragma once
// A small hall (Schroeder/Freeverb style: parallel damped combs, then allpasses), mono in,
// stereo out. Linear and time-invariant, so its tail can be folded round a loop.
#include <utility>
#include <vector>

namespace music {

class Reverb {
public:
    // Returns left and right, each as long as the input.
    std::pair<std::vector<float>, std::vector<float>> process(const std::vector<float>& send) const;

private:
    static std::vector<float> channel(const std::vector<float>& send, int spread);
};

} // namespace music
