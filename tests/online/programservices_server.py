#!/usr/bin/python3
"""A small program-services web service for the tests of the update check.

It publishes `getRecentVersion` under the namespace "urn:RegisterService" with SOAP 1.1, serves its
own service description at "?wsdl" and listens on 127.0.0.1 only, behind TLS with the certificate
given on the command line.

The answer is read from a file on every call, so one server serves many test cases:
- the file's text is returned as the operation's result;
- a text beginning with "FAULT:" makes the call end in a SOAP fault with the rest as its message;
- "SLEEP:seconds:text" waits that many seconds before answering the text.
Every call appends the four parameters, one line of JSON, to the calls file.

Once it listens, the server writes its port number into the port file.
"""
import argparse
import json
import os
import ssl
import sys
import time
from wsgiref.simple_server import WSGIRequestHandler, WSGIServer, make_server

from spyne import Application, Fault, ServiceBase, Unicode, rpc
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication

options = None


class ProgrammServicesService(ServiceBase):
    @rpc(Unicode, Unicode, Unicode, Unicode, _returns=Unicode)
    def getRecentVersion(ctx, username, password, Programm, version):
        with open(options.calls_file, "a", encoding="utf-8") as calls:
            calls.write(json.dumps({"username": username, "password": password,
                                    "Programm": Programm, "version": version,
                                    "soapaction": ctx.transport.req_env.get("HTTP_SOAPACTION")})
                        + "\n")
        with open(options.answer_file, encoding="utf-8") as answer:
            text = answer.read()
        if text.startswith("FAULT:"):
            raise Fault(faultcode="Server", faultstring=text[len("FAULT:"):])
        if text.startswith("SLEEP:"):
            seconds, _, text = text[len("SLEEP:"):].partition(":")
            time.sleep(float(seconds))
        return text


class QuietHttpsHandler(WSGIRequestHandler):
    def get_environ(self):
        environ = super().get_environ()
        # The service description names its own address; it is reached over TLS.
        environ["HTTPS"] = "on"
        return environ

    def log_message(self, format, *args):
        pass


class ThreadingServer(WSGIServer):
    # One client at a time is enough; a client that never speaks must not block the rest.
    def process_request(self, request, client_address):
        import threading
        worker = threading.Thread(target=self._serve_one, args=(request, client_address))
        worker.daemon = True
        worker.start()

    def _serve_one(self, request, client_address):
        try:
            self.finish_request(request, client_address)
        except Exception:
            self.handle_error(request, client_address)
        finally:
            self.shutdown_request(request)

    def handle_error(self, request, client_address):
        pass


def main():
    global options
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--answer-file", required=True)
    parser.add_argument("--calls-file", required=True)
    parser.add_argument("--port-file", required=True)
    options = parser.parse_args()

    application = Application([ProgrammServicesService], tns="urn:RegisterService",
                              name="ProgrammServicesPortType",
                              in_protocol=Soap11(validator="lxml"), out_protocol=Soap11())
    server = make_server("127.0.0.1", 0, WsgiApplication(application),
                         server_class=ThreadingServer, handler_class=QuietHttpsHandler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(options.cert, options.key)
    server.socket = context.wrap_socket(server.socket, server_side=True,
                                        do_handshake_on_connect=False)
    port_file = options.port_file + ".tmp"
    with open(port_file, "w") as out:
        out.write(str(server.server_address[1]))
    os.replace(port_file, options.port_file)
    sys.stdout.flush()
    server.serve_forever()


if __name__ == "__main__":
    main()
