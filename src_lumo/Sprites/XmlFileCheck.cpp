#include "src_lumo/Sprites/XmlFileCheck.h"

#include "TovarWorks/Platform/Utf8.h"

#include <expat.h>

#include <cstring>

namespace Lumo {

namespace {

// The text as UTF-8, which is all expat is given: Irrlicht also reads UTF-16 and UTF-32 by their
// byte order marks (it writes its own meshes in UTF-32, which expat does not know).
class Utf8Text {
public:
    Utf8Text(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    std::string decode(std::string& problem)
    {
        if (startsWith("\xFF\xFE\0\0", 4) || startsWith("\0\0\xFE\xFF", 4))
            return wide(4, data[0] == 0xFF, problem);
        if (startsWith("\xFF\xFE", 2) || startsWith("\xFE\xFF", 2))
            return wide(2, data[0] == 0xFF, problem);
        const std::size_t mark = startsWith("\xEF\xBB\xBF", 3) ? 3 : 0;
        return std::string(reinterpret_cast<const char*>(data) + mark, size - mark);
    }

private:
    bool startsWith(const char* mark, std::size_t length) const
    {
        return size >= length && std::memcmp(data, mark, length) == 0;
    }

    unsigned long unit(std::size_t at, std::size_t width, bool littleEndian) const
    {
        unsigned long value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value = value << 8 | data[at + (littleEndian ? width - 1 - i : i)];
        return value;
    }

    std::string wide(std::size_t width, bool littleEndian, std::string& problem) const
    {
        std::string text;
        if (size % width != 0) {
            problem = "cut inside a character";
            return text;
        }
        for (std::size_t at = width; at < size; at += width) {
            unsigned long code = unit(at, width, littleEndian);
            if (width == 2 && code >= 0xD800 && code < 0xDC00 && at + 2 < size) {
                const unsigned long low = unit(at + 2, 2, littleEndian);
                if (low >= 0xDC00 && low < 0xE000) {
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    at += 2;
                }
            }
            if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
                problem = width == 2 ? "not valid UTF-16" : "not valid UTF-32";
                return text;
            }
            TovarWorks::appendUtf8(text, code);
        }
        return text;
    }

    const unsigned char* data;
    const std::size_t size;
};

const std::string kRootEnd = "</file>";

// Several definitions may stand in one file, side by side: expat reads them under a root of its
// own, after the XML declaration if there is one.
std::string underOneRoot(const std::string& text)
{
    std::size_t declarationEnd = 0;
    if (text.compare(0, 5, "<?xml") == 0 && text.size() > 5 && std::strchr(" \t\r\n", text[5])) {
        const std::size_t end = text.find("?>");
        declarationEnd = end == std::string::npos ? 0 : end + 2;
    }
    return text.substr(0, declarationEnd) + "<file>" + text.substr(declarationEnd) + kRootEnd;
}

// What expat accepts but Irrlicht's reader mishandles: it ends a comment where its '<' and '>'
// balance (so a lone '<' in one runs it off the end) and a processing instruction at its first '>'.
// A document type cannot stand under the root expat is given, so none gets through.
struct Walk {
    Walk(XML_Parser parser, XmlElementRule* rule) : parser(parser), rule(rule) {}

    XML_Parser parser;
    XmlElementRule* rule;
    int depth = 0;
    std::string refusal;

    void refuse(const char* why)
    {
        if (refusal.empty())
            refusal = why;
        XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL startElement(void* user, const XML_Char* name, const XML_Char** attributes)
{
    Walk& walk = *static_cast<Walk*>(user);
    if (++walk.depth > XmlFileCheck::kMaxDepth + 1) // under the root of its own
        walk.refuse("nested too deeply");
    if (walk.rule && walk.depth > 1) {
        const std::string refusal = walk.rule->element(name, attributes);
        if (!refusal.empty())
            walk.refuse(refusal.c_str());
    }
}

void XMLCALL endElement(void* user, const XML_Char*) { --static_cast<Walk*>(user)->depth; }

void XMLCALL comment(void* user, const XML_Char* text)
{
    if (std::strpbrk(text, "<>"))
        static_cast<Walk*>(user)->refuse("angle bracket in a comment");
}

void XMLCALL processingInstruction(void* user, const XML_Char*, const XML_Char* data)
{
    if (std::strchr(data, '>'))
        static_cast<Walk*>(user)->refuse("'>' in a processing instruction");
}

std::string parse(const std::string& text, XmlElementRule* rule)
{
    // Whatever the declaration says, the text is UTF-8 by now.
    Walk walk(XML_ParserCreate("UTF-8"), rule);
    if (!walk.parser)
        return "out of memory";
    XML_SetUserData(walk.parser, &walk);
    XML_SetElementHandler(walk.parser, startElement, endElement);
    XML_SetCommentHandler(walk.parser, comment);
    XML_SetProcessingInstructionHandler(walk.parser, processingInstruction);
    const bool parsed = XML_Parse(walk.parser, text.data(), static_cast<int>(text.size()), XML_TRUE) == XML_STATUS_OK;
    std::string problem = walk.refusal;
    const std::string line = " at line " + std::to_string(XML_GetCurrentLineNumber(walk.parser));
    // A fault found at the root's end tag means the file's own elements never ended.
    const bool cut = XML_GetCurrentByteIndex(walk.parser) >= static_cast<XML_Index>(text.size() - kRootEnd.size());
    if (!parsed && problem.empty())
        problem = cut ? "ends inside an element" + line : XML_ErrorString(XML_GetErrorCode(walk.parser)) + line;
    XML_ParserFree(walk.parser);
    return problem;
}

} // namespace

std::string XmlFileCheck::problem(const unsigned char* data, std::size_t size, XmlElementRule* rule)
{
    if (size > kMaxBytes)
        return "larger than " + std::to_string(kMaxBytes >> 20) + " MB";
    std::string problem;
    const std::string text = Utf8Text(data, size).decode(problem);
    return problem.empty() ? parse(underOneRoot(text), rule) : problem;
}

} // namespace Lumo
