"""Stands in for PayPal's payment-links API on 127.0.0.1: checks every request as the API documents it and answers
as PayPal does, with the faults a test asks for.

Prints the port once it listens, serves until its standard input closes, then prints a JSON report: the requests
in order (their operation, and the fault each met), the violations it found, and the links it holds at the end.

  --fault OP=KIND[xN]  the next N requests of OP (token, create, list, replace, delete) meet KIND: expired (401, the
                       token forgotten), 429 (Retry-After: 1), 500, 403, 404, drop (not carried out, the connection
                       closed in the middle of the answer), lost (carried out, and the answer broken off so), slow
                       (carried out and answered after --slow seconds). Given again, faults for one OP queue up.
  --seed JSON          a list of request bodies the account holds links for at the start
  --page-limit N       the most links a page holds, whatever the client asks for
  --put-status S       204 (the usual answer to a replacement) or 200 with the link
"""

import argparse
import base64
import json
import re
import secrets
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

RESOURCES = "/v1/checkout/payment-resources"
REQUEST_ID = re.compile(r"^[0-9a-zA-Z_-]{1,108}$")
AMOUNT = re.compile(r"^((-?[0-9]+)|(-?([0-9]+)?[.][0-9]+))$")
PAGE_TOKEN = re.compile(r"^[a-zA-Z0-9_-]{1,255}$")
LINE_ITEM_FIELDS = {"name", "product_id", "description", "unit_amount", "taxes", "shipping",
                    "collect_shipping_address", "customer_notes", "variants", "adjustable_quantity"}


def text_problems(path, value, most, required=True):
    if value is None:
        return [f"{path}: missing"] if required else []
    if not isinstance(value, str) or not 1 <= len(value) <= most:
        return [f"{path}: not a text of 1 to {most} characters"]
    return []


def money_problems(path, money):
    if not isinstance(money, dict) or set(money) != {"currency_code", "value"}:
        return [f"{path}: not {{currency_code, value}}"]
    problems = [] if re.fullmatch(r"[A-Z]{3}", str(money["currency_code"])) else [f"{path}.currency_code"]
    if not isinstance(money["value"], str) or not AMOUNT.match(money["value"]) or len(money["value"]) > 32:
        problems.append(f"{path}.value: not an amount")
    return problems


def variant_problems(variants):
    dimensions = variants.get("dimensions") if isinstance(variants, dict) else None
    if set(variants or {}) != {"dimensions"} or not isinstance(dimensions, list) or not 1 <= len(dimensions) <= 5:
        return ["variants: not {dimensions: 1 to 5}"]
    problems = []
    for i, dimension in enumerate(dimensions):
        path = f"variants.dimensions[{i}]"
        problems += text_problems(path + ".name", dimension.get("name"), 64)
        if not isinstance(dimension.get("primary"), bool):
            problems.append(path + ".primary: not a boolean")
        options = dimension.get("options")
        if not isinstance(options, list) or not 1 <= len(options) <= 10:
            problems.append(path + ".options: not 1 to 10")
            continue
        for j, option in enumerate(options):
            problems += text_problems(f"{path}.options[{j}].label", option.get("label"), 127)
            if "unit_amount" in option:
                problems += money_problems(f"{path}.options[{j}].unit_amount", option["unit_amount"])
            if "unit_amount" in option and not dimension.get("primary"):
                problems.append(f"{path}.options[{j}]: a price outside the primary dimension")
    if sum(1 for d in dimensions if d.get("primary") is True) > 1:
        problems.append("variants: more than one primary dimension")
    return problems


def line_item_problems(item):
    problems = [f"line_items[0].{k}: unknown" for k in set(item) - LINE_ITEM_FIELDS]
    problems += text_problems("name", item.get("name"), 127)
    problems += text_problems("product_id", item.get("product_id"), 50, required=False)
    priced = any("unit_amount" in o for d in (item.get("variants") or {}).get("dimensions", [])
                 for o in d.get("options", []))
    if "unit_amount" in item:
        problems += money_problems("unit_amount", item["unit_amount"])
        if priced:
            problems.append("unit_amount: beside priced options")
    elif not priced:
        problems.append("unit_amount: missing")
    taxes = item.get("taxes", [])
    if not isinstance(taxes, list) or len(taxes) > 1 or any(
            t.get("type") != "PERCENTAGE" or set(t) - {"name", "type", "value"}
            or not re.fullmatch(r"[0-9]+(\.[0-9]+)?", str(t.get("value")))
            or len(t.get("value")) > 20 for t in taxes):
        problems.append("taxes: not one {type PERCENTAGE, value}")
    if "adjustable_quantity" in item:
        maximum = (item["adjustable_quantity"] or {}).get("maximum")
        if set(item["adjustable_quantity"]) != {"maximum"} or type(maximum) is not int or not 1 <= maximum <= 100:
            problems.append("adjustable_quantity: not {maximum 1 to 100}")
    shipping = item.get("shipping", [])
    if not isinstance(shipping, list) or len(shipping) > 1:
        problems.append("shipping: more than one entry")
    for entry in shipping if isinstance(shipping, list) else []:
        if entry.get("type") not in ("FLAT", "PREFERENCE") or set(entry) - {"type", "value", "additional_unit_value"}:
            problems.append("shipping[0]: not {type FLAT|PREFERENCE, value, additional_unit_value}")
        for key in ("value", "additional_unit_value"):
            if key in entry and not (isinstance(entry[key], str) and 1 <= len(entry[key]) <= 20
                                     and (AMOUNT.match(entry[key]) or entry[key] == "PROFILE")):
                problems.append(f"shipping[0].{key}: not an amount of 1 to 20 characters")
    if not isinstance(item.get("collect_shipping_address", False), bool):
        problems.append("collect_shipping_address: not a boolean")
    notes = item.get("customer_notes", [])
    if not isinstance(notes, list) or len(notes) > 1:
        problems.append("customer_notes: more than one entry")
    for note in notes if isinstance(notes, list) else []:
        problems += text_problems("customer_notes[0].label", note.get("label"), 127)
        if not isinstance(note.get("required", False), bool) or set(note) - {"label", "required"}:
            problems.append("customer_notes[0]: not {label, required}")
    if "variants" in item:
        problems += variant_problems(item["variants"])
    return problems


def body_problems(body):
    if not isinstance(body, dict):
        return ["the body is not a JSON object"]
    problems = [f"{k}: unknown" for k in set(body) - {"integration_mode", "type", "reusable", "return_url",
                                                      "line_items"}]
    for key, allowed in (("integration_mode", ["LINK"]), ("type", ["BUY_NOW"]), ("reusable", ["MULTIPLE", None])):
        if body.get(key) not in allowed:
            problems.append(f"{key}: not {allowed}")
    if "return_url" in body and not re.match(r"^https?://[^\s]{1,1016}$", str(body["return_url"])):
        problems.append("return_url: not a URL of 1 to 1024 characters")
    items = body.get("line_items")
    if not isinstance(items, list) or len(items) != 1 or not isinstance(items[0], dict):
        return problems + ["line_items: not one line item"]
    return problems + line_item_problems(items[0])


class Account:
    def __init__(self, options):
        self.options = options
        self.lock = threading.Lock()
        self.links = {}  # id -> resource, in the order made
        self.request_ids = {}  # PayPal-Request-Id -> id
        self.tokens = set()
        self.issued = set()
        self.faults = {}  # op -> [kind, ...]
        self.requests = []
        self.violations = []
        self.busy = threading.Condition(self.lock)
        self.serving = 0  # requests not yet answered
        for fault in options.fault:
            op, kind, count = re.fullmatch(r"(\w+)=([a-z0-9]+?)(?:x(\d+))?", fault).groups()
            self.faults.setdefault(op, []).extend([kind] * int(count or 1))
        for body in json.loads(options.seed):
            self.make(body)

    def make(self, body):
        link_id = "PLB-" + secrets.token_hex(6).upper()
        now = time.strftime("%Y-%m-%dT%H:%M:%S.000Z", time.gmtime())
        self.links[link_id] = dict(body, id=link_id, status="ACTIVE", create_time=now, update_time=now)
        return link_id

    def resource(self, link_id, top_level_link=True):
        """As PayPal lists a link; the answer to a create has its address only among the links."""
        resource = dict(self.links[link_id])
        href = f"https://www.sandbox.paypal.com/ncp/payment/{link_id}"
        own = f"https://api-m.sandbox.paypal.com{RESOURCES}/{link_id}"
        resource["links"] = [{"href": own, "rel": "self", "method": "GET"},
                             {"href": own, "rel": "replace", "method": "PUT"},
                             {"href": own, "rel": "delete", "method": "DELETE"},
                             {"href": href, "rel": "payment_link", "method": "GET"}]
        if top_level_link:
            resource["payment_link"] = href
        return resource

    def violation(self, text):
        self.violations.append(text)


def error(name, message, details=()):
    return {"name": name, "message": message, "debug_id": secrets.token_hex(7), "links": [],
            "details": [{"field": f, "issue": i, "description": d, "location": "body"} for f, i, d in details]}


def handler_for(account):
    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            self.serve()

        def do_POST(self):
            self.serve()

        def do_PUT(self):
            self.serve()

        def do_DELETE(self):
            self.serve()

        def serve(self):
            url = urlsplit(self.path)
            raw = self.rfile.read(int(self.headers.get("Content-Length", 0)))
            op, link_id = self.operation(url.path)
            with account.lock:
                queue = account.faults.get(op, [])
                fault = queue.pop(0) if queue else None
                account.requests.append(op + ("!" + fault if fault else ""))
                account.serving += 1
            try:
                self.carry_out(op, link_id, fault, url, raw)
            finally:
                with account.lock:
                    account.serving -= 1
                    account.busy.notify_all()

        def carry_out(self, op, link_id, fault, url, raw):
            if fault == "drop":
                return self.break_off()
            if fault == "slow":
                time.sleep(account.options.slow)
            with account.lock:
                status, answer, headers = self.answer(op, link_id, fault, parse_qs(url.query, True), raw)
            if fault == "lost":
                return self.break_off()
            body = b"" if answer is None else json.dumps(answer).encode()
            try:
                self.send_response(status)
                for name, value in headers.items():
                    self.send_header(name, value)
                if body:
                    self.send_header("Content-Type", "application/json")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
            except (BrokenPipeError, ConnectionResetError):
                pass  # the client gave up waiting, as it should

        def break_off(self):
            """The connection goes down in the middle of the answer. (Closed before the answer starts, it would be
            sent again by the client's HTTP layer on its own.)"""
            self.wfile.write(b"HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 500\r\n\r\n{")
            self.wfile.flush()
            self.close_connection = True

        def operation(self, path):
            if path == "/v1/oauth2/token" and self.command == "POST":
                return "token", None
            if path == RESOURCES:
                return {"POST": "create", "GET": "list"}.get(self.command, "unknown"), None
            if path.startswith(RESOURCES + "/"):
                return {"GET": "get", "PUT": "replace", "DELETE": "delete"}.get(self.command, "unknown"), \
                    path[len(RESOURCES) + 1:]
            return "unknown", None

        def answer(self, op, link_id, fault, query, raw):
            if op == "unknown":
                account.violation(f"{self.command} {self.path}: no such operation")
                return 404, error("RESOURCE_NOT_FOUND", "No such resource."), {}
            if op == "token":
                return self.fault(fault) if fault else self.token(raw)
            token = self.headers.get("Authorization", "").removeprefix("Bearer ")
            if token not in account.issued:
                account.violation(f"{op}: Authorization is not a Bearer token that was issued")
            if fault == "expired":
                account.tokens.discard(token)
            if token not in account.tokens:
                return 401, {"error": "invalid_token", "error_description": "Token signature verification failed"}, {}
            if fault in ("429", "500", "403", "404"):
                return self.fault(fault)
            body = None
            if op in ("create", "replace"):
                if self.headers.get("Content-Type", "").split(";")[0] != "application/json":
                    account.violation(f"{op}: Content-Type is not application/json")
                try:
                    body = json.loads(raw)
                except ValueError:
                    body = None
                problems = body_problems(body)
                if problems:
                    account.violation(f"{op}: " + "; ".join(problems))
                    return 400, error("INVALID_REQUEST", "Request is not well-formed, syntactically incorrect, or "
                                      "violates schema.", [(p, "INVALID_PARAMETER_VALUE", p) for p in problems]), {}
            elif raw:
                account.violation(f"{op}: a body where none belongs")
            return getattr(self, op)(link_id, query, body)

        def token(self, raw):
            if self.headers.get("Content-Type") != "application/x-www-form-urlencoded":
                account.violation("token: Content-Type is not application/x-www-form-urlencoded")
            if raw != b"grant_type=client_credentials":
                account.violation(f"token: the body is {raw!r}")
            expected = f"{account.options.client_id}:{account.options.secret}".encode()
            if self.headers.get("Authorization") != "Basic " + base64.b64encode(expected).decode():
                return 401, {"error": "invalid_client", "error_description": "Client Authentication failed"}, {}
            token = "A21" + secrets.token_urlsafe(16)
            account.tokens.add(token)
            account.issued.add(token)
            return 200, {"scope": "https://uri.paypal.com/services/checkout/payment-resources",
                         "access_token": token, "token_type": "Bearer", "app_id": "APP-80W284485P519543T",
                         "expires_in": 32400, "nonce": secrets.token_hex(8)}, {}

        def fault(self, kind):
            if kind == "429":
                return 429, error("RATE_LIMIT_REACHED", "Too many requests."), {"Retry-After": "1"}
            if kind == "403":
                return 403, error("NOT_AUTHORIZED", "Authorization failed due to insufficient permissions."), {}
            if kind == "404":
                return 404, error("RESOURCE_NOT_FOUND", "The specified resource does not exist."), {}
            return 500, error("INTERNAL_SERVER_ERROR", "An internal server error occurred."), {}

        def create(self, _, query, body):
            request_id = self.headers.get("PayPal-Request-Id", "")
            if not REQUEST_ID.match(request_id):
                account.violation(f"create: PayPal-Request-Id is {request_id!r}")
            if query:
                account.violation(f"create: query {query}")
            link_id = account.request_ids.get(request_id)
            if link_id is None or link_id not in account.links:
                link_id = account.request_ids[request_id] = account.make(body)
            return 201, account.resource(link_id, top_level_link=False), {}

        def list(self, _, query, __):
            if set(query) - {"page_size", "page_token", "total_required"}:
                account.violation(f"list: query {query}")
            if "page_token" in query and "page_size" in query:
                account.violation("list: page_size beside page_token")
            size = int(query.get("page_size", ["10"])[0])
            if not 1 <= size <= 100:
                account.violation(f"list: page_size {size}")
            token = query.get("page_token", ["p0"])[0]
            if not PAGE_TOKEN.match(token) or not token.startswith("p"):
                account.violation(f"list: page_token {token!r}")
                return 400, error("INVALID_REQUEST", "Invalid page token."), {}
            start = int(token[1:])
            size = min(size, account.options.page_limit)
            ids = list(account.links)[start:start + size]
            base = f"https://api-m.sandbox.paypal.com{RESOURCES}"
            links = [{"href": f"{base}?page_token={token}", "rel": "self"}]
            if start + size < len(account.links):
                links.append({"href": f"{base}?page_token=p{start + size}", "rel": "next"})
            return 200, {"resources": [account.resource(i) for i in ids], "links": links}, {}

        def get(self, link_id, _, __):
            if link_id not in account.links:
                return self.fault("404")
            return 200, account.resource(link_id), {}

        def replace(self, link_id, _, body):
            if link_id not in account.links:
                return self.fault("404")
            kept = {k: account.links[link_id][k] for k in ("id", "status", "create_time")}
            account.links[link_id] = dict(body, **kept, update_time=time.strftime("%Y-%m-%dT%H:%M:%SZ"))
            if account.options.put_status == 200:
                return 200, account.resource(link_id), {}
            return 204, None, {}

        def delete(self, link_id, _, __):
            if link_id not in account.links:
                return self.fault("404")
            del account.links[link_id]
            return 204, None, {}

        def log_message(self, *_):
            pass  # the report says what matters

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client-id", default="test-client")
    parser.add_argument("--secret", default="test-secret")
    parser.add_argument("--fault", action="append", default=[])
    parser.add_argument("--seed", default="[]")
    parser.add_argument("--page-limit", type=int, default=100)
    parser.add_argument("--put-status", type=int, default=204)
    parser.add_argument("--slow", type=float, default=5)
    account = Account(parser.parse_args())
    server = ThreadingHTTPServer(("127.0.0.1", 0), handler_for(account))
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_port, flush=True)
    sys.stdin.read()
    server.shutdown()
    with account.lock:
        # A slow answer is carried out all the same, after its client gave up waiting.
        account.busy.wait_for(lambda: account.serving == 0, account.options.slow + 5)
        report = {"requests": account.requests, "violations": account.violations,
                  "links": [account.resource(i) for i in account.links]}
    print(json.dumps(report), flush=True)


if __name__ == "__main__":
    main()
