#pragma once
// A null device with one small in-memory sprite definition carrying the frames and animations
// the engine asks for, and a fresh character node or character on stage.
#include "support/NullDeviceFixture.h"

#include "src_lumo/Sprites/FileLoader.h"

#include <initializer_list>
#include <string>

class SpriteNodeFixture : public NullDeviceFixture {
protected:
    void SetUp() override;

    void addFrame(const std::wstring& name);
    void addAnimation(const std::wstring& name, std::initializer_list<const wchar_t*> frames);
    const Lumo::VisualCharacterFrame* frame(const std::wstring& name) const
    {
        return definition->findFrame(name);
    }

    Lumo::FileLoader store;
    Lumo::SpriteDefinition* definition = nullptr;
};
