#include "Chord.h"

#include <cctype>
#include <map>
#include <stdexcept>

namespace music {

namespace {
int letterSemitone(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'c': return 0;
    case 'd': return 2;
    case 'e': return 4;
    case 'f': return 5;
    case 'g': return 7;
    case 'a': return 9;
    case 'b': return 11;
    default: throw std::invalid_argument(std::string("not a note letter: ") + letter);
    }
}

// Reads letter and accidental from the front of text; returns the characters used.
size_t readPitchClass(const std::string& text, int& semitone) {
    if (text.empty())
        throw std::invalid_argument("empty pitch");
    semitone = letterSemitone(text[0]);
    size_t used = 1;
    if (text.size() > 1 && text[1] == '#') {
        ++semitone;
        ++used;
    } else if (text.size() > 1 && text[1] == 'b') {
        --semitone;
        ++used;
    }
    semitone = (semitone + 12) % 12;
    return used;
}
} // namespace

int Chord::tone(int n, int rootMidi) const {
    const int size = static_cast<int>(intervals.size());
    const int index = n - 1;
    const int octave = index >= 0 ? index / size : -((-index + size - 1) / size);
    return rootMidi + intervals[static_cast<size_t>(index - octave * size)] + 12 * octave;
}

Chord parseChord(const std::string& symbol) {
    static const std::map<std::string, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"m7", {0, 3, 7, 10}},    {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},
        {"add9", {0, 4, 7, 14}},  {"dim", {0, 3, 6}},       {"9", {0, 4, 7, 10, 14}},
    };
    Chord chord;
    const size_t used = readPitchClass(symbol, chord.root);
    const auto quality = kQualities.find(symbol.substr(used));
    if (quality == kQualities.end())
        throw std::invalid_argument("unknown chord: " + symbol);
    chord.intervals = quality->second;
    return chord;
}

int parseNoteName(const std::string& name) {
    int semitone = 0;
    const size_t used = readPitchClass(name, semitone);
    const std::string octaveText = name.substr(used);
    if (octaveText.size() != 1 || !std::isdigit(static_cast<unsigned char>(octaveText[0])))
        throw std::invalid_argument("note needs one octave digit: " + name);
    // Cb and B# keep the octave of their letter.
    const int letter = letterSemitone(name[0]);
    const int octave = octaveText[0] - '0';
    return 12 * (octave + 1) + letter + ((semitone - letter + 18) % 12 - 6);
}

} // namespace music
