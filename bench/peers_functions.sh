#!/bin/sh
# The function list ("sora-tool functions") against universal-ctags' reading
# of the same sources: recall and precision of the definitions, and in the
# real-source mode the time of both on the same files.
# Usage: bench/peers_functions.sh DIR [units|real]
#   units  DIR holds ctags parser units (folders with expected.tags and their
#          inputs): ours against the kind-f tags of each expected.tags
#          (the default when DIR holds an expected.tags)
#   real   DIR holds real C/C++ sources (*.c *.cc *.cpp *.cxx *.h *.hh *.hpp,
#          searched recursively): ours against
#          "ctags --kinds-c++=f --kinds-c=f" on each file, and the time of
#          both, one process per file, best of 5 rounds
# SORA_TOOL names the sora-tool to run (default build/release, built when
# missing); VERBOSE=1 prints each unmatched definition.
# A tag and an entry of ours match when the names agree (the last part of a
# qualified name, blanks dropped: "X::operator *=" is "operator*="; a name of
# ours cut at 63 bytes may stop short) and ours stands on a line the tag's
# pattern names.
set -e
[ $# -ge 1 ] || { echo "usage: $0 DIR [units|real]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
tool=${SORA_TOOL:-$here/../build/release/src/cli/sora-tool}
[ -x "$tool" ] || "$here/../scripts/build" tool >/dev/null
mode=${2:-}
if [ -z "$mode" ]; then
    if find "$1" -name expected.tags | grep -q .; then mode=units; else mode=real; fi
fi
exec python3 - "$1" "$mode" "$tool" <<'EOF'
import os, re, resource, subprocess, sys, time

folder, mode, tool = sys.argv[1], sys.argv[2], sys.argv[3]
verbose = os.environ.get('VERBOSE') == '1'
SOURCE = re.compile(r'\.(c|cc|cpp|cxx|h|hh|hpp)$', re.I)


def short_name(name):
    """The last part of a qualified name before its parameter list, blanks dropped."""
    s = name
    op = re.search(r'(?<![A-Za-z0-9_])operator(?![A-Za-z0-9_])', s)
    if op:
        rest = s[op.end():]
        depth, end = 0, len(rest)
        k = 0
        stripped = rest.lstrip()
        if stripped.startswith('()'):
            k = len(rest) - len(stripped) + 2
        while k < len(rest):
            c = rest[k]
            if c == '<':
                depth += 1
            elif c == '>' and depth > 0:
                depth -= 1
            elif c == '(' and depth == 0:
                end = k
                break
            k += 1
        return re.sub(r'\s+', '', 'operator' + rest[:end])
    depth, start = 0, 0
    for k, c in enumerate(s):
        if c == '<':
            depth += 1
        elif c == '>' and depth > 0:
            depth -= 1
        elif c == '(' and depth == 0:
            s = s[:k]
            break
        elif c == ':' and depth == 0 and s[k + 1:k + 2] == ':':
            start = k + 2
    s = s[start:]
    if s.endswith('>') and '<' in s:  # "C<T>" (a constructor), "f<int>" (a specialisation)
        s = s[:s.index('<')]
    return re.sub(r'\s+', '', s)


def same_name(ours_name, want):
    """Our name stands for the tag's: equal, or cut at 63 bytes before its end."""
    short = short_name(ours_name)
    cut = len(ours_name.encode('utf-8', 'replace')) >= 60 and not ours_name.endswith(')')
    return short == want or (cut and short != '' and want.startswith(short))


def read_lines(path):
    with open(path, 'rb') as f:
        return [l.rstrip(b'\r') for l in f.read().split(b'\n')]


def tag_lines(pattern, fields, lines):
    """The lines a tag may stand on: its line: field, else the lines its pattern matches."""
    for f in fields:
        if f.startswith(b'line:'):
            return {int(f[5:])}
    if pattern.isdigit():
        return {int(pattern)}
    m = re.match(rb'^[/?]\^(.*?)(\$?)[/?]$', pattern)
    if not m:
        return set()
    body = m.group(1).replace(b'\\/', b'/').replace(b'\\\\', b'\\')
    whole = m.group(2) == b'$'
    return {i + 1 for i, l in enumerate(lines) if (l == body if whole else l.startswith(body))}


def read_tags(data):
    """Kind-f tags of a tags file: (name, file, pattern, fields)."""
    out = []
    for raw in data.split(b'\n'):
        if not raw or raw.startswith(b'!_'):
            continue
        parts = raw.split(b'\t', 2)
        if len(parts) < 3:
            continue
        name, fname, rest = parts
        cut = rest.rfind(b';"\t')
        if cut < 0:
            continue
        pattern, fields = rest[:cut], rest[cut + 3:].split(b'\t')
        kind = fields[0][5:] if fields[0].startswith(b'kind:') else fields[0]
        if kind in (b'f', b'function'):
            out.append((name.decode('latin-1'), fname.decode('latin-1'), pattern, fields))
    # --extras=+q repeats a member under its qualified name: counted once
    plain = {(t[0], t[1], t[2]) for t in out}
    return [t for t in out
            if not any((t[0][k + 2:], t[1], t[2]) in plain for k in range(len(t[0])) if t[0][k:k + 2] == '::')]


def ours(path):
    r = subprocess.run([tool, 'functions', path], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    found = []
    for l in r.stdout.decode('utf-8', 'replace').splitlines():
        p = l.split('\t', 2)
        if len(p) == 3 and p[1].isdigit():
            found.append((int(p[1]), p[2]))
    return found


def compare(label, path, tags):
    """Matches one file's tags with our list; returns (expected, ours, matched)."""
    lines = read_lines(path)
    got = ours(path)
    used = [False] * len(got)
    missed = []
    wanted = [(name, re.sub(r'\s+', '', name), tag_lines(pattern, fields, lines)) for name, _, pattern, fields in tags]
    # First on the tag's own line, then up to two lines above it (a qualified
    # name written over lines: ours is where the name starts).
    for slack in (0, 2):
        rest = []
        for name, want, where in wanted:
            hit = next((k for k, (line, n) in enumerate(got)
                        if not used[k] and same_name(n, want) and
                        (not where or any(line + d in where for d in range(slack + 1)))), None)
            if hit is None:
                rest.append((name, want, where))
            else:
                used[hit] = True
        wanted = rest
    missed = [name for name, _, _ in wanted]
    if verbose:
        for name in missed:
            print('  missed  %s: %s' % (label, name))
        for k, (line, n) in enumerate(got):
            if not used[k]:
                print('  extra   %s:%d: %s' % (label, line, n))
    return len(tags), len(got), sum(used)


def pct(a, b):
    return '%5.1f %%' % (100.0 * a / b) if b else '   - %'


def units():
    total = [0, 0, 0]
    print('%-64s %5s %5s %5s' % ('unit', 'tags', 'ours', 'match'))
    for root, _, files in sorted(os.walk(folder)):
        if 'expected.tags' not in files:
            continue
        with open(os.path.join(root, 'expected.tags'), 'rb') as f:
            tags = read_tags(f.read())
        row = [0, 0, 0]
        for name in sorted(files):
            if not SOURCE.search(name):
                continue
            mine = [t for t in tags if t[1] == name]
            r = compare(os.path.relpath(os.path.join(root, name), folder), os.path.join(root, name), mine)
            row = [a + b for a, b in zip(row, r)]
        total = [a + b for a, b in zip(total, row)]
        print('%-64s %5d %5d %5d' % (os.path.relpath(root, folder), *row))
    print('total: %d tags, %d listed, %d matched: recall %s, precision %s'
          % (total[0], total[1], total[2], pct(total[2], total[0]), pct(total[2], total[1])))


def timed(cmds):
    """Best wall time of 5 rounds of running every command once, and the CPU time per round."""
    best, cpu = None, None
    for _ in range(5):
        c0 = resource.getrusage(resource.RUSAGE_CHILDREN)
        t0 = time.perf_counter()
        for c in cmds:
            subprocess.run(c, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        t = time.perf_counter() - t0
        c1 = resource.getrusage(resource.RUSAGE_CHILDREN)
        u = (c1.ru_utime + c1.ru_stime) - (c0.ru_utime + c0.ru_stime)
        best = t if best is None else min(best, t)
        cpu = u if cpu is None else min(cpu, u)
    return best, cpu


def real():
    ctags = ['ctags', '--kinds-c++=f', '--kinds-c=f', '--fields=+n', '-o', '-']
    paths = sorted(os.path.join(r, f) for r, _, fs in os.walk(folder) for f in fs if SOURCE.search(f))
    total = [0, 0, 0]
    print('%-64s %5s %5s %5s' % ('file', 'ctags', 'ours', 'match'))
    for p in paths:
        r = subprocess.run(ctags + [p], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        row = compare(os.path.relpath(p, folder), p, read_tags(r.stdout))
        total = [a + b for a, b in zip(total, row)]
        print('%-64s %5d %5d %5d' % (os.path.relpath(p, folder), *row))
    size = sum(os.path.getsize(p) for p in paths)
    print('total: %d files, %d bytes; %d tags, %d listed, %d matched: recall %s, precision %s'
          % (len(paths), size, total[0], total[1], total[2], pct(total[2], total[0]), pct(total[2], total[1])))
    theirs = timed([ctags + [p] for p in paths])
    mine = timed([[tool, 'functions', p] for p in paths])
    print('time, one process per file, best of 5: ctags %.3f s (CPU %.3f s), sora-tool %.3f s (CPU %.3f s): '
          'ours/ctags %.2f (CPU %.2f)' % (theirs[0], theirs[1], mine[0], mine[1], mine[0] / theirs[0],
                                         mine[1] / theirs[1] if theirs[1] else 0))


units() if mode == 'units' else real()
EOF
