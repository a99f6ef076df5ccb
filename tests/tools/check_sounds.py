#!/usr/bin/env python3
"""Checks the generated sounds in a runtime folder: each effect is 16-bit mono PCM at
44.1 kHz of its intended length, not silent and not clipping; the tune is a General MIDI
file of 140 to 150 seconds with melody, chords, bass and drums; the SoundFont has a preset
for every program the tune picks and the drum kit, and stays small.
Usage: check_sounds.py RUNTIME_FOLDER"""
import math
import os
import struct
import sys
import wave

EFFECTS = {'click.wav': (0.02, 0.1), 'clear.wav': (0.1, 0.4), 'win.wav': (1.0, 2.0),
           'lose.wav': (1.0, 2.5)}


def check_effect(path, shortest, longest):
    with wave.open(path) as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, 44100), path
        frames = w.readframes(w.getnframes())
        seconds = w.getnframes() / 44100
    samples = struct.unpack(f'<{len(frames) // 2}h', frames)
    peak = max(abs(s) for s in samples) / 32768
    rms = math.sqrt(sum(s * s for s in samples) / len(samples)) / 32768
    assert shortest <= seconds <= longest, f'{path}: {seconds:.3f} s'
    assert peak < 0.99, f'{path}: peak {peak:.3f} clips'
    assert rms > 0.02, f'{path}: rms {rms:.4f} is too quiet'
    print(f'{os.path.basename(path)}: {seconds:.3f} s, peak {peak:.3f}, rms {rms:.3f}')


def read_vlq(data, i):
    value = 0
    while True:
        b = data[i]
        i += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, i


def check_midi(path):
    data = open(path, 'rb').read()
    assert data[:4] == b'MThd', path
    _, fmt, ntracks, ppq = struct.unpack('>IHHH', data[4:14])
    i = 14
    tempo, end, channels, programs = 500000, 0, set(), {0}
    for _ in range(ntracks):
        assert data[i:i + 4] == b'MTrk'
        length = struct.unpack('>I', data[i + 4:i + 8])[0]
        j, stop, tick, status = i + 8, i + 8 + length, 0, 0
        while j < stop:
            delta, j = read_vlq(data, j)
            tick += delta
            if data[j] & 0x80:
                status = data[j]
                j += 1
            if status == 0xFF:
                kind = data[j]
                size, j = read_vlq(data, j + 1)
                if kind == 0x51:
                    tempo = int.from_bytes(data[j:j + 3], 'big')
                j += size
            elif status >> 4 in (0xC, 0xD):
                if status >> 4 == 0xC and status & 0x0F != 9:
                    programs.add(data[j])
                j += 1
            else:
                if status >> 4 == 0x9 and data[j + 1] > 0:
                    channels.add(status & 0x0F)
                j += 2
        end = max(end, tick)
        i = stop
    seconds = end / ppq * tempo / 1e6
    assert 140 <= seconds <= 150, f'{path}: {seconds:.1f} s'
    assert {0, 2, 9} <= channels, f'{path}: channels {sorted(channels)}'
    print(f'cheers.mid: {seconds:.1f} s, channels {sorted(channels)}')
    return programs


def riff_chunks(data, start, stop):
    """(tag, body start, body end) of the chunks between start and stop."""
    while start + 8 <= stop:
        tag, size = data[start:start + 4], struct.unpack('<I', data[start + 4:start + 8])[0]
        yield tag, start + 8, start + 8 + size
        start += 8 + size + size % 2


def check_soundfont(path, programs):
    data = open(path, 'rb').read()
    assert data[:4] == b'RIFF' and data[8:12] == b'sfbk', path
    assert len(data) < 1 << 20, f'{path}: {len(data)} bytes'
    presets = set()
    for tag, begin, end in riff_chunks(data, 12, len(data)):
        if tag == b'LIST' and data[begin:begin + 4] == b'pdta':
            for inner, b, e in riff_chunks(data, begin + 4, end):
                if inner == b'phdr':
                    for at in range(b, e - 38, 38):  # the last header ends the list
                        program, bank = struct.unpack('<HH', data[at + 20:at + 24])
                        presets.add((bank, program))
    wanted = {(0, p) for p in programs} | {(128, 0)}
    assert wanted <= presets, f'{path}: missing presets {sorted(wanted - presets)}'
    print(f'brainlock.sf2: {len(data) // 1024} KB, presets {sorted(presets)}')


def main():
    folder = sys.argv[1]
    for name, (shortest, longest) in EFFECTS.items():
        check_effect(os.path.join(folder, name), shortest, longest)
    programs = check_midi(os.path.join(folder, 'cheers.mid'))
    check_soundfont(os.path.join(folder, 'brainlock.sf2'), programs)
    print(f'{len(EFFECTS) + 2} passed, 0 failed')


if __name__ == '__main__':
    main()
