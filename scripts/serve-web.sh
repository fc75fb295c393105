#!/usr/bin/env bash
# Serves the web page that scripts/package-web.sh built, on 127.0.0.1 only, and prints its
# address to open in a browser; Ctrl+C ends it. PORT chooses the port (0: any free one).
# Usage: serve-web.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/web/page}
[ -f "$folder/index.html" ] || { echo "no page in $folder: run scripts/package-web.sh first" >&2; exit 1; }
exec /usr/bin/python3 -c '
import functools, http.server, signal, sys
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
http.server.SimpleHTTPRequestHandler.extensions_map[".webmanifest"] = "application/manifest+json"
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
with http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[2])), handler) as server:
    print("vexal is served at http://127.0.0.1:%d/ (Ctrl+C ends it)" % server.server_address[1],
          flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
' "$folder" "${PORT:-8000}"
