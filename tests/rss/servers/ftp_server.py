"""FTP server for the upload tests, on 127.0.0.1 and a free port, printed on the
first line of standard output. It stops by itself after a while or when its
standard input closes.

    ftp_server.py ROOT USER PASSWORD    serve ROOT to that account
    ftp_server.py --silent              accept connections and never greet
"""
import os
import socket
import sys
import threading

LIFETIME_SECONDS = 120


def stop_later():
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()


def silent():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def serve(root, user, password):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmw")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    stop_later()
    if sys.argv[1:] == ["--silent"]:
        silent()
    else:
        import logging
        logging.disable(logging.CRITICAL)
        serve(*sys.argv[1:4])
