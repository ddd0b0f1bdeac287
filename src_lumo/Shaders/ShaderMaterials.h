#pragma once
// Start-up registration of the game's shader materials, in the order the rest of the game relies
// on, and the wall material that the visual fades.
#include <irrlicht.h>

namespace TovarWorks {
class ShaderManager;
}

namespace Lumo {

// Registers "cuboldShader", "edgeShader", "transparency", "projection", "solid",
// "alphatransparency" and "alphatransparencynosm" with the manager, then compiles the wall
// material directly through the driver's GPU services. wallMaterial receives the wall material's
// id (-1 when it failed to compile) and is left as it was when the driver has no GPU services.
void registerShaderMaterials(TovarWorks::ShaderManager& shaders, irr::video::IVideoDriver* driver,
                             int& wallMaterial);

} // namespace Lumo
