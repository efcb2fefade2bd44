#!/usr/bin/env python3
"""How long the built ColourPicker.exe takes under Wine from its splash to its main window, less
the splash's own second and a half: what start-up does beyond the splash (window, skin, hotkeys,
the first picture; the web pages are fetched in the background). Prints each run and the median;
read by people, never asserted.

    PICKER_EXE=build/windows/bin/ColourPicker.exe PICKER_WINEPREFIX=build/windows/wineprefix \\
        python3 bench/wine_startup.py [runs]
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from harness import Session  # noqa: E402

TITLE = '取色器计时'
SPLASH_SECONDS = 1.5


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 6
    beyond = []
    with Session({'btwz': TITLE}, shipped=True, launch=False) as s:
        for run in range(runs + 1):
            s.launch()
            splash = None
            while True:
                if splash is None and s.program_windows():
                    splash = time.monotonic()
                if splash is not None and s.find_windows(TITLE):
                    break
                time.sleep(0.003)
            if run > 0:  # the first start warms Wine up
                beyond.append(time.monotonic() - splash - SPLASH_SECONDS)
            s.program.terminate()
            s.program.wait(10)
            time.sleep(1)
    print('beyond the splash:', ' '.join(f'{t:.3f}' for t in beyond), 's')
    print(f'median {statistics.median(beyond):.3f} s')


if __name__ == '__main__':
    main()
