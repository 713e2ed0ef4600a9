"""What the payment service must receive for an item, worked out from the field rules independently of the
generators: (name, value) pairs in the order the browser sends them."""

import re
from dataclasses import dataclass
from decimal import ROUND_HALF_UP, Decimal

from item_file import extra

WITHOUT_CENTS = {"HUF", "JPY", "TWD"}
# Where the image button stands among the fields: the browser sends where it was clicked, in its place.
SUBMIT = ("submit", "(clicked here)")

LIVE_ORIGIN = "https://www.paypal.com"
PICTURE_ORIGIN = "https://www.paypalobjects.com"


@dataclass(frozen=True)
class Kind:
    """What the payment service takes for each kind of button."""
    cmd: str
    link_path: str  # where a link points after the payment host; empty: no link
    image: str  # the standard button image
    price: str  # "amount", "amount if given" or "subscription"
    goods: bool = False  # shipping, the address, priced options, tax, handling and weight
    options: bool = False
    note: bool = False  # the buyer's note as the item says; otherwise none
    shopping_url: bool = False
    buyer_quantity: bool = False  # a buyer's choice of quantity needs asking for
    adds: bool = False  # the cart's "add"


KINDS = {
    "cart": Kind("_cart", "/cart/", f"{LIVE_ORIGIN}/images/x-click-but22.gif", "amount", goods=True, options=True,
                 note=True, shopping_url=True, adds=True),
    "buy-now": Kind("_xclick", "/cgi-bin/webscr?", f"{PICTURE_ORIGIN}/en_US/i/btn/btn_buynow_LG.gif", "amount",
                    goods=True, options=True, note=True, shopping_url=True, buyer_quantity=True),
    "donate": Kind("_donations", "/cgi-bin/webscr?", f"{PICTURE_ORIGIN}/en_US/i/btn/btn_donate_LG.gif",
                   "amount if given", note=True),
    "subscribe": Kind("_xclick-subscriptions", "", f"{PICTURE_ORIGIN}/en_US/i/btn/btn_subscribe_LG.gif",
                      "subscription", options=True),
}


def kind_of(item):
    return KINDS[extra(item, "type")]


def button_image(item, settings):
    """The merchant's own image stands for the Add to Cart button only."""
    kind = kind_of(item)
    return (settings["ButtonImageURL"] if kind.adds else "") or kind.image


def beyond_ascii(text):
    return any(ord(char) > 0x7F for char in text)


def _is_set(flag):
    return flag == 1


def drop_down_values(option_set):
    return [value for value in option_set["Values"] if value != ""]


def option_rows(item):
    """The option rows the form shows, as (set, index): set 1 when active, set 2 only inside set 1's table.
    A set without a kind has none, and so has a kind of button that takes no options."""
    if not kind_of(item).options or not _is_set(item["Option1"]["Active"]):
        return []
    rows = [(item["Option1"], 0)]
    if _is_set(item["Option2"]["Active"]):
        rows.append((item["Option2"], 1))
    return [(option_set, index) for option_set, index in rows if option_set["Kind"] is not None]


def _option_prices(item):
    """The price of each of set 1's values, by position, when its choice sets the price; else None."""
    option_set = item["Option1"]
    if not kind_of(item).goods or not _is_set(option_set["Active"]) or option_set["Kind"] != "DropDown":
        return None
    prices = [extra(item, f"set1.price.{n}") for n in range(10)]
    priced = any(value != "" and price != "" for value, price in zip(option_set["Values"], prices))
    return prices if priced else None


def drop_down_choices(item, settings):
    """Each drop-down row's choices as (value, shown text): with prices, the text shows what the choice costs."""
    prices = _option_prices(item)
    currency = settings.get("Currency", "")
    choices = []
    for option_set, index in option_rows(item):
        if option_set["Kind"] != "DropDown":
            continue
        row = []
        for position, value in enumerate(option_set["Values"]):
            if value == "":
                continue
            shown = value
            if index == 0 and prices is not None:
                shown += f" - {shown_amount(item, f'set1.price.{position}', settings)}"
                shown += f" {currency}" if currency else ""
            row.append([value, shown])
        choices.append(row)
    return choices


MONEY_FIELDS = [("amount", "Price"), ("shipping", "Shipping1"), ("shipping2", "Shipping2"), ("a3", "Price"),
                ("a1", "trial.amount"), ("handling", "handling")]


def _typed(item, key):
    return item[key] if key in item else extra(item, key)


def _payment_notation(settings):
    """The payment page's notation for amounts in the merchant's currency, and the step it rounds to."""
    if settings.get("Currency", "") in WITHOUT_CENTS:
        return r"-?[0-9]+", Decimal("1")
    return r"-?[0-9]+(\.[0-9]{1,2})?", Decimal("0.01")


def payment_amount(item, key, settings):
    """A money value as the payment page must receive it: as typed when it is in the page's notation for the
    currency already, or holds no number; otherwise the amount the merchant meant, written in that notation."""
    typed, meant = _typed(item, key), item["Meant"].get(key)
    notation, step = _payment_notation(settings)
    if meant is None or re.fullmatch(notation, typed):
        return typed
    rounded = meant.quantize(step, ROUND_HALF_UP)
    return str(abs(rounded) if rounded == 0 else rounded)


def shown_amount(item, key, settings):
    """A money value as a buyer reads it beside a choice: the amount the merchant meant written out in full in the
    payment page's notation ("12.50"), or as typed when it holds no number."""
    typed, meant = _typed(item, key), item["Meant"].get(key)
    notation, step = _payment_notation(settings)
    if meant is None and re.fullmatch(notation, typed):
        meant = Decimal(typed)
    if meant is None:
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


def _plain_number(text):
    """A rate or weight as the payment service takes it: "." and no trailing zeros."""
    return format(Decimal(text).normalize(), "f")


def _currency_fields(settings):
    return [("currency_code", settings["Currency"])] if settings.get("Currency", "") != "" else []


def _price_fields(item, settings):
    kind = kind_of(item)
    price = payment_amount(item, "Price", settings)
    if kind.price == "amount" or (kind.price == "amount if given" and price != ""):
        return [("amount", price)]
    if kind.price != "subscription":
        return []
    fields = []
    if extra(item, "trial.amount") != "" or extra(item, "trial.period") != "":
        trial = payment_amount(item, "trial.amount", settings) or "0"
        fields += [("a1", trial), ("p1", extra(item, "trial.period").strip()), ("t1", extra(item, "trial.unit"))]
    fields += [("a3", price), ("p3", extra(item, "sub.period").strip()), ("t3", extra(item, "sub.unit")),
               ("src", "1")]
    if extra(item, "sub.times").strip() != "":
        fields.append(("srt", extra(item, "sub.times").strip()))
    return fields


def _buyer_quantity_fields(item):
    return [("undefined_quantity", "1")] if kind_of(item).buyer_quantity and extra(item, "qty.buyer") == "1" else []


def _order_fields(item, settings):
    """Handling, tax and weight, each only when given."""
    fields = []
    if extra(item, "handling") != "":
        fields.append(("handling", payment_amount(item, "handling", settings)))
    if extra(item, "tax_rate") != "":
        fields.append(("tax_rate", _plain_number(extra(item, "tax_rate"))))
    if extra(item, "weight") != "":
        fields += [("weight", _plain_number(extra(item, "weight"))), ("weight_unit", extra(item, "weight.unit"))]
    return fields


def _advanced_fields(item):
    lines = [line.removesuffix("\r") for line in extra(item, "advanced").split("\n")]
    return [tuple(line.split("=", 1)) for line in lines if line.strip() != ""]


def _merchant_fields(item, settings):
    keys = [("image_url", "StoreLogo"), ("return", "PurchaseSuccessURL"), ("cancel_return", "PurchaseCancelURL")]
    if kind_of(item).shopping_url:
        keys.append(("shopping_url", "ShoppingURL"))
    return [(name, settings.get(key, "")) for name, key in keys if settings.get(key, "") != ""]


def _note_field(item):
    return ("cn", item["NoteTitle"]) if kind_of(item).note and _is_set(item["Note"]) else ("no_note", "1")


def _posted_form_fields(item, settings, choices):
    """The fields the form sends, but for the charset it may announce."""
    kind = kind_of(item)
    prices = _option_prices(item)
    fields = [("cmd", kind.cmd), ("business", settings["eMail"]), ("item_name", item["ItemName"])]
    if item["ItemID"] != "":
        fields.append(("item_number", item["ItemID"]))
    # A choice with a price sets what the item costs.
    if prices is None:
        fields += _price_fields(item, settings)
    fields += _buyer_quantity_fields(item)
    fields += _currency_fields(settings)
    if kind.goods:
        if item["Shipping1"] != "":
            fields.append(("shipping", payment_amount(item, "Shipping1", settings)))
            if item["Shipping2"] != "":
                fields.append(("shipping2", payment_amount(item, "Shipping2", settings)))
        if item["ShippingAddress"] == 0:
            fields.append(("no_shipping", "1"))
        fields += _order_fields(item, settings)
    fields += _merchant_fields(item, settings)
    fields.append(_note_field(item))
    for row, (option_set, index) in enumerate(option_rows(item)):
        fields.append((f"on{index}", option_set["Name"]))
        # A drop-down without a single choice has nothing selected, so the browser sends no value for it.
        if choices[row] is not None:
            fields.append((f"os{index}", choices[row]))
    if prices is not None:
        fields.append(("option_index", "0"))
        values = [(value, position) for position, value in enumerate(item["Option1"]["Values"]) if value != ""]
        for n, (value, position) in enumerate(values):
            fields += [(f"option_select{n}", value),
                       (f"option_amount{n}", payment_amount(item, f"set1.price.{position}", settings))]
    fields += _advanced_fields(item)
    fields.append(SUBMIT)
    if kind.adds:
        fields.append(("add", "1"))
    return fields


def form_values(item, settings):
    """Every value the form carries, hidden or shown."""
    rows = option_rows(item)
    values = [value for _, value in _posted_form_fields(item, settings, [None] * len(rows))]
    values += [text for row in drop_down_choices(item, settings) for choice in row for text in choice]
    if kind_of(item).adds:
        values.append(settings["ButtonImageURL"])
    return values


def form_announces_utf8(item, settings):
    """The buyer may type anything into a text option, so a form with one takes UTF-8 as one with such a value."""
    has_text_row = any(option_set["Kind"] == "TextBox" for option_set, _ in option_rows(item))
    return has_text_row or any(beyond_ascii(value) for value in form_values(item, settings))


def expected_form_fields(item, settings, choices):
    """choices[row] is what the buyer picked or typed for option row `row` (os0, os1)."""
    fields = _posted_form_fields(item, settings, choices)
    if form_announces_utf8(item, settings):
        fields.insert(1, ("charset", "utf-8"))
    return fields


def expected_view_cart_fields(settings):
    """What the View Cart button sends."""
    shopping = [("shopping_url", settings["ShoppingURL"])] if settings.get("ShoppingURL", "") != "" else []
    fields = [("business", settings["eMail"]), ("display", "1")] + shopping
    announces_utf8 = any(beyond_ascii(value) for _, value in fields)
    return [("cmd", "_cart")] + ([("charset", "utf-8")] if announces_utf8 else []) + fields + [SUBMIT]


def expected_link_fields(item, settings):
    kind = kind_of(item)
    fields = [("add", "1") if kind.adds else ("cmd", kind.cmd), ("business", settings["eMail"]),
              ("item_name", item["ItemName"])]
    if item["ItemID"] != "":
        fields.append(("item_number", item["ItemID"]))
    fields += _price_fields(item, settings)
    fields += _buyer_quantity_fields(item)
    fields += _currency_fields(settings)
    if kind.goods:
        for name, key in [("shipping", "Shipping1"), ("shipping2", "Shipping2")]:
            if item[key] != "":
                fields.append((name, payment_amount(item, key, settings)))
        if item["ShippingAddress"] == 0:
            fields.append(("no_shipping", "1"))
        fields += _order_fields(item, settings)
    fields.append(_note_field(item))
    fields += _merchant_fields(item, settings)
    fields += _advanced_fields(item)
    if any(beyond_ascii(value) for _, value in fields):
        fields.append(("charset", "utf-8"))
    return fields
