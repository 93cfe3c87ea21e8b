#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The manual page says what --help says: every option with the same letter,
argument name and description (the page's may go on), and the same exit
statuses in the same words.

  manpage.py PAGE HELP      (HELP: the expected text of --help)
"""
import re
import sys

ESCAPES = [('\\-', '-'), ('\\(lq', '"'), ('\\(rq', '"'), ('\\(ha', '^'), ('\\(aq', "'"),
           ('\\e', '\\'), ('\\&', ''), ('\\fI', ''), ('\\fB', ''), ('\\fP', ''), ('\\fR', ''),
           ('\\ ', ' ')]


def text_of(line):
    """A line of the page as it reads, fonts dropped; None for a request without text."""
    if line.startswith('.'):
        macro, _, rest = line[1:].partition(' ')
        words = [q.replace('""', '"') if q else w
                 for q, w in re.findall(r'"((?:[^"]|"")*)"|(\S+)', rest)]
        if macro in ('B', 'I'):
            line = ' '.join(words)
        elif macro in ('BR', 'RB', 'BI', 'IB', 'IR', 'RI'):
            line = ''.join(words)
        else:
            return None
    for escape, plain in ESCAPES:
        line = line.replace(escape, plain)
    return line


def tagged_paragraphs(page, section):
    """{tag: text} of the .TP paragraphs of a section."""
    lines = page.split('\n')
    start = lines.index('.SH ' + section)
    entries, tag, body = {}, None, []
    for line in lines[start + 1:] + ['.SH']:
        if line.startswith(('.TP', '.SS', '.SH', '.PP')):
            if tag:
                entries[tag] = ' '.join(body)
            tag, body = (None if line.startswith('.TP') else False), []
            if line.startswith('.SH'):
                break
            continue
        text = text_of(line)
        if tag is None and text is not None:
            tag = text
        elif tag and text is not None:
            body.append(text)
    return entries


def help_options(help_text):
    """{'-d, --density=VALUE': 'fluid density (default 50)', ...}"""
    options, current = {}, None
    for line in help_text.split('\n'):
        m = re.match(r'  (-\w, |    )(--[\w-]+(?:=\S+)?)\s{2,}(.*)', line)
        if m:
            current = (m.group(1).strip() + ' ' + m.group(2)).strip()
            options[current] = m.group(3)
        elif current and line.startswith(' ' * 27):
            options[current] += ' ' + line.strip()
        else:
            current = None
    return options


def help_statuses(help_text):
    paragraph = ' '.join(help_text.split('Exit status: ', 1)[1].split('\n\n', 1)[0].split('\n'))
    return dict(re.findall(r'(\d) (?:if|for) (.+?)(?=, \d (?:if|for) |\.$)', paragraph))


def main():
    page = open(sys.argv[1], encoding='utf-8').read()
    help_text = open(sys.argv[2], encoding='utf-8').read()
    problems = []
    for what, wanted, said in (
            ('option', help_options(help_text), tagged_paragraphs(page, 'OPTIONS')),
            ('exit status', help_statuses(help_text), tagged_paragraphs(page, 'EXIT STATUS'))):
        if len(wanted) < 3:
            problems.append(f'the help has only {len(wanted)} of its {what}s that this test reads')
        for tag in sorted(wanted.keys() | said.keys()):
            if tag not in said:
                problems.append(f'the page lacks the {what} {tag}')
            elif tag not in wanted:
                problems.append(f'the help lacks the {what} {tag}')
            else:
                sentence = wanted[tag][0].upper() + wanted[tag][1:]
                if not said[tag].startswith(sentence):
                    problems.append(f'{what} {tag}: the page says "{said[tag]}", '
                                    f'not "{sentence}" first')
    for problem in problems:
        print('manpage.py: ' + problem)
    sys.exit(1 if problems else 0)


if __name__ == '__main__':
    main()
