"""The shipped program with the keyboard alone: Tab reaches a notation box, where Enter copies it,
and the saved colours, where the arrows move and Enter chooses one."""

import re
import time
import unittest

from harness import Session, wait_until

TITLE = '取色器'
# From the start: the two title buttons, the colour box, pick, capture, then the notation boxes.
TABS_TO_WEB_NOTATION = 7
# From the web notation box: two more boxes, the check box, the four tabs, the recent colours.
TABS_ON_TO_SAVED_COLOURS = 9


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


if __name__ == '__main__':
    unittest.main()
