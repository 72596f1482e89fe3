"""Debian's Chromium, headless, driven through chromium-driver, and the
site served on 127.0.0.1: what the web edition's test, benchmark and
screenshots share."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Without the network flags, Chromium reaches for Google's hosts at start.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage"]


class Site:
    """web/serve.py on a free port, stopped when done with."""

    def __init__(self, folder):
        self.process = subprocess.Popen(
            [sys.executable, os.path.join(TOP, "web", "serve.py"), folder, "0"],
            stdout=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        self.url = re.search(r"http://\S+/", line).group(0)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def chromium(language="bg", width=800, height=600):
    profile = tempfile.mkdtemp(prefix="zerkovan-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + [f"--lang={language}", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    quit = driver.quit

    def quit_and_clean():
        quit()
        shutil.rmtree(profile, ignore_errors=True)
    driver.quit = quit_and_clean
    set_viewport(driver, width, height)
    return driver


def set_viewport(driver, width, height, phone=False):
    """The page's viewport exactly; a phone's also follows the page's
    viewport rules, as a mobile browser does. (A headless window's size
    would count its frame, and it is never narrower than 500 pixels.)"""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": phone})


def open_page(driver, url):
    """Loads the page and waits until its module has loaded."""
    driver.get(url)
    driver.execute_async_script(
        "const done = arguments[0];"
        "const wait = () => performance.getEntriesByName(new URL('zerkovan.wasm', location).href)"
        ".length ? done() : setTimeout(wait, 20); wait();")
