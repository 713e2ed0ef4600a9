"""Draws each text's QR code with PrintQrCode, prints it to PNG at a printer's resolution with Debian's rsvg-convert
and reads it back with Debian's zbarimg: the code must read as the text, with four light modules all round. A text
no QR code holds must give no document at all."""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

ROWS = [
    ("sandbox payment link", "https://www.sandbox.paypal.com/ncp/payment/7Q2XK4LHW9ZTA"),
    ("live payment link", "https://www.paypal.com/ncp/payment/C3MZBF5RUP8JN"),
    ("long link", "https://www.paypal.com/ncp/payment/C3MZBF5RUP8JN?" + "&".join(f"k{i}=v{i}" for i in range(120))),
    ("ampersand and non-ASCII", "https://shop.example/Café?item=Tasse & Untertasse&größe=groß 日本"),
    ("the most a code holds", "x" * 2331),
]
# Beyond the most bytes the largest code holds at this correction level, and nothing at all.
UNENCODABLE = [("one byte too many", "x" * 2332), ("a multi-byte character too many", "x" * 2330 + "é"), ("empty", "")]


def svg_of(program, text):
    return subprocess.run([program], input=text.encode(), capture_output=True, check=True).stdout.decode()


def problems(program, folder, name, text):
    svg = svg_of(program, text)
    side = int(re.search(r'viewBox="0 0 (\d+) \1"', svg).group(1))
    corners = [(int(x), int(y)) for x, y in re.findall(r"M(\d+) (\d+)", svg)]
    if svg.count("<path") != 1 or min(min(c) for c in corners) != 4 or max(y for _, y in corners) != side - 5:
        return f"{name}: not one path inside a quiet zone of four modules"
    image = folder / "code.png"
    image.with_suffix(".svg").write_text(svg)
    # At 300 dpi a module of the printed size is several pixels wide; a code sized in pixels would be one. On a black
    # ground the code reads only if it brings its own light quiet zone.
    subprocess.run(["rsvg-convert", "--background-color", "black", "--dpi-x", "300", "--dpi-y", "300",
                    "-o", image, image.with_suffix(".svg")], check=True)
    read = subprocess.run(["zbarimg", "--raw", "-q", image], capture_output=True)
    decoded = read.stdout.decode(errors="replace").removesuffix("\n")
    return None if decoded == text else f"{name}: read back as {decoded[:80]!r} (zbarimg status {read.returncode})"


def main(program):
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for name, text in ROWS:
            failures.append(problems(program, Path(folder), name, text))
    failures += [f"{name}: a document where none fits" for name, text in UNENCODABLE if svg_of(program, text)]
    for failure in filter(None, failures):
        print(failure)
    return 1 if any(failures) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
