"""The screen tools on a desk of two monitors (harness.TWO_MONITORS): a 1024 x 768 monitor left of the
1280 x 800 primary, so at negative x for Windows, with a gap below it. A pick on the left monitor copies
its colour; a capture across the monitors' boundary and into the gap copies exactly those pixels, the
gap black; the window drags onto the left monitor. Needs Xorg's dummy driver (scripts/setup.sh installs it)."""

import os
import shutil
import unittest

from harness import TWO_MONITORS, Session, image_size, pixel, run, wait_until

TITLE = '取色器'
PICK_ICON = (123, 59)
CAPTURE_ICON = (123, 97)
# X's coordinates: the left monitor is X's columns 0 ... 1023, the primary's start at 1024.
LEFT_WIDTH, LEFT_HEIGHT = TWO_MONITORS[0][1], TWO_MONITORS[0][2]
DESK_SIZE = (LEFT_WIDTH + TWO_MONITORS[1][1], TWO_MONITORS[1][2])
LEFT_COLOUR, PRIMARY_COLOUR = (0x7B, 0xFF, 0xFF), (0xFF, 0xC0, 0x20)


def dummy_driver_missing():
    return not shutil.which('Xorg') or not any(
        os.path.exists(os.path.join(d, 'dummy_drv.so'))
        for d in ('/usr/lib/xorg/modules/drivers', '/usr/lib64/xorg/modules/drivers'))


def paint_monitors(s):
    """Paints the left monitor's columns in LEFT_COLOUR and the rest of the desk in PRIMARY_COLOUR
    with a root tile one row high and as wide as the desk."""
    width = DESK_SIZE[0]
    bits = [0xFF] * (LEFT_WIDTH // 8) + [0] * ((width - LEFT_WIDTH) // 8)
    path = os.path.join(s.work_dir, 'monitors.xbm')
    with open(path, 'w') as f:
        f.write(f'#define m_width {width}\n#define m_height 1\nstatic unsigned char m_bits[] = {{\n')
        f.write(', '.join(f'0x{b:02x}' for b in bits) + '};\n')
    colour = '#%02X%02X%02X'
    run(['xsetroot', '-display', s.display, '-bitmap', path, '-fg', colour % LEFT_COLOUR, '-bg',
         colour % PRIMARY_COLOUR], timeout=10)


def overlay(s):
    """The program's window that covers the whole desk, once it shows."""
    for wid in s.program_windows():
        g = s.window_geometry(wid)
        if (g['x'], g['y'], g['width'], g['height']) == (0, 0, *DESK_SIZE):
            return wid
    return None


@unittest.skipIf(dummy_driver_missing(), "Xorg's dummy driver is not installed (scripts/setup.sh installs it)")
class TwoMonitorsTest(unittest.TestCase):

    def test_pick_and_capture_on_the_monitor_left_of_the_primary(self):
        with Session(None, shipped=True, monitors=TWO_MONITORS) as s:
            paint_monitors(s)
            main = s.wait_for_window(TITLE, timeout=30)[0]
            g = s.window_geometry(main)
            self.assertGreaterEqual(g['x'], LEFT_WIDTH, 'the window starts on the primary monitor')

            # The left monitor's colour.
            s.pick(PICK_ICON, main, overlay, (300, 400), '#7BFFFF', click_at=(301, 401))

            # 24 columns of the left monitor and 26 of the primary; rows 750 ... 789 reach 22 rows
            # into the gap below the left monitor.
            left, top, right, bottom = LEFT_WIDTH - 24, 750, LEFT_WIDTH + 26, 790
            s.click(*CAPTURE_ICON, window=main)
            wait_until(lambda: overlay(s), 10, 'the capture overlay over both monitors')
            s.mouse_down(left, top)
            s.move(left + 20, top + 20)
            s.move(right, bottom)
            s.mouse_up()
            s.double_click(left + 30, top + 10)
            wait_until(lambda: not overlay(s), 10, 'the double-click ending the capture')
            path = wait_until(lambda: s.clipboard_image(os.path.join(s.work_dir, 'capture.bmp')), 10,
                              'a picture on the clipboard')
            self.assertEqual(image_size(path), (right - left, bottom - top))
            last_row = LEFT_HEIGHT - 1 - top
            expected = {(0, 0): LEFT_COLOUR, (23, last_row): LEFT_COLOUR, (24, 0): PRIMARY_COLOUR,
                        (49, 39): PRIMARY_COLOUR, (23, last_row + 1): (0, 0, 0), (0, 39): (0, 0, 0)}
            self.assertEqual({at: pixel(path, *at) for at in expected}, expected)

            # The title area drags the window onto the left monitor, at negative x for Windows.
            g = s.window_geometry(main)
            s.mouse_down(100, 12, window=main)
            s.move(g['x'] - 200, g['y'] + 50)
            s.move(300, 100)
            s.mouse_up()
            wait_until(lambda: s.window_geometry(main)['x'] == 200, 5,
                       f'the window on the left monitor (at {s.window_geometry(main)})')


if __name__ == '__main__':
    unittest.main()
