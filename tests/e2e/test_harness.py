"""The harness's own moving parts that other tests trust blindly; no Wine needed."""

import os
import subprocess
import sys
import unittest

from harness import SCREEN_SIZE, Session, image_size, parse_ini, pixel


class HarnessTest(unittest.TestCase):

    def test_path_ini_is_written_and_read_back_as_gbk(self):
        settings = {'RJSZ': {'btwz': '取色器测试', 'ys': '#7BFFFF'}, 'Other': {'k': ''}}
        with Session(settings, launch=False) as s:
            with open(s.settings_path, 'rb') as f:
                data = f.read()
            self.assertIn('btwz=取色器测试\r\n'.encode('gbk'), data)
            self.assertEqual(s.read_settings(), settings)
        with Session(b'[RJSZ]\nraw=1', launch=False) as s:
            with open(s.settings_path, 'rb') as f:
                self.assertEqual(f.read(), b'[RJSZ]\nraw=1')
        with Session(None, launch=False) as s:
            self.assertIsNone(s.read_settings())

    def test_settings_parse_like_the_profile_api(self):
        text = '; note\r\n[RJSZ]\r\n btwz = 取色器 \r\ndup=first\r\ndup=second\r\nurl=a=b\r\n'
        self.assertEqual(parse_ini(text.encode('gbk')),
                         {'RJSZ': {'btwz': '取色器', 'dup': 'first', 'url': 'a=b'}})

    def test_screenshot_pixel_shows_the_root_colour(self):
        with Session(launch=False) as s:
            s.set_root_colour('#7BFFFF')
            shot = s.screenshot(os.path.join(s.work_dir, 'root.png'))
            self.assertEqual(image_size(shot), SCREEN_SIZE)
            self.assertEqual(pixel(shot, SCREEN_SIZE[0] - 1, SCREEN_SIZE[1] - 1), (0x7B, 0xFF, 0xFF))

    def test_teardown_removes_display_and_folder(self):
        with Session(launch=False) as s:
            display, work_dir = s.display, s.work_dir
        n = display.lstrip(':')
        self.assertFalse(os.path.exists(f'/tmp/.X11-unix/X{n}'))
        self.assertFalse(os.path.exists(f'/tmp/.X{n}-lock'))
        self.assertFalse(os.path.exists(work_dir))

    def test_each_test_process_serves_pages_on_a_port_of_its_own(self):
        # Two modules at a time, or two runs on one machine, would otherwise meet on one port.
        env = {k: v for k, v in os.environ.items() if k != 'PICKER_LOCAL_WEB_BASE'}
        show = 'import os, harness; print(os.environ["PICKER_LOCAL_WEB_BASE"])'
        other = subprocess.run([sys.executable, '-c', show], env=env, cwd=os.path.dirname(__file__),
                               capture_output=True, text=True, timeout=30, check=True).stdout.strip()
        self.assertRegex(other, r'^http://127\.0\.0\.1:\d+$')
        self.assertNotEqual(other, os.environ['PICKER_LOCAL_WEB_BASE'])


if __name__ == '__main__':
    unittest.main()
