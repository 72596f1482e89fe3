#!/usr/bin/python3
"""The web edition's speed: what a first visit transfers, the click on
«Изведи» in Chromium until the output is painted, and the module's run
under Node.js against the native engine.

    usage: web-bench.py SITE_FOLDER NATIVE_FIGURES_JSON
"""
import gzip
import json
import os
import statistics
import subprocess
import sys
import threading

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web"))
from browser import chromium, open_page  # noqa: E402
import serve  # noqa: E402

# In the page: from the click's time stamp to the end of the frame that
# paints the output (a task queued from the frame runs once it is painted),
# and the work itself, to the output laid out.
MEASURE_CLICKS = """
const button = document.getElementById('Command1_0');
const output = document.getElementById('Text2_1');
window.clicks = [];
button.addEventListener('click', (event) => {
    const clicked = event.timeStamp;
    queueMicrotask(() => queueMicrotask(() => {
        const laidOut = (output.scrollHeight, performance.now());
        requestAnimationFrame(() => setTimeout(() => window.clicks.push(
            [performance.now() - clicked, laidOut - clicked]), 0));
    }));
});
"""


def first_visit(folder):
    """Serves the site, opens it once, waits for the service worker to have
    cached it all, and returns what was sent: gzip sizes by file."""
    sent = {}

    class Counting(serve.SiteHandler):
        def send_response(self, code, message=None):
            if code == 200:
                path = os.path.join(folder, self.path.split("?")[0].lstrip("/") or "index.html")
                with open(path, "rb") as f:
                    sent[self.path] = len(gzip.compress(f.read(), 9))
            super().send_response(code, message)

    import functools
    server = serve.http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Counting, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    driver = chromium("bg", 1024, 768)
    try:
        open_page(driver, url)
        driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        driver.execute_script(MEASURE_CLICKS)
        driver.find_element("id", "Text2_0").send_keys("99")
        button = driver.find_element("id", "Command1_0")
        for _ in range(40):
            button.click()
        driver.execute_async_script(
            "const done = arguments[0]; const wait = () => window.clicks.length >= 40 ? done() :"
            " setTimeout(wait, 10); wait();")
        clicks = driver.execute_script("return window.clicks")[5:]  # past the first, cold ones
    finally:
        driver.quit()
        server.shutdown()
    return sent, clicks


def main(folder, figures_path):
    with open(figures_path, encoding="utf-8") as f:
        native = json.load(f)
    sent, clicks = first_visit(folder)
    weight = sum(sent.values()) / 1000
    painted = statistics.median(c[0] for c in clicks)
    work = statistics.median(c[1] for c in clicks)
    module = float(subprocess.check_output(
        ["node", os.path.join(os.path.dirname(os.path.abspath(__file__)), "module-bench.mjs"),
         os.path.join(folder, "zerkovan.wasm")], text=True))
    verdict = lambda met: "met" if met else "NOT MET"  # noqa: E731
    print("\nWeb edition (target in brackets)")
    print(f"  first visit transfers      {weight:8.1f} kB gzip, {len(sent)} files "
          f"[<= 120] {verdict(weight <= 120)}")
    for path, size in sorted(sent.items(), key=lambda item: -item[1]):
        print(f"      {path:28} {size / 1000:6.1f} kB")
    print(f"  click in Chromium, N = 99  {painted:8.2f} ms to the output painted "
          f"[<= 16.7] {verdict(painted <= 16.7)}")
    print(f"      of it the page's work  {work:8.2f} ms; the desktop click (4) "
          f"{native['click_ms']:.2f} ms, ratio {painted / native['click_ms']:.1f}")
    print(f"  module, ShowTriangle 99    {module:8.2f} us under Node; native (1) "
          f"{native['engine_us']:.2f} us, ratio {module / native['engine_us']:.2f}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
