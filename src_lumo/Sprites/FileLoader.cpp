#include "src_lumo/Sprites/FileLoader.h"

#include "src_lumo/Sprites/SpriteFileReader.h"
#include "src_lumo/Sprites/XmlFileCheck.h"
#include "TovarWorks/TovarDevice.h"

#include <string>
#include <vector>

namespace Lumo {

namespace {

// The whole file, or nothing when it cannot be opened.
bool readWholeFile(irr::io::IFileSystem& files, const char* fileName, std::vector<unsigned char>& content)
{
    irr::io::IReadFile* file = files.createAndOpenFile(fileName);
    if (!file)
        return false;
    content.resize(static_cast<std::size_t>(file->getSize()));
    const bool complete = file->read(content.data(), static_cast<irr::u32>(content.size()))
                          == static_cast<irr::s32>(content.size());
    file->drop();
    return complete;
}

} // namespace

void FileLoader::loadFile(const char* fileName)
{
    using TovarWorks::gDevice;
    irr::IrrlichtDevice* device = gDevice ? gDevice->getIrrlichtDevice() : nullptr;
    std::vector<unsigned char> content;
    if (!device || !readWholeFile(*device->getFileSystem(), fileName, content)) {
        if (gDevice)
            gDevice->printError(L"Could not load file: %p", irr::core::stringw(fileName));
        return;
    }
    if (content.empty())
        return; // holds no definitions
    const std::string problem = XmlFileCheck::problem(content.data(), content.size());
    if (!problem.empty()) {
        gDevice->printError(irr::core::stringw(L"Could not load file: %p (broken XML: ") + problem.c_str() + L")",
                            irr::core::stringw(fileName));
        return;
    }
    irr::io::IFileSystem* files = device->getFileSystem();
    irr::io::IReadFile* memory = files->createMemoryReadFile(content.data(), static_cast<irr::s32>(content.size()),
                                                             fileName, false);
    irr::io::IXMLReader* xml = memory ? files->createXMLReader(memory) : nullptr;
    if (memory)
        memory->drop();
    if (!xml) {
        gDevice->printError(L"Could not load file: %p", irr::core::stringw(fileName));
        return;
    }
    SpriteFileReader reader(*this, *device, files->getFileDir(fileName) + "/");
    reader.read(*xml);
    xml->drop();
}

const SpriteDefinition* FileLoader::getDefinition(const std::wstring& name) const
{
    const auto found = definitions.find(name);
    return found == definitions.end() ? nullptr : found->second.get();
}

SpriteDefinition& FileLoader::createDefinition(const std::wstring& name)
{
    std::unique_ptr<SpriteDefinition>& slot = definitions[name];
    if (slot)
        replacedDefinitions.push_back(std::move(slot));
    slot = std::make_unique<SpriteDefinition>(name);
    return *slot;
}

} // namespace Lumo
