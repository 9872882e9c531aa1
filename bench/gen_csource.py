#!/usr/bin/env python3
"""Writes a deterministic CP932 C source of SIZE bytes (default 1 MiB) to stdout:
short functions (about 20,000 per MiB) with Japanese comments and strings."""
import sys

size = int(sys.argv[1]) if len(sys.argv) > 1 else 1048576
words = ["表示", "ソース", "関数", "検索", "文字列", "ウィンドウ", "設定"]
out = bytearray()
n = 0
seed = 12345
while len(out) < size:
    seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
    w = words[seed % len(words)]
    if n % 4 == 0:
        block = "/* %s %d */\r\nint f%d(int a)\r\n{\r\n  return a + %d;\r\n}\r\n" % (w, n, n, n % 97)
    elif n % 4 == 1:
        block = 'int f%d(int a){ if (a) { g("%s{"); } return a; }\r\n' % (n, w)
    else:
        block = "int f%d(int a){ return a * %d; } // %s\r\n" % (n, n % 13, w)
    out += block.encode("cp932")
    n += 1
cut = out.rfind(b"\n", 0, size)
sys.stdout.buffer.write(bytes(out[: cut + 1]))
