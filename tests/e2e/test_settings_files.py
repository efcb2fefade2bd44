"""The settings file where it is hard to keep: a program folder named in several scripts, an English
system (another ANSI code page), a hotkey taken into a chord box while it is registered, a
path.ini that cannot be written, and one that an editor saved as UTF-16 or UTF-8."""

import os
import stat
import time
import unittest

from harness import Session, pixel, wait_until

TITLE = '取色器设置'
FOLDER = '颜色 한국어 क ✓'
DEFAULT_KJJ = '0:123,4:81,4:66,4:70,4:74,1'
# Window pixels of the built-in layout.
COLOUR_BOX = (60, 92)
HOTKEY_TAB = (280, 186)
COLOURS_TAB = (49, 186)
CHART_TAB = (126, 186)
CHART_POINT = (212, 268)
CHORD_BOXES = [(224, 219 + 30 * n) for n in range(5)]
SAVE_BUTTON = (282, 408)
SAVED_SWATCHES = [(12 + 34 * j + 15, 324 + 15) for j in range(2)]
TEAL = (0x0A, 0x80, 0xC8)
# Windows counts two clicks closer than this as a double-click.
APART = 0.8


class SettingsFilesTest(unittest.TestCase):

    def start(self, s):
        s.launch()
        window = s.wait_for_window(TITLE)[0]
        time.sleep(1)
        return window

    def swatch(self, s, window, index, name):
        g = s.window_geometry(window)
        x, y = SAVED_SWATCHES[index]
        return pixel(s.save_shot(name), g['x'] + x, g['y'] + y)

    def stored(self, s, key):
        return (s.read_settings() or {}).get('RJSZ', {}).get(key)

    def test_any_folder_name_an_english_system_and_a_file_that_cannot_be_written(self):
        with Session({'btwz': TITLE, 'wdYS': '&HC8800A', 'kjj': DEFAULT_KJJ}, launch=False, folder=FOLDER,
                     lang='en_US.UTF-8') as s:
            # The title is read in the Chinese code page although the system's is another.
            window = self.start(s)
            self.assertEqual(self.swatch(s, window, 0, 'stored'), TEAL)

            s.double_click(*COLOUR_BOX, window=window)
            wait_until(lambda: self.stored(s, 'wdYS') == '&HFF,&HC8800A', 5,
                       f'red saved (wdYS is {self.stored(s, "wdYS")!r})')

            # F12 is registered, yet a chord box takes it.
            s.click(*HOTKEY_TAB, window=window)
            s.click(*CHORD_BOXES[3], window=window)
            time.sleep(0.3)
            s.key('F12')
            s.click(*CHORD_BOXES[0], window=window)
            time.sleep(0.3)
            s.key('ctrl+shift+k')
            s.click(*SAVE_BUTTON, window=window)
            wait_until(lambda: self.stored(s, 'kjj') == '6:75,4:81,4:66,0:123,4:74,1', 5,
                       f'the new chords stored (kjj is {self.stored(s, "kjj")!r})')

            s.close_window(window)
            self.assertEqual(s.wait_exit(10), 0)
            os.chmod(s.settings_path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
            window = self.start(s)
            self.assertEqual(self.swatch(s, window, 0, 'restarted'), (255, 0, 0))

            # A write that fails is told once; what the user did stays in memory.
            s.click(*CHART_TAB, window=window)
            time.sleep(0.5)
            s.click(*CHART_POINT, window=window)
            notice = wait_until(lambda: s.find_windows('提示'), 5, 'the notice')[0]
            s.key('Return', window=notice)
            wait_until(lambda: not s.find_windows('提示'), 5, 'the notice closed')
            time.sleep(APART)
            s.double_click(*COLOUR_BOX, window=window)
            time.sleep(1)
            self.assertEqual(s.find_windows('提示'), [], 'told once')
            s.click(*COLOURS_TAB, window=window)
            time.sleep(0.5)
            g = s.window_geometry(window)
            shot = s.save_shot('kept')
            chosen = pixel(shot, g['x'] + COLOUR_BOX[0], g['y'] + COLOUR_BOX[1])
            self.assertNotEqual(chosen, (255, 0, 0))
            self.assertEqual(pixel(shot, g['x'] + SAVED_SWATCHES[0][0], g['y'] + SAVED_SWATCHES[0][1]), chosen)
            self.assertEqual(self.stored(s, 'wdYS'), '&HFF,&HC8800A')
            self.assertTrue(s.process_alive(), s.program_log())

    def test_a_file_an_editor_saved_keeps_its_encoding(self):
        text = f'[RJSZ]\r\nbtwz={TITLE}\r\nkjj6=取色后复制\r\nwdYS=&HC8800A\r\nkjj={DEFAULT_KJJ}\r\n'
        saved = text.replace('wdYS=&HC8800A', 'wdYS=&HFF,&HC8800A')
        editors = [('UTF-16', b'\xff\xfe' + text.encode('utf-16-le'), b'\xff\xfe' + saved.encode('utf-16-le')),
                   ('UTF-8 without a mark', text.encode('utf-8'), saved.encode('utf-8'))]
        with Session(launch=False) as s:
            for name, before, after in editors:
                with self.subTest(name):
                    with open(s.settings_path, 'wb') as f:
                        f.write(before)
                    window = self.start(s)  # found by its title, read right
                    self.assertEqual(self.swatch(s, window, 0, name), TEAL)
                    s.double_click(*COLOUR_BOX, window=window)

                    def file_bytes():
                        with open(s.settings_path, 'rb') as f:
                            return f.read()
                    wait_until(lambda: file_bytes() == after, 5, f'red saved in {name} ({file_bytes()!r})')
                    self.assertEqual(s.find_windows('提示'), [])
                    s.close_window(window)
                    self.assertEqual(s.wait_exit(10), 0)

    def test_a_save_through_a_link_changes_the_file_it_leads_to(self):
        with Session(launch=False) as s:
            elsewhere = os.path.join(s.work_dir, 'kept elsewhere.ini')
            with open(elsewhere, 'wb') as f:
                f.write(f'[RJSZ]\r\nbtwz={TITLE}\r\nwdYS=\r\n'.encode('gbk'))
            os.symlink(elsewhere, s.settings_path)
            window = self.start(s)
            s.double_click(*COLOUR_BOX, window=window)
            wait_until(lambda: self.stored(s, 'wdYS') == '&HFF', 5, f'red saved (wdYS is {self.stored(s, "wdYS")!r})')
            self.assertTrue(os.path.islink(s.settings_path), 'still a link')
            s.close_window(window)
            self.assertEqual(s.wait_exit(10), 0)


if __name__ == '__main__':
    unittest.main()
