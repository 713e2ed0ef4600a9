// Turns the cases into item files and has velmora-cli generate their forms and links, one run per merchant.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { writeItemFile } from './itemFile.mjs';

const OVERRIDES = [
    ['--store-logo', 'StoreLogo'],
    ['--success-url', 'PurchaseSuccessURL'],
    ['--cancel-url', 'PurchaseCancelURL'],
    ['--button-image', 'ButtonImageURL'],
];

// The e-mail always goes on the command line, since the store's default for it is a placeholder; the other
// settings default to empty in the private store.
function overrideArguments(settings) {
    const args = [`--email=${settings.eMail}`];
    for (const [option, field] of OVERRIDES) {
        if (settings[field] !== '') args.push(`${option}=${settings[field]}`);
    }
    return args;
}

function run(cli, mode, settings, files, env) {
    const result = spawnSync(cli, [mode, ...overrideArguments(settings), '--', ...files], { env, timeout: 60_000 });
    const what = `velmora-cli ${mode} (${files.length} files)`;
    if (result.error) throw new Error(`${what}: ${result.error.message}`);
    if (result.status !== 0) throw new Error(`${what} exited ${result.status}: ${result.stderr}`);
    const lines = result.stdout.toString('utf8').split('\n');
    if (lines.pop() !== '' || lines.length !== files.length) {
        throw new Error(`${what} printed ${lines.length} lines for ${files.length} files`);
    }
    return lines.map((line) => line.replace(/\r$/, ''));
}

// Fills in case.formText (and case.linkText where the case has a link) with the generated text.
export function generateAll(cli, cases, workDir) {
    // A private, empty settings store, so the machine's own settings never leak in.
    const env = { ...process.env, XDG_CONFIG_HOME: path.join(workDir, 'config') };
    const byMerchant = new Map();
    for (const c of cases) {
        c.file = path.join(workDir, `item-${c.id}.tqf`);
        writeItemFile(c.file, c.item);
        if (!byMerchant.has(c.settings)) byMerchant.set(c.settings, []);
        byMerchant.get(c.settings).push(c);
    }
    for (const [settings, group] of byMerchant) {
        const forms = run(cli, 'form', settings, group.map((c) => c.file), env);
        group.forEach((c, n) => (c.formText = forms[n]));
        const linked = group.filter((c) => c.hasLink);
        if (linked.length === 0) continue;
        const links = run(cli, 'link', settings, linked.map((c) => c.file), env);
        linked.forEach((c, n) => (c.linkText = links[n]));
    }
}
