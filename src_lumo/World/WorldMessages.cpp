#include "src_lumo/World/WorldMessages.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

void reportWorldError(const wchar_t* format, const std::string& argument) {
    if (TovarWorks::gDevice)
        TovarWorks::gDevice->printError(format, irr::core::stringw(argument.c_str()));
}

} // namespace Lumo
