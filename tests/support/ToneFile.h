#pragma once
// Short sound files written for the sound tests, removed again when the object goes.
#include "TempDir.h"

#include <string>

class ToneFile {
public:
    // A sine tone of the given length as a 16-bit mono WAV.
    explicit ToneFile(int millis);

    const std::string& path() const { return filePath; }
    std::wstring widePath() const { return std::wstring(filePath.begin(), filePath.end()); }

private:
    TempDir folder;
    std::string filePath;
};

// Points SDL at its silent "dummy" audio output, whatever the environment says.
void useDummyAudioOutput();
