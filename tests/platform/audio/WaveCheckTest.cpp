#include "platform/audio/WaveCheck.h"

#include <gtest/gtest.h>

using platform::waveFormatError;

namespace {

std::string le(unsigned value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string chunk(const std::string& id, const std::string& body) {
    return id + le(static_cast<unsigned>(body.size()), 4) + body +
           std::string(body.size() % 2, '\0');
}

std::string format(unsigned tag, unsigned channels, unsigned rate, unsigned bits) {
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) +
                             le(rate * channels * bits / 8, 4) + le(channels * bits / 8, 2) +
                             le(bits, 2));
}

std::string wave(const std::string& chunks) {
    return "RIFF" + le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

} // namespace

TEST(WaveCheck, PlayableSoundsPassWhateverChunksComeBetween) {
    const std::string data = chunk("data", std::string(100, '\x10'));
    EXPECT_EQ(waveFormatError(wave(format(1, 1, 22050, 16) + data)), "");
    EXPECT_EQ(waveFormatError(wave(format(3, 2, 44100, 32) + chunk("LIST", "abc") + data)), "");
    // A data chunk cut short by the end of the file still plays what there is.
    EXPECT_EQ(waveFormatError(wave(format(1, 2, 8000, 8) + "data" + le(5000, 4) + "xy")), "");
}

TEST(WaveCheck, WhatTheMixerCannotPlayIsNamed) {
    const std::string data = chunk("data", "abcd");
    EXPECT_EQ(waveFormatError(""), "Unrecognized file type (not WAVE)");
    EXPECT_EQ(waveFormatError("RIFF\x04\0\0\0AVI "), "Unrecognized file type (not WAVE)");
    EXPECT_EQ(waveFormatError(wave(data)), "Missing fmt chunk");
    EXPECT_EQ(waveFormatError(wave(format(1, 1, 8000, 16))), "Missing data chunk");
    EXPECT_EQ(waveFormatError(wave(format(0x55, 1, 8000, 16) + data)), "Unknown WAVE data format");
    EXPECT_EQ(waveFormatError(wave(format(1, 0, 8000, 16) + data)), "Invalid number of channels");
    EXPECT_EQ(waveFormatError(wave(format(1, 1, 0, 16) + data)), "Invalid sample rate");
    EXPECT_EQ(waveFormatError(wave(format(1, 1, 8000, 12) + data)), "Unsupported PCM sample size");
    EXPECT_EQ(waveFormatError(wave(chunk("fmt ", "short") + data)), "Invalid fmt chunk length");
    // A chunk claiming more than the file holds ends the walk rather than reading past it.
    EXPECT_EQ(waveFormatError(wave(format(1, 1, 8000, 16) + "LIST" + le(0xFFFFFFF0u, 4))),
              "Missing data chunk");
}
