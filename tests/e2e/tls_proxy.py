#!/usr/bin/env python3
"""A hostile relay on 127.0.0.1 in front of the local TLS server, for the
HTTPS tests. Modes:
  drip     the server's bytes passed on one at a time (every TLS record split)
  cut      the server's bytes passed on up to 60,000, then the connection closed
           (in the middle of a record of the reply)
  garbage  3000 bytes that are no TLS, then closed
  hold     the client's bytes passed on, nothing passed back (a handshake that
           never ends); logs "client gone" when the client closes
Usage: tls_proxy.py PORT_FILE LOG_FILE MODE SERVER_PORT
"""
import os
import socket
import socketserver
import sys
import threading
import time

port_file, log_file, mode, server_port = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
lock = threading.Lock()


def log(line):
    with lock:
        with open(log_file, "a") as f:
            f.write(line + "\n")


def pump(src, dst):
    try:
        while True:
            data = src.recv(4096)
            if not data:
                break
            dst.sendall(data)
    except OSError:
        pass


class Relay(socketserver.BaseRequestHandler):
    def handle(self):
        client = self.request
        client.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        if mode == "garbage":
            client.sendall(bytes((i * 53 + 7) % 256 for i in range(3000)))
            return
        server = socket.create_connection(("127.0.0.1", server_port))
        if mode != "hold":
            threading.Thread(target=pump, args=(client, server), daemon=True).start()
        passed = 0
        try:
            while True:
                if mode == "hold":
                    if not client.recv(4096):
                        log("client gone")
                        return
                    continue
                data = server.recv(4096)
                if not data:
                    break
                if mode == "drip":
                    for b in data:
                        client.sendall(bytes([b]))
                        time.sleep(0.0005)
                else:
                    data = data[:max(0, 60000 - passed)]
                    client.sendall(data)
                    passed += len(data)
                    if passed >= 60000:
                        log("cut")
                        break
        except OSError:
            log("client gone")
        finally:
            server.close()


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


relay = Server(("127.0.0.1", 0), Relay)
with open(port_file + ".tmp", "w") as f:
    f.write(str(relay.server_address[1]))
os.rename(port_file + ".tmp", port_file)
relay.serve_forever()
