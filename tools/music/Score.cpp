#include "Score.h"

#include "Chord.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

namespace music {

namespace {

struct ChordSpan {
    double startBeat;
    double beats;
    Chord chord;
};

struct Section {
    std::vector<ChordSpan> chords;
    std::map<std::string, std::vector<std::string>> lines; // part name -> its tokens
    int bars = 0;

    const Chord& chordAt(double beat) const {
        for (const ChordSpan& span : chords)
            if (beat < span.startBeat + span.beats - 1e-9)
                return span.chord;
        return chords.back().chord;
    }
};

// A comment starts with a '#' that begins a word; a '#' after a letter is a sharp.
std::string withoutComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return line.substr(0, i);
    return line;
}

bool nearlyEqual(double a, double b) { return std::fabs(a - b) < 1e-6; }

Role parseRole(const std::string& word) {
    static const std::map<std::string, Role> kRoles = {{"melody", Role::Melody},
                                                       {"pad", Role::Pad},
                                                       {"bass", Role::Bass},
                                                       {"arp", Role::Arp},
                                                       {"drums", Role::Drums}};
    const auto found = kRoles.find(word);
    if (found == kRoles.end())
        throw std::invalid_argument("unknown role: " + word);
    return found->second;
}

// "e5:1.5" -> pitch text "e5", 1.5 beats; a missing length is one beat.
std::pair<std::string, double> splitLength(const std::string& token) {
    const size_t colon = token.find(':');
    if (colon == std::string::npos)
        return {token, 1.0};
    const double beats = std::stod(token.substr(colon + 1));
    if (!(beats > 0.0))
        throw std::invalid_argument("length must be positive: " + token);
    return {token.substr(0, colon), beats};
}

class ScoreReader {
public:
    Score read(const std::string& fileName) {
        std::ifstream in(fileName);
        if (!in)
            throw ScoreError("cannot open " + fileName);
        std::string line;
        int lineNumber = 0;
        while (std::getline(in, line)) {
            ++lineNumber;
            try {
                readLine(line);
            } catch (const std::exception& error) {
                throw ScoreError(fileName + ":" + std::to_string(lineNumber) + ": " + error.what());
            }
        }
        expandForm();
        return score;
    }

private:
    void readLine(std::string line) {
        line = withoutComment(line);
        std::istringstream words(line);
        std::vector<std::string> tokens;
        for (std::string word; words >> word;)
            tokens.push_back(word);
        if (tokens.empty())
            return;
        const std::string keyword = tokens.front();
        tokens.erase(tokens.begin());
        if (keyword == "tempo")
            score.tempo = std::stod(tokens.at(0));
        else if (keyword == "meter")
            score.meter = std::stoi(tokens.at(0));
        else if (keyword == "part")
            readPart(tokens);
        else if (keyword == "section")
            current = &sections[tokens.at(0)];
        else if (keyword == "chords")
            readChords(tokens);
        else if (keyword == "form")
            form.insert(form.end(), tokens.begin(), tokens.end());
        else if (partIndex.count(keyword)) {
            // A long line may go on over several lines.
            std::vector<std::string>& line = (current ? current->lines : defaults)[keyword];
            line.insert(line.end(), tokens.begin(), tokens.end());
        }
        else
            throw std::invalid_argument("unknown word: " + keyword);
    }

    // part NAME ROLE INSTRUMENT [gain G] [pan P] [reverb R] [octave O]
    void readPart(const std::vector<std::string>& tokens) {
        Part part;
        part.name = tokens.at(0);
        part.role = parseRole(tokens.at(1));
        part.instrument = tokens.at(2);
        for (size_t i = 3; i + 1 < tokens.size(); i += 2) {
            const std::string& key = tokens[i];
            const double value = std::stod(tokens[i + 1]);
            if (key == "gain")
                part.gain = value;
            else if (key == "pan")
                part.pan = value;
            else if (key == "reverb")
                part.reverb = value;
            else if (key == "octave")
                part.octave = static_cast<int>(value);
            else
                throw std::invalid_argument("unknown part setting: " + key);
        }
        partIndex[part.name] = score.parts.size();
        score.parts.push_back(part);
    }

    // One token per bar; "C,G" shares a bar between two chords.
    void readChords(const std::vector<std::string>& tokens) {
        if (!current)
            throw std::invalid_argument("chords outside a section");
        for (const std::string& bar : tokens) {
            if (bar == "|")
                continue;
            std::vector<std::string> symbols;
            std::istringstream parts(bar);
            for (std::string symbol; std::getline(parts, symbol, ',');)
                symbols.push_back(symbol);
            const double beats = static_cast<double>(score.meter) / symbols.size();
            for (size_t i = 0; i < symbols.size(); ++i)
                current->chords.push_back(
                    {current->bars * score.meter + i * beats, beats, parseChord(symbols[i])});
            ++current->bars;
        }
    }

    void expandForm() {
        if (form.empty())
            throw ScoreError("the score has no form");
        double offset = 0.0;
        for (const std::string& name : form) {
            const auto found = sections.find(name);
            if (found == sections.end() || found->second.bars == 0)
                throw ScoreError("form names section '" + name + "', which has no chords");
            for (size_t p = 0; p < score.parts.size(); ++p) {
                try {
                    expandPart(found->second, p, offset);
                } catch (const std::exception& error) {
                    throw ScoreError("section " + name + ", part " + score.parts[p].name + ": " +
                                     error.what());
                }
            }
            offset += found->second.bars * score.meter;
            score.bars += found->second.bars;
        }
    }

    void expandPart(const Section& section, size_t part, double offset) {
        const std::string& name = score.parts[part].name;
        const auto own = section.lines.find(name);
        const auto fallback = defaults.find(name);
        const std::vector<std::string>* chosen =
            own != section.lines.end() ? &own->second
                                       : fallback != defaults.end() ? &fallback->second : nullptr;
        if (!chosen || *chosen == std::vector<std::string>{"off"})
            return;
        const std::vector<std::string>& tokens = *chosen;
        switch (score.parts[part].role) {
        case Role::Melody: return expandMelody(section, part, offset, tokens);
        case Role::Pad: return expandPad(section, part, offset);
        case Role::Bass: return expandBass(section, part, offset, tokens);
        case Role::Arp: return expandArp(section, part, offset, tokens);
        case Role::Drums: return expandDrums(section, part, offset, tokens);
        }
    }

    int rootMidi(size_t part, const Chord& chord) const {
        return 12 * (score.parts[part].octave + 1) + chord.root;
    }

    void add(size_t part, double start, double beats, int midi, double velocity = 1.0) {
        score.notes.push_back({part, start, beats, midi, velocity});
    }

    void expandMelody(const Section& section, size_t part, double offset,
                      const std::vector<std::string>& tokens) {
        double beat = 0.0;
        for (const std::string& token : tokens) {
            if (token == "|") {
                const double inBar = std::fmod(beat, score.meter);
                if (!nearlyEqual(inBar, 0.0) && !nearlyEqual(inBar, score.meter))
                    throw std::invalid_argument("bar line after " + std::to_string(beat) +
                                                " beats, inside a bar");
                continue;
            }
            const auto [pitch, beats] = splitLength(token);
            if (pitch != "r")
                add(part, offset + beat, beats, parseNoteName(pitch));
            beat += beats;
        }
        if (!nearlyEqual(beat, section.bars * score.meter))
            throw std::invalid_argument("melody lasts " + std::to_string(beat) + " beats, not " +
                                        std::to_string(section.bars * score.meter));
    }

    void expandPad(const Section& section, size_t part, double offset) {
        for (const ChordSpan& span : section.chords)
            for (size_t n = 1; n <= span.chord.intervals.size(); ++n)
                add(part, offset + span.startBeat, span.beats,
                    span.chord.tone(static_cast<int>(n), rootMidi(part, span.chord)), 0.8);
    }

    // Chord-tone numbers with lengths ("1:2 3:1 5:1"), the same every bar.
    void expandBass(const Section& section, size_t part, double offset,
                    const std::vector<std::string>& tokens) {
        for (int bar = 0; bar < section.bars; ++bar) {
            double beat = bar * score.meter;
            for (const std::string& token : tokens) {
                const auto [degree, beats] = splitLength(token);
                if (degree != ".") {
                    const Chord& chord = section.chordAt(beat);
                    add(part, offset + beat, beats, chord.tone(std::stoi(degree), rootMidi(part, chord)));
                }
                beat += beats;
            }
            if (!nearlyEqual(beat, (bar + 1) * score.meter))
                throw std::invalid_argument("bass pattern does not fill one bar");
        }
    }

    // Equal steps across one bar, each a chord-tone number or "." for a rest.
    void expandArp(const Section& section, size_t part, double offset,
                   const std::vector<std::string>& tokens) {
        const double step = static_cast<double>(score.meter) / tokens.size();
        for (int bar = 0; bar < section.bars; ++bar)
            for (size_t i = 0; i < tokens.size(); ++i) {
                if (tokens[i] == ".")
                    continue;
                const double beat = bar * score.meter + i * step;
                const Chord& chord = section.chordAt(beat);
                add(part, offset + beat, step, chord.tone(std::stoi(tokens[i]), rootMidi(part, chord)),
                    i == 0 ? 1.0 : 0.8);
            }
    }

    // One character per equal step across a bar: k kick, s snare, h hat, o shaker, "." rest;
    // capitals are accented.
    void expandDrums(const Section& section, size_t part, double offset,
                     const std::vector<std::string>& tokens) {
        std::string steps;
        for (const std::string& token : tokens)
            steps += token;
        const double step = static_cast<double>(score.meter) / steps.size();
        for (int bar = 0; bar < section.bars; ++bar)
            for (size_t i = 0; i < steps.size(); ++i) {
                const char hit = steps[i];
                if (hit == '.')
                    continue;
                static const std::map<char, Drum> kDrums = {
                    {'k', Drum::Kick}, {'s', Drum::Snare}, {'h', Drum::Hat}, {'o', Drum::Shaker}};
                const auto drum = kDrums.find(static_cast<char>(std::tolower(hit)));
                if (drum == kDrums.end())
                    throw std::invalid_argument(std::string("unknown drum: ") + hit);
                add(part, offset + bar * score.meter + i * step, step, static_cast<int>(drum->second),
                    std::isupper(static_cast<unsigned char>(hit)) ? 1.0 : 0.6);
            }
    }

    Score score;
    std::map<std::string, size_t> partIndex;
    std::map<std::string, Section> sections;
    std::map<std::string, std::vector<std::string>> defaults;
    std::vector<std::string> form;
    Section* current = nullptr;
};

} // namespace

Score readScore(const std::string& fileName) { return ScoreReader().read(fileName); }

} // namespace music
