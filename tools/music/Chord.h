#pragma once
// Chord symbols as written in scores ("C", "Am", "F#m7", "Bbmaj7", "Gsus4", "D7", "Edim").
#include <string>
#include <vector>

namespace music {

struct Chord {
    int root = 0;               // semitone above C
    std::vector<int> intervals; // semitones above the root, ascending, starting with 0

    // The n-th chord tone (1 = root), continuing upwards an octave at a time.
    int tone(int n, int rootMidi) const;
};

// Throws std::invalid_argument for a symbol it does not know.
Chord parseChord(const std::string& symbol);

// "c4" = 60, "f#5", "bb3"; throws std::invalid_argument.
int parseNoteName(const std::string& name);

} // namespace music
