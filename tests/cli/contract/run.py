#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The converter's contract, run against the built program: each row gives the
arguments, standard input, environment and files, and the exact standard output,
standard error and exit status.

  run.py --list --build KIND                 the names of the rows that run on KIND
  run.py --row NAME --build KIND --work DIR -- [EMULATOR...] PROGRAM

KIND is the build: qt (native, --locale through Qt), plain (native without Qt),
wine (the Windows build under Wine) or node (the WebAssembly build under node).

The rows and their format: rows.py beside this script.
"""
# Modules that load quickly only: CTest starts this script once a row.
import os
import shutil
import signal
import sys

from rows import HERE, KINDS, LOCALE_VARIABLES, RowError, contents, excerpt, find, shown, \
    table, unescape


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
