#pragma once
// Named shader materials: registration compiles a program pair from files, lookup is by name.
#include <irrlicht.h>

#include <map>
#include <string>

namespace TovarWorks {

class ShaderManager {
public:
    explicit ShaderManager(irr::video::IVideoDriver* driver) : driver(driver) {}

    // Compiles vertex and pixel programs (entry "main", VS 1.1 / PS 2.0) and stores the material id
    // under the name; a later registration under the same name overwrites it. The manager drops
    // its reference to the callback. Returns the id, -1 when it failed.
    int registerMaterial(const std::string& name, const irr::io::path& vertexFile,
                         const irr::io::path& pixelFile,
                         irr::video::IShaderConstantSetCallBack* callback,
                         irr::video::E_MATERIAL_TYPE baseMaterial);
    // Unknown names print "Konnte Shader nicht laden: %p" and give 0, Irrlicht's solid material.
    int getMaterial(const std::string& name) const;
    // The material to draw with: the named shader's, or Irrlicht's solid material when its programs
    // did not compile (the -1 kept then is no material any driver can draw, nor an enum value).
    irr::video::E_MATERIAL_TYPE materialType(const std::string& name) const;
    bool has(const std::string& name) const { return materials.count(name) != 0; }

private:
    irr::video::IVideoDriver* driver;
    std::map<std::string, int> materials;
};

} // namespace TovarWorks
