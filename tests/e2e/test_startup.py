"""Starting the program: its window appears, titled from path.ini, and it keeps running; a second
start from the same folder, a drive's root among them, shows that window and ends."""

import os
import time
import unittest

from harness import SCREEN_SIZE, Session, image_size, wait_until

TITLE = '取色器测试'
# The first start in a fresh prefix sets Wine up and is slow.
STARTUP_TIMEOUT = 30
# Long enough for a crash right after the window shows to end the process.
SETTLE = 2
DEFAULT_KJJ = '0:123,4:81,4:66,4:70,4:74,1'


class StartupTest(unittest.TestCase):

    def test_window_is_titled_from_path_ini_and_a_second_start_shows_it(self):
        # path.ini is GBK: a title read in any other code page would not match.
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}, startup_timeout=STARTUP_TIMEOUT) as s:
            wins = s.wait_for_window(TITLE)
            self.assertTrue(set(wins) <= set(s.program_windows()), 'the titled window belongs to another process')
            time.sleep(SETTLE)
            self.assertTrue(s.process_alive(), s.program_log())
            self.assertEqual(s.find_windows(TITLE), wins)
            shot = s.save_shot('startup-titled')
            self.assertEqual(image_size(shot), SCREEN_SIZE)

            # F12 twice: shown, then hidden to the tray. Starting the program again from its
            # folder brings the window back and ends at once, leaving the first copy running.
            s.key('F12', window=wins[0])
            s.key('F12', window=wins[0])
            wait_until(lambda: not s.find_windows(TITLE), 5, 'the window hidden to the tray')
            again = os.path.join(s.program_dir, os.path.basename(s.exe))
            self.assertEqual(s.wine(again, timeout=10, beside_program=True), 0, s.program_log())
            wait_until(lambda: s.find_windows(TITLE), 3, 'the window back')
            self.assertTrue(s.process_alive(), s.program_log())

    def test_a_program_in_a_drives_root_is_one_copy_from_any_folder(self):
        # Its folder is "P:", which alone would name P:'s current folder: another for each start.
        with Session({'btwz': TITLE, 'kjj': DEFAULT_KJJ}, launch=False, startup_timeout=STARTUP_TIMEOUT) as s:
            drive = os.path.join(s.prefix, 'dosdevices', 'p:')
            self.assertFalse(os.path.lexists(drive), f'{drive} is in use')
            os.symlink(s.program_dir, drive)
            self.addCleanup(os.remove, drive)
            os.mkdir(os.path.join(s.program_dir, 'work'))
            exe = 'P:\\' + os.path.basename(s.exe)
            s.launch(exe, start_in='P:\\work')
            wins = s.wait_for_window(TITLE)
            self.assertEqual(s.wine('start', '/wait', '/d', 'C:\\windows', exe, timeout=10, beside_program=True), 0,
                             s.program_log())
            self.assertEqual(s.find_windows(TITLE), wins)
            self.assertTrue(s.process_alive(), s.program_log())
            s.close_window(wins[0])
            self.assertEqual(s.wait_exit(10), 0)

    def test_missing_path_ini_still_opens_a_window(self):
        with Session(None, launch=False, startup_timeout=STARTUP_TIMEOUT) as s:
            before = set(s.visible_windows())
            s.launch()
            wins = s.wait_for_window()  # no title to look for: the program's own windows
            # Cross-check the pid lookup against what newly appeared on the display.
            self.assertTrue(set(wins) <= set(s.visible_windows()) - before)
            self.assertEqual([s.window_name(w) for w in wins], [''] * len(wins))
            time.sleep(SETTLE)
            self.assertTrue(s.process_alive(), s.program_log())
            s.save_shot('startup-no-path-ini')


if __name__ == '__main__':
    unittest.main()
