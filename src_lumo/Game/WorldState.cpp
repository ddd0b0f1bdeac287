#include "src_lumo/Game/WorldState.h"

namespace Lumo {

int StoryFlags::read(const std::string& name) const {
    const auto flag = flags.find(name);
    return flag == flags.end() ? 0 : static_cast<int>(flag->second);
}

} // namespace Lumo
