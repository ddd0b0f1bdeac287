#pragma once
// Compares a rendered picture with a reference PNG: counts the pixels whose colour differs by
// more than a channel tolerance and fails above a pixel budget. A missing reference fails. On a
// failure the actual picture and a difference map are written next to the test output.
// KORNELO_UPDATE_REFERENCES=1 rewrites the reference instead and fails, so an update run is never
// mistaken for a passing one (look at the pictures before committing them).
#include <irrlicht.h>

#include <functional>
#include <string>

struct GoldenTolerance {
    int channel = 8;         // largest accepted difference of R, G or B
    int differentPixels = 12; // pixels allowed beyond that; a missing full stop is 28
};

struct GoldenResult {
    bool passed = false;
    int differentPixels = 0;
    std::string message;
};

class GoldenImage {
public:
    // referenceFolder holds <name>.png; failures go to outputFolder/<name>.actual.png and .diff.png.
    GoldenImage(irr::video::IVideoDriver* driver, std::string referenceFolder, std::string outputFolder);
    // References in tests/data/<area>, failures in the build's test-output/<area>.
    static GoldenImage forArea(irr::video::IVideoDriver* driver, const std::string& area);

    // Sets the picture's alpha to opaque: only colours are compared.
    GoldenResult compare(irr::video::IImage* actual, const std::string& name,
                         const GoldenTolerance& tolerance = GoldenTolerance()) const;
    // KORNELO_UPDATE_REFERENCES=1: compare() writes references instead of reading them.
    static bool updatingReferences();

private:
    bool write(irr::video::IImage* image, const std::string& path) const;

    irr::video::IVideoDriver* driver;
    std::string referenceFolder;
    std::string outputFolder;
};

// Draws into a texture over the background and reads it back, for the caller to drop: the
// window's buffers cannot be read reliably under a virtual X server.
irr::video::IImage* drawIntoPicture(irr::video::IVideoDriver* driver, const irr::core::dimension2du& size,
                                    irr::video::SColor background, const std::function<void()>& draw);

// Pixels whose colour differs at all between two pictures of one size.
int differingPixels(irr::video::IImage* one, irr::video::IImage* other);
