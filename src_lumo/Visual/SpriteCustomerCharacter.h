#pragma once
// A customer's sprite on stage answering what the customer's steps ask of it.
#include "src_lumo/Customers/CustomerCharacter.h"

#include <memory>

namespace Lumo {

class CharNode;

class SpriteCustomerCharacter : public CustomerCharacter {
public:
    explicit SpriteCustomerCharacter(std::shared_ptr<CharNode> character) : character(std::move(character)) {}
    void say(const std::string& textId, float bubbleValue) override;

private:
    std::shared_ptr<CharNode> character;
};

} // namespace Lumo
