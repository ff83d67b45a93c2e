"""What the browser test and the web benchmark share: the site served on 127.0.0.1 by a plain
static server, headless Chromium, and a paste into the page's input line."""
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

# Pastes text into the input line, as a user pasting from the clipboard; notes when.
PASTE = """
window.pasted = performance.now();
const data = new DataTransfer();
data.setData("text/plain", arguments[0]);
document.getElementById("line").dispatchEvent(
    new ClipboardEvent("paste", {clipboardData: data, bubbles: true, cancelable: true}));
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    """Serves the folder `site` on a free port of 127.0.0.1; returns its address."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


def start_browser(width=1400, height=1000):
    """Debian's headless Chromium, with none of its own network traffic."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                     "--disable-background-networking", f"--window-size={width},{height}"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
