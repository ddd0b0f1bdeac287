#pragma once
// One dialogue box of the story as text ids: who speaks and the pages in the order they are read.
#include <string>
#include <vector>

namespace Lumo {

struct StoryBox {
    std::string speakerId;
    std::vector<std::string> pageIds; // never empty
};

} // namespace Lumo
