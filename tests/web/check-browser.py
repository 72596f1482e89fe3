#!/usr/bin/python3
"""The web edition in a real browser (Debian's Chromium, headless), as a
user meets it: keys, clicks, the clipboard, the layout, other languages,
a phone's width, a second visit offline, and axe-core's accessibility rules.

    usage: check-browser.py SITE_FOLDER AXE_SCRIPT
"""
import sys
import time

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import Site, chromium, open_page, set_viewport

WORKED_EXAMPLE = "1\n2 2\n3 4 3\n4 6 6 4\nЧислото 4 се среща в ред 3"
# The twips table, converted here at 15 twips to the CSS pixel.
TWIPS = {"Label1_0": (960, 0, 5415, 375), "Label1_1": (120, 600, 1575, 375),
         "Text2_0": (1680, 600, 1575, 405), "Command1_0": (3840, 600, 1095, 375),
         "Command1_1": (5760, 600, 1095, 375), "Text2_1": (120, 1200, 6855, 2325),
         "Text1_0": (120, 3720, 6855, 2535), "window": (0, 0, 7215, 6360)}
COLOURS = {"window": "rgb(192, 192, 255)", "Label1_0": "rgb(255, 192, 128)",
           "Label1_1": "rgb(255, 192, 128)", "Command1_0": "rgb(128, 255, 128)",
           "Command1_1": "rgb(255, 0, 0)"}
failures = []


def check(what, ok, detail=""):
    print(("PASS: " if ok else "FAIL: ") + what + (f" ({detail})" if detail and not ok else ""))
    if not ok:
        failures.append(what)


class Page:
    def __init__(self, driver):
        self.driver = driver

    def __getitem__(self, id):
        return self.driver.find_element(By.ID, id)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def rect(self, id):
        r = self.js("return arguments[0].getBoundingClientRect().toJSON()", self[id])
        return r["x"], r["y"], r["width"], r["height"]

    def value(self, id):
        return self[id].get_property("value")

    def wait_for(self, condition, seconds=10):
        try:
            return WebDriverWait(self.driver, seconds).until(lambda _: condition())
        except TimeoutException:
            return None

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def paste(self, text):
        self["Command1_1"].click()
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self["Text2_0"].send_keys(Keys.CONTROL, "v")
        return self.value("Text2_0")

    def display(self, text):
        self["Command1_1"].click()
        self["Text2_0"].send_keys(text)
        self["Command1_0"].click()
        return self.wait_for(lambda: self.value("Text2_1")) or ""


def behaviour(page):
    check("the first focus is on the task statement",
          page.js("return document.activeElement.id") == "Text1_0")
    order = []
    for _ in range(4):
        page.keys(Keys.TAB)
        order.append(page.js("return document.activeElement.id"))
    check("Tab goes through the input, the output and the two buttons",
          order == ["Text2_0", "Text2_1", "Command1_0", "Command1_1"], order)

    check("4 and «Изведи» give the worked example", page.display("4") == WORKED_EXAMPLE,
          repr(page.value("Text2_1")))
    check("the output is shown from its first line", page.js(
        "return arguments[0].scrollTop === 0 && arguments[0].selectionEnd === 0", page["Text2_1"]))
    page["Command1_1"].click()
    check("«Изчисти» empties both boxes", page.value("Text2_0") == page.value("Text2_1") == "")
    page["Text2_0"].send_keys("2", Keys.ENTER)
    check("Enter in the input box displays",
          page.wait_for(lambda: page.value("Text2_1").startswith("1\n2 2\nЧислото 2")))
    page["Command1_1"].click()
    page["Text2_0"].send_keys("3")
    page.js("arguments[0].focus()", page["Command1_0"])
    page.keys(Keys.SPACE)
    check("Space on «Изведи» displays", page.wait_for(lambda: "ред 3" in page.value("Text2_1")))

    page["Command1_1"].click()
    page["Text2_0"].send_keys("123")
    check("a third typed character is refused", page.value("Text2_0") == "12")
    page.keys(Keys.HOME, "9")
    check("...also before the others, and the caret stays", page.value("Text2_0") == "12" and
          page.js("return arguments[0].selectionEnd", page["Text2_0"]) == 0)
    for pasted, kept in (("123", "12"), ("1\U0001F600\U0001F600", "1\U0001F600"),
                         ("9\n9", "9"), ("e\u0301xy", "e\u0301x")):
        check(f"pasting {pasted!r} keeps {kept!r}", page.paste(pasted) == kept,
              repr(page.value("Text2_0")))

    # An input method's composition runs to its end before the rule applies.
    page["Command1_1"].click()
    page["Text2_0"].send_keys("1")
    page.driver.execute_cdp_cmd("Input.imeSetComposition",
                                {"text": "23", "selectionStart": 2, "selectionEnd": 2})
    composing = page.value("Text2_0")
    page.driver.execute_cdp_cmd("Input.insertText", {"text": "23"})
    check("a composition is left whole, and its result held to the rule",
          (composing, page.value("Text2_0")) == ("123", "12"), (composing, page.value("Text2_0")))

    for box in ("Text2_1", "Text1_0"):
        before = page.value(box)
        page[box].click()
        page.keys("abc", Keys.BACKSPACE, Keys.DELETE, Keys.ENTER)
        page.keys(Keys.CONTROL, "x")
        check(f"typing into {box} changes nothing", page.value(box) == before)

    page.js("arguments[0].value = '40000'", page["Text2_0"])  # past the rule, as no user can
    page["Command1_0"].click()
    shown = page.wait_for(lambda: page.js("return document.querySelector('dialog[open]')"))
    check("an error is shown in an alert dialog with the desktop's text", shown and
          shown.get_attribute("role") == "alertdialog" and
          page["error-text"].text == "Грешка при изпълнение: Overflow", shown and shown.text)
    page["error-close"].click()


def layout(page):
    x, y, _, _ = page.rect("window")
    for id, twips in TWIPS.items():
        left, top, width, height = page.rect(id)
        actual = (left - x, top - y, width, height)
        check(f"{id} stands where the twips table puts it",
              actual == tuple(t / 15 for t in twips), actual)
    for id, colour in COLOURS.items():
        actual = page.js("return getComputedStyle(arguments[0]).backgroundColor", page[id])
        check(f"{id} is {colour}", actual == colour, actual)
    check("the motto box is hidden", not page["Text1_1"].is_displayed())
    check("the title is the caption, its two blanks kept as a browser can",
          page.driver.title == "www.dorvelan.example \u00a0Дорвелан", repr(page.driver.title))


def phone(page):
    set_viewport(page.driver, 360, 740, phone=True)
    page.wait_for(lambda: page.js("return document.documentElement.clientWidth") == 360)
    page.wait_for(lambda: page.rect("window")[2] < 361)
    scroll = page.js("return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
    check("on a 360-pixel screen nothing scrolls sideways", scroll[0] <= scroll[1], scroll)
    x, y, width, height = page.rect("window")
    scale = 360 / 481
    button = page.rect("Command1_1")
    check("...and the window is scaled whole", abs(width - 360) < 0.5 and
          abs(height - 424 * scale) < 0.5 and abs(button[0] - x - 384 * scale) < 0.5 and
          abs(button[2] - 73 * scale) < 0.5, (width, height, button))
    check("...and still works", page.display("4") == WORKED_EXAMPLE)


def privacy(page, site):
    urls = page.js("return performance.getEntriesByType('resource').map(e => e.name)")
    check("no request leaves the site's origin", urls and all(u.startswith(site.url) for u in urls),
          urls)
    stored = page.driver.execute_async_script(
        "const done = arguments[0]; Promise.all([indexedDB.databases(), caches.keys()])"
        ".then(([databases, caches]) => done([document.cookie, localStorage.length,"
        " sessionStorage.length, databases.length, caches]))")
    check("no cookies, no storage but the service worker's cache",
          stored[:4] == ["", 0, 0, 0] and len(stored[4]) == 1 and
          stored[4][0].startswith("zerkovan-"), stored)
    errors = [e["message"] for e in page.driver.get_log("browser") if e["level"] == "SEVERE"]
    check("the console shows no error (the security policy refused nothing)", not errors, errors)


def accessibility(page, axe):
    page.js(axe)
    violations = page.driver.execute_async_script(
        "axe.run(document).then(r => arguments[0](r.violations.map(v => v.id + ': ' + v.help)))")
    check("axe-core finds no violation", violations == [], violations)


def offline(page, site):
    ready = page.driver.execute_async_script(
        "const done = arguments[0]; setTimeout(() => done(false), 5000);"
        "navigator.serviceWorker.ready.then(() => done(true))")
    check("a service worker takes charge of the site", ready)
    page.driver.refresh()  # the second visit, now under the service worker
    page.wait_for(lambda: page.js("return navigator.serviceWorker.controller !== null"))
    site.stop()
    page.driver.refresh()
    shown = page.display("4") if ready else None
    check("with the server gone, a reload still gives the worked example",
          shown == WORKED_EXAMPLE, repr(shown))


def separator(folder, language, expected):
    site = Site(folder)
    driver = chromium(language)
    try:
        page = Page(driver)
        open_page(driver, site.url)
        shown = page.display(".5")
        check(f"with the browser in {language!r}, .5 is written {expected}",
              shown == f"Числото {expected} не се среща в триъгълника", shown)
    finally:
        driver.quit()
        site.stop()


def main(folder, axe_script):
    with open(axe_script, encoding="utf-8") as f:
        axe = f.read()
    site = Site(folder)
    driver = chromium("bg", 1024, 768)
    try:
        page = Page(driver)
        driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": site.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        open_page(driver, site.url)
        layout(page)
        behaviour(page)
        accessibility(page, axe)
        privacy(page, site)
        phone(page)
        offline(page, site)
    finally:
        driver.quit()
        site.stop()
    separator(folder, "bg", "0,5")
    separator(folder, "en", "0.5")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    started = time.monotonic()
    main(*sys.argv[1:])
    print(f"{len(failures)} failed, in {time.monotonic() - started:.1f} s")
    sys.exit(1 if failures else 0)
