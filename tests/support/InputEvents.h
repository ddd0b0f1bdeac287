#pragma once
// Irrlicht's key, mouse and pad events as the device hands them on, for tests that type, click and play.
#include <irrlicht.h>

inline irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressedDown, wchar_t character = 0, bool control = false) {
    irr::SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = pressedDown;
    event.KeyInput.Char = character;
    event.KeyInput.Control = control;
    return event;
}

inline irr::SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT kind, const irr::core::position2di& at) {
    irr::SEvent event{};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = kind;
    event.MouseInput.X = at.X;
    event.MouseInput.Y = at.Y;
    return event;
}

constexpr irr::u16 kPovCentred = 65535;

// The whole state of a pad, as Irrlicht sends it every frame.
inline irr::SEvent padEvent(irr::u32 buttons, irr::s16 x = 0, irr::s16 y = 0, irr::u16 pov = kPovCentred,
                            irr::u8 pad = 0) {
    irr::SEvent event{};
    event.EventType = irr::EET_JOYSTICK_INPUT_EVENT;
    event.JoystickEvent.Joystick = pad;
    event.JoystickEvent.ButtonStates = buttons;
    event.JoystickEvent.Axis[irr::SEvent::SJoystickEvent::AXIS_X] = x;
    event.JoystickEvent.Axis[irr::SEvent::SJoystickEvent::AXIS_Y] = y;
    event.JoystickEvent.POV = pov;
    return event;
}
