#!/usr/bin/env python3
"""spbrg.exe under Wine answers as the Linux spbrg does: the same output (with CR LF line ends,
and a CR LF the output already has kept as one), the same errors and exit statuses, in the C
and a comma-decimal locale. Sources are given to spbrg.exe with CR LF line ends, by relative
path, by Windows path and on standard input, and the Linux binary reads the LF originals. The
Wine prefix has no drive for the Linux file system, so the program reads no gputils header and
nothing else of the machine.

usage: wine_test.py LINUX_SPBRG WINDOWS_SPBRG_EXE SOURCE_FILE..."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

# The main command, clocks, and errors; check on the sources comes on top.
CASES = [
    ["4", "9600"],
    ["16", "115200"],
    ["16", "115200", "--enhanced"],
    ["20", "1200", "--window"],
    ["20", "1200", "--defines"],
    ["4", "9600", "--defines", "--cloerr", "--brgh", "0"],
    ["32", "9600", "--device", "16F1829"],
    ["32", "9600", "--device", "16F1829", "--format", "c"],
    ["4", "9600", "--device", "16F877A", "--format", "asm"],
    ["4", "9600", "--device", "16F877A", "--format", "asm", "--program"],
    ["64", "9600", "--device", "PIC18F45K22", "--usart", "2", "--format", "defines"],
    ["64", "115200", "--device", "PIC18F47Q43", "--c"],
    ["32", "115200", "--device", "PIC24FJ64GA002"],
    ["16", "9600", "19200", "115200", "--device", "16F1829", "--json"],
    ["16", "9600", "19200", "--csv"],
    ["20", "--table"],
    ["64", "--table", "--enhanced", "--device", "18F26K22"],
    ["clocks", "9600", "115200"],
    ["clocks", "9600", "19200", "38400", "--device", "16F1829", "--json"],
    ["clocks", "9600", "--device", "18F45K22", "--csv"],
    # Errors: exit status 2 and one line.
    ["4", "9,600"],
    ["64", "9600", "--device", "16F1829"],
    ["4", "9600", "--device", "16F1892"],
    ["4", "9600", "--device", "12F675"],
    ["--frobnicate"],
    ["check", "no_such_file.c"],
    ["--help"],
]


def run(command, cwd, env, stdin=b""):
    done = subprocess.run(command, cwd=cwd, env=env, input=stdin, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=120)
    return done.returncode, done.stdout, done.stderr


def windows_text_faults(out: bytes) -> str:
    if re.search(rb"(?<!\r)\n", out):
        return "a line ends without CR"
    if b"\r\r\n" in out:
        return "a CR LF became CR CR LF"
    return ""


def main() -> int:
    linux = pathlib.Path(sys.argv[1]).resolve()
    exe = pathlib.Path(sys.argv[2]).resolve()
    sources = [pathlib.Path(p).resolve() for p in sys.argv[3:]]
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="spbrg-wine-"))
    prefix = scratch / "prefix"
    env = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
    env.pop("DISPLAY", None)
    # A new prefix says how it sets itself up; that is done here, before anything is compared.
    subprocess.run(["wineboot", "-i"], cwd=scratch, env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    run(["wineserver", "-w"], scratch, env)
    # One server for every run that follows, started apart from them: a server that a run starts
    # holds that run's output open for as long as it lives.
    subprocess.run(["wineserver", "-p"], cwd=scratch, env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60, check=True)
    # The first program started also starts Wine's services, which live on with the server:
    # started here, they hold no run's output open.
    subprocess.run(["wine", "cmd", "/c", "exit"], cwd=scratch, env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    (prefix / "dosdevices" / "z:").unlink(missing_ok=True)
    program = prefix / "drive_c" / "spbrg"
    work = prefix / "drive_c" / "work"
    linux_work = scratch / "linux"
    for folder in (program, work, linux_work):
        folder.mkdir(parents=True)
    shutil.copy(exe, program / "spbrg.exe")
    cases = [list(case) for case in CASES]
    for source in sources:
        data = source.read_bytes()
        (linux_work / source.name).write_bytes(data)
        (work / source.name).write_bytes(data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n"))
        cases.append(["check", source.name])
    first = sources[0].name if sources else None
    failed = passed = 0

    def compare(name, windows_args, linux_args, locale="C.UTF-8", stdin=b"", path=None):
        nonlocal failed, passed
        wine_env = dict(env, LANG=locale, LC_ALL=locale)
        linux_env = dict(os.environ, LANG=locale, LC_ALL=locale)
        got = run(["wine", "C:\\spbrg\\spbrg.exe", *windows_args], work, wine_env, stdin)
        want = run([str(linux), *linux_args], linux_work, linux_env,
                   stdin.replace(b"\r\n", b"\n"))
        if path:  # the source as each program was given it, in its report
            got = (got[0], got[1].replace(path[0].encode(), path[1].encode()), got[2])
        faults = []
        if got[0] != want[0]:
            faults.append(f"exit status {got[0]}, Linux {want[0]}")
        for stream, ours, theirs in (("stdout", got[1], want[1]), ("stderr", got[2], want[2])):
            if ours.replace(b"\r\n", b"\n") != theirs.replace(b"\r\n", b"\n"):
                faults.append(f"{stream} differs:\n--- spbrg.exe\n{ours.decode(errors='replace')}"
                              f"\n--- spbrg\n{theirs.decode(errors='replace')}")
            elif windows_text_faults(ours):
                faults.append(f"{stream}: {windows_text_faults(ours)}")
        if faults:
            failed += 1
            print(f"FAIL {name}: " + "\n  ".join(faults))
        else:
            passed += 1

    for case in cases:
        compare("spbrg " + " ".join(case), case, case)
    compare("spbrg 3.6864 115200 --locale under de_DE", ["3.6864", "115200", "--locale"],
            ["3.6864", "115200", "--locale"], locale="de_DE.UTF-8")
    compare("spbrg 20 --table --locale under de_DE", ["20", "--table", "--locale"],
            ["20", "--table", "--locale"], locale="de_DE.UTF-8")
    if first:
        compare(f"check C:\\work\\{first}", ["check", f"C:\\work\\{first}"], ["check", first],
                path=(f"C:\\work\\{first}", first))
        compare(f"check - < {first}", ["check", "-"], ["check", "-"],
                stdin=(work / first).read_bytes())
        compare(f"check ..\\work\\{first}", ["check", f"..\\work\\{first}"], ["check", first],
                path=(f"..\\work\\{first}", first))
    # Without the z: drive nothing of the Linux machine is reachable.
    got = run(["wine", "C:\\spbrg\\spbrg.exe", "check", "Z:\\etc\\hostname"], work, env)
    if got[0] != 2:
        failed += 1
        print(f"FAIL the Linux file system is reachable from the prefix (exit {got[0]})")
    else:
        passed += 1
    run(["wineserver", "-k"], scratch, env)
    shutil.rmtree(scratch, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
