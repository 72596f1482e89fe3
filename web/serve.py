#!/usr/bin/python3
"""Serves the built site on 127.0.0.1 for a person or a test to open.

    usage: serve.py SITE_FOLDER [PORT]

Any static host does as well, given the types below (a browser compiles
a module only when it comes as application/wasm).
"""
import functools
import http.server
import sys

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".json": "application/manifest+json",
    ".wasm": "application/wasm",
    ".woff2": "font/woff2",
    ".svg": "image/svg+xml",
    ".png": "image/png",
}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = TYPES

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass


def serve(folder, port):
    handler = functools.partial(SiteHandler, directory=folder)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = serve(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"Zerkovan on http://127.0.0.1:{server.server_address[1]}/ (Ctrl+C ends)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
