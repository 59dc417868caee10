"""What the JSON test services share: options from the command line, replies in JSON,
the misbehaviours every service can be asked for (hang, answer late, drop a reply
after storing), and serving on 127.0.0.1 and a free port, printed on the first line."""

import json
import socket
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from lifetime import stop_later


def parse_options(flags):
    """--name VALUE pairs, except the names in `flags`, which take no value."""
    options = {}
    args = sys.argv[1:]
    while args:
        name = args.pop(0)
        options[name] = True if name in flags else args.pop(0)
    return options


class JsonHandler(BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'
    options = {}

    def log_message(self, *args):
        pass

    def answer(self, code, body, headers=()):
        data = json.dumps(body).encode()
        self.send_response(code)
        self.send_header('Content-Type', 'application/json')
        self.send_header('Content-Length', str(len(data)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(data)

    def hang(self):
        """--hang: every request is read and never answered."""
        if self.options.get('--hang'):
            threading.Event().wait(600)
            return True
        return False

    def answer_stored(self, number, body):
        """The reply to the number-th stored post: late with --slow, never with
        --drop-reply number (the connection closes unanswered)."""
        if '--slow' in self.options:
            time.sleep(float(self.options['--slow']))
        drop = self.options.get('--drop-reply')
        if drop is not None and number == int(drop):
            self.close_connection = True
            self.connection.shutdown(socket.SHUT_RDWR)
            return
        self.answer(200, body)


def serve(handler):
    server = ThreadingHTTPServer(('127.0.0.1', 0), handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    stop_later()
    server.serve_forever()
