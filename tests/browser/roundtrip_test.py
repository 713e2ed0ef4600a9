"""The generated form and link, pasted into a merchant's page, used by a buyer in a real Chromium, and read back at
a loopback stand-in for the payment service: every typed value must arrive exactly, under exactly its field name,
and no script in a value may ever run. Whole shop pages likewise, on the live and the test site.

Run with Debian's python3; VELMORA_CLI names the built velmora-cli, VELMORA_PREVIEW_PAGE the preview page's
printer."""

import importlib.util
import json
import os
import sys
import tempfile
import unittest

from corpus import build_cases
from expected_fields import (button_image, drop_down_choices, expected_form_fields, expected_link_fields,
                             form_announces_utf8, form_values, kind_of, money_problems, option_rows)
from generate import generate_all
from item_file import encode_windows_1252, extra
from merchant_page import page_problems
from payment_service import PaymentService
from received_fields import form_fields, link_fields
from round_trip import (choose_options, loopback_addresses, open_link, show_snippet, submit_form, to_loopback,
                        with_click_marked)
from service_rules import refusal
from shop_pages import check_shop_page, make_shop_pages

NEEDS = [("/usr/bin/chromium", "chromium"), ("/usr/bin/chromedriver", "chromium-driver")]


class Check(unittest.TestCase):
    """One named check; `run` takes this test case for its assertions."""

    maxDiff = None

    def __init__(self, label, run, browser):
        super().__init__()
        self._label, self._run, self._browser = label, run, browser

    def runTest(self):
        self._browser.noting_dialogs(lambda: self._run(self))

    def __str__(self):
        return self._label


def check_form(t, service, browser, case, charset):
    item, settings = case["item"], case["settings"]
    announces_utf8 = form_announces_utf8(item, settings)
    rows = option_rows(item)
    show_snippet(browser, service, f"/page/form/{case['id']}/{charset}", case["form_text"], charset)
    choices = choose_options(browser, rows, case.get("typed", ""), case.get("pick", case["id"]))

    dom = browser.inspect()
    t.assertEqual(page_problems(dom), [])
    t.assertEqual(dom["forms"], 1)
    t.assertEqual(dom["acceptCharset"], "utf-8" if announces_utf8 else None)
    t.assertEqual(dom["labels"], [option_set["Name"] for option_set, _ in rows], "option labels")
    t.assertEqual(dom["options"], drop_down_choices(item, settings), "drop-down choices")
    t.assertEqual(dom["buttonImage"], loopback_addresses(button_image(item, settings), service))

    arrival = submit_form(browser, service)
    t.assertEqual((arrival.kind, arrival.content_type), ("form", "application/x-www-form-urlencoded"))
    sent = with_click_marked(form_fields(arrival.body))
    t.assertEqual(money_problems(sent, item, settings), [])
    t.assertEqual(sent, expected_form_fields(item, settings, choices))


def check_link(t, service, browser, case):
    link = to_loopback(case["link_text"], service)
    t.assertTrue(link.startswith(service.base + kind_of(case["item"]).link_path), link)
    show_snippet(browser, service, f"/page/link/{case['id']}", f'<p><a id="cart" href="{case["link_text"]}">'
                 "Add to cart</a></p>")

    dom = browser.inspect()
    t.assertEqual(page_problems(dom), [])
    t.assertEqual(dom["href"], link, "the link does not survive being pasted into a page")

    arrival = open_link(browser, service)
    t.assertEqual(arrival.kind, "link")
    sent = link_fields(arrival.target)
    t.assertEqual(money_problems(sent, case["item"], case["settings"]), [])
    t.assertEqual(sent, expected_link_fields(case["item"], case["settings"]))


def check_no_script_ran(t, service, browser):
    browser.dismiss_open_dialog()
    t.assertEqual(service.script_hits, [])
    t.assertEqual(browser.dialogs, [])


# Forms the payment service turns away, each a form it takes with one fault: the stand-in must refuse them, or a
# round trip could pass a form the service refuses.
SUBSCRIPTION = [("cmd", "_xclick-subscriptions"), ("business", "m@example.com"), ("item_name", "Club"),
                ("a3", "5.00"), ("p3", "1"), ("t3", "M"), ("src", "1"), ("no_note", "1")]
PRICED = [("cmd", "_cart"), ("business", "m@example.com"), ("item_name", "Shirt"), ("on0", "Size"), ("os0", "S"),
          ("option_index", "0"), ("option_select0", "S"), ("option_amount0", "5.00"), ("add", "1")]


def _changed(fields, drop=(), add=(), cmd=None):
    kept = [(name, value) for name, value in fields if name not in drop]
    return [(name, cmd if cmd and name == "cmd" else value) for name, value in kept] + list(add)


REFUSED = [
    ("a subscription without a3", _changed(SUBSCRIPTION, drop=["a3"])),
    ("a month count beyond 24", _changed(SUBSCRIPTION, drop=["p3"], add=[("p3", "25")])),
    ("a trial without its period", _changed(SUBSCRIPTION, add=[("a1", "1.00"), ("t1", "D")])),
    ("a subscription with a note", _changed(SUBSCRIPTION, drop=["no_note"], add=[("cn", "Note")])),
    ("an amount beside a3", _changed(SUBSCRIPTION, add=[("amount", "5.00")])),
    ("an option_amount without option_select", _changed(PRICED, drop=["option_select0"])),
    ("an amount beside option prices", _changed(PRICED, add=[("amount", "5.00")])),
    ("option prices on a donation", _changed(PRICED, drop=["add"], cmd="_donations")),
    ("a cart form without add", _changed(PRICED, drop=["add"])),
    ("undefined_quantity in a cart", _changed(PRICED, add=[("undefined_quantity", "1")])),
    ("a field given twice", _changed(PRICED, add=[("business", "other@example.com")])),
]


def check_stand_in_refuses(t, *_):
    for fields in (SUBSCRIPTION, PRICED):
        t.assertIsNone(refusal(fields), fields)
    for what, fields in REFUSED:
        with t.subTest(what):
            t.assertIsNotNone(refusal(fields))


def label(case):
    kind = extra(case["item"], "type") + (" item" if case["has_link"] else " item with option sets")
    currency = case["settings"].get("Currency", "")
    sold_in = f" in {currency}" if currency else ""
    return f"#{case['id']} {kind} {json.dumps(case['item']['ItemName'], ensure_ascii=False)[:40]}{sold_in}"


def fits_legacy_page(case):
    # A page in a legacy charset must still post UTF-8, or the service mangles the text.
    values = form_values(case["item"], case["settings"])
    announces_utf8 = form_announces_utf8(case["item"], case["settings"])
    return announces_utf8 and all(encode_windows_1252(value) is not None for value in values)


def checks(service, browser, cases, shop_pages):
    def check(name, run, *args):
        return Check(name, lambda t: run(t, service, browser, *args), browser)

    suite = [check("the stand-in refuses what the payment service would", check_stand_in_refuses)]
    for case in cases:
        suite.append(check(f"form: {label(case)}", check_form, case, "utf-8"))
        if fits_legacy_page(case):
            suite.append(check(f"form: {label(case)} on a Windows-1252 page", check_form, case, "windows-1252"))
    suite += [check(f"link: {label(case)}", check_link, case) for case in cases if case["has_link"]]
    suite += [check(page["label"], check_shop_page, page) for page in shop_pages]
    suite.append(check("no script in any value ran", check_no_script_ran))
    return suite


def missing_needs():
    missing = [package for path, package in NEEDS if not os.path.exists(path)]
    if importlib.util.find_spec("selenium") is None:
        missing.append("python3-selenium")
    return missing


def main():
    cli, preview = os.environ.get("VELMORA_CLI", ""), os.environ.get("VELMORA_PREVIEW_PAGE", "")
    if not os.path.isfile(cli) or not os.path.isfile(preview):
        sys.exit("Set VELMORA_CLI to the built velmora-cli and VELMORA_PREVIEW_PAGE to the built preview_page.")
    if missing := missing_needs():
        sys.exit(f"The browser test needs these Debian packages: apt-get install {' '.join(missing)}")
    from browser import Browser  # only once selenium is known to be there

    with tempfile.TemporaryDirectory(prefix="velmora-browser-") as work, PaymentService() as service:
        cases = build_cases(service.base)
        generate_all(cli, cases, work)
        shop_pages = make_shop_pages(cli, preview, work)
        with Browser(os.path.join(work, "profile")) as browser:
            suite = unittest.TestSuite(checks(service, browser, cases, shop_pages))
            result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
