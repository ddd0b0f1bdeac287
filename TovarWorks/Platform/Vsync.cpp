#include "TovarWorks/Platform/Vsync.h"

#include <GL/glx.h>

#include <cstring>

namespace TovarWorks {
namespace {

int xErrors = 0;

int countXError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

template <typename Function> Function glxFunction(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace

bool namesExtension(const char* extensions, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* at = extensions; (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        if (startsWord && (at[length] == ' ' || at[length] == '\0'))
            return true;
    }
    return false;
}

bool askForVsync() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions)
        return false;

    // A refused request comes back as an X error: count it instead of letting Xlib end the game.
    XSync(display, False);
    xErrors = 0;
    XErrorHandler previous = XSetErrorHandler(countXError);
    bool asked = false;
    if (namesExtension(extensions, "GLX_EXT_swap_control")) {
        if (auto swapInterval = glxFunction<void (*)(Display*, GLXDrawable, int)>("glXSwapIntervalEXT")) {
            swapInterval(display, drawable, 1);
            asked = true;
        }
    } else if (namesExtension(extensions, "GLX_MESA_swap_control")) {
        if (auto swapInterval = glxFunction<int (*)(unsigned)>("glXSwapIntervalMESA"))
            asked = swapInterval(1) == 0;
    } else if (namesExtension(extensions, "GLX_SGI_swap_control")) {
        if (auto swapInterval = glxFunction<int (*)(int)>("glXSwapIntervalSGI"))
            asked = swapInterval(1) == 0;
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    return asked && xErrors == 0;
}

} // namespace TovarWorks
