#!/usr/bin/env python3
"""The DIALOG and DIALOGEX resources of a compiled .res file.

read_res(path) -> list of dialogs, each {"name": str (upper case) or int (ordinal), "caption": str,
"controls": [{"cls", "text", "id", "x", "y", "cx", "cy", "style"}]}. Run as a script it prints them."""
import struct
import sys

ATOMS = {0x80: 'BUTTON', 0x81: 'EDIT', 0x82: 'STATIC', 0x83: 'LISTBOX', 0x84: 'SCROLLBAR', 0x85: 'COMBOBOX'}


def sz_or_ord(b, p):
    """A name field: 0xFFFF and an ordinal (returned as int), or a zero-ended UTF-16 text."""
    if b[p:p + 2] == b'\xff\xff':
        return struct.unpack_from('<H', b, p + 2)[0], p + 4
    e = p
    while e + 1 < len(b) and b[e:e + 2] != b'\0\0':
        e += 2
    return b[p:e].decode('utf-16-le', 'replace'), e + 2


def read_template(body):
    """One dialog template (plain or extended): caption and controls."""
    ex = len(body) >= 4 and struct.unpack_from('<HH', body, 0) == (1, 0xFFFF)
    if ex:
        style = struct.unpack_from('<I', body, 12)[0]
        count = struct.unpack_from('<H', body, 16)[0]
        q = 26
    else:
        style = struct.unpack_from('<I', body, 0)[0]
        count = struct.unpack_from('<H', body, 8)[0]
        q = 18
    _, q = sz_or_ord(body, q)        # menu
    _, q = sz_or_ord(body, q)        # class
    caption, q = sz_or_ord(body, q)
    if style & 0x40:                  # DS_SETFONT: point size (and weight, italic, charset), face
        q += 6 if ex else 2
        _, q = sz_or_ord(body, q)
    controls = []
    for _ in range(count):
        q = (q + 3) & ~3
        if ex:
            st = struct.unpack_from('<I', body, q + 8)[0]
            x, y, cx, cy = struct.unpack_from('<hhhh', body, q + 12)
            cid = struct.unpack_from('<i', body, q + 20)[0]
            q += 24
        else:
            st = struct.unpack_from('<I', body, q)[0]
            x, y, cx, cy = struct.unpack_from('<hhhh', body, q + 8)
            cid = struct.unpack_from('<h', body, q + 16)[0]
            q += 18
        cls, q = sz_or_ord(body, q)
        if isinstance(cls, int):
            cls = ATOMS.get(cls, '#%d' % cls)
        text, q = sz_or_ord(body, q)
        extra = struct.unpack_from('<H', body, q)[0]
        q += 2 + extra
        controls.append({'cls': cls.upper(), 'text': text, 'id': cid, 'x': x, 'y': y, 'cx': cx, 'cy': cy,
                         'style': st})
    return {'caption': caption, 'controls': controls}


def read_res(path):
    data = open(path, 'rb').read()
    dialogs = []
    p = 0
    while p + 32 <= len(data):
        size, hsize = struct.unpack_from('<II', data, p)
        rtype, q = sz_or_ord(data, p + 8)
        name, q = sz_or_ord(data, q)
        body = data[p + hsize:p + hsize + size]
        if rtype == 5 and size:
            d = read_template(body)
            d['name'] = name.upper() if isinstance(name, str) else name
            dialogs.append(d)
        p = (p + hsize + size + 3) & ~3
    return dialogs


if __name__ == '__main__':
    for d in read_res(sys.argv[1]):
        print('DIALOG', d['name'], repr(d['caption']), len(d['controls']))
        for c in d['controls']:
            print('  ', c['cls'], c['id'], c['x'], c['y'], c['cx'], c['cy'], '0x%08X' % c['style'], repr(c['text']))
