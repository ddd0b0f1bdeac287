#include "GoldenImage.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

bool updating() {
    const char* value = std::getenv("KORNELO_UPDATE_REFERENCES");
    return value && std::string(value) == "1";
}

unsigned channelDistance(const irr::video::SColor& a, const irr::video::SColor& b) {
    const int d[3] = {static_cast<int>(a.getRed()) - static_cast<int>(b.getRed()),
                      static_cast<int>(a.getGreen()) - static_cast<int>(b.getGreen()),
                      static_cast<int>(a.getBlue()) - static_cast<int>(b.getBlue())};
    unsigned largest = 0;
    for (int channel : d)
        largest = std::max(largest, static_cast<unsigned>(std::abs(channel)));
    return largest;
}

std::filesystem::path failureFolder() {
    return std::filesystem::path(KORNELO_RUNTIME_DIR).parent_path() / "golden_failures";
}

} // namespace

void GoldenImage::writeFailure(irr::video::IVideoDriver* driver, irr::video::IImage* actual,
                               irr::video::IImage* difference) const {
    const std::filesystem::path folder = failureFolder();
    std::filesystem::create_directories(folder);
    const std::string stem = std::filesystem::path(referencePath).stem().string();
    driver->writeImageToFile(actual, (folder / (stem + "_actual.png")).string().c_str());
    if (difference)
        driver->writeImageToFile(difference, (folder / (stem + "_diff.png")).string().c_str());
}

GoldenImageResult GoldenImage::compare(irr::video::IVideoDriver* driver, irr::video::IImage* actual) const {
    GoldenImageResult result;
    if (!actual) {
        result.message = "no picture to compare";
        return result;
    }
    if (updating()) {
        std::filesystem::create_directories(std::filesystem::path(referencePath).parent_path());
        result.matches = driver->writeImageToFile(actual, referencePath.c_str());
        result.message = "reference written: " + referencePath;
        return result;
    }
    irr::video::IImage* reference =
        std::filesystem::exists(referencePath) ? driver->createImageFromFile(referencePath.c_str()) : nullptr;
    if (!reference) {
        writeFailure(driver, actual, nullptr);
        result.message = "missing reference " + referencePath + " (KORNELO_UPDATE_REFERENCES=1 writes it)";
        return result;
    }
    const irr::core::dimension2du size = actual->getDimension();
    if (reference->getDimension() != size) {
        reference->drop();
        writeFailure(driver, actual, nullptr);
        result.message = "size differs from " + referencePath;
        return result;
    }
    irr::video::IImage* difference = driver->createImage(irr::video::ECF_A8R8G8B8, size);
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x) {
            const bool differs = channelDistance(actual->getPixel(x, y), reference->getPixel(x, y)) > channelTolerance;
            result.differingPixels += differs;
            difference->setPixel(x, y, differs ? irr::video::SColor(255, 255, 0, 0) : irr::video::SColor(255, 0, 0, 0));
        }
    reference->drop();
    result.matches = result.differingPixels <= allowedPixels;
    if (!result.matches) {
        writeFailure(driver, actual, difference);
        result.message = std::to_string(result.differingPixels) + " pixels differ from " + referencePath;
    }
    difference->drop();
    return result;
}
