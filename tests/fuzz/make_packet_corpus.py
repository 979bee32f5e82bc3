#!/usr/bin/env python3
"""Writes a small seed corpus for packet_reader_fuzzer: one file per packet kind
(the layout of src/net/packets.cpp), and one stream of packets for the session.
Usage: make_packet_corpus.py FOLDER"""
import os
import struct
import sys

HEADER = b"TV\x02"


def packet(kind, body):
    return HEADER + bytes([kind]) + body


def text(s):
    return bytes([len(s)]) + s.encode()


PACKETS = {
    "hello": packet(1, text("0.1.0") + text("build")),
    "start": packet(2, struct.pack("<IB", 1234, 3) + text("Level1")),
    "inputs": packet(3, struct.pack("<iIB", 4, 3, 3) + struct.pack("<III", 1, 2, 0x3FFF)),
    "ack": packet(3, struct.pack("<iIB", 10, 11, 0)),
    "hash": packet(4, struct.pack("<IQ", 60, 0x0123456789ABCDEF)),
    "ping": packet(5, struct.pack("<I", 77)),
    "pong": packet(6, struct.pack("<I", 77)),
    "goodbye": packet(7, struct.pack("<BI", 2, 120)),
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, data in PACKETS.items():
        with open(os.path.join(folder, name + ".bin"), "wb") as f:
            f.write(data)
    # A stream for the session: role byte, then [length][packet]...
    frames = [packet(3, struct.pack("<iIB", 2, f, 1) + struct.pack("<I", f)) for f in range(3, 12)]
    stream = b"\x00" + b"".join(bytes([len(p)]) + p for p in frames + [PACKETS["hash"], PACKETS["ping"]])
    with open(os.path.join(folder, "stream.bin"), "wb") as f:
        f.write(stream)


if __name__ == "__main__":
    main()
