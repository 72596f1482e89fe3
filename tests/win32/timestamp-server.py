#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""An RFC 3161 time server on 127.0.0.1, for signing with no network:
OpenSSL's `ts -reply` answers each request posted to it. It prints its port,
then serves until it is killed; run it under faketime for a fixed time.
    usage: timestamp-server.py TSA_CERT TSA_KEY CA_CERT FOLDER
"""

import http.server
import os
import subprocess
import sys

cert, key, ca, folder = sys.argv[1:5]
config = os.path.join(folder, "tsa.cnf")
with open(os.path.join(folder, "tsaserial"), "w", encoding="ascii") as serial:
    serial.write("01\n")
with open(config, "w", encoding="ascii") as file:
    file.write(f"""[tsa]
default_tsa = here
[here]
serial = {folder}/tsaserial
signer_cert = {cert}
certs = {ca}
signer_key = {key}
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
""")


class TimeServer(http.server.BaseHTTPRequestHandler):
    def do_POST(self):  # noqa: N802 (the name http.server calls)
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", config, "-queryfile", "/dev/stdin",
                                "-out", "/dev/stdout"], input=query, capture_output=True, check=False)
        self.send_response(200 if reply.returncode == 0 else 500)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply.stdout)))
        self.end_headers()
        self.wfile.write(reply.stdout)

    def log_message(self, *_):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimeServer)
print(server.server_address[1], flush=True)
server.serve_forever()
