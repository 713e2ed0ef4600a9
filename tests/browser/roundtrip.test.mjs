// The generated form and link, pasted into a merchant's page, used by a buyer in a real Chromium, and read
// back at a loopback stand-in for the payment service: every typed value must arrive exactly, under exactly
// its field name, and no script in a value may ever run.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { buildCases } from './corpus.mjs';
import {
    beyondAscii, dropDownValues, expectedFormFields, expectedLinkFields, formValues, optionRows,
} from './expectedFields.mjs';
import { generateAll } from './generate.mjs';
import { encodeCp1252 } from './itemFile.mjs';
import { startLoopbackServer } from './loopbackServer.mjs';
import { assertNothingInjected, inspectPage, merchantPage, PAGE_ELEMENTS } from './merchantPage.mjs';
import { formFields, linkFields } from './receivedFields.mjs';

const CHROMIUM = '/usr/bin/chromium';
const PAYMENT_ORIGIN = 'https://www.paypal.com';
const TIMEOUT_MS = 30_000;

const cli = process.env.VELMORA_CLI;
if (!cli || !fs.existsSync(cli)) throw new Error('set VELMORA_CLI to the built velmora-cli');
if (!fs.existsSync(CHROMIUM)) throw new Error(`${CHROMIUM} is missing: apt-get install chromium`);
const { chromium } = await import('playwright-core').catch(() => {
    throw new Error('playwright-core is missing: run "npm ci" in tests/browser');
});

const server = await startLoopbackServer();
const cases = buildCases(server.base);
const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-browser-'));
const dialogs = [];
let context;
let page;

before(async () => {
    generateAll(cli, cases, workDir);
    context = await chromium.launchPersistentContext(path.join(workDir, 'profile'), {
        executablePath: CHROMIUM,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--no-first-run', '--disable-quic'],
    });
    context.setDefaultTimeout(TIMEOUT_MS);
    context.on('dialog', (dialog) => {
        dialogs.push(dialog.message());
        dialog.dismiss().catch(() => {});
    });
    page = context.pages()[0] ?? (await context.newPage());
});

after(async () => {
    await context?.close();
    await server.close();
    fs.rmSync(workDir, { recursive: true, force: true });
});

function atLoopback(text) {
    assert.ok(text.includes(PAYMENT_ORIGIN), `the payment host is missing from ${text}`);
    return text.replaceAll(PAYMENT_ORIGIN, server.base);
}

// A buyer's text beyond ASCII arrives intact only when the form announces UTF-8, which it does when the item
// itself holds such text; otherwise the buyer keeps to ASCII.
function typedText(c, announcesUtf8) {
    return announcesUtf8 || !beyondAscii(c.typed) ? c.typed : 'Happy birthday';
}

// Picks or types a value in each option row, the way a buyer would, and returns what was chosen.
async function chooseOptions(c, announcesUtf8) {
    const choices = [];
    for (const { set, index } of optionRows(c.item)) {
        if (set.Kind === 'TextBox') {
            const typed = typedText(c, announcesUtf8);
            await page.locator(`input[name="os${index}"]`).fill(typed);
            choices.push(typed);
            continue;
        }
        const values = dropDownValues(set);
        const pick = c.id % Math.max(values.length, 1);
        if (values.length > 0) await page.locator(`select[name="os${index}"]`).selectOption({ index: pick });
        choices.push(values[pick]);
    }
    return choices;
}

async function receiveOne(action) {
    const count = server.received.length;
    await action();
    await server.waitForReceived(count + 1);
    assert.equal(server.received.length, count + 1, 'more than one submission');
    return server.received[count];
}

async function submitForm(c, charset) {
    const html = merchantPage(atLoopback(c.formText), charset);
    const body = charset === 'utf-8' ? html : encodeCp1252(html);
    assert.ok(body, 'the form does not fit a Windows-1252 page');
    const url = `/page/form/${c.id}/${charset}`;
    server.addPage(url, body, charset);
    await page.goto(server.base + url);

    const announcesUtf8 = formValues(c.item, c.settings).some(beyondAscii);
    const choices = await chooseOptions(c, announcesUtf8);
    const dom = await page.evaluate(inspectPage, PAGE_ELEMENTS);
    assertNothingInjected(dom);
    assert.equal(dom.forms, 1);
    assert.equal(dom.acceptCharset, announcesUtf8 ? 'utf-8' : null);
    const rows = optionRows(c.item);
    assert.deepEqual(dom.labels, rows.map(({ set }) => set.Name), 'option labels');
    assert.deepEqual(dom.options, rows.filter(({ set }) => set.Kind === 'DropDown')
        .map(({ set }) => dropDownValues(set).map((value) => [value, value])), 'drop-down choices');
    assert.equal(dom.buttonImage, c.settings.ButtonImageURL || `${server.base}/images/x-click-but22.gif`);

    const submission = await receiveOne(async () => {
        const [popup] = await Promise.all([context.waitForEvent('page'), page.locator('input[type="image"]').click()]);
        await popup.waitForLoadState();
        await popup.close();
    });
    assert.equal(submission.kind, 'form');
    assert.equal(submission.contentType, 'application/x-www-form-urlencoded');
    const fields = formFields(submission.body);
    const clicked = fields.filter(([name]) => name === 'submit.x' || name === 'submit.y');
    assert.equal(clicked.length, 2, 'the image button sends where it was clicked');
    const sent = fields.filter((field) => !clicked.includes(field));
    assert.deepEqual(sent, expectedFormFields(c.item, c.settings, choices));
}

async function openLink(c) {
    const link = atLoopback(c.linkText);
    assert.ok(link.startsWith(`${server.base}/cart/add=1&business=`), link);
    const url = `/page/link/${c.id}`;
    server.addPage(url, merchantPage(`<p><a id="cart" href="${link}">Add to cart</a></p>`, 'utf-8'), 'utf-8');
    await page.goto(server.base + url);

    const dom = await page.evaluate(inspectPage, PAGE_ELEMENTS);
    assertNothingInjected(dom);
    assert.equal(dom.href, link, 'the link does not survive being pasted into a page');

    const request = await receiveOne(() => page.locator('#cart').click());
    assert.equal(request.kind, 'link');
    assert.deepEqual(linkFields(request.target), expectedLinkFields(c.item, c.settings));
}

const label = (c) =>
    `#${c.id} ${c.hasLink ? 'item' : 'item with option sets'} ${JSON.stringify(c.item.ItemName).slice(0, 40)}`;

describe('the button form, clicked by a buyer', () => {
    for (const c of cases) {
        test(label(c), () => submitForm(c, 'utf-8'));
        // A page in a legacy charset must still post UTF-8, or the service mangles the text.
        const values = formValues(c.item, c.settings);
        if (values.some(beyondAscii) && values.every((value) => encodeCp1252(value) !== null)) {
            test(`${label(c)} on a Windows-1252 page`, () => submitForm(c, 'windows-1252'));
        }
    }
});

describe('the cart link, opened by a buyer', () => {
    for (const c of cases.filter((c) => c.hasLink)) test(label(c), () => openLink(c));
});

test('no script in any value ran', () => {
    assert.deepEqual(server.scriptHits, []);
    assert.deepEqual(dialogs, []);
});
