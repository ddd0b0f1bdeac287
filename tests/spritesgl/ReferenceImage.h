#pragma once
// Compares a rendered image with a committed reference, pixel by pixel. A pixel differs when any
// channel is off by more than the tolerance; the comparison fails above a small count of such
// pixels, so a missing sprite cannot hide in an average. A failure leaves the actual image and a
// diff next to the test output; KORNELO_UPDATE_REFERENCES=1 rewrites the reference instead.
#include <irrlicht.h>

#include <string>

struct ReferenceComparison {
    bool passed = false;
    std::string message;
};

ReferenceComparison compareWithReference(irr::video::IVideoDriver* driver, irr::video::IImage& actual,
                                         const std::string& referenceName, int channelTolerance = 8,
                                         int allowedPixels = 40);
