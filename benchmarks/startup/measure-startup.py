#!/usr/bin/env python3
"""Start-up of the editor against the floor, a bare Qt Widgets window with the
same widgets and menus (floor.cpp).

Both programs carry the first-frame hook (firstframe.cpp): they print the
CLOCK_MONOTONIC time at which their first window has been exposed and painted,
then quit. The time from launch (just before the process is spawned) to that
moment, and the peak resident memory of the process, are taken over alternating
launches, on the offscreen platform and, where Xvfb is installed, under X11.

usage: measure-startup.py BUILD_DIR [--launches N] [--platforms offscreen,xcb]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

TIME_TARGET = 1.1
RSS_TARGET = 1.15


def launch(argv, env):
    """Runs one program; returns (milliseconds to first frame, peak RSS in MiB)."""
    start = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    out = proc.stdout.read().decode()
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    frame = [line.split()[1] for line in out.splitlines() if line.startswith("first-frame-ns ")]
    if proc.returncode != 0 or not frame:
        sys.exit(f"{argv[0]} ended with {proc.returncode} and no first frame")
    return (int(frame[0]) - start) / 1e6, usage.ru_maxrss / 1024


def census(editor, env):
    out = subprocess.run([editor], env=env, capture_output=True, text=True, check=True).stdout
    return next(line.split(" ", 1)[1] for line in out.splitlines() if line.startswith("census "))


def start_xvfb(env):
    """Starts Xvfb on a free display; returns the process, or None."""
    if not shutil.which("Xvfb"):
        return None
    first = int(os.environ.get("TUNEKS_FIRST_DISPLAY", "57"))
    for display in range(first, first + 33):
        if os.path.exists(f"/tmp/.X11-unix/X{display}") or os.path.exists(f"/tmp/.X{display}-lock"):
            continue
        proc = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                env["DISPLAY"] = f":{display}"
                return proc
            time.sleep(0.05)
        proc.kill()
    return None


def measure(platform, editor, floor, launches, env):
    env = dict(env, QT_QPA_PLATFORM=platform)
    xvfb = start_xvfb(env) if platform == "xcb" else None
    if platform == "xcb" and not xvfb:
        print(f"{platform}: skipped (no Xvfb)")
        return True
    try:
        shape = census(editor, env)
        runs = {"editor": [], "floor": []}
        programs = {"editor": [editor], "floor": [floor, shape]}
        for name in programs:  # warm the caches; not counted
            launch(programs[name], env)
        for i in range(launches):
            order = ["editor", "floor"] if i % 2 == 0 else ["floor", "editor"]
            for name in order:
                runs[name].append(launch(programs[name], env))
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()

    print(f"\n{platform}: {launches} launches each, alternating; widgets: {shape}")
    print(f"{'program':8} {'median ms':>10} {'min ms':>8} {'max ms':>8} {'median RSS MiB':>15}")
    medians = {}
    for name, values in runs.items():
        ms = [v[0] for v in values]
        rss = [v[1] for v in values]
        medians[name] = (statistics.median(ms), statistics.median(rss))
        print(f"{name:8} {medians[name][0]:10.1f} {min(ms):8.1f} {max(ms):8.1f} {medians[name][1]:15.1f}")
    time_ratio = medians["editor"][0] / medians["floor"][0]
    rss_ratio = medians["editor"][1] / medians["floor"][1]
    ok = time_ratio <= TIME_TARGET and rss_ratio <= RSS_TARGET
    print(f"time ratio {time_ratio:.2f} (target at most {TIME_TARGET}: {'met' if time_ratio <= TIME_TARGET else 'NOT met'}), "
          f"peak RSS ratio {rss_ratio:.2f} (target at most {RSS_TARGET}: {'met' if rss_ratio <= RSS_TARGET else 'NOT met'})")
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build_dir")
    parser.add_argument("--launches", type=int, default=20)
    parser.add_argument("--platforms", default="offscreen,xcb")
    args = parser.parse_args()
    folder = os.path.join(args.build_dir, "benchmarks")
    editor = os.path.join(folder, "tuneks-editor-firstframe")
    floor = os.path.join(folder, "startup-floor")
    env = dict(os.environ)
    env.setdefault("XDG_RUNTIME_DIR", f"/tmp/runtime-{os.getuid()}")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    ok = True
    for platform in args.platforms.split(","):
        ok = measure(platform, editor, floor, args.launches, env) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
