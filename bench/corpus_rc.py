#!/usr/bin/env python3
"""Compares what windres compiled with what `sora-tool dialogs --json` lists, over the work
folder that bench/corpus_rc.sh fills: for each script NAME, NAME.res (absent when windres
could not compile it), NAME.json and NAME.path (the script's path).

Prints per script and in all: the compiled dialogs listed by name; for dialogs whose control
coordinates are plain numbers in the script, the controls with the same x, y, cx, cy and text
(controls paired in order, icons left out on both sides); the same over all dialogs."""
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from res_dialogs import read_res  # noqa: E402

SS_ICON = 3
ESCAPES = {'a': '\a', 'b': '\b', 'f': '\f', 'n': '\n', 'r': '\r', 't': '\t', 'v': '\v', '\\': '\\', '"': '"'}


def decode_escapes(s):
    """The escapes the resource compiler decodes in a quoted text (the reader keeps them as written)."""
    out, i = [], 0
    while i < len(s):
        c = s[i]
        if c == '\\' and i + 1 < len(s):
            n = s[i + 1]
            if n in ESCAPES:
                out.append(ESCAPES[n]); i += 2; continue
            if n == 'x':
                m = re.match(r'[0-9a-fA-F]{1,2}', s[i + 2:])
                if m:
                    out.append(chr(int(m.group(0), 16))); i += 2 + len(m.group(0)); continue
            m = re.match(r'[0-7]{1,3}', s[i + 1:])
            if m:
                out.append(chr(int(m.group(0), 8))); i += 1 + len(m.group(0)); continue
        out.append(c)
        i += 1
    return ''.join(out)


def load_listing(path):
    """sora-tool's JSON (UTF-8; the texts converted from the script's code page)."""
    raw = open(path, 'rb').read()
    if not raw.strip():
        return []
    dialogs = json.loads(raw.decode('utf-8'))
    for d in dialogs:
        for c in d['controls']:
            c['text'] = decode_escapes(c['text'])
    return dialogs


def is_icon_res(c):
    return c['cls'] == 'STATIC' and (c['style'] & 0x1F) == SS_ICON


def is_icon_ours(c):
    return c['class'].upper().startswith('STATIC') and (c['style'] & 0x1F) == SS_ICON


def same_text(ours, theirs):
    if isinstance(theirs, int):  # a resource number as the text of a picture control
        return ours != ''
    return ours == theirs


def compare(work):
    totals = dict(scripts=0, skipped=0, dialogs=0, listed=0, partial=0, plain_dialogs=0, plain_controls=0,
                  plain_same=0, all_controls=0, all_same=0)
    rows = []
    for entry in sorted(os.listdir(work)):
        if not entry.endswith('.path'):
            continue
        base = os.path.join(work, entry[:-5])
        script = open(base + '.path').read().strip()
        if not os.path.exists(base + '.res'):
            totals['skipped'] += 1
            said = open(base + '.windres', 'rb').read().decode('utf-8', 'replace').strip().splitlines()
            rows.append('%-32s skipped: windres cannot compile it (%s)' %
                        (os.path.basename(script), said[-1] if said else 'no message'))
            continue
        totals['scripts'] += 1
        compiled = read_res(base + '.res')
        ours = load_listing(base + '.json')
        unused = list(ours)
        listed = same = count = psame = pcount = 0
        for d in compiled:
            key = d['name']
            match = next((o for o in unused if (o['number'] == key if isinstance(key, int)
                                                 else o['number'] is None and o['name'].upper() == key)), None)
            theirs = [c for c in d['controls'] if not is_icon_res(c)]
            if match is None:
                count += len(theirs)
                continue
            unused.remove(match)
            listed += 1
            mine = [c for c in match['controls'] if not is_icon_ours(c)]
            plain = all(c['plain'] for c in match['controls'])
            ok = sum(1 for a, b in zip(mine, theirs)
                     if (a['x'], a['y'], a['cx'], a['cy']) == (b['x'], b['y'], b['cx'], b['cy'])
                     and same_text(a['text'], b['text']))
            same += ok
            count += len(theirs)
            if plain:
                totals['plain_dialogs'] += 1
                psame += ok
                pcount += len(theirs)
            if not match['complete']:
                totals['partial'] += 1
        totals['dialogs'] += len(compiled)
        totals['listed'] += listed
        totals['all_controls'] += count
        totals['all_same'] += same
        totals['plain_controls'] += pcount
        totals['plain_same'] += psame
        rows.append('%-32s dialogs %3d/%-3d  plain-coordinate controls %4d/%-4d  all controls %4d/%-4d' %
                    (os.path.basename(script), listed, len(compiled), psame, pcount, same, count))
    return totals, rows


def pct(a, b):
    return '%.1f %%' % (100.0 * a / b) if b else 'n/a'


def main():
    totals, rows = compare(sys.argv[1])
    for r in rows:
        print(r)
    t = totals
    print()
    print('scripts compiled by windres: %d (skipped: %d)' % (t['scripts'], t['skipped']))
    print('dialogs compiled: %d, listed by name: %d (%s), read only in part: %d' %
          (t['dialogs'], t['listed'], pct(t['listed'], t['dialogs']), t['partial']))
    print('dialogs with plain-number coordinates: %d; their controls: %d, same x, y, cx, cy and text: %d (%s)' %
          (t['plain_dialogs'], t['plain_controls'], t['plain_same'], pct(t['plain_same'], t['plain_controls'])))
    print('controls of all compiled dialogs: %d, same x, y, cx, cy and text: %d (%s)' %
          (t['all_controls'], t['all_same'], pct(t['all_same'], t['all_controls'])))


if __name__ == '__main__':
    main()
