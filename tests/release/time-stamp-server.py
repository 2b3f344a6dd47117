#!/usr/bin/env python3
# The release tests' RFC 3161 time-stamp authority: HTTP on 127.0.0.1, at a port the system picks
# and prints; `openssl ts -reply` answers a POST to /, a POST to /garbage gets no time-stamp reply.
# It ends when killed, and by itself once the process that started it is gone.
# usage: time-stamp-server.py PKI_DIR
import http.server, os, signal, subprocess, sys, tempfile, threading, time

os.environ["RIMTONE_TSA_PKI"] = sys.argv[1]
os.environ["RIMTONE_TSA_SERIAL"] = tempfile.mkstemp()[1]
with open(os.environ["RIMTONE_TSA_SERIAL"], "w") as serial:
    serial.write("01\n")
config = os.path.join(os.path.dirname(os.path.abspath(__file__)), "time-stamp-authority.cnf")

class TimeStamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        reply = b"no time-stamp\n" if self.path == "/garbage" else subprocess.run(
            ["openssl", "ts", "-reply", "-config", config, "-queryfile", "/dev/stdin"],
            input=query, stdout=subprocess.PIPE, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.end_headers()
        self.wfile.write(reply)

def stop_with(parent, server):
    while os.getppid() == parent:
        time.sleep(0.5)
    server.shutdown()

server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamps)
threading.Thread(target=stop_with, args=(os.getppid(), server), daemon=True).start()
signal.signal(signal.SIGTERM, lambda *_: sys.exit())
print(server.server_address[1], flush=True)
try:
    server.serve_forever()
finally:
    os.remove(os.environ["RIMTONE_TSA_SERIAL"])
