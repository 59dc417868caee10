"""Announcement service for the tests: SubmitUserStatus(user, status, password) as a
document/literal SOAP 1.1 service on 127.0.0.1 and a free port (printed on the first
line of standard output), its description at /?wsdl. Each accepted call is appended
to LOG as a JSON list. It stops by itself after a while or when its standard input
closes.

    soap_service.py LOG [--fault-on-call N] [--hang]
"""
import argparse
import json
import logging
import os
import sys
import threading
import time
from wsgiref.simple_server import WSGIRequestHandler, make_server

from spyne import Application, Fault, ServiceBase, Unicode, rpc
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication

LIFETIME_SECONDS = 120

arguments = argparse.ArgumentParser()
arguments.add_argument("log")
arguments.add_argument("--fault-on-call", type=int, default=0)
arguments.add_argument("--hang", action="store_true")
options = arguments.parse_args()
calls = 0


class AnnouncementService(ServiceBase):
    @rpc(Unicode, Unicode, Unicode, _returns=Unicode)
    def SubmitUserStatus(ctx, user, status, password):
        global calls
        calls += 1
        if options.hang:
            time.sleep(3600)
        if calls == options.fault_on_call:
            raise Fault(faultcode="Server", faultstring="Status rejected by the test service")
        with open(options.log, "a", encoding="utf-8") as log:
            log.write(json.dumps([user, status, password]) + "\n")
        return "ok"


class QuietHandler(WSGIRequestHandler):
    def log_message(self, *args):
        pass


def stop_later():
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()


if __name__ == "__main__":
    logging.disable(logging.CRITICAL)
    stop_later()
    application = Application([AnnouncementService], tns="http://example.com/corvandeltwit",
                              in_protocol=Soap11(validator="lxml"), out_protocol=Soap11())
    server = make_server("127.0.0.1", 0, WsgiApplication(application), handler_class=QuietHandler)
    print(server.server_port, flush=True)
    server.serve_forever()
