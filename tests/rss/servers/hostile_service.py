"""An announcement service that misbehaves, on 127.0.0.1 and a free port (printed on
the first line of standard output). Its description is at /?wsdl; every POST that
reaches it is appended to LOG as a "path host" line. It stops by itself
after a while or when its standard input closes.

    hostile_service.py LOG MODE [CERT]

A second, plain HTTP server on another port (the side port) logs what reaches it the
same way. With CERT the service speaks HTTPS, with a new certificate for 127.0.0.1
written to CERT.

MODE:
    huge-description   the description is 64 MB of nested elements
    huge-reply         the description is sound, a post's reply is 64 MB
    foreign-endpoint   the description sends posts to http://localhost:PORT/post
    redirect-away      a post is redirected (307) to http://localhost:PORT/stolen
    redirect-here      a post is redirected (307) to /post-again on this host
    redirect-port      a post is redirected (307) to the side port of this host
    plain-endpoint     the description sends posts to the side port, in plain HTTP
"""
import ssl
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from ftp_server import write_certificate
from lifetime import stop_later


DESCRIPTION = """<?xml version="1.0" encoding="utf-8"?>
<wsdl:definitions xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/" xmlns:tns="http://tempuri.org/"
    xmlns:s="http://www.w3.org/2001/XMLSchema" targetNamespace="http://tempuri.org/"
    xmlns:wsdl="http://schemas.xmlsoap.org/wsdl/">
  <wsdl:types>
    <s:schema elementFormDefault="qualified" targetNamespace="http://tempuri.org/">
      <s:element name="SubmitUserStatus"><s:complexType><s:sequence>
        <s:element name="UserName" type="s:string" /><s:element name="Status" type="s:string" />
        <s:element name="Password" type="s:string" />
      </s:sequence></s:complexType></s:element>
    </s:schema>
  </wsdl:types>
  <wsdl:message name="In"><wsdl:part name="parameters" element="tns:SubmitUserStatus" /></wsdl:message>
  <wsdl:portType name="ServiceSoap">
    <wsdl:operation name="SubmitUserStatus"><wsdl:input message="tns:In" /></wsdl:operation>
  </wsdl:portType>
  <wsdl:binding name="ServiceSoap" type="tns:ServiceSoap">
    <soap:binding transport="http://schemas.xmlsoap.org/soap/http" />
    <wsdl:operation name="SubmitUserStatus">
      <soap:operation soapAction="http://tempuri.org/SubmitUserStatus" style="document" />
      <wsdl:input><soap:body use="literal" /></wsdl:input>
    </wsdl:operation>
  </wsdl:binding>
  <wsdl:service name="Service">
    <wsdl:port name="ServiceSoap" binding="tns:ServiceSoap"><soap:address location="{endpoint}" /></wsdl:port>
  </wsdl:service>
</wsdl:definitions>"""

ANSWER = (b'<?xml version="1.0" encoding="utf-8"?><soap:Envelope '
          b'xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/"><soap:Body>'
          b'<SubmitUserStatusResponse xmlns="http://tempuri.org/" /></soap:Body></soap:Envelope>')

log_path, mode = sys.argv[1], sys.argv[2]
certificate = sys.argv[3] if len(sys.argv) > 3 else None
side = None


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send_body(self, body, status=200, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/xml; charset=utf-8")
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_huge(self, opening, filler):
        total = 64 * 1024 * 1024
        self.send_response(200)
        self.send_header("Content-Type", "text/xml; charset=utf-8")
        self.send_header("Content-Length", str(total))
        self.end_headers()
        chunk = (filler * (65536 // len(filler) + 1))[:65536]
        sent = 0
        try:
            self.wfile.write(opening)
            sent += len(opening)
            while sent < total:
                part = chunk[:total - sent]
                self.wfile.write(part)
                sent += len(part)
        except OSError:
            pass  # the client stopped reading, as it should

    def do_GET(self):
        port = self.server.server_port
        if mode == "huge-description":
            self.send_huge(b'<?xml version="1.0"?>', b"<a>")
            return
        scheme = "https" if certificate else "http"
        endpoint = "%s://127.0.0.1:%d/post" % (scheme, port)
        if mode == "foreign-endpoint":
            endpoint = "http://localhost:%d/post" % port
        elif mode == "plain-endpoint":
            endpoint = "http://127.0.0.1:%d/post" % side.server_port
        self.send_body(DESCRIPTION.replace("{endpoint}", endpoint).encode("utf-8"))

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        self.rfile.read(length)
        with open(log_path, "a", encoding="utf-8") as log:
            log.write("%s %s\n" % (self.path, self.headers.get("Host", "").split(":")[0]))
        port = self.server.server_port
        if self.server is side:
            self.send_body(ANSWER)
        elif mode == "huge-reply":
            self.send_huge(b'<?xml version="1.0"?><soap:Envelope>', b" ")
        elif mode == "redirect-away" and self.path == "/post":
            self.send_body(b"", 307, [("Location", "http://localhost:%d/stolen" % port)])
        elif mode == "redirect-here" and self.path == "/post":
            self.send_body(b"", 307, [("Location", "/post-again")])
        elif mode == "redirect-port" and self.path == "/post":
            self.send_body(b"", 307, [("Location", "http://127.0.0.1:%d/stolen" % side.server_port)])
        else:
            self.send_body(ANSWER)



if __name__ == "__main__":
    stop_later()
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    if certificate:
        write_certificate(certificate)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    side = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=side.serve_forever, daemon=True).start()
    print(server.server_port, flush=True)
    server.serve_forever()
