#include "Reverb.h"

#include <cstddef>

namespace music {

namespace {
constexpr int kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491};
constexpr int kAllpassLengths[] = {556, 441, 341};
constexpr float kFeedback = 0.80f;
constexpr float kDamping = 0.35f;
constexpr float kAllpassGain = 0.5f;
constexpr int kStereoSpread = 23;

class Comb {
public:
    explicit Comb(int length) : buffer(static_cast<size_t>(length), 0.0f) {}
    float step(float input) {
        const float delayed = buffer[position];
        filtered = delayed * (1.0f - kDamping) + filtered * kDamping;
        buffer[position] = input + filtered * kFeedback;
        position = (position + 1) % buffer.size();
        return delayed;
    }

private:
    std::vector<float> buffer;
    size_t position = 0;
    float filtered = 0.0f;
};

class Allpass {
public:
    explicit Allpass(int length) : buffer(static_cast<size_t>(length), 0.0f) {}
    float step(float input) {
        const float delayed = buffer[position];
        buffer[position] = input + delayed * kAllpassGain;
        position = (position + 1) % buffer.size();
        return delayed - input;
    }

private:
    std::vector<float> buffer;
    size_t position = 0;
};
} // namespace

std::vector<float> Reverb::channel(const std::vector<float>& send, int spread) {
    std::vector<Comb> combs;
    for (const int length : kCombLengths)
        combs.emplace_back(length + spread);
    std::vector<Allpass> allpasses;
    for (const int length : kAllpassLengths)
        allpasses.emplace_back(length + spread);
    std::vector<float> out(send.size());
    for (size_t i = 0; i < send.size(); ++i) {
        float sum = 0.0f;
        for (Comb& comb : combs)
            sum += comb.step(send[i]);
        for (Allpass& allpass : allpasses)
            sum = allpass.step(sum);
        out[i] = sum / static_cast<float>(combs.size());
    }
    return out;
}

std::pair<std::vector<float>, std::vector<float>> Reverb::process(const std::vector<float>& send) const {
    return {channel(send, 0), channel(send, kStereoSpread)};
}

} // namespace music
