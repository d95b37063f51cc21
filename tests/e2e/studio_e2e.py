"""Records a whole category, the weekdays, through the real lumora-studio window driven by its
keys. SDL's disk audio driver reads the microphone from a prepared file: speech the generator
made for the purpose, quieter than the program plays it, with silence and an overdriven
stretch in it. Then checks that only the weekdays changed, each trimmed to its word, that the
program's own checks take every file (format, loudness, trimming, the data check with the
player's recording check, which counts the teacher's recordings), and that the next sitting
goes on after the last word, and that Lumora asks a weekday in the teacher's voice and plays it.

Usage (under an X server and a D-Bus session): studio_e2e.py BUILD_FOLDER
"""

import filecmp
import os
import struct
import subprocess
import sys
import tempfile
import time
import wave

import pyatspi

from window_e2e import (SOUND_FOLDER, WEEKDAY_RECORDING, Window, expect, prepare_app_dir,
                        wait_for)

RATE = 48000  # the studio captures at this rate
WEEKDAYS = ["日曜1_00.wav", "月曜2_00.wav", "火曜3_00.wav", "水曜4_00.wav", "木曜5_00.wav",
            "金曜6_00.wav", "土曜7_00.wav"]
# Longer than the studio's second of silence that ends a take, with room for a busy machine
# that reads the capture file on while the window lags behind.
GAP = 2.5


def speech(path, gain):
    """A recording of the build as capture samples: 48 kHz floats, scaled by `gain`."""
    with wave.open(path) as recording:
        rate = recording.getframerate()
        frames = recording.readframes(recording.getnframes())
    samples = [s / 32768 * gain for s in struct.unpack("<%dh" % (len(frames) // 2), frames)]
    out = []
    for i in range(int(len(samples) * RATE / rate)):
        at = i * rate / RATE
        low = int(at)
        high = min(low + 1, len(samples) - 1)
        out.append(samples[low] + (samples[high] - samples[low]) * (at - low))
    return out


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def capture_file(sound_dir, path):
    """A silence long enough for a take stopped by hand, the first weekday overdriven, then
    every weekday at a fifth of the program's level, each followed by a gap."""
    first = os.path.join(sound_dir, WEEKDAYS[0])
    samples = silence(6) + [max(-1.0, min(1.0, 12 * s)) for s in speech(first, 1)] + silence(GAP)
    for name in WEEKDAYS:
        samples += speech(os.path.join(sound_dir, name), 0.2) + silence(GAP)
    with open(path, "wb") as f:
        f.write(struct.pack("<%df" % len(samples), *samples))


def seconds_of(path):
    with wave.open(path) as recording:
        return recording.getnframes() / recording.getframerate()


class Studio(Window):
    def __init__(self, build, app_dir, config, *start_at):
        super().__init__(os.path.join(build, "lumora-studio"), app_dir, [app_dir, *start_at],
                         "Lumora 録音スタジオ", {
                             "SDL_DISKAUDIOFILEIN": os.path.join(app_dir, "microphone.raw"),
                             "XDG_CONFIG_HOME": config})

    def shown(self, description):
        return self.one(pyatspi.ROLE_LABEL, description=description).name

    def key(self, key, then, what):
        """Presses `key` and waits for the message to contain `then`."""
        self.keys(key)
        wait_for(lambda: then in self.shown("お知らせ"), what)

    def stop(self):
        self.process.terminate()
        self.process.wait()


def lumora_plays_a_weekday(lumora, app_dir):
    """Every weekday is now the teacher's: whichever Lumora asks, it is heard."""
    if os.path.exists(os.path.join(app_dir, "audio.raw")):
        os.remove(os.path.join(app_dir, "audio.raw"))
    w = Window(lumora, app_dir)
    try:
        w.tick("曜日", "手動", "ランダム")
        since, silence_until = w.files.mark(), w.audio.size()
        w.start()
        w.files.next_matching(WEEKDAY_RECORDING, since, "a weekday recording opened")
        wait_for(lambda: w.audio.sounded_after(silence_until), "the weekday heard")
    finally:
        w.close()


def record_the_weekdays(build, root):
    app_dir, lumora = prepare_app_dir(os.path.join(build, "lumora"), root)
    sound_dir = os.path.join(app_dir, SOUND_FOLDER)
    generated = os.path.join(build, SOUND_FOLDER)
    capture_file(generated, os.path.join(app_dir, "microphone.raw"))
    config = os.path.join(root, "config")

    studio = Studio(build, app_dir, config, WEEKDAYS[0])
    try:
        expect(WEEKDAYS[0] in studio.shown("ファイル"), "the studio begins at the file asked for")
        record = studio.one(pyatspi.ROLE_PUSH_BUTTON, description="キー: Space")
        studio.keys("space")
        wait_for(lambda: record.name == "停止", "a take running")
        time.sleep(1)
        studio.key("space", "声が入っていません", "a silent take told")
        studio.keys("Return")
        studio.key("r", "音が割れています", "an overdriven take told")
        studio.keys("Return")
        expect(filecmp.cmp(os.path.join(sound_dir, WEEKDAYS[0]), os.path.join(generated, WEEKDAYS[0]),
                           shallow=False), "no unusable take written")
        studio.key("r", "録音しました", "the first weekday recorded")
        for name in WEEKDAYS:
            if name != WEEKDAYS[0]:
                studio.key("space", "録音しました", name + " recorded")
            studio.key("Return", "「%s」を保存しました" % name, name + " kept")
        expect(studio.shown("進み具合").startswith("先生の声 7 / "), "seven files counted as the teacher's")
        after = studio.shown("ファイル")
        expect(not any(name in after for name in WEEKDAYS), "the studio goes on after the weekdays")
    finally:
        studio.stop()
        studio.close()

    for name in sorted(os.listdir(generated)):
        if name == "MemorizeFile.csv":
            continue
        same = filecmp.cmp(os.path.join(sound_dir, name), os.path.join(generated, name),
                           shallow=False)
        expect(same != (name in WEEKDAYS), name + (" recorded" if name in WEEKDAYS else " kept"))
        if name in WEEKDAYS:
            spoken, kept = seconds_of(os.path.join(generated, name)), seconds_of(
                os.path.join(sound_dir, name))
            print("%s: %.2f s of speech, %.2f s kept" % (name, spoken, kept))
            expect(abs(kept - spoken) < 0.06, name + " trimmed to its word")
    expect(sorted(os.listdir(sound_dir)) == sorted(n for n in os.listdir(generated)
                                                   if n != "MemorizeFile.csv"),
           "nothing else written into the sound folder")

    checked = subprocess.run([os.path.join(build, "lumora-datacheck"), app_dir], check=True,
                             capture_output=True, text=True).stdout
    print(checked, end="")
    expect("先生の声 %d 件" % len(WEEKDAYS) in checked, "the data check counts the teacher's voice")
    subprocess.run([os.path.join(build, "tests", "lumora_tests"),
                    "--gtest_filter=GeneratedContent.Every*:GeneratedContent.Speech*"],
                   env=dict(os.environ, LUMORA_CHECKED_APP_DIR=app_dir), check=True)
    lumora_plays_a_weekday(lumora, app_dir)

    again = Studio(build, app_dir, config)
    try:
        expect(again.shown("ファイル") == after, "the next sitting goes on where this one stopped")
    finally:
        again.stop()
        again.close()


def main():
    started = time.monotonic()
    with tempfile.TemporaryDirectory() as root:
        record_the_weekdays(os.path.realpath(sys.argv[1]), root)
    print("studio end-to-end: %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
