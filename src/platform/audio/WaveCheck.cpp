#include "platform/audio/WaveCheck.h"

#include <cstdint>

namespace platform {

namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kMinFormatChunk = 16;

// Format tags the mixer decodes.
constexpr std::uint16_t kPcm = 0x0001;
constexpr std::uint16_t kMsAdpcm = 0x0002;
constexpr std::uint16_t kFloat = 0x0003;
constexpr std::uint16_t kALaw = 0x0006;
constexpr std::uint16_t kMuLaw = 0x0007;
constexpr std::uint16_t kImaAdpcm = 0x0011;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

bool knownFormat(std::uint16_t tag) {
    switch (tag) {
    case kPcm:
    case kMsAdpcm:
    case kFloat:
    case kALaw:
    case kMuLaw:
    case kImaAdpcm:
    case kExtensible:
        return true;
    default:
        return false;
    }
}

std::string formatError(std::string_view chunk) {
    if (chunk.size() < kMinFormatChunk) return "Invalid fmt chunk length";
    const auto tag = static_cast<std::uint16_t>(littleEndian(chunk, 0, 2));
    const auto channels = littleEndian(chunk, 2, 2);
    const auto rate = littleEndian(chunk, 4, 4);
    const auto bits = littleEndian(chunk, 14, 2);
    if (!knownFormat(tag)) return "Unknown WAVE data format";
    if (channels == 0) return "Invalid number of channels";
    if (rate == 0) return "Invalid sample rate";
    if (tag == kPcm && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "Unsupported PCM sample size";
    return {};
}

} // namespace

std::string waveFormatError(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return "Unrecognized file type (not WAVE)";
    bool format = false;
    // Chunks follow one another, each padded to an even length; a short last one is cut off.
    for (std::size_t at = 12; at + kChunkHeader <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t length = littleEndian(bytes, at + 4, 4);
        const std::string_view body = bytes.substr(at + kChunkHeader, length);
        if (id == "fmt ") {
            if (std::string error = formatError(body); !error.empty()) return error;
            format = true;
        } else if (id == "data") {
            return format ? std::string() : "Missing fmt chunk";
        }
        if (length > bytes.size() - at - kChunkHeader) break;
        at += kChunkHeader + length + (length & 1);
    }
    return format ? "Missing data chunk" : "Missing fmt chunk";
}

} // namespace platform
