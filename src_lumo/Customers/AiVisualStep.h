#pragma once
// A step that acts on the customer's character on stage.
#include "src_lumo/Customers/AiStep.h"
#include "src_lumo/Customers/CustomerCharacter.h"

namespace Lumo {

class AiVisualStep : public AiStep {
public:
    explicit AiVisualStep(std::shared_ptr<CustomerCharacter> character) : character(std::move(character)) {}

protected:
    std::shared_ptr<CustomerCharacter> character;
};

} // namespace Lumo
