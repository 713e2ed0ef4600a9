"""A headless Chromium, driven through chromedriver the way a buyer uses a merchant's page: open it, choose
options, click the form's button or the cart link."""

from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException, UnexpectedAlertPresentException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

from merchant_page import INSPECT_SCRIPT, PAGE_ELEMENTS

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic"]
TIMEOUT_SECONDS = 30


class Browser:
    """Usable as a context manager. Every dialog a page opens is kept in `dialogs`: only a script can open one."""

    def __init__(self, profile_dir):
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + [f"--user-data-dir={profile_dir}"]:
            options.add_argument(flag)
        # The driver runs on loopback; a proxy meant for the outside must not come between.
        options.ignore_local_proxy_environment_variables()
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.driver.set_page_load_timeout(TIMEOUT_SECONDS)
        self.driver.set_script_timeout(TIMEOUT_SECONDS)
        self.dialogs = []

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.driver.quit()

    def noting_dialogs(self, action):
        """Runs the action; a dialog that interrupts it is kept, dismissed, and fails the action."""
        try:
            return action()
        except UnexpectedAlertPresentException as dialog:
            self.dialogs.append(dialog.alert_text)
            raise AssertionError(f"a script opened a dialog: {dialog.alert_text!r}") from None

    def dismiss_open_dialog(self):
        """Keeps and dismisses a dialog still open in the current tab."""
        try:
            alert = self.driver.switch_to.alert
        except NoAlertPresentException:
            return
        self.dialogs.append(alert.text)
        alert.dismiss()

    def open(self, url):
        self.driver.get(url)

    def inspect(self, form_index=0):
        """What the page holds: see merchant_page.INSPECT_SCRIPT."""
        return self.driver.execute_script(INSPECT_SCRIPT, PAGE_ELEMENTS, form_index)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def in_form(self, form_index, css):
        """The first element in the page's form number `form_index` that matches `css`."""
        found = self.driver.execute_script("return document.forms[arguments[0]]?.querySelector(arguments[1])",
                                           form_index, css)
        if found is None:
            raise AssertionError(f"form {form_index} holds no {css}")
        return found

    def type_into(self, field, text):
        # Replaces the field's text as an input method would; chromedriver's keys stop short of emoji.
        self.driver.execute_script("arguments[0].focus(); arguments[0].select();", field)
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def select_index(self, select, index):
        # As a buyer's pick lands: the option selected, then the events a page may listen for.
        self.driver.execute_script(
            "const select = arguments[0]; select.selectedIndex = arguments[1];"
            "for (const type of ['input', 'change']) select.dispatchEvent(new Event(type, {bubbles: true}));",
            select, index)

    def click(self, element):
        """A left click in the middle of the element, as the mouse gives it."""
        x, y = self.driver.execute_script(
            "const element = arguments[0]; element.scrollIntoView({block: 'center', inline: 'center'});"
            "const box = element.getBoundingClientRect(); return [box.x + box.width / 2, box.y + box.height / 2];",
            element)
        for event in ("mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent",
                                        {"type": event, "x": x, "y": y, "button": "left", "clickCount": 1})
