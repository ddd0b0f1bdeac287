#include "GoldenImage.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

int channelDifference(irr::video::SColor a, irr::video::SColor b) {
    const auto apart = [](irr::u32 x, irr::u32 y) { return std::abs(static_cast<int>(x) - static_cast<int>(y)); };
    return std::max(
        {apart(a.getRed(), b.getRed()), apart(a.getGreen(), b.getGreen()), apart(a.getBlue(), b.getBlue())});
}

// Screen pictures carry whatever the frame buffer's alpha holds; only the colour is compared.
void makeOpaque(irr::video::IImage* image) {
    const irr::core::dimension2du size = image->getDimension();
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x) {
            irr::video::SColor colour = image->getPixel(x, y);
            colour.setAlpha(255);
            image->setPixel(x, y, colour);
        }
}

} // namespace

bool GoldenImage::updatingReferences() {
    const char* flag = std::getenv("KORNELO_UPDATE_REFERENCES");
    return flag && std::string(flag) == "1";
}

GoldenImage::GoldenImage(irr::video::IVideoDriver* driver, std::string referenceFolder, std::string outputFolder)
    : driver(driver), referenceFolder(std::move(referenceFolder)), outputFolder(std::move(outputFolder)) {}

GoldenImage GoldenImage::forArea(irr::video::IVideoDriver* driver, const std::string& area) {
    const auto output = std::filesystem::path(KORNELO_RUNTIME_DIR).parent_path() / "test-output" / area;
    return GoldenImage(driver, KORNELO_SOURCE_DIR "/tests/data/" + area, output.string());
}

bool GoldenImage::write(irr::video::IImage* image, const std::string& path) const {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return driver->writeImageToFile(image, path.c_str());
}

GoldenResult GoldenImage::compare(irr::video::IImage* actual, const std::string& name,
                                  const GoldenTolerance& tolerance) const {
    GoldenResult result;
    const std::string referencePath = referenceFolder + "/" + name + ".png";
    const std::string actualPath = outputFolder + "/" + name + ".actual.png";
    if (!actual) {
        result.message = "no picture to compare for " + name;
        return result;
    }
    makeOpaque(actual);
    if (updatingReferences()) {
        // An update run is never green: the new pictures are looked at before a run without the flag.
        result.message = (write(actual, referencePath) ? "reference rewritten: " : "could not write reference ") +
                         referencePath + " (KORNELO_UPDATE_REFERENCES=1 always fails)";
        return result;
    }
    irr::video::IImage* reference =
        std::filesystem::exists(referencePath) ? driver->createImageFromFile(referencePath.c_str()) : nullptr;
    const irr::core::dimension2du size = actual->getDimension();
    if (!reference || reference->getDimension() != size) {
        write(actual, actualPath);
        result.message = (reference ? "size differs from " : "missing reference ") + referencePath +
                         " (actual written to " + actualPath + ")";
        if (reference)
            reference->drop();
        return result;
    }
    irr::video::IImage* diff = driver->createImage(irr::video::ECF_A8R8G8B8, size);
    for (irr::u32 y = 0; y < size.Height; ++y) {
        for (irr::u32 x = 0; x < size.Width; ++x) {
            const irr::video::SColor a = actual->getPixel(x, y);
            const bool differs = channelDifference(a, reference->getPixel(x, y)) > tolerance.channel;
            result.differentPixels += differs;
            // Differences in red over a dimmed copy of the picture.
            diff->setPixel(x, y, differs ? irr::video::SColor(255, 255, 0, 0)
                                         : irr::video::SColor(255, a.getRed() / 4, a.getGreen() / 4, a.getBlue() / 4));
        }
    }
    reference->drop();
    result.passed = result.differentPixels <= tolerance.differentPixels;
    std::ostringstream message;
    message << name << ": " << result.differentPixels << " pixels differ by more than " << tolerance.channel
            << " (allowed " << tolerance.differentPixels << ")";
    if (!result.passed) {
        write(actual, actualPath);
        write(diff, outputFolder + "/" + name + ".diff.png");
        message << "; see " << actualPath;
    }
    diff->drop();
    result.message = message.str();
    return result;
}

irr::video::IImage* drawIntoPicture(irr::video::IVideoDriver* driver, const irr::core::dimension2du& size,
                                    irr::video::SColor background, const std::function<void()>& draw) {
    irr::video::ITexture* target = driver->addRenderTargetTexture(size, "golden-picture", irr::video::ECF_A8R8G8B8);
    if (!target)
        return nullptr;
    driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    driver->setRenderTarget(target, true, true, background);
    draw();
    driver->setRenderTarget(nullptr, false, false);
    driver->endScene();
    irr::video::IImage* picture = nullptr;
    if (void* pixels = target->lock(irr::video::ETLM_READ_ONLY)) {
        // A copy of its own: the texture's memory goes with the texture.
        irr::video::IImage* view =
            driver->createImageFromData(target->getColorFormat(), target->getSize(), pixels, true, false);
        picture = driver->createImage(irr::video::ECF_A8R8G8B8, view->getDimension());
        view->copyTo(picture);
        view->drop();
    }
    target->unlock();
    driver->removeTexture(target);
    return picture;
}

int differingPixels(irr::video::IImage* one, irr::video::IImage* other) {
    int count = 0;
    for (irr::u32 y = 0; y < one->getDimension().Height; ++y)
        for (irr::u32 x = 0; x < one->getDimension().Width; ++x)
            count += one->getPixel(x, y).color != other->getPixel(x, y).color;
    return count;
}
