#pragma once
// The postman's morning round: at 07:15 he appears in the park, walks past the bakery's window
// to the counter, leaves the day's letter, visits the bar and goes back to the park.
#include <cstdint>
#include <memory>

namespace TovarWorks {
class Process;
}

namespace Lumo {

class CharNode;
class LumoVisual;

class PostmanController {
public:
    static constexpr const char* kCharacterId = "postbote";

    explicit PostmanController(std::shared_ptr<LumoVisual> visual);

    // 07:15: he appears in the park, unless he is already out.
    void start();
    // Every frame of a running game: the next leg of his round once the last has ended.
    void step();
    // Going to bed: he goes home at once and comes again the next morning.
    void reset();

    bool isActive() const { return active; }
    bool isFinished() const { return finished; }
    int getStage() const { return stage; }
    bool isWalking() const { return walk != nullptr; }

private:
    void walkBetween(const char* from, const char* to);

    bool active = false;
    bool finished = false;
    std::shared_ptr<LumoVisual> visual;
    std::shared_ptr<TovarWorks::Process> walk;
    int stage = 0;
    std::shared_ptr<CharNode> postman;
};

} // namespace Lumo
