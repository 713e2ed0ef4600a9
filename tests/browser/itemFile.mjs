// Writes item files the way the desktop program does: Windows-1252, every field closed by 0xA5, then CR LF.
import fs from 'node:fs';

const SEPARATOR = '\u00A5';

// Windows-1252 has no encoder in the platform, so invert its decoder.
const cp1252Bytes = (() => {
    const decoder = new TextDecoder('windows-1252');
    const bytes = new Map();
    for (let byte = 0; byte < 256; ++byte) {
        bytes.set(decoder.decode(Uint8Array.of(byte)), byte);
    }
    return bytes;
})();

// The text as Windows-1252 bytes, or null when a character has no byte there.
export function encodeCp1252(text) {
    const out = [];
    for (const ch of text) {
        const byte = cp1252Bytes.get(ch);
        if (byte === undefined) return null;
        out.push(byte);
    }
    return Buffer.from(out);
}

// Whether a value can travel in an item file field at all.
export function fitsItemFile(text) {
    return encodeCp1252(text) !== null && !/[\u00A5\r\n]/.test(text);
}

function kindFields(set) {
    return [set.Kind === 'DropDown' ? '1' : '0', set.Kind === 'TextBox' ? '1' : '0'];
}

function optionSetFields(set) {
    return [String(set.Active), set.Name, ...kindFields(set), ...set.Values];
}

// The 36 fields in file order.
export function itemFields(item) {
    return [
        item.ItemName, item.ItemID, item.Price, item.Shipping1, item.Shipping2,
        ...optionSetFields(item.Option1),
        ...optionSetFields(item.Option2),
        String(item.ShippingAddress), String(item.Note), item.NoteTitle,
    ];
}

export function writeItemFile(path, item) {
    const fields = itemFields(item);
    if (fields.length !== 36) throw new Error(`an item has 36 fields, not ${fields.length}`);
    const bytes = encodeCp1252(fields.map((field) => field + SEPARATOR).join('') + '\r\n');
    if (bytes === null) throw new Error(`${path}: a value has no Windows-1252 byte`);
    fs.writeFileSync(path, bytes);
}
