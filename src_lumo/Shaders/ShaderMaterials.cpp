#include "src_lumo/Shaders/ShaderMaterials.h"

#include "src_lumo/Shaders/LumoCuboldShader.h"
#include "src_lumo/Shaders/LumoPixelShadowCallBack.h"
#include "src_lumo/Shaders/ShaderEdgeCallBack.h"
#include "src_lumo/Shaders/ShaderSolidCallBack.h"
#include "src_lumo/Shaders/ShaderTransparencyCallBack.h"
#include "TovarWorks/Shaders/ShaderManager.h"

namespace Lumo {

void registerShaderMaterials(TovarWorks::ShaderManager& shaders, irr::video::IVideoDriver* driver,
                             int& wallMaterial)
{
    using namespace irr::video;
    const std::string dir = "data/shader/";
    auto add = [&](const char* name, const std::string& program, IShaderConstantSetCallBack* callback,
                   E_MATERIAL_TYPE base) {
        shaders.registerMaterial(name, (dir + program + ".vert").c_str(), (dir + program + ".frag").c_str(),
                                 callback, base);
    };
    // The manager drops the creation reference of each callback.
    add("cuboldShader", "lumocuboldshader", new LumoCuboldShader, EMT_TRANSPARENT_ALPHA_CHANNEL);
    add("edgeShader", "edgeShader", new ShaderEdgeCallBack, EMT_TRANSPARENT_ALPHA_CHANNEL);
    add("transparency", "simpletransparency", new ShaderTransparencyCallBack, EMT_TRANSPARENT_ALPHA_CHANNEL);
    add("projection", "projection", new ShaderTransparencyCallBack, EMT_TRANSPARENT_ALPHA_CHANNEL);
    add("solid", "solidmaterial", new ShaderSolidCallBack, EMT_SOLID);
    add("alphatransparency", "solidmaterial", new ShaderSolidCallBack, EMT_TRANSPARENT_ALPHA_CHANNEL);
    add("alphatransparencynosm", "solidmaterialnosm", new ShaderSolidCallBack, EMT_TRANSPARENT_ALPHA_CHANNEL);

    IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    if (!gpu)
        return;
    auto* wallCallback = new LumoPixelShadowCallBack;
    // GLSL knows no entry-point names; the wall programs still name theirs for other back ends.
    wallMaterial = gpu->addHighLevelShaderMaterialFromFiles(
        (dir + "wallshader.vert").c_str(), "vertexMain", EVST_VS_1_1, (dir + "wallshader.frag").c_str(),
        "pixelMain", EPST_PS_1_1, wallCallback, EMT_TRANSPARENT_ALPHA_CHANNEL);
    wallCallback->drop();
}

} // namespace Lumo
