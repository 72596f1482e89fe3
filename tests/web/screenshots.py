#!/usr/bin/python3
"""Makes the README's pictures of the web edition in headless Chromium:
the page after displaying 4, at a desktop's width and at a phone's.

    usage: screenshots.py SITE_FOLDER OUTPUT_FOLDER
"""
import os
import sys

from selenium.webdriver.common.by import By

from browser import Site, chromium, open_page, set_viewport


def main(folder, output):
    site = Site(folder)
    try:
        for name, width, height in (("web-desktop.png", 640, 480), ("web-phone.png", 360, 640)):
            driver = chromium("bg", width, height)
            set_viewport(driver, width, height, phone=width < 481)
            try:
                open_page(driver, site.url)
                driver.find_element(By.ID, "Text2_0").send_keys("4")
                driver.find_element(By.ID, "Command1_0").click()
                driver.execute_async_script(
                    "const done = arguments[0]; const wait = () =>"
                    " document.getElementById('Text2_1').value ? done() : setTimeout(wait, 20);"
                    " wait();")
                driver.save_screenshot(os.path.join(output, name))
            finally:
                driver.quit()
    finally:
        site.stop()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
