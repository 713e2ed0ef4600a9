"""Turns the cases into item files and has velmora-cli generate their forms and links, one run per merchant and
locale."""

import os
import subprocess

from item_file import write_item_file

OVERRIDES = [("--store-logo", "StoreLogo"), ("--success-url", "PurchaseSuccessURL"),
             ("--cancel-url", "PurchaseCancelURL"), ("--button-image", "ButtonImageURL"), ("--currency", "Currency"),
             ("--shopping-url", "ShoppingURL")]


def override_arguments(settings, locale):
    # The e-mail always goes on the command line, since the store's default for it is a placeholder; the other
    # settings default to empty in the private store. The locale is given so that the machine's own cannot change
    # how the prices read.
    overrides = [f"--email={settings['eMail']}", f"--locale={locale}"]
    overrides += [f"{option}={settings[key]}" for option, key in OVERRIDES if settings.get(key, "") != ""]
    return overrides


def _run(cli, mode, group, env):
    files = [case["file"] for case in group]
    what = f"velmora-cli {mode} ({len(files)} files)"
    arguments = override_arguments(group[0]["settings"], group[0]["locale"])
    result = subprocess.run([cli, mode, *arguments, "--", *files], env=env, capture_output=True, timeout=60,
                            check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{what} exited {result.returncode}: {result.stderr.decode(errors='replace')}")
    lines = result.stdout.decode("utf-8").split("\n")
    if lines.pop() != "" or len(lines) != len(files):
        raise RuntimeError(f"{what} printed {len(lines)} lines for {len(files)} files")
    return [line.removesuffix("\r") for line in lines]


def private_environment(work_dir):
    """A private, empty settings store, so the machine's own settings never leak in."""
    return dict(os.environ, XDG_CONFIG_HOME=os.path.join(work_dir, "config"))


def generate_all(cli, cases, work_dir):
    """Fills in case["form_text"] (and case["link_text"] where the case has a link) with the generated text."""
    env = private_environment(work_dir)
    groups = {}
    for case in cases:
        case["file"] = os.path.join(work_dir, f"item-{case['id']}.tqf")
        write_item_file(case["file"], case["item"])
        groups.setdefault((id(case["settings"]), case["locale"]), []).append(case)
    for group in groups.values():
        for case, form in zip(group, _run(cli, "form", group, env)):
            case["form_text"] = form
        linked = [case for case in group if case["has_link"]]
        if linked:
            for case, link in zip(linked, _run(cli, "link", linked, env)):
                case["link_text"] = link
