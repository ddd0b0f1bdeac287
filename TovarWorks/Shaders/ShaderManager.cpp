#include "TovarWorks/Shaders/ShaderManager.h"

#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/TovarDevice.h"

namespace TovarWorks {

int ShaderManager::registerMaterial(const std::string& name, const irr::io::path& vertexFile,
                                    const irr::io::path& pixelFile,
                                    irr::video::IShaderConstantSetCallBack* callback,
                                    irr::video::E_MATERIAL_TYPE baseMaterial) {
    irr::video::IGPUProgrammingServices* gpu = driver ? driver->getGPUProgrammingServices() : nullptr;
    int id = -1;
    if (gpu) {
        id = gpu->addHighLevelShaderMaterialFromFiles(
            nativePath(std::string(vertexFile.c_str())).c_str(), "main", irr::video::EVST_VS_1_1,
            nativePath(std::string(pixelFile.c_str())).c_str(), "main", irr::video::EPST_PS_2_0, callback,
            baseMaterial);
    }
    if (callback)
        callback->drop();
    materials[name] = id;
    return id;
}

int ShaderManager::getMaterial(const std::string& name) const {
    auto it = materials.find(name);
    if (it == materials.end()) {
        if (gDevice)
            gDevice->printError(L"Konnte Shader nicht laden: %p", irr::core::stringw(name.c_str()));
        return 0;
    }
    return it->second;
}

irr::video::E_MATERIAL_TYPE ShaderManager::materialType(const std::string& name) const {
    const int id = getMaterial(name);
    return id < 0 ? irr::video::EMT_SOLID : static_cast<irr::video::E_MATERIAL_TYPE>(id);
}

} // namespace TovarWorks
