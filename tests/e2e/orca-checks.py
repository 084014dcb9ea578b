"""Drives the running program with the keys a blind user presses and checks, in Orca's debug
log, what Orca says after each step.

    orca.py ORCA_DEBUG_LOG PROGRAM_PID     (the session is set up by orca.sh)

Only the utterances are read: the lines "SPEECH OUTPUT: '…'" (Orca 43; later releases add the
voice after the quote, which is left aside). The expected words are the program's own Japanese
texts, found anywhere in what is said, so that Orca's own words (English or Japanese, as its
release and locale have them) do not matter.
"""
import os
import re
import subprocess
import sys
import time

log_path, program_pid = sys.argv[1], sys.argv[2]
explore = bool(os.environ.get("SORANIKA_ORCA_EXPLORE"))
failures = []
read_upto = 0
# The text between quotes, then Orca 43's voice ({…}) or a later release's words after a space.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(\{.*\}|\s.*)?$", re.DOTALL)



def utterances():
    """What Orca has said since the last call."""
    global read_upto
    try:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            log.seek(read_upto)
            text = log.read()
    except FileNotFoundError:
        return []
    # Only whole lines: the last one may still be being written.
    end = text.rfind("\n") + 1
    read_upto += len(text[:end].encode("utf-8"))
    said = []
    # An utterance with line breaks runs over several lines of the log.
    pending = None
    for line in text[:end].split("\n"):
        if pending is not None:
            pending += "\n" + line
        elif "SPEECH OUTPUT: '" in line:
            pending = line[line.index("SPEECH OUTPUT: '"):]
        else:
            continue
        match = SPEECH.match(pending)
        if match:
            said.append(match.group(1))
            pending = None
        elif pending.count("\n") > 50:
            pending = None
    return said


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


def hear(what, expected, seconds=(2.5 if explore else 6.0), keys=(), typed=None):
    """Presses `keys` (or types `typed`), then waits until every expected text has been said,
    in order. Returns what was said."""
    utterances()
    if keys:
        key(*keys)
    if typed is not None:
        type_text(typed)
    said = []
    deadline = time.time() + seconds
    while time.time() < deadline:
        said += utterances()
        if all_in_order(expected, said) and not explore:
            break
        time.sleep(0.1)
    # Let the rest of the step's speech arrive, so that it is not taken for the next step's.
    time.sleep(0.3)
    said += utterances()
    if explore:
        print(f"{what}: {said}")
    if not all_in_order(expected, said):
        failures.append(what)
        print(f"FAIL: {what}: expected {expected} in order, heard {said}")
    return said


def all_in_order(expected, said):
    position = 0
    for text in expected:
        while position < len(said) and text not in said[position]:
            position += 1
        if position == len(said):
            return False
    return True


def window_id(name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", program_pid,
                            "--name", name], capture_output=True, text=True).stdout.split()
    return found[0] if found else None


# Orca is ready once it has announced itself and the program's window, focused, is read.
deadline = time.time() + 30
while time.time() < deadline and not utterances():
    time.sleep(0.2)
main = window_id("ソラニカVer1.0")
if main is None:
    print("FAIL: no main window")
    sys.exit(1)
subprocess.run(["xdotool", "windowfocus", "--sync", main], check=False)
hear("the main window is read as it takes the focus", ["ソラニカVer1.0", "元号"], seconds=15)

# The Tab walk: each control is named as it takes the focus, the buttons without the spaces that
# spread their captions. The first Tab into the name and memo boxes after a start is heard, too.
for name in ["年", "月", "日", "お名前", "メモ欄", "鑑定", "詳細表示", "記録", "印刷", "クリア", "終了"]:
    hear("Tab to " + name, [name], keys=["Tab"])
hear("Tab from 終了 goes round to the era box", ["元号"], keys=["Tab"])

# A reading, typed as a person would: the era and year typed, the month picked by the arrow
# keys, each item heard as it comes, the day by typing its number.
key("ctrl+a")
hear("the era typed", [], typed="昭和")
hear("Tab to the year box", ["年"], keys=["Tab"])
hear("the year typed", [], typed="60")
hear("Tab to the month box", ["月"], keys=["Tab"])
# One arrow at a time, as a person listens: Orca 48 drops what a quicker key overtakes.
for month in ["1", "2", "3", "4", "5"]:
    hear("the month picked by the arrow: " + month, [month], keys=["Down"])
hear("Tab to the day box", ["日"], keys=["Tab"])
hear("the day picked by its number", ["12"], keys=["1", "2"])
hear("Tab to the name box", ["お名前"], keys=["Tab"])
hear("the name typed", [], typed="Taro")
hear("Tab to the memo box", ["メモ欄"], keys=["Tab"])
hear("Tab to 鑑定", ["鑑定"], keys=["Tab"])
hear("鑑定 speaks the title, then the prose", ["磁気を帯びたイノシシ", "砂鉄のように"], keys=["space"])
hear("Tab to 詳細表示", ["詳細表示"], keys=["Tab"])
hear("Tab to 記録", ["記録"], keys=["Tab"])
hear("記録 speaks the new count", ["鑑定履歴:1件"], keys=["space"])
# After the buttons, the title and the prose can be heard again.
hear("Tab past the buttons to the title", ["磁気を帯びたイノシシ"], keys=["Tab", "Tab", "Tab", "Tab"])
hear("Tab to the prose", ["砂鉄のように"], keys=["Tab"])

# Back to the boxes: each is read with what it holds.
hear("back to the name box", ["お名前", "Taro"], keys=["shift+Tab"] * 9)
hear("back to the day box", ["日", "12"], keys=["shift+Tab"])
hear("back to the month box", ["月", "5"], keys=["shift+Tab"])
# A filled box is read whole, "60", not "6" (Qt 6.4's own text boxes lose the last character).
hear("back to the year box", ["年", "60"], keys=["shift+Tab"])

# An impossible day: the refusal is read from its message box.
hear("to the month", ["月"], keys=["Tab"])
for month in ["4", "3", "2"]:
    hear("back towards February: " + month, [month], keys=["Up"])
hear("to the day", ["日"], keys=["Tab"])
hear("the 30th", ["30"], keys=["3", "0"])
hear("鑑定 refuses a day that does not exist",
     ["ただしい日付を入力して下さい。（西暦100年～9999年までの範囲）"],
     keys=["Tab", "Tab", "Tab", "space"])
hear("the message box closes", [], keys=["Return"])
# Without a window manager the main window is not made active again by itself.
subprocess.run(["xdotool", "windowfocus", "--sync", main], check=False)
hear("back in the main window", ["元号"])

# The menus by their names in words, the age switch with its state.
hear("the file menu", ["履歴表示"], keys=["alt+f"])
hear("on to the options menu", ["フォーム色を変更"], keys=["Right"])
# Qt 6.4 does not tell AT-SPI that a menu entry is checkable: unchecked, 年令非表示 is read as a
# plain entry; checked, as checked.
hear("the age switch", ["年令非表示"], keys=["Up"])
hear("the age switch turned on", [], keys=["Return"])
subprocess.run(["xdotool", "windowfocus", "--sync", main], check=False)
hear("the options menu again", ["フォーム色を変更"], keys=["alt+o"])
said = hear("the age switch, now checked", ["年令非表示"], keys=["Up"])
if not any("checked" in line or "チェック" in line for line in said):
    failures.append("the checked age switch says so")
    print(f"FAIL: the checked age switch says so: heard {said}")
hear("out of the menus, named in words", ["オプション"], keys=["Escape"])
hear("out of the menu bar, back in the era box", ["元号"], keys=["Escape"])

# The about window, from the menu: its link has the focus and is read as a link.
hear("the help menu", ["説明"], keys=["alt+h"])
hear("the about entry", ["バージョン"], keys=["Down"])
hear("the about window and its link", ["ﾊﾞｰｼﾞｮﾝ", "https://soranika.example.jp/"], keys=["Return"])

print(f"{0 if failures else 1} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
