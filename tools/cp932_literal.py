#!/usr/bin/env python3
"""Prints a C++ string literal holding the code page 932 bytes of each argument (UTF-8)."""
import sys

HEX = set(b"0123456789abcdefABCDEF")


def literal(text: str) -> str:
    data = text.encode("cp932")
    out, escaped = [], False
    for b in data:
        if b >= 0x80 or b < 0x20 or b in (ord('"'), ord("\\")):
            if b == 0x0A:
                out.append("\\n")
                escaped = False
                continue
            if b in (ord('"'), ord("\\")):
                out.append("\\" + chr(b))
                escaped = False
                continue
            out.append("\\x%02x" % b)
            escaped = True
        else:
            if escaped and b in HEX:
                out.append('" "')
            out.append(chr(b))
            escaped = False
    return '"' + "".join(out) + '"'


for arg in sys.argv[1:]:
    print(f"{literal(arg)}  // {arg}")
