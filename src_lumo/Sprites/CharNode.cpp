#include "src_lumo/Sprites/CharNode.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "TovarWorks/TovarDevice.h"

#include <cmath>

namespace Lumo {

namespace {

using irr::core::vector3df;

const wchar_t* const kStandingFrames[4] = {L"iddle_up", L"iddle_down", L"iddle_left", L"iddle_right"};
const wchar_t* const kWalkAnimations[4] = {L"walk_up", L"walk_down", L"walk_left", L"walk_right"};

constexpr float kArrivalDistance = 0.1f;
constexpr float kSpeedPerMs = 0.02f;
constexpr float kSame = 0.000001f;

bool nearlyEqual(const vector3df& a, const vector3df& b)
{
    return std::fabs(a.X - b.X) <= kSame && std::fabs(a.Y - b.Y) <= kSame && std::fabs(a.Z - b.Z) <= kSame;
}

int facingOf(const vector3df& direction)
{
    int facing = direction.Z < 0.f ? FACE_DOWN : FACE_UP;
    if (std::fabs(direction.X) > std::fabs(direction.Z))
        facing = direction.X < 0.f ? FACE_LEFT : FACE_RIGHT;
    return facing;
}

SpeechBubbleFactory& bubbleFactory()
{
    static SpeechBubbleFactory factory;
    return factory;
}

} // namespace

std::shared_ptr<CharNode> CharNode::putOnStage(irr::scene::ISceneManager* manager, const FileLoader& store,
                                               const std::wstring& definitionName)
{
    const SpriteDefinition* definition = store.getDefinition(definitionName);
    if (!definition) {
        if (TovarWorks::gDevice)
            TovarWorks::gDevice->printError(L"Unknown sprite definition: %p", definitionName.c_str());
        return nullptr;
    }
    auto* node = new CharacterNode(manager->getRootSceneNode(), manager, *definition);
    node->setAnimation(L"iddle", true);
    node->setScale(vector3df(0.45f, 0.675f, 0.45f));
    node->setPosition(vector3df(815.f, 0.f, 605.f));

    irr::scene::IMeshSceneNode* shadow = manager->addCubeSceneNode(10.f, node);
    if (shadow) {
        shadow->setScale(vector3df(2.f, 0.0001f, 2.f));
        shadow->setPosition(vector3df(-1.f, 0.05f, 2.f));
        shadow->setMaterialTexture(0, manager->getVideoDriver()->getTexture("lumodata/shadow.png"));
        shadow->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    }
    auto character = std::make_shared<CharNode>(node);
    node->drop();
    return character;
}

CharNode::CharNode(CharacterNode* characterNode) : node(characterNode)
{
    node->grab();
}

CharNode::~CharNode()
{
    node->drop();
}

bool CharNode::walkStep(const vector3df& target)
{
    return walkStep(target, TovarWorks::gDevice ? TovarWorks::gDevice->getFrameDelta() : 0);
}

bool CharNode::walkStep(const vector3df& target, std::uint32_t elapsedMs)
{
    const vector3df position = node->getPosition();
    vector3df direction = target - position;
    const float distance = direction.getLength();
    if (distance < kArrivalDistance)
        direction = vector3df(0.f, 0.f, 0.f);
    else
        direction /= distance;

    // A step never goes past the target: overshooting it can swing back and forth for ever.
    const float step = static_cast<float>(elapsedMs) * kSpeedPerMs;
    const vector3df newPosition = step >= distance && distance >= kArrivalDistance ? target
                                                                                    : position + direction * step;
    node->setPosition(newPosition);

    const int newFacing = nearlyEqual(newPosition, target) ? facing : facingOf(direction);
    if (newFacing != facing)
        node->setFrame(kStandingFrames[newFacing]);
    node->setAnimation(kWalkAnimations[newFacing], true);
    facing = newFacing;

    if (nearlyEqual(direction, vector3df(0.f, 0.f, 0.f))) {
        node->setAnimation(kStandingFrames[facing], true);
        return false;
    }
    return true;
}

void CharNode::setSpeechBubbleFactory(SpeechBubbleFactory factory)
{
    bubbleFactory() = std::move(factory);
}

void CharNode::showSpeechBubble(const irr::core::stringw& text, float hearingRange)
{
    if (!bubble && bubbleFactory())
        bubble = bubbleFactory()(node->getPosition());
    if (!bubble)
        return;
    bubble->setHearingRange(hearingRange);
    bubble->addPage(text);
    bubble->show();
}

void CharNode::updateSpeechBubble(const vector3df& heroPosition)
{
    if (!bubble)
        return;
    if (bubble->isHeardAt(heroPosition)) {
        bubble.reset();
        return;
    }
    bubble->setPosition(node->getPosition() + vector3df(0.f, 25.f, 0.f));
    bubble->draw();
}

void CharNode::removeFromStage()
{
    bubble.reset();
    node->setVisible(false);
    node->remove();
}

} // namespace Lumo
