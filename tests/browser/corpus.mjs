// The values a merchant might type, ordinary and hostile, and the items and merchant settings built from them.
import { fitsItemFile } from './itemFile.mjs';

// A payload that manages to run reports itself: a request to /xss/, a global, or a dialog.
export const VALUES = [
    // ordinary
    'Mug',
    'Blue Coffee Mug, 12 oz',
    '5.00',
    '1,234.50',
    'M-1',
    'Gift message',
    'Special Instructions (optional)',
    'merchant@example.com',
    'https://shop.example/thanks?order=1&ref=a b',
    'http://shop.example/img/logo.png',
    '',
    ' ',
    '  blanks at both ends  ',
    '\tTabbed\tvalue\t',
    'bell \u0007 vertical tab \u000b unit separator \u001f',
    'Café',
    'Crème brûlée – “deluxe” €5',
    'Größe XL',
    'ñandú ©®™ ½',
    'Long name '.padEnd(127, 'x'),
    'é'.repeat(127),
    // quotes and markup
    'say "hi"',
    "it's",
    '"',
    '<b>bold</b>',
    '<',
    '>',
    'a < b > c',
    '<script>fetch("/xss/script")</script>',
    '"><script>window.__pwned = 1</script>',
    '<img src="/missing" onerror="fetch(\'/xss/img\')">',
    '" onmouseover="fetch(\'/xss/attr\')" x="',
    "' autofocus onfocus='alert(1)' x='",
    '<svg onload="alert(2)">',
    '</select><script>alert(3)</script>',
    '"></form><form action="/xss/form"><input type="image" src="/images/x.gif">',
    '"><input type="hidden" name="amount" value="0.01">',
    '<meta http-equiv="refresh" content="0;url=/xss/meta">',
    'javascript:alert(4)',
    '<!--',
    '<textarea>',
    '<plaintext>',
    // entities and URL syntax
    '&',
    '&amp;',
    '&lt;script&gt;',
    'Tom & Jerry',
    '&#34;',
    '&quot',
    '=',
    'a=b&c=d',
    '&amount=0.01',
    '#',
    'Gift #1',
    '%',
    '100%',
    '%20',
    '%E9',
    '+',
    '1+1',
    '?',
    'what?x=1',
    ';',
    '/path/to',
    'a\\b',
    '`ticks` {braces} |pipe| ^caret^ [brackets]',
    "!$'()*,:@~-._",
    // beyond Windows-1252, its item-file separator, or a line break: merchant settings only
    'two\r\nlines',
    '日本',
    '日本語の商品 🎁',
    '😀',
    'Ω ≈ √',
    'merchant@例え.jp',
    'Price ¥500',
];

// What the buyer types into a text option: hostile too, and beyond ASCII when the form announces UTF-8.
const TYPED = ['Happy birthday', '<script>alert(5)</script>', 'a&b=c+d%20e', ' "quoted" ', 'für Jürgen', '日本 🎁'];

const KINDS = ['DropDown', 'TextBox', null];
const VALUE_POSITIONS = [[0, 1, 2, 3, 4, 5, 6, 7, 8, 9], [3, 9], [0, 2], [], [5]];

function emptyOptionSet() {
    return { Active: 0, Name: '', Kind: 'DropDown', Values: Array(10).fill('') };
}

function optionSet(pick, active, kind, positions) {
    const set = { Active: active, Name: pick(0), Kind: kind, Values: Array(10).fill('') };
    positions.forEach((position, n) => (set.Values[position] = pick(n + 1)));
    return set;
}

function item(pick, i) {
    return {
        ItemName: pick(0), ItemID: pick(1), Price: pick(2), Shipping1: pick(3), Shipping2: pick(4),
        ShippingAddress: i % 3, // 2 is a grayed box, which counts as set
        Note: [1, 0, 1, 2][i % 4], // 2 counts as clear
        NoteTitle: pick(5),
        Option1: emptyOptionSet(),
        Option2: emptyOptionSet(),
    };
}

// Merchant settings travel through the command line, so they take any text; the button image must still
// render to be clicked, so it points at the loopback server unless it is hostile on purpose.
function merchants(base) {
    const images = ['', `${base}/images/custom "button" <1> &amp; é.gif`, '',
        `/missing" onerror="fetch('/xss/button')`, `${base}/images/日本 🎁.gif`];
    const list = [];
    for (let at = 0; at < VALUES.length; at += 4) {
        const pick = (k) => VALUES[(at + k) % VALUES.length];
        list.push({
            eMail: pick(0), StoreLogo: pick(1), PurchaseSuccessURL: pick(2), PurchaseCancelURL: pick(3),
            ButtonImageURL: images[list.length % images.length],
        });
    }
    return list;
}

// Every item value visits every field across the cases. Items without option sets get a form and a link;
// items with option sets get a form only, since a link never stands for one.
export function buildCases(base) {
    const itemValues = VALUES.filter(fitsItemFile);
    const settings = merchants(base);
    const cases = [];
    itemValues.forEach((_, i) => {
        const pick = (offset) => (k) => itemValues[(i + offset + k) % itemValues.length];
        const plain = item(pick(0), i);
        // Sets out of use keep their contents, which must not show; set 2 switched on under an inactive
        // set 1 comes only from stored data.
        plain.Option1 = optionSet(pick(6), 0, KINDS[i % 3], VALUE_POSITIONS[i % VALUE_POSITIONS.length]);
        plain.Option2 = optionSet(pick(9), i % 5 === 0 ? 1 : 0, 'TextBox', []);
        cases.push({ id: cases.length, item: plain, settings: settings[i % settings.length], hasLink: true });

        const withOptions = item(pick(7), i + 1);
        withOptions.Option1 = optionSet(pick(13), 1, KINDS[i % 3], VALUE_POSITIONS[i % VALUE_POSITIONS.length]);
        withOptions.Option2 = optionSet(pick(20), [1, 1, 0, 2][i % 4], KINDS[(i + 1) % 3],
            VALUE_POSITIONS[(i + 2) % VALUE_POSITIONS.length]);
        cases.push({
            id: cases.length, item: withOptions, settings: settings[(i + 3) % settings.length], hasLink: false,
            typed: TYPED[i % TYPED.length],
        });
    });
    return cases;
}
