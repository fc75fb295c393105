"""Checks a strace log: what was opened for writing, and which sockets were made and joined.

Usage: check_trace.py TRACE RUNTIME_DIR DISPLAY_NUMBER
"""

import re
import sys

WRITING = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND")
OPEN = re.compile(r'\b(?:open|openat|openat2|creat)\((?:[^,]+, )?"([^"]*)"(.*)')
SOCKET = re.compile(r"\bsocket\((\w+)")
CONNECT = re.compile(r'\bconnect\(\d+, \{sa_family=(\w+)(?:, sun_path=@?"([^"]*)")?')


def main():
    trace, runtime_dir, display = sys.argv[1], sys.argv[2], sys.argv[3]
    allowed_prefixes = ("/dev/", "/proc/", runtime_dir.rstrip("/") + "/")
    x_server = f"/tmp/.X11-unix/X{display}"
    problems = []
    for line in open(trace, encoding="utf-8", errors="replace"):
        opened = OPEN.search(line)
        if opened and WRITING.search(opened.group(2)) and "= -1" not in line:
            if not opened.group(1).startswith(allowed_prefixes):
                problems.append("opened for writing: " + line.strip())
        made = SOCKET.search(line)
        if made and made.group(1) not in ("AF_UNIX", "PF_UNIX", "AF_LOCAL", "PF_LOCAL"):
            problems.append("socket: " + line.strip())
        joined = CONNECT.search(line)
        if joined and (joined.group(1) != "AF_UNIX" or joined.group(2) != x_server):
            if "= -1" not in line:
                problems.append("connection: " + line.strip())
    for problem in problems:
        print("FAIL:", problem, file=sys.stderr)
    print(f"trace checked: {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main())
