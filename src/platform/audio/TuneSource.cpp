#include "platform/audio/TuneSource.h"

#include <cstdio>

namespace platform::tune {

namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;
constexpr int kVorbisCommentBlock = 4;

std::uint64_t fnv(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    return hash;
}

std::string_view lengthBytes(std::uint64_t length, char (&buffer)[8]) {
    for (char& byte : buffer) {
        byte = static_cast<char>(length & 0xff);
        length >>= 8;
    }
    return {buffer, sizeof buffer};
}

// FLAC's block headers count big-endian, the Vorbis comment's lengths little-endian.
std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::optional<std::uint32_t> littleEndian32(std::string_view bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    return true;
}

// The comments of one Vorbis comment block: the vendor string, a count, then "NAME=value"
// each with its length. Field names compare without regard to case, as the format has it.
std::optional<std::string> commentIn(std::string_view block, std::string_view field) {
    std::size_t at = 0;
    const auto vendor = littleEndian32(block, at);
    if (!vendor || *vendor > block.size() - 4) return std::nullopt;
    at += 4 + *vendor;
    const auto count = littleEndian32(block, at);
    if (!count) return std::nullopt;
    at += 4;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto length = littleEndian32(block, at);
        if (!length || *length > block.size() - at - 4) return std::nullopt;
        const std::string_view comment = block.substr(at + 4, *length);
        at += 4 + *length;
        if (comment.size() <= field.size() || comment[field.size()] != '=') continue;
        if (sameName(comment.substr(0, field.size()), field))
            return std::string(comment.substr(field.size() + 1));
    }
    return std::nullopt;
}

} // namespace

std::uint64_t sourceDigest(std::string_view midi, std::string_view soundFont) {
    char length[8];
    std::uint64_t hash = kFnvOffset;
    for (const std::string_view file : {midi, soundFont})
        hash = fnv(fnv(hash, lengthBytes(file.size(), length)), file);
    return hash;
}

std::string sourceValue(std::uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

std::optional<std::string> flacComment(std::string_view head, std::string_view field) {
    if (head.substr(0, 4) != "fLaC") return std::nullopt;
    std::size_t at = 4;
    while (head.size() - at >= 4) {
        const bool last = (static_cast<unsigned char>(head[at]) & 0x80) != 0;
        const int type = static_cast<unsigned char>(head[at]) & 0x7f;
        const std::uint32_t length = bigEndian(head, at + 1, 3);
        at += 4;
        if (length > head.size() - at) return std::nullopt;
        if (type == kVorbisCommentBlock) return commentIn(head.substr(at, length), field);
        at += length;
        if (last) break;
    }
    return std::nullopt;
}

} // namespace platform::tune
