"""The running clock as a screen reader reads it over AT-SPI, from outside its process.

    screen_reader.py PROGRAM-FOLDER ALARM-TIME

Reads the time from the clock's object, opens its menu by the object's action and the
windows by pressing their buttons through the Action interface, as a screen reader user
would; finds every push button, option and bar of each window by the words it shows;
switches the second hand off and sees set1.zdt change. Prints each window's roles and
names. Exits 1 naming what was wrong.
"""

import datetime
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

folder, alarm_time = sys.argv[1], sys.argv[2]
failures = []

CONTROL_ROLES = ("push button", "radio button", "check box", "text", "image", "list item", "label")


def expect(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)
    return condition


def wait_for(what, find, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = find()
        except Exception:  # an object going away while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    print("FAIL: no", what, file=sys.stderr)
    sys.exit(1)


def descendants(obj):
    for child in obj:
        if child is not None:
            yield child
            yield from descendants(child)


def states(obj):
    return obj.getState()


def showing(obj):
    return states(obj).contains(pyatspi.STATE_SHOWING)


def the_program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "nekotokei":
            return app
    return None


def window(name, role):
    program = wait_for("program on the accessibility bus", the_program)
    return wait_for(
        f"{role} {name}",
        lambda: next(
            (w for w in program if w is not None and w.name == name and w.getRoleName() == role and showing(w)),
            None,
        ),
    )


def gone(name, role):
    wait_for(
        f"closing of {role} {name}",
        lambda: not any(
            w is not None and w.name == name and w.getRoleName() == role and showing(w) for w in the_program()
        ),
    )


def control(win, role, name):
    return wait_for(
        f"{role} {name} in {win.name}",
        lambda: next(
            (o for o in descendants(win) if o.getRoleName() == role and o.name == name and showing(o)), None
        ),
    )


def press(obj):
    """The object's default action, as a screen reader's activate key runs it."""
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for default in ("Press", "Toggle"):
        if default in names:
            action.doAction(names.index(default))
            return
    expect(False, f"{obj.getRoleName()} {obj.name} has no press action ({names})")


def read_window(win):
    """Every control a screen reader reaches in the window, as (role, name, description)."""
    return [
        (o.getRoleName(), o.name, o.description)
        for o in descendants(win)
        if o.getRoleName() in CONTROL_ROLES and showing(o)
    ]


def check_window(name, role, expected):
    """The window's push buttons, options and bars: each named, the expected ones by their words."""
    win = window(name, role)
    for want_role, want_name in expected:
        control(win, want_role, want_name)
    read = read_window(win)
    for r, n, _ in read:
        if r in ("push button", "radio button", "check box"):
            expect(n != "", f"a {r} without a name in {name}")
    print(f"\n{name} ({win.getRoleName()}):")
    for r, n, d in read:
        print(f"  {r} | {n}" + (f" | {d}" if d else ""))
    return win


def buttons(*names):
    return [("push button", n) for n in names]


def options(*names):
    return [("radio button", n) for n in names]


def open_from(win, button, title, expected, role="dialog"):
    """The window a button opens, checked."""
    press(control(win, "push button", button))
    return check_window(title, role, expected)


def close(win, button):
    name, role = win.name, win.getRoleName()
    press(control(win, "push button", button))
    gone(name, role)


def spoken(at):
    period = "午前" if at.hour < 12 else "午後"
    weekday = "月火水木金土日"[at.weekday()]
    return f"{period}{at.hour % 12}時{at.minute:02d}分、{at.year}年{at.month}月{at.day}日 {weekday}曜日"


def file(name):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def menu(downs):
    """The clock's menu, opened by its object's action, the entry `downs` below the first
    (which it selects as it opens) chosen with the keys."""
    clock = wait_for(
        "enabled clock",
        lambda: next(
            (w for w in the_program() if w.getRoleName() == "frame" and states(w).contains(pyatspi.STATE_ENABLED)),
            None,
        ),
    )
    press_menu = clock.queryAction()
    names = [press_menu.getName(i) for i in range(press_menu.nActions)]
    if not expect("ShowMenu" in names, f"the clock offers no menu ({names})"):
        sys.exit(1)
    press_menu.doAction(names.index("ShowMenu"))
    time.sleep(0.5)
    subprocess.run(["xdotool", "key"] + ["Down"] * downs + ["Return"], check=True)


# The clock: the program's name, and the time as a person says it, with the alarm and
# the next one to ring.
program = wait_for("program on the accessibility bus", the_program)
clock = wait_for("clock", lambda: next((w for w in program if w.getRoleName() == "frame"), None))
expect(clock.name == "ふわまる　ぽてりん", f"the clock is named {clock.name!r}")
now = datetime.datetime.now()
said = {spoken(now - datetime.timedelta(minutes=1)), spoken(now), spoken(now + datetime.timedelta(minutes=1))}
# The next alarm after the reading: today, or tomorrow with its day.
hour, minute = map(int, alarm_time.split(":"))
ring = now.replace(hour=hour, minute=minute, second=0, microsecond=0)
if ring <= now:
    ring += datetime.timedelta(days=1)
day = "" if ring.date() == now.date() else "月火水木金土日"[ring.weekday()] + " "
next_alarm = f"、次のアラーム {day}{hour}:{minute:02d} 起きて"
# The next alarm is known from the first beat after the start.
expected = {s + "、アラーム設定あり" + next_alarm for s in said}
end = time.time() + 5
while clock.description not in expected and time.time() < end:
    time.sleep(0.2)
expect(clock.description in expected, f"the clock says {clock.description!r} at {now:%H:%M}")
print(f"clock (frame): {clock.name} | {clock.description}")

# The menu from the keyboard: the Menu key and Shift+F10 on the clock, focused by a click,
# open it with its first entry focused, in the menu named after the program: what a
# screen reader hears as it opens. A popup menu is no child of the program's object: it
# is heard only by its focus event.
focused = []


def on_focus(event):
    if event.detail1:
        try:
            focused.append((event.source.getRoleName(), event.source.name, event.source.parent.name))
        except Exception:  # gone while it is read
            pass


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
context = GLib.MainContext.default()
# The registration reaches the program through the bus: let it settle before the keys.
end = time.time() + 1
while time.time() < end:
    context.iteration(False) or time.sleep(0.05)
for keys in (["Menu"], ["shift+F10"]):
    x, y, width, height = clock.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    focused.clear()
    subprocess.run(
        ["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1", "sleep", "0.3", "key"]
        + keys,
        check=True,
    )
    end = time.time() + 10
    while ("menu item", "設定", "ふわまる　ぽてりん") not in focused and time.time() < end:
        context.iteration(False) or time.sleep(0.05)
    expect(
        ("menu item", "設定", "ふわまる　ぽてりん") in focused,
        f"{keys[0]} on the clock focused no 設定 in its menu ({focused})",
    )
    print(f"menu by {keys[0]}: focused {focused}")
    subprocess.run(["xdotool", "key", "Escape", "sleep", "0.3"], check=True)
pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")

# What the program tells a screen reader from here on: a value shown, a check changed,
# an announcement (a notification showing), each as (event, role, name, value).
told = []
TOLD = ("object:property-change:accessible-value", "object:state-changed:checked", "object:state-changed:showing")


def on_told(event):
    try:
        source = event.source
        value = source.queryValue().currentValue if event.type.endswith("accessible-value") else event.detail1
        told.append((event.type, source.getRoleName(), source.name, value))
    except Exception:  # gone while it is read
        pass


for kind in TOLD:
    pyatspi.Registry.registerEventListener(on_told, kind)


def hear(wanted, *keys, timeout=10):
    """Presses the keys and waits to be told `wanted`; says whether it was."""
    if keys:
        told.clear()
        subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True)
    end = time.time() + timeout
    while wanted not in told and time.time() < end:
        context.iteration(False) or time.sleep(0.05)
    return expect(wanted in told, f"after {' '.join(keys)}: not told {wanted} ({told})")


def announced(words):
    return ("object:state-changed:showing", "notification", words, 1)

# The settings window from the clock's menu; its buttons and options by name.
menu(0)
settings = check_window(
    "設定",
    "dialog",
    buttons("アラーム設定", "ねこ画像変更", "針の色変更", "閉じる")
    + options(
        "前面に表示",
        "前面に表示しない",
        "タスクトレイ常駐",
        "タスクトレイアイコン削除",
        "スタートアップ登録",
        "スタートアップ削除",
        "秒針表示",
        "秒針非表示",
    ),
)
# An option chosen by Return is announced (a screen reader speaks a check after Space only);
# the arrow moves within the pair. The focus starts on the first button.
hear(announced("前面に表示 を選択しました"), "Tab", "Tab", "Return")
wait_for("set.zdt in front", lambda: file("set.zdt") == b"1\r\n")
hear(announced("前面に表示しない を選択しました"), "Right", "Return")
wait_for("set.zdt not in front", lambda: file("set.zdt") == b"0\r\n")
second_hand_on = control(settings, "radio button", "秒針表示")
second_hand_off = control(settings, "radio button", "秒針非表示")
expect(second_hand_off.description == "秒針を表示しないようにします。", "秒針非表示 does not say its help")
expect(states(second_hand_on).contains(pyatspi.STATE_CHECKED), "秒針表示 is not checked at first")
before = file("set1.zdt")
press(second_hand_off)
wait_for("set1.zdt with the second hand off", lambda: file("set1.zdt") == b"0,0\r\n")
expect(before == b"1,0\r\n", f"set1.zdt held {before!r} before")
wait_for("秒針非表示 checked", lambda: states(second_hand_off).contains(pyatspi.STATE_CHECKED))
expect(not states(second_hand_on).contains(pyatspi.STATE_CHECKED), "秒針表示 stayed checked")

# The alarm list: its bars, its buttons and its entry; the settings window waits meanwhile.
alarms = open_from(
    settings,
    "アラーム設定",
    "アラーム",
    buttons("アラームを追加", "設定の変更", "設定を削除する", "適用", "キャンセル")
    + [("list item", f"{alarm_time}、オン、曜日 毎日、アラーム音色 標準、メッセージの表示 表示、メッセージ内容 起きて")],
)
expect(
    not states(control(settings, "push button", "閉じる")).contains(pyatspi.STATE_ENABLED),
    "the settings window stays enabled",
)
# The list, focused as the window opens, is named by its caption; Space switches the
# current alarm off and on again, each change told and announced.
control(alarms, "list", "設定アラーム一覧")
hear(announced(f"{alarm_time} オフ"), "space")
hear(announced(f"{alarm_time} オン"), "space")
edit = open_from(
    alarms,
    "アラームを追加",
    "アラームの設定",
    buttons("▲", "▼", "標準に戻す", "変更する", "適用", "キャンセル")
    + [("check box", "アラーム設定時刻になったら確認メッセージを表示する"), ("text", "アラーム音色"), ("text", "アラームメッセージ")]
    + [("check box", day) for day in "日月火水木金土"]
    + [("check box", "毎日"), ("check box", "平日"), ("check box", "一度だけ")],
)
# The time is two spin buttons, 時 and 分, with their ranges; the hour has the focus as
# the window opens, and Up steps it, the new value told.
hour_field = control(edit, "spin button", "時")
minute_field = control(edit, "spin button", "分")
for field, top in ((hour_field, 23), (minute_field, 59)):
    value = field.queryValue()
    expect((value.minimumValue, value.maximumValue) == (0, top), f"{field.name} runs {value.minimumValue}-{value.maximumValue}")
shown_hour = int(hour_field.queryValue().currentValue)
hear(("object:property-change:accessible-value", "spin button", "時", (shown_hour + 1) % 24), "Up")
# The sound's bar says the sound.
expect(control(edit, "push button", "変更する").description == "標準", "変更する does not say the sound")
close(edit, "キャンセル")
# A save, confirmed in the message window: an alert of its message.
notice = open_from(alarms, "適用", "ふわまる　ぽてりん", buttons("閉じる"), role="alert")
# Its message is a text in it, and not its description as well, or it is read twice.
texts = [o.name for o in descendants(notice) if o.getRoleName() == "label"]
expect(texts == ["アラームの設定を保存しました。"], f"the alert holds {texts}")
expect(notice.description == "", f"the alert is described as {notice.description!r} as well")
close(notice, "閉じる")
close(alarms, "キャンセル")

hands = open_from(
    settings,
    "針の色変更",
    "針の色変更",
    buttons("長針の色を変更", "短針の色を変更", "秒針の色を変更", "変更する", "キャンセル"),
)
swatches = [n for r, n, _ in read_window(hands) if r == "image" and n.startswith(("長針の色 赤", "短針の色 赤", "秒針の色 赤"))]
expect(len(swatches) == 3, f"the hand colour swatches do not name their colours ({swatches})")
# Each bar that changes a colour says the colour, by name where one fits.
for bar in ("長針の色を変更", "短針の色を変更", "秒針の色を変更"):
    said = control(hands, "push button", bar).description
    expect(re.fullmatch(r"(\S+、)?赤 \d+、緑 \d+、青 \d+", said) is not None, f"{bar} says {said!r}")
close(hands, "キャンセル")

# Another design through the chooser's options: a digital one, with its own settings.
chooser = open_from(
    settings,
    "ねこ画像変更",
    "ねこ画像の変更",
    options(*(f"Type {n}" for n in ("A01", "A02", "A03", "A04", "B01", "B02", "B03")))
    + [("image", "Type A02")]
    + buttons("変更する", "キャンセル"),
)
for n in ("A01", "A02", "A03", "A04", "B01", "B02", "B03"):
    said = control(chooser, "radio button", f"Type {n}").description
    expect(said.startswith(("アナログ、", "デジタル、")), f"Type {n} is described as {said!r}")
press(control(chooser, "radio button", "Type A02"))
told.clear()
press(control(chooser, "push button", "変更する"))
hear(announced("Type A02 に変更しました"))
wait_for("set3.zdt with Type A02", lambda: file("set3.zdt").startswith(b"1,"))
close(chooser, "キャンセル")
check_window("設定", "dialog", options("：点滅あり", "：点滅なし") + buttons("時刻・日付の色変更"))
readout = open_from(settings, "時刻・日付の色変更", "時刻・日付の色変更", buttons("色の指定", "変更する", "キャンセル"))
close(readout, "キャンセル")
close(settings, "閉じる")

menu(1)
close(check_window("製品情報", "dialog", buttons("開発・配布元サイト", "本ソフト専用ウェブページ", "閉じる")), "閉じる")

if failures:
    print(f"{len(failures)} failed", file=sys.stderr)
    sys.exit(1)
print("\nall screen reader checks passed")
