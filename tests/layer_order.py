"""Fails when a file includes from a folder above its own, or when code outside the Win32 host
includes <windows.h>. Run with the source folder as the argument."""
import os
import pathlib
import re
import sys

# Ground first. A file may include from its own folder and from the folders before it.
ORDER = ["text", "colour", "gfx", "platform", "platform/portable", "ui",
         "shell", "skin", "lists", "screen", "choosers", "app", "win32",
         "fuzz", "tests", "bench", "tools"]
TEST_SUPPORT = ("tests", "bench", "fuzz", "tools")

root = pathlib.Path(sys.argv[1])
def layer(path):
    places = [name for name in ORDER if path == name or path.startswith(name + "/")]
    return max(places, key=len) if places else None

def sources():
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = [name for name in subfolders if name not in ("build", ".git")]
        yield from (pathlib.Path(folder, name) for name in files if name.endswith((".h", ".cpp", ".c", ".rc")))

faults = []
for file in sorted(sources()):
    relative = file.relative_to(root).as_posix()
    own = layer(relative)
    if own is None:
        faults.append(f"{relative}: its folder has no place in the order")
        continue
    for line in file.read_text(errors="replace").splitlines():
        included = re.match(r'\s*#\s*include\s*"([^"]+/[^"]+)"', line)
        if included and (theirs := layer(included[1])) and ORDER.index(theirs) > ORDER.index(own):
            faults.append(f"{relative}: includes {included[1]} from {theirs}/, above {own}/")
        if re.match(r"\s*#\s*include\s*<windows\.h>", line, re.I) and own != "win32" \
                and not own.startswith(TEST_SUPPORT):
            faults.append(f"{relative}: includes <windows.h> outside win32/")
print("\n".join(faults) or "every include points down")
sys.exit(1 if faults else 0)
