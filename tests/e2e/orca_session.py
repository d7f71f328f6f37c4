"""The running clock as Orca speaks it, driven from the keyboard.

    orca_session.py PROGRAM-FOLDER ALARM-TIME RINGING-TIME

The alarm file holds an alarm at ALARM-TIME, far from now, and one at RINGING-TIME, in
the minutes the session takes, whose message ねこの時間です must be read once.

Waits for Orca to start, then presses keys with xdotool as a blind user would and
reads what Orca said from its debug log (its SPEECH OUTPUT lines), checking the words
of each step. Exits 1 naming what was wrong.
"""

import os
import re
import subprocess
import sys
import time

folder, alarm_time, ringing_time = sys.argv[1], sys.argv[2], sys.argv[3]
log_path = os.path.join(folder, "orca.log")
failures = []
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{", re.S)


class Log:
    """Orca's log, read on from where the last step left it. An utterance may span lines
    (a message with line breaks): it ends where Orca's voice settings follow it."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = ""

    def utterances(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return []
        self.offset += len(data)
        text = self.pending + data.decode("utf-8", errors="replace")
        found = list(SPOKEN.finditer(text))
        rest = text[found[-1].end() :] if found else text
        start = rest.rfind("SPEECH OUTPUT: '")
        self.pending = rest[start:] if start >= 0 else ""
        return [" ".join(m.group(1).split()) for m in found]


log = Log(log_path)


def heard(seconds):
    """What Orca said in the next `seconds`, one utterance a line."""
    said = []
    end = time.time() + seconds
    while time.time() < end:
        said += [u for u in log.utterances() if u]
        time.sleep(0.1)
    return said


def wait_until_said(words, timeout):
    """What Orca said until it said something holding `words` (or the timeout)."""
    said = []
    end = time.time() + timeout
    while time.time() < end:
        said += heard(0.2)
        if any(words in s for s in said):
            break
    return said


def keys(*names, settle=1.5):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)
    said = heard(settle)
    print(f"{' '.join(names)} -> {said}")
    return said


def expect(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)
    return condition


def says(said, *words):
    """Whether the utterances, read on as one, hold every one of the words."""
    whole = " ".join(said)
    return all(w in whole for w in words)


started = time.time()
said = wait_until_said("Screen reader on", 30)
if not expect(says(said, "Screen reader on"), f"Orca did not start ({said})"):
    sys.exit(1)
print(f"Orca spoke after {time.time() - started:.1f} s")
heard(2)

def check(said, what, *words):
    expect(says(said, *words), f"{what}: Orca said {said}")


def count(said, words):
    return sum(s.count(words) for s in said)


# The clock, activated by a click: its name and the time it shows.
window = subprocess.run(
    ["xdotool", "search", "--sync", "--onlyvisible", "--name", "ふわまる"], capture_output=True, text=True
).stdout.split()[0]
subprocess.run(["xdotool", "mousemove", "--window", window, "40", "60", "click", "1"], check=True)
said = heard(3)
print(f"clock -> {said}")
hour = time.localtime().tm_hour
check(said, "the clock's time", f"{'午前' if hour < 12 else '午後'}{hour % 12}時", "分")

# The menu by the Menu key, its three entries by the arrows, the settings by Return.
said = keys("Menu", settle=2)
check(said, "the menu opened on its first entry", "設定")
said = keys("Down") + keys("Down")
check(said, "the menu's second entry", "製品情報")
check(said, "the menu's third entry", "終")
keys("Up")
keys("Up")
said = keys("Return", settle=3)
check(said, "the settings window", "設定 dialog")

# An option with its state after Space, Return and an arrow.
keys("Tab")
said = keys("Tab")
check(said, "the first option, not chosen", "前面に表示", "not selected")
said = keys("space")
check(said, "the option chosen by Space", "selected")
said = keys("Right")
check(said, "the arrow's neighbour with its state", "前面に表示しない")
said = keys("Return")
check(said, "the option chosen by Return", "前面に表示しない を選択しました")
said = keys("Left")
check(said, "back by the arrow, its state", "前面に表示", "not selected")

# The alarm list: its current alarm on entering, its on/off change.
keys("shift+Tab")
keys("shift+Tab")
said = keys("Return", settle=3)
check(said, "the alarm list", "アラーム dialog")
# The list has the focus as the window opens.
check(said, "the list by its caption", "設定アラーム一覧")
check(said, "the list's current alarm", alarm_time, "オン")
said = keys("space")
check(said, "the alarm switched off", f"{alarm_time} オフ")

# A new alarm: its time as it is stepped, saved, the notice once.
said = keys("Tab")
check(said, "the bar after the list", "アラームを追加")
said = keys("Return", settle=3)
check(said, "the edit window", "アラームの設定 dialog")
check(said, "the hour's spin button", "時", "spin button")
before = time.localtime()
said = keys("Up")
check(said, "the stepped hour", str((before.tm_hour + 1) % 24))
said = keys("Tab")
check(said, "the minute's spin button", "分", "spin button")
said = keys("Down")
check(said, "the stepped minute", str((before.tm_min - 1) % 60))
subprocess.run(["xdotool", "key", "Return"], check=True)  # the default button, 適用
said = heard(4)
print(f"Return (適用) -> {said}")
expect(count(said, "アラームの設定を保存しました。") == 1, f"the saved notice was not read once: {said}")

# The alarm that rings: its message, read once. Escape closes the notice and the windows.
keys("Escape", "Escape", "Escape", "Escape", settle=1)
said = wait_until_said("ねこの時間です", 150)
said += heard(3)
print(f"ringing -> {said}")
expect(count(said, "ねこの時間です 設定時刻") == 1, f"the alarm's message was not read once: {said}")

if failures:
    print(f"{len(failures)} failed", file=sys.stderr)
    sys.exit(1)
print("\nall Orca checks passed")
