"""The steps every round trip shares: put generated text on a merchant's page served from the loopback payment
service, act on it as a buyer, and read what arrived."""

from expected_fields import LIVE_ORIGIN, PICTURE_ORIGIN, SUBMIT, drop_down_values
from merchant_page import merchant_page
from payment_service import PICTURES_PATH, SANDBOX_PATH

SANDBOX_ORIGIN = "https://www.sandbox.paypal.com"


def loopback_addresses(text, service):
    """The text with the payment service's addresses pointing at the loopback service instead: the live site at its
    root, the test site under SANDBOX_PATH, its pictures under PICTURES_PATH."""
    return (text.replace(SANDBOX_ORIGIN, service.base + SANDBOX_PATH).replace(LIVE_ORIGIN, service.base)
            .replace(PICTURE_ORIGIN, service.base + PICTURES_PATH))


def to_loopback(text, service):
    """Generated text, which must name the payment host, at the loopback service."""
    if LIVE_ORIGIN not in text and SANDBOX_ORIGIN not in text:
        raise AssertionError(f"the payment host is missing from {text}")
    return loopback_addresses(text, service)


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


def _taken(arrival):
    if arrival.refusal is not None:
        raise AssertionError(f"the payment service refuses it: {arrival.refusal}")
    return arrival


def submit_form(browser, service, form_index=0):
    """Clicks the form's image button; returns the one submission that reached the payment service, which must
    take it."""
    button = browser.in_form(form_index, 'input[type="image"]')
    return _taken(service.receive_one(lambda: browser.click(button)))


def open_link(browser, service, link_id="cart"):
    """Clicks the link; returns the one request that reached the payment service, which must take it."""
    link = browser.element(link_id)
    return _taken(service.receive_one(lambda: browser.click(link)))


def with_click_marked(fields):
    """The fields a form sent, with where its image button was clicked (submit.x, submit.y) as SUBMIT."""
    names = [name for name, _ in fields]
    if "submit.x" not in names:
        return fields
    at = names.index("submit.x")
    if names[at + 1:at + 2] != ["submit.y"] or not all(value.isdigit() for _, value in fields[at:at + 2]):
        return fields
    return fields[:at] + [SUBMIT] + fields[at + 2:]
