"""Click to sound, as a player hears it: the time from a pointer click on a keypad digit to the
click's first sample coming out of a sound server, beside the same figure for the sound server's
own player (paplay of the same click.wav, from its start), measured in the same run; the idle
processor time of the untouched game on that server, with the music off and on; and the gaps
in what the server heard of the tune over the idle span (a minute at least), beside the gaps
the same check finds where the game was stopped on purpose, which shows that it can see one.

A PulseAudio server of its own with a null sink; the sink's monitor is recorded by parec, whose
reads are time-stamped, so every recorded sample has a time on the same clock as the clicks
(the recorder's own latency, a few ms, is in both figures alike). A click's first sample is
found by matching the start of click.wav against the recording after the trigger, which also
finds it under the music.

With PIPEWIRE_SINK set, the same click-to-sound figures through the PipeWire whose null sink it
names (started by the caller, scripts/pipewire-lib): the game by SDL's own PipeWire back end,
beside PipeWire's own player (pw-play), recorded by pw-record; the idle rows are PulseAudio's.

Usage: click_to_sound.py RUNTIME_DIR [TRIALS]   (IDLE_SECONDS sets the idle spans, 30; the
  music's is 60 at least; TUNE_WAV names a file to keep the tune's recording in)
  (DISPLAY set; pulseaudio, pulseaudio-utils and xdotool installed, or pipewire and
  wireplumber). Prints table rows.
"""
import array
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import wave

RATE = 44100
TEMPLATE = 256  # samples of the click's start matched against the recording
SEARCH = 0.4  # seconds after a trigger searched for the click


def row(what, figure, target, method):
    print("%-44s %12s  %-9s %s" % (what, figure, target, method))


class PulseAudio:
    name = "PulseAudio"
    driver = "pulseaudio"
    player = "paplay"

    @staticmethod
    def recorder(sink):
        return ["parec", "--device=%s.monitor" % sink, "--format=s16le", "--rate=%d" % RATE,
                "--channels=1", "--latency-msec=5", "--raw"]


class PipeWire:
    name = "PipeWire"
    driver = "pipewire"
    player = "pw-play"

    @staticmethod
    def recorder(sink):
        return ["pw-record", "-P", "{ stream.capture.sink=true }", "--target", sink,
                "--rate=%d" % RATE, "--channels=1", "--format=s16", "--latency=5ms", "-"]


class Recorder:
    """The null sink's monitor recorded; keeps the samples and when each read arrived."""

    def __init__(self, server, sink, env):
        self.samples = array.array("h")
        self.arrivals = []  # (monotonic time, samples received so far)
        self.process = subprocess.Popen(server.recorder(sink), stdout=subprocess.PIPE, env=env,
                                        stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        while True:
            data = self.process.stdout.read1(4096)
            if not data:
                return
            now = time.monotonic()
            self.samples.frombytes(data[: len(data) // 2 * 2])
            self.arrivals.append((now, len(self.samples)))

    def time_of(self, index):
        """The earliest time consistent with every read: the sample cannot have been captured
        later than its read arrived, less the samples that came after it in that read."""
        return min(t - (count - index) / RATE for t, count in self.arrivals if count > index)

    def index_at(self, moment):
        for t, count in self.arrivals:
            if t >= moment:
                return max(0, count - int((t - moment) * RATE))
        return len(self.samples)

    def stop(self):
        self.process.terminate()
        self.process.wait()


def click_template(runtime):
    with wave.open(os.path.join(runtime, "click.wav")) as clip:
        data = array.array("h", clip.readframes(clip.getnframes()))
    start = next(i for i, v in enumerate(data) if abs(v) > 200)
    return data[start:start + TEMPLATE]


def onset(recorder, trigger, template):
    """The time of the best match of the click's start in the SEARCH seconds after trigger."""
    time.sleep(SEARCH + 0.1)
    first = recorder.index_at(trigger - 0.005)
    window = recorder.samples[first:first + int(SEARCH * RATE) + TEMPLATE]
    best, where = 0.0, None
    energy = sum(v * v for v in template) ** 0.5
    for offset in range(0, len(window) - TEMPLATE):
        part = window[offset:offset + TEMPLATE]
        if abs(part[0]) < 1 and abs(part[8]) < 1 and abs(part[32]) < 1:
            continue  # silence: no match starts here
        score = sum(a * b for a, b in zip(part, template))
        norm = (sum(v * v for v in part) ** 0.5) * energy
        if norm and score / norm > best:
            best, where = score / norm, offset
    if where is None or best < 0.6:
        return None
    return recorder.time_of(first + where)


def sounding_seconds(samples):
    """How much of the recording carries sound: 10 ms windows with a peak above -40 dB."""
    window = RATE // 100
    return sum(1 for i in range(0, len(samples) - window, window)
               if max(map(abs, samples[i:i + window])) > 330) / 100


def gaps(samples):
    """Where the sound breaks off into digital silence at once: a run of at least 1 ms of
    zeros right after loud samples. A sound server plays zeros for a stream that is late (an
    underrun); the tune's own notes fade out before they fall silent."""
    found, quiet, i = 0, RATE // 1000, 0
    while i < len(samples):
        if samples[i] != 0:
            i += 1
            continue
        start = i
        while i < len(samples) and samples[i] == 0:
            i += 1
        if i - start >= quiet and max(map(abs, samples[max(0, start - 22):start]), default=0) > 1500:
            found += 1
    return found


def measure(recorder, trigger_fn, template, trials):
    delays = []
    for _ in range(trials):
        trigger = trigger_fn()
        heard = onset(recorder, trigger, template)
        if heard is not None:
            delays.append((heard - trigger) * 1000)
        time.sleep(0.2)
    return delays


def start_game(runtime, env, music, server):
    config = tempfile.mkdtemp()
    os.makedirs(os.path.join(config, "Norvane"))
    with open(os.path.join(config, "Norvane", "Brainlock.conf"), "w") as conf:
        conf.write(facts(runtime, "settings_text", "Music=%d" % music))
    game_env = dict(env, XDG_CONFIG_HOME=config, SDL_AUDIODRIVER=server.driver, QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen(["./brainlock"], cwd=runtime, env=game_env,
                            stderr=subprocess.DEVNULL)
    window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible",
                             "--name", "^Brainlock Game$"], capture_output=True, text=True)
    wid = window.stdout.split()[0]
    geometry = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True,
        text=True).stdout.split())
    left, top = map(int, facts(runtime, "centre_of", "sb1").split())  # the keypad's "1"
    x, y = int(geometry["X"]) + left, int(geometry["Y"]) + top
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(3)  # the sounds load once the window has painted
    return game, config


def facts(runtime, function, *args):
    """What scripts/facts-lib's function prints of the game's facts beside it in `runtime`."""
    lib = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "facts-lib")
    return subprocess.run(["bash", "-c", '. "$0" && "$@"', lib, function, runtime, *args],
                          check=True, capture_output=True, text=True).stdout


def idle_percent(game, seconds):
    """All the game's threads' run time (schedstat) over `seconds` untouched, in % of a core."""
    def run_times():
        tasks = "/proc/%d/task" % game.pid
        return {t: int(open("%s/%s/schedstat" % (tasks, t)).read().split()[0])
                for t in os.listdir(tasks)}
    before = run_times()
    time.sleep(seconds)
    after = run_times()  # each thread beside itself: an ended thread takes its count with it
    added = sum(nanos - before.get(t, 0) for t, nanos in after.items())
    return added / 1e9 / seconds * 100


def keep(samples, path):
    if path:
        with wave.open(path, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(samples.tobytes())


def stopped_on_purpose(recorder, game):
    """A second of the tune with the game stopped for 0.3 s in its middle: a gap to find."""
    first = len(recorder.samples)
    time.sleep(0.4)
    os.kill(game.pid, signal.SIGSTOP)
    time.sleep(0.3)
    os.kill(game.pid, signal.SIGCONT)
    time.sleep(0.5)
    return recorder.samples[first:len(recorder.samples)]


def click():
    """A click on the digit under the pointer; the button acts at the release."""
    subprocess.run(["xdotool", "mousedown", "1"], check=True)
    before = time.monotonic()
    subprocess.run(["xdotool", "mouseup", "1"], check=True)
    return (before + time.monotonic()) / 2


def click_to_sound(server, sink, env, runtime, trials, idle_seconds):
    """The click-to-sound delays of the server's own player and of the game (music off, on),
    the idle processor time of the game and the recording of its tune (idle_seconds > 0)."""
    recorder = Recorder(server, sink, env)
    time.sleep(0.5)
    template = click_template(runtime)
    clip = os.path.join(runtime, "click.wav")

    def play():
        start = time.monotonic()
        subprocess.Popen([server.player, clip], env=env)
        return start

    results = {"player": measure(recorder, play, template, trials)}
    idle, tune, stopped = {}, None, None
    for music in (0, 1):
        game, config = start_game(runtime, env, music, server)
        if idle_seconds:
            first = len(recorder.samples)
            idle[music] = idle_percent(game, max(idle_seconds, 60) if music else idle_seconds)
            if music:
                tune = recorder.samples[first:len(recorder.samples)]
                stopped = stopped_on_purpose(recorder, game)
                keep(tune, os.environ.get("TUNE_WAV"))
        results[music] = measure(recorder, click, template, trials)
        game.terminate()
        game.wait()
        shutil.rmtree(config)
    recorder.stop()
    return results, idle, tune, stopped


def click_rows(server, results, trials):
    method = "median of %d, %s null sink recorded" % (trials, server.name)
    floor = statistics.median(results["player"]) if results["player"] else float("nan")
    row("click to sound, %s, %s (its own)" % (server.name, server.player), "%.1f ms" % floor,
        "", method)
    for music, name in ((0, "music off"), (1, "music on")):
        got = results[music]
        what = "click to sound, %s, game, %s" % (server.name, name)
        if not got:
            row(what, "no click", "", method)
            continue
        row(what, "%.1f ms" % statistics.median(got), "<= %.0f ms" % (floor + 20),
            method + " (%d of %d found, %.1f to %.1f ms)" % (len(got), trials, min(got), max(got)))


def main():
    runtime = os.path.abspath(sys.argv[1])
    trials = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    idle_seconds = int(os.environ.get("IDLE_SECONDS", "30"))
    if "PIPEWIRE_SINK" in os.environ:  # a PipeWire of the caller's
        results, _, _, _ = click_to_sound(PipeWire, os.environ["PIPEWIRE_SINK"], os.environ,
                                          runtime, trials, 0)
        click_rows(PipeWire, results, trials)
        return
    server = tempfile.mkdtemp()
    env = dict(os.environ, PULSE_RUNTIME_PATH=server, PULSE_STATE_PATH=server,
               PULSE_SERVER="unix:%s/native" % server)
    pulse = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
         "-L", "module-null-sink sink_name=bench rate=%d" % RATE,
         "-L", "module-native-protocol-unix auth-anonymous=1 socket=%s/native" % server],
        env=env, stderr=subprocess.DEVNULL)
    try:
        for _ in range(50):
            if subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        subprocess.run(["pactl", "set-default-sink", "bench"], env=env, check=True)
        results, idle, tune, stopped = click_to_sound(PulseAudio, "bench", env, runtime, trials,
                                                      idle_seconds)
    finally:
        pulse.terminate()
        pulse.wait()
        shutil.rmtree(server, ignore_errors=True)

    click_rows(PulseAudio, results, trials)
    for music, name, target in ((0, "music off", "< 0.005 %"), (1, "music on", "<= 0.7 %")):
        row("idle processor on PulseAudio, " + name, "%.3f %%" % idle[music], target,
            "all threads' run time (schedstat) over %d s untouched"
            % (max(idle_seconds, 60) if music else idle_seconds))
    row("gaps in the tune as heard", "%d" % gaps(tune), "0",
        "the music-on idle span recorded, %.1f s of %.1f sounding; the same check finds %d "
        "with the game stopped 0.3 s" % (sounding_seconds(tune), len(tune) / RATE,
                                          gaps(stopped)))


if __name__ == "__main__":
    main()
