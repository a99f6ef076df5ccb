// How our tune is synthesised from our own SoundFont: one set of settings for the game's live
// synthesiser (SynthMusic) and for the build's renderer of the tune ahead of time
// (tools/render_tune), so that both give the same samples.
#pragma once

namespace platform::tune {

// The mixer's output rate, which the build renders at.
constexpr int kSampleRate = 44100;
// Twice the most voices our tune sounds at once (14): no note of it is ever stolen.
constexpr int kPolyphony = 32;
// The gain the mixer gives FluidSynth at full volume: the level the tune has always had.
constexpr float kGain = 1.2F;
// Frames the music's device takes at a time where the output is heard. The live tune ends
// with the block in which its player ends, and so does the rendered one.
constexpr int kBlockFrames = 4096;

} // namespace platform::tune
