#!/usr/bin/python3
# An https server on a free loopback port for the Earth-orientation download tests: prints its
# port, then serves the files of a folder, and a few paths that misbehave the way servers do.
# Usage: finals_server.py <folder> <certificate> <key>
import http.server
import os
import ssl
import sys
import threading
import time

folder, certificate, key = sys.argv[1:4]
cap = 8 * 1024 * 1024


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def head(self, status, length=None, headers=()):
        self.send_response(status)
        if length is not None:
            self.send_header('Content-Length', str(length))
        for name, value in headers:
            self.send_header(name, value)
        self.send_header('Connection', 'close')
        self.end_headers()
        self.close_connection = True

    def do_GET(self):
        name = self.path.lstrip('/')
        path = os.path.join(folder, name)
        try:
            if name == 'stall':  # never answers
                time.sleep(3600)
            elif name == 'announced':  # says it is over the cap, then sends nothing
                self.head(200, cap + 1)
                self.wfile.flush()
                time.sleep(3600)
            elif name == 'huge':  # over the cap, with no length said
                self.head(200)
                line = b'0' * 1023 + b'\n'
                for _ in range(cap // len(line) + 2):
                    self.wfile.write(line)
            elif name == 'redirect':
                self.head(302, 0, [('Location', 'http://127.0.0.1:%d/good' % self.server.server_port)])
            elif name == 'current' and 'If-Modified-Since' in self.headers:
                self.head(304)
            elif os.path.isfile(path):
                with open(path, 'rb') as f:
                    body = f.read()
                # 'truncated': the connection closes halfway through the length said
                self.head(200, len(body) * (2 if name == 'truncated' else 1))
                self.wfile.write(body)
            else:
                self.head(404, 9)
                self.wfile.write(b'Not Found')
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass


# Ends with the test, however the test ends: its end closes our standard input.
threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
server.daemon_threads = True
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(certificate, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_port, flush=True)
server.serve_forever()
