"""Reads the generated button forms with Python's HTML parser, as a browser would, and checks that every
typed value comes back unchanged under its field name and that only the form's own tags appear."""

import html.parser
import json
import subprocess
import sys

FORM_TAGS = {"form", "input", "table", "tr", "td", "select", "option"}
FIXED_FIELDS = {"cmd": ["_cart"], "add": ["1"]}


class FormReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags = []
        self.form = {}
        self.hidden = {}
        self.images = []
        self.selects = {}
        self.labels = []
        self.stray_text = []
        self._select = None
        self._option = None
        self._in_cell = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.append(tag)
        self._option = None
        if tag == "form":
            self.form = attrs
        elif tag == "td":
            self._in_cell = True
        elif tag == "input" and attrs.get("type") == "hidden":
            self.hidden.setdefault(attrs.get("name"), []).append(attrs.get("value"))
        elif tag == "input" and attrs.get("type") == "image":
            self.images.append(attrs.get("src"))
        elif tag == "select":
            self._select = self.selects.setdefault(attrs.get("name"), [])
        elif tag == "option":
            self._option = [attrs.get("value"), ""]
            self._select.append(self._option)

    def handle_endtag(self, tag):
        self._option = None
        if tag == "td":
            self._in_cell = False

    def handle_data(self, data):
        if self._option is not None:
            self._option[1] += data
        elif self._in_cell:
            self.labels.append(data)
        else:
            self.stray_text.append(data)


def problems(case):
    reader = FormReader()
    reader.feed(case["form"])
    reader.close()
    expected = case["expected"]
    utf8 = any(ord(c) > 127 for value in expected["hidden"].values() for c in value)

    wanted_hidden = {name: [value] for name, value in expected["hidden"].items()}
    wanted_hidden.update(FIXED_FIELDS)
    if utf8:
        wanted_hidden["charset"] = ["utf-8"]
    wanted_selects = {name: [[v, v] for v in values] for name, values in expected["selects"].items()}

    checks = [
        ("foreign tags", sorted(set(reader.tags) - FORM_TAGS), []),
        ("hidden fields", reader.hidden, wanted_hidden),
        ("drop-down options", reader.selects, wanted_selects),
        ("option labels", reader.labels, expected["labels"]),
        ("button image", reader.images, [expected["image"]]),
        ("accept-charset", reader.form.get("accept-charset"), "utf-8" if utf8 else None),
        ("text outside cells", reader.stray_text, []),
    ]
    return [f"{what}: got {got!r}, want {want!r}" for what, got, want in checks if got != want]


def main():
    printed = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True, encoding="utf-8").stdout
    failures = 0
    for case in json.loads(printed):
        for problem in problems(case):
            failures += 1
            print(f"FAIL {case['case']}: {problem}")
    print(f"{failures} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
