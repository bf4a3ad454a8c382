# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""A Calc of its own for the checks that drive LibreOffice through python3-uno: started on a
private profile and a pipe of its own, so that one open elsewhere holds no lock, and stopped
whether or not its bridge still answers."""
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException


def properties(**values):
    return tuple(PropertyValue(Name=name, Value=value) for name, value in values.items())


def start_calc(profile):
    """A Calc of its own (a private profile, so that one open elsewhere holds no lock)."""
    pipe = f"zifrano-calc-{os.getpid()}"
    profile = uno.systemPathToFileUrl(os.path.abspath(profile))
    office = subprocess.Popen(
        ["soffice", f"-env:UserInstallation={profile}", "--headless", "--norestore",
         f"--accept=pipe,name={pipe};urp;"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + 120
    while True:
        try:
            context = resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
            break
        except NoConnectException:
            if office.poll() is not None or time.monotonic() > deadline:
                office.kill()
                sys.exit("LibreOffice did not start")
            time.sleep(0.05)
    return office, context.ServiceManager.createInstanceWithContext(
        "com.sun.star.frame.Desktop", context)


def stop_calc(office, desktop):
    try:
        desktop.terminate()
    except Exception:  # the bridge goes down with Calc; it may not answer
        pass
    try:
        office.wait(timeout=30)
    except subprocess.TimeoutExpired:
        office.kill()
        office.wait()
