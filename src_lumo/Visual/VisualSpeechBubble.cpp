#include "src_lumo/Visual/VisualSpeechBubble.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

namespace {

// The camera is looked up at every draw: bubbles may outlive a scene's camera.
bool throughActiveCamera(const irr::core::vector3df& world, irr::core::vector2df& units) {
    irr::scene::ISceneManager* scene = TovarWorks::gDevice ? TovarWorks::gDevice->getSceneManager() : nullptr;
    irr::scene::ICameraSceneNode* camera = scene ? scene->getActiveCamera() : nullptr;
    return camera && VisualTextBoxBubble::cameraProjector(camera)(world, units);
}

} // namespace

VisualSpeechBubble::VisualSpeechBubble(const irr::core::vector3df& position) : box(position, throughActiveCamera) {}

SpeechBubbleFactory VisualSpeechBubble::factory() {
    return [](const irr::core::vector3df& position) { return std::make_shared<VisualSpeechBubble>(position); };
}

void VisualSpeechBubble::draw() {
    box.update(TovarWorks::gDevice ? TovarWorks::gDevice->getFrameDelta() : 0);
    box.draw();
}

} // namespace Lumo
