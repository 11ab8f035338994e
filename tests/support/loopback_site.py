#!/usr/bin/env python3
"""A web site on 127.0.0.1 for the download tests, answering on purpose well or badly.

Usage: loopback_site.py SITE_FOLDER REQUEST_LOG

Prints the ephemeral port it listens on as its first line. A request path is
/<behaviour>/<folders>/<file>: <file> (percent-decoded) names a file in SITE_FOLDER, the
folders are ignored, and <behaviour> says how the answer goes. The site is an HTTP proxy as
well: a request for http://<any host>/<behaviour>/... is answered as the path alone would be,
so a made-up host name reaches it only through the proxy.

  ok         200 with the file, or 404 when there is no such file
  status404  404 with a small page        status500  500 with a small page
  redirect   302 to /ok/... (same rest)   loop       302 to the same path again
  tofile     302 to file:///etc/passwd    empty      200 with no body
  short      the headers announce 100 bytes more than the body that follows, then it closes
  stall      the headers and half the body, then nothing for a long while
  silent     no answer at all for a long while
  gzip       200 with the file gzip-encoded (Content-Encoding: gzip), whatever was asked for
  deflate    200 with the file zlib-encoded (Content-Encoding: deflate)
  trickle    the headers, then one byte of the file every 0.2 s for a long while

Every raw request path is appended to REQUEST_LOG, one per line. The server ends on SIGTERM
and on its own after a few minutes, so a crashed test never leaves it behind.
"""

import http.server
import os
import sys
import threading
import time
import urllib.parse
import zlib

SITE_FOLDER, REQUEST_LOG = sys.argv[1], sys.argv[2]
LONG_WHILE_SECONDS = 10
LIFETIME_SECONDS = 300
log_lock = threading.Lock()


class Handler(http.server.BaseHTTPRequestHandler):
    timeout = 15  # no request may hold a thread for ever

    def log_message(self, *args):
        pass

    def do_GET(self):
        with log_lock, open(REQUEST_LOG, "a", encoding="utf-8") as log:
            log.write(self.path + "\n")
        path = urllib.parse.urlsplit(self.path).path if self.path.startswith("http://") else self.path
        _, behaviour, rest = (path.split("/", 2) + ["", ""])[:3]
        body = self.site_file(urllib.parse.unquote(rest.rsplit("/", 1)[-1]))
        try:
            self.answer(behaviour, rest, body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up, as it should

    def site_file(self, name):
        path = os.path.join(SITE_FOLDER, name)
        if "/" in name or name in ("", ".", "..") or not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def send(self, status, body, headers=(), announced=None):
        self.send_response(status)
        for key, value in headers:
            self.send_header(key, value)
        self.send_header("Content-Length", str(len(body) if announced is None else announced))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()

    def answer(self, behaviour, rest, body):
        page = b"<html><body>Error page</body></html>\n"
        if behaviour == "ok":
            self.send(200, body) if body is not None else self.send(404, page)
        elif behaviour == "status404":
            self.send(404, page)
        elif behaviour == "status500":
            self.send(500, page)
        elif behaviour == "redirect":
            self.send(302, b"", [("Location", "/ok/" + rest)])
        elif behaviour == "loop":
            self.send(302, b"", [("Location", self.path)])
        elif behaviour == "tofile":
            self.send(302, b"", [("Location", "file:///etc/passwd")])
        elif behaviour == "empty":
            self.send(200, b"")
        elif behaviour == "short":
            self.send(200, body or b"", announced=len(body or b"") + 100)
        elif behaviour == "stall":
            body = body or b"0123456789"
            self.send(200, body[: len(body) // 2], announced=len(body))
            time.sleep(LONG_WHILE_SECONDS)
        elif behaviour == "silent":
            time.sleep(LONG_WHILE_SECONDS)
        elif behaviour in ("gzip", "deflate"):
            encoder = zlib.compressobj(wbits=31 if behaviour == "gzip" else 15)
            encoded = encoder.compress(body or b"") + encoder.flush()
            self.send(200, encoded, [("Content-Encoding", behaviour)])
        elif behaviour == "trickle":
            body = body or b"0123456789"
            self.send(200, b"", announced=len(body))
            deadline = time.monotonic() + LONG_WHILE_SECONDS
            for byte in body:
                if time.monotonic() > deadline:
                    break
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
                time.sleep(0.2)
        else:
            self.send(404, page)


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
