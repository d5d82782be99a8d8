#!/usr/bin/python3
"""A lab system's client of the automation service, holding one connection for its
calls, run inside dbus-run-session against the program the bus starts from the
activation file: the answers, the errors and the lifetime of the instances.

usage: automation_client.py STORAGE_ROOT BRAMBLEX_CLI [--clipboard | --print OUT | --no-printer]
With --clipboard (under Xvfb): only the clipboard copy, and the process staying while
it holds the clipboard. With --print: Print and PrintPage on the default queue of a
private CUPS scheduler whose device leaves each job as OUT/Lab.pdf. With --no-printer:
printing where CUPS has no printer fails clearly."""

import json
import os
import re
import subprocess
import sys
import time

from gi.repository import Gio, GLib

BUS_NAME = "com.korvane.Bramblex"
FACTORY_PATH = "/com/korvane/Bramblex"
FACTORY = "com.korvane.Bramblex.Factory"
INSTANCE_PATH = "/BramblexInterface"
INSTANCE = "com.korvane.Bramblex.IBramblexInterface"
UNEXPECTED = "com.korvane.Bramblex.Error.Unexpected"

root, cli = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


def call(conn, name, method, signature="", args=(), reply=None, path=INSTANCE_PATH, iface=INSTANCE):
    params = GLib.Variant("(" + signature + ")", tuple(args)) if signature else None
    result = conn.call_sync(name, path, iface, method, params,
                            GLib.VariantType(reply) if reply else None,
                            Gio.DBusCallFlags.NONE, 60000, None)
    return result.unpack() if result is not None else ()


def error_of(conn, name, method, signature="", args=()):
    """(error name, message) of a call that must fail; (None, None) when it worked."""
    try:
        call(conn, name, method, signature, args)
    except GLib.Error as e:
        remote = Gio.DBusError.get_remote_error(e)
        prefix = "GDBus.Error:%s: " % remote
        return remote, e.message[len(prefix):] if e.message.startswith(prefix) else e.message
    return None, None


def bus_call(conn, method, signature, args, reply):
    return call(conn, "org.freedesktop.DBus", method, signature, args, reply,
                path="/org/freedesktop/DBus", iface="org.freedesktop.DBus")


def create(conn):
    return call(conn, BUS_NAME, "CreateInstance", reply="(s)", path=FACTORY_PATH, iface=FACTORY)[0]


def wait_gone(conn, unique, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not bus_call(conn, "NameHasOwner", "s", (unique,), "(b)")[0]:
            return True
        time.sleep(0.1)
    return False


address = os.environ["DBUS_SESSION_BUS_ADDRESS"]
flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
lab = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)

if sys.argv[3:] == ["--clipboard"]:
    holder = create(lab)
    call(lab, holder, "OpenBatch", "s", (root + "/Local/Forty Five.epb",))
    call(lab, holder, "CopyPageToClipboard", "si", ("Quality Report", 1))
    targets = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"],
                             capture_output=True, text=True, timeout=30).stdout.split()
    check("image/svg+xml" in targets and "image/png" in targets, "the page is on the clipboard: %r" % targets)
    call(lab, holder, "Release")
    check(not wait_gone(lab, holder, 2.0), "a released instance that holds the clipboard stays")
    svg = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/svg+xml", "-o"],
                         capture_output=True, timeout=30).stdout
    check(b"<svg" in svg and b'width="210mm"' in svg, "other programs read the page: %r" % svg[:200])
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=b"another program's text", timeout=30)
    check(wait_gone(lab, holder), "it ends once another program took the clipboard")
    if failures:
        sys.exit(1)
    print("clipboard case passed")
    sys.exit(0)

def printed(out, pages, title):
    pdf, options = out + "/Lab.pdf", out + "/Lab.pdf.options"
    for _ in range(400):
        if os.path.exists(pdf):
            break
        time.sleep(0.05)
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    check(re.search(r"^Pages: +%d$" % pages, info, re.M) is not None,
          "%s: %d page(s) printed: %r" % (title, pages, info))
    with open(options) as f:
        check(f.read().strip() == "title=" + title, "the job's title is %r" % title)
    os.remove(pdf)


if sys.argv[3:4] == ["--print"]:
    out = sys.argv[4]
    printer = create(lab)
    call(lab, printer, "OpenBatch", "s", (root + "/Local/Forty Five.epb",))
    call(lab, printer, "Print", "s", ("quality REPORT",))
    printed(out, 5, "quality REPORT")
    call(lab, printer, "PrintPage", "si", ("Quality Report", 2))
    printed(out, 1, "Quality Report 2")
    call(lab, printer, "Release")
    sys.exit(1 if failures else 0)

if sys.argv[3:] == ["--no-printer"]:
    printer = create(lab)
    call(lab, printer, "OpenBatch", "s", (root + "/Local/Forty Five.epb",))
    started = time.monotonic()
    check(error_of(lab, printer, "Print", "s", ("Quality Report",)) == (UNEXPECTED, "No printer is installed."),
          "without a printer: %r" % (error_of(lab, printer, "Print", "s", ("Quality Report",)),))
    check(time.monotonic() - started < 30, "the missing printer is told at once")
    call(lab, printer, "Release")
    sys.exit(1 if failures else 0)

first = create(lab)
check(first.startswith(":"), "CreateInstance answers a unique name: %r" % first)

# The help strings reach the client's tools.
xml = call(lab, first, "Introspect", reply="(s)", iface="org.freedesktop.DBus.Introspectable")[0]
info = Gio.DBusNodeInfo.new_for_xml(xml).lookup_interface(INSTANCE)
check(info is not None, "the instance offers " + INSTANCE)
if info is not None:
    helps = {m.name: [a.value for a in m.annotations] for m in info.methods}
    check(helps.get("GetPageCount") == ["Returns number of pages for open batch and report"],
          "GetPageCount's help string: %r" % helps.get("GetPageCount"))
    check(sorted(helps) == sorted(["PrintPage", "Print", "OpenBatch", "GetBatchID", "GetLocalPath",
                                   "CopyPageToClipboard", "GetPageCount", "GetAnalysis", "GetQCResult",
                                   "Release"]),
          "methods: %r" % sorted(helps))
    check([a.value for a in info.annotations] == ["Dispatch interface for BramblexInterface Object"],
          "the interface's help string")

check(call(lab, first, "GetBatchID", reply="(s)") == ("",), "GetBatchID before OpenBatch is empty")
check(error_of(lab, first, "GetAnalysis") == (UNEXPECTED, "No batch is open"), "GetAnalysis before OpenBatch")
check(error_of(lab, first, "GetQCResult") == (UNEXPECTED, "No batch is open"), "GetQCResult before OpenBatch")
local = call(lab, first, "GetLocalPath", reply="(s)")[0]
check(local == root + "/Local/", "GetLocalPath: %r" % local)

forty_five = root + "/Local/Forty Five.epb"
call(lab, first, "OpenBatch", "s", (forty_five,))
check(call(lab, first, "GetBatchID", reply="(s)") == ("Forty Five",), "GetBatchID after OpenBatch")
# One speed on a spindle without shear data, warming by 4.4 K: counts, and nothing fitted.
analysis = json.loads(call(lab, first, "GetAnalysis", reply="(s)")[0])
excluded = analysis.get("excluded", {})
check(analysis.get("file") == forty_five and analysis.get("readings") == 45 and
      analysis.get("used", 0) + excluded.get("over_scale", 0) + excluded.get("low_torque", 0) == 45 and
      excluded.get("no_shear_data") == analysis.get("used") and analysis.get("flow_models") == [] and
      analysis.get("best_model", 0) is None and analysis.get("speed_power_law", 0) is None and
      analysis.get("arrhenius", 0) is None, "GetAnalysis: %r" % analysis)

# No limit set for the folder: "none". Then one whose flow index this batch of one speed
# cannot give, written in the file format the guide documents: incomplete.
qc = json.loads(call(lab, first, "GetQCResult", reply="(s)")[0])
check(qc == {"file": forty_five, "specification": None, "result": "none", "criteria": []},
      "GetQCResult without limit set: %r" % qc)
with open(root + "/Settings/Flow.epq", "w") as f:
    f.write("<QCLimitSet><Criterion><Kind>flow-index</Kind><Min>0.1</Min><Max></Max></Criterion>"
            "</QCLimitSet>")
with open(root + "/Local/.qc-limits", "w") as f:
    f.write("<QCAssignment><LimitSet>Flow</LimitSet></QCAssignment>")
qc = json.loads(call(lab, first, "GetQCResult", reply="(s)")[0])
os.remove(root + "/Local/.qc-limits")
check(qc == {"file": forty_five, "specification": "Flow", "result": "incomplete", "criteria": [
    {"criterion": "flow-index", "measured": None, "min": 0.1, "max": None, "result": "incomplete"}]},
      "GetQCResult: %r" % qc)

missing = root + "/Local/None Such.epb"
name, message = error_of(lab, first, "OpenBatch", "s", (missing,))
check(name == UNEXPECTED, "a missing batch fails as Unexpected: %r" % name)
check(message is not None and missing in message and message.endswith("No such file or directory"),
      "the missing batch's message names the file and the reason: %r" % message)
check(call(lab, first, "GetBatchID", reply="(s)") == ("Forty Five",), "a failed OpenBatch keeps the batch")

# 45 readings at 20 rows a page: the opening page, three inner pages, the closing page.
check(call(lab, first, "GetPageCount", "s", ("Quality Report",), "(i)") == (5,), "GetPageCount is 5")
check(call(lab, first, "GetPageCount", "s", ("quality report",), "(i)") == (5,), "report names ignore case")
check(error_of(lab, first, "GetPageCount", "s", ("No Such Report",)) == (UNEXPECTED, "Report does not exist"),
      "an unknown report")

for page in (5, -1):
    check(error_of(lab, first, "PrintPage", "si", ("Quality Report", page)) == (UNEXPECTED, "Page does not exist"),
          "PrintPage %d: %r" % (page, error_of(lab, first, "PrintPage", "si", ("Quality Report", page))))
check(error_of(lab, first, "CopyPageToClipboard", "si", ("Quality Report", 7)) ==
      (UNEXPECTED, "List index out of bounds (7)"), "CopyPageToClipboard beyond the document")
if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
    name, message = error_of(lab, first, "CopyPageToClipboard", "si", ("Quality Report", 0))
    check(name == UNEXPECTED and "offscreen" in (message or ""),
          "without a display the clipboard copy fails clearly: %r %r" % (name, message))
check(error_of(lab, first, "GetPageCount", "i", (1,))[0] == "org.freedesktop.DBus.Error.InvalidArgs",
      "wrong arguments")

# A second client gets a process of its own, and cannot use the first one's.
other = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
second = create(other)
check(second != first, "a second client gets another instance")
pids = [bus_call(lab, "GetConnectionUnixProcessID", "s", (n,), "(u)")[0] for n in (first, second)]
check(pids[0] != pids[1], "two clients, two processes: %r" % pids)
check(call(other, second, "GetBatchID", reply="(s)") == ("",), "each process has its own open batch")
check(error_of(other, first, "GetBatchID")[0] == "org.freedesktop.DBus.Error.AccessDenied",
      "an instance answers its own client only")

# The client that leaves the bus ends its process; Release ends the other.
other.close_sync(None)
check(wait_gone(lab, second), "the instance ends when its client leaves the bus")
call(lab, first, "Release")
check(wait_gone(lab, first), "the instance ends on Release")

# The command-line client: one instance for all the calls given, released at the end.
out = subprocess.run([cli, "automation", "OpenBatch", forty_five, "GetBatchID", "GetPageCount", "QUALITY report",
                      "GetLocalPath"], capture_output=True, text=True, timeout=120)
check(out.returncode == 0 and out.stdout == "Forty Five\n5\n%s\n" % local,
      "bramblex-cli automation: %r %r" % (out.stdout, out.stderr))
out = subprocess.run([cli, "automation", "GetPageCount", "Nope"], capture_output=True, text=True, timeout=120)
check(out.returncode == 1 and "Report does not exist" in out.stderr and UNEXPECTED in out.stderr,
      "bramblex-cli automation reports the error: %r" % out.stderr)

if failures:
    print("%d failure(s)" % len(failures))
    sys.exit(1)
print("all automation cases passed")
