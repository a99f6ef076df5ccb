#!/usr/bin/env python3
"""Makes "brainlock.sf2", the SoundFont the music is played with: the three instruments and
the drum kit that "cheers.mid" uses, each synthesised here, and nothing more, so the synthesiser
holds a few hundred kilobytes instead of a whole General MIDI set.

  program 4   electric piano   (chords; also program 0, every channel's at the start)
  program 11  vibraphone       (melody)
  program 33  finger bass      (bass)
  bank 128    drums: kick 36, snare 38, closed hat 42, low tom 45, open hat 46, crash 49,
              high tom 50

Usage: tools/make_soundfont.py OUTPUT_FILE
Only the standard library is used.
"""
import math
import random
import struct
import sys

RATE = 44100
TONE_PERIOD = 100     # samples per cycle of a tone: 441 Hz, a whole number of cycles loops
TONE_CYCLES = 40      # cycles in a looped tone
GUARD = 46            # zero samples the format wants after every sample

# Generator numbers of the SoundFont 2 format.
PAN, DECAY_VOL, SUSTAIN_VOL, RELEASE_VOL, ATTACK_VOL, HOLD_VOL = 17, 36, 37, 38, 34, 35
INSTRUMENT, KEY_RANGE, ATTENUATION, SAMPLE_ID, SAMPLE_MODES, ROOT_KEY = 41, 43, 48, 53, 54, 58


def timecents(seconds):
    return round(1200 * math.log2(seconds))


# ---------------------------------------------------------------------------------------
# Samples

def looped_tone(harmonics, period=TONE_PERIOD):
    """Whole cycles of a tone with the given harmonic amplitudes, to loop."""
    n = period * TONE_CYCLES
    out = [sum(a * math.sin(2 * math.pi * (h + 1) * i / period) for h, a in enumerate(harmonics))
           for i in range(n)]
    top = max(abs(s) for s in out)
    return [s / top * 0.8 for s in out]


def drum(seconds, voice):
    rng = random.Random(len(voice.__name__))
    n = int(seconds * RATE)
    out = [voice(i / RATE, rng) for i in range(n)]
    top = max(abs(s) for s in out) or 1.0
    return [s / top * 0.9 for s in out]


def sweep(start_hz, end_hz, fall, length):
    """A sine falling in pitch, for the kick and the toms."""
    def voice(t, _rng):
        f = end_hz + (start_hz - end_hz) * math.exp(-t / fall)
        phase = 2 * math.pi * (end_hz * t + (start_hz - end_hz) * fall * (1 - math.exp(-t / fall)))
        return math.sin(phase) * math.exp(-t / length) * (1 if f > 0 else 0)
    return voice


def kick(t, rng):
    return sweep(150, 48, 0.03, 0.15)(t, rng)


def snare(t, rng):
    return (0.5 * math.sin(2 * math.pi * 185 * t) * math.exp(-t / 0.05)
            + rng.uniform(-1, 1) * math.exp(-t / 0.09))


class Hiss:
    """Noise with its low part taken out (a one-pole high-pass), for cymbals."""
    def __init__(self, length):
        self.length, self.last_in, self.last_out = length, 0.0, 0.0

    def __call__(self, t, rng):
        x = rng.uniform(-1, 1)
        self.last_out = 0.7 * (self.last_out + x - self.last_in)
        self.last_in = x
        return self.last_out * math.exp(-t / self.length)


def high_tom(t, rng):
    return sweep(260, 180, 0.05, 0.16)(t, rng)


def low_tom(t, rng):
    return sweep(170, 110, 0.06, 0.2)(t, rng)


def closed_hat(t, rng, hiss=Hiss(0.025)):
    return hiss(t, rng)


def open_hat(t, rng, hiss=Hiss(0.16)):
    return hiss(t, rng)


def crash(t, rng, hiss=Hiss(0.7)):
    return hiss(t, rng)


def pcm(samples):
    return b''.join(struct.pack('<h', max(-32767, min(32767, round(s * 32767)))) for s in samples)


# ---------------------------------------------------------------------------------------
# The file

def name20(text):
    return text.encode('ascii')[:19].ljust(20, b'\0')


def chunk(tag, body):
    return tag + struct.pack('<I', len(body)) + body + (b'\0' if len(body) % 2 else b'')


def riff_list(tag, chunks):
    body = tag + b''.join(chunks)
    return b'LIST' + struct.pack('<I', len(body)) + body


def root_key_of_tone(period):
    """The MIDI key and cents of a tone of `period` samples a cycle."""
    key = 69 + 12 * math.log2(RATE / period / 440)
    whole = round(key)
    return whole, round((key - whole) * 100)


def build():
    samples = []     # (name, data, loop, root key, correction)
    instruments = []  # (name, [zone generator lists])

    def add_sample(name, data, loop, root, correction=0):
        samples.append((name, data, loop, root, correction))
        return len(samples) - 1

    def tone_instrument(name, harmonics, period, attack, decay, sustain_cb, release, gain_cb=0):
        root, cents = root_key_of_tone(period)
        sample = add_sample(name, looped_tone(harmonics, period), True, root, -cents)
        zone = [(ATTACK_VOL, timecents(attack)), (DECAY_VOL, timecents(decay)),
                (SUSTAIN_VOL, sustain_cb), (RELEASE_VOL, timecents(release)),
                (ATTENUATION, gain_cb), (SAMPLE_MODES, 1), (SAMPLE_ID, sample)]
        instruments.append((name, [zone]))
        return len(instruments) - 1

    electric_piano = tone_instrument('Brainlock EPiano', [1, 0.35, 0.12, 0.05], TONE_PERIOD,
                                     0.004, 1.8, 250, 0.25, 40)
    vibraphone = tone_instrument('Brainlock Vibes', [1, 0, 0, 0.18], TONE_PERIOD,
                                 0.003, 2.5, 1000, 0.4)
    bass = tone_instrument('Brainlock Bass', [1, 0.5, 0.25, 0.12, 0.06], TONE_PERIOD * 4,
                           0.006, 0.9, 200, 0.08)

    zones = []
    for key, voice, seconds, release, pan in (
            (36, kick, 0.45, 0.3, 0), (38, snare, 0.3, 0.2, 0), (42, closed_hat, 0.1, 0.1, 150),
            (45, low_tom, 0.5, 0.3, -150), (46, open_hat, 0.6, 0.4, 150), (49, crash, 2.0, 1.5, -100),
            (50, high_tom, 0.45, 0.3, 100)):
        sample = add_sample(f'Drum {key}', drum(seconds, voice), False, key)
        zones.append([(KEY_RANGE, key | (key << 8)), (PAN, pan), (RELEASE_VOL, timecents(release)),
                      (SAMPLE_ID, sample)])
    instruments.append(('Brainlock Drums', zones))
    drums = len(instruments) - 1

    # Program 0 is every channel's until the tune picks another: the piano stands in for it.
    presets = [('Piano', 0, 0, electric_piano), ('Electric Piano', 4, 0, electric_piano), ('Vibraphone', 11, 0, vibraphone),
               ('Finger Bass', 33, 0, bass), ('Standard Kit', 0, 128, drums)]
    return samples, instruments, presets


def sf2(samples, instruments, presets):
    info = riff_list(b'INFO', [chunk(b'ifil', struct.pack('<HH', 2, 1)),
                               chunk(b'isng', b'EMU8000\0'),
                               chunk(b'INAM', b'Brainlock\0'),
                               chunk(b'ICMT', b'Made by tools/make_soundfont.py\0')])
    data, headers, at = b'', b'', 0
    for name, samples_, loop, root, correction in samples:
        start, end = at, at + len(samples_)
        data += pcm(samples_) + b'\0\0' * GUARD
        at = end + GUARD
        headers += name20(name) + struct.pack('<IIIIIBbHH', start, end, start if loop else start,
                                              end if loop else end - 1, RATE, root,
                                              correction, 0, 1)
    headers += name20('EOS') + bytes(26)
    sdta = riff_list(b'sdta', [chunk(b'smpl', data)])

    inst, ibag, igen = b'', b'', b''
    bag = gen = 0
    for name, zones in instruments:
        inst += name20(name) + struct.pack('<H', bag)
        for zone in zones:
            ibag += struct.pack('<HH', gen, 0)
            for oper, amount in zone:
                igen += struct.pack('<Hh' if amount < 0 else '<HH', oper, amount)
                gen += 1
            bag += 1
    inst += name20('EOI') + struct.pack('<H', bag)
    ibag += struct.pack('<HH', gen, 0)
    igen += bytes(4)

    phdr, pbag, pgen = b'', b'', b''
    bag = gen = 0
    for name, program, bank, instrument in presets:
        phdr += name20(name) + struct.pack('<HHHIII', program, bank, bag, 0, 0, 0)
        pbag += struct.pack('<HH', gen, 0)
        pgen += struct.pack('<HH', INSTRUMENT, instrument)
        bag += 1
        gen += 1
    phdr += name20('EOP') + struct.pack('<HHHIII', 0, 0, bag, 0, 0, 0)
    pbag += struct.pack('<HH', gen, 0)
    pgen += bytes(4)

    pdta = riff_list(b'pdta', [chunk(b'phdr', phdr), chunk(b'pbag', pbag), chunk(b'pmod', bytes(10)),
                               chunk(b'pgen', pgen), chunk(b'inst', inst), chunk(b'ibag', ibag),
                               chunk(b'imod', bytes(10)), chunk(b'igen', igen),
                               chunk(b'shdr', headers)])
    body = b'sfbk' + info + sdta + pdta
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else 'brainlock.sf2'
    blob = sf2(*build())
    with open(path, 'wb') as out:
        out.write(blob)
    print(f'made {path} ({len(blob) // 1024} KB)')


if __name__ == '__main__':
    main()
