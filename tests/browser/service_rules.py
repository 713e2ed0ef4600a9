"""What the payment service turns away, so that a form or link it would refuse fails the round trip even where the
expected fields were worked out wrong too."""

import re

COMMANDS = {"_cart", "_xclick", "_donations", "_xclick-subscriptions"}
# The longest period of each unit.
PERIODS = {"D": 90, "W": 52, "M": 24, "Y": 5}
TAKE_PRICED_OPTIONS = {"_cart", "_xclick"}


def _period_refusal(fields, amount, period, unit):
    if any(name not in fields for name in (amount, period, unit)):
        return f"{amount}, {period} and {unit} go together"
    longest = PERIODS.get(fields[unit])
    if longest is None:
        return f"{unit}={fields[unit]!r} is no unit"
    if not fields[period].isdigit() or not 1 <= int(fields[period]) <= longest:
        return f"{period}={fields[period]!r} is outside 1 to {longest} for {fields[unit]}"
    return None


def _subscription_refusal(fields):
    if "amount" in fields:
        return "a subscription is priced by a3, not amount"
    if fields.get("src") != "1" or fields.get("no_note") != "1" or "cn" in fields:
        return "a subscription needs src=1 and no_note=1, and takes no cn"
    if "srt" in fields and not (fields["srt"].isdigit() and 1 <= int(fields["srt"]) <= 52):
        return f"srt={fields['srt']!r} is outside 1 to 52"
    trial = None
    if any(name in fields for name in ("a1", "p1", "t1")):
        trial = _period_refusal(fields, "a1", "p1", "t1")
    return _period_refusal(fields, "a3", "p3", "t3") or trial


def _priced_option_refusal(fields, cmd):
    selects = sorted(int(name[13:]) for name in fields if re.fullmatch(r"option_select[0-9]+", name))
    amounts = sorted(int(name[13:]) for name in fields if re.fullmatch(r"option_amount[0-9]+", name))
    if not selects and not amounts and "option_index" not in fields:
        return None
    if cmd not in TAKE_PRICED_OPTIONS:
        return f"{cmd} takes no option prices"
    if selects != amounts or selects != list(range(len(selects))):
        return "each option_select needs its option_amount, numbered from 0"
    if "amount" in fields:
        return "amount may not be used with a drop-down with prices"
    index = fields.get("option_index", "0")
    if f"on{index}" not in fields:
        return f"option_index={index!r} names no option"
    return None


def refusal(pairs, cmd=None):
    """Why the payment service would refuse these (name, value) pairs; None when it takes them. `cmd` is the
    command a cart link's path implies."""
    names = [name for name, _ in pairs]
    if twice := sorted({name for name in names if names.count(name) > 1}):
        return f"{', '.join(twice)} given twice"
    fields = dict(pairs)
    cmd = fields.get("cmd", cmd)
    if cmd not in COMMANDS:
        return f"cmd={cmd!r} is no command"
    if "business" not in fields:
        return "no business"
    if cmd == "_cart" and ("add" in fields) == ("display" in fields):
        return "_cart needs either add or display"
    if cmd != "_cart" and ("add" in fields or "display" in fields):
        return f"{cmd} takes neither add nor display"
    if "undefined_quantity" in fields and cmd != "_xclick":
        return "undefined_quantity is for Buy Now only"
    if fields.get("weight_unit", "lbs") not in ("lbs", "kgs"):
        return f"weight_unit={fields['weight_unit']!r}"
    subscription = _subscription_refusal(fields) if cmd == "_xclick-subscriptions" else None
    return subscription or _priced_option_refusal(fields, cmd)
