#!/usr/bin/env python3
"""Reads what `strace -f -y` logged of one command of the program (standard input) and checks
the order of its writes, syncs and renames under the session folder.

    syncs-check.py SESSION_FOLDER record|clear|settings

Every command: each file written is synced after its last write; the settings file
(config/vobrel.conf) is replaced exactly once; each rename or link into a folder is followed by a
sync of that folder. 記録 (record): the journal and its folder are synced before the history is
written, the history is synced before the settings are replaced, and the journal goes after.
履歴クリア (clear): the emptied history waits beside the history, synced with its folder, before the
settings are replaced, and is renamed over the history after. Prints what it found; exits 1 when
a rule was broken."""

import os
import re
import sys

session, rules = sys.argv[1], sys.argv[2]
settings = os.path.join(session, "config", "vobrel.conf")
history = os.path.join(session, "program", "SanRireki.txt")
journal, emptied = history + "-journal", history + "-new"

CALL = re.compile(r"^(\d+)\s+(\w+)\((.*)\)\s+=\s+(-?\d+)")
QUOTED = re.compile(r'"((?:[^"\\]|\\.)*)"')
FD_PATH = re.compile(r"^-?\d+<([^>]*)>")


def calls(lines):
    """(name, arguments, result) of each finished call; a call that another thread's call
    interrupted in the log is put together again."""
    pending = {}
    for line in lines:
        line = line.rstrip("\n")
        pid = line.split(" ", 1)[0]
        if line.endswith("<unfinished ...>"):
            pending[pid] = line[: -len("<unfinished ...>")]
            continue
        resumed = re.match(r"^(\d+)\s+<\.\.\. \w+ resumed>(.*)$", line)
        if resumed and pid in pending:
            line = pending.pop(pid) + resumed.group(2)
        found = CALL.match(line)
        if found:
            yield found.group(2), found.group(3), int(found.group(4))


events = []  # (kind, path[, path2])
for name, arguments, result in calls(sys.stdin):
    if result < 0:
        continue
    strings = QUOTED.findall(arguments)
    fd = FD_PATH.match(arguments)
    if name == "write" and fd:
        events.append(("write", fd.group(1)))
    elif name in ("fsync", "fdatasync") and fd:
        events.append(("sync", fd.group(1)))
    elif name in ("rename", "renameat2", "linkat") and len(strings) == 2:
        events.append(("rename", strings[0], strings[1]))
    elif name in ("unlink", "unlinkat") and strings:
        events.append(("unlink", strings[0]))
events = [e for e in events if any(p.startswith(session) for p in e[1:])]

broken = []
found = []


def first(kind, path, after=-1):
    for i, event in enumerate(events):
        if i > after and event[0] == kind and event[-1] == path:
            return i
    return None


def last(kind, path):
    indices = [i for i, e in enumerate(events) if e[0] == kind and e[-1] == path]
    return indices[-1] if indices else None


written = sorted({e[1] for e in events if e[0] == "write"})
for path in written:
    if first("sync", path, last("write", path)) is None:
        broken.append(f"{path} is written but not synced afterwards")
found.append(f"{len(written)} files written, each synced after")

replacements = [i for i, e in enumerate(events) if e[0] == "rename" and e[2] == settings]
if len(replacements) != 1:
    broken.append(f"the settings file is replaced {len(replacements)} times, not once")
replaced = replacements[0] if replacements else None
found.append(f"the settings file replaced {len(replacements)} time(s)")

renames = [(i, e) for i, e in enumerate(events) if e[0] == "rename"]
for i, event in renames:
    folder = os.path.dirname(event[2])
    if first("sync", folder, i) is None:
        broken.append(f"{event[1]} -> {event[2]}: its folder is not synced afterwards")
found.append(f"{len(renames)} rename(s), each followed by a sync of its folder")


def before(earlier, later, what):
    if earlier is None or later is None or earlier > later:
        broken.append(what)


if rules == "record":
    history_written = first("write", history)
    before(first("sync", journal), history_written, "the journal is not synced before the entry")
    before(first("sync", os.path.dirname(journal)), history_written,
           "the journal's folder is not synced before the entry")
    before(last("sync", history), replaced, "the entry is not synced before the count")
    before(replaced, first("unlink", journal), "the journal does not go after the count")
    found.append("journal, entry, count, in that order")
elif rules == "clear":
    before(first("sync", emptied), replaced, "the emptied history is not synced before the count")
    before(first("sync", os.path.dirname(emptied)), replaced,
           "the emptied history's folder is not synced before the count")
    put_in_place = next((i for i, e in renames if e[1] == emptied and e[2] == history), None)
    before(replaced, put_in_place, "the emptied history is not put in place after the count")
    found.append("emptied history, cleared count, rename over the history, in that order")

print("; ".join(broken) if broken else ", ".join(found))
sys.exit(1 if broken else 0)
