"""The steps every round trip shares: put generated text on a merchant's page served from the loopback payment
service, act on it as a buyer, and read what arrived."""

from expected_fields import drop_down_values
from merchant_page import merchant_page
from payment_service import SANDBOX_PATH

LIVE_ORIGIN = "https://www.paypal.com"
SANDBOX_ORIGIN = "https://www.sandbox.paypal.com"


def to_loopback(text, service):
    """The generated text with the payment service's addresses pointing at the loopback service instead: the live
    site at its root, the test site under SANDBOX_PATH."""
    if LIVE_ORIGIN not in text and SANDBOX_ORIGIN not in text:
        raise AssertionError(f"the payment host is missing from {text}")
    return text.replace(SANDBOX_ORIGIN, service.base + SANDBOX_PATH).replace(LIVE_ORIGIN, service.base)


def show_page(browser, service, path, html, charset="utf-8"):
    """Serves a whole page that holds generated text from the loopback service, and opens it."""
    browser.open(service.serve(path, to_loopback(html, service), charset))


def show_snippet(browser, service, path, snippet, charset="utf-8"):
    """Pastes generated text into a merchant's page, served from the loopback service, and opens it."""
    show_page(browser, service, path, merchant_page(snippet, charset), charset)


def choose_options(browser, rows, typed, pick, form_index=0):
    """Types `typed` into each text option and picks choice `pick` (wrapped round) in each drop-down, the way a
    buyer would; returns what each row will send, None for a drop-down without a choice."""
    choices = []
    for option_set, index in rows:
        field = browser.in_form(form_index, f'[name="os{index}"]')
        if option_set["Kind"] == "TextBox":
            browser.type_into(field, typed)
            choices.append(typed)
            continue
        values = drop_down_values(option_set)
        if values:
            browser.select_index(field, pick % len(values))
        choices.append(values[pick % len(values)] if values else None)
    return choices


def submit_form(browser, service, form_index=0):
    """Clicks the form's image button; returns the one submission that reached the payment service."""
    button = browser.in_form(form_index, 'input[type="image"]')
    return service.receive_one(lambda: browser.click(button))


def open_link(browser, service, link_id="cart"):
    """Clicks the link; returns the one request that reached the payment service."""
    link = browser.element(link_id)
    return service.receive_one(lambda: browser.click(link))


def split_click_position(fields):
    """The fields a form sent, apart from where its image button was clicked; and those."""
    clicked = [field for field in fields if field[0] in ("submit.x", "submit.y")]
    return [field for field in fields if field not in clicked], clicked
