"""The merchant's page that generated text is pasted into, and what it must still hold afterwards."""


def merchant_page(snippet, charset="utf-8"):
    return (f'<!DOCTYPE html><html><head><meta charset="{charset}"><title>Shop</title></head>'
            f'<body><h1>Shop</h1>{snippet}<p id="end">More items soon.</p></body></html>')


# Anything in the page beyond what the merchant and the generator put there was injected by a value.
PAGE_ELEMENTS = ["html", "head", "meta", "title", "body", "h1", "p", "a",
                 "form", "input", "table", "tbody", "tr", "td", "select", "option"]

# Runs in the page with (elements, formIndex) as its arguments.
INSPECT_SCRIPT = """
const [elements, formIndex] = arguments;
const all = [...document.querySelectorAll('*')];
const form = document.forms[formIndex];
return {
    injected: all.map((e) => e.localName).filter((name) => !elements.includes(name)),
    handlers: all.flatMap((e) => [...e.attributes].filter((a) => /^on/i.test(a.name)).map((a) => a.name)),
    metas: document.querySelectorAll('meta').length,
    forms: document.forms.length,
    endIntact: document.getElementById('end')?.parentElement === document.body,
    pwned: window.__pwned ?? null,
    acceptCharset: form?.getAttribute('accept-charset') ?? null,
    labels: [...(form?.querySelectorAll('td > input[type="hidden"]') ?? [])]
        .map((input) => input.parentElement.textContent),
    options: [...(form?.querySelectorAll('select') ?? [])]
        .map((select) => [...select.options].map((option) => [option.value, option.textContent])),
    buttonImage: form?.querySelector('input[type="image"]')?.getAttribute('src') ?? null,
    href: document.getElementById('cart')?.getAttribute('href') ?? null,
};
"""


def page_problems(dom, metas=1):
    """What a value did to the page it was pasted into; empty when nothing. `metas` is how many meta elements
    the page itself holds."""
    problems = []
    if dom["injected"]:
        problems.append(f"elements injected: {dom['injected']}")
    if dom["handlers"]:
        problems.append(f"event handlers injected: {dom['handlers']}")
    if dom["metas"] != metas:
        problems.append(f"{dom['metas']} meta elements where the page has {metas}")
    if not dom["endIntact"]:
        problems.append("the rest of the page was swallowed")
    if dom["pwned"] is not None:
        problems.append("a script in a value ran")
    return problems
