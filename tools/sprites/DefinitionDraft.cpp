#include "tools/sprites/DefinitionDraft.h"

#include <sstream>

namespace SpriteArt {

std::string DefinitionDraft::toXml() const
{
    // The loader keeps bitmap, thickness and border colour running from frame to frame, so they
    // are given once. Element and frame names are plain ASCII; the reader needs no decoding.
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml << "<" << element << " name=\"" << name << "\">\n";
    xml << "  <frameSpeed>" << frameSpeed << "</frameSpeed>\n";
    xml << "  <offset>" << offset << "</offset>\n";
    xml << "  <bitmap>" << bitmap << "</bitmap>\n";
    xml << "  <thickness>" << thickness << "</thickness>\n";
    xml << "  <borderColor>" << redOf(borderColour) << "," << greenOf(borderColour) << ","
        << blueOf(borderColour) << "</borderColor>\n";
    Colour running = borderColour;
    for (const FrameRect& f : frames) {
        xml << "  <frame name=\"" << f.name << "\">";
        if (f.borderColour != kTransparent && f.borderColour != running) {
            running = f.borderColour;
            xml << "<borderColor>" << redOf(running) << "," << greenOf(running) << "," << blueOf(running)
                << "</borderColor>";
        }
        xml << "<rect>" << f.x1 << "," << f.y1 << "," << f.x2 << "," << f.y2 << "</rect></frame>\n";
    }
    for (const AnimationList& a : animations) {
        xml << "  <animation name=\"" << a.name << "\">";
        for (const std::string& f : a.frames)
            xml << "<add id=\"" << f << "\"/>";
        xml << "</animation>\n";
    }
    xml << "</" << element << ">\n";
    return xml.str();
}

} // namespace SpriteArt
