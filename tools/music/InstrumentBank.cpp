#include "InstrumentBank.h"

#include "Score.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace music {

namespace {
constexpr int kTableSize = 8192;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kEdgeSeconds = 0.003; // fade at both ends of every note against clicks

size_t samplesFor(double seconds) { return static_cast<size_t>(seconds * kSampleRate) + 1; }

double frequencyOf(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Linear attack, held level, linear release after the note is let go.
double holdEnvelope(double t, double held, double attack, double release) {
    const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = t <= held ? 1.0 : std::max(0.0, 1.0 - (t - held) / release);
    return rise * fall;
}

void softenEdges(std::vector<float>& samples) {
    const size_t edge = std::min(samples.size() / 2, samplesFor(kEdgeSeconds));
    for (size_t i = 0; i < edge; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(edge);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

// A small deterministic white-noise source in -1..1.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    double next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }

private:
    uint32_t state;
};
} // namespace

InstrumentBank::InstrumentBank() : sineTable(kTableSize + 1) {
    for (int i = 0; i <= kTableSize; ++i)
        sineTable[static_cast<size_t>(i)] = static_cast<float>(std::sin(kTwoPi * i / kTableSize));
}

double InstrumentBank::sine(double cycles) const {
    const double position = (cycles - std::floor(cycles)) * kTableSize;
    const auto index = static_cast<size_t>(position);
    const double fraction = position - static_cast<double>(index);
    return sineTable[index] + (sineTable[index + 1] - sineTable[index]) * fraction;
}

bool InstrumentBank::knows(const std::string& instrument) {
    static const std::vector<std::string> kNames = {"bell", "pluck", "marimba", "epiano",
                                                    "pad",  "flute", "bass",    "kit"};
    return std::find(kNames.begin(), kNames.end(), instrument) != kNames.end();
}

std::vector<float> InstrumentBank::render(const std::string& instrument, int pitch, double held,
                                          double velocity, uint32_t seed) const {
    const double freq = frequencyOf(pitch);
    std::vector<float> samples;
    if (instrument == "bell")
        samples = bell(freq, held);
    else if (instrument == "pluck")
        samples = pluck(freq, held);
    else if (instrument == "marimba")
        samples = marimba(freq, held);
    else if (instrument == "epiano")
        samples = epiano(freq, held);
    else if (instrument == "pad")
        samples = pad(freq, held);
    else if (instrument == "flute")
        samples = flute(freq, held, seed);
    else if (instrument == "bass")
        samples = bass(freq, held);
    else if (instrument == "kit")
        samples = drum(pitch, seed);
    else
        throw std::invalid_argument("unknown instrument: " + instrument);
    for (float& sample : samples)
        sample *= static_cast<float>(velocity);
    softenEdges(samples);
    return samples;
}

// Celesta-like: FM with a harmonic modulator whose brightness dies away quickly.
std::vector<float> InstrumentBank::bell(double freq, double held) const {
    std::vector<float> out(samplesFor(held + 1.6));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 1.8 * std::exp(-t / 0.25) + 0.25;
        const double tone = sine(freq * t + index * sine(4.0 * freq * t) / kTwoPi);
        out[i] = static_cast<float>(0.6 * tone * std::exp(-t / 1.1) *
                                    holdEnvelope(t, held + 0.3, 0.002, 1.3));
    }
    return out;
}

// A harp-like pluck: harmonics that fade the faster the higher they are.
std::vector<float> InstrumentBank::pluck(double freq, double held) const {
    std::vector<float> out(samplesFor(held + 0.8));
    const int harmonics = std::max(1, std::min(8, static_cast<int>(9000.0 / freq)));
    std::vector<double> level(static_cast<size_t>(harmonics)), fade(level.size());
    for (int k = 1; k <= harmonics; ++k) {
        level[static_cast<size_t>(k - 1)] = 1.0 / k;
        fade[static_cast<size_t>(k - 1)] = std::exp(-(1.5 + 3.0 * k) / kSampleRate);
    }
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (size_t k = 0; k < level.size(); ++k) {
            sum += sine(static_cast<double>(k + 1) * freq * t) * level[k];
            level[k] *= fade[k];
        }
        out[i] = static_cast<float>(0.55 * sum * holdEnvelope(t, held + 0.2, 0.002, 0.6));
    }
    return out;
}

std::vector<float> InstrumentBank::marimba(double freq, double held) const {
    std::vector<float> out(samplesFor(std::min(held, 0.4) + 0.5));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double body = sine(freq * t) * std::exp(-t / 0.35);
        const double knock = 0.3 * sine(3.93 * freq * t) * std::exp(-t / 0.04);
        out[i] = static_cast<float>(0.8 * (body + knock) * holdEnvelope(t, held + 0.3, 0.001, 0.2));
    }
    return out;
}

// A warm electric piano: FM at ratio 1 with a short tine at the start.
std::vector<float> InstrumentBank::epiano(double freq, double held) const {
    std::vector<float> out(samplesFor(held + 0.5));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 1.2 * std::exp(-t / 0.6) + 0.2;
        const double tone = sine(freq * t + index * sine(freq * t) / kTwoPi);
        const double tine = freq < 1400.0 ? 0.12 * sine(14.0 * freq * t) * std::exp(-t / 0.02) : 0.0;
        out[i] = static_cast<float>(0.55 * (tone + tine) * std::exp(-t / 2.5) *
                                    holdEnvelope(t, held, 0.003, 0.4));
    }
    return out;
}

// Two slightly detuned organs of four harmonics, slowly swelling.
std::vector<float> InstrumentBank::pad(double freq, double held) const {
    static const double kWeights[] = {1.0, 0.45, 0.25, 0.12};
    std::vector<float> out(samplesFor(held + 1.0));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (int k = 1; k <= 4; ++k)
            sum += kWeights[k - 1] * (sine(k * freq * 1.0035 * t) + sine(k * freq * 0.9965 * t));
        out[i] = static_cast<float>(0.18 * sum * holdEnvelope(t, held, 0.5, 1.0));
    }
    return out;
}

// A soft flute: near-sine with delayed vibrato and a breath of noise.
std::vector<float> InstrumentBank::flute(double freq, double held, uint32_t seed) const {
    std::vector<float> out(samplesFor(held + 0.2));
    Noise noise(seed);
    double phase = 0.0;
    double breath = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double vibrato = 1.0 + 0.004 * std::min(1.0, t / 0.4) * sine(5.0 * t);
        phase += freq * vibrato / kSampleRate;
        breath += 0.05 * (noise.next() - breath);
        const double tone = sine(phase) + 0.22 * sine(2.0 * phase) + 0.06 * sine(3.0 * phase);
        out[i] = static_cast<float>(0.5 * (tone + 0.6 * breath) * holdEnvelope(t, held, 0.06, 0.15));
    }
    return out;
}

std::vector<float> InstrumentBank::bass(double freq, double held) const {
    std::vector<float> out(samplesFor(held + 0.1));
    const double release = 0.08;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double tone = sine(freq * t) + 0.3 * sine(2.0 * freq * t) + 0.08 * sine(3.0 * freq * t);
        const double body = 0.55 + 0.45 * std::exp(-t / 0.25);
        out[i] = static_cast<float>(0.7 * tone * body *
                                    holdEnvelope(t, std::max(0.0, held - release), 0.005, release));
    }
    return out;
}

std::vector<float> InstrumentBank::drum(int drum, uint32_t seed) const {
    Noise noise(seed);
    double previous = 0.0;
    const auto highNoise = [&]() {
        const double white = noise.next();
        const double high = white - previous;
        previous = white;
        return high;
    };
    switch (static_cast<Drum>(drum)) {
    case Drum::Kick: {
        std::vector<float> out(samplesFor(0.4));
        double phase = 0.0;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            phase += (45.0 + 80.0 * std::exp(-t / 0.035)) / kSampleRate;
            out[i] = static_cast<float>(0.9 * sine(phase) * std::exp(-t / 0.22));
        }
        return out;
    }
    case Drum::Snare: {
        std::vector<float> out(samplesFor(0.3));
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            out[i] = static_cast<float>(0.3 * highNoise() * std::exp(-t / 0.08) +
                                        0.4 * sine(190.0 * t) * std::exp(-t / 0.05));
        }
        return out;
    }
    case Drum::Hat: {
        std::vector<float> out(samplesFor(0.12));
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<float>(0.18 * highNoise() *
                                        std::exp(-static_cast<double>(i) / kSampleRate / 0.025));
        return out;
    }
    case Drum::Shaker: {
        std::vector<float> out(samplesFor(0.16));
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            out[i] = static_cast<float>(0.14 * highNoise() * std::min(1.0, t / 0.012) *
                                        std::exp(-t / 0.045));
        }
        return out;
    }
    }
    throw std::invalid_argument("unknown drum");
}

} // namespace music
