"""What the payment service must receive for an item, worked out from the field rules independently of the
generators: (name, value) pairs in the order the browser sends them."""

import re
from decimal import ROUND_HALF_UP, Decimal

WITHOUT_CENTS = {"HUF", "JPY", "TWD"}


def beyond_ascii(text):
    return any(ord(char) > 0x7F for char in text)


def _is_set(flag):
    return flag == 1


def drop_down_values(option_set):
    return [value for value in option_set["Values"] if value != ""]


def option_rows(item):
    """The option rows the form shows, as (set, index): set 1 when active, set 2 only inside set 1's table.
    A set without a kind has none."""
    if not _is_set(item["Option1"]["Active"]):
        return []
    rows = [(item["Option1"], 0)]
    if _is_set(item["Option2"]["Active"]):
        rows.append((item["Option2"], 1))
    return [(option_set, index) for option_set, index in rows if option_set["Kind"] is not None]


MONEY_FIELDS = [("amount", "Price"), ("shipping", "Shipping1"), ("shipping2", "Shipping2")]


def _payment_notation(settings):
    """The payment page's notation for amounts in the merchant's currency, and the step it rounds to."""
    if settings.get("Currency", "") in WITHOUT_CENTS:
        return r"-?[0-9]+", Decimal("1")
    return r"-?[0-9]+(\.[0-9]{1,2})?", Decimal("0.01")


def payment_amount(item, key, settings):
    """A money field as the payment page must receive it: as typed when it is in the page's notation for the
    currency already, or holds no number; otherwise the amount the merchant meant, written in that notation."""
    typed, meant = item[key], item["Meant"].get(key)
    notation, step = _payment_notation(settings)
    if meant is None or re.fullmatch(notation, typed):
        return typed
    rounded = meant.quantize(step, ROUND_HALF_UP)
    return str(abs(rounded) if rounded == 0 else rounded)


def money_problems(received, item, settings):
    """Each amount received that is not in the payment page's notation, or is not the amount the merchant meant
    rounded to the currency's step (ties away from zero)."""
    notation, step = _payment_notation(settings)
    problems = []
    for name, value in received:
        key = dict(MONEY_FIELDS).get(name)
        meant = item["Meant"].get(key) if key else None
        if meant is None:
            continue
        if not re.fullmatch(notation, value):
            problems.append(f"{name}={value!r} is not in the payment page's notation")
        elif Decimal(value) != meant.quantize(step, ROUND_HALF_UP):
            problems.append(f"{name}={value!r} where the merchant meant {meant}")
    return problems


def _currency_fields(settings):
    return [("currency_code", settings["Currency"])] if settings.get("Currency", "") != "" else []


def form_values(item, settings):
    """Every value the form carries, hidden or shown."""
    values = [settings["eMail"], item["ItemName"], item["ItemID"], payment_amount(item, "Price", settings),
              payment_amount(item, "Shipping1", settings)]
    if item["Shipping1"] != "":
        values.append(payment_amount(item, "Shipping2", settings))
    values += [settings["StoreLogo"], settings["PurchaseSuccessURL"], settings["PurchaseCancelURL"],
               settings.get("ShoppingURL", ""), settings["ButtonImageURL"]]
    if _is_set(item["Note"]):
        values.append(item["NoteTitle"])
    for option_set, _ in option_rows(item):
        values.append(option_set["Name"])
        if option_set["Kind"] == "DropDown":
            values += drop_down_values(option_set)
    return values


def form_announces_utf8(item, settings):
    """The buyer may type anything into a text option, so a form with one takes UTF-8 as one with such a value."""
    has_text_row = any(option_set["Kind"] == "TextBox" for option_set, _ in option_rows(item))
    return has_text_row or any(beyond_ascii(value) for value in form_values(item, settings))


def _merchant_fields(settings):
    return [(name, settings.get(key, "")) for name, key in
            [("image_url", "StoreLogo"), ("return", "PurchaseSuccessURL"), ("cancel_return", "PurchaseCancelURL"),
             ("shopping_url", "ShoppingURL")]
            if settings.get(key, "") != ""]


def _note_field(item):
    return ("cn", item["NoteTitle"]) if _is_set(item["Note"]) else ("no_note", "1")


def expected_form_fields(item, settings, choices):
    """choices[row] is what the buyer picked or typed for option row `row` (os0, os1)."""
    fields = [("cmd", "_cart")]
    if form_announces_utf8(item, settings):
        fields.append(("charset", "utf-8"))
    fields += [("business", settings["eMail"]), ("item_name", item["ItemName"])]
    if item["ItemID"] != "":
        fields.append(("item_number", item["ItemID"]))
    fields.append(("amount", payment_amount(item, "Price", settings)))
    fields += _currency_fields(settings)
    if item["Shipping1"] != "":
        fields.append(("shipping", payment_amount(item, "Shipping1", settings)))
        if item["Shipping2"] != "":
            fields.append(("shipping2", payment_amount(item, "Shipping2", settings)))
    if item["ShippingAddress"] == 0:
        fields.append(("no_shipping", "1"))
    fields += _merchant_fields(settings)
    fields.append(_note_field(item))
    for row, (option_set, index) in enumerate(option_rows(item)):
        fields.append((f"on{index}", option_set["Name"]))
        # A drop-down without a single choice has nothing selected, so the browser sends no value for it.
        if choices[row] is not None:
            fields.append((f"os{index}", choices[row]))
    fields.append(("add", "1"))
    return fields


def expected_view_cart_fields(settings):
    """What the View Cart button sends."""
    shopping = [("shopping_url", settings["ShoppingURL"])] if settings.get("ShoppingURL", "") != "" else []
    fields = [("business", settings["eMail"]), ("display", "1")] + shopping
    announces_utf8 = any(beyond_ascii(value) for _, value in fields)
    return [("cmd", "_cart")] + ([("charset", "utf-8")] if announces_utf8 else []) + fields


def expected_link_fields(item, settings):
    fields = [("add", "1"), ("business", settings["eMail"]), ("item_name", item["ItemName"])]
    if item["ItemID"] != "":
        fields.append(("item_number", item["ItemID"]))
    fields.append(("amount", payment_amount(item, "Price", settings)))
    fields += _currency_fields(settings)
    for name, key in [("shipping", "Shipping1"), ("shipping2", "Shipping2")]:
        if item[key] != "":
            fields.append((name, payment_amount(item, key, settings)))
    if item["ShippingAddress"] == 0:
        fields.append(("no_shipping", "1"))
    fields.append(_note_field(item))
    fields += _merchant_fields(settings)
    if any(beyond_ascii(value) for _, value in fields):
        fields.append(("charset", "utf-8"))
    return fields
