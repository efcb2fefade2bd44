"""The shipped program with the keyboard alone: Tab reaches a notation box, where Enter copies it,
and the saved colours, where the arrows move and Enter chooses one. A screen reader in another
process finds the painted controls by role and name, and its press on the pick button starts a
pick. A pick started by its hotkey from another program goes on with the arrows and ends with
Enter."""

import os
import re
import time
import unittest

from harness import SCREEN_SIZE, Session, pixel, run, wait_until, wine_env

TITLE = '取色器'
DEFAULT_KJJ = '0:123,4:81,4:66,4:70,4:74,1'
# From the start: the two title buttons, the colour box, pick, capture, then the notation boxes.
TABS_TO_WEB_NOTATION = 7
# From the web notation box: two more boxes, the check box, the four tabs, the recent colours.
TABS_ON_TO_SAVED_COLOURS = 9


# The system's role numbers.
GRAPHIC, PUSH_BUTTON, LIST_ITEM = 40, 43, 34


def ask_screen_reader(s, press=None):
    """(role, name) of each child of the main window's client area, as another process sees them."""
    out = os.path.join(s.work_dir, 'accessible.txt')
    args = ['wine', os.environ['PICKER_ACCESSIBILITY_PROBE'], s.windows_path(out)] + ([press] if press else [])
    with open(os.path.join(s.work_dir, 'probe.log'), 'wb') as log:
        code = run(args, env=wine_env(s.prefix, s.display), timeout=30, log=log, check=False).returncode
    if code != 0:
        raise AssertionError(f'the accessibility probe failed with {code}')
    with open(out, encoding='utf-8') as f:
        return [(int(role), name) for role, name in (line.rstrip('\n').split('\t', 1) for line in f)]


def overlay(s):
    for wid in s.program_windows():
        g = s.window_geometry(wid)
        if (g['width'], g['height']) == SCREEN_SIZE and (g['x'], g['y']) == (0, 0):
            return wid
    return None


class KeyboardTest(unittest.TestCase):

    def test_tab_to_a_notation_box_copies_it_and_arrows_choose_a_saved_colour(self):
        with Session(None, shipped=True, launch=False) as s:
            with open(s.settings_path, 'rb') as f:
                shipped = f.read()
            with open(s.settings_path, 'wb') as f:
                f.write(re.sub(rb'wdYS=[^\r\n]*', b'wdYS=&H336699,&HC8800A', shipped))
            s.launch()
            main = s.wait_for_window(TITLE, timeout=30)[0]
            time.sleep(1)

            # The window takes the focus once; the keys follow in one go.
            s.key(*['Tab'] * TABS_TO_WEB_NOTATION, 'Return', window=main)
            wait_until(lambda: s.clipboard_text() == '#FF0000', 5,
                       f'#FF0000 on the clipboard (it holds {s.clipboard_text()!r})')

            s.key(*['Tab'] * TABS_ON_TO_SAVED_COLOURS, 'Right', 'Return',
                  *['shift+Tab'] * TABS_ON_TO_SAVED_COLOURS, 'Return')
            wait_until(lambda: s.clipboard_text() == '#0A80C8', 5,
                       f'the second saved colour copied (the clipboard holds {s.clipboard_text()!r})')

            tree = ask_screen_reader(s)
            for child in ((PUSH_BUTTON, '屏幕取色'), (GRAPHIC, '网页色 #0A80C8'), (LIST_ITEM, '保存的颜色 2：#0A80C8'),
                          (LIST_ITEM, '保存的颜色 3：空')):
                self.assertIn(child, tree)
            ask_screen_reader(s, press='屏幕取色')
            wait_until(lambda: overlay(s), 10, 'the pick overlay')
            s.click(41, 41)
            wait_until(lambda: not overlay(s), 10, 'the pick ending')

    def test_a_pick_from_another_program_moves_with_the_arrows_and_ends_with_enter(self):
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}) as s:
            s.set_root_grid('#7BFFFF', '#C8800A')
            window = s.wait_for_window(TITLE)[0]
            s.key('F12', window=window)
            s.key('F12', window=window)
            wait_until(lambda: not s.find_windows(TITLE), 5, 'the window hidden')
            others = [w for w in s.visible_windows() if w not in s.program_windows()]
            self.assertTrue(others, f'a Wine window to give the focus to: {s.describe_windows()}')

            shot = s.save_shot('grid')
            x, y = next((x, y) for y in range(400, 410) for x in range(600, 610)
                        if pixel(shot, x - 1, y) != pixel(shot, x, y))
            expected = '#%02X%02X%02X' % pixel(shot, x - 1, y)
            s.move(x, y)
            s.key('shift+q', window=others[-1])
            wait_until(lambda: overlay(s), 5, 'the pick overlay')
            # The keys go wherever the system put the focus, as a user's would.
            s.key('Left', 'Return')
            wait_until(lambda: s.clipboard_text() == expected, 5,
                       f'{expected} picked one pixel left of the pointer (the clipboard holds {s.clipboard_text()!r})')
            wait_until(lambda: not overlay(s), 5, 'the pick ending')


if __name__ == '__main__':
    unittest.main()
