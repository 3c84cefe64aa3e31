#!/usr/bin/env python3
"""Reads the running panel's window over AT-SPI as a screen reader does: finds a page button by its
name and a slider with its value. Run by atspi_smoke.sh on a private D-Bus session and a virtual
display; exits 77 (skipped) when the accessibility bus cannot be reached."""

import os
import subprocess
import sys
import time

SKIP = 77


def main(panel):
    try:
        import pyatspi
    except ImportError as error:
        print(f"skipped: python3-pyatspi is missing ({error})")
        return SKIP

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen([panel, "--demo"], env=env)
    try:
        window = find_window(pyatspi, app.pid)
        if window is None:
            print("skipped: the panel never appeared on the accessibility bus")
            return SKIP
        found = {}
        for node in walk(window):
            role, name = node.getRoleName(), node.name
            if role == "page tab" and name == "MIC":
                found["page"] = node
            if role == "slider" and name == "MIC":
                found["slider"] = node
        if "page" not in found or "slider" not in found:
            print(f"failed: page button 'MIC' or slider 'MIC' not found ({sorted(found)})")
            return 1
        value = found["slider"].queryValue()
        print(f"page tab 'MIC' found; slider 'MIC' reads {value.currentValue} of {value.minimumValue}..{value.maximumValue}")
        if value.maximumValue != 84 or not 0 <= value.currentValue <= 84:
            print("failed: the master volume's range is 0..84")
            return 1
        return 0
    finally:
        app.terminate()
        try:
            app.wait(10)
        except subprocess.TimeoutExpired:
            app.kill()


def find_window(pyatspi, pid):
    # The panel registers once its event loop runs; the registry is asked again until then.
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is None:
                continue
            try:
                if application.get_process_id() == pid and application.childCount > 0:
                    return application
            except Exception:
                continue
        time.sleep(0.2)
    return None


def walk(node):
    stack = [node]
    while stack:
        current = stack.pop()
        if current is None:
            continue
        yield current
        stack.extend(current[i] for i in range(current.childCount))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
