"""Whole shop pages in Chromium: the catalogue page of several items and the preview page of one. Every button on
them, the View Cart button too, must reach the site the merchant chose, live or test, with exactly the fields of
its item."""

import subprocess

from expected_fields import button_image, expected_form_fields, expected_view_cart_fields, kind_of, option_rows
from generate import override_arguments, private_environment
from item_file import write_item_file
from payment_service import SANDBOX_PATH
from received_fields import form_fields
from round_trip import choose_options, loopback_addresses, show_page, submit_form, with_click_marked

TYPED = "für Jürgen"


def _option_set(name, kind, values, active=1):
    return {"Active": active, "Name": name, "Kind": kind, "Values": values + [""] * (10 - len(values))}


def _item(name, price, **fields):
    unused = _option_set("", "DropDown", [], active=0)
    item = {"ItemName": name, "ItemID": "", "Price": price, "Shipping1": "", "Shipping2": "", "ShippingAddress": 1,
            "Note": 0, "NoteTitle": "", "Option1": unused, "Option2": unused, "Meant": {}}
    return item | fields


ITEMS = [
    _item("Crème brûlée", "4.50", ItemID="CB-1", Shipping1="1.00", Shipping2="0.50", ShippingAddress=0, Note=1,
          NoteTitle="Gift message", Option1=_option_set("Size", "DropDown", ["Petit", "Grand"])),
    _item("Shirt", "20.00", Option1=_option_set("Size", "DropDown", ["S", "M", "L"]),
          Option2=_option_set("Name on shirt", "TextBox", [])),
    _item("Mug & <Co>", "7.00", ItemID="M-1"),
]
# One item of each kind of button; what a kind does not take is filled in, to be left out.
KIND_ITEMS = ITEMS[2:] + [
    _item("Poster", "12.00", Shipping1="2.00", Option1=_option_set("Size", "DropDown", ["A3", "A2"]),
          Extra={"type": "buy-now"}),
    _item("Café fund", "5.00", ItemID="D-1", Shipping1="1.00", ShippingAddress=0, Note=1, NoteTitle="Dedicate to",
          Option1=_option_set("Purpose", "DropDown", ["Roof", "Books"]), Extra={"type": "donate"}),
    _item("Pay what you like", "", Extra={"type": "donate"}),
    _item("Monthly club", "9.99", Extra={"type": "subscribe", "sub.period": "1"}),
    _item("Yearly club", "99.00", Shipping1="5.00", Note=1, NoteTitle="Gift message",
          Option1=_option_set("Level", "DropDown", ["Silver", "Gold"]),
          Extra={"type": "subscribe", "sub.period": "1", "sub.unit": "Y", "sub.times": "5", "trial.amount": "1.00",
                 "trial.period": "14", "trial.unit": "D", "set1.price.0": "10.00", "set1.price.1": "20.00"}),
]
SETTINGS = {"eMail": "merchant@example.com", "StoreLogo": "", "PurchaseSuccessURL": "https://shop.example/thanks",
            "PurchaseCancelURL": "", "ButtonImageURL": "", "ShoppingURL": "https://shop.example/café?a=1&b=2"}


def _output(command, env=None):
    result = subprocess.run(command, env=env, capture_output=True, timeout=60, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{command[0]} exited {result.returncode}: {result.stderr.decode(errors='replace')}")
    return result.stdout.decode("utf-8")


def _item_files(items, name, work_dir):
    files = [f"{work_dir}/{name}-{number}.tqf" for number in range(len(items))]
    for file, item in zip(files, items):
        write_item_file(file, item)
    return files


def make_shop_pages(cli, preview_tool, work_dir):
    """The catalogue page of all the items and the preview page of the one with two option sets, on each site, and
    the live page of each kind of button: dicts of the page's label, its path on the loopback service, its text,
    its items and whether it is a test."""
    files = _item_files(ITEMS, "shop-item", work_dir)
    env = private_environment(work_dir)
    pages = []
    for site in ("live", "sandbox"):
        arguments = ["page", f"--{site}", *override_arguments(SETTINGS, "en_US"), "--"]
        pages += [{"label": f"catalogue page of {len(ITEMS)} items, {site}", "path": f"/page/catalogue/{site}",
                   "text": _output([cli, *arguments, *files], env), "items": ITEMS, "sandbox": site == "sandbox"},
                  {"label": f"preview page, {site}", "path": f"/page/preview/{site}",
                   "text": _output([preview_tool, *arguments, files[1]]), "items": ITEMS[1:2],
                   "sandbox": site == "sandbox"}]
    arguments = ["page", "--live", *override_arguments(SETTINGS, "en_US"), "--"]
    pages.append({"label": "page of each kind of button, live", "path": "/page/kinds",
                  "text": _output([cli, *arguments, *_item_files(KIND_ITEMS, "kind-item", work_dir)], env),
                  "items": KIND_ITEMS, "sandbox": False})
    return pages


def check_shop_page(t, service, browser, page):
    """A page that holds a cart item has the View Cart button as its first form; then one form per item in order,
    each with its kind's button."""
    items = page["items"]
    show_page(browser, service, page["path"], page["text"])
    view_cart = any(kind_of(item).adds for item in items)
    t.assertEqual(browser.inspect()["forms"], len(items) + view_cart)
    cart = (SANDBOX_PATH if page["sandbox"] else "") + "/cgi-bin/webscr"

    def submitted(form_index):
        arrival = submit_form(browser, service, form_index)
        t.assertEqual((arrival.kind, arrival.target), ("form", cart), "the site the merchant chose")
        return with_click_marked(form_fields(arrival.body))

    if view_cart:
        t.assertEqual(submitted(0), expected_view_cart_fields(SETTINGS))
    for form_index, item in enumerate(items, start=int(view_cart)):
        t.assertEqual(browser.inspect(form_index)["buttonImage"],
                      loopback_addresses(button_image(item, SETTINGS), service), item["ItemName"])
        choices = choose_options(browser, option_rows(item), TYPED, form_index, form_index)
        t.assertEqual(submitted(form_index), expected_form_fields(item, SETTINGS, choices), item["ItemName"])
