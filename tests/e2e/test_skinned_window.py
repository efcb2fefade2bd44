"""The program as it ships: splash, then the skinned main window; its tabs, dragging, the tray and
closing, as a user would use them."""

import os
import time
import unittest

from harness import Session, pixel, wait_until

TITLE = '取色器'
SPLASH_SIZE = (512, 100)
WINDOW_SIZE = (330, 500)
# Window pixels of the shipped skin.
TAB_CENTRES = [(12 + 77 * n + 37, 186) for n in range(4)]
MINIMISE = (280, 16)
CLOSE = (310, 16)
TITLE_BAND = (100, 16)
PANEL_PROBES = {  # a point that only the panel's own picture covers
    1: (40, 240),   # the colour chart
    2: (100, 300),  # the adjuster box
}


def geometry(s, wid):
    g = s.window_geometry(wid)
    return g['x'], g['y'], g['width'], g['height']


class SkinnedWindowTest(unittest.TestCase):

    def test_from_splash_to_skinned_window_and_back_to_the_desktop(self):
        with Session(None, shipped=True, launch=False) as s:
            started = time.monotonic()
            s.launch()
            # The splash: a frameless window of the splash picture's size.
            splash = wait_until(lambda: [w for w in s.program_windows()
                                         if geometry(s, w)[2:] == SPLASH_SIZE], 30, 'the splash')
            main = s.wait_for_window(TITLE, timeout=30)[0]
            shown = time.monotonic()
            print(f'\nstart-up to main window: {shown - started:.2f} s '
                  f'({shown - started - 1.5:.2f} s without the splash wait)')
            self.assertEqual(geometry(s, main)[2:], WINDOW_SIZE)
            wait_until(lambda: splash[0] not in s.visible_windows(), 10, 'the splash going away')
            time.sleep(0.5)

            left, top = geometry(s, main)[:2]
            first = s.save_shot('start')
            self.assertEqual(pixel(first, left + 60, top + 92), (255, 0, 0), 'the colour box is pure red')
            self.assertEqual(pixel(first, left + 1, top + 1), pixel(first, 1, 1),
                             'the rounded corner shows the desktop')

            for panel in (1, 2, 3, 0):
                s.click(*TAB_CENTRES[panel], window=main)
                time.sleep(0.6)
                shot = s.save_shot(f'panel-{panel}')
                if panel in PANEL_PROBES:
                    x, y = PANEL_PROBES[panel]
                    self.assertNotEqual(pixel(shot, left + x, top + y), pixel(first, left + x, top + y),
                                        f'panel {panel} shows its own picture')

            # Dragging by the title band moves the window; it stops at the screen's edge.
            s.mouse_down(*TITLE_BAND, window=main)
            s.move(left + TITLE_BAND[0] + 40, top + TITLE_BAND[1] + 30)
            s.move(left + TITLE_BAND[0] + 41, top + TITLE_BAND[1] + 31)
            s.mouse_up()
            wait_until(lambda: geometry(s, main)[:2] == (left + 41, top + 31), 5,
                       f'the window moving (it is at {geometry(s, main)[:2]})')
            left, top = geometry(s, main)[:2]
            s.mouse_down(*TITLE_BAND, window=main)
            s.move(5, top + TITLE_BAND[1])
            s.move(4, top + TITLE_BAND[1])
            s.mouse_up()
            wait_until(lambda: geometry(s, main)[0] == 0, 5, f'the window stopping at the left edge '
                       f'(it is at {geometry(s, main)[:2]})')

            # Minimise hides to the tray; a click on the tray icon brings the window back.
            s.click(*MINIMISE, window=main)
            wait_until(lambda: main not in s.visible_windows(), 10, 'the window hiding')
            tray = s.wait_for_window('Wine System Tray', timeout=10)[0]
            tx, ty, tw, th = geometry(s, tray)
            s.save_shot('tray')
            s.click(tx + min(tw, th) // 2, ty + th // 2)
            wait_until(lambda: main in s.visible_windows(), 10, 'the window coming back from the tray')

            # Close ends the program.
            left, top = geometry(s, main)[:2]
            s.click(left + CLOSE[0], top + CLOSE[1])
            self.assertEqual(s.wait_exit(15), 0)

    def test_the_first_click_after_start_up_acts(self):
        # It was once lost: the window that replaced the splash did not have the focus.
        with Session(None, shipped=True) as s:
            main = s.wait_for_window(TITLE, timeout=30)[0]
            s.click(*MINIMISE, window=main)
            wait_until(lambda: main not in s.visible_windows(), 5, 'the window hiding after one click')


if __name__ == '__main__':
    unittest.main()
