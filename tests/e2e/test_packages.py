"""What a user downloads: the portable zip is the program folder and nothing else; the installer puts
a working program where it is told, keeps the user's settings on an update, and its uninstaller
takes away what it installed but keeps path.ini.

Needs the package target built; ctest runs it with the `package` label (`ctest --preset windows-package`).
"""

import glob
import os
import shutil
import struct
import tempfile
import unittest
import zipfile

from harness import HarnessError, PageServer, Session, wait_until
from test_hotkeys import loopback_port

TITLE = '取色器'
CLOSE = (310, 16)  # the shipped skin's close button, in window pixels
SHIPPED = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'package')
SHORTCUTS = 'drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/取色器.lnk'


def setting(name):
    value = os.environ.get(name)
    if not value:
        raise HarnessError(f'{name} is not set; build the package target and run `ctest --preset windows-package`')
    return value


def files_under(folder):
    """Relative paths, with '/', of every file under folder."""
    return {os.path.relpath(os.path.join(d, f), folder).replace(os.sep, '/')
            for d, _, names in os.walk(folder) for f in names}


def install_to(s, folder):
    """The installer's arguments for a silent install into folder.

    The installer reads /D= unquoted to the end of its command line, spaces and all, but Wine quotes
    an argument that holds a space: so the path goes in as several arguments, which Wine joins with
    single spaces.
    """
    return ['/S', *('/D=' + s.windows_path(folder)).split(' ')]


def read(path):
    with open(path, 'rb') as f:
        return f.read()


def fixed_version(exe):
    """The four numbers of the version resource that Explorer's properties page shows, or None."""
    data = read(exe)
    at = data.find(struct.pack('<I', 0xFEEF04BD))
    if at < 0:
        return None
    ms, ls = struct.unpack_from('<2I', data, at + 8)
    return ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF


class PortableZipTest(unittest.TestCase):

    def test_holds_exactly_the_program_folder(self):
        folder = f'ColourPicker-{setting("PICKER_VERSION")}/'
        expected = {'ColourPicker.exe': setting('PICKER_EXE')}
        expected.update({f: os.path.join(SHIPPED, f) for f in files_under(SHIPPED)})
        with zipfile.ZipFile(setting('PICKER_PORTABLE_ZIP')) as z:
            names = z.namelist()
            self.assertEqual([n for n in names if not n.startswith(folder)], [])
            self.assertEqual({n[len(folder):] for n in names if not n.endswith('/')}, set(expected))
            for name, source in expected.items():
                self.assertEqual(z.read(folder + name), read(source), name)
            # No address of this machine (the end-to-end tests' server) in the program that ships: with
            # none, it fetches nothing and its ticker keeps the maker's name.
            exe = z.read(folder + 'ColourPicker.exe').lower()
            for loopback in ('127.0.0.1', 'localhost'):
                for encoding in ('ascii', 'utf-16-le'):
                    self.assertNotIn(loopback.encode(encoding), exe)


class InstallerTest(unittest.TestCase):

    def test_installs_runs_updates_and_uninstalls_keeping_the_settings(self):
        setup = setting('PICKER_SETUP')
        version = tuple(int(n) for n in setting('PICKER_VERSION').split('.')) + (0,)
        root = tempfile.mkdtemp(prefix='picker-install-')
        self.addCleanup(shutil.rmtree, root, True)
        # A user's own folders may have spaces and Chinese in their names.
        target = os.path.join(root, '我的 程序', 'ColourPicker')
        exe = os.path.join(target, 'ColourPicker.exe')
        shipped = files_under(SHIPPED) | {'ColourPicker.exe'}

        with Session(None, exe=exe, in_place=True, launch=False) as s:
            def shortcuts():
                return glob.glob(os.path.join(s.prefix, SHORTCUTS))

            self.assertEqual(s.wine(setup, *install_to(s, target)), 0, s.program_log())
            self.assertEqual(files_under(target), shipped | {'uninstall.exe'})
            self.assertEqual(fixed_version(exe), version)
            self.assertEqual(len(shortcuts()), 1)

            # The installed copy runs from its folder, with the settings and skin installed beside it,
            # and asks the tests' web server for nothing: a release fetches from no test server.
            server = PageServer(loopback_port() or 47251, {})
            server.__enter__()
            self.addCleanup(server.__exit__, None, None, None)
            s.launch()
            main = s.wait_for_window(TITLE, timeout=30)[0]
            s.save_shot('installed-program')

            # While it runs, an update and an uninstall both stop before touching a file.
            uninstaller = os.path.join(target, 'uninstall.exe')
            self.assertEqual(s.wine(setup, *install_to(s, target), beside_program=True), 2)
            self.assertEqual(s.wine(uninstaller, '/S', *('_?=' + s.windows_path(target)).split(' '),
                                    beside_program=True), 2)
            self.assertEqual(files_under(target), shipped | {'uninstall.exe'})
            self.assertTrue(s.process_alive(), s.program_log())
            self.assertEqual(server.requests, [], 'pages asked of a test server')
            g = s.window_geometry(main)
            s.click(g['x'] + CLOSE[0], g['y'] + CLOSE[1])
            self.assertEqual(s.wait_exit(15), 0)

            # An update over it leaves the user's settings alone.
            mine = '[RJSZ]\r\nbtwz=我的取色器\r\nwdYS=7BFFFF\r\n'.encode('gbk')
            with open(s.settings_path, 'wb') as f:
                f.write(mine)
            self.assertEqual(s.wine(setup, *install_to(s, target)), 0, s.program_log())
            self.assertEqual(read(s.settings_path), mine)

            # A silent uninstall answers "keep" to deleting path.ini; a skin the user added stays too.
            os.makedirs(os.path.join(target, 'skin', 'Mine'))
            with open(os.path.join(target, 'skin', 'Mine', 'shizhi.ini'), 'wb') as f:
                f.write(b'[Skin]\r\n')
            self.assertEqual(s.wine(os.path.join(target, 'uninstall.exe'), '/S'), 0, s.program_log())
            wait_until(lambda: not os.path.exists(os.path.join(target, 'uninstall.exe')), 10, 'the uninstaller')
            self.assertEqual(files_under(target), {'path.ini', 'skin/Mine/shizhi.ini'})
            self.assertEqual(read(s.settings_path), mine)
            self.assertEqual(shortcuts(), [])


if __name__ == '__main__':
    unittest.main()
