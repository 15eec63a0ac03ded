#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A WebSocket as lines, for the web test's Firefox driver: each line read on descriptor 3 is sent
# as a message, each message received is written as a line on standard output.
import os
import sys
import threading

import websocket

# Firefox refuses a handshake that names an origin.
socket = websocket.create_connection(sys.argv[1], suppress_origin=True)


def send():
    for line in os.fdopen(3):
        socket.send(line)
    socket.close()


threading.Thread(target=send, daemon=True).start()
try:
    while True:
        sys.stdout.write(socket.recv() + "\n")
        sys.stdout.flush()
except (websocket.WebSocketConnectionClosedException, BrokenPipeError):
    pass
