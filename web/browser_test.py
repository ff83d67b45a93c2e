#!/usr/bin/env python3
"""The page in a real headless browser: every golden transcript that needs no terminal and no
system limit is typed into it line by line, and the console's standard output, standard error
and exit status must be the transcript's, byte for byte. Then the pictures of the README's
example and of a decoded code, markup typed as input, huge counts, and a 2,000-vertex printout
while the page keeps answering. Serves the site on 127.0.0.1 with a plain static server.

Usage: browser_test.py SITE TRANSCRIPTS SCREENSHOT
"""
import functools
import http.server
import pathlib
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# What the console holds: standard output (its text outside every typed line, error and
# figure), standard error, and its state.
READ_CONSOLE = """
const view = document.getElementById("console");
let out = "", err = "";
const walk = (node) => {
  if (node.nodeType === Node.TEXT_NODE) out += node.data;
  else if (node.classList.contains("stderr")) err += node.textContent;
  else if (node.localName !== "kbd" && node.localName !== "figure") node.childNodes.forEach(walk);
};
view.childNodes.forEach(walk);
return {out, err, state: view.dataset.state, status: view.dataset.status ?? null};
"""

# Pastes text into the input line, as a user pasting from the clipboard.
PASTE = """
const data = new DataTransfer();
data.setData("text/plain", arguments[0]);
document.getElementById("line").dispatchEvent(
    new ClipboardEvent("paste", {clipboardData: data, bubbles: true, cancelable: true}));
"""

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, flush=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


def start_browser():
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--window-size=1000,1400"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def console(driver):
    return driver.execute_script(READ_CONSOLE)


def settled(driver, seconds=60):
    """The console once the program waits for input or has ended."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        state = console(driver)
        if state["state"] in ("waiting", "ended"):
            return state
        time.sleep(0.02)
    raise TimeoutError("the program neither waits nor has ended")


def open_page(driver, url):
    driver.get(url)
    settled(driver)
    return driver.find_element(By.ID, "line")


def type_session(driver, url, typed):
    """Types a whole session as a terminal user would, ending the input if it ends first."""
    line = open_page(driver, url)
    *lines, rest = typed.split("\n")
    for each in lines:
        if "\t" in each:  # Tab moves the focus in a page: such a line is pasted
            driver.execute_script(PASTE, each + "\n")
        else:
            line.send_keys(each + Keys.ENTER)
    if rest:
        line.send_keys(rest, Keys.CONTROL + "d")
    state = settled(driver)
    if state["state"] != "ended":
        line.send_keys(Keys.CONTROL + "d")
        state = settled(driver)
    return state


def check_transcripts(driver, url, folder):
    for session in sorted(folder.glob("*.in")):
        if session.with_suffix(".limit").exists():
            continue  # needs a limit set on the process
        expect = lambda suffix, default: (session.with_suffix(suffix).read_text()
                                          if session.with_suffix(suffix).exists() else default)
        state = type_session(driver, url, session.read_text())
        name = session.stem
        check(state["state"] == "ended", f"{name}: the program ended")
        check(state["out"] == expect(".out", ""), f"{name}: standard output")
        check(state["err"] == expect(".err", ""), f"{name}: standard error")
        check(state["status"] == expect(".status", "0").strip(), f"{name}: exit status")
        print(f"transcript {name}: typed", flush=True)


def steps_of(driver):
    edges = driver.find_elements(By.CSS_SELECTOR, "#console figure [data-edge]")
    return {edge.get_attribute("data-edge"): edge.get_attribute("data-step") for edge in edges}


def check_pictures(driver, url, screenshot):
    example = {"1-4": "1", "2-4": "2", "3-5": "3", "4-5": "4", "5-6": "5", "6-7": "last"}
    line = open_page(driver, url)
    for number in "1 7 1 4 2 4 4 5 3 5 5 6 6 7".split():
        line.send_keys(number + Keys.ENTER)
    settled(driver)
    vertices = driver.find_elements(By.CSS_SELECTOR, "#console figure [data-vertex]")
    check(sorted(v.get_attribute("data-vertex") for v in vertices) == list("1234567"),
          "the README's example: its vertices drawn")
    check(steps_of(driver) == example, "the README's example: its edges and their steps")
    driver.execute_script("const view = document.getElementById('console');"
                          "view.scrollTop = view.scrollHeight;")
    driver.save_screenshot(str(screenshot))
    line = open_page(driver, url)
    line.send_keys("2\n5\n4\n4\n5\n5\n6\n")
    settled(driver)
    check(steps_of(driver) == example, "a decoded code: the same tree, the same steps")


def check_markup_and_huge_counts(driver, url):
    line = open_page(driver, url)
    line.send_keys("<b>bold</b>" + Keys.ENTER)
    state = settled(driver)
    typed = driver.find_elements(By.CSS_SELECTOR, "#console kbd")
    check(typed and typed[-1].text == "<b>bold</b>", "markup typed is shown as text")
    check(not driver.find_elements(By.CSS_SELECTOR, "#console b"), "markup typed makes no element")
    line.send_keys("1\n2147483647\n2\n2000000000\n")
    state = settled(driver)
    check("There is not enough memory for a tree of 2147483647 vertices." in state["out"],
          "2147483647 vertices refused")
    check("There is not enough memory for a tree of 2000000002 vertices." in state["out"],
          "a code of length 2000000000 refused")


def check_large_printout(driver, url):
    line = open_page(driver, url)
    entries = "".join(f"{k % 2000 + 1}\n" for k in range(1998))
    start = time.monotonic()
    driver.execute_script(PASTE, f"2\n1998\n{entries}")
    answers = []
    while console(driver)["state"] != "waiting":
        asked = time.monotonic()
        driver.execute_script("return 1")
        answers.append(time.monotonic() - asked)
        time.sleep(0.05)
    took = time.monotonic() - start
    print(f"a 2,000-vertex printout took {took:.1f} s to appear; the page answered within "
          f"{max(answers, default=0):.2f} s while it did", flush=True)
    check(max(answers, default=0) < 2, "the page keeps answering during a large printout")
    caption = driver.find_elements(By.CSS_SELECTOR, "#console figcaption")
    check(caption and "too many to draw" in caption[-1].text, "a large tree is not drawn")
    check(driver.find_element(By.ID, "dropped").is_displayed(), "dropped output is said")
    check(console(driver)["out"].endswith("Enter your choice (0 to quit): "), "the tail is kept")


def main():
    site, transcripts, screenshot = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
    url = serve(site)
    driver = start_browser()
    try:
        check_transcripts(driver, url, transcripts)
        check_pictures(driver, url, screenshot)
        check_markup_and_huge_counts(driver, url)
        check_large_printout(driver, url)
    finally:
        driver.quit()
    print(f"{len(failures)} failed" if failures else "every check passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
