"""FTP server for the upload tests, on 127.0.0.1 and a free port, printed on the
first line of standard output. It stops by itself after a while or when its
standard input closes.

    ftp_server.py ROOT USER PASSWORD          serve ROOT to that account
    ftp_server.py --tls CERT ROOT USER PASSWORD
                                              the same, encrypted (AUTH TLS) before the
                                              login and for every transfer, with a new
                                              certificate for 127.0.0.1 written to CERT
    ftp_server.py --silent                    accept connections and never greet
    ftp_server.py --cut-after N ROOT USER PASSWORD
                                              store at most N bytes of an upload, then
                                              cut its data connection (426)
    ftp_server.py --short-store N ROOT USER PASSWORD
                                              keep only the first N bytes of an upload
                                              and report it complete all the same
"""
import socket
import sys
from lifetime import stop_later




def silent():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def write_certificate(path):
    """A self-signed certificate for 127.0.0.1, key and certificate in one file."""
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    certificate = crypto.X509()
    certificate.set_version(2)
    certificate.get_subject().CN = "127.0.0.1"
    certificate.set_serial_number(1)
    certificate.gmtime_adj_notBefore(-60)
    certificate.gmtime_adj_notAfter(3600)
    certificate.set_issuer(certificate.get_subject())
    certificate.set_pubkey(key)
    certificate.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    certificate.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, certificate))


def faulty_data_handler(base, cut_after, short_store):
    """A data channel that breaks an upload after a number of bytes."""

    class FaultyDTPHandler(base):
        kept = 0

        def handle_read(self):
            try:
                chunk = self.recv(self.ac_in_buffer_size)
            except Exception:
                return base.handle_read(self)
            if not chunk:
                self.transfer_finished = True
                return
            self.tot_bytes_received += len(chunk)
            limit = cut_after or short_store
            room = max(0, limit - self.kept)
            self.file_obj.write(chunk[:room])
            self.kept += min(room, len(chunk))
            if cut_after and self.kept >= cut_after:
                self._resp = ("426 Connection cut by the test server.", lambda *args: None)
                self.close()

        handle_read_event = handle_read

    return FaultyDTPHandler


def serve(root, user, password, certificate=None, cut_after=0, short_store=0):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import DTPHandler, FTPHandler, TLS_DTPHandler, TLS_FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmw")
    handler = FTPHandler
    if certificate:
        write_certificate(certificate)
        handler = TLS_FTPHandler
        handler.certfile = certificate
        handler.tls_control_required = True
        handler.tls_data_required = True

        class HandshakingDTPHandler(TLS_DTPHandler):
            # A data connection that is readable before the transfer command counts as
            # closed here; a client's TLS greeting on it is not a close.
            def readable(self):
                return self._ssl_accepting or super().readable()

        handler.dtp_handler = HandshakingDTPHandler
    if cut_after or short_store:
        handler.dtp_handler = faulty_data_handler(DTPHandler, cut_after, short_store)
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    stop_later()
    if sys.argv[1:] == ["--silent"]:
        silent()
    elif sys.argv[1:2] == ["--tls"]:
        import logging
        logging.disable(logging.CRITICAL)
        serve(*sys.argv[3:6], certificate=sys.argv[2])
    elif sys.argv[1:2] in (["--cut-after"], ["--short-store"]):
        import logging
        logging.disable(logging.CRITICAL)
        limit = int(sys.argv[2])
        cut = sys.argv[1] == "--cut-after"
        serve(*sys.argv[3:6], cut_after=limit if cut else 0, short_store=0 if cut else limit)
    else:
        import logging
        logging.disable(logging.CRITICAL)
        serve(*sys.argv[1:4])
