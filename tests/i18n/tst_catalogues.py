#!/usr/bin/env python3
"""Fails when an interface catalogue lacks a text the code translates (as
lupdate finds them in the program's source folders), keeps an unfinished or
empty entry, breaks a placeholder, line-feed, leading-sign or dialog-filter
rule, or has drifted from the reviewed text tables.

Usage: tst_catalogues.py --source-root DIR --lupdate PATH"""
import argparse
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE_FOLDERS = ('app', 'gui', 'session', 'update')


def read_ts(path):
    """{(context, source): (translation text, translation type)}"""
    messages = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            text = translation.text or '' if translation is not None else ''
            kind = translation.get('type', '') if translation is not None else 'missing'
            messages[(name, message.findtext('source') or '')] = (text, kind)
    return messages


def texts_used_by_code(source_root, lupdate):
    folders = [f for f in SOURCE_FOLDERS if os.path.isdir(os.path.join(source_root, f))]
    with tempfile.TemporaryDirectory() as scratch:
        scratch_ts = os.path.join(scratch, 'code.ts')
        result = subprocess.run(
            [lupdate, '-silent', '-locations', 'none', '-no-obsolete', '-source-language', 'zh_CN',
             *folders, '-ts', scratch_ts],
            cwd=source_root, capture_output=True, text=True)
        if result.returncode != 0 or not os.path.exists(scratch_ts):
            sys.exit('lupdate failed:\n' + result.stdout + result.stderr)
        if result.stderr.strip():
            # lupdate warns about calls it cannot read (a context or text
            # that is not a literal); such texts would slip past this check.
            print('lupdate warnings:\n' + result.stderr, file=sys.stderr)
        return sorted(read_ts(scratch_ts)), folders


def describe(key):
    context, source = key
    return f'{context}: "{source}"'.replace('\n', '\\n')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--source-root', required=True)
    parser.add_argument('--lupdate', required=True)
    args = parser.parse_args()
    sys.path.insert(0, os.path.join(args.source_root, 'scripts', 'i18n'))
    import catalogue_rules as rules

    used, folders = texts_used_by_code(args.source_root, args.lupdate)
    tables = rules.source_texts(args.source_root)
    table_keys = {(c, s) for c, s, _ in tables}
    problems = [f'text table resources/i18n/texts/source_texts.tsv lacks {describe(key)}'
                for key in used if key not in table_keys]

    for code in rules.CODES:
        path = os.path.join(args.source_root, 'resources', 'i18n', code + '.ts')
        if not os.path.exists(path):
            problems.append(f'{code}.ts: catalogue missing')
            continue
        catalogue = read_ts(path)
        problems += [f'{code}.ts lacks {describe(key)}' for key in used if key not in catalogue]
        for key, (text, kind) in sorted(catalogue.items()):
            if kind:
                problems.append(f'{code}.ts: {kind} entry {describe(key)}')
            for problem in rules.rule_violations(key[1], text):
                problems.append(f'{code}.ts: {describe(key)}: {problem}')
        # English is reviewed in the source table itself, the others in their own.
        rows = tables if code == 'en' else rules.read_table(
            os.path.join(rules.texts_dir(args.source_root), code + '.tsv'))[1]
        for context, source, translation in rows:
            if catalogue.get((context, source), (translation,))[0] != translation:
                problems.append(f'{code}.ts differs from its text table at {describe((context, source))}; '
                                'run scripts/i18n/make_catalogues.py')

    unused = sorted(table_keys - set(used))
    print(f'{len(used)} texts translated in {", ".join(folders)}; '
          f'{len(tables)} in the catalogues; {len(unused)} catalogue texts not (yet) used by the code')
    if problems:
        print(f'{len(problems)} problem(s):')
        print('\n'.join(problems))
        return 1
    print(f'all {len(rules.CODES)} catalogues complete')
    return 0


if __name__ == '__main__':
    sys.exit(main())
