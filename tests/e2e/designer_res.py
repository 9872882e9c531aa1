#!/usr/bin/env python3
"""Prints the dialogs and menus of a .res file as lines the designer e2e tests check:
DIALOG name count / CONTROL class id x y cx cy style / MENU name items."""
import struct, sys

def utf16z(b, p):
    if b[p:p+2] == b'\xff\xff':
        atom = struct.unpack_from('<H', b, p + 2)[0]
        names = {0x80: 'BUTTON', 0x81: 'EDIT', 0x82: 'STATIC', 0x83: 'LISTBOX', 0x84: 'SCROLLBAR', 0x85: 'COMBOBOX'}
        return names.get(atom, '#%d' % atom), p + 4
    e = p
    while b[e:e+2] != b'\0\0':
        e += 2
    return b[p:e].decode('utf-16-le'), e + 2

def menu_level(body, q, depth):
    """Prints the items of one menu level; returns the offset after it."""
    while q < len(body):
        flags = struct.unpack_from('<H', body, q)[0]
        q += 2
        cid = 0
        if not flags & 0x10:
            cid = struct.unpack_from('<H', body, q)[0]
            q += 2
        text, q = utf16z(body, q)
        indent = '  ' * depth
        if flags & 0x10:
            print(indent + 'POPUP', text)
            q = menu_level(body, q, depth + 1)
        elif not text and not cid:
            print(indent + 'SEPARATOR')
        else:
            print(indent + 'ITEM', text, cid)
        if flags & 0x80:
            break
    return q

data = open(sys.argv[1], 'rb').read()
p = 0
while p + 32 <= len(data):
    size, hsize = struct.unpack_from('<II', data, p)
    body = data[p + hsize:p + hsize + size]
    rtype = struct.unpack_from('<HH', data, p + 8)
    name, _ = utf16z(data, p + 12)
    if rtype == (0xFFFF, 5) and size and struct.unpack_from('<H', body, 2)[0] == 0xFFFF:
        style = struct.unpack_from('<I', body, 12)[0]
        n = struct.unpack_from('<H', body, 16)[0]
        q = 26
        for _ in range(3):
            _, q = utf16z(body, q)
        if style & 0x40:
            q += 6
            _, q = utf16z(body, q)
        print('DIALOG', name, n)
        for _ in range(n):
            q = (q + 3) & ~3
            ex, st = struct.unpack_from('<II', body, q + 4)
            x, y, cx, cy = struct.unpack_from('<hhhh', body, q + 12)
            cid = struct.unpack_from('<i', body, q + 20)[0]
            cls, q = utf16z(body, q + 24)
            text, q = utf16z(body, q)
            extra = struct.unpack_from('<H', body, q)[0]
            q += 2 + extra
            print('CONTROL', cls, cid, x, y, cx, cy, '0x%08X' % st)
    elif rtype == (0xFFFF, 4) and size:
        print('MENU', name)
        menu_level(body, 4, 1)
    p = (p + hsize + size + 3) & ~3
