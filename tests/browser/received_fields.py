"""Reads what the browser sent the way the payment service does: split into name=value pairs, undo the
percent-encoding, and decode the bytes by the announced charset (Windows-1252 when none is announced)."""

from urllib.parse import unquote_to_bytes

from item_file import decode_windows_1252


def _decode_pairs(pieces):
    raw = [piece.partition("=")[::2] for piece in pieces]
    announces_utf8 = any(name == "charset" and value.lower() == "utf-8" for name, value in raw)

    def decode(text):
        data = unquote_to_bytes(text)
        return data.decode("utf-8") if announces_utf8 else decode_windows_1252(data)

    return [(decode(name), decode(value)) for name, value in raw]


def form_fields(body):
    """A form post, application/x-www-form-urlencoded."""
    text = body.decode("latin-1")
    return [] if text == "" else _decode_pairs(text.replace("+", " ").split("&"))


def link_fields(target):
    """A cart link's parameters are the path after /cart/: a raw "?" in a value starts the query, so the whole
    request target is read as one. Any other link's are its query."""
    parameters = target.removeprefix("/cart/") if target.startswith("/cart/") else target.partition("?")[2]
    return _decode_pairs(parameters.split("&"))
