"""The maker's pages, served by a stand-in on 127.0.0.1 to the copy of the program that fetches from there:
the ticker line's link as a tooltip, and a picture page that says it is available while Wine has no
browser engine to show it (the prefix turns mshtml off)."""

import time
import unittest

from harness import PageServer, Session, wait_until
from test_hotkeys import loopback_port, LOCAL_WEB_EXE

TITLE = '取色器网页'
# Links of clearly different lengths, so that a tip showing the other one has another width.
TICKER_PAGE = ('成功\r\n第一条=========http://127.0.0.1/one\r\n'
               '第二条=========http://127.0.0.1/colourpicker/a-much-longer-second-link').encode('gbk')
PICTURE_PAGE = '<html><body>网页可以访问</body></html>'.encode('gbk')
PICTURE_PATH = '/colourpicker/picture.html'
# Where the built-in layout puts things, in window pixels.
CHART_TAB = (126, 186)
TICKER_TEXT = (30, 486)


class OnlinePagesTest(unittest.TestCase):

    def test_ticker_link_shows_as_a_tooltip_and_the_picture_page_brings_no_dialog(self):
        port = loopback_port()
        if port is None or not LOCAL_WEB_EXE:
            self.skipTest('set PICKER_LOCAL_WEB_EXE to the copy of the program that fetches from PICKER_LOCAL_WEB_BASE')
        pages = {'/colourpicker/ticker.txt': (TICKER_PAGE, 0), PICTURE_PATH: (PICTURE_PAGE, 0)}
        with PageServer(port, pages) as server, Session({'btwz': TITLE}, exe=LOCAL_WEB_EXE) as s:
            window = s.wait_for_window(TITLE)[0]
            wait_until(lambda: PICTURE_PATH in server.requests, 5, 'the picture page checked')
            time.sleep(0.5)

            # Panel 1 with the page available: the browser control loads and asks for the page, but
            # without an engine it shows nothing, and nothing else appears.
            s.click(*CHART_TAB, window=window)
            wait_until(lambda: server.requests.count(PICTURE_PATH) >= 2, 5, 'the page asked for by the box')
            time.sleep(1)
            s.save_shot('picture-panel')
            self.assertEqual(s.program_windows(), [window], f'no dialog: {s.describe_windows()}')

            # Resting the pointer on the ticker's link text brings up its tooltip beside the pointer,
            # and the tip follows the ticker's turns.
            s.move(*TICKER_TEXT, window=window)
            tips = lambda: [w for w in s.program_windows() if w != window]  # noqa: E731
            wait_until(tips, 2, 'a tooltip window')
            s.save_shot('ticker-tooltip')
            tip = s.window_geometry(tips()[0])
            pointer = s.window_geometry(window)
            pointer_x, pointer_y = pointer['x'] + TICKER_TEXT[0], pointer['y'] + TICKER_TEXT[1]
            self.assertLess(abs(tip['x'] - pointer_x), 40, tip)
            self.assertLess(abs(tip['y'] - pointer_y), 40, tip)
            wait_until(lambda: tips() and s.window_geometry(tips()[0])['width'] != tip['width'], 3,
                       f'the tip showing the next link (was {tip})')

            # The browser control goes cleanly with the window.
            s.close_window(window)
            self.assertEqual(s.wait_exit(10), 0)


if __name__ == '__main__':
    unittest.main()
