#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The converter's contract, run against the built program: each row gives the
arguments, standard input, environment and files, and the exact standard output,
standard error and exit status.

  run.py --list --build KIND                 the names of the rows that run on KIND
  run.py --row NAME --build KIND --work DIR -- [EMULATOR...] PROGRAM

KIND is the build: qt (native, --locale through Qt), plain (native without Qt),
wine (the Windows build under Wine) or node (the WebAssembly build under node).

The tables are the *.rows files beside this script, one row a line:

  NAME | ARGUMENTS | STDIN | STATUS | STDOUT | STDERR [| SETTINGS]

NAME reads as a sentence. ARGUMENTS are split like a shell's words: quotes group
blanks, "" is an empty argument. STATUS is the exit status, or SIGPIPE for a
program ended by that signal. STDIN, STDOUT and STDERR are the bytes, or @PATH for
a file's (relative to tests/cli/). Blanks around a field are not part of it.

In every field but NAME and STATUS these escapes stand for bytes; a backslash
before anything else, and any byte that is not printable ASCII, is an error, so
that nothing invisible hides in a row:
  \\n \\r \\t \\0   line feed, carriage return, tab, NUL
  \\\\ \\|         a backslash, a bar
  \\xHH          the byte HH (hexadecimal), such as \\xFF
  \\u{HHHH}      the character U+HHHH in UTF-8, such as \\u{A0} (no-break space)
  \\[TEXT]*N     TEXT N times, such as \\[1,cP,cP\\n]*5000 (N ends at the first
                character that is no digit: a digit after it is written \\x3N)

SETTINGS are words:
  NAME=VALUE        an environment variable (the locale's are unset otherwise, and
                    LC_ALL=C.UTF-8 stands in when a row sets none of them)
  file:PATH=TEXT    a file in the working folder (TEXT may be @PATH)
  dir:PATH          a folder there
  unreadable:PATH   a file there that the program cannot read (as root, the program
                    runs as nobody)
  stdout:full       standard output is /dev/full
  stdout:closed     standard output is closed; stdin:closed likewise
  stdout:broken     standard output is a pipe whose reading end is already closed
  sigpipe:ignore    the program starts with SIGPIPE ignored, as under some shells
  on:KIND,...       the row runs on these builds only; not:KIND,... on all others
"""
# Modules that load quickly only: CTest starts this script once a row.
import os
import re
import shutil
import signal
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.dirname(HERE)
KINDS = ('qt', 'plain', 'wine', 'node')
LOCALE_VARIABLES = ('LC_ALL', 'LC_NUMERIC', 'LANG')


BYTE = re.compile(r'x([0-9A-Fa-f]{2})')
CHARACTER = re.compile(r'u\{([0-9A-Fa-f]{1,6})\}')
REPEAT_END = re.compile(r'\]\*(\d+)')


class RowError(Exception):
    pass


def unescape(text):
    """The bytes that a field's text stands for."""
    out = bytearray()
    i = 0
    while i < len(text):
        c = text[i]
        if not (' ' <= c <= '~'):
            raise RowError(f'write {c!r} as an escape, such as \\u{{{ord(c):X}}}')
        if c != '\\':
            out += c.encode()
            i += 1
            continue
        kind = text[i + 1:i + 2]
        simple = {'n': b'\n', 'r': b'\r', 't': b'\t', '0': b'\0', '\\': b'\\', '|': b'|'}
        if kind in simple:
            out += simple[kind]
            i += 2
        elif m := BYTE.match(text, i + 1):
            out.append(int(m.group(1), 16))
            i = m.end()
        elif m := CHARACTER.match(text, i + 1):
            out += chr(int(m.group(1), 16)).encode('utf-8', 'surrogatepass')
            i = m.end()
        elif kind == '[':
            m = REPEAT_END.search(text, i + 2)
            if not m:
                raise RowError('\\[ without its ]*N')
            out += unescape(text[i + 2:m.start()]) * int(m.group(1))
            i = m.end()
        else:
            raise RowError(f'unknown escape \\{kind}')
    return bytes(out)


def words(text):
    """Words split at blanks, as a shell splits them: quotes keep blanks in a
    word, and "" is an empty word. Backslashes are left for unescape()."""
    found, word, quote, quoted = [], '', None, False
    for c in text:
        if quote:
            if c == quote:
                quote = None
            else:
                word += c
        elif c in '"\'':
            quote, quoted = c, True
        elif c == ' ':
            if word or quoted:
                found.append(word)
            word, quoted = '', False
        else:
            word += c
    if quote:
        raise RowError(f'a quote is not closed in {text}')
    if word or quoted:
        found.append(word)
    return found


def contents(field):
    if field.startswith('@'):
        with open(os.path.join(FIXTURES, field[1:]), 'rb') as file:
            return file.read()
    return unescape(field)


class Row:
    def __init__(self, line, where):
        fields = [f.strip() for f in re.split(r'(?<!\\)\|', line)]
        if len(fields) not in (6, 7):
            raise RowError(f'{where}: {len(fields)} fields, not 6 or 7')
        self.name, arguments, self.stdin, status, self.stdout, self.stderr = fields[:6]
        if not re.fullmatch(r'[A-Za-z0-9]+', self.name):
            raise RowError(f'{where}: a name is letters and digits, not {self.name!r}')
        self.where = where
        self.arguments = [unescape(w) for w in words(arguments)]
        self.status = status if status == 'SIGPIPE' else int(status)
        self.environment, self.files, self.setup = {}, [], set()
        self.kinds = set(KINDS)
        for word in words(fields[6]) if len(fields) == 7 else []:
            key, _, value = word.partition(':')
            if m := re.fullmatch(r'([A-Z_][A-Z0-9_]*)=(.*)', word):
                self.environment[m.group(1)] = unescape(m.group(2)).decode()
            elif key in ('on', 'not'):
                named = set(value.split(','))
                if not named <= set(KINDS):
                    raise RowError(f'{where}: unknown build in {word}')
                self.kinds = named if key == 'on' else self.kinds - named
            elif key == 'file':
                path, _, text = value.partition('=')
                self.files.append(('file', path, text))
            elif key in ('dir', 'unreadable'):
                self.files.append((key, value, ''))
            elif word in ('stdout:full', 'stdout:closed', 'stdout:broken', 'stdin:closed',
                          'sigpipe:ignore'):
                self.setup.add(word)
            else:
                raise RowError(f'{where}: unknown setting {word}')

    def serial(self, kind):
        # Wine keeps the regional settings it last started under in its prefix:
        # a row that sets them runs alone.
        return kind == 'wine' and any(v in self.environment for v in LOCALE_VARIABLES)


def lines():
    for name in sorted(n for n in os.listdir(HERE) if n.endswith('.rows')):
        with open(os.path.join(HERE, name), encoding='ascii') as file:
            for number, line in enumerate(file.read().split('\n'), 1):
                if line.strip() and not line.startswith('#'):
                    yield line, f'{name}:{number}'


def table():
    rows = {}
    for line, where in lines():
        row = Row(line, where)
        if row.name in rows:
            raise RowError(f'{row.where}: {row.name} is also {rows[row.name].where}')
        rows[row.name] = row
    return rows


def find(name):
    # Only the row asked for is read: a run of the whole table starts this
    # script once a row.
    for line, where in lines():
        if line.split('|', 1)[0].strip() == name:
            return Row(line, where)
    raise RowError(f'no row {name}')


def shown(data):
    """Bytes in the table's own notation."""
    text = data.decode('utf-8', 'surrogateescape')
    out = []
    for c in text:
        if c == '\n':
            out.append('\\n')
        elif c in '\r\t\0\\|':
            out.append({'\r': '\\r', '\t': '\\t', '\0': '\\0', '\\': '\\\\', '|': '\\|'}[c])
        elif ' ' <= c <= '~':
            out.append(c)
        elif 0xDC80 <= ord(c) <= 0xDCFF:
            out.append(f'\\x{ord(c) - 0xDC00:02X}')
        else:
            out.append(f'\\u{{{ord(c):X}}}')
    return ''.join(out)


def excerpt(want, got):
    """The two texts from a little before where they first differ."""
    start = next((i for i, (a, b) in enumerate(zip(want, got)) if a != b), min(len(want), len(got)))
    start = max(0, start - 60)
    cut = lambda text: ('...' if start else '') + text[start:start + 300] + \
        ('...' if len(text) > start + 300 else '')
    return cut(want), cut(got)


def run(row, command, work):
    """The exit status and the two output streams of the program on the row."""
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    streams = work + '.streams'
    os.makedirs(streams, exist_ok=True)
    as_nobody = os.geteuid() == 0 and any(kind == 'unreadable' for kind, _, _ in row.files)
    if as_nobody:
        # Root reads any file: the program runs as nobody, copied to a folder
        # that nobody reaches whatever the build folder's parents allow.
        import tempfile
        work = tempfile.mkdtemp(prefix='contract-')
        os.chmod(work, 0o755)
        program = command[-1]
        wasm = os.path.splitext(program)[0] + '.wasm'
        for part in [program] + ([wasm] if os.path.exists(wasm) else []):
            shutil.copy(part, work)
        command = ['setpriv', '--reuid=nobody', '--regid=nogroup', '--clear-groups'] + \
            command[:-1] + [os.path.join(work, os.path.basename(program))]
    for kind, path, text in row.files:
        target = os.path.join(work, os.fsdecode(unescape(path)))
        if kind == 'dir':
            os.makedirs(target)
            continue
        with open(target, 'wb') as file:
            file.write(contents(text) if kind == 'file' else b'secret\n')
        if kind == 'unreadable':
            os.chmod(target, 0)

    environment = {k: v for k, v in os.environ.items()
                   if not k.startswith('LC_') and k not in ('LANG', 'LANGUAGE', 'POSIXLY_CORRECT')}
    if not any(v in row.environment for v in LOCALE_VARIABLES):
        environment['LC_ALL'] = 'C.UTF-8'
    environment.update(row.environment)

    with open(os.path.join(streams, 'in'), 'wb') as file:
        file.write(contents(row.stdin))
    stdin = open(os.path.join(streams, 'in'), 'rb')
    stderr = open(os.path.join(streams, 'err'), 'w+b')
    captured = not row.setup & {'stdout:full', 'stdout:closed', 'stdout:broken'}
    if 'stdout:full' in row.setup:
        stdout = open('/dev/full', 'wb')
    elif 'stdout:broken' in row.setup:
        reading_end, writing_end = os.pipe()
        os.close(reading_end)
        stdout = os.fdopen(writing_end, 'wb')
    else:
        stdout = open(os.path.join(streams, 'out'), 'w+b')

    # Started directly, not through the subprocess module, which takes
    # longer to load than the rest of this script. Python ignores SIGPIPE
    # and SIGXFSZ; the program gets their defaults, as from a shell.
    actions = [(os.POSIX_SPAWN_DUP2, stream.fileno(), fd)
               for fd, stream in enumerate((stdin, stdout, stderr))]
    actions += [(os.POSIX_SPAWN_CLOSE, fd) for fd, closed in enumerate(
        ('stdin:closed' in row.setup, 'stdout:closed' in row.setup)) if closed]
    restored = {signal.SIGXFSZ} | (set() if 'sigpipe:ignore' in row.setup else {signal.SIGPIPE})
    os.chdir(work)
    try:
        pid = os.posix_spawnp(command[0], command + row.arguments, environment,
                              file_actions=actions, setsigdef=restored)
        status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
    finally:
        os.chdir(HERE)
        if as_nobody:
            shutil.rmtree(work, ignore_errors=True)
    if status == -signal.SIGPIPE:
        status = 'SIGPIPE'
    out = b''
    if captured:
        stdout.seek(0)
        out = stdout.read()
    stderr.seek(0)
    err = stderr.read()
    for stream in (stdin, stdout, stderr):
        stream.close()
    return status, out, err


def main():
    # run.py --list --build KIND  |  run.py --row NAME --build KIND --work DIR -- COMMAND...
    arguments = sys.argv[1:]
    split = arguments.index('--') if '--' in arguments else len(arguments)
    command = arguments[split + 1:]
    options, given = {}, iter(arguments[:split])
    for word in given:
        options[word] = True if word == '--list' else next(given, None)
    kind = options.get('--build')
    if kind not in KINDS:
        sys.exit(f'run.py: --build takes one of {", ".join(KINDS)}')
    try:
        if '--list' in options:
            for row in table().values():
                if kind in row.kinds:
                    print(row.name + (' serial' if row.serial(kind) else ''))
            return
        row = find(options['--row'])
    except (RowError, ValueError) as error:
        sys.exit(f'run.py: {error}')
    command = command[:-1] + [os.path.abspath(command[-1])]
    status, out, err = run(row, command, os.path.abspath(options['--work']))
    if kind == 'wine' and status == 1 and not out and not err:
        # The converter never fails without a message: Wine, started while
        # the machine was very busy, once ended two rows so in a full run.
        print(f'{row.name}: Wine ended the program without a word; once more')
        status, out, err = run(row, command, os.path.abspath(options['--work']))
    expected = (row.status, contents(row.stdout), contents(row.stderr))
    failed = False
    for what, want, got in zip(('exit status', 'standard output', 'standard error'), expected,
                               (status, out, err)):
        if want != got:
            failed = True
            if isinstance(want, bytes):
                want, got = excerpt(shown(want), shown(got))
            print(f'{row.where}: {row.name}: {what} differs\n  expected: {want}\n  got:      {got}')
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
