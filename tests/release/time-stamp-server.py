#!/usr/bin/env python3
"""The release tests' RFC 3161 time-stamp authority over HTTP, on 127.0.0.1 at a port the system
picks, written to PORT_FILE once it listens. A POST to / is answered by `openssl ts -reply` with the
configuration given; a POST to /garbage with bytes that are no time-stamp reply. It stops when
killed, and by itself when the process that started it is gone.
usage: time-stamp-server.py OPENSSL_TS_CONFIG PORT_FILE"""
import http.server
import os
import subprocess
import sys
import threading
import time

config, port_file = sys.argv[1:3]
parent = os.getppid()


class TimeStampHandler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if self.path == "/garbage":
            reply = b"this is no time-stamp reply\n"
        else:
            reply = subprocess.run(["openssl", "ts", "-reply", "-config", config, "-queryfile", "/dev/stdin"],
                                   input=query, stdout=subprocess.PIPE, stderr=sys.stderr, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)


def stop_with_parent(server):
    while os.getppid() == parent:
        time.sleep(0.5)
    server.shutdown()


server = http.server.HTTPServer(("127.0.0.1", 0), TimeStampHandler)
threading.Thread(target=stop_with_parent, args=(server,), daemon=True).start()
with open(port_file + ".new", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(port_file + ".new", port_file)
server.serve_forever()
