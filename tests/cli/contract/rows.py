# SPDX-License-Identifier: MIT
"""The converter's contract as a table: reading its rows, and showing bytes in
its notation.

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
# Modules that load quickly only: CTest starts the runner once a row.
import os
import re

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
