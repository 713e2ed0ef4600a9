"""Stands in for the payment service on 127.0.0.1: serves the merchant's pages and the button images, records what
the browser sends to the cart, and turns away what the payment service would."""

import base64
import sys
import threading
from dataclasses import dataclass
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from item_file import encode_windows_1252
from received_fields import form_fields, link_fields
from service_rules import refusal

# A 1x1 GIF, so the image button renders and can be clicked.
GIF = base64.b64decode("R0lGODlhAQABAIAAAAAAAP///ywAAAAAAQABAAACAUwAOw==")
RECEIVE_TIMEOUT_SECONDS = 30
# The payment service's test site, served under this path so that a test can tell which site a buyer reached.
SANDBOX_PATH = "/sandbox"
CART_PATHS = ["/cgi-bin/webscr", SANDBOX_PATH + "/cgi-bin/webscr"]
# The payment service's button pictures.
PICTURES_PATH = "/pictures"


@dataclass
class Arrival:
    kind: str  # "form" or "link"
    target: str  # the request target exactly as the browser sent it
    content_type: str = ""
    body: bytes = b""
    refusal: str | None = None  # why the payment service would turn it away


class PaymentService:
    """Usable as a context manager; binds a free loopback port."""

    def __init__(self):
        self.pages = {}  # path -> (body bytes, content type)
        self.received = []  # Arrival, in order
        self.script_hits = []  # requests that only a running payload would make
        self._arrived = threading.Condition()
        self._server = _QuietServer(("127.0.0.1", 0), _handler_for(self))
        self.base = f"http://127.0.0.1:{self._server.server_port}"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self._server.shutdown()
        self._server.server_close()

    def serve(self, path, html, charset="utf-8"):
        """Serves a whole HTML document as a page in the given charset, "utf-8" or "windows-1252"; returns its
        URL."""
        body = html.encode("utf-8") if charset == "utf-8" else encode_windows_1252(html)
        if body is None:
            raise ValueError(f"the page for {path} does not fit {charset}")
        self.pages[path] = (body, f"text/html; charset={charset}")
        return self.base + path

    def record(self, arrival):
        with self._arrived:
            self.received.append(arrival)
            self._arrived.notify_all()

    def receive_one(self, action):
        """Runs the action and returns the one arrival it caused at the cart."""
        count = len(self.received)
        action()
        with self._arrived:
            if not self._arrived.wait_for(lambda: len(self.received) > count, RECEIVE_TIMEOUT_SECONDS):
                raise TimeoutError(f"nothing arrived within {RECEIVE_TIMEOUT_SECONDS} s")
        if len(self.received) != count + 1:
            raise AssertionError(f"{len(self.received) - count} arrivals for one action")
        return self.received[count]


class _QuietServer(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser drops connections it no longer needs, e.g. for a page it has left.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def _handler_for(service):
    class Handler(BaseHTTPRequestHandler):
        def do_GET(self):
            target = self.path
            if target.startswith("/cart/") or target.partition("?")[0] in CART_PATHS:
                self._record(Arrival("link", target), link_fields(target),
                             "_cart" if target.startswith("/cart/") else None)
            elif target in service.pages:
                body, content_type = service.pages[target]
                self._reply(200, content_type, body)
            elif target.startswith("/xss/"):
                service.script_hits.append(target)
                self._reply(204, "text/plain", b"")
            elif target.startswith("/missing") or target == "/favicon.ico":
                self._reply(404, "text/plain", b"not found")
            else:
                self._reply(200, "image/gif", GIF)

        def do_POST(self):
            body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
            if self.path in CART_PATHS:
                self._record(Arrival("form", self.path, self.headers.get("Content-Type", ""), body),
                             form_fields(body))
            else:
                service.script_hits.append(self.path)
                self._reply(204, "text/plain", b"")

        def _record(self, arrival, fields, cmd=None):
            arrival.refusal = refusal(fields, cmd)
            service.record(arrival)
            if arrival.refusal is None:
                self._reply(200, "text/plain", b"received")
            else:
                self._reply(400, "text/plain", arrival.refusal.encode())

        def _reply(self, status, content_type, body):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Cache-Control", "no-store")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *_):
            pass  # the test reports what matters

    return Handler
