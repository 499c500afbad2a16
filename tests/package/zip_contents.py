#!/usr/bin/env python3
"""What the unpacked zip promises, read as a user reads it.

    zip_contents.py check TOP ZIPNAME   the files README.txt names are there
                                        (its list of the zip's files is the
                                        zip's files, exactly), and the zip's
                                        name, README.txt and Vantrel.exe's
                                        version record name one version
    zip_contents.py wine-steps README   the commands README.txt gives for
                                        trying the emulator under Wine, one
                                        a line
"""
import os
import re
import sys


def read_text(path):
    with open(path, 'rb') as f:
        data = f.read()
    if b'\n' in data.replace(b'\r\n', b''):
        raise SystemExit(f'{path}: a line ends without CR (Notepad shows it as one line)')
    return data.decode('ascii').replace('\r\n', '\n')


def section(text, title):
    """The lines of the section under TITLE (underlined with dashes)."""
    lines = text.split('\n') + ['']
    is_rule = lambda line: re.fullmatch(r'-+', line) is not None
    for i in range(len(lines) - 1):
        if lines[i] == title and is_rule(lines[i + 1]):
            end = i + 2
            while end < len(lines) - 1 and not (lines[end] and is_rule(lines[end + 1])):
                end += 1
            return lines[i + 2:end]
    raise SystemExit(f'README.txt has no section "{title}"')


def zip_files(top):
    found = set()
    for folder, _, files in os.walk(top):
        for name in files:
            found.add(os.path.relpath(os.path.join(folder, name), top).replace(os.sep, '\\'))
    return found


def version_record(exe):
    """FileVersion and ProductVersion of the exe's version record."""
    with open(exe, 'rb') as f:
        data = f.read()
    values = {}
    for key in ('FileVersion', 'ProductVersion'):
        at = data.find(key.encode('utf-16-le'))
        if at < 0:
            raise SystemExit(f'{exe}: no {key} in its version record')
        text = data[at + 2 * len(key):at + 2 * len(key) + 64].decode('utf-16-le', 'replace')
        values[key] = re.match(r'\x00*([0-9, ]+)', text).group(1).strip()
    return values


def check(top, zip_name):
    failures = []
    readme = read_text(os.path.join(top, 'README.txt'))
    present = zip_files(top)

    # The list of the zip's files is the zip's files.
    listed = {m.group(1) for line in section(readme, 'What is in this zip')
              if (m := re.match(r'  (\S+)\s', line + ' '))}
    for name in sorted(listed - present):
        failures.append(f'README.txt lists {name}, which is not in the zip')
    for name in sorted(present - listed):
        failures.append(f'{name} is in the zip, but README.txt does not list it')

    # Every file of the zip named anywhere: emulator\... paths, and the
    # top-level programs, texts and lists (the maker's ORLOG7_DLL.dll is not
    # one: it is named bare, and never under emulator\).
    named = set(re.findall(r'\bemulator[\\/][\w.-]+', readme))
    named |= set(re.findall(r'(?<![\\/\w.-])([\w-]+\.(?:exe|txt))\b', readme))
    named |= set(re.findall(r'\b(LICENSE|SHA256SUMS)\b', readme))
    for name in sorted(named):
        if name.replace('/', '\\') not in present:
            failures.append(f'README.txt names {name}, which is not in the zip')

    # One version.
    match = re.match(r'Vantrel-(\d+(?:\.\d+)*)-win32\.zip$', zip_name)
    if not match:
        failures.append(f'the zip\'s name {zip_name} is not Vantrel-<version>-win32.zip')
    version = match.group(1) if match else '?'
    title = readme.split('\n', 1)[0]
    if title != f'Vantrel {version}':
        failures.append(f'README.txt begins "{title}", expected "Vantrel {version}"')
    if f'Vantrel {version}. Copyright' not in readme:
        failures.append(f'README.txt\'s "Version and licence" does not name {version}')
    numbers = (version.split('.') + ['0'] * 4)[:4]
    for key, value in version_record(os.path.join(top, 'Vantrel.exe')).items():
        if value != ', '.join(numbers):
            failures.append(f'Vantrel.exe\'s {key} is "{value}", expected "{", ".join(numbers)}"')

    for failure in failures:
        print(f'zip: {failure}')
    if failures:
        raise SystemExit(1)
    print(f'zip: {len(present)} files, each listed in README.txt; {len(named)} file names in '
          f'README.txt, each in the zip; version {version} in the name, README.txt and Vantrel.exe')


def wine_steps(path):
    text = read_text(path)
    lines = section(text, 'First steps with the emulator')
    start = next(i for i, line in enumerate(lines) if line.startswith('Under Wine'))
    steps = [line[2:] for line in lines[start:]
             if re.match(r'  (cp|wineboot|mkdir|ln|wine) ', line + ' ')]
    print('\n'.join(steps))


if __name__ == '__main__':
    if len(sys.argv) == 4 and sys.argv[1] == 'check':
        check(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == 'wine-steps':
        wine_steps(sys.argv[2])
    else:
        raise SystemExit(__doc__)
