"""Whole shop pages in Chromium: the catalogue page of several items and the preview page of one. Every button on
them, the View Cart button too, must reach the site the merchant chose, live or test, with exactly the fields of
its item."""

import subprocess

from expected_fields import expected_form_fields, expected_view_cart_fields, option_rows
from generate import override_arguments, private_environment
from item_file import write_item_file
from payment_service import SANDBOX_PATH
from received_fields import form_fields
from round_trip import choose_options, show_page, split_click_position, submit_form

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
SETTINGS = {"eMail": "merchant@example.com", "StoreLogo": "", "PurchaseSuccessURL": "https://shop.example/thanks",
            "PurchaseCancelURL": "", "ButtonImageURL": "", "ShoppingURL": "https://shop.example/café?a=1&b=2"}


def _output(command, env=None):
    result = subprocess.run(command, env=env, capture_output=True, timeout=60, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{command[0]} exited {result.returncode}: {result.stderr.decode(errors='replace')}")
    return result.stdout.decode("utf-8")


def make_shop_pages(cli, preview_tool, work_dir):
    """The catalogue page of all the items and the preview page of the one with two option sets, on each site:
    dicts of the page's label, its path on the loopback service, its text, its items and whether it is a test."""
    files = []
    for number, item in enumerate(ITEMS):
        files.append(f"{work_dir}/shop-item-{number}.tqf")
        write_item_file(files[-1], item)
    env = private_environment(work_dir)
    pages = []
    for site in ("live", "sandbox"):
        arguments = ["page", f"--{site}", *override_arguments(SETTINGS, "en_US"), "--"]
        pages += [{"label": f"catalogue page of {len(ITEMS)} items, {site}", "path": f"/page/catalogue/{site}",
                   "text": _output([cli, *arguments, *files], env), "items": ITEMS, "sandbox": site == "sandbox"},
                  {"label": f"preview page, {site}", "path": f"/page/preview/{site}",
                   "text": _output([preview_tool, *arguments, files[1]]), "items": ITEMS[1:2],
                   "sandbox": site == "sandbox"}]
    return pages


def check_shop_page(t, service, browser, page):
    """The View Cart button is the page's first form, then one form per item in order."""
    items = page["items"]
    show_page(browser, service, page["path"], page["text"])
    t.assertEqual(browser.inspect()["forms"], len(items) + 1)
    cart = (SANDBOX_PATH if page["sandbox"] else "") + "/cgi-bin/webscr"

    def submitted(form_index):
        arrival = submit_form(browser, service, form_index)
        t.assertEqual((arrival.kind, arrival.target), ("form", cart), "the site the merchant chose")
        return split_click_position(form_fields(arrival.body))[0]

    t.assertEqual(submitted(0), expected_view_cart_fields(SETTINGS))
    for form_index, item in enumerate(items, start=1):
        choices = choose_options(browser, option_rows(item), TYPED, form_index, form_index)
        t.assertEqual(submitted(form_index), expected_form_fields(item, SETTINGS, choices), item["ItemName"])
