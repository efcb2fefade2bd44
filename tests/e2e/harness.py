#!/usr/bin/env python3
"""Runs ColourPicker.exe under Wine on a private Xvfb display and drives it like a user.

    with Session({'btwz': '取色器测试'}) as s:
        wid = s.wait_for_window('取色器测试')[0]
        s.click(20, 20, window=wid)

Environment:
    PICKER_EXE             the built ColourPicker.exe
    PICKER_WINEPREFIX      the build's Wine prefix; made on first use. A test holding ctest's Wine
                           slot N > 0 (CTEST_RESOURCE_GROUP_0_WINE) uses the copy beside it instead,
                           PICKER_WINEPREFIX-N.
    PICKER_LOCAL_WEB_BASE  where the stand-in for the maker's site serves, which every program
                           started here is told; unless set, http://127.0.0.1:PORT with the first
                           port from 47251 on that no other test process holds
    E2E_SHOTS              optional folder that keeps screenshots for a person to look at

`python3 harness.py --make-prefix [--slots N]` only creates the prefix, and the copies for the
slots from 1 to N - 1 (a build setup step).

Every external command runs with a time limit; a failure raises HarnessError
(an AssertionError) carrying the command's stderr instead of hanging the run.
"""

import argparse
import atexit
import ctypes
import fcntl
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

SCREEN_SIZE = (1280, 800)
# A desk of two monitors of different sizes on one X screen (Xorg's dummy driver with RandR), as
# (output, width, height, x, y) in X's coordinates, the primary last. Windows sees the smaller one
# left of the primary, at negative x, with a gap below it.
TWO_MONITORS = (('DUMMY1', 1024, 768, 0, 0), ('DUMMY0', 1280, 800, 1024, 0))
FIRST_DISPLAY = 90
FIRST_WEB_PORT = 47251
WINE_ENV = {
    'WINEDEBUG': '-all',
    # winemenubuilder would turn a Start-menu shortcut (the installer makes one) into desktop
    # entries in the real home folder.
    'WINEDLLOVERRIDES': 'mscoree=d;mshtml=d;winemenubuilder.exe=d',
    # The program reads and writes path.ini in the ANSI code page, which must be 936 (GBK).
    'LANG': 'zh_CN.UTF-8',
    'LC_ALL': 'zh_CN.UTF-8',
}
PREFIX_BOOT_TIMEOUT = 120
PREFIX_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts', 'wineprefix.sh')
SERVER_EXIT_TIMEOUT = 30
STOP_GRACE = 5


class HarnessError(AssertionError):
    """A helper or the environment failed; unittest reports it as a failure with this text."""


# ---------------------------------------------------------------- processes

try:
    _libc = ctypes.CDLL(None, use_errno=True)
except OSError:
    _libc = None


def _die_with_parent():
    # Runs in the child before exec: if the test process is killed outright (ctest's
    # timeout) nothing tears down, so Xvfb and the program go with it instead of lingering.
    if _libc is not None:
        _libc.prctl(1, signal.SIGTERM, 0, 0, 0)  # PR_SET_PDEATHSIG


def _show(cmd):
    return ' '.join(str(c) for c in cmd)


def _text(data, limit=2000):
    if data is None:
        return ''
    if isinstance(data, bytes):
        data = data.decode('utf-8', 'replace')
    data = data.strip()
    return data if len(data) <= limit else '...' + data[-limit:]


def _tail(path, limit=2000):
    try:
        with open(path, 'rb') as f:
            return _text(f.read(), limit)
    except OSError:
        return ''


def run(cmd, *, timeout=10, env=None, cwd=None, input=None, check=True, log=None):
    """Runs a short command and returns the CompletedProcess.

    Wine commands must pass `log` (an open binary file): wineboot and friends leave
    daemons holding inherited pipes, so capturing their output would never see EOF.
    """
    out = log if log is not None else subprocess.PIPE
    try:
        r = subprocess.run(cmd, input=input, stdout=out, stderr=out if log is None else subprocess.STDOUT,
                           stdin=None if input is not None else subprocess.DEVNULL,
                           timeout=timeout, env=env, cwd=cwd)
    except subprocess.TimeoutExpired as e:
        raise HarnessError(f'`{_show(cmd)}` did not finish within {timeout} s {_text(e.stderr)}'.rstrip()) from None
    except FileNotFoundError:
        raise HarnessError(f'{cmd[0]} is not installed (scripts/setup.sh installs it)') from None
    if check and r.returncode != 0:
        err = _text(r.stderr) if log is None else _tail(log.name)
        raise HarnessError(f'`{_show(cmd)}` failed with exit code {r.returncode}: {err}')
    return r


def _stop(proc):
    """Terminates one process we started; returns an error text or None."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(STOP_GRACE)
        except subprocess.TimeoutExpired:
            proc.kill()
            try:
                proc.wait(STOP_GRACE)
            except subprocess.TimeoutExpired:
                return f'pid {proc.pid} ({_show(proc.args)}) survived SIGKILL'
    return None


def wait_until(predicate, timeout, what, interval=0.2):
    """Polls predicate until it returns something truthy, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise HarnessError(f'{what} did not happen within {timeout} s')
        time.sleep(interval)


def _live_processes_with_env(entry):
    """(pid, command) of running processes whose environment holds `entry`, e.g. b'DISPLAY=:90'."""
    found = []
    for name in os.listdir('/proc'):
        if not name.isdigit() or int(name) == os.getpid():
            continue
        try:
            with open(f'/proc/{name}/stat', 'rb') as f:
                stat = f.read()
            if stat[stat.rindex(b')') + 2:][:1] in (b'Z', b'X'):
                continue  # already dead, only waiting to be reaped
            with open(f'/proc/{name}/environ', 'rb') as f:
                if entry not in f.read().split(b'\0'):
                    continue
            with open(f'/proc/{name}/cmdline', 'rb') as f:
                cmd = f.read().replace(b'\0', b' ').decode('utf-8', 'replace').strip()
        except (OSError, ValueError):
            continue
        found.append((int(name), cmd))
    return found


# ---------------------------------------------------------------- Wine

def wine_env(prefix, display, lang=None):
    env = dict(os.environ)
    env.update(WINE_ENV, WINEPREFIX=prefix, DISPLAY=display)
    if lang:
        env.update(LANG=lang, LC_ALL=lang)
    return env


def wait_for_wineserver_exit(prefix, env, timeout=SERVER_EXIT_TIMEOUT, log=None):
    """Returns once no wineserver runs for the prefix."""
    if not os.path.isdir(prefix):
        return
    try:
        run(['wineserver', '-w'], env=dict(env, WINEPREFIX=prefix), timeout=timeout, log=log)
    except HarnessError as e:
        raise HarnessError(
            f'a wineserver for {prefix} is still running after {timeout} s (left by an earlier run, '
            f'or the program did not exit); it would keep the wrong display. Stop it with '
            f'`WINEPREFIX={prefix} wineserver -k`. ({e})') from None


def has_prefix(prefix):
    return os.path.isfile(os.path.join(prefix, 'system.reg'))


def slot_prefix(base, slot):
    """The Wine prefix of a ctest Wine slot: base itself for slot 0, the copy beside it for the others.

    scripts/wine-run.sh names them the same way for the Win32 tests.
    """
    return base if slot == 0 else f'{base}-{slot}'


def ctest_wine_slot():
    """The Wine slot ctest gave this test ("id:N,slots:1"; see tests/e2e/CMakeLists.txt), 0 outside ctest."""
    given = os.environ.get('CTEST_RESOURCE_GROUP_0_WINE')
    if given is None:
        return 0
    m = re.fullmatch(r'id:(\d+),slots:\d+', given)
    if not m:
        # Guessing would put two tests in one prefix.
        raise HarnessError(f'CTEST_RESOURCE_GROUP_0_WINE={given!r} names no Wine slot')
    return int(m.group(1))


def make_prefix(prefix, display, log_path=os.devnull, lock_timeout=300, seed=None):
    """Makes the Wine prefix complete (registry on disk with the test bed's settings).

    scripts/wineprefix.sh does the work, under the same lock that ctest's Win32 tests take
    when they get to the prefix first. With seed, a complete prefix, a missing one is made as
    its copy, which takes seconds where booting takes half a minute.
    """
    prefix = os.path.abspath(prefix)
    env = wine_env(prefix, display)
    if seed:
        env['PICKER_WINEPREFIX_SEED'] = os.path.abspath(seed)
    with open(log_path, 'ab') as log:
        run([PREFIX_SCRIPT], env=env, timeout=lock_timeout + PREFIX_BOOT_TIMEOUT, log=log)
    if not has_prefix(prefix):
        raise HarnessError(f'no system.reg in {prefix} after making it: {_tail(log_path)}')
    return True


# ---------------------------------------------------------------- X display

def _gtf_modeline(width, height):
    """The modeline `gtf` gives for a 60 Hz mode, named WIDTHxHEIGHT."""
    r = run(['gtf', str(width), str(height), '60'], timeout=10)
    m = re.search(rb'Modeline\s+"[^"]*"\s+(.*)', r.stdout)
    if not m:
        raise HarnessError(f'gtf gave no modeline for {width}x{height}: {_text(r.stdout)}')
    return f'Modeline "{width}x{height}" {m.group(1).decode().strip()}'


def _xorg_config(monitors):
    """An Xorg configuration of the dummy driver whose one screen can hold every monitor side by side."""
    width = max(x + w for _, w, _, x, _ in monitors)
    height = max(y + h for _, _, h, _, y in monitors)
    modes = sorted({(w, h) for _, w, h, _, _ in monitors})
    modelines = '\n'.join('    ' + _gtf_modeline(w, h) for w, h in modes)
    return f'''Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam {width * height * 4 // 1024 + 16384}
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
{modelines}
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "{monitors[-1][1]}x{monitors[-1][2]}"
        Virtual {width} {height}
    EndSubSection
EndSection
'''


class XServer:
    """A private X server; display numbers with a lock file or socket are left alone.

    Xvfb with one screen of `size`, or with `monitors` (see TWO_MONITORS) Xorg's dummy driver
    with those RandR outputs, the last one primary.
    """

    def __init__(self, log_dir, size=SCREEN_SIZE, monitors=None):
        self.log_dir = log_dir
        self.size = size
        self.monitors = monitors
        self.proc = None
        self.display = None

    def _command(self, n, log_path):
        if not self.monitors:
            # -noreset: otherwise the server resets whenever its last client leaves, and
            # xsetroot's colour is lost at once if nothing else is connected.
            return ['Xvfb', f':{n}', '-screen', '0', f'{self.size[0]}x{self.size[1]}x24', '-nolisten', 'tcp',
                    '-noreset']
        config = os.path.join(self.log_dir, f'xorg-{n}.conf')
        with open(config, 'w') as f:
            f.write(_xorg_config(self.monitors))
        # A seat other than seat0 takes no virtual terminal.
        return ['Xorg', f':{n}', '-config', config, '-noreset', '-nolisten', 'tcp', '-seat', f'seat{n}',
                '-logfile', log_path + '.xorg']

    def _lay_out_monitors(self):
        env = dict(os.environ, DISPLAY=self.display)
        args = []
        for i, (output, w, h, x, y) in enumerate(self.monitors):
            run(['xrandr', '--addmode', output, f'{w}x{h}'], env=env, timeout=10, check=False)
            args += ['--output', output, '--mode', f'{w}x{h}', '--pos', f'{x}x{y}']
            if i == len(self.monitors) - 1:
                args.append('--primary')
        run(['xrandr', *args], env=env, timeout=10)
        # Until a client asks for the outputs to be probed again, the dummy driver answers Wine's
        # query (the current resources, no probe) with the single screen it started with.
        run(['xrandr', '--query'], env=env, timeout=10)

    def start(self, timeout=15):
        for n in range(FIRST_DISPLAY, FIRST_DISPLAY + 100):
            if os.path.exists(f'/tmp/.X{n}-lock') or os.path.exists(f'/tmp/.X11-unix/X{n}'):
                continue
            log_path = os.path.join(self.log_dir, f'xserver-{n}.log')
            command = self._command(n, log_path)
            with open(log_path, 'wb') as log:
                self.proc = subprocess.Popen(
                    command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                    start_new_session=True, preexec_fn=_die_with_parent)
            self.display = f':{n}'
            deadline = time.monotonic() + timeout
            while self.proc.poll() is None and time.monotonic() < deadline:
                if run(['xdpyinfo', '-display', self.display], timeout=5, check=False).returncode == 0:
                    if self.proc.poll() is None:  # answered by our server, not one that won a race
                        if self.monitors:
                            self._lay_out_monitors()
                        return self.display
                time.sleep(0.1)
            if self.proc.poll() is None:
                self.stop()
                raise HarnessError(f'{command[0]} {self.display} did not answer within {timeout} s: {_tail(log_path)}')
            # It exited: another server most likely took :n after the check; try the next number.
        self.proc = self.display = None
        raise HarnessError('no free X display number from :90 on')

    def stop(self):
        err = _stop(self.proc) if self.proc is not None else None
        self.proc = None
        return err

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
        return False


# ---------------------------------------------------------------- files

def ini_bytes(values):
    """path.ini content: {key: value} for [RJSZ], {section: {key: value}}, or raw bytes as given."""
    if isinstance(values, (bytes, bytearray)):
        return bytes(values)
    sections = values if values and all(isinstance(v, dict) for v in values.values()) else {'RJSZ': values}
    lines = []
    for section, keys in sections.items():
        lines.append(f'[{section}]')
        lines.extend(f'{k}={v}' for k, v in keys.items())
    try:
        return ('\r\n'.join(lines) + '\r\n').encode('gbk')
    except UnicodeEncodeError as e:
        raise HarnessError(f'path.ini text is not representable in GBK: {e}') from None


def parse_ini(data):
    """Reads INI bytes as the Windows profile API sees them: GBK, [section], key=value, blanks trimmed.

    Keys keep the case they were written in; a repeated key keeps its first value,
    as GetPrivateProfileString returns the first.
    """
    try:
        text = data.decode('gbk')
    except UnicodeDecodeError as e:
        raise HarnessError(f'INI file is not GBK text: {e}') from None
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith(';'):
            continue
        if line.startswith('[') and ']' in line:
            current = sections.setdefault(line[1:line.index(']')].strip(), {})
        elif current is not None:
            key, _, value = line.partition('=')
            current.setdefault(key.strip(), value.strip())
    return sections


def pixel(image_path, x, y):
    """(r, g, b) of one pixel of an image file, through ImageMagick."""
    r = run(['convert', image_path, '-crop', f'1x1+{x}+{y}', '+repage', '-depth', '8', 'txt:-'], timeout=20)
    # e.g. "0,0: (123,255,255)  #7BFFFF  srgb(123,255,255)"; alpha, if any, follows the colour.
    m = re.search(rb'^0,0:.*?#([0-9A-Fa-f]{6})', r.stdout, re.M)
    if not m:
        raise HarnessError(f'no pixel ({x}, {y}) in {image_path}: {_text(r.stdout)} {_text(r.stderr)}')
    h = m.group(1).decode()
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def image_size(image_path):
    r = run(['identify', '-format', '%w %h', image_path], timeout=20)
    w, h = r.stdout.split()[:2]
    return int(w), int(h)


def ere_escape(text):
    """Escapes text for the POSIX extended regex that xdotool search uses."""
    return re.sub(r'([\\^$.|?*+()\[\]{}])', r'\\\1', text)


# ---------------------------------------------------------------- the stand-in web server's port

_held_ports = []


def hold_free_port(first=FIRST_WEB_PORT, count=100):
    """A port on 127.0.0.1 that no other test process holds, found as a display number is: the
    first free one from `first` on.

    A process holds its port by a lock on a file of the port's, which the system drops when the
    process ends, however it ends; a port that something else already listens on is passed over.
    """
    folder = os.path.join(tempfile.gettempdir(), 'picker-e2e-ports')
    os.makedirs(folder, exist_ok=True)
    for port in range(first, first + count):
        fd = os.open(os.path.join(folder, f'{port}.lock'), os.O_RDWR | os.O_CREAT, 0o666)
        try:
            fcntl.flock(fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
            with socket.socket() as probe:
                # As PageServer will bind it: a port an earlier run left in TIME_WAIT is free.
                probe.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
                probe.bind(('127.0.0.1', port))
        except OSError:
            os.close(fd)
            continue
        _held_ports.append(fd)  # open until the process ends
        return port
    raise HarnessError(f'no free port on 127.0.0.1 from {first} to {first + count - 1}')


# Set once per test process, before the tests read it: each process serves on a port of its own,
# so two modules at a time, or two runs on one machine, never meet.
if not os.environ.get('PICKER_LOCAL_WEB_BASE'):
    os.environ['PICKER_LOCAL_WEB_BASE'] = f'http://127.0.0.1:{hold_free_port()}'


# ---------------------------------------------------------------- session

_live_sessions = set()


def _close_live_sessions():
    for s in list(_live_sessions):
        try:
            s.close()
        except Exception as e:  # noqa: BLE001 - at exit, report and carry on with the rest
            print(f'harness: {e}', file=sys.stderr)


atexit.register(_close_live_sessions)


def _raise_interrupt(signum, frame):
    # SIGTERM (ctest's timeout, a plain kill) would end Python without unwinding;
    # turning it into KeyboardInterrupt runs every Session's teardown on the way out.
    raise KeyboardInterrupt(f'signal {signum}')


class Session:
    """One Xvfb display, one temporary program folder and (unless launch=False) the running program.

    ini: {key: value} for [RJSZ], {section: {key: value}}, raw bytes, or None for no path.ini.
    screen_size: the virtual display's (width, height); SCREEN_SIZE unless given.
    folder: the program folder's name; lang: the locale the program runs in (its ANSI code page).
    """

    def __init__(self, ini=None, *, launch=True, exe=None, prefix=None, startup_timeout=30, shipped=False,
                 in_place=False, screen_size=SCREEN_SIZE, monitors=None, folder='program', lang=None):
        # With shipped, the program folder is the one the build made: path.ini and skin\ beside the exe.
        self.shipped = shipped
        # With in_place, the program runs where exe is (an installed copy, which may appear only
        # after the session has started) and its folder is not the session's to fill or remove.
        self.in_place = in_place
        self.folder = folder
        self.lang = lang
        self.ini = ini
        self.exe = exe or os.environ.get('PICKER_EXE')
        # The build's prefix, or the copy of ctest's Wine slot; a missing copy is made from the build's.
        self._seed = None
        if prefix is None and os.environ.get('PICKER_WINEPREFIX'):
            base = os.path.abspath(os.environ['PICKER_WINEPREFIX'])
            prefix = slot_prefix(base, ctest_wine_slot())
            self._seed = base if prefix != base else None
        self.prefix = os.path.abspath(prefix) if prefix else None
        self.startup_timeout = startup_timeout
        # One Xvfb screen of screen_size unless monitors (e.g. TWO_MONITORS) asks for a desk of several.
        self.screen_size = tuple(screen_size)
        self.monitors = monitors
        self._launch_on_enter = launch
        self.work_dir = self.program_dir = self.display = None
        self.program = None
        self._x = None
        self._procs = []  # everything started here except Xvfb, in start order
        self._clipboard_owner = None
        self._other_program = None
        self._wine_used = False
        self._closed = False
        self._shots = 0

    # -- lifetime

    def __enter__(self):
        _live_sessions.add(self)
        if (signal.getsignal(signal.SIGTERM) == signal.SIG_DFL
                and threading.current_thread() is threading.main_thread()):
            signal.signal(signal.SIGTERM, _raise_interrupt)
        try:
            self.work_dir = tempfile.mkdtemp(prefix='picker-e2e-')
            if self.in_place:
                if not self.exe:
                    raise HarnessError('in_place needs the exe path, where the program is or will be')
                self.program_dir = os.path.dirname(os.path.abspath(self.exe))
            else:
                self.program_dir = os.path.join(self.work_dir, self.folder)
                os.mkdir(self.program_dir)
            if self.exe and not self.in_place:
                if not os.path.isfile(self.exe):
                    raise HarnessError(f'PICKER_EXE {self.exe} does not exist; build it first')
                shutil.copy2(self.exe, self.program_dir)
                if self.shipped:
                    built = os.path.dirname(os.path.abspath(self.exe))
                    shutil.copy2(os.path.join(built, 'path.ini'), self.program_dir)
                    shutil.copytree(os.path.join(built, 'skin'), os.path.join(self.program_dir, 'skin'))
            if self.ini is not None:
                with open(self.settings_path, 'wb') as f:
                    f.write(ini_bytes(self.ini))
            self._x = XServer(self.work_dir, self.screen_size, self.monitors)
            self.display = self._x.start()
            if self._launch_on_enter:
                self.launch()
        except BaseException:
            self.close(quiet=True)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None and os.environ.get('E2E_SHOTS') and self.display and not self._closed:
            try:
                self.save_shot('failure')
            except Exception:  # noqa: BLE001 - the test's own error matters more
                pass
        self.close(quiet=exc_type is not None)
        return False

    def close(self, quiet=False):
        """Stops what this session started, waits for its wineserver, removes its files.

        Raises HarnessError afterwards if anything was left behind, unless quiet
        (then it is printed, so a test's own failure is not hidden).
        """
        if self._closed:
            return
        self._closed = True
        errors = []
        for proc in reversed(self._procs):
            err = _stop(proc)
            if err:
                errors.append(err)
        if self._wine_used:
            env = wine_env(self.prefix, self.display)
            with self._log('wine.log') as log:
                try:
                    wait_for_wineserver_exit(self.prefix, env, log=log)
                except HarnessError as e:
                    errors.append(str(e))
                    # Last resort: the next session must not find a server bound to this display.
                    run(['wineserver', '-k'], env=env, timeout=30, check=False, log=log)
                    try:
                        wait_for_wineserver_exit(self.prefix, env, timeout=10, log=log)
                    except HarnessError as e2:
                        errors.append(f'wineserver -k did not help: {e2}')
        if self.display:
            # Anything still carrying this display was started, directly or not, by this session.
            for pid, cmd in _live_processes_with_env(f'DISPLAY={self.display}'.encode()):
                errors.append(f'left running and killed: pid {pid} {cmd}')
                try:
                    os.kill(pid, signal.SIGKILL)
                except OSError:
                    pass
        if self._x is not None:
            err = self._x.stop()
            if err:
                errors.append(err)
        if self.work_dir:
            shutil.rmtree(self.work_dir, ignore_errors=True)
        _live_sessions.discard(self)
        if errors:
            msg = 'teardown: ' + '; '.join(errors)
            if quiet:
                print(f'harness: {msg}', file=sys.stderr)
            else:
                raise HarnessError(msg)

    # -- program

    @property
    def settings_path(self):
        return os.path.join(self.program_dir, 'path.ini')

    def _log(self, name):
        return open(os.path.join(self.work_dir, name), 'ab')

    def launch(self, windows_exe=None, start_in=None):
        """Starts the program (again) from the program folder; returns its pid.

        With windows_exe, that Windows path is started in the Windows folder start_in, through
        `start /wait`: the pid is then start's, which ends with the program, and program_windows()
        finds nothing (look windows up by title).
        """
        if self.process_alive():
            raise HarnessError('the program is already running')
        if not self.exe:
            raise HarnessError('PICKER_EXE is not set; point it at the built ColourPicker.exe')
        env = self._wine_ready()
        command = ['wine', os.path.join(self.program_dir, os.path.basename(self.exe))]
        if windows_exe:
            command = ['wine', 'start', '/wait', '/d', start_in, windows_exe]
        with self._log('wine.log') as log:
            self.program = subprocess.Popen(
                command,
                cwd=self.program_dir, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True, preexec_fn=_die_with_parent)
        self._procs.append(self.program)
        return self.program.pid

    def _wine_ready(self):
        if not self.prefix:
            raise HarnessError('PICKER_WINEPREFIX is not set; point it at the build\'s Wine prefix')
        env = wine_env(self.prefix, self.display, self.lang)
        if not self._wine_used:
            with self._log('wine.log') as log:
                # A server left from another session would still talk to that session's display.
                wait_for_wineserver_exit(self.prefix, env, log=log)
                # Only from here on is the prefix's server ours to wait for (or kill) at teardown.
                self._wine_used = True
                make_prefix(self.prefix, self.display, log.name, seed=self._seed)
        return env

    def wine(self, *args, timeout=60, beside_program=False):
        """Runs a Windows command line to its end, and everything it started with it.

        An uninstaller, for one, hands over to a copy of itself and returns at once; waiting for the
        prefix's server to go idle waits for that copy too. The program must not be running, unless
        beside_program: then only the command itself is waited for.
        """
        if self.process_alive() and not beside_program:
            raise HarnessError('wine() waits for the prefix to go idle, which it cannot while the program runs')
        env = self._wine_ready()
        with self._log('wine.log') as log:
            r = run(['wine', *map(str, args)], env=env, cwd=self.work_dir, timeout=timeout, log=log, check=False)
            if not beside_program:
                wait_for_wineserver_exit(self.prefix, env, timeout=timeout, log=log)
        return r.returncode

    @staticmethod
    def windows_path(path):
        """The path as Windows programs under Wine see it, through drive Z:."""
        return 'Z:' + os.path.abspath(path).replace('/', '\\')

    def process_alive(self):
        return self.program is not None and self.program.poll() is None

    def wait_exit(self, timeout=15):
        """Waits for the program to end by itself; returns its exit code."""
        if self.program is None:
            raise HarnessError('the program was never started')
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError(f'the program is still running after {timeout} s') from None

    def program_log(self):
        """Wine's and the program's console output (a crash backtrace lands here)."""
        return _tail(os.path.join(self.work_dir, 'wine.log'), limit=100000)

    def copy_into_program(self, src, name=None):
        """Copies a file or folder (e.g. a skin) into the program folder."""
        dst = os.path.join(self.program_dir, name or os.path.basename(os.path.normpath(src)))
        if os.path.isdir(src):
            shutil.copytree(src, dst)
        else:
            shutil.copy2(src, dst)
        return dst

    def read_settings(self):
        """path.ini of the program folder as {section: {key: value}}; None if there is none."""
        try:
            with open(self.settings_path, 'rb') as f:
                return parse_ini(f.read())
        except FileNotFoundError:
            return None

    # -- windows

    def _x_env(self):
        # xdotool and xclip convert window names and text through the locale: keep it UTF-8.
        return dict(os.environ, DISPLAY=self.display, LANG='zh_CN.UTF-8', LC_ALL='zh_CN.UTF-8')

    def xdo(self, *args, timeout=10):
        return run(['xdotool', *map(str, args)], env=self._x_env(), timeout=timeout)

    def _search(self, *args):
        r = run(['xdotool', 'search', '--onlyvisible', *args], env=self._x_env(), timeout=10, check=False)
        if r.returncode not in (0, 1):  # 1 only means nothing matched
            raise HarnessError(f'xdotool search {_show(args)} failed: {_text(r.stderr)}')
        return [int(w) for w in r.stdout.split()]

    def visible_windows(self):
        """Every mapped window on the display, untitled ones (and the root) included."""
        return self._search('--name', '.*')

    def program_windows(self):
        """Visible windows of the program's process (Wine sets _NET_WM_PID to the Unix pid)."""
        if self.program is None:
            return []
        return self._search('--pid', str(self.program.pid))

    def find_windows(self, name):
        """Visible windows whose title is exactly name."""
        # xdotool matches case-insensitively, so the exact title is checked again.
        return [w for w in self._search('--name', f'^{ere_escape(name)}$') if self.window_name(w) == name]

    def wait_for_window(self, name=None, timeout=None):
        """Window ids titled exactly name, or of the program when name is None, once any is shown."""
        timeout = self.startup_timeout if timeout is None else timeout
        deadline = time.monotonic() + timeout
        while True:
            wins = self.program_windows() if name is None else self.find_windows(name)
            if wins:
                return wins
            if self.program is not None and not self.process_alive():
                raise HarnessError(f'the program exited with code {self.program.returncode} before '
                                   f'showing a window: {_text(self.program_log())}')
            if time.monotonic() >= deadline:
                what = 'window of the program' if name is None else f'window titled {name!r}'
                raise HarnessError(f'no {what} within {timeout} s; visible: {self.describe_windows()}; '
                                   f'log: {_text(self.program_log())}')
            time.sleep(0.2)

    def window_name(self, wid):
        r = run(['xdotool', 'getwindowname', str(wid)], env=self._x_env(), timeout=10)
        return r.stdout.decode('utf-8', 'replace').rstrip('\n')

    def window_geometry(self, wid):
        """{'x', 'y', 'width', 'height'} of a window in root coordinates."""
        r = self.xdo('getwindowgeometry', '--shell', wid)
        vals = dict(line.split('=', 1) for line in r.stdout.decode().split() if '=' in line)
        return {'x': int(vals['X']), 'y': int(vals['Y']), 'width': int(vals['WIDTH']), 'height': int(vals['HEIGHT'])}

    def describe_windows(self):
        out = []
        for w in self.visible_windows():
            try:
                g = self.window_geometry(w)
                out.append(f'{w} {self.window_name(w)!r} {g["width"]}x{g["height"]}+{g["x"]}+{g["y"]}')
            except HarnessError:
                pass  # gone meanwhile
        return out

    # -- input (no window manager: focus is given with windowfocus; --sync and windowactivate hang)

    def _at(self, x, y, window):
        if window is None:
            return x, y
        g = self.window_geometry(window)
        return g['x'] + x, g['y'] + y

    def move(self, x, y, window=None):
        """Moves the pointer; with window, x and y are relative to its top left corner."""
        self.xdo('mousemove', *self._at(x, y, window))

    def click(self, x, y, button=1, window=None):
        self.xdo('mousemove', *self._at(x, y, window), 'click', button)

    def double_click(self, x, y, button=1, window=None):
        self.xdo('mousemove', *self._at(x, y, window), 'click', '--repeat', 2, '--delay', 80, button)

    def mouse_down(self, x=None, y=None, button=1, window=None):
        pos = ['mousemove', *self._at(x, y, window)] if x is not None else []
        self.xdo(*pos, 'mousedown', button)

    def mouse_up(self, x=None, y=None, button=1, window=None):
        pos = ['mousemove', *self._at(x, y, window)] if x is not None else []
        self.xdo(*pos, 'mouseup', button)

    def _keys(self, command, names, window):
        focus = ['windowfocus', window] if window is not None else []
        self.xdo(*focus, command, *names)

    def key(self, *names, window=None):
        """Presses and releases keys, e.g. key('ctrl+c'); focuses window first if given."""
        self._keys('key', names, window)

    def key_down(self, *names, window=None):
        self._keys('keydown', names, window)

    def key_up(self, *names, window=None):
        self._keys('keyup', names, window)

    def type_text(self, text, window=None, delay=30):
        focus = ['windowfocus', window] if window is not None else []
        self.xdo(*focus, 'type', '--delay', delay, '--', text, timeout=10 + len(text) * delay / 250)

    def focus_other_program(self):
        """Starts Wine's notepad (once) and gives it the focus, as a user clicking into another
        program would; returns its window."""
        if self._other_program is None or self._other_program.poll() is not None:
            env = self._wine_ready()
            with self._log('wine.log') as log:
                self._other_program = subprocess.Popen(
                    ['wine', 'notepad'], cwd=self.work_dir, env=env, stdin=subprocess.DEVNULL, stdout=log,
                    stderr=subprocess.STDOUT, start_new_session=True, preexec_fn=_die_with_parent)
            self._procs.append(self._other_program)
        mine = set(self.program_windows())
        other = wait_until(lambda: [w for w in self._search('--pid', str(self._other_program.pid)) if w not in mine]
                           or [w for w in self._search('--class', 'notepad') if w not in mine], 30, 'notepad\'s window')[0]
        g = self.window_geometry(other)
        self.click(g['width'] // 2, g['height'] // 2, window=other)
        self.xdo('windowfocus', other)
        wait_until(lambda: self.focused_window() == other, 5, 'notepad taking the focus')
        return other

    def pointer(self):
        """(x, y) of the pointer on the screen."""
        r = self.xdo('getmouselocation', '--shell')
        vals = dict(line.split('=', 1) for line in r.stdout.decode().split() if '=' in line)
        return int(vals['X']), int(vals['Y'])

    def focused_window(self):
        """The X window that has the keyboard focus."""
        r = run(['xdotool', 'getwindowfocus'], env=self._x_env(), timeout=10, check=False)
        return int(r.stdout) if r.returncode == 0 and r.stdout.strip().isdigit() else None

    def close_window(self, wid):
        """Asks a window to close the way a user would, with Alt+F4."""
        self.key('alt+F4', window=wid)

    # -- screen

    def screenshot(self, path):
        run(['import', '-display', self.display, '-window', 'root', path], env=self._x_env(), timeout=30)
        return path

    def save_shot(self, name):
        """Screenshot in the session folder; also copied to $E2E_SHOTS if that is set."""
        self._shots += 1
        path = self.screenshot(os.path.join(self.work_dir, f'shot-{self._shots}.png'))
        keep = os.environ.get('E2E_SHOTS')
        if keep:
            os.makedirs(keep, exist_ok=True)
            safe = re.sub(r'[^-.\w]', '_', name)
            shutil.copy(path, os.path.join(keep, f'{safe}.png'))
        return path

    def set_root_colour(self, colour):
        """Paints the desktop background, e.g. '#7BFFFF'."""
        run(['xsetroot', '-display', self.display, '-solid', colour], env=self._x_env(), timeout=10)

    def set_root_grid(self, colour, other):
        """Paints the desktop as a fine grid of two colours, where neighbouring pixels may differ."""
        run(['xsetroot', '-display', self.display, '-mod', '2', '2', '-fg', colour, '-bg', other],
            env=self._x_env(), timeout=10)

    # -- the screen tools

    def pick(self, icon, window, overlay, at, expected, click_at=None, while_shown=None):
        """A pick as a user makes it: a click on the pick icon (at `icon` in `window`), the pointer
        to the screen point `at`, a click there (or at `click_at`), then `expected` on the clipboard
        and the overlay gone. overlay(session) answers the overlay's window once it shows; while it
        shows, before the pointer moves, while_shown(window) may check it."""
        self.click(*icon, window=window)
        shown = wait_until(lambda: overlay(self), 10, 'the pick overlay')
        if while_shown:
            while_shown(shown)
        self.move(*at)
        x, y = click_at or at
        self.click(x, y)
        wait_until(lambda: self.clipboard_text() == expected, 10,
                   f'{expected} picked at {x},{y} (the clipboard holds {self.clipboard_text()!r})')
        wait_until(lambda: not overlay(self), 10, 'the pick overlay closing')

    # -- clipboard

    def clipboard_text(self, timeout=5):
        """Text the clipboard offers (as UTF-8), or None when it offers none."""
        r = run(['xclip', '-o', '-selection', 'clipboard'], env=self._x_env(), timeout=timeout, check=False)
        if r.returncode != 0:
            return None
        try:
            return r.stdout.decode('utf-8')
        except UnicodeDecodeError:
            raise HarnessError(f'clipboard text is not UTF-8: {r.stdout[:200]!r}') from None

    def clipboard_targets(self, timeout=5):
        r = run(['xclip', '-o', '-selection', 'clipboard', '-t', 'TARGETS'], env=self._x_env(),
                timeout=timeout, check=False)
        return r.stdout.decode('utf-8', 'replace').split() if r.returncode == 0 else []

    def clipboard_image(self, path, timeout=10):
        """Saves the clipboard's bitmap as a BMP file; returns path, or None when it offers none."""
        r = run(['xclip', '-o', '-selection', 'clipboard', '-t', 'image/bmp'], env=self._x_env(),
                timeout=timeout, check=False)
        if r.returncode != 0 or not r.stdout:
            return None
        if not r.stdout.startswith(b'BM'):
            raise HarnessError(f'clipboard image/bmp is not a BMP: {r.stdout[:16]!r}')
        with open(path, 'wb') as f:
            f.write(r.stdout)
        return path

    def set_clipboard_text(self, text):
        """Offers text on the clipboard as another application would (for paste tests)."""
        if self._clipboard_owner is not None:
            _stop(self._clipboard_owner)
        # -quiet keeps xclip in the foreground, so it stays ours to stop at teardown.
        with self._log('xclip.log') as log:
            self._clipboard_owner = subprocess.Popen(
                ['xclip', '-i', '-selection', 'clipboard', '-quiet'], env=self._x_env(),
                stdin=subprocess.PIPE, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True, preexec_fn=_die_with_parent)
        self._procs.append(self._clipboard_owner)
        self._clipboard_owner.stdin.write(text.encode('utf-8'))
        self._clipboard_owner.stdin.close()
        wait_until(lambda: self.clipboard_text() == text, 5, 'xclip taking the clipboard')


# ---------------------------------------------------------------- web pages

class PageServer:
    """A web server on 127.0.0.1 that stands in for the maker's site.

    pages: {path: (body bytes, delay in seconds)}; a delay of None never answers (the request
    is held until the server stops). Paths not listed get 404. `requests` lists the paths asked
    for, `held` how many requests wait unanswered.
    """

    def __init__(self, port, pages):
        import http.server
        self.pages = dict(pages)
        self.requests = []
        self.held = 0
        self._stopping = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):  # noqa: N802 - the name http.server calls
                path = self.path.split('?', 1)[0]
                server.requests.append(path)
                if path not in server.pages:
                    self.send_error(404)
                    return
                body, delay = server.pages[path]
                if delay is None:
                    server.held += 1
                    server._stopping.wait()
                    return
                if server._stopping.wait(delay):
                    return
                self.send_response(200)
                self.send_header('Content-Type', 'text/plain; charset=gbk')
                self.send_header('Content-Length', str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        class Server(http.server.ThreadingHTTPServer):
            allow_reuse_address = True
            daemon_threads = True

        try:
            self._httpd = Server(('127.0.0.1', port), Handler)
        except OSError as e:
            raise HarnessError(f'cannot serve pages on 127.0.0.1:{port}: {e}') from None
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)

    def __enter__(self):
        self._thread.start()
        return self

    def __exit__(self, *exc):
        self._stopping.set()
        self._httpd.shutdown()
        self._httpd.server_close()
        return False


# ---------------------------------------------------------------- command line

def main(argv=None):
    ap = argparse.ArgumentParser(description='ColourPicker end-to-end harness')
    ap.add_argument('--make-prefix', action='store_true',
                    help='create the Wine prefix ($PICKER_WINEPREFIX) if it is missing, then exit')
    ap.add_argument('--prefix', default=os.environ.get('PICKER_WINEPREFIX'),
                    help='Wine prefix (default: $PICKER_WINEPREFIX)')
    ap.add_argument('--slots', type=int, default=1,
                    help='with --make-prefix: also make the prefixes of the Wine slots 1 to SLOTS - 1')
    args = ap.parse_args(argv)
    if not args.make_prefix:
        ap.print_help()
        return 2
    if not args.prefix:
        ap.error('set PICKER_WINEPREFIX or pass --prefix')
    prefix = os.path.abspath(args.prefix)
    started = time.monotonic()
    work = tempfile.mkdtemp(prefix='picker-prefix-')
    try:
        with XServer(work) as x:
            log = os.path.join(work, 'wineboot.log')
            make_prefix(prefix, x.display, log)
            print(f'Wine prefix {prefix} ready in {time.monotonic() - started:.1f} s')
            for slot in range(1, args.slots):
                started = time.monotonic()
                copy = slot_prefix(prefix, slot)
                make_prefix(copy, x.display, log, seed=prefix)
                print(f'Wine prefix {copy} ready in {time.monotonic() - started:.1f} s')
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == '__main__':
    sys.exit(main())
