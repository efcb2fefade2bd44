"""The main window's current colour: its four notation boxes, and a double-click on each putting
its text on the clipboard, with or without the "#" and "&H" prefix as the check box says; the
colour box's menu of further notations, from the mouse and from the keyboard."""

import time
import unittest

from harness import Session, pixel, wait_until

TITLE = '取色器'
# Where the built-in layout puts things, in window pixels.
NOTATION_BOXES = [(265, 55 + 26 * n) for n in range(4)]
COPY_PREFIX_BOX = (20, 160)
COLOUR_BOX = (60, 92)

RED_TEXTS = ['255,0,0', '#FF0000', '&HFF', '0%,100%,100%,0%']
RED_TEXTS_WITHOUT_PREFIX = ['255,0,0', 'FF0000', 'FF', '0%,100%,100%,0%']


class NotationTest(unittest.TestCase):

    def test_double_click_copies_each_notation(self):
        with Session({'btwz': TITLE}) as s:
            window = s.wait_for_window(TITLE)[0]
            time.sleep(1)
            shot = s.save_shot('main-window')
            geometry = s.window_geometry(window)
            left, top = geometry['x'], geometry['y']
            self.assertEqual(pixel(shot, left + COLOUR_BOX[0], top + COLOUR_BOX[1]), (255, 0, 0))

            # Each copy differs from the one before it, so each shows as a change of the clipboard.
            for expected_texts in (RED_TEXTS, RED_TEXTS_WITHOUT_PREFIX):
                for (x, y), expected in zip(NOTATION_BOXES, expected_texts):
                    s.double_click(x, y, window=window)
                    wait_until(lambda: s.clipboard_text() == expected, 5,
                                 f'{expected!r} on the clipboard (it holds {s.clipboard_text()!r})')
                # Untick the copy-prefix option for the second round.
                s.click(*COPY_PREFIX_BOX, window=window)
                time.sleep(0.5)
            self.assertTrue(s.process_alive(), s.program_log())

    def test_colour_box_menu_copies_the_entry_chosen(self):
        with Session({'btwz': TITLE}) as s:
            window = s.wait_for_window(TITLE)[0]
            time.sleep(1)
            s.xdo('windowfocus', window)
            s.click(*COLOUR_BOX, button=3, window=window)
            time.sleep(1)
            # The second entry: the CSS rgb form.
            s.key('Down', 'Down', 'Return')
            wait_until(lambda: s.clipboard_text() == 'rgb(255, 0, 0)', 5,
                       f'rgb(255, 0, 0) on the clipboard (it holds {s.clipboard_text()!r})')

            # Tab to the colour box (after the two title buttons), Shift+F10, the first entry.
            s.key('Tab', 'Tab', 'Tab', 'shift+F10', window=window)
            time.sleep(1)
            s.key('Down', 'Return')
            wait_until(lambda: s.clipboard_text() == '#ff0000', 5,
                       f'#ff0000 on the clipboard (it holds {s.clipboard_text()!r})')
            self.assertTrue(s.process_alive(), s.program_log())


if __name__ == '__main__':
    unittest.main()
