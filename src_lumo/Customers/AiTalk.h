#pragma once
// Says one line in a speech bubble and is done at once.
#include "src_lumo/Customers/AiVisualStep.h"

#include <string>

namespace Lumo {

class AiTalk : public AiVisualStep {
public:
    AiTalk(std::shared_ptr<CustomerCharacter> character, std::string textId, float bubbleValue)
        : AiVisualStep(std::move(character)), textId(std::move(textId)), bubbleValue(bubbleValue) {}
    void update(uint32_t elapsedMs) override;

private:
    std::string textId;
    float bubbleValue;
};

} // namespace Lumo
