// The tune rendered ahead of time and the files it was rendered from: a digest of the MIDI file
// and the SoundFont, which the build writes into the rendered FLAC file as a comment, and the
// reading of that comment back. The game plays the rendered tune only where the comment names
// the files it finds beside it; a tune or SoundFont changed since is synthesised as it plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::tune {

// The comment's field name.
inline constexpr std::string_view kSourceField = "BRAINLOCK_SOURCE";

// FNV-1a over both files, each with its length: it tells a changed file, not a forged one.
std::uint64_t sourceDigest(std::string_view midi, std::string_view soundFont);
// The digest as the comment's value: 16 hexadecimal digits.
std::string sourceValue(std::uint64_t digest);
// The value of a field of the Vorbis comment in the metadata at the head of a FLAC file, or
// nothing where the head is no FLAC file, has no such comment or breaks off before it.
std::optional<std::string> flacComment(std::string_view head, std::string_view field);

} // namespace platform::tune
