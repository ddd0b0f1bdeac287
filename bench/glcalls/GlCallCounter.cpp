// Counts, per drawn frame, the OpenGL calls that draw or change the renderer's state: draws,
// shader program switches, texture binds and blend enables. Loaded in front of the GL library
// into any program of ours; prints the averages when the program ends:
//   LD_PRELOAD=$PWD/build/bin/libglcalls.so xvfb-run build/bin/bench_game --busy-shop
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

enum Counter { DRAWS, PROGRAMS, TEXTURES, BLEND_ENABLES, FRAMES, COUNTERS };
std::atomic<unsigned long> counts[COUNTERS];

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using UseProgram = void (*)(GLuint);
UseProgram realUseProgram = nullptr;
UseProgram realUseProgramObject = nullptr;

void countedUseProgram(GLuint program) {
    ++counts[PROGRAMS];
    realUseProgram(program);
}

void countedUseProgramObject(GLuint program) {
    ++counts[PROGRAMS];
    realUseProgramObject(program);
}

// Irrlicht reaches the shader calls through the GL extension loader, not the library's exports.
__GLXextFuncPtr wrapped(const GLubyte* name, __GLXextFuncPtr real) {
    const char* text = reinterpret_cast<const char*>(name);
    if (real && std::strcmp(text, "glUseProgram") == 0) {
        realUseProgram = reinterpret_cast<UseProgram>(real);
        return reinterpret_cast<__GLXextFuncPtr>(&countedUseProgram);
    }
    if (real && std::strcmp(text, "glUseProgramObjectARB") == 0) {
        realUseProgramObject = reinterpret_cast<UseProgram>(real);
        return reinterpret_cast<__GLXextFuncPtr>(&countedUseProgramObject);
    }
    return real;
}

struct Report {
    ~Report() {
        // Helpers that never draw (xvfb-run's own programs) have nothing to say.
        if (counts[FRAMES] == 0)
            return;
        const double frames = static_cast<double>(counts[FRAMES]);
        std::fprintf(stderr,
                     "GL calls per frame over %lu frames: draws %.1f, program switches %.1f, texture binds %.1f, "
                     "blend enables %.1f\n",
                     counts[FRAMES].load(), counts[DRAWS] / frames, counts[PROGRAMS] / frames,
                     counts[TEXTURES] / frames, counts[BLEND_ENABLES] / frames);
    }
} report;

} // namespace

extern "C" {

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    static const auto real = next<void (*)(GLenum, GLsizei, GLenum, const void*)>("glDrawElements");
    ++counts[DRAWS];
    real(mode, count, type, indices);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    static const auto real = next<void (*)(GLenum, GLint, GLsizei)>("glDrawArrays");
    ++counts[DRAWS];
    real(mode, first, count);
}

void glBindTexture(GLenum target, GLuint texture) {
    static const auto real = next<void (*)(GLenum, GLuint)>("glBindTexture");
    ++counts[TEXTURES];
    real(target, texture);
}

void glEnable(GLenum capability) {
    static const auto real = next<void (*)(GLenum)>("glEnable");
    if (capability == GL_BLEND)
        ++counts[BLEND_ENABLES];
    real(capability);
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    ++counts[FRAMES];
    real(display, drawable);
}

__GLXextFuncPtr glXGetProcAddressARB(const GLubyte* name) {
    static const auto real = next<__GLXextFuncPtr (*)(const GLubyte*)>("glXGetProcAddressARB");
    return wrapped(name, real(name));
}

__GLXextFuncPtr glXGetProcAddress(const GLubyte* name) {
    static const auto real = next<__GLXextFuncPtr (*)(const GLubyte*)>("glXGetProcAddress");
    return wrapped(name, real(name));
}

} // extern "C"
