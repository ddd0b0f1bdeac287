#include "spritesgl/ReferenceImage.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::string kReferenceDir = std::string(KORNELO_SOURCE_DIR) + "/tests/data/sprites/";
const std::string kOutputDir = std::string(KORNELO_RUNTIME_DIR) + "/../test_output/";

int channelDifference(irr::video::SColor a, irr::video::SColor b)
{
    const int red = std::abs(static_cast<int>(a.getRed()) - static_cast<int>(b.getRed()));
    const int green = std::abs(static_cast<int>(a.getGreen()) - static_cast<int>(b.getGreen()));
    const int blue = std::abs(static_cast<int>(a.getBlue()) - static_cast<int>(b.getBlue()));
    return std::max(red, std::max(green, blue));
}

} // namespace

ReferenceComparison compareWithReference(irr::video::IVideoDriver* driver, irr::video::IImage& actual,
                                         const std::string& referenceName, int channelTolerance,
                                         int allowedPixels)
{
    const std::string referencePath = kReferenceDir + referenceName;
    const char* update = std::getenv("KORNELO_UPDATE_REFERENCES");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(kReferenceDir);
        const bool written = driver->writeImageToFile(&actual, referencePath.c_str());
        return {written, written ? "reference rewritten: " + referencePath : "cannot write " + referencePath};
    }

    std::filesystem::create_directories(kOutputDir);
    const std::string actualPath = kOutputDir + "actual_" + referenceName;
    irr::video::IImage* reference = driver->createImageFromFile(referencePath.c_str());
    if (!reference) {
        driver->writeImageToFile(&actual, actualPath.c_str());
        return {false, "no reference image " + referencePath + "; actual written to " + actualPath};
    }
    const irr::core::dimension2du size = actual.getDimension();
    if (reference->getDimension() != size) {
        reference->drop();
        driver->writeImageToFile(&actual, actualPath.c_str());
        return {false, "reference has another size; actual written to " + actualPath};
    }
    irr::video::IImage* diff = driver->createImage(irr::video::ECF_R8G8B8, size);
    int differing = 0;
    for (irr::u32 y = 0; y < size.Height; ++y) {
        for (irr::u32 x = 0; x < size.Width; ++x) {
            const irr::video::SColor seen = actual.getPixel(x, y);
            const bool differs = channelDifference(seen, reference->getPixel(x, y)) > channelTolerance;
            differing += differs ? 1 : 0;
            const irr::u32 grey = (seen.getRed() + seen.getGreen() + seen.getBlue()) / 12;
            diff->setPixel(x, y, differs ? irr::video::SColor(255, 255, 0, 0) : irr::video::SColor(255, grey, grey, grey));
        }
    }
    reference->drop();
    ReferenceComparison result;
    result.passed = differing <= allowedPixels;
    result.message = std::to_string(differing) + " pixels differ by more than " + std::to_string(channelTolerance) +
                     " (allowed " + std::to_string(allowedPixels) + ")";
    if (!result.passed) {
        const std::string diffPath = kOutputDir + "diff_" + referenceName;
        driver->writeImageToFile(&actual, actualPath.c_str());
        driver->writeImageToFile(diff, diffPath.c_str());
        result.message += "; see " + actualPath + " and " + diffPath;
    }
    diff->drop();
    return result;
}
