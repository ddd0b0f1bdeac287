#pragma once
// "transparency" and "projection": the same constants as the edge material.
#include "src_lumo/Shaders/ShaderEdgeCallBack.h"

namespace Lumo {

class ShaderTransparencyCallBack : public ShaderEdgeCallBack {};

} // namespace Lumo
