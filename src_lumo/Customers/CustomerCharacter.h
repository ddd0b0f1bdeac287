#pragma once
// What a customer's steps may ask of its character on stage. The visual's sprite character
// answers it; tests use a recorder.
#include <string>

namespace Lumo {

class CustomerCharacter {
public:
    virtual ~CustomerCharacter() = default;
    // Shows a speech bubble with the game text of that id.
    virtual void say(const std::string& textId, float bubbleValue) = 0;
};

} // namespace Lumo
