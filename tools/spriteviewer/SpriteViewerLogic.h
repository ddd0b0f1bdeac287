#pragma once
// Shows one sprite definition at a time on a plain stage and plays its animations (or steps
// through its frames when it has none, as the item sheets do).
//   Left / Right   previous / next definition
//   Up / Down      previous / next animation or frame
//   E              side walls on or off
//   R              turn slowly, to see the extrusion
#include "TovarWorks/GameLogic.h"

#include <irrlicht.h>

#include <string>
#include <vector>

namespace Lumo {
class CharacterNode;
class FileLoader;
class SpriteDefinition;
}

class SpriteViewerLogic : public TovarWorks::GameLogic {
public:
    explicit SpriteViewerLogic(const Lumo::FileLoader& store);
    ~SpriteViewerLogic() override;

    bool OnEvent(const irr::SEvent& event) override;
    void updateGame() override;

private:
    void showDefinition(std::size_t index);
    void showEntry(std::size_t index);
    void updateCaption();

    const Lumo::FileLoader& store;
    std::vector<const Lumo::SpriteDefinition*> definitions;
    std::vector<std::wstring> entries; // animation names, or frame names when there are none
    bool entriesAreFrames = false;
    std::size_t definitionIndex = 0;
    std::size_t entryIndex = 0;
    bool hideEdge = false;
    bool turning = false;
    Lumo::CharacterNode* node = nullptr;
};
