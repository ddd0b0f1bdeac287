#pragma once
// Irrlicht's key and mouse events as the device hands them on, for tests that type and click.
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
