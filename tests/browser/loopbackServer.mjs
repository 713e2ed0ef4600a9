// Stands in for the payment service on 127.0.0.1: serves the merchant's pages and the button image, and
// records what the browser sends to the cart.
import http from 'node:http';

// A 1x1 GIF, so the image button renders and can be clicked.
const GIF = Buffer.from('R0lGODlhAQABAIAAAAAAAP///ywAAAAAAQABAAACAUwAOw==', 'base64');

const RECEIVE_TIMEOUT_MS = 30_000;

export async function startLoopbackServer() {
    const pages = new Map(); // path -> { body, contentType }
    const received = []; // { kind: 'form' | 'link', target, contentType, body }
    const scriptHits = []; // requests that only a running payload would make
    let waiters = [];

    const record = (entry) => {
        received.push(entry);
        waiters.forEach((wake) => wake());
        waiters = [];
    };

    const server = http.createServer((request, response) => {
        const chunks = [];
        request.on('data', (chunk) => chunks.push(chunk));
        request.on('end', () => {
            const target = request.url;
            const reply = (status, contentType, body) => {
                response.writeHead(status, { 'Content-Type': contentType, 'Cache-Control': 'no-store' });
                response.end(body);
            };
            if (request.method === 'POST' && target === '/cgi-bin/webscr') {
                const contentType = request.headers['content-type'];
                record({ kind: 'form', target, contentType, body: Buffer.concat(chunks) });
                reply(200, 'text/plain', 'received');
            } else if (target.startsWith('/cart/')) {
                record({ kind: 'link', target });
                reply(200, 'text/plain', 'received');
            } else if (pages.has(target)) {
                const page = pages.get(target);
                reply(200, page.contentType, page.body);
            } else if (target.startsWith('/xss/')) {
                scriptHits.push(target);
                reply(204, 'text/plain', '');
            } else if (target.startsWith('/missing') || target === '/favicon.ico') {
                reply(404, 'text/plain', 'not found');
            } else {
                reply(200, 'image/gif', GIF);
            }
        });
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));

    return {
        base: `http://127.0.0.1:${server.address().port}`,
        received,
        scriptHits,
        addPage(path, body, charset) {
            pages.set(path, { body, contentType: `text/html; charset=${charset}` });
        },
        // Resolves once `count` submissions have arrived in all.
        async waitForReceived(count) {
            const deadline = Date.now() + RECEIVE_TIMEOUT_MS;
            while (received.length < count) {
                if (Date.now() > deadline) throw new Error(`nothing arrived within ${RECEIVE_TIMEOUT_MS} ms`);
                await new Promise((wake) => {
                    waiters.push(wake);
                    setTimeout(wake, 500);
                });
            }
        },
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}
