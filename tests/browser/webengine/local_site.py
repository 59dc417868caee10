"""Serves the pages in a folder on 127.0.0.1 at a free port for the browser tests.

Prints the port on its first line. /slow answers with the start of a page and then
holds the connection, so a test can stop a load in progress. The server ends by
itself after LIFETIME seconds, whatever happens to the test.
"""
import functools
import http.server
import sys
import threading
import time

LIFETIME = 120
SLOW_HOLD = 30


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith("/slow"):
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.end_headers()
            self.wfile.write(b"<html><head><title>Slow page</title></head><body><p>Loading")
            self.wfile.flush()
            time.sleep(SLOW_HOLD)
            return
        super().do_GET()

    def end_headers(self):
        # Pages change within the same second in the tests: never answer from a cache.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Timer(LIFETIME, server.shutdown).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
