#pragma once
// The synthesiser's instruments: each note is rendered on its own as a mono sound, release
// included, and placed into the mix by the renderer. Noise is drawn from a seed, so a piece
// renders the same every time.
#include <cstdint>
#include <string>
#include <vector>

namespace music {

constexpr int kSampleRate = 44100;

class InstrumentBank {
public:
    InstrumentBank();

    // pitch is a MIDI note, or a Drum for "kit"; held is how long the note is held in seconds.
    std::vector<float> render(const std::string& instrument, int pitch, double held,
                              double velocity, uint32_t seed) const;
    static bool knows(const std::string& instrument);

private:
    double sine(double cycles) const; // sin(2 pi cycles), from a table

    std::vector<float> bell(double freq, double held) const;
    std::vector<float> pluck(double freq, double held) const;
    std::vector<float> marimba(double freq, double held) const;
    std::vector<float> epiano(double freq, double held) const;
    std::vector<float> pad(double freq, double held) const;
    std::vector<float> flute(double freq, double held, uint32_t seed) const;
    std::vector<float> bass(double freq, double held) const;
    std::vector<float> drum(int drum, uint32_t seed) const;

    std::vector<float> sineTable;
};

} // namespace music
