"""Writes item files the way the desktop program does: the values beyond the classic record as `#KEY=VALUE` lines,
then the record in Windows-1252, every field closed by 0xA5, then CR LF."""

SEPARATOR = "\u00a5"
FIELD_COUNT = 36

# The values beyond the classic record, which an item keeps in item["Extra"] by their key, with their defaults: a
# value at its default has no line.
EXTRA_DEFAULTS = {"type": "cart", "sub.period": "", "sub.unit": "M", "sub.times": "", "trial.amount": "",
                  "trial.period": "", "trial.unit": "M", **{f"set1.price.{n}": "" for n in range(10)},
                  "qty.buyer": "0", "qty.max": "", "tax_rate": "", "handling": "", "weight": "", "weight.unit": "lbs",
                  "advanced": ""}


def _windows_1252_table():
    # Browsers map the five bytes Python's codec leaves undefined to the C1 controls of the same number.
    table = []
    for byte in range(256):
        try:
            table.append(bytes([byte]).decode("cp1252"))
        except UnicodeDecodeError:
            table.append(chr(byte))
    return table


WINDOWS_1252 = _windows_1252_table()
_BYTE_OF = {char: byte for byte, char in enumerate(WINDOWS_1252)}


def encode_windows_1252(text):
    """The text as Windows-1252 bytes, or None when a character has no byte there."""
    try:
        return bytes(_BYTE_OF[char] for char in text)
    except KeyError:
        return None


def decode_windows_1252(data):
    return "".join(WINDOWS_1252[byte] for byte in data)


def fits_item_file(text):
    """Whether a value can travel in an item file field at all."""
    return encode_windows_1252(text) is not None and not any(char in text for char in SEPARATOR + "\r\n")


def _option_set_fields(option_set):
    kind = option_set["Kind"]
    return [str(option_set["Active"]), option_set["Name"], "1" if kind == "DropDown" else "0",
            "1" if kind == "TextBox" else "0", *option_set["Values"]]


def item_fields(item):
    """The 36 fields in file order."""
    return [item["ItemName"], item["ItemID"], item["Price"], item["Shipping1"], item["Shipping2"],
            *_option_set_fields(item["Option1"]), *_option_set_fields(item["Option2"]),
            str(item["ShippingAddress"]), str(item["Note"]), item["NoteTitle"]]


def extra(item, key):
    """A value beyond the classic record, its default when the item gives none."""
    return item.get("Extra", {}).get(key, EXTRA_DEFAULTS[key])


def _percent_form(text):
    # Every byte outside "!" to "~", and "%" itself, as %XX.
    return "".join(chr(byte) if 0x21 <= byte <= 0x7E and byte != 0x25 else f"%{byte:02X}"
                   for byte in text.encode("utf-8"))


def _value_lines(item):
    unknown = set(item.get("Extra", {})) - set(EXTRA_DEFAULTS)
    if unknown:
        raise ValueError(f"no item value has the key {sorted(unknown)}")
    return b"".join(f"#{key}={_percent_form(extra(item, key))}\r\n".encode("ascii") for key in EXTRA_DEFAULTS
                    if extra(item, key) != EXTRA_DEFAULTS[key])


def write_item_file(path, item):
    fields = item_fields(item)
    if len(fields) != FIELD_COUNT:
        raise ValueError(f"an item has {FIELD_COUNT} fields, not {len(fields)}")
    record = encode_windows_1252("".join(field + SEPARATOR for field in fields) + "\r\n")
    if record is None:
        raise ValueError(f"{path}: a value has no Windows-1252 byte")
    with open(path, "wb") as file:
        file.write(_value_lines(item) + record)
