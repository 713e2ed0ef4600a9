"""The values a merchant might type, ordinary and hostile, and the items and merchant settings built from them."""

from decimal import Decimal

from item_file import fits_item_file

# A payload that manages to run reports itself: a request to /xss/, a global, or a dialog.
VALUES = [
    # ordinary
    "Mug",
    "Blue Coffee Mug, 12 oz",
    "5.00",
    "1,234.50",
    "M-1",
    "Gift message",
    "Special Instructions (optional)",
    "merchant@example.com",
    "https://shop.example/thanks?order=1&ref=a b",
    "http://shop.example/img/logo.png",
    "",
    " ",
    "  blanks at both ends  ",
    "\tTabbed\tvalue\t",
    "bell \u0007 vertical tab \u000b unit separator \u001f",
    "Café",
    "Crème brûlée – “deluxe” €5",
    "Größe XL",
    "ñandú ©®™ ½",
    "Long name ".ljust(127, "x"),
    "é" * 127,
    # quotes and markup
    'say "hi"',
    "it's",
    '"',
    "<b>bold</b>",
    "<",
    ">",
    "a < b > c",
    '<script>fetch("/xss/script")</script>',
    '"><script>window.__pwned = 1</script>',
    "<img src=\"/missing\" onerror=\"fetch('/xss/img')\">",
    "\" onmouseover=\"fetch('/xss/attr')\" x=\"",
    "' autofocus onfocus='alert(1)' x='",
    '<svg onload="alert(2)">',
    "</select><script>alert(3)</script>",
    '"></form><form action="/xss/form"><input type="image" src="/images/x.gif">',
    '"><input type="hidden" name="amount" value="0.01">',
    '<meta http-equiv="refresh" content="0;url=/xss/meta">',
    "javascript:alert(4)",
    "<!--",
    "<textarea>",
    "<plaintext>",
    # entities and URL syntax
    "&",
    "&amp;",
    "&lt;script&gt;",
    "Tom & Jerry",
    "&#34;",
    "&quot",
    "=",
    "a=b&c=d",
    "&amount=0.01",
    "#",
    "Gift #1",
    "%",
    "100%",
    "%20",
    "%E9",
    "+",
    "1+1",
    "?",
    "what?x=1",
    ";",
    "/path/to",
    "a\\b",
    "`ticks` {braces} |pipe| ^caret^ [brackets]",
    "!$'()*,:@~-._",
    # beyond Windows-1252, its item-file separator, or a line break: merchant settings only
    "two\r\nlines",
    "日本",
    "日本語の商品 🎁",
    "😀",
    "Ω ≈ √",
    "merchant@例え.jp",
    "Price ¥500",
]

# What the buyer types into a text option: hostile too, and beyond ASCII when the form announces UTF-8.
TYPED = ["Happy birthday", "<script>alert(5)</script>", "a&b=c+d%20e", ' "quoted" ', "für Jürgen", "日本 🎁"]

# The values are typed in en_US; of those not already in the payment page's notation, these read as numbers there.
MEANT_IN_EN_US = {"1,234.50": Decimal("1234.50")}
MONEY_KEYS = ["Price", "Shipping1", "Shipping2"]

# Price, shipping and shipping2 as a merchant in the locale types them, with the amounts meant. Item files hold
# Windows-1252 text, so the French narrow no-break space becomes a blank, and without Arabic-Indic digits and the
# Arabic decimal sign, which have no byte there, Arabic prices are whole numbers in ASCII digits.
TYPED_IN_LOCALES = {
    "en_US": [("$1,234.5", "1234.5"), ("0.125", "0.125"), ("7", "7")],
    "de_DE": [("1.234,5", "1234.5"), ("12,50 €", "12.5"), ("-2,5", "-2.5")],
    "fr_FR": [("1 234,56", "1234.56"), ("12,5 €", "12.5"), ("3", "3")],
    "hi_IN": [("1,23,456.78", "123456.78"), ("99.99", "99.99"), ("0.5", "0.5")],
    "ar_EG": [("1234", "1234"), (" 15 ", "15"), ("+7", "7")],
    "ja_JP": [("1,500", "1500"), ("500.5", "500.5"), ("500.00", "500")],
}
CURRENCIES = ["", "EUR", "JPY"]

KINDS = ["DropDown", "TextBox", None]
VALUE_POSITIONS = [[0, 1, 2, 3, 4, 5, 6, 7, 8, 9], [3, 9], [0, 2], [], [5]]


def _empty_option_set():
    return {"Active": 0, "Name": "", "Kind": "DropDown", "Values": [""] * 10}


def _option_set(pick, active, kind, positions):
    values = [""] * 10
    for n, position in enumerate(positions):
        values[position] = pick(n + 1)
    return {"Active": active, "Name": pick(0), "Kind": kind, "Values": values}


def _item(pick, i):
    return {
        "ItemName": pick(0), "ItemID": pick(1), "Price": pick(2), "Shipping1": pick(3), "Shipping2": pick(4),
        "ShippingAddress": i % 3,  # 2 is a grayed box, which counts as set
        "Note": [1, 0, 1, 2][i % 4],  # 2 counts as clear
        "NoteTitle": pick(5),
        "Option1": _empty_option_set(),
        "Option2": _empty_option_set(),
        "Meant": {},
    }


def _picker(values, start):
    return lambda k: values[(start + k) % len(values)]


def _merchants(base):
    """Merchant settings travel through the command line, so they take any text; the button image must still
    render to be clicked, so it points at the loopback server unless it is hostile on purpose."""
    images = ["", f"{base}/images/custom \"button\" <1> &amp; é.gif", "",
              "/missing\" onerror=\"fetch('/xss/button')", f"{base}/images/日本 🎁.gif"]
    merchants = []
    for at in range(0, len(VALUES), 4):
        pick = _picker(VALUES, at)
        merchants.append({"eMail": pick(0), "StoreLogo": pick(1), "PurchaseSuccessURL": pick(2),
                          "PurchaseCancelURL": pick(3), "ButtonImageURL": images[len(merchants) % len(images)]})
    return merchants


def build_cases(base):
    """Every item value visits every field across the cases. Items without option sets get a form and a link;
    items with option sets get a form only, since a link never stands for one."""
    item_values = [value for value in VALUES if fits_item_file(value)]
    merchants = _merchants(base)
    cases = []
    for i in range(len(item_values)):
        def pick(offset):
            return _picker(item_values, i + offset)

        plain = _item(pick(0), i)
        # Sets out of use keep their contents, which must not show; set 2 switched on under an inactive set 1
        # comes only from stored data.
        plain["Option1"] = _option_set(pick(6), 0, KINDS[i % 3], VALUE_POSITIONS[i % len(VALUE_POSITIONS)])
        plain["Option2"] = _option_set(pick(9), 1 if i % 5 == 0 else 0, "TextBox", [])
        cases.append({"id": len(cases), "item": plain, "settings": merchants[i % len(merchants)],
                      "has_link": True})

        with_options = _item(pick(7), i + 1)
        with_options["Option1"] = _option_set(pick(13), 1, KINDS[i % 3], VALUE_POSITIONS[i % len(VALUE_POSITIONS)])
        with_options["Option2"] = _option_set(pick(20), [1, 1, 0, 2][i % 4], KINDS[(i + 1) % 3],
                                              VALUE_POSITIONS[(i + 2) % len(VALUE_POSITIONS)])
        cases.append({"id": len(cases), "item": with_options, "settings": merchants[(i + 3) % len(merchants)],
                      "has_link": False, "typed": TYPED[i % len(TYPED)]})
    for case in cases:
        case["locale"] = "en_US"
        case["item"]["Meant"] = {key: MEANT_IN_EN_US.get(case["item"][key]) for key in MONEY_KEYS}
    cases += _money_cases(len(cases))
    return cases + _order_cases(len(cases))


def _money_cases(first_id):
    """An item typed in each locale, sold in each currency; and a text option a buyer types beyond ASCII into,
    on an item whose own values are all ASCII."""
    cases = []
    for locale, money in TYPED_IN_LOCALES.items():
        for currency in CURRENCIES:
            item = _item(lambda _: "", 1)
            item["ItemName"] = f"Typed in {locale}"
            for key, (typed, meant) in zip(MONEY_KEYS, money):
                item[key] = typed
                item["Meant"][key] = Decimal(meant)
            settings = {"eMail": "merchant@example.com", "StoreLogo": "", "PurchaseSuccessURL": "",
                        "PurchaseCancelURL": "", "ButtonImageURL": "", "Currency": currency}
            cases.append({"id": first_id + len(cases), "item": item, "settings": settings, "locale": locale,
                          "has_link": True})
    engraved = _item(lambda _: "", 1)
    engraved.update(ItemName="Mug", Price="5.00")
    engraved["Option1"] = _option_set(lambda _: "Engraving", 1, "TextBox", [])
    cases.append({"id": first_id + len(cases), "item": engraved, "settings": cases[0]["settings"],
                  "locale": "en_US", "has_link": False, "typed": "für"})
    return cases


def _order_cases(first_id):
    """Priced options, a later choice picked, with a text option beside them; a Buy Now item whose buyer chooses
    the quantity, with tax, handling, weight and advanced variables, hostile and beyond ASCII; and a donation, which
    leaves out what only goods take. Sold in a currency, which the option prices show."""
    settings = {"eMail": "merchant@example.com", "StoreLogo": "", "PurchaseSuccessURL": "https://shop.example/thanks",
                "PurchaseCancelURL": "", "ButtonImageURL": "", "Currency": "EUR"}
    shirt = _item(lambda _: "", 1)
    shirt.update(ItemName="Shirt", Price="20.00")
    shirt["Option1"] = _option_set(lambda n: ["Size", "Small", 'Größe "XL" & <b>', "Large"][n], 1, "DropDown",
                                   [0, 2, 3])
    shirt["Option2"] = _option_set(lambda _: "Name on shirt", 1, "TextBox", [])
    shirt["Extra"] = {"set1.price.0": "10.00", "set1.price.2": "1,234.5", "set1.price.3": "12.5"}
    shirt["Meant"] = {"set1.price.2": Decimal("1234.5")}

    mug = _item(lambda _: "", 1)
    mug.update(ItemName="Mug", ItemID="M-1", Price="5.00", Shipping1="1.00")
    mug["Extra"] = {"type": "buy-now", "qty.buyer": "1", "qty.max": "5", "tax_rate": "8.250", "handling": "2.50",
                    "weight": "1.50", "weight.unit": "kgs",
                    "advanced": 'custom="><script>window.__pwned = 1</script>\r\ninvoice=Café & Crème #7\nlc=GB'}

    cause = _item(lambda _: "", 1)
    cause.update(ItemName="Save the <b>whales</b>", ItemID="W-1", Price="5.00", Shipping1="1.00", Shipping2="0.50",
                 ShippingAddress=0, Note=1, NoteTitle="In memory of")
    cause["Extra"] = {"type": "donate", "tax_rate": "5", "handling": "1.00"}

    cases = [{"item": shirt, "has_link": False, "typed": "für Jürgen", "pick": 1},
             {"item": mug, "has_link": True}, {"item": cause, "has_link": True}]
    for number, case in enumerate(cases):
        case.update(id=first_id + number, settings=settings, locale="en_US")
    return cases
