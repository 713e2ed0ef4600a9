// The merchant's page that the generated text is pasted into, and what it must still hold afterwards.
import assert from 'node:assert/strict';

export function merchantPage(snippet, charset) {
    return `<!DOCTYPE html><html><head><meta charset="${charset}"><title>Shop</title></head>`
        + `<body><h1>Shop</h1>${snippet}<p id="end">More items soon.</p></body></html>`;
}

// Anything in the page beyond what the merchant and the generator put there was injected by a value.
export const PAGE_ELEMENTS = ['html', 'head', 'meta', 'title', 'body', 'h1', 'p', 'a',
    'form', 'input', 'table', 'tbody', 'tr', 'td', 'select', 'option'];

// Runs inside the browser, so it takes the element list as an argument.
export function inspectPage(elements) {
    const all = [...document.querySelectorAll('*')];
    const form = document.querySelector('form');
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
}

export function assertNothingInjected(dom) {
    assert.deepEqual(dom.injected, [], 'elements injected into the page');
    assert.deepEqual(dom.handlers, [], 'event handlers injected into the page');
    assert.equal(dom.metas, 1, 'a meta element injected into the page');
    assert.ok(dom.endIntact, 'the rest of the page was swallowed');
    assert.equal(dom.pwned, null, 'a script in a value ran');
}
