#!/usr/bin/env python3
"""Checks the cartographers' guides against the program.

Every text a guide quotes in 「」 must be one of the plug-in's own texts, or one line of one: a
string of its resource script or of its sources (adjacent literals joined), where a printf
placeholder such as %d stands for any text. Every picture a guide shows must exist.

usage: check_guides.py SOURCE_DIR GENERATED_HEADER GUIDE...
"""
import pathlib
import re
import sys

SOURCE_FOLDERS = ("engine", "panel", "plugin", "tools", "units", "frame", "resources")
LITERAL = r'(?:u8|L)?"((?:[^"\\\n]|\\.)*)"'
# Literals side by side, with only blanks, line ends or comments between them, make one text.
LITERAL_RUN = re.compile(LITERAL + r'(?:(?:\s|//[^\n]*\n)*' + LITERAL + r')*')
PLACEHOLDER = re.compile(r"%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z)?[dioufFeEgGxXcs]")
QUOTE = re.compile(r"「([^「」]*)」")
PICTURE = re.compile(r"!\[[^\]]*\]\(([^)\s]+)\)")


def unescape(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def program_texts(source_dir, generated_header):
    files = [generated_header]
    for folder in SOURCE_FOLDERS:
        for pattern in ("*.h", "*.cpp", "*.rc"):
            files.extend((source_dir / folder).rglob(pattern))
    texts = set()
    for path in files:
        source = path.read_text(encoding="utf-8")
        for run in LITERAL_RUN.finditer(source):
            parts = re.findall(LITERAL, run.group(0))
            for text in ["".join(parts)] + parts:
                text = unescape(text)
                texts.add(text)
                texts.update(text.split("\n"))
    return texts


def matcher(text):
    pieces = PLACEHOLDER.split(text)
    return re.compile(".+?".join(re.escape(piece) for piece in pieces) + r"\Z", re.S)


def main(argv):
    if len(argv) < 4:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    source_dir, generated_header = pathlib.Path(argv[1]), pathlib.Path(argv[2])
    texts = program_texts(source_dir, generated_header)
    exact = set(texts)
    # Only texts with some Japanese besides their placeholders: "%s: %s" would match anything.
    patterns = [
        matcher(text)
        for text in texts
        if PLACEHOLDER.search(text) and re.search(r"[^\x00-\x7f]", PLACEHOLDER.sub("", text))
    ]
    problems = []
    for name in argv[3:]:
        guide = pathlib.Path(name)
        quoted = 0
        for number, line in enumerate(guide.read_text(encoding="utf-8").splitlines(), 1):
            for quote in QUOTE.findall(line):
                quoted += 1
                if quote not in exact and not any(p.match(quote) for p in patterns):
                    problems.append(f"{guide}:{number}: 「{quote}」 is none of the program's texts")
            for picture in PICTURE.findall(line):
                if not (guide.parent / picture).is_file():
                    problems.append(f"{guide}:{number}: the picture {picture} does not exist")
        if quoted == 0:
            problems.append(f"{guide}: quotes no text of the program")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
