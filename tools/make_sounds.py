#!/usr/bin/env python3
"""Makes the game's sounds: four effects as 16-bit PCM WAV at 44.1 kHz, synthesised here,
and "cheers.mid", a cheerful General MIDI piece of our own with melody, chords, bass and
drums, about 145 seconds long.

Usage: tools/make_sounds.py OUTPUT_FOLDER
Only the standard library is used, so the build can run it anywhere.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 44100


# ---------------------------------------------------------------------------------------
# Effects

def envelope(t, attack, decay):
    """A quick rise and an exponential fall."""
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def normalised(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def click():
    """A soft key click: a short bright tick over a breath of filtered noise."""
    rng = random.Random(7)
    n = int(RATE * 0.045)
    out, low = [], 0.0
    for i in range(n):
        t = i / RATE
        noise = rng.uniform(-1, 1)
        low += 0.35 * (noise - low)         # soften the noise
        tick = math.sin(2 * math.pi * 2200 * t) * envelope(t, 0.0008, 0.007)
        body = math.sin(2 * math.pi * 900 * t) * envelope(t, 0.001, 0.012)
        out.append(0.55 * tick + 0.35 * body + 0.25 * low * envelope(t, 0.0005, 0.004))
    return normalised(out, 0.5)


def clear():
    """An erase: a swish of noise whose pitch falls, like a rubber across paper."""
    rng = random.Random(11)
    n = int(RATE * 0.22)
    out = []
    y1 = y2 = 0.0
    for i in range(n):
        t = i / RATE
        centre = 3200 * (600 / 3200) ** (t / 0.22)  # 3200 Hz down to 600 Hz
        # A two-pole resonator at the moving centre frequency.
        r = 0.97
        c = 2 * r * math.cos(2 * math.pi * centre / RATE)
        x = rng.uniform(-1, 1)
        y = x + c * y1 - r * r * y2
        y2, y1 = y1, y
        amp = min(1.0, t / 0.02) * max(0.0, 1 - (t / 0.22) ** 2)
        out.append(y * amp)
    return normalised(out, 0.6)


def brass(freq, t, brightness):
    """A brassy tone: odd and even harmonics, the upper ones opening with `brightness`."""
    s = 0.0
    for k in range(1, 9):
        s += math.sin(2 * math.pi * freq * k * t) * (brightness ** (k - 1)) / k
    return s


def note_freq(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def win():
    """A bright fanfare: a rising arpeggio, then the major chord held with a shimmer."""
    n = int(RATE * 1.6)
    out = [0.0] * n
    steps = [(72, 0.00), (76, 0.11), (79, 0.22), (84, 0.33)]
    for midi, start in steps:
        f = note_freq(midi)
        for i in range(int(start * RATE), int((start + 0.16) * RATE)):
            t = i / RATE - start
            out[i] += 0.5 * brass(f, t, 0.55) * envelope(t, 0.01, 0.09)
    chord_start = 0.45
    for midi in (72, 76, 79, 84):
        f = note_freq(midi)
        for i in range(int(chord_start * RATE), n):
            t = i / RATE - chord_start
            vibrato = 1 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3)
            release = max(0.0, 1 - max(0.0, t - 0.75) / 0.4)
            out[i] += 0.3 * brass(f * vibrato, t, 0.5) * min(1.0, t / 0.02) * release
    return normalised(out, 0.8)


def lose():
    """A falling, good-humoured "wah wah wah waaah" on a muted trombone."""
    n = int(RATE * 2.0)
    out = [0.0] * n
    notes = [(67, 0.00, 0.30), (66, 0.34, 0.30), (65, 0.68, 0.30), (64, 1.02, 0.90)]
    for midi, start, length in notes:
        f = note_freq(midi)
        phase = 0.0
        for i in range(int(start * RATE), min(n, int((start + length) * RATE))):
            t = i / RATE - start
            wobble = 1.0
            if length > 0.5:  # the last note sags and wobbles
                wobble = (1 - 0.02 * t) * (1 + 0.012 * math.sin(2 * math.pi * 6 * t))
            phase += 2 * math.pi * f * wobble / RATE
            # The mute opens and closes: brightness rises, then falls, within each note.
            open_ = math.sin(math.pi * min(1.0, t / length)) ** 0.7
            s = sum(math.sin(k * phase) * ((0.25 + 0.5 * open_) ** (k - 1)) / k
                    for k in range(1, 8))
            amp = min(1.0, t / 0.03) * min(1.0, (length - t) / 0.06)
            out[i] += s * amp
    return normalised(out, 0.8)


def write_wav(path, samples):
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b''.join(struct.pack('<h', int(round(s * 32767))) for s in samples))


# ---------------------------------------------------------------------------------------
# Music

PPQ = 480
EIGHTH = PPQ // 2
BAR = 8 * EIGHTH
TEMPO_BPM = 132

NOTE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def pitch(name):
    """'C5' -> 72, 'F#4' -> 66; 'r' is a rest."""
    if name == 'r':
        return None
    step = NOTE[name[0]]
    rest = name[1:]
    if rest.startswith('#'):
        step += 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + step


def phrase(text):
    """'E5:2 G5:1' -> [(pitch, eighths)]; every bar of a phrase holds eight eighths."""
    return [(pitch(tok.split(':')[0]), int(tok.split(':')[1])) for tok in text.split()]


CHORDS = {  # root and the triad's pitch classes
    'C': (0, (0, 4, 7)), 'Dm': (2, (2, 5, 9)), 'Em': (4, (4, 7, 11)), 'F': (5, (5, 9, 0)),
    'G': (7, (7, 11, 2)), 'Am': (9, (9, 0, 4)),
}

MELODY_A1 = phrase('E5:2 G5:1 E5:1 C5:2 D5:1 E5:1  D5:2 B4:1 G4:1 D5:3 r:1 '
                   'C5:1 E5:1 A5:2 G5:1 E5:1 C5:2  F5:2 E5:1 D5:1 C5:4')
MELODY_A2 = phrase('E5:2 G5:1 E5:1 C6:2 B5:1 A5:1  G5:2 D5:1 B4:1 D5:4 '
                   'C5:1 E5:1 A5:2 B5:1 C6:1 A5:2  F5:2 A5:1 G5:1 F5:2 E5:2')
MELODY_A2_END = phrase('E5:2 G5:1 E5:1 C6:2 B5:1 A5:1  G5:2 D5:1 B4:1 D5:4 '
                       'C5:1 E5:1 A5:2 B5:1 C6:1 A5:2  F5:1 E5:1 D5:1 E5:1 C5:4')
MELODY_B1 = phrase('A5:1 A5:1 G5:1 F5:1 A5:2 C6:2  B5:1 B5:1 A5:1 G5:1 B5:2 D6:2 '
                   'E6:2 D6:1 B5:1 G5:2 B5:2  C6:3 B5:1 A5:4')
MELODY_B2 = phrase('F5:1 A5:1 D6:1 C6:1 A5:2 F5:2  G5:1 B5:1 D6:1 B5:1 G5:2 F5:2 '
                   'E5:2 G5:2 C6:2 E6:2  D6:1 C6:1 B5:1 G5:1 C6:4')
MELODY_C1 = phrase('E5:1 A5:1 r:1 A5:1 G5:1 A5:1 C6:2  C6:1 A5:1 r:1 F5:1 G5:1 A5:1 F5:2 '
                   'E5:1 G5:1 r:1 G5:1 E5:1 G5:1 C6:2  B5:1 A5:1 G5:1 F5:1 E5:1 D5:1 B4:2')
MELODY_C2 = phrase('E5:1 A5:1 r:1 A5:1 G5:1 A5:1 C6:2  C6:1 A5:1 r:1 F5:1 G5:1 A5:1 F5:2 '
                   'E5:1 G5:1 r:1 G5:1 E5:1 G5:1 C6:2  D5:2 G5:2 B5:2 D6:2')
MELODY_OUTRO = phrase('C6:4 A5:4  F5:4 A5:4  G5:4 B5:2 D6:2  C6:8')
REST_BARS = lambda bars: [(None, 8 * bars)]

PROG_A = ['C', 'G', 'Am', 'F']
PROG_B = ['F', 'G', 'Em', 'Am', 'Dm', 'G', 'C', 'C']
PROG_C = ['Am', 'F', 'C', 'G']

# (name, chords, melody): the form is intro, A, B, A, bridge, B, outro: 80 bars at 132
# beats a minute, 145.5 seconds, over before the game asks for the music again at 152.
SECTIONS = [
    ('intro', ['C', 'Am', 'F', 'G'], REST_BARS(4)),
    ('A', PROG_A * 4, MELODY_A1 + MELODY_A2 + MELODY_A1 + MELODY_A2_END),
    ('B', PROG_B * 2, MELODY_B1 + MELODY_B2 + MELODY_B1 + MELODY_B2),
    ('A', PROG_A * 4, MELODY_A1 + MELODY_A2 + MELODY_A1 + MELODY_A2_END),
    ('C', PROG_C * 2, MELODY_C1 + MELODY_C2),
    ('B', PROG_B * 2, MELODY_B1 + MELODY_B2 + MELODY_B1 + MELODY_B2),
    ('outro', ['C', 'F', 'G', 'C'], MELODY_OUTRO),
]

MELODY, CHORD, BASS, DRUMS = 0, 1, 2, 9
PROGRAMS = {MELODY: 11, CHORD: 4, BASS: 33}  # vibraphone, electric piano, finger bass
VOLUMES = {MELODY: 100, CHORD: 62, BASS: 90, DRUMS: 80}  # headroom: the mix peaks near -2 dB
KICK, SNARE, HAT, OPEN_HAT, CRASH, TOM_HIGH, TOM_LOW = 36, 38, 42, 46, 49, 50, 45


def chord_voicing(name):
    """The triad in close position around E4, so the chords move smoothly."""
    _, classes = CHORDS[name]
    notes = []
    for pc in classes:
        p = 60 + pc
        while p > 67:
            p -= 12
        notes.append(p)
    return sorted(notes)


def compose():
    """The piece as (tick, channel, kind, data...) events."""
    events = []

    def note(tick, channel, p, length, velocity):
        events.append((tick, channel, 'on', p, velocity))
        events.append((tick + length, channel, 'off', p, 0))

    bar = 0
    for section, chords, melody in SECTIONS:
        start = bar * BAR
        # Melody.
        t = start
        for p, eighths in melody:
            if p is not None:
                note(t, MELODY, p, eighths * EIGHTH - 20, 96 if (t - start) % BAR == 0 else 84)
            t += eighths * EIGHTH
        assert t == start + len(chords) * BAR, (section, t - start, len(chords) * BAR)
        last_section = section == 'outro'
        for i, name in enumerate(chords):
            b = start + i * BAR
            final = last_section and i == len(chords) - 1
            # Chords: a syncopated pop pattern, held at the very end.
            hits = [(0, 8)] if final else [(0, 3), (3, 2), (6, 2)]
            for at, length in hits:
                for p in chord_voicing(name):
                    note(b + at * EIGHTH, CHORD, p, length * EIGHTH - 30, 70 if at else 78)
            # Bass: root, root, fifth, octave, fifth, root.
            root = 36 + CHORDS[name][0]
            if root > 43:
                root -= 12
            pattern = [(0, 2, 0), (2, 1, 0), (3, 1, 7), (4, 2, 12), (6, 1, 7), (7, 1, 0)]
            if final:
                pattern = [(0, 8, 0)]
            for at, length, offset in pattern:
                note(b + at * EIGHTH, BASS, root + offset, length * EIGHTH - 20,
                     100 if at == 0 else 86)
            # Drums: kick on one and three, snare on two and four, hats on the eighths;
            # a crash at each section's start and a fill in its last bar.
            if final:
                note(b, DRUMS, CRASH, EIGHTH * 8, 110)
                note(b, DRUMS, KICK, EIGHTH, 110)
                continue
            fill = i == len(chords) - 1 and section not in ('outro',)
            if i == 0:
                note(b, DRUMS, CRASH, EIGHTH * 4, 100)
            for e in range(8):
                at = b + e * EIGHTH
                if fill and e >= 4:
                    note(at, DRUMS, [SNARE, TOM_HIGH, TOM_HIGH, TOM_LOW][e - 4], EIGHTH, 92)
                    continue
                if e in (0, 4) or (e == 5 and i % 2 == 1):
                    note(at, DRUMS, KICK, EIGHTH, 104 if e == 0 else 92)
                if e in (2, 6):
                    note(at, DRUMS, SNARE, EIGHTH, 96)
                hat = OPEN_HAT if e == 7 and i % 4 == 3 else HAT
                note(at, DRUMS, hat, EIGHTH // 2, 70 if e % 2 == 0 else 52)
        bar += len(chords)
    return events, bar * BAR


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track(events, end_tick):
    data = bytearray()
    last = 0
    # Note-offs before note-ons at the same tick, so repeated notes sound again.
    for ev in sorted(events, key=lambda e: (e[0], 0 if e[2] == 'off' else 1)):
        tick = ev[0]
        data += vlq(tick - last)
        last = tick
        data += ev[1]
    data += vlq(end_tick - last) + b'\xff\x2f\x00'
    return b'MTrk' + struct.pack('>I', len(data)) + bytes(data)


def write_midi(path):
    events, end = compose()
    tempo = 60_000_000 // TEMPO_BPM
    conductor = [(0, b'\xff\x51\x03' + tempo.to_bytes(3, 'big'), 'meta'),
                 (0, b'\xff\x58\x04\x04\x02\x18\x08', 'meta'),
                 (0, b'\xff\x03\x06Cheers', 'meta')]
    tracks = [track([(t, d, k) for t, d, k in conductor], end)]
    for channel in (MELODY, CHORD, BASS, DRUMS):
        setup = []
        if channel in PROGRAMS:
            setup.append((0, bytes([0xC0 | channel, PROGRAMS[channel]]), 'setup'))
        setup.append((0, bytes([0xB0 | channel, 7, VOLUMES[channel]]), 'setup'))
        setup.append((0, bytes([0xB0 | channel, 91, 40]), 'setup'))
        body = []
        for tick, ch, kind, p, velocity in events:
            if ch != channel:
                continue
            status = (0x90 if kind == 'on' else 0x80) | channel
            body.append((tick, bytes([status, p, velocity]), kind))
        tracks.append(track(setup + body, end))
    header = b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), PPQ)
    with open(path, 'wb') as out:
        out.write(header + b''.join(tracks))
    return end / PPQ * 60 / TEMPO_BPM


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    os.makedirs(folder, exist_ok=True)
    for name, make in (('click.wav', click), ('clear.wav', clear), ('win.wav', win),
                       ('lose.wav', lose)):
        write_wav(os.path.join(folder, name), make())
    seconds = write_midi(os.path.join(folder, 'cheers.mid'))
    print(f'made four effects and cheers.mid, a tune of {seconds:.1f} s, in {folder}')


if __name__ == '__main__':
    main()
