#!/usr/bin/env python3
"""How quickly the pick and capture overlays open under Wine and what memory they take, on one
3840 x 2160 screen and on a desk of two monitors (tests/e2e/harness.py's TWO_MONITORS): runs
picker_overlay_open.exe (bench/win32/OverlayOpen.cpp, built here first) on each and prints what it
says. Read by people, never asserted.

    PICKER_WINEPREFIX=build/windows/wineprefix python3 bench/wine_overlay.py [runs]
"""

import os
import subprocess
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
from harness import TWO_MONITORS, Session  # noqa: E402

DESKS = (('one 3840 x 2160 screen', {'screen_size': (3840, 2160)}),
         ('two monitors', {'monitors': TWO_MONITORS}))


def main():
    runs = sys.argv[1] if len(sys.argv) > 1 else '7'
    subprocess.run(['cmake', '--build', '--preset', 'windows', '--target', 'picker_overlay_open'], cwd=ROOT,
                   check=True, stdout=subprocess.DEVNULL)
    exe = os.path.join(ROOT, 'build', 'windows', 'bin', 'picker_overlay_open.exe')
    for name, desk in DESKS:
        print(f'== {name}', flush=True)
        with Session(None, launch=False, **desk) as s:
            s.set_root_colour('#7BFFFF')
            env = s._wine_ready()
            subprocess.run(['wine', exe, runs], env=env, cwd=s.work_dir, check=True, timeout=600)


if __name__ == '__main__':
    main()
