#include "src_lumo/Sprites/FileLoader.h"

#include "src_lumo/Sprites/SpriteFileReader.h"
#include "TovarWorks/TovarDevice.h"

namespace Lumo {

void FileLoader::loadFile(const char* fileName)
{
    using TovarWorks::gDevice;
    irr::IrrlichtDevice* device = gDevice ? gDevice->getIrrlichtDevice() : nullptr;
    irr::io::IXMLReader* xml = device ? device->getFileSystem()->createXMLReader(fileName) : nullptr;
    if (!xml) {
        if (gDevice)
            gDevice->printError(L"Could not load file: %p", irr::core::stringw(fileName));
        return;
    }
    SpriteFileReader reader(*this, *device, device->getFileSystem()->getFileDir(fileName) + "/");
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
