#include "src_lumo/Sprites/SpriteFileReader.h"

#include "src_lumo/Sprites/DefinitionValues.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "TovarWorks/TovarDevice.h"

#include <algorithm>

namespace Lumo {

namespace {

std::wstring attribute(irr::io::IXMLReader& xml, const wchar_t* name)
{
    const wchar_t* value = xml.getAttributeValue(name);
    return value ? std::wstring(value) : std::wstring();
}

irr::u32 colorChannel(int value) { return static_cast<irr::u32>(std::clamp(value, 0, 255)); }

} // namespace

SpriteFileReader::SpriteFileReader(FileLoader& store, irr::IrrlichtDevice& device, irr::io::path baseDirectory)
    : store(store), device(device), baseDirectory(std::move(baseDirectory))
{
}

SpriteFileReader::~SpriteFileReader()
{
    for (auto& entry : bitmaps)
        if (entry.second.image)
            entry.second.image->drop();
}

void SpriteFileReader::read(irr::io::IXMLReader& xml)
{
    while (xml.read()) {
        switch (xml.getNodeType()) {
        case irr::io::EXN_ELEMENT: {
            const std::wstring element = xml.getNodeName();
            startElement(element, xml);
            // <frame name="a"/> has no end tag of its own.
            if (xml.isEmptyElement())
                endElement(element);
            break;
        }
        case irr::io::EXN_ELEMENT_END:
            endElement(xml.getNodeName());
            break;
        case irr::io::EXN_TEXT:
            takeText(xml.getNodeData());
            break;
        default:
            break;
        }
    }
}

void SpriteFileReader::startElement(const std::wstring& element, irr::io::IXMLReader& xml)
{
    pending = Pending::None;
    if (element == L"character" || element == L"gear") {
        definition = &store.createDefinition(attribute(xml, L"name"));
        thickness = 1.f;
        borderColor = irr::video::SColor(0x00000000);
    } else if (element == L"frame") {
        frameName = attribute(xml, L"name");
        fixpoints.clear();
    } else if (element == L"animation") {
        animationName = attribute(xml, L"name");
        animationFrames.clear();
    } else if (element == L"add") {
        animationFrames.push_back(attribute(xml, L"id"));
    } else if (element == L"fixpoint") {
        pendingFixpointName = attribute(xml, L"name");
        pending = Pending::Fixpoint;
    } else if (element == L"frameSpeed") {
        pending = Pending::FrameSpeed;
    } else if (element == L"offset") {
        pending = Pending::Offset;
    } else if (element == L"bitmap") {
        pending = Pending::Bitmap;
    } else if (element == L"rect") {
        pending = Pending::Rect;
    } else if (element == L"thickness") {
        pending = Pending::Thickness;
    } else if (element == L"borderColor") {
        pending = Pending::BorderColor;
    } else if (element == L"center") {
        pending = Pending::Center;
    }
}

void SpriteFileReader::endElement(const std::wstring& element)
{
    // Text after an end tag (layout whitespace) belongs to no value element.
    pending = Pending::None;
    if (element == L"frame")
        finishFrame();
    else if (element == L"animation")
        finishAnimation();
}

void SpriteFileReader::takeText(const std::wstring& rawText)
{
    const Pending state = pending;
    pending = Pending::None;
    if (!definition || state == Pending::None)
        return;
    const std::wstring text = trimmed(rawText);
    std::vector<int> numbers;
    float number = 0.f;
    switch (state) {
    case Pending::FrameSpeed:
        // A frame speed of zero or less would advance a frame on every draw.
        if (parseDecimal(text, number) && number > 0.f)
            definition->frameSpeed = number;
        break;
    case Pending::Offset:
        if (parseDecimal(text, number))
            definition->offset = number;
        break;
    case Pending::Bitmap:
        bitmapPath = baseDirectory + irr::core::stringc(text.c_str());
        break;
    case Pending::Rect:
        if (!frameName.empty() && parseIntegers(text, 4, numbers))
            rect = irr::core::recti(numbers[0], numbers[1], numbers[2], numbers[3]);
        break;
    case Pending::Thickness:
        if (parseDecimal(text, number))
            thickness = number;
        break;
    case Pending::BorderColor:
        if (parseIntegers(text, 3, numbers)) {
            borderColor.setRed(colorChannel(numbers[0]));
            borderColor.setGreen(colorChannel(numbers[1]));
            borderColor.setBlue(colorChannel(numbers[2]));
        }
        break;
    case Pending::Fixpoint:
        if (parseIntegers(text, 2, numbers))
            fixpoints.push_back({pendingFixpointName, numbers[0], numbers[1]});
        break;
    case Pending::Center:
        if (!frameName.empty() && parseIntegers(text, 2, numbers))
            definition->center = irr::core::vector2di(numbers[0], numbers[1]);
        break;
    case Pending::None:
        break;
    }
}

void SpriteFileReader::finishFrame()
{
    if (!definition || frameName.empty())
        return;
    const Bitmap& bitmap = openBitmap(bitmapPath);
    if (!bitmap.image)
        return;
    VisualCharacterFrame& frame = definition->addFrame(std::make_unique<VisualCharacterFrame>(
        frameName, bitmap.texture, *bitmap.image, rect, thickness, borderColor));
    for (const FixpointEntry& fixpoint : fixpoints)
        frame.setFixpoint(fixpoint.name, irr::core::vector2di(fixpoint.x, fixpoint.y));
}

void SpriteFileReader::finishAnimation()
{
    if (!definition)
        return;
    SpriteAnimation& animation = definition->getOrCreateAnimation(animationName);
    for (const std::wstring& name : animationFrames)
        if (const VisualCharacterFrame* frame = definition->findFrame(name))
            animation.frames.push_back(frame);
}

const SpriteFileReader::Bitmap& SpriteFileReader::openBitmap(const irr::io::path& path)
{
    const auto known = bitmaps.find(path);
    if (known != bitmaps.end())
        return known->second;
    Bitmap& bitmap = bitmaps[path];
    irr::video::IVideoDriver* driver = device.getVideoDriver();
    // The pixels come from the file, not from the texture: a texture on the GPU (or on the null
    // driver) cannot always be read back.
    if (!path.empty())
        bitmap.image = driver->createImageFromFile(path);
    if (bitmap.image)
        bitmap.texture = driver->getTexture(path);
    else if (TovarWorks::gDevice)
        TovarWorks::gDevice->printError(L"Could not load file: %p", irr::core::stringw(path));
    return bitmap;
}

} // namespace Lumo
