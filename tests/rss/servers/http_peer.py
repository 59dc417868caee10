"""A web peer that misbehaves by path, on 127.0.0.1 and a free port (printed on the
first line of standard output). It stops by itself after a while or when its standard
input closes.

    /redirect   302 to /stolen on this host
    /huge       a 5 MB reply
    /trickle    a reply sent a byte every 0.1 seconds, 1.5 seconds in all
    /hang       read and never answered
    /test/counts  how many requests reached each other path, as JSON
"""
import json
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from lifetime import stop_later

lock = threading.Lock()
counts = {}


class Handler(BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def head(self, code, length, headers=()):
        self.send_response(code)
        self.send_header('Content-Length', str(length))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()

    def answer(self, body):
        data = json.dumps(body).encode()
        self.head(200, len(data), [('Content-Type', 'application/json')])
        self.wfile.write(data)

    def do_GET(self):
        path = self.path
        with lock:
            if path == '/test/counts':
                return self.answer(counts)
            counts[path] = counts.get(path, 0) + 1
        if path == '/redirect':
            return self.head(302, 0, [('Location', '/stolen')])
        if path == '/huge':
            self.head(200, 5 * 1024 * 1024)
            chunk = b'x' * 65536
            for _ in range(80):
                self.wfile.write(chunk)
            return
        if path == '/trickle':
            self.head(200, 15)
            for _ in range(15):
                self.wfile.write(b'.')
                self.wfile.flush()
                time.sleep(0.1)
            return
        if path == '/hang':
            threading.Event().wait(600)
            return
        self.head(404, 0)

    def handle(self):
        try:
            super().handle()
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up, as it should


server = ThreadingHTTPServer(('127.0.0.1', 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
stop_later()
server.serve_forever()
