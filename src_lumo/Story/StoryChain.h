#pragma once
// The words the story's scripts are written in: dialogue boxes, walks, faces, fades, waits and
// events, strung into one process chain that runs strictly in order once launched.
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Processes/ProcessChain.h"
#include "src_lumo/Story/StoryBox.h"

#include <irrlicht.h>

#include <memory>
#include <string>

namespace Lumo {

class LumoVisual;

class StoryChain {
public:
    explicit StoryChain(std::shared_ptr<LumoVisual> visual) : visual(std::move(visual)) {}

    // Logic and player stop at once, not when the chain gets there.
    static void freeze();

    void event(const TovarWorks::IEventDataPtr& event);
    void process(const TovarWorks::ProcessPtr& process);
    void wait(uint32_t millis);
    // The chain goes on when the player has read the last page.
    void box(const StoryBox& box);
    void face(const std::string& id, int32_t facing);
    void walk(const std::string& id, const std::string& fromNode, const std::string& toNode);
    TovarWorks::ProcessPtr walkProcess(const std::string& id, const std::string& fromNode,
                                       const std::string& toNode) const;
    void fadeIn(uint32_t millis);
    void fadeOut(uint32_t millis);
    void addCharacter(const std::string& id, const std::string& node, const std::wstring& definition,
                      int32_t facing);
    void teleport(const std::string& id, const irr::core::vector3df& position);
    void teleportToNode(const std::string& id, const std::string& node);
    void clockOff();
    void clockOn();
    // Gives logic and player back when the chain gets there.
    void releaseLater();
    void launch() { chain.Launch(); }

    // Where a named node of the path graph lies, read when the script is built.
    static irr::core::vector3df nodePosition(const std::string& node);

private:
    std::shared_ptr<LumoVisual> visual;
    TovarWorks::ProcessChain chain;
};

} // namespace Lumo
