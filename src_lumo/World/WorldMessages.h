#pragma once
// The world files report through the engine's message output when there is a device; tools and
// tests that run without one stay quiet.
#include <string>

namespace Lumo {

void reportWorldError(const wchar_t* format, const std::string& argument);

} // namespace Lumo
