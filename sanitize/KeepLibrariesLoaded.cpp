// Linked into every program of a sanitizer build only. Libraries opened at run time (Mesa's
// OpenGL driver, loaded by GLX) are never unloaded, so that LeakSanitizer can still name the
// library behind what it allocated and the suppressions in lsan.supp can match it; unloaded, its
// allocations show as "<unknown module>", indistinguishable from our own.
extern "C" int dlclose(void*) { return 0; }
