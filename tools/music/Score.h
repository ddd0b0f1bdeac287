#pragma once
// A piece as written in a .score file, expanded into timed notes. The file names its parts
// (instrument, role, level, place in the stereo field), its sections (chords per bar, written
// melodies, patterns that follow the chords) and the form that strings the sections together.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace music {

enum class Role { Melody, Pad, Bass, Arp, Drums };

enum class Drum { Kick, Snare, Hat, Shaker };

struct Part {
    std::string name;
    Role role = Role::Melody;
    std::string instrument;
    double gain = 0.5;
    double pan = 0.0;    // -1 left .. +1 right
    double reverb = 0.2; // share sent to the hall
    int octave = 4;      // where chord roots sit for the chord-following roles
};

struct Note {
    size_t part = 0;
    double startBeat = 0.0;
    double beats = 1.0;
    int midi = 60;      // pitch, or the Drum for drum parts
    double velocity = 1.0;
};

struct Score {
    double tempo = 100.0; // beats per minute
    int meter = 4;        // beats per bar
    int bars = 0;
    std::vector<Part> parts;
    std::vector<Note> notes;

    double secondsPerBeat() const { return 60.0 / tempo; }
    double lengthSeconds() const { return bars * meter * secondsPerBeat(); }
};

class ScoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a score; throws ScoreError naming the line of any mistake (a bar that does not add up,
// an unknown chord or note, a section the form names but nobody wrote).
Score readScore(const std::string& fileName);

} // namespace music
