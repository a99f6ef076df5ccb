// Renders the tune ahead of time: the MIDI file played by FluidSynth on our SoundFont with the
// game's own settings, block by block as the music's device takes it, into a FLAC file whose
// comment names the digest of the two files it came from. The game streams that file instead
// of synthesising the tune while it plays: the same samples for a fifth of the processor time.
// The output is the same for the same input: FluidSynth's dither follows a fixed sequence and
// the encoder records no time.
// Usage: render_tune MIDI SOUNDFONT OUTPUT
#include "platform/audio/TuneSource.h"
#include "platform/audio/TuneSynthesis.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>
#include <cstdio>
#include <fluidsynth.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace tune = platform::tune;

constexpr int kChannels = 2;
constexpr int kBits = 16;
constexpr unsigned kCompression = 8; // the smallest file; decoding costs the same

bool readFile(const char* path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

struct Synth {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    ~Synth() {
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
};

// As the game's synthesiser is set up for our own SoundFont.
bool setUp(Synth& s, const char* midi, const char* soundFont) {
    fluid_settings_setnum(s.settings, "synth.sample-rate", tune::kSampleRate);
    fluid_settings_setint(s.settings, "synth.polyphony", tune::kPolyphony);
    fluid_settings_setint(s.settings, "synth.chorus.active", 0);
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth) return false;
    fluid_synth_set_gain(s.synth, tune::kGain);
    if (fluid_synth_sfload(s.synth, soundFont, 1) == FLUID_FAILED) return false;
    s.player = new_fluid_player(s.synth);
    if (!s.player || fluid_player_add(s.player, midi) != FLUID_OK) return false;
    fluid_player_set_loop(s.player, 1);
    return fluid_player_play(s.player) == FLUID_OK;
}

// The whole tune as interleaved 16-bit frames: until the block in which the player ends.
std::vector<FLAC__int32> render(Synth& s) {
    std::vector<FLAC__int32> samples;
    std::vector<short> block(tune::kBlockFrames * kChannels);
    do {
        fluid_synth_write_s16(s.synth, tune::kBlockFrames, block.data(), 0, kChannels, block.data(),
                              1, kChannels);
        samples.insert(samples.end(), block.begin(), block.end());
    } while (fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING);
    return samples;
}

bool encode(const std::vector<FLAC__int32>& samples, const std::string& source,
            const char* output) {
    FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
    FLAC__StreamMetadata* comment = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);
    FLAC__StreamMetadata_VorbisComment_Entry entry;
    const std::string field(tune::kSourceField);
    bool ok = encoder && comment &&
              FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, field.c_str(),
                                                                             source.c_str()) &&
              FLAC__metadata_object_vorbiscomment_append_comment(comment, entry, false);
    FLAC__StreamMetadata* metadata[] = {comment};
    ok = ok && FLAC__stream_encoder_set_channels(encoder, kChannels) &&
         FLAC__stream_encoder_set_bits_per_sample(encoder, kBits) &&
         FLAC__stream_encoder_set_sample_rate(encoder, tune::kSampleRate) &&
         FLAC__stream_encoder_set_compression_level(encoder, kCompression) &&
         FLAC__stream_encoder_set_total_samples_estimate(encoder, samples.size() / kChannels) &&
         FLAC__stream_encoder_set_metadata(encoder, metadata, 1) &&
         FLAC__stream_encoder_init_file(encoder, output, nullptr, nullptr) ==
             FLAC__STREAM_ENCODER_INIT_STATUS_OK;
    ok = ok && FLAC__stream_encoder_process_interleaved(
                   encoder, samples.data(), static_cast<unsigned>(samples.size() / kChannels));
    if (encoder) ok = FLAC__stream_encoder_finish(encoder) && ok;
    if (encoder) FLAC__stream_encoder_delete(encoder);
    if (comment) FLAC__metadata_object_delete(comment);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_tune MIDI SOUNDFONT OUTPUT\n");
        return 2;
    }
    std::string midi, soundFont;
    if (!readFile(argv[1], midi) || !readFile(argv[2], soundFont)) {
        std::fprintf(stderr, "render_tune: cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    Synth synth;
    if (!setUp(synth, argv[1], argv[2])) {
        std::fprintf(stderr, "render_tune: FluidSynth cannot play %s on %s\n", argv[1], argv[2]);
        return 1;
    }
    const std::vector<FLAC__int32> samples = render(synth);
    const std::string source = tune::sourceValue(tune::sourceDigest(midi, soundFont));
    if (!encode(samples, source, argv[3])) {
        std::remove(argv[3]);
        std::fprintf(stderr, "render_tune: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
