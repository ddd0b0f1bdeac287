#include "src_lumo/Sprites/CharacterNode.h"

#include "src_lumo/Sprites/SpriteDefinition.h"
#include "TovarWorks/Shaders/ShaderManager.h"
#include "TovarWorks/TovarDevice.h"

#include <algorithm>

namespace Lumo {

namespace {

irr::video::E_MATERIAL_TYPE shaderMaterial(const char* name)
{
    using TovarWorks::gDevice;
    const auto shaders = gDevice ? gDevice->getShaderManager() : nullptr;
    return shaders ? shaders->materialType(name) : irr::video::EMT_SOLID;
}

const irr::core::aabbox3df kEmptyBox(0.f, 0.f, 0.f, 0.f, 0.f, 0.f);

} // namespace

CharacterNode::CharacterNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager,
                             const SpriteDefinition& spriteDefinition, irr::s32 id)
    : ISceneNode(parent, manager, id), definition(&spriteDefinition)
{
    faceMaterial.MaterialType = shaderMaterial("cuboldShader");
    faceMaterial.Lighting = false;
    faceMaterial.Wireframe = false;
    faceMaterial.BackfaceCulling = false;
    faceMaterial.ZWriteEnable = true;
    for (irr::u32 i = 0; i < irr::video::MATERIAL_MAX_TEXTURES; ++i)
        faceMaterial.TextureLayer[i].BilinearFilter = false;
    faceMaterial.DiffuseColor = irr::video::SColor(0xFFFFFFFF);

    edgeMaterial.MaterialType = shaderMaterial("edgeShader");
    edgeMaterial.Lighting = false;
    // The walls are seen from outside only, but their winding follows the pixel edges, not the eye.
    edgeMaterial.BackfaceCulling = false;
    edgeMaterial.DiffuseColor = irr::video::SColor(0xFF000000);

    setFrame(L"iddle1");
    setPosition(irr::core::vector3df(0.f, 0.f, definition->offset));
}

void CharacterNode::OnRegisterSceneNode()
{
    if (IsVisible && !batched)
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT);
    ISceneNode::OnRegisterSceneNode();
}

void CharacterNode::stepByLastFrame()
{
    const irr::u32 elapsed = TovarWorks::gDevice ? TovarWorks::gDevice->getFrameDelta() : 0;
    advanceAnimation(elapsed);
    easeRotation(static_cast<float>(elapsed));
}

void CharacterNode::render()
{
    stepByLastFrame();
    updateAbsolutePosition();
    if (!currentFrame)
        return;
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setTransform(irr::video::ETS_WORLD, AbsoluteTransformation);
    if (!hideEdge) {
        driver->setMaterial(edgeMaterial);
        currentFrame->getEdgeMesh().draw(driver);
    }
    driver->setMaterial(faceMaterial);
    currentFrame->getFrontMesh().draw(driver);
}

void CharacterNode::advanceAnimation(double elapsedMs)
{
    frameTimer += elapsedMs;
    if (frameTimer <= definition->frameSpeed)
        return;
    frameTimer = 0.0;
    if (!currentAnimation)
        return;
    const int count = static_cast<int>(currentAnimation->frames.size());
    if (currentFrame) {
        ++frameIndex;
        finished = false;
    }
    // Also catches an index left over from a longer animation, so a node never stays blank.
    if (frameIndex >= count) {
        if (looping) {
            frameIndex = 0;
        } else {
            frameIndex = count - 1;
            finished = true;
        }
    }
    showFrame(frameIndex >= 0 && frameIndex < count ? currentAnimation->frames[frameIndex] : nullptr);
}

void CharacterNode::easeRotation(float elapsedMs)
{
    if (!smoothRotation)
        return;
    // Capped so that a long frame lands on the target instead of overshooting it.
    const float factor = std::min(elapsedMs * 0.01f, 1.f);
    setRotation(getRotation() + (targetRotation - getRotation()) * factor);
}

const irr::core::aabbox3df& CharacterNode::getBoundingBox() const
{
    return currentFrame ? currentFrame->getBoundingBox() : kEmptyBox;
}

irr::video::SMaterial& CharacterNode::getMaterial(irr::u32 /*i*/)
{
    return faceMaterial;
}

void CharacterNode::setFrame(const std::wstring& frameName)
{
    showFrame(definition->findFrame(frameName));
}

void CharacterNode::setDefinition(const SpriteDefinition& newDefinition)
{
    // Frames and animations belong to their definition: look the current ones up again by name.
    const std::wstring frameName = currentFrame ? currentFrame->getName() : std::wstring();
    const std::wstring animationName = currentAnimation ? currentAnimation->name : std::wstring();
    definition = &newDefinition;
    currentAnimation = animationName.empty() ? nullptr : definition->findAnimation(animationName);
    showFrame(definition->findFrame(frameName));
}

void CharacterNode::showFrame(const VisualCharacterFrame* frame)
{
    currentFrame = frame;
    if (frame)
        faceMaterial.setTexture(0, frame->getTexture());
}

void CharacterNode::setAnimation(const std::wstring& animationName, bool loop)
{
    const SpriteAnimation* animation = definition->findAnimation(animationName);
    currentAnimation = animation;
    finished = false;
    looping = loop;
    if (!animation || animation->frames.empty())
        showFrame(nullptr);
}

void CharacterNode::setSmoothRotation(bool on, const irr::core::vector3df& target)
{
    smoothRotation = on;
    targetRotation = target;
}

} // namespace Lumo
