#!/usr/bin/env python3
"""Checks the tune the build rendered ahead of time against the synthesiser, through the game's
own media player (render_audio, into SDL's disk output): the first seconds from "cheers.flac"
are the very samples FluidSynth makes of "cheers.mid" as it plays; and beside a "cheers.mid"
that is not the one it was rendered from, the rendered file is not played.
Usage: check_rendered_tune.py RENDER_AUDIO RUNTIME_FOLDER"""
import array
import os
import shutil
import subprocess
import sys
import tempfile

SECONDS = 6   # rendered, the silence before the tune starts included
COMPARED = 4  # at most, of the tune itself
ENOUGH = 3    # at least: a slow start leaves less after its silence


def sounded(render_audio, folder, scratch, name):
    """The samples the player put out, from the first that is not silence."""
    output = os.path.join(scratch, name + '.raw')
    subprocess.run([render_audio, 'cheers.mid', str(SECONDS), output], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    samples = array.array('h')
    with open(output, 'rb') as raw:
        samples.frombytes(raw.read())
    first = next((i for i, s in enumerate(samples) if s != 0), None)
    assert first is not None, f'{name}: the player put out only silence'
    return samples[first - first % 2:]


def folder_with(scratch, name, runtime, files):
    folder = os.path.join(scratch, name)
    os.mkdir(folder)
    for file in files:
        shutil.copy(os.path.join(runtime, file), folder)
    return folder


def with_other_tempo(folder):
    """The same tune at half speed: the header's ticks per quarter note doubled."""
    path = os.path.join(folder, 'cheers.mid')
    with open(path, 'r+b') as midi:
        header = bytearray(midi.read(14))
        assert header[:4] == b'MThd' and header[12] < 0x40, 'ticks per quarter note expected'
        ticks = int.from_bytes(header[12:14], 'big') * 2
        midi.seek(12)
        midi.write(ticks.to_bytes(2, 'big'))


def main():
    render_audio, runtime = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        rendered = sounded(render_audio, runtime, scratch, 'rendered')
        live_folder = folder_with(scratch, 'live', runtime, ['cheers.mid', 'brainlock.sf2'])
        live = sounded(render_audio, live_folder, scratch, 'live')
        other = folder_with(scratch, 'other', runtime,
                            ['cheers.mid', 'brainlock.sf2', 'cheers.flac'])
        with_other_tempo(other)
        changed = sounded(render_audio, other, scratch, 'changed')
    count = min(len(rendered), len(live), COMPARED * 44100 * 2)
    differing = sum(1 for a, b in zip(rendered[:count], live[:count]) if a != b)
    print(f'rendered tune against the synthesiser: {count // 2} frames, {differing} differ')
    assert count >= ENOUGH * 44100 * 2, f'less than {ENOUGH} seconds sounded'
    assert differing == 0, 'the rendered tune is not what the synthesiser plays'
    count = min(len(rendered), len(changed))
    assert rendered[:count] != changed[:count], 'the rendered tune played for another MIDI file'
    print('beside another MIDI file the tune was synthesised, not the rendered one played')


main()
