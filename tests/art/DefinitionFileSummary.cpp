#include "DefinitionFileSummary.h"

#include <cstdio>
#include <sstream>

namespace {

std::string narrow(const wchar_t* text)
{
    std::string out;
    for (const wchar_t* c = text; c && *c; ++c)
        out.push_back(static_cast<char>(*c));
    return out;
}

std::vector<int> integers(const std::string& text)
{
    std::vector<int> values;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ','))
        values.push_back(std::atoi(part.c_str()));
    return values;
}

} // namespace

DefinitionFileSummary::DefinitionFileSummary(irr::io::IFileSystem& fileSystem, const std::string& path)
{
    irr::io::IXMLReader* reader = fileSystem.createXMLReader(path.c_str());
    if (!reader)
        return;
    mOpened = true;
    const std::string folder = narrow(irr::core::stringw(fileSystem.getFileDir(path.c_str())).c_str()) + "/";

    std::string valueElement, frameName, animationName, bitmap;
    std::vector<std::string> pendingFrames;
    SummaryRect rect;
    bool borderColour = false;
    while (reader->read()) {
        switch (reader->getNodeType()) {
        case irr::io::EXN_ELEMENT: {
            const std::string element = narrow(reader->getNodeName());
            valueElement = element;
            if (element == "character" || element == "gear") {
                mDefinitionNames.push_back(narrow(reader->getAttributeValueSafe(L"name")));
                borderColour = false;
            } else if (element == "frame") {
                frameName = narrow(reader->getAttributeValueSafe(L"name"));
            } else if (element == "animation") {
                animationName = narrow(reader->getAttributeValueSafe(L"name"));
                pendingFrames.clear();
            } else if (element == "add") {
                pendingFrames.push_back(narrow(reader->getAttributeValueSafe(L"id")));
            }
            break;
        }
        case irr::io::EXN_TEXT: {
            const std::string text = narrow(reader->getNodeData());
            if (valueElement == "bitmap")
                bitmap = folder + text;
            else if (valueElement == "rect" && !frameName.empty()) {
                const std::vector<int> v = integers(text);
                if (v.size() == 4)
                    rect = {v[0], v[1], v[2], v[3]};
            } else if (valueElement == "frameSpeed")
                mFrameSpeed = static_cast<float>(std::atof(text.c_str()));
            else if (valueElement == "borderColor")
                borderColour = integers(text).size() == 3;
            valueElement.clear();
            break;
        }
        case irr::io::EXN_ELEMENT_END: {
            const std::string element = narrow(reader->getNodeName());
            if (element == "frame" && !frameName.empty())
                mFrames[frameName] = {bitmap, rect, borderColour};
            else if (element == "animation") {
                // Kept as listed: the loader would skip unknown names, the test wants to see them.
                std::vector<std::string>& frames = mAnimations[animationName];
                frames.insert(frames.end(), pendingFrames.begin(), pendingFrames.end());
            }
            break;
        }
        default:
            break;
        }
    }
    reader->drop();
}

const std::vector<std::string>* DefinitionFileSummary::animation(const std::string& name) const
{
    const auto it = mAnimations.find(name);
    return it == mAnimations.end() ? nullptr : &it->second;
}
