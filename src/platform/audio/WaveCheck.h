// Whether a file's bytes are a WAVE sound the mixer can play: the RIFF/WAVE header, a format
// chunk of a kind the mixer decodes, and a data chunk. Read from the header alone, so a
// player can check its file before the audio libraries are loaded.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Empty when the bytes are a playable WAVE sound; otherwise why not.
std::string waveFormatError(std::string_view bytes);

} // namespace platform
