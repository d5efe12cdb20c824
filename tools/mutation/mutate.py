#!/usr/bin/env python3
"""Mutation sampling for the C++ sources: how many small faults do the tests catch?

Each mutant is one small change to one line of a .cpp file (a flipped comparison, && for ||,
- for +, a constant off by one, a negated condition, a deleted statement, a changed return
value). A seeded sample of them is woven into the sources at once, each behind a switch read
from the environment (FLEXIO_MUTANT=<number>), so the tree builds once; then the tests of
each mutant's area run with that mutant switched on. A mutant is killed when a test fails or
times out. A mutant whose switch does not compile is left out of the count, and the build is
tried again without it. The sources are put back afterwards.

Only lines that can carry a switch are mutated: whole statements, the initialiser of a
declaration, and the condition of an if or while written on one line. Mutants are keyed by
file, line text and position within the line, not by line number, so the same seed picks the
same mutants in two trees whose production files differ only in lines the tool skips (log
lines).

    tools/mutation/mutate.py --tree . --build build-tests --seed 16 --count 160 --out m.jsonl
    tools/mutation/mutate.py --compare before.jsonl after.jsonl
"""
import argparse
import hashlib
import json
import os
import re
import subprocess
import sys
import time

# The tests that answer for each area; the same list is used before and after a change to the tests.
# A game's own folder is answered for by its own test and the shared one.
FOLDER_TESTS = {
    'games/match': r'^tst_(verbmatch|learninggame)$',
    'games/snap': r'^tst_(snapgame|learninggame)$',
    'games/conjugation': r'^tst_(conjquiz|learninggame)$',
    'games/gapfill': r'^tst_(gapfill|learninggame)$',
}
AREA_TESTS = {
    'verbs': r'^(tst_verbs|tst_english|tst_verbtables|tst_verbdata)$',
    'games': r'^tst_(learninggame|verbmatch|snapgame|conjquiz|gapfill|verdict)$',
    'progress': r'^tst_progress$',
    'quizzes': r'^tst_(quizzes|quizdata)$',
}

LOG_CALL = re.compile(r'\b(Console::write|qC(Debug|Info|Warning|Critical))\b')
SKIP_LINE = re.compile(r'^\s*(#|//|\*|/\*|Q_[A-Z_]+\(|static_assert|using |namespace |template|case .*:\s*$)')


def mask_literals(line):
    """The line with string and character literals and a trailing comment blanked out."""
    out = []
    i, n = 0, len(line)
    while i < n:
        c = line[i]
        if line.startswith('//', i):
            break
        if c in '"\'':
            quote = c
            out.append(c)
            i += 1
            while i < n and line[i] != quote:
                if line[i] == '\\':
                    out.append('_')
                    i += 1
                out.append('_')
                i += 1
            if i < n:
                out.append(quote)
                i += 1
            continue
        out.append(c)
        i += 1
    return ''.join(out).ljust(n)


def matching_paren(text, open_index):
    depth = 0
    for i in range(open_index, len(text)):
        if text[i] == '(':
            depth += 1
        elif text[i] == ')':
            depth -= 1
            if depth == 0:
                return i
    return -1


SWAPS = [
    ('cmp', ' == ', ' != '), ('cmp', ' != ', ' == '),
    ('cmp', ' < ', ' <= '), ('cmp', ' <= ', ' < '),
    ('cmp', ' > ', ' >= '), ('cmp', ' >= ', ' > '),
    ('logic', ' && ', ' || '), ('logic', ' || ', ' && '),
    ('arith', ' + ', ' - '), ('arith', ' - ', ' + '),
    ('arith', ' += ', ' -= '), ('arith', ' -= ', ' += '),
    ('arith', '++', '--'), ('arith', '--', '++'),
]
# A whole statement that can go without breaking the build: a call, or a store to a member.
STATEMENT = re.compile(r'^\s*((emit )?[\w:]+((\.|->)\w+)*\(.*\)|\w+_(\.\w+)? *[-+]?= .*);\s*$')
NUMBER = re.compile(r'(?<![\w.])(\d+)(?![\w.])')


def line_mutants(code, masked, previous_complete):
    """(operator, column, old text, new text) for every mutation of one line of code."""
    found = []
    for op, old, new in SWAPS:
        start = masked.find(old)
        while start >= 0:
            found.append((op, start, old, new))
            start = masked.find(old, start + 1)
    for match in NUMBER.finditer(masked):
        value = int(match.group(1))
        found.append(('const', match.start(), match.group(1), str(value + 1 if value != 1 else 0)))
    for match in re.finditer(r'\b(if|while) \(', masked):
        open_index = match.end() - 1
        close = matching_paren(masked, open_index)
        if close > 0:
            inner = code[open_index + 1:close]
            found.append(('negate', open_index + 1, inner, '!(' + inner + ')'))
    for match in re.finditer(r'!(?=[\w(])', masked):
        if not masked[match.start() + 1:].startswith('='):
            found.append(('negate', match.start(), '!', ''))
    for match in re.finditer(r'\breturn (true|false);', masked):
        flipped = 'false' if match.group(1) == 'true' else 'true'
        found.append(('return', match.start(), match.group(0), 'return ' + flipped + ';'))
    if STATEMENT.match(masked) and previous_complete:
        found.append(('delete', 0, code, ''))
    return found


DECLARATION = re.compile(r'^\s*((const|static|constexpr)\s+)*(?!return\b|delete\b|emit\b|throw\b|else\b)'
                         r'[A-Za-z_][\w:]*(<.*>)?[\s*&]+[A-Za-z_]\w*\s*(=(?!=)|\{|\(|;)')
CONDITION = re.compile(r'^\s*(\}\s*else\s+)?(if|while) \(')


def guard_region(code, masked, previous_complete):
    """Where a switch can go on this line: ('condition'|'initialiser', start, end), ('statement', 0, len)
    or None."""
    match = CONDITION.match(masked)
    if match:
        open_index = match.end() - 1
        close = matching_paren(masked, open_index)
        return ('condition', open_index + 1, close) if close > 0 else None
    stripped = masked.strip()
    if not stripped.endswith(';') or not previous_complete or stripped.startswith(('}', ')', 'case ', 'else', 'for ')):
        return None
    declaration = DECLARATION.match(masked)
    if declaration:
        if declaration.group(4) != '=':
            return None
        return ('initialiser', declaration.end(), masked.rstrip().rindex(';'))
    if masked.count('(') != masked.count(')'):
        return None
    return ('statement', 0, len(code))


def candidates(tree, areas):
    result = []
    for area in areas:
        root = os.path.join(tree, area)
        for folder, _, files in sorted(os.walk(root)):
            for name in sorted(files):
                if not name.endswith('.cpp'):
                    continue
                path = os.path.relpath(os.path.join(folder, name), tree)
                with open(os.path.join(tree, path), encoding='utf-8') as handle:
                    lines = handle.read().split('\n')
                in_log = False
                previous = '{'
                line_copies = {}
                for number, code in enumerate(lines):
                    previous_complete = previous.rstrip().endswith((';', '{', '}'))
                    masked = mask_literals(code)
                    if code.strip():
                        previous = masked
                    if LOG_CALL.search(masked) or in_log:
                        in_log = not masked.rstrip().endswith(';')
                        continue
                    if SKIP_LINE.match(code) or not code.strip():
                        continue
                    region = guard_region(code, masked, previous_complete)
                    if not region:
                        continue
                    kind, start, end = region
                    copy = line_copies.get(code.strip(), 0)
                    line_copies[code.strip()] = copy + 1
                    seen = {}
                    for op, column, old, new in line_mutants(code, masked, previous_complete):
                        if op == 'delete' and kind != 'statement':
                            continue
                        if op != 'delete' and not (start <= column and column + len(old) <= end):
                            continue
                        occurrence = seen.get((op, old, new), 0)
                        seen[(op, old, new)] = occurrence + 1
                        key = f'{path}|{code.strip()}|{copy}|{op}|{old}|{new}|{occurrence}'
                        result.append({'key': key, 'area': area, 'path': path, 'line': number,
                                       'column': column, 'op': op, 'old': old, 'new': new, 'kind': kind})
    return result


def sample(items, seed, count):
    def rank(item):
        return hashlib.sha256(f'{seed}:{item["key"]}'.encode()).hexdigest()
    return sorted(items, key=rank)[:count]


def mutate_line(code, mutant):
    if mutant['op'] == 'delete':
        return ''
    column = mutant['column']
    assert code[column:column + len(mutant['old'])] == mutant['old'], mutant
    return code[:column] + mutant['new'] + code[column + len(mutant['old']):]


def switch(number):
    return f'([] {{ static const int on = qEnvironmentVariableIntValue("FLEXIO_MUTANT"); return on; }}() == {number})'


def weave_line(code, mutants):
    """The line with each mutant behind its switch; the line stays one line."""
    masked = mask_literals(code)
    kind, start, end = guard_region(code, masked, True)
    if kind == 'statement':
        woven = '{ ' + code.strip() + ' }'
        for mutant in mutants:
            woven = f'if ({switch(mutant["number"])}) {{ {mutate_line(code, mutant).strip()} }} else {woven}'
        return code[:len(code) - len(code.lstrip())] + woven
    original = code[start:end]
    woven = f'({original})'
    for mutant in mutants:
        changed = mutate_line(code, mutant)
        changed_end = end + len(changed) - len(code)
        woven = f'({switch(mutant["number"])} ? ({changed[start:changed_end]}) : {woven})'
    return code[:start] + woven + code[end:]


def woven_texts(tree, mutants):
    """The text of each mutated file with every one of its mutants behind its switch."""
    by_path = {}
    for mutant in mutants:
        by_path.setdefault(mutant['path'], []).append(mutant)
    texts = {}
    for path, items in by_path.items():
        with open(os.path.join(tree, path), encoding='utf-8') as handle:
            lines = handle.read().split('\n')
        by_line = {}
        for mutant in items:
            by_line.setdefault(mutant['line'], []).append(mutant)
        for number, on_line in by_line.items():
            lines[number] = weave_line(lines[number], on_line)
        texts[path] = '\n'.join(lines)
    return texts


def write_keeping_time(path, text, stamp):
    with open(path, 'w', encoding='utf-8') as handle:
        handle.write(text)
    if stamp is not None:
        os.utime(path, ns=(stamp, stamp))


def run(cmd, timeout, env=None):
    try:
        done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, env=env)
        return done.returncode, done.stdout.decode(errors='replace')
    except subprocess.TimeoutExpired:
        return None, ''


def test_targets(build, pattern):
    _, text = run(['ctest', '--test-dir', build, '-N', '-R', pattern], 120)
    return re.findall(r'Test\s+#\d+: (\S+)', text)


def build_woven(args, mutants, targets):
    """Builds with every mutant woven in, dropping the ones whose lines do not compile, and
    returns the mutants that built. The sources are put back with their old times, so the build
    keeps the woven objects; only a file whose woven text changed is compiled again."""
    live = list(mutants)
    built = {}
    while True:
        texts = woven_texts(args.tree, live)
        changed = {path: text for path, text in texts.items() if built.get(path) != text}
        originals = {}
        for path, text in changed.items():
            full = os.path.join(args.tree, path)
            with open(full, encoding='utf-8') as handle:
                originals[path] = (handle.read(), os.stat(full).st_mtime_ns)
            write_keeping_time(full, text, None)
        try:
            code, log = run(['ninja', '-k', '0', '-C', args.build] + targets, args.build_timeout)
        finally:
            for path, (text, stamp) in originals.items():
                write_keeping_time(os.path.join(args.tree, path), text, stamp)
        built.update(changed)
        if code == 0:
            return live
        broken = set()
        for file, line in re.findall(r'([\w./-]+\.cpp):(\d+):\d+: (?:error|warning)', log):
            for mutant in live:
                if file.endswith(mutant['path']) and int(line) == mutant['line'] + 1:
                    broken.add(mutant['key'])
        if not broken:
            failed = set(re.findall(r'FAILED: \S*?CMakeFiles/\S+?\.dir/(\S+?\.cpp)\.o', log))
            broken = {m['key'] for m in live if m['path'] in failed}
        if not broken:
            print(log[-3000:], file=sys.stderr)
            raise SystemExit('the build fails for a reason the mutants do not explain')
        for mutant in live:
            if mutant['key'] in broken:
                mutant['result'] = 'uncompilable'
                built.pop(mutant['path'], None)
        print(f'{len(broken)} mutants do not compile; building again without them', flush=True)
        live = [m for m in live if m['key'] not in broken]


def unweave(tree, mutants):
    """Marks the mutated files as changed, so the next build compiles them without mutants."""
    for path in {m['path'] for m in mutants}:
        os.utime(os.path.join(tree, path))


def tests_for(mutant):
    return FOLDER_TESTS.get(os.path.dirname(mutant['path']), AREA_TESTS[mutant['area']])


def run_tests(args, pattern, number):
    env = dict(os.environ, FLEXIO_MUTANT=str(number))
    code, _ = run(['ctest', '--test-dir', args.build, '-R', pattern,
                   '--timeout', str(args.test_timeout), '--stop-on-failure'], args.test_timeout * 6, env)
    return code == 0


def summary(results):
    valid = [r for r in results if r['result'] in ('killed', 'survived')]
    killed = sum(1 for r in valid if r['result'] == 'killed')
    rate = 100.0 * killed / len(valid) if valid else 0.0
    skipped = len(results) - len(valid)
    return f'mutants {len(valid)}  killed {killed}  survived {len(valid) - killed}  ' \
           f'rate {rate:.1f}%  (not compiled: {skipped})'


def load(path):
    with open(path, encoding='utf-8') as handle:
        return [json.loads(line) for line in handle if line.strip()]


def compare(before_path, after_path):
    before = {r['key']: r for r in load(before_path)}
    after = {r['key']: r for r in load(after_path)}
    print('before:', summary(list(before.values())))
    print('after: ', summary(list(after.values())))
    common = [k for k in before if k in after]
    print('in both samples:', len(common))
    print('before on those:', summary([before[k] for k in common]))
    print('after on those: ', summary([after[k] for k in common]))
    for key in common:
        if before[key]['result'] == 'killed' and after[key]['result'] == 'survived':
            r = after[key]
            print(f'lost: {r["path"]}:{r["line"] + 1} {r["op"]} {r["old"]!r} -> {r["new"]!r}')


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--tree', default='.')
    parser.add_argument('--build', default='build-tests')
    parser.add_argument('--seed', type=int, default=16)
    parser.add_argument('--count', type=int, default=160)
    parser.add_argument('--areas', nargs='+', default=list(AREA_TESTS))
    parser.add_argument('--out', help='results, one JSON line per mutant')
    parser.add_argument('--list', action='store_true', help='print the sample and stop')
    parser.add_argument('--build-timeout', type=int, default=600)
    parser.add_argument('--test-timeout', type=int, default=60)
    parser.add_argument('--compare', nargs=2, metavar=('BEFORE', 'AFTER'))
    args = parser.parse_args()
    if args.compare:
        compare(*args.compare)
        return 0
    args.tree = os.path.abspath(args.tree)
    args.build = os.path.abspath(args.build)
    chosen = sample(candidates(args.tree, args.areas), args.seed, args.count)
    if args.list:
        for m in chosen:
            print(f'{m["path"]}:{m["line"] + 1}:{m["column"] + 1} {m["op"]} {m["old"]!r} -> {m["new"]!r}')
        return 0
    for number, mutant in enumerate(chosen, 1):
        mutant['number'] = number
    targets = sorted({t for area in args.areas for t in test_targets(args.build, AREA_TESTS[area])})
    live = build_woven(args, chosen, targets)
    for area in args.areas:
        if not run_tests(args, AREA_TESTS[area], 0):
            raise SystemExit(f'the tests of {area} fail without any mutant')
    results = [m for m in chosen if m.get('result') == 'uncompilable']
    if args.out:
        with open(args.out, 'w', encoding='utf-8') as handle:
            handle.writelines(json.dumps(mutant) + '\n' for mutant in results)
    for index, mutant in enumerate(live, 1):
        started = time.monotonic()
        mutant['result'] = 'survived' if run_tests(args, tests_for(mutant), mutant['number']) else 'killed'
        results.append(mutant)
        print(f'[{index}/{len(live)}] {mutant["result"]:9} {time.monotonic() - started:5.1f}s '
              f'{mutant["path"]}:{mutant["line"] + 1} {mutant["op"]} {mutant["old"]!r} -> {mutant["new"]!r}',
              flush=True)
        if args.out:
            with open(args.out, 'a', encoding='utf-8') as handle:
                handle.write(json.dumps(mutant) + '\n')
    unweave(args.tree, chosen)
    print(summary(results))
    return 0


if __name__ == '__main__':
    sys.exit(main())
