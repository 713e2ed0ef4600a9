"""Fails when a page of the help links to a file or an anchor that is not there, or names one anchor twice (a link
to it would reach only the first)."""

import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit


class Page(HTMLParser):
    def __init__(self):
        super().__init__()
        self.anchors = set()
        self.twice = []
        self.links = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("id", "name") and value:
                if value in self.anchors:
                    self.twice.append((self.getpos()[0], value))
                self.anchors.add(value)
            if name in ("href", "src") and value is not None:
                self.links.append((self.getpos()[0], value))


def parse(path):
    page = Page()
    page.feed(path.read_text(encoding="utf-8"))
    return page


def broken_links(start):
    page = parse(start)
    broken = [f"{start.name}:{line}: {anchor}: named twice" for line, anchor in page.twice]
    for line, link in page.links:
        if link in ("", "#"):
            broken.append(f"{start.name}:{line}: empty link")
            continue
        parts = urlsplit(link)
        if parts.scheme or parts.netloc:
            continue  # other sites are not ours to check
        target = (start.parent / unquote(parts.path)).resolve() if parts.path else start
        if not target.is_file():
            broken.append(f"{start.name}:{line}: {link}: no such file")
        elif parts.fragment and target.suffix == ".html" and parts.fragment not in parse(target).anchors:
            broken.append(f"{start.name}:{line}: {link}: no such anchor")
    return broken


def main(pages):
    broken = [problem for page in pages for problem in broken_links(Path(page))]
    print("\n".join(broken) or f"{len(pages)} page(s), no broken links")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
