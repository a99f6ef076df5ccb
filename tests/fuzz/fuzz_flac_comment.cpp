// Fuzzes the reading of the rendered tune's comment from the head of a FLAC file, which may
// be any file a player left under that name: it must never read past the bytes it is given.
#include "platform/audio/TuneSource.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // libFuzzer hands over exactly the input's bytes: the address sanitizer sees any read past
    // them.
    const std::string_view head(reinterpret_cast<const char*>(data), size);
    (void)platform::tune::flacComment(head, platform::tune::kSourceField);
    return 0;
}
