"""A company's network on 127.0.0.1, for the Windows network checks under Wine.

- a site: /file.txt ("direct"), /proxy.pac (a configuration script naming the proxy);
- a proxy that notes each request it is sent and answers "via proxy";
- a proxy that wants a sign-in: 407 with NTLM until a request brings a
  Proxy-Authorization header, which it notes;
- an https site with a certificate of its own: /file.txt ("secure").

Writes "site proxy sign-in https" ports to <folder>/ports and the proxies' notes to
<folder>/proxy.log. Runs until it is stopped.
Usage: company_network.py <folder>
"""
import http.server
import os
import ssl
import subprocess
import sys
import threading

folder = sys.argv[1]
log_lock = threading.Lock()


def note(line):
    with log_lock, open(os.path.join(folder, "proxy.log"), "a") as log:
        log.write(line + "\n")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # a sign-in keeps its connection

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


class Site(Handler):
    def do_GET(self):
        if self.path == "/proxy.pac":
            script = 'function FindProxyForURL(url, host) { return "PROXY 127.0.0.1:%d"; }\n' % ports["proxy"]
            self.answer(200, script.encode(), [("Content-Type", "application/x-ns-proxy-autoconfig")])
        elif self.path == "/file.txt":
            self.answer(200, self.server.body)
        else:
            self.answer(404)


class Proxy(Handler):
    def do_GET(self):
        signature = self.headers.get("Proxy-Authorization")
        note("%s %s %s%s" % (self.server.name, self.command, self.path,
                              " with Proxy-Authorization: " + signature.split()[0] if signature else ""))
        if self.server.wants_sign_in and not signature:
            self.answer(407, headers=[("Proxy-Authenticate", "NTLM")])
        else:
            self.answer(200, b"via proxy\n")


def serve(handler, name, body=b"", wants_sign_in=False, context=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.name, server.body, server.wants_sign_in = name, body, wants_sign_in
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


key, certificate = os.path.join(folder, "key.pem"), os.path.join(folder, "certificate.pem")
subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1",
                "-keyout", key, "-out", certificate], check=True, capture_output=True)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(certificate, key)

ports = {}
ports["proxy"] = serve(Proxy, "proxy")
ports["sign-in"] = serve(Proxy, "sign-in", wants_sign_in=True)
ports["site"] = serve(Site, "site", body=b"direct\n")
ports["https"] = serve(Site, "https", body=b"secure\n", context=context)
with open(os.path.join(folder, "ports.tmp"), "w") as out:
    out.write("%d %d %d %d\n" % (ports["site"], ports["proxy"], ports["sign-in"], ports["https"]))
os.rename(os.path.join(folder, "ports.tmp"), os.path.join(folder, "ports"))
threading.Event().wait()
