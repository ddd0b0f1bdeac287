#pragma once
// Asking the driver to wait for the screen. Irrlicht 1.8's own request calls GLX before it may, and
// an X server whose GLX cannot swap on a timer (Xvfb, for one) then ends the program with an X error;
// so the game asks itself, once the OpenGL context is current, and only through an extension the
// server names.

namespace TovarWorks {

// True when the current OpenGL context now swaps once per screen refresh; false when there is no
// GLX context or the driver does not offer it (nothing is changed then).
bool askForVsync();

// True when a GLX extension list (names parted by spaces) holds the name as a whole word; a longer
// name that begins with it, "GLX_EXT_swap_control_tear" for one, does not count.
bool namesExtension(const char* extensions, const char* name);

} // namespace TovarWorks
