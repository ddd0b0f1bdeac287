#include "sprites/SpriteNodeFixture.h"

#include "sprites/SpriteTestFiles.h"

void SpriteNodeFixture::SetUp()
{
    NullDeviceFixture::SetUp();
    definition = &store.createDefinition(L"person");
    definition->frameSpeed = 100.f;
    for (const wchar_t* name : {L"iddle1", L"iddle_up", L"iddle_down", L"iddle_left", L"iddle_right", L"step1",
                                L"step2", L"step3", L"step4"})
        addFrame(name);
    addAnimation(L"iddle", {L"iddle1"});
    for (const wchar_t* side : {L"up", L"down", L"left", L"right"}) {
        addAnimation(std::wstring(L"iddle_") + side, {(std::wstring(L"iddle_") + side).c_str()});
        addAnimation(std::wstring(L"walk_") + side, {L"step1", L"step2", L"step3", L"step4"});
    }
}

void SpriteNodeFixture::addFrame(const std::wstring& name)
{
    irr::video::IImage* image = SpriteTestFiles::drawImage(device().getVideoDriver(), {".#.", "###", "#.#"});
    definition->addFrame(std::make_unique<Lumo::VisualCharacterFrame>(name, nullptr, *image,
                                                                      irr::core::recti(0, 0, 3, 3), 1.f,
                                                                      irr::video::SColor(0)));
    image->drop();
}

void SpriteNodeFixture::addAnimation(const std::wstring& name, std::initializer_list<const wchar_t*> frames)
{
    Lumo::SpriteAnimation& animation = definition->getOrCreateAnimation(name);
    for (const wchar_t* frameName : frames)
        animation.frames.push_back(definition->findFrame(frameName));
}
