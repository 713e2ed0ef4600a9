"""Parses each HTML file named on the command line with a strict HTML5 parser, as the standard reads documents,
prints every parse error with the file's name, and exits with status 1 if there was any."""

import sys

import html5lib


def errors(file_name):
    parser = html5lib.HTMLParser(strict=True)
    with open(file_name, "rb") as document:
        try:
            parser.parse(document, transport_encoding="utf-8")
        except html5lib.html5parser.ParseError:
            pass  # strict mode stops at the first error; parser.errors holds it
    return parser.errors


def main(file_names):
    failed = False
    for file_name in file_names:
        for (line, column), code, details in errors(file_name):
            failed = True
            print(f"{file_name}:{line}:{column}: {code} {details}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
