"""Runs Orca's launcher script with its debug log written line by line.

    orca-launch.py /usr/bin/orca --debug-file=FILE [orca's options]

Orca opens the debug file block-buffered, so its lines would arrive minutes late or at exit. The
launcher is run unchanged, only the one file is opened line-buffered; whatever release of Orca
this is and however its launcher spells the open, the log follows the speech as it happens.
"""
import builtins
import os
import runpy
import sys

launcher = sys.argv[1]
arguments = sys.argv[2:]
debug_file = next((a.split("=", 1)[1] for a in arguments if a.startswith("--debug-file=")), None)
_open = builtins.open


def open_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if (debug_file is not None and isinstance(file, (str, os.PathLike))
            and os.path.abspath(os.fspath(file)) == os.path.abspath(debug_file)
            and "b" not in mode):
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = open_line_buffered
# This folder holds no package of Orca's: it must not stand in front of Orca's own.
sys.path = [p for p in sys.path if os.path.abspath(p or ".") != os.path.dirname(os.path.abspath(__file__))]
sys.argv = [launcher] + arguments
launcher_globals = runpy.run_path(launcher, run_name="orca_launcher")
# The launcher refuses to start while any other Orca of this user runs, even one in another
# session (and --replace would kill it): this Orca lives in a D-Bus session of its own.
if callable(launcher_globals.get("otherOrcas")):
    launcher_globals["main"].__globals__["otherOrcas"] = lambda: []
if callable(launcher_globals.get("main")):
    sys.exit(launcher_globals["main"]())
runpy.run_path(launcher, run_name="__main__")
