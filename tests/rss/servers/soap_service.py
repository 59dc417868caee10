"""Announcement service for the tests: SubmitUserStatus(user, status, password) as a
document/literal SOAP 1.1 service on 127.0.0.1 and a free port (printed on the first
line of standard output), its description at /?wsdl. Each accepted call is appended
to LOG as a JSON list. It stops by itself after a while or when its standard input
closes.

    soap_service.py LOG [--fault-on-call N [--fault-text TEXT]] [--drop-reply-on-call N]
                    [--delay SECONDS] [--hang]

--drop-reply-on-call N accepts (and logs) call N, then closes the connection without
a reply; --delay answers each call that many seconds late.
"""
import argparse
import json
import logging
import time
from wsgiref.simple_server import WSGIRequestHandler, make_server

from spyne import Application, Fault, ServiceBase, Unicode, rpc
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication
from lifetime import stop_later


arguments = argparse.ArgumentParser()
arguments.add_argument("log")
arguments.add_argument("--fault-on-call", type=int, default=0)
arguments.add_argument("--fault-text", default="Status rejected by the test service")
arguments.add_argument("--drop-reply-on-call", type=int, default=0)
arguments.add_argument("--delay", type=float, default=0)
arguments.add_argument("--hang", action="store_true")
options = arguments.parse_args()
calls = 0
drop_reply = False


class AnnouncementService(ServiceBase):
    @rpc(Unicode, Unicode, Unicode, _returns=Unicode)
    def SubmitUserStatus(ctx, user, status, password):
        global calls, drop_reply
        calls += 1
        time.sleep(options.delay)
        if options.hang:
            time.sleep(3600)
        if calls == options.fault_on_call:
            raise Fault(faultcode="Server", faultstring=options.fault_text)
        with open(options.log, "a", encoding="utf-8") as log:
            log.write(json.dumps([user, status, password]) + "\n")
        if calls == options.drop_reply_on_call:
            drop_reply = True
        return "ok"


class DroppingWriter:
    """Passes the reply on unless the call asked for it to be dropped."""

    def __init__(self, out):
        self.out = out

    def write(self, data):
        if not drop_reply:
            return self.out.write(data)
        return len(data)

    def flush(self):
        if not drop_reply:
            self.out.flush()

    def __getattr__(self, name):
        return getattr(self.out, name)


class QuietHandler(WSGIRequestHandler):
    def handle(self):
        global drop_reply
        self.wfile = DroppingWriter(self.wfile)
        super().handle()
        drop_reply = False

    def log_message(self, *args):
        pass



if __name__ == "__main__":
    logging.disable(logging.CRITICAL)
    stop_later()
    application = Application([AnnouncementService], tns="http://example.com/corvandeltwit",
                              in_protocol=Soap11(validator="lxml"), out_protocol=Soap11())
    server = make_server("127.0.0.1", 0, WsgiApplication(application), handler_class=QuietHandler)
    print(server.server_port, flush=True)
    server.serve_forever()
