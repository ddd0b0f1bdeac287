#include "src_lumo/Input/ActionInput.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

namespace {

irr::SEvent canonicalKeyEvent(GameAction action, bool pressed) {
    irr::SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = KeyBindings::canonicalKey(action);
    event.KeyInput.PressedDown = pressed;
    return event;
}

void setAction(std::bitset<KeyBindings::kActionCount>& actions, GameAction action) {
    actions.set(static_cast<size_t>(action));
}

} // namespace

ActionInput::ActionInput(const KeyBindings& bindings) : bindings(bindings) {}

bool ActionInput::isPadZero(const irr::SEvent& event) {
    return event.EventType == irr::EET_JOYSTICK_INPUT_EVENT && event.JoystickEvent.Joystick == 0;
}

ActionInput::Actions ActionInput::padActions(const irr::SEvent::SJoystickEvent& pad) const {
    Actions actions;
    for (int button = 0; button < KeyBindings::kButtonCount; ++button)
        if (pad.IsButtonPressed(button))
            if (const std::optional<GameAction> action = bindings.actionOfButton(button))
                setAction(actions, *action);
    // Irrlicht's stick runs from -32768 (left, top) to 32767 (right, bottom).
    const int x = pad.Axis[irr::SEvent::SJoystickEvent::AXIS_X];
    const int y = pad.Axis[irr::SEvent::SJoystickEvent::AXIS_Y];
    if (x < -kStickDeadZone)
        setAction(actions, GameAction::WalkLeft);
    if (x > kStickDeadZone)
        setAction(actions, GameAction::WalkRight);
    if (y < -kStickDeadZone)
        setAction(actions, GameAction::WalkUp);
    if (y > kStickDeadZone)
        setAction(actions, GameAction::WalkDown);
    // The hat in hundredths of a degree clockwise from up (65535 at rest); diagonals walk both ways.
    if (pad.POV < 36000) {
        const int angle = pad.POV;
        if (angle > 27000 || angle < 9000)
            setAction(actions, GameAction::WalkUp);
        if (angle > 0 && angle < 18000)
            setAction(actions, GameAction::WalkRight);
        if (angle > 9000 && angle < 27000)
            setAction(actions, GameAction::WalkDown);
        if (angle > 18000)
            setAction(actions, GameAction::WalkLeft);
    }
    return actions;
}

bool ActionInput::translate(const irr::SEvent& raw, const Receiver& receiver) {
    if (raw.EventType == irr::EET_KEY_INPUT_EVENT) {
        if (const std::optional<GameAction> action = bindings.actionOfKey(raw.KeyInput.Key)) {
            irr::SEvent event = raw;
            event.KeyInput.Key = KeyBindings::canonicalKey(*action);
            return receiver(event);
        }
        // The key's own action has been given another key.
        if (KeyBindings::actionOfCanonicalKey(raw.KeyInput.Key))
            return false;
        return receiver(raw);
    }
    if (!isPadZero(raw))
        return receiver(raw);
    // Irrlicht sends the pad's whole state every frame: only changes are presses and releases.
    padButtons = raw.JoystickEvent.ButtonStates;
    const Actions now = padActions(raw.JoystickEvent);
    bool used = false;
    for (int index = 0; index < KeyBindings::kActionCount; ++index) {
        if (now[index] == padHeld[index])
            continue;
        padHeld[index] = now[index];
        used = receiver(canonicalKeyEvent(static_cast<GameAction>(index), now[index])) || used;
    }
    return used;
}

std::optional<PressedInput> ActionInput::takePress(const irr::SEvent& raw) {
    if (raw.EventType == irr::EET_KEY_INPUT_EVENT)
        return raw.KeyInput.PressedDown ? std::optional<PressedInput>(PressedInput{raw.KeyInput.Key}) : std::nullopt;
    if (!isPadZero(raw))
        return std::nullopt;
    const uint32_t pressed = raw.JoystickEvent.ButtonStates & ~padButtons;
    padButtons = raw.JoystickEvent.ButtonStates;
    padHeld = padActions(raw.JoystickEvent);
    for (int button = 0; button < KeyBindings::kButtonCount; ++button)
        if (pressed & (1u << button))
            return PressedInput{std::nullopt, button};
    return std::nullopt;
}

bool ActionInput::held(GameAction action) const {
    return padHeld[static_cast<size_t>(action)] ||
           (TovarWorks::gDevice && TovarWorks::gDevice->isKeyDown(bindings.key(action)));
}

} // namespace Lumo
