"""The five system-wide hotkeys, the hotkey panel and the ticker of the maker's pages, with a
stand-in for the maker's site on 127.0.0.1 (the end-to-end tests' copy of the program,
ColourPickerLocalWeb.exe, fetches from there)."""

import hashlib
import os
import time
import unittest
import urllib.parse

from harness import PageServer, Session, run, wait_until

TITLE = '取色器热键'
DEFAULT_KJJ = '0:123,4:81,4:66,4:70,4:74,1'
WEB_BASE = os.environ.get('PICKER_LOCAL_WEB_BASE', 'http://127.0.0.1:47251')
LOCAL_WEB_EXE = os.environ.get('PICKER_LOCAL_WEB_EXE')
# Where the built-in layout puts things, in window pixels.
WEB_NOTATION_BOX = (265, 81)
HOTKEY_TAB = (280, 186)
CHORD_BOXES = [(224, 219 + 30 * n) for n in range(5)]
SAVE_BUTTON = (282, 408)
TICKER = (10, 476, 320, 22)  # x, y, width, height
TICKER_PAGE = ('成功\r\n第一条=========http://127.0.0.1/one\r\n'
               '第二条链接文字=========http://127.0.0.1/two').encode('gbk')


def loopback_port():
    url = urllib.parse.urlsplit(WEB_BASE)
    return url.port or 80 if url.hostname == '127.0.0.1' else None


class HotkeysTest(unittest.TestCase):

    def crop_digest(self, s, rect, window):
        g = s.window_geometry(window)
        shot = s.screenshot(os.path.join(s.work_dir, 'ticker.png'))
        x, y, w, h = rect
        r = run(['convert', shot, '-crop', f'{w}x{h}+{g["x"] + x}+{g["y"] + y}', '+repage', 'rgb:-'], timeout=20)
        return hashlib.sha1(r.stdout).hexdigest()

    def copied_web_notation(self, s, window, expected):
        # Each copy differs from the one before, so the clipboard needs no text of another program
        # first (Wine's clipboard manager takes such a text in on its own time, racing the copy).
        # A loaded machine now and then delivers the two clicks too far apart for a double-click.
        # Another program's window may lie over the box.
        s.xdo('windowraise', window)
        for attempt in range(2):
            s.double_click(*WEB_NOTATION_BOX, window=window)
            try:
                wait_until(lambda: s.clipboard_text() == expected, 3, f'{expected!r} copied')
                break
            except AssertionError:
                if attempt:
                    raise

    def test_hotkeys_panel_and_ticker(self):
        port = loopback_port()
        if port is None or not LOCAL_WEB_EXE:
            self.skipTest('set PICKER_LOCAL_WEB_EXE to the copy of the program that fetches from PICKER_LOCAL_WEB_BASE')
        pages = {'/colourpicker/ticker.txt': (TICKER_PAGE, 1.0),
                 # Never answered: the window must not wait for it.
                 '/colourpicker/picture.html': (b'', None)}
        with PageServer(port, pages) as server, \
                Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}, exe=LOCAL_WEB_EXE) as s:
            window = s.wait_for_window(TITLE)[0]
            wait_until(lambda: server.held, 5, 'the picture page asked for')
            self.assertTrue(s.find_windows(TITLE), 'the window is up while a page is still unanswered')

            # The fallback entry first, then the page's entries in turn: 1, 2, 1.
            seen = []
            deadline = time.monotonic() + 8
            while time.monotonic() < deadline and len(seen) < 4:
                digest = self.crop_digest(s, TICKER, window)
                if not seen or seen[-1] != digest:
                    seen.append(digest)
                time.sleep(0.2)
            s.save_shot('ticker')
            self.assertEqual(len(seen), 4, 'the fallback, entry 1, entry 2, entry 1 again')
            fallback, first, second, again = seen
            self.assertEqual(first, again)
            self.assertEqual(len({fallback, first, second}), 3)

            # Shift+F flips the copy prefix: the web notation is copied with and without "#".
            self.copied_web_notation(s, window, '#FF0000')
            s.key('shift+f', window=window)
            self.copied_web_notation(s, window, 'FF0000')

            # A chord changed on the hotkey panel is stored and works at once.
            s.click(*HOTKEY_TAB, window=window)
            s.click(*CHORD_BOXES[3], window=window)
            time.sleep(0.3)
            s.key('ctrl+shift+k')
            s.save_shot('hotkey-panel')
            s.click(*SAVE_BUTTON, window=window)
            wait_until(lambda: (s.read_settings() or {}).get('RJSZ', {}).get('kjj') == '0:123,4:81,4:66,6:75,4:74,1',
                       5, f'the new chord in path.ini ({s.read_settings()})')
            # The chord box keeps the focus, and with it the keys, until the user goes elsewhere.
            s.focus_other_program()
            s.key('ctrl+shift+k')
            self.copied_web_notation(s, window, '#FF0000')

            # F12: the first press leaves the window shown, also held past the key's repeat; the
            # second hides it to the tray, a third (with the tray's window in front) brings it back.
            s.key_down('F12', window=window)
            shown = []
            deadline = time.monotonic() + 1.5
            while time.monotonic() < deadline:
                shown.append(bool(s.find_windows(TITLE)))
            s.key_up('F12')
            self.assertTrue(all(shown), 'a held F12 acts once')
            time.sleep(0.3)
            self.assertTrue(s.find_windows(TITLE))
            s.key('F12', window=window)
            wait_until(lambda: not s.find_windows(TITLE), 5, 'the window hidden')
            others = [w for w in s.visible_windows() if w not in s.program_windows()]
            self.assertTrue(others, f'a Wine window to give the focus to: {s.describe_windows()}')
            s.key('F12', window=others[-1])
            wait_until(lambda: s.find_windows(TITLE), 5, 'the window back')

            # A page still unanswered does not hold the program at its end.
            s.close_window(s.find_windows(TITLE)[0])
            self.assertEqual(s.wait_exit(10), 0)

    def test_shift_q_picks_while_another_window_has_the_focus(self):
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}) as s:
            s.set_root_colour('#7BFFFF')
            window = s.wait_for_window(TITLE)[0]
            s.key('F12', window=window)
            s.key('F12', window=window)
            wait_until(lambda: not s.find_windows(TITLE), 5, 'the window hidden')
            others = [w for w in s.visible_windows() if w not in s.program_windows()]
            s.key('shift+q', window=others[-1])
            wait_until(lambda: s.program_windows(), 5, 'the pick overlay')
            s.click(1200, 700)
            wait_until(lambda: s.clipboard_text() == '#7BFFFF', 5, 'the picked colour on the clipboard')

    def test_shift_b_saves_the_current_colour(self):
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ, 'wdYS': ''}) as s:
            window = s.wait_for_window(TITLE)[0]
            s.key('shift+b', window=window)
            wait_until(lambda: (s.read_settings() or {}).get('RJSZ', {}).get('wdYS') == '&HFF', 5,
                       'red in the saved colours')

    def test_shift_j_from_another_program_starts_a_capture_that_takes_the_keys(self):
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}) as s:
            s.wait_for_window(TITLE)
            before = set(s.program_windows())
            s.focus_other_program()
            s.move(600, 400)
            s.key('shift+j')
            overlay = wait_until(lambda: set(s.program_windows()) - before, 5, 'the capture overlay').pop()
            s.move(590, 390)
            s.move(600, 400)
            # Each arrow widens or heightens the selection by a pixel and takes the pointer along.
            s.key('Right', 'Right', 'Down')
            wait_until(lambda: s.pointer() == (602, 401), 5, f'the pointer following the arrows (at {s.pointer()})')
            s.key('Escape')
            wait_until(lambda: overlay not in s.program_windows(), 5, 'Esc closing the capture')

    def test_alt_q_typed_into_a_box_is_saved_and_works_from_another_program(self):
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}) as s:
            window = s.wait_for_window(TITLE)[0]
            s.click(*HOTKEY_TAB, window=window)
            s.click(*CHORD_BOXES[3], window=window)
            time.sleep(0.3)
            s.key('alt+q')
            s.click(*SAVE_BUTTON, window=window)
            wait_until(lambda: (s.read_settings() or {}).get('RJSZ', {}).get('kjj') == '0:123,4:81,4:66,1:81,4:74,1',
                       5, f'Alt+Q in path.ini ({s.read_settings()})')

            # The box keeps the focus and takes F12 as a chord: the window stays, and a second
            # save finds it beside the first box's.
            s.key('F12')
            time.sleep(1)
            self.assertTrue(s.find_windows(TITLE), 'F12 went to the box, not to the hotkey')
            s.click(*SAVE_BUTTON, window=window)
            notice = s.wait_for_window('提示', timeout=5)[0]
            s.key('Return', window=notice)
            wait_until(lambda: not s.find_windows('提示'), 5, 'the notice closing')

            s.focus_other_program()
            s.key('alt+q')
            self.copied_web_notation(s, window, 'FF0000')


if __name__ == '__main__':
    unittest.main()
