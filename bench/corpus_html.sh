#!/bin/sh
# Links of real pages: what "sora-tool links" finds against the reading of a
# real HTML parser (Python's html.parser: every <a> start tag with an href),
# and the speed of the link analysis.
# Usage: bench/corpus_html.sh DIR [BUILD_DIR]
#   DIR        a folder of pages (*.htm, *.html)
#   BUILD_DIR  the native build (default build/native)
# hrefs are compared as addresses after decoding character references on
# both sides (a no-break space as a space: CP932 has none) and dropping tabs,
# line breaks and surrounding blanks (what a browser does with an href). Prints one line per page, the share of the
# parser's hrefs found (target >= 99 %), and MB/s of "sora-tool links" on a
# page made of the largest page repeated to about 1 MiB, by the CPU time of
# the whole run (reading, charset conversion, analysis; the native build is
# built with AddressSanitizer).
set -e
[ $# -ge 1 ] || { echo "usage: $0 DIR [BUILD_DIR]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../build/native}
exec python3 - "$1" "$build/src/cli/sora-tool" <<'EOF'
import collections, glob, html, os, re, resource, subprocess, sys, tempfile
from html.parser import HTMLParser

folder, tool = sys.argv[1], sys.argv[2]

def page_codec(raw):
    """The page's charset as a browser would take it: BOM, else <meta>, else UTF-8."""
    if raw.startswith(b'\xef\xbb\xbf'):
        return 'utf-8'
    m = re.search(rb'charset\s*=\s*["\']?([A-Za-z0-9_.:-]+)', raw[:4096])
    name = m.group(1).decode('ascii').lower() if m else 'utf-8'
    if name in ('shift_jis', 'shift-jis', 'sjis', 'x-sjis', 'windows-31j', 'cp932', 'ms932'):
        return 'cp932'
    try:
        return __import__('codecs').lookup(name).name
    except LookupError:
        return 'utf-8'

def address(href):
    """An href as an address: references decoded (a no-break space as a space:
    CP932 has none), tabs and line breaks out, blanks trimmed."""
    return re.sub(r'[\t\r\n]', '', html.unescape(href).replace('\xa0', ' ')).strip(' \f\v')

class Anchors(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.hrefs = []
    def handle_starttag(self, tag, attrs):
        if tag == 'a':
            values = [v for k, v in attrs if k == 'href']
            if values:
                self.hrefs.append(values[0] or '')

def reference(raw):
    p = Anchors()
    p.feed(raw.decode(page_codec(raw), errors='replace'))
    p.close()
    return [address(h) for h in p.hrefs]

def ours(path):
    out = subprocess.run([tool, 'links', path], check=True, capture_output=True).stdout
    lines = out.decode('cp932', errors='replace').split('\n')
    return [address(line.split('\t', 1)[0]) for line in lines if line and not line.startswith('# ')]

pages = sorted(p for p in glob.glob(os.path.join(folder, '*'))
               if p.lower().endswith(('.htm', '.html')))
if not pages:
    sys.exit('no pages in ' + folder)
total = found = extra = 0
print('%-34s %6s %6s %6s %6s' % ('page', 'parser', 'found', 'missed', 'extra'))
for path in pages:
    raw = open(path, 'rb').read()
    want = collections.Counter(reference(raw))
    got = collections.Counter(ours(path))
    hit = sum((want & got).values())
    n = sum(want.values())
    total += n
    found += hit
    extra += sum((got - want).values())
    print('%-34s %6d %6d %6d %6d' % (os.path.basename(path), n, hit, n - hit, sum((got - want).values())))
    for href in sorted((want - got).elements()):
        print('    missed: %r' % href)
print('hrefs found: %d of %d (%.1f %%), %d extra, %d pages'
      % (found, total, 100.0 * found / total if total else 100.0, extra, len(pages)))

largest = max(pages, key=os.path.getsize)
raw = open(largest, 'rb').read()
copies = max(1, (1 << 20) // len(raw))
with tempfile.NamedTemporaryFile(suffix='.html') as big:
    big.write(raw * copies)
    big.flush()
    runs, cpu = 0, 0.0
    while runs < 5 or cpu < 2.0:
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        subprocess.run([tool, 'links', big.name], check=True, stdout=subprocess.DEVNULL)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu += after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime
        runs += 1
    seconds = cpu / runs
print('links on %s x%d (%d bytes): %.3f s of CPU, %.1f MB/s'
      % (os.path.basename(largest), copies, len(raw) * copies, seconds, len(raw) * copies / seconds / 1e6))
