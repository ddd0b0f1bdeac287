#include "src_lumo/Game/FlagsAndPopularity.h"

namespace Lumo {

int FlagsAndPopularity::flag(const std::string& name) const {
    const auto found = flags.find(name);
    return found == flags.end() ? 0 : int(found->second);
}

} // namespace Lumo
