"""What the payment service must receive for an item, worked out from the field rules independently of the
generators: (name, value) pairs in the order the browser sends them."""


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


def form_values(item, settings):
    """Every value the form carries, hidden or shown."""
    values = [settings["eMail"], item["ItemName"], item["ItemID"], item["Price"], item["Shipping1"]]
    if item["Shipping1"] != "":
        values.append(item["Shipping2"])
    values += [settings["StoreLogo"], settings["PurchaseSuccessURL"], settings["PurchaseCancelURL"],
               settings["ButtonImageURL"]]
    if _is_set(item["Note"]):
        values.append(item["NoteTitle"])
    for option_set, _ in option_rows(item):
        values.append(option_set["Name"])
        if option_set["Kind"] == "DropDown":
            values += drop_down_values(option_set)
    return values


def form_announces_utf8(item, settings):
    return any(beyond_ascii(value) for value in form_values(item, settings))


def _merchant_fields(settings):
    return [(name, settings[key]) for name, key in
            [("image_url", "StoreLogo"), ("return", "PurchaseSuccessURL"), ("cancel_return", "PurchaseCancelURL")]
            if settings[key] != ""]


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
    fields.append(("amount", item["Price"]))
    if item["Shipping1"] != "":
        fields.append(("shipping", item["Shipping1"]))
        if item["Shipping2"] != "":
            fields.append(("shipping2", item["Shipping2"]))
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


def expected_link_fields(item, settings):
    fields = [("add", "1"), ("business", settings["eMail"]), ("item_name", item["ItemName"])]
    if item["ItemID"] != "":
        fields.append(("item_number", item["ItemID"]))
    fields.append(("amount", item["Price"]))
    for name, key in [("shipping", "Shipping1"), ("shipping2", "Shipping2")]:
        if item[key] != "":
            fields.append((name, item[key]))
    if item["ShippingAddress"] == 0:
        fields.append(("no_shipping", "1"))
    fields.append(_note_field(item))
    fields += _merchant_fields(settings)
    if any(beyond_ascii(value) for _, value in fields):
        fields.append(("charset", "utf-8"))
    return fields
