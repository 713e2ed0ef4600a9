// Reads what the browser sent the way the payment service does: split into name=value pairs, undo the
// percent-encoding, and decode the bytes by the announced charset (Windows-1252 when none is announced).

function percentDecode(text) {
    const bytes = [];
    for (let i = 0; i < text.length; ++i) {
        if (text[i] === '%' && /^[0-9A-Fa-f]{2}$/.test(text.slice(i + 1, i + 3))) {
            bytes.push(parseInt(text.slice(i + 1, i + 3), 16));
            i += 2;
        } else {
            bytes.push(...Buffer.from(text[i], 'utf8'));
        }
    }
    return Buffer.from(bytes);
}

function decodePairs(pieces) {
    const raw = pieces.map((piece) => {
        const at = piece.indexOf('=');
        return at < 0 ? [piece, ''] : [piece.slice(0, at), piece.slice(at + 1)];
    });
    const announcesUtf8 = raw.some(([name, value]) => name === 'charset' && value.toLowerCase() === 'utf-8');
    const decoder = announcesUtf8 ? new TextDecoder('utf-8', { fatal: true }) : new TextDecoder('windows-1252');
    return raw.map(([name, value]) => [decoder.decode(percentDecode(name)), decoder.decode(percentDecode(value))]);
}

// A form post, application/x-www-form-urlencoded.
export function formFields(body) {
    const text = body.toString('latin1');
    return text === '' ? [] : decodePairs(text.split('&').map((piece) => piece.replaceAll('+', ' ')));
}

// A cart link: its parameters are the path after /cart/. A raw "?" in a value starts the query, so the whole
// request target is read as one.
export function linkFields(target) {
    return decodePairs(target.slice('/cart/'.length).split('&'));
}
