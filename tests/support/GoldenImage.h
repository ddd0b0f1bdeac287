#pragma once
// Compares a picture with a kept reference, pixel by pixel: a pixel differs when any channel is
// off by more than the tolerance, and the picture fails when more pixels differ than allowed.
// A missing reference fails; KORNELO_UPDATE_REFERENCES=1 writes the picture as the new reference.
// On failure the picture and a difference image are written next to the test's output.
#include <irrlicht.h>

#include <string>

struct GoldenImageResult {
    bool matches = false;
    unsigned differingPixels = 0;
    std::string message;
};

class GoldenImage {
public:
    GoldenImage(std::string referencePath, unsigned channelTolerance, unsigned allowedPixels)
        : referencePath(std::move(referencePath)), channelTolerance(channelTolerance), allowedPixels(allowedPixels) {}

    GoldenImageResult compare(irr::video::IVideoDriver* driver, irr::video::IImage* actual) const;

private:
    void writeFailure(irr::video::IVideoDriver* driver, irr::video::IImage* actual,
                      irr::video::IImage* difference) const;

    std::string referencePath;
    unsigned channelTolerance;
    unsigned allowedPixels;
};
