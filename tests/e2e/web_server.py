#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the web search tests.

It serves the fixture pages of tests/e2e/web_pages and a few hostile
replies, chosen by the first part of the request path:
  /cp932/...   the CP932 result page        /utf8/...    the UTF-8 result page
  /eucjp/...   the EUC-JP result page       /iso2022jp/... the ISO-2022-JP result page
  /page/...    the fixture page named after /page/
  /big/...     200,000 bytes of page        /early/...   closes before Content-Length
  /garbage/... bytes that are no reply      /nohead/...  a header that never ends, then closes
  /silent/...  a header start, then silence /drip/...    one byte a second
  /rel/...     a page of relative links (a path ending in missing.html: 404)
  /chunked/... the CP932 result page in chunks /cutchunk/... chunks, closed in mid-chunk
  /moved/...?q=URL  a 302 to URL                /loop/...    a 302 to itself, without end
  /mib/...     a page of 1 MiB of links (for the benchmark)
Every request line and every client that went away early is written to the
log file. Usage: web_server.py PORT_FILE LOG_FILE PAGE_DIR [CERT KEY [tls13]]
With CERT and KEY (PEM files, the certificate file may hold a chain) every
connection speaks TLS first; the server name the client sent (SNI) is
logged, and a failed handshake is logged as "tls failed"; "tls13" refuses
anything below TLS 1.3.
"""
import os
import socket
import ssl
import socketserver
import sys
import threading
import time
import urllib.parse

port_file, log_file, page_dir = sys.argv[1:4]
log_lock = threading.Lock()
tls = None
if len(sys.argv) >= 6:
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(sys.argv[4], sys.argv[5])
    tls.sni_callback = lambda sock, name, ctx: log("sni %s" % name)
    if len(sys.argv) >= 7 and sys.argv[6] == "tls13":
        tls.minimum_version = ssl.TLSVersion.TLSv1_3


def log(line):
    with log_lock:
        with open(log_file, "a", encoding="utf-8", errors="replace") as f:
            f.write(line + "\n")


def page(name):
    with open(os.path.join(page_dir, name), "rb") as f:
        return f.read()


def reply(body, content_type="text/html"):
    head = "HTTP/1.0 200 OK\r\nContent-Type: %s\r\nContent-Length: %d\r\n\r\n" % (content_type, len(body))
    return head.encode("ascii") + body


class Handler(socketserver.BaseRequestHandler):
    def setup(self):
        self.failed = False
        if tls is not None:
            try:
                self.request.settimeout(10)
                self.request = tls.wrap_socket(self.request, server_side=True)
            except (OSError, ssl.SSLError) as e:
                log("tls failed %s" % e.__class__.__name__)
                self.failed = True

    def read_request(self):
        data = b""
        self.request.settimeout(10)
        while b"\r\n\r\n" not in data and len(data) < 8192:
            chunk = self.request.recv(1024)
            if not chunk:
                break
            data += chunk
        return data

    def handle(self):
        if self.failed:
            return
        data = self.read_request()
        line = data.split(b"\r\n", 1)[0].decode("cp932", "replace")
        host = b""
        for field in data.split(b"\r\n")[1:]:
            if field.lower().startswith(b"host:"):
                host = field[5:].strip()
        log("request %s host %s" % (line, host.decode("ascii", "replace")))
        parts = line.split(" ")
        path = parts[1] if len(parts) > 1 else "/"
        mode = path.split("/")[1] if path.count("/") >= 1 else ""
        s = self.request
        try:
            if mode == "cp932":
                s.sendall(reply(page("results_cp932.html"), "text/html; charset=Shift_JIS"))
            elif mode == "utf8":
                s.sendall(reply(page("results_utf8.html")))
            elif mode == "eucjp":
                s.sendall(reply(page("results_eucjp.html"), "text/html; charset=EUC-JP"))
            elif mode == "iso2022jp":
                s.sendall(reply(page("results_iso2022jp.html"), "text/html; charset=ISO-2022-JP"))
            elif mode == "page":
                s.sendall(reply(page(path.split("/")[2])))
            elif mode == "big":
                row = b"<p>" + b"x" * 95 + b"</p>\n"
                s.sendall(reply(b"<html><body>\n" + row * 22000 + b"</body></html>\n"))
            elif mode == "mib":
                row = b'<a href="/page/p%05d.html">link %05d</a><br>\n'
                count = (1048576 - 29) // len(row % (0, 0))
                rows = b"".join(row % (i, i) for i in range(count))
                s.sendall(reply(b"<html><body>\n" + rows + b"</body></html>\n"))
            elif mode == "moved":
                target = urllib.parse.unquote_plus(path.split("q=", 1)[-1].split("&")[0])
                s.sendall(b"HTTP/1.1 302 Found\r\nLocation: %s\r\nContent-Length: 0\r\n\r\n" % target.encode())
            elif mode == "loop":
                s.sendall(b"HTTP/1.1 302 Found\r\nLocation: /loop/again\r\nContent-Length: 0\r\n\r\n")
            elif mode == "rel" and path.endswith("missing.html"):
                s.sendall(b"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot here\n")
            elif mode == "rel":
                s.sendall(reply(b'<a href="sub/page3.html">sub</a> <a href="../up.html">up</a> '
                                b'<a href="missing.html">missing</a>'))
            elif mode in ("chunked", "cutchunk"):
                body = page("results_cp932.html")
                data = b"".join(b"%x\r\n%s\r\n" % (len(body[i:i + 50]), body[i:i + 50])
                                for i in range(0, len(body), 50)) + b"0\r\n\r\n"
                if mode == "cutchunk":
                    data = data[:len(data) // 2]
                s.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=Shift_JIS\r\n"
                          b"Transfer-Encoding: chunked\r\n\r\n" + data)
            elif mode == "early":
                s.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 5000\r\n\r\n"
                          b"<html><body><a href=\"/page/a.html\">early</a>")
            elif mode == "garbage":
                s.sendall(bytes((i * 37 + 11) % 256 for i in range(3000)))
            elif mode == "nohead":
                s.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nX-Filler: " + b"y" * 500)
            elif mode == "silent":
                s.sendall(b"HTTP/1.0 200 OK\r\n")
                time.sleep(60)
            elif mode == "drip":
                for b in reply(page("results_cp932.html")):
                    s.sendall(bytes([b]))
                    time.sleep(1)
            else:
                s.sendall(b"HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n")
        except OSError as e:
            log("client gone %s: %s" % (mode, e.__class__.__name__))
            return
        if mode == "drip" or mode == "silent":
            log("served %s" % mode)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


server = Server(("127.0.0.1", 0), Handler)
with open(port_file + ".tmp", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(port_file + ".tmp", port_file)
server.serve_forever()
