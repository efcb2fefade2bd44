"""The screen tools as a user drives them from the shipped program: a pick started from its icon
copies the colour under the pointer; a capture puts exactly the selected pixels on the clipboard;
Esc ends a capture and leaves the clipboard alone."""

import os
import time
import unittest

from harness import SCREEN_SIZE, Session, image_size, pixel, wait_until

TITLE = '取色器'
# Window pixels of the shipped skin.
PICK_ICON = (123, 59)
CAPTURE_ICON = (123, 97)
COPY_PREFIX_BOX = (20, 160)
COLOUR_BOX = (60, 92)
DESKTOP = '#7BFFFF'


def overlay(s):
    """The program's window that covers the whole screen, once it shows."""
    for wid in s.program_windows():
        g = s.window_geometry(wid)
        if (g['width'], g['height']) == SCREEN_SIZE and (g['x'], g['y']) == (0, 0):
            return wid
    return None


class ScreenToolsTest(unittest.TestCase):

    def test_a_pick_copies_the_colour_under_the_pointer(self):
        with Session(None, shipped=True) as s:
            s.set_root_colour(DESKTOP)
            main = s.wait_for_window(TITLE, timeout=30)[0]
            for expected in ('#7BFFFF', '7BFFFF'):
                s.pick(PICK_ICON, main, overlay, (40, 40), expected, click_at=(41, 41))
                # The next pick copies without the prefix.
                s.click(*COPY_PREFIX_BOX, window=main)
            g = s.window_geometry(main)
            shot = s.save_shot('after-pick')
            self.assertEqual(pixel(shot, g['x'] + COLOUR_BOX[0], g['y'] + COLOUR_BOX[1]), (0x7B, 0xFF, 0xFF))

    def test_a_capture_copies_exactly_the_selected_pixels_and_esc_copies_nothing(self):
        with Session(None, shipped=True) as s:
            s.set_root_colour(DESKTOP)
            main = s.wait_for_window(TITLE, timeout=30)[0]
            g = s.window_geometry(main)

            s.click(*CAPTURE_ICON, window=main)
            shown = wait_until(lambda: overlay(s), 10, 'the capture overlay')
            s.key('Escape', window=shown)
            wait_until(lambda: not overlay(s), 10, 'Esc closing the overlay')
            self.assertIsNone(s.clipboard_image(os.path.join(s.work_dir, 'none.bmp'), timeout=5),
                              'no picture after Esc')

            # A region from the desktop left of the window into its red colour box.
            left, top = g['x'] - 20, g['y'] + 80
            right, bottom = g['x'] + 70, g['y'] + 110
            s.click(*CAPTURE_ICON, window=main)
            wait_until(lambda: overlay(s), 10, 'the capture overlay')
            s.mouse_down(left, top)
            s.move(left + 30, top + 10)
            s.move(right, bottom)
            s.mouse_up()
            s.save_shot('selected')
            s.double_click(left + 40, top + 15)
            wait_until(lambda: not overlay(s), 10, 'the double-click ending the capture')
            path = wait_until(lambda: s.clipboard_image(os.path.join(s.work_dir, 'capture.bmp')), 10,
                              'a picture on the clipboard')
            self.assertEqual(image_size(path), (right - left, bottom - top))
            self.assertEqual(pixel(path, 5, 5), (0x7B, 0xFF, 0xFF), 'the desktop, not darkened')
            self.assertEqual(pixel(path, 20 + COLOUR_BOX[0] - 5, 15), (255, 0, 0), 'the colour box')

    def test_at_150_percent_scaling_the_pick_reads_the_very_pixel_under_the_pointer(self):
        desktop_key = r'HKCU\Control Panel\Desktop'
        with Session(None, shipped=True, launch=False) as s:
            s.wine('reg', 'add', desktop_key, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '144', '/f')
            try:
                s.set_root_colour(DESKTOP)
                s.launch()
                main = s.wait_for_window(TITLE, timeout=30)[0]
                g = s.window_geometry(main)
                # Across the window's left edge, back and forth: the desktop, the window's first
                # column, the desktop, its second column. Each pick copies the screen's own pixel,
                # and something else than the pick before.
                y = g['y'] + COLOUR_BOX[1]
                xs = [g['x'] + dx for dx in (-1, 0, -1, 1)]
                previous = None
                for x in xs:
                    time.sleep(0.3)
                    expected = '#%02X%02X%02X' % pixel(s.save_shot('scaled'), x, y)
                    self.assertNotEqual(expected, previous, f'two picks in a row would copy {expected}')
                    previous = expected
                    # The window is scaled with the screen: its icon lies at one and a half times its place.
                    s.pick((PICK_ICON[0] * 3 // 2, PICK_ICON[1] * 3 // 2), main, overlay, (x, y), expected,
                           while_shown=lambda overlaid: self.assertEqual(
                               s.window_geometry(overlaid)['width'], SCREEN_SIZE[0]))
            finally:
                if s.process_alive():
                    s.program.kill()
                    s.program.wait()
                s.wine('reg', 'add', desktop_key, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '96', '/f')


if __name__ == '__main__':
    unittest.main()
