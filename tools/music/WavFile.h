#pragma once
#include "StereoBuffer.h"

#include <string>

namespace music {

// 16-bit stereo PCM at the synthesiser's rate; false when the file cannot be written.
bool writeWav(const std::string& fileName, const StereoBuffer& buffer);

} // namespace music
