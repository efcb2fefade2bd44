"""The shipped program on a 200 % screen (LogPixels 192): the window is twice the skin's size, its
texts are drawn whole at that size, and a pick started from its scaled icon copies the very pixel
under the pointer; a skin whose tall, thin separator is drawn wide and flat opens without asking
for hundreds of megabytes."""

import os
import re
import unittest

from harness import HarnessError, Session, _live_processes_with_env, pixel, run, wait_until

TITLE = '取色器'
SCREEN = (2560, 1600)
SCALE = 2
SKIN_SIZE = (330, 500)
# Window units of the shipped skin.
PICK_ICON = (123, 59)
COLOUR_BOX = (12, 44)
COLOUR_BOX_CENTRE = (56, 92)
# The caption "十进制" starts here; its notation box starts at unit 200.
FIRST_CAPTION = (146, 48)
FIRST_BOX_LEFT = 200
DESKTOP_KEY = r'HKCU\Control Panel\Desktop'


def dark_pixels(image_path, left, top, width, height):
    """(x, y) of the pixels in a rectangle of an image that are clearly darker than mid-grey."""
    r = run(['convert', image_path, '-crop', f'{width}x{height}+{left}+{top}', '+repage', '-depth', '8',
             'txt:-'], timeout=20)
    found = []
    for m in re.finditer(rb'^(\d+),(\d+): \((\d+),(\d+),(\d+)', r.stdout, re.M):
        x, y, red, green, blue = map(int, m.groups())
        if red + green + blue < 3 * 110:
            found.append((left + x, top + y))
    if not r.stdout:
        raise HarnessError(f'no pixels in {image_path}')
    return found


def peak_memory_mib(s):
    """The highest resident memory the program's process has had, in MiB."""
    name = os.path.basename(s.exe)
    peak = 0
    for pid, cmd in _live_processes_with_env(f'DISPLAY={s.display}'.encode()):
        if name not in cmd:
            continue
        try:
            with open(f'/proc/{pid}/status') as f:
                found = re.search(r'^VmHWM:\s+(\d+) kB', f.read(), re.M)
        except OSError:
            continue
        if found:
            peak = max(peak, int(found.group(1)) // 1024)
    return peak


def overlay(s):
    for wid in s.program_windows():
        g = s.window_geometry(wid)
        if (g['x'], g['y'], g['width'], g['height']) == (0, 0, *SCREEN):
            return wid
    return None


class ScaledWindowTest(unittest.TestCase):

    def test_at_200_percent_the_window_is_twice_the_skin_with_whole_texts_and_an_exact_pick(self):
        with Session(None, shipped=True, launch=False, screen_size=SCREEN) as s:
            s.wine('reg', 'add', DESKTOP_KEY, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '192', '/f')
            try:
                s.set_root_colour('#7BFFFF')
                s.launch()
                main = s.wait_for_window(TITLE, timeout=30)[0]
                wait_until(lambda: (s.window_geometry(main)['width'], s.window_geometry(main)['height'])
                           == (SKIN_SIZE[0] * SCALE, SKIN_SIZE[1] * SCALE), 10,
                           f'a window twice the skin\'s size (it is {s.window_geometry(main)})')
                g = s.window_geometry(main)
                # Painted once the colour box shows pure red.
                centre = (g['x'] + COLOUR_BOX_CENTRE[0] * SCALE, g['y'] + COLOUR_BOX_CENTRE[1] * SCALE)
                shot = wait_until(lambda: (lambda path: pixel(path, *centre) == (255, 0, 0) and path)(
                    s.save_shot('scaled-200')), 10, 'the window painted')

                # The caption's glyphs at twice their 96-DPI size: three characters of about 24
                # pixels, all of them left of the notation box, none cut at the top or bottom.
                left, top = g['x'] + FIRST_CAPTION[0] * SCALE, g['y'] + FIRST_CAPTION[1] * SCALE
                ink = dark_pixels(shot, left, top - 8, (FIRST_BOX_LEFT - FIRST_CAPTION[0]) * SCALE, 48)
                self.assertTrue(ink, 'no caption drawn')
                xs, ys = [x for x, _ in ink], [y for _, y in ink]
                self.assertGreaterEqual(max(xs) - min(xs), 60, 'the caption is cut or drawn at 96-DPI size')
                self.assertGreaterEqual(max(ys) - min(ys), 18, 'the caption is cut or drawn at 96-DPI size')
                self.assertLess(max(xs), g['x'] + FIRST_BOX_LEFT * SCALE - 2)
                self.assertGreater(min(ys), top - 8)
                self.assertLess(max(ys), top + 39)

                # The pick from the icon at its scaled place reads the screen's own pixel at the
                # colour box's corner and just outside the window.
                for x, y in ((g['x'] + COLOUR_BOX[0] * SCALE, g['y'] + COLOUR_BOX[1] * SCALE),
                             (g['x'] - 1, g['y'] + COLOUR_BOX[1] * SCALE)):
                    expected = '#%02X%02X%02X' % pixel(shot, x, y)
                    s.pick((PICK_ICON[0] * SCALE + 5, PICK_ICON[1] * SCALE + 5), main, overlay, (x, y), expected)
            finally:
                if s.process_alive():
                    s.program.kill()
                    s.program.wait()
                s.wine('reg', 'add', DESKTOP_KEY, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '96', '/f')

    def test_a_tall_thin_separator_drawn_wide_and_flat_at_200_percent_stays_small(self):
        # Resampling it once held every source row at the result's width: 334 MB at 200 %.
        with Session(None, shipped=True, launch=False, screen_size=SCREEN) as s:
            skin = os.path.join(s.program_dir, 'skin', 'Flat')
            run(['convert', '-size', '34x3073', 'xc:#336699', os.path.join(skin, 'separator.png')], timeout=20)
            with open(os.path.join(skin, 'shizhi.ini'), 'rb') as f:
                description = f.read()
            for key, value in ((b'FengGeXian_W', b'3131'), (b'FengGeXian_H', b'1')):
                description = re.sub(rb'^' + key + rb'=\d+', key + b'=' + value, description, flags=re.M)
            with open(os.path.join(skin, 'shizhi.ini'), 'wb') as f:
                f.write(description)
            s.wine('reg', 'add', DESKTOP_KEY, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '192', '/f')
            try:
                s.launch()
                main = s.wait_for_window(TITLE, timeout=30)[0]
                g = s.window_geometry(main)
                self.assertEqual((g['width'], g['height']), (SKIN_SIZE[0] * SCALE, SKIN_SIZE[1] * SCALE))
                centre = (g['x'] + COLOUR_BOX_CENTRE[0] * SCALE, g['y'] + COLOUR_BOX_CENTRE[1] * SCALE)
                wait_until(lambda: pixel(s.save_shot('tall-separator'), *centre) == (255, 0, 0), 10,
                           'the window painted')
                peak = peak_memory_mib(s)
                print(f'\npeak memory with the tall separator at 200 %: {peak} MiB')
                self.assertGreater(peak, 0, 'the program\'s process not found')
                self.assertLess(peak, 120)
                self.assertTrue(s.process_alive())
            finally:
                if s.process_alive():
                    s.program.kill()
                    s.program.wait()
                s.wine('reg', 'add', DESKTOP_KEY, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '96', '/f')


if __name__ == '__main__':
    unittest.main()
