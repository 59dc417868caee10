"""SFTP server for the upload tests (python3-paramiko), on 127.0.0.1 and a free port,
printed on the first line of standard output. ROOT is the account's home and the
root of every path. Its new host key's public line ("ssh-rsa BASE64") is written to
KEYFILE; each password the server is sent is appended to LOG as "USER" lines. As an
OpenSSH server does, a rename does not replace an existing file. It stops by itself
after a while or when its standard input closes.

    sftp_server.py KEYFILE LOG ROOT USER PASSWORD
"""
import os
import socket
import sys
import threading

import paramiko
from lifetime import stop_later


keyfile, log_path, root, user, password = sys.argv[1:6]
host_key = paramiko.RSAKey.generate(2048)
with open(keyfile, "w") as out:
    out.write("%s %s\n" % (host_key.get_name(), host_key.get_base64()))


def local(path):
    return os.path.join(root, os.path.normpath("/" + path).lstrip("/"))


def status_of(error):
    return paramiko.SFTPServer.convert_errno(error.errno)


class Server(paramiko.ServerInterface):
    def get_allowed_auths(self, username):
        return "password"

    def check_auth_password(self, username, given):
        with open(log_path, "a") as log:
            log.write(username + "\n")
        if username == user and given == password:
            return paramiko.AUTH_SUCCESSFUL
        return paramiko.AUTH_FAILED

    def check_channel_request(self, kind, chanid):
        if kind == "session":
            return paramiko.OPEN_SUCCEEDED
        return paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED


class Handle(paramiko.SFTPHandle):
    def stat(self):
        try:
            return paramiko.SFTPAttributes.from_stat(os.fstat(self.handle.fileno()))
        except OSError as error:
            return status_of(error)

    def chattr(self, attr):
        return paramiko.SFTP_OK


class Files(paramiko.SFTPServerInterface):
    def realpath(self, path):
        return os.path.normpath("/" + path)

    def stat(self, path):
        try:
            return paramiko.SFTPAttributes.from_stat(os.stat(local(path)))
        except OSError as error:
            return status_of(error)

    lstat = stat

    def list_folder(self, path):
        try:
            folder = local(path)
            return [paramiko.SFTPAttributes.from_stat(os.stat(os.path.join(folder, name)), name)
                    for name in os.listdir(folder)]
        except OSError as error:
            return status_of(error)

    def open(self, path, flags, attr):
        try:
            descriptor = os.open(local(path), flags, 0o644)
        except OSError as error:
            return status_of(error)
        mode = "rb"
        if flags & os.O_WRONLY:
            mode = "ab" if flags & os.O_APPEND else "wb"
        elif flags & os.O_RDWR:
            mode = "a+b" if flags & os.O_APPEND else "r+b"
        handle = Handle(flags)
        handle.handle = os.fdopen(descriptor, mode)
        handle.readfile = handle.handle
        handle.writefile = handle.handle
        return handle

    def remove(self, path):
        try:
            os.remove(local(path))
        except OSError as error:
            return status_of(error)
        return paramiko.SFTP_OK

    def rename(self, old, new):
        if os.path.exists(local(new)):
            return paramiko.SFTP_FAILURE
        try:
            os.rename(local(old), local(new))
        except OSError as error:
            return status_of(error)
        return paramiko.SFTP_OK


def serve(connection):
    transport = paramiko.Transport(connection)
    transport.add_server_key(host_key)
    transport.set_subsystem_handler("sftp", paramiko.SFTPServer, Files)
    try:
        transport.start_server(server=Server())
    except Exception:
        return
    while transport.is_active():
        transport.join(1)



if __name__ == "__main__":
    import logging
    logging.disable(logging.CRITICAL)
    stop_later()
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    while True:
        connection, _ = listener.accept()
        threading.Thread(target=serve, args=(connection,), daemon=True).start()
