"""The recent and saved colours of the shipped program: saving the current colour, choosing and
reordering swatches, both lists across a restart; and the adjuster and the colour chart setting the
current colour and recording it."""

import re
import time
import unittest

from harness import Session, pixel, wait_until

TITLE = '取色器'
# Window pixels of the shipped skin.
COLOUR_BOX = (60, 92)
WEB_NOTATION_BOX = (265, 81)
CLOSE = (310, 16)
TAB_CENTRES = [(12 + 77 * n + 37, 186) for n in range(4)]
RECENT_SWATCHES = [(12 + 34 * (j % 9) + 15, 228 + 34 * (j // 9) + 15) for j in range(18)]
SAVED_SWATCHES = [(12 + 34 * (j % 9) + 15, 324 + 34 * (j // 9) + 15) for j in range(36)]
BOX = (12, 208)    # the adjuster box's corner; 204 x 204, two pixels a unit
STRIP_X = 242
CHART = (12, 208)  # the colour chart's corner; 306 x 160
# Windows counts two clicks closer than this as a double-click.
APART = 0.8


def entry(rgb):
    r, g, b = rgb
    return '&H%X' % (b << 16 | g << 8 | r)


class ColourListsTest(unittest.TestCase):

    def start(self, s):
        s.launch()
        main = s.wait_for_window(TITLE, timeout=30)[0]
        time.sleep(1)
        g = s.window_geometry(main)
        return main, (g['x'], g['y'])

    def shot_pixel(self, s, origin, at, name='shot'):
        return pixel(s.save_shot(name), origin[0] + at[0], origin[1] + at[1])

    def stored(self, s, key):
        return (s.read_settings() or {}).get('RJSZ', {}).get(key)

    def test_lists_fill_select_reorder_and_survive_a_restart(self):
        with Session(None, shipped=True, launch=False) as s:
            with open(s.settings_path, 'rb') as f:
                shipped = f.read()
            with open(s.settings_path, 'wb') as f:
                f.write(re.sub(rb'ZJYS=[^\r\n]*', b'ZJYS=&HC8800A,&H336699', shipped))
            main, origin = self.start(s)

            s.double_click(*COLOUR_BOX, window=main)
            wait_until(lambda: self.stored(s, 'wdYS') == '&HFF', 5,
                       f'&HFF saved (wdYS is {self.stored(s, "wdYS")!r})')
            self.assertEqual(self.shot_pixel(s, origin, SAVED_SWATCHES[0], 'saved'), (255, 0, 0))

            time.sleep(APART)
            s.click(*RECENT_SWATCHES[1], window=main)
            time.sleep(APART)
            s.double_click(*WEB_NOTATION_BOX, window=main)
            wait_until(lambda: s.clipboard_text() == '#996633', 5,
                       f'#996633 on the clipboard (it holds {s.clipboard_text()!r})')

            time.sleep(APART)
            s.double_click(*RECENT_SWATCHES[1], window=main)
            wait_until(lambda: self.stored(s, 'ZJYS') == '&H336699,&HC8800A', 5,
                       f'the swatch moved forward (ZJYS is {self.stored(s, "ZJYS")!r})')

            s.click(*CLOSE, window=main)
            self.assertEqual(s.wait_exit(15), 0)
            main, origin = self.start(s)
            shot = s.save_shot('restarted')
            self.assertEqual(pixel(shot, origin[0] + RECENT_SWATCHES[0][0], origin[1] + RECENT_SWATCHES[0][1]),
                             (0x99, 0x66, 0x33))
            self.assertEqual(pixel(shot, origin[0] + RECENT_SWATCHES[1][0], origin[1] + RECENT_SWATCHES[1][1]),
                             (0x0A, 0x80, 0xC8))
            self.assertEqual(pixel(shot, origin[0] + SAVED_SWATCHES[0][0], origin[1] + SAVED_SWATCHES[0][1]),
                             (255, 0, 0))
            self.assertTrue(s.process_alive(), s.program_log())

    def test_adjuster_and_chart_set_the_colour(self):
        with Session(None, shipped=True, launch=False) as s:
            main, origin = self.start(s)

            def at(point):
                return origin[0] + point[0], origin[1] + point[1]

            s.click(*TAB_CENTRES[2], window=main)
            time.sleep(0.6)
            shot = s.save_shot('adjuster')
            # The ring starts at (52, 48) in the box's units: 106 pixels from its corner each way.
            under_ring = pixel(shot, *at((BOX[0] + 106, BOX[1] + 106)))
            self.assertEqual(pixel(shot, *at(COLOUR_BOX)), under_ring, 'the colour under the ring')

            pressed = (BOX[0] + 40, BOX[1] + 30)
            expected = pixel(shot, *at(pressed))
            s.click(*pressed, window=main)
            time.sleep(0.5)
            self.assertEqual(self.shot_pixel(s, origin, COLOUR_BOX), expected)
            wait_until(lambda: self.stored(s, 'ZJYS') == entry(expected), 5,
                       f'{entry(expected)} recorded (ZJYS is {self.stored(s, "ZJYS")!r})')

            # A press on the strip draws the box anew; the ring stays where it was.
            s.click(STRIP_X, BOX[1] + 150, window=main)
            time.sleep(0.5)
            shot = s.save_shot('new-hue')
            self.assertNotEqual(pixel(shot, *at(pressed)), expected)
            self.assertEqual(pixel(shot, *at(COLOUR_BOX)), pixel(shot, *at(pressed)))

            # A drag sets the colour at every step and records nothing.
            target = (BOX[0] + 150, BOX[1] + 170)
            expected = pixel(shot, *at(target))
            s.mouse_down(BOX[0] + 100, BOX[1] + 100, window=main)
            s.move(*at((BOX[0] + 130, BOX[1] + 140)))
            s.move(*at(target))
            s.mouse_up()
            time.sleep(0.5)
            self.assertEqual(self.shot_pixel(s, origin, COLOUR_BOX), expected)
            self.assertEqual(self.stored(s, 'ZJYS').count(','), 1, 'the press before the drag only')

            s.click(*TAB_CENTRES[1], window=main)
            time.sleep(0.6)
            chart_point = (CHART[0] + 200, CHART[1] + 60)
            chart_colour = pixel(s.save_shot('chart'), *at(chart_point))
            s.click(*chart_point, window=main)
            time.sleep(0.5)
            self.assertEqual(self.shot_pixel(s, origin, COLOUR_BOX), chart_colour)
            wait_until(lambda: self.stored(s, 'ZJYS').split(',')[0] == entry(chart_colour), 5,
                       f'the chart colour recorded (ZJYS is {self.stored(s, "ZJYS")!r})')
            self.assertTrue(s.process_alive(), s.program_log())


if __name__ == '__main__':
    unittest.main()
