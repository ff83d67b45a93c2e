#!/usr/bin/env python3
"""The page in a real headless browser, at a laptop's size (1366x768) and a phone's (390x844).

Every golden transcript that needs no terminal and no system limit is typed into it line by
line, and the console's standard output, standard error and exit status must be the
transcript's, byte for byte. Then, at both sizes: every line readable and selectable, the page
opened from the disk and from a web server, the session kept in the address (the README's own
link among them), each typed line after its prompt, drawings whose labels never collide, the
buttons, and accessibility (axe-core, and what reaches a screen reader). Serves the site on
127.0.0.1 with a plain static server and keeps a screenshot of each view in SCREENSHOTS.

Usage: browser_test.py SITE TRANSCRIPTS SCREENSHOTS AXE README [FEATURE...]

A FEATURE is one of console, walk, practice, printing, accessibility and address; each is a test
of its own (ctest -R browser.practice). The scripts that run in the page are in checks/.
"""
import base64
import json
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
import types
import urllib.parse

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

from headless import PASTE, serve, start_browser
from worked import answers_of, code_of_tree, fact_answer, file_of, gift_questions, moodle_questions, sheet_answers

CHECKS = pathlib.Path(__file__).parent / "checks"


def script(name):
    """The script of a check that runs in the page, from checks/NAME.js."""
    return (CHECKS / f"{name}.js").read_text()

SIZES = {"laptop": (1366, 768), "phone": (390, 844)}

# What the console holds: standard output (its text outside every typed line, error and
# figure), standard error, the text as a person reads it (output with the typed lines in
# place), and its state.
READ_CONSOLE = script("read_console")


# Whether every character of the console can be scrolled into view: no block clips its text,
# and the console's scrolling reaches the right end of its widest line outside the boxes that
# scroll on their own.
ALL_READABLE = script("all_readable")

# Whether the latest prompt, the input line and its Send button are all in view.
PROMPT_IN_VIEW = script("prompt_in_view")

# Every drawing's faults: anything outside the picture, labels over labels or over vertices
# that are not their edge's, and edges through vertices that are not their ends.
DRAWING_FAULTS = script("drawing_faults")

# The kinds of exercise, as the page and the program agree on them.
KINDS = json.loads(pathlib.Path(__file__).parent.joinpath("../../src/contract.json").read_text())["kinds"]

# Counts the characters that enter live regions from now on.
COUNT_LIVE = script("count_live")

# Under forced colours: the current row's outline width, the marked vertex's ring width, and the
# contrast of every edge's line against the console's background.
FORCED_MARKS = script("forced_marks")

RUN_AXE = script("run_axe")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, flush=True)


def resize(driver, size):
    width, height = SIZES[size]
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": size == "phone"})


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


def type_numbers(line, driver, numbers):
    """Types each of the blank-separated numbers on a line of its own, as at a terminal."""
    for number in numbers.split():
        line.send_keys(number + Keys.ENTER)
    return settled(driver)


def paste(driver, text):
    driver.execute_script(PASTE, text)
    return settled(driver)


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
    print("transcripts: typed", flush=True)


def code_session(codes):
    """A session that asks for the tree of each code in turn."""
    return "".join(f"2\n{len(code)}\n" + "".join(f"{v}\n" for v in code) for code in codes)


def trees_to_draw():
    """Codes of paths, stars, caterpillars, brooms and random trees of up to 60 vertices."""
    rng = random.Random(20)
    codes = []
    for n in (3, 4, 7, 12, 20, 31, 45, 60):
        codes.append(list(range(2, n)))  # the path 1, 2, ..., n
        codes.append([n] * (n - 2))  # the star around the root
        codes.append([1] * (n - 2))  # the star around 1, hanging from the root
        codes.append([2 + k // 3 for k in range(n - 2)])  # a caterpillar
        codes.append(list(range(2, n // 2)) + [n // 2] * (n - 2 - len(range(2, n // 2))))  # a broom
        codes.append([rng.randint(1, n) for _ in range(n - 2)])
    return codes


def matrices_in(out):
    """The edges of each matrix printed in the output, as sorted "u-v" names."""
    trees = []
    for printout in out.split("The tree is given by the following matrix:\n\n")[1:]:
        rows = printout.split("\n")[2:]
        n = len(rows[0].split()) - 1
        trees.append(sorted(f"{i}-{j}" for i in range(1, n + 1)
                            for j, cell in enumerate(rows[i - 1].split()[1:], start=1)
                            if cell == "1" and i < j))
    return trees


def steps_of(driver):
    edges = driver.find_elements(By.CSS_SELECTOR, "#console figure [data-edge]")
    return {edge.get_attribute("data-edge"): edge.get_attribute("data-step") for edge in edges}


def readme_session(readme):
    """The README's session block, and the link to the same session in the page."""
    block = re.search(r"<!-- session -->\n```\n(.*?)```", readme, re.S).group(1)
    link = re.search(r"\]\((index\.html#[^)]*)\)", readme).group(1)
    return block, link


def check_session_reads_as_readme(driver, url, readme, size, shots):
    """the README's link, a reload, a paste and the address all read alike."""
    block, link = readme_session(readme)
    typed = link.split("#", 1)[1]
    driver.get(urllib.parse.urljoin(url, link))
    state = settled(driver)
    check(state["seen"] == block, f"{size}: the README's link reads as the README's session")
    check(state["status"] == "0", f"{size}: the README's link ends the session with status 0")
    example = "1\n7\n1\n4\n2\n4\n4\n5\n3\n5\n5\n6\n6\n7\n"
    open_page(driver, url)
    entries = driver.execute_script("return history.length")
    state = paste(driver, example)
    check(state["seen"] == block[:block.rindex("Enter your choice")] +
          "Enter your choice (0 to quit): ", f"{size}: a pasted session reads as the README's")
    check(driver.execute_script("return location.hash") == "#" + typed.rsplit("0,", 1)[0],
          f"{size}: the address holds the lines typed so far")
    check(driver.execute_script("return history.length") == entries,
          f"{size}: typing adds no history entry")
    driver.save_screenshot(str(shots / f"{size}-example.png"))
    before = state["seen"]
    driver.refresh()
    check(settled(driver)["seen"] == before, f"{size}: a reload restores the session")
    copy = driver.find_element(By.ID, "copy-link")
    check(copy.is_displayed() and copy.text == "Copy link", f"{size}: a Copy link button")
    copy.click()
    copied = driver.execute_async_script(
        "navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")
    check(copied == driver.current_url, f"{size}: Copy link copies the address")


def check_edge_list(driver, url):
    """A tree typed as a list of edges: the same dialogue and output as typed by hand, or a
    refusal in words that sends nothing."""
    by_hand = type_numbers(open_page(driver, url), driver, "1 7 1 4 2 4 3 5 4 5 5 6 6 7")
    open_page(driver, url)
    field = driver.find_element(By.CSS_SELECTOR, "[data-edge-list]")
    button = driver.find_element(By.CSS_SELECTOR, "[data-type-edge-list]")
    error = driver.find_element(By.CSS_SELECTOR, "[data-edge-list-error]")
    before = console(driver)
    for wrong in ("1-4", "1-4, 2-4, 9-5"):
        field.clear()
        field.send_keys(wrong)
        button.click()
        check(error.is_displayed() and error.text and console(driver)["out"] == before["out"],
              f"a list that is no tree's list is refused in words, nothing sent: {wrong} {error.text}")
    field.clear()
    field.send_keys("1-4, 2-4, 3-5, 4-5, 5-6, 6-7")
    button.click()
    listed = settled(driver)
    check(listed["out"] == by_hand["out"] and not error.is_displayed() and
          driver.execute_script("return location.hash") == "#typed=1,7,1,4,2,4,3,5,4,5,5,6,6,7,",
          f"a tree typed as a list types what a person types: {listed['out'][-200:]!r}")
    type_numbers(driver.find_element(By.ID, "line"), driver, "1")
    field.send_keys("1-2, 2-3")
    button.click()
    check(error.is_displayed() and "menu" in error.text, f"a list is typed only at the menu: {error.text}")


def check_hostile_address(driver, url):
    driver.get(url + "#typed=%3Cimg%20src%3Dx%3E,%E2%80%AE1,%ZZ,&figure=1&step=%3Cimg%3E")
    state = settled(driver)
    typed = [kbd.text for kbd in driver.find_elements(By.CSS_SELECTOR, "#console kbd")]
    check(typed == ["<img src=x>", "\u202e1", "%ZZ"], "an address's text is typed as text only")
    check(not driver.find_elements(By.CSS_SELECTOR, "#console img"), "an address makes no element")
    check(state["state"] == "waiting", "after an address's lines the page waits")
    driver.get(url + "#worksheet=encoding,7,1,2,1,0,%3Cimg%20src%3Dx%20onerror%3D%22window.ran%3D1%22%3E")
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(WORKSHEET)["sheet"])
    check(driver.execute_script(WORKSHEET)["title"] == '<img src=x onerror="window.ran=1">' and not driver.execute_script(
        "return window.ran || document.querySelector('#worksheet img') !== null"), "a worksheet's title is text only")


# Where the last figure named in the address stands: its step, and whether it is in view.
FIGURE_SHOWN = script("figure_shown")

# The field that shows the address when the clipboard is refused.
LINK_FIELD = script("link_field")


# What of the last figure's step is in view, inside the window and every box that scrolls.
STEP_IN_VIEW = script("step_in_view")


def check_step_in_view(driver, url, shots):
    """After every move, the step's control, sentence and marked vertex are in view, at a
    phone's size, a laptop's and a laptop's at 200% zoom; at the laptop's, its table row too."""
    rng = random.Random(27)
    path = "".join(f"{v}\n{v + 1}\n" for v in range(1, 60))
    sessions = {"example": "1\n7\n1\n4\n2\n4\n4\n5\n3\n5\n5\n6\n6\n7\n",
                "path of 60": f"1\n60\n{path}",
                "caterpillar of 60": code_session([[2 + k // 3 for k in range(58)]]),
                "random code of 60": code_session([[rng.randint(1, 60) for _ in range(58)]]),
                # Many leaves, the lowest of them far from the first in the drawing.
                "random tree of 60": "1\n60\n" + "".join(f"{v}\n{rng.randint(1, v - 1)}\n" for v in range(2, 61))}
    moves = ["next", "next", "next", "previous", Keys.ARROW_RIGHT, Keys.ARROW_DOWN, Keys.ARROW_LEFT,
             Keys.END, Keys.ARROW_LEFT, Keys.HOME]
    for size, (width, height) in {**SIZES, "laptop at 200%": (683, 384)}.items():
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": size == "phone"})
        for name, typed in sessions.items():
            open_page(driver, url)
            paste(driver, typed)
            figure = driver.find_elements(By.CSS_SELECTOR, "#console figure[data-figure]")[-1]
            for move in moves:
                if move in ("next", "previous"):
                    figure.find_element(By.CSS_SELECTOR, f"[data-move={move}]").click()
                else:
                    driver.execute_script("arguments[0].focus({preventScroll: true})", figure)
                    ActionChains(driver).send_keys(move).perform()
                seen = driver.execute_script(STEP_IN_VIEW)
                out = [part for part in ("control", "sentence", "vertex") if seen[part] is False]
                if size == "laptop" and seen["row"] is False:
                    out.append("row")
                # The vertex written down or joined to beside the lowest, on a laptop and a phone;
                # on a phone the table never scrolls sideways, nor cuts its caption.
                if size in ("laptop", "phone") and seen["neighbour"] is False:
                    out.append("neighbour")
                if size == "phone" and seen["sideways"]:
                    out.append("the table, sideways")
                check(not out, f"{size}, {name}, step {seen['step']}: out of view: {out}")
            driver.save_screenshot(str(shots / f"{size.replace(' ', '-').replace('%', '')}-{name.replace(' ', '-')}-steps.png"))
    resize(driver, "laptop")


def printed(driver, paper, shots, name="printed", sizes=False):
    """The page printed on `paper` ("A4" or "Letter"): the text of each page of the PDF; with
    `sizes`, also the height of the smallest word's box on each page, in points."""
    inches = {"A4": (8.27, 11.69), "Letter": (8.5, 11)}[paper]
    pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {
        "paperWidth": inches[0], "paperHeight": inches[1], "printBackground": True,
        "preferCSSPageSize": True})["data"])
    path = shots / f"{name}-{paper}.pdf"
    path.write_bytes(pdf)
    text = subprocess.run(["pdftotext", "-layout", "-enc", "UTF-8", str(path), "-"], check=True,
                          capture_output=True, text=True).stdout
    if not sizes:
        return text.split("\f")
    boxes = subprocess.run(["pdftotext", "-bbox", str(path), "-"], check=True, capture_output=True, text=True).stdout
    smallest = [min((float(b) - float(a) for a, b in re.findall(r'<word [^>]*yMin="([0-9.]+)" [^>]*yMax="([0-9.]+)"', page)),
                    default=None) for page in boxes.split("<page ")[1:]]
    return text.split("\f"), smallest


# A word's box is 1.164 times its font's size in DejaVu Sans, the font the drawings print in.
SMALLEST_LABEL = 7 * 1.164


def check_print(driver, url, shots):
    """Printed on A4 and Letter: every line the console keeps, every matrix that fits a page
    whole on one, every figure of a walk whole on one page with its table, its drawing the whole
    tree whatever step was shown, table headings unbroken; a drawing too large for a page in
    parts on pages of their own, its labels no smaller than 7 pt; and nothing to type into and
    no button."""
    line = open_page(driver, url)
    type_numbers(line, driver, "2 10 10 10 10 1 1 2 3 3 9 9 1 4 1 2 2 3 1 3")
    paste(driver, "1\n7\n1\n4\n2\n4\n4\n5\n3\n5\n5\n6\n6\n7\n")
    figure = driver.find_elements(By.CSS_SELECTOR, "#console figure[data-figure]")[-1]
    for _ in range(3):
        figure.find_element(By.CSS_SELECTOR, "[data-move=next]").click()
    rng = random.Random(5)
    paste(driver, "1\n60\n" + "".join(f"{rng.randint(1, v)}\n{v + 1}\n" for v in range(1, 60)))
    seen = console(driver)["seen"]
    lines = [" ".join(each.split()) for each in seen.split("\n") if each.strip()]
    for paper in ("A4", "Letter"):
        pages, smallest = printed(driver, paper, shots, sizes=True)
        flat = [" ".join(page.split()) for page in pages]
        whole = " ".join(flat)
        missing = [each for each in lines if each not in whole]
        check(not missing, f"{paper}: every line of the console is printed (missing {missing[:3]})")
        for word in ("Your input", "Copy link", "End input", "Previous step", "Next step", "Ent ry", "Low est"):
            check(word not in whole, f"{paper}: {word!r} is not printed")
        ends = [[k for k, page in enumerate(pages) if re.search(rf"^\s*{row}(\s+[01]){{12}}\s*$", page, re.M)] for row in (1, 12)]
        check(len(ends[0]) == 1 and ends[0] == ends[1], f"{paper}: the 12-vertex matrix is printed whole on one page: {ends}")
        # Each figure whole on a page: its drawing with the edge labelled "left over", which
        # the decoding draws only once joined, its caption and its table.
        figures = [("left over", "The tree drawn from vertex 12", "the two vertices still unused"),
                   ("left over", "The tree drawn from vertex 7", "the two vertices left, 6 and 7")]
        for parts in figures:
            on = [k for k, page in enumerate(flat) if all(part in page for part in parts)]
            check(on, f"{paper}: the figure of {parts[1]!r} is printed whole on one page, its whole tree drawn")
        drawn = [k for k, page in enumerate(flat) if page.startswith("The drawing, part ")]
        check(len(drawn) > 1 and all(f"part {j + 1} of {len(drawn)}" in flat[k] for j, k in enumerate(drawn))
              and all(smallest[k] >= SMALLEST_LABEL for k in drawn),
              f"{paper}: the 60-vertex drawing in parts, each on a page, its labels 7 pt or more: "
              f"{[(k, smallest[k]) for k in drawn]}")


# How the console lays out at a narrow width: whether the page or the console scrolls sideways,
# whether every line outside a matrix wraps within the console, and, for each matrix, whether
# its rows stay whole (no row taller than a line) and whether its box scrolls sideways.
REFLOW = script("reflow")


def check_reflow(driver, url, shots):
    """At 320 px wide the page never scrolls sideways: every line wraps within the console but a
    matrix's, whose box scrolls sideways, its rows whole under their heading."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 320, "height": 568, "deviceScaleFactor": 1, "mobile": True})
    open_page(driver, url)
    path = "".join(f"{v}\n{v + 1}\n" for v in range(1, 30))
    state = paste(driver, f"1\n30\n{path}2\n3\n4\n4\n4\n")
    laid = driver.execute_script(REFLOW)
    check(laid["page"] is False and laid["console"] is False and laid["unwrapped"] == 0 and
          [m["whole"] for m in laid["matrices"]] == [True, True] and
          laid["sentences"] == [True, True] and
          laid["matrices"][0]["scrolls"],
          f"320 px: lines wrap, and matrices scroll sideways whole {laid}")
    check("The Pruefer Code is ( " + " ".join(str(v) for v in range(2, 30)) + " )\n" in state["out"],
          "320 px: standard output stays what the program wrote")
    driver.save_screenshot(str(shots / "narrow-320.png"))
    resize(driver, "laptop")


def check_links(driver, url, size):
    """A link names a figure and its step, with no history entry per step, and opens at it;
    where the clipboard is refused, Copy link shows the address in a field that fits."""
    line = open_page(driver, url)
    type_numbers(line, driver, "2 1 3 1 7 1 4 2 4 4 5 3 5 5 6 6 7")
    figure = driver.find_elements(By.CSS_SELECTOR, "#console figure[data-figure]")[-1]
    entries = driver.execute_script("return history.length")
    for _ in range(4):
        figure.find_element(By.CSS_SELECTOR, "[data-move=next]").click()
    time.sleep(0.1)
    link = driver.current_url
    check(link.endswith("&figure=2&step=4") and driver.execute_script("return history.length") == entries,
          f"{size}: stepping names the figure and its step in the address ({link[-30:]})")
    driver.get("about:blank")
    driver.get(link)
    settled(driver)
    time.sleep(0.2)
    shown = driver.execute_script(FIGURE_SHOWN, "2")
    check(shown == {"step": "4", "inView": True}, f"{size}: a link opens its figure at its step {shown}")
    paste(driver, code_session([[k % 300 + 1 for k in range(298)]]))
    driver.execute_script("navigator.clipboard.writeText = () => Promise.reject(new Error('refused'));")
    driver.find_element(By.ID, "copy-link").click()
    time.sleep(0.1)
    field = driver.execute_script(LINK_FIELD)
    check(field == {"shown": True, "value": driver.current_url, "focused": True, "selected": True,
                    "widened": False}, f"{size}: a refused clipboard shows the link in a field {field | {'value': len(field['value'])}}")


def check_readable(driver, url, size, shots):
    """every line can be scrolled into view, selected and copied."""
    open_page(driver, url)
    paste(driver, code_session([[60] * 58]))
    readable = driver.execute_script(ALL_READABLE)
    check(readable["clipped"] == 0, f"{size}: no block of the console clips its text")
    check(readable["reach"] + 2 >= readable["needed"],
          f"{size}: the console scrolls to the end of its widest line {readable}")
    check(driver.execute_script(PROMPT_IN_VIEW),
          f"{size}: the latest prompt, the input line and Send are in view together")
    driver.execute_script(script("readable"))
    time.sleep(0.2)
    driver.save_screenshot(str(shots / f"{size}-matrix-scrolled.png"))
    check_selection(driver, size)
    line = driver.find_element(By.ID, "line")
    line.send_keys("\u202e12" + Keys.ENTER)
    settled(driver)
    order = driver.execute_script(script("readable_2"))
    check(order == ["isolate", True], f"{size}: a typed line never reorders the text after it")


def check_selection(driver, size):
    """A double-click selects a number of the output; a plain click gives the input the focus."""
    view = driver.find_element(By.ID, "console")
    driver.execute_script("arguments[0].scrollTop = 0; arguments[0].scrollLeft = 0;", view)
    x, y = driver.execute_script(script("selection"), view)
    offset = lambda: (int(x - view.size["width"] / 2), int(y - view.size["height"] / 2))
    ActionChains(driver).move_to_element_with_offset(view, *offset()).double_click().perform()
    selected = driver.execute_script("return document.getSelection().toString()")
    check(selected.strip() == "the", f"{size}: a double-click selects a word ({selected!r})")
    ActionChains(driver).pause(1).move_to_element_with_offset(view, *offset()).click().perform()
    check(driver.switch_to.active_element.get_attribute("id") == "line",
          f"{size}: a click that selects nothing gives the input line the focus")


def check_drawings(driver, url, size, shots):
    """labels never collide, in every drawing of every kind of tree."""
    # the root 7 with children 1, 4 and 5
    type_numbers(open_page(driver, url), driver, "1 7 7 1 7 4 7 5 2 4 3 5 6 5")
    codes = trees_to_draw()
    out = paste(driver, code_session(codes))["out"]
    drawn = [sorted(edge.get_attribute("data-edge") for edge in svg.find_elements(
        By.CSS_SELECTOR, "[data-edge]")) for svg in driver.find_elements(
        By.CSS_SELECTOR, "#console figure svg[role=img]")]
    check(drawn == matrices_in(out), f"{size}: every tree drawn as its matrix says")
    for fault in driver.execute_script(DRAWING_FAULTS):
        check(False, f"{size}: {fault}")
    figures = driver.find_elements(By.CSS_SELECTOR, "#console figure")
    for name, index in (("star", -5), ("random", -1), ("caterpillar", -3)):
        driver.execute_script("arguments[0].scrollIntoView()", figures[index])
        driver.save_screenshot(str(shots / f"{size}-drawing-{name}-60.png"))
    if size == "laptop":
        check_fitted(driver)
    rows = [len(figure.find_elements(By.CSS_SELECTOR, "table.walk tbody tr[data-step]"))
            for figure in figures[1:]]
    check(rows == [len(code) + 1 for code in codes],
          f"{size}: each drawing's table has a row per step and one for the edge left over")


# Each drawing's scale, and whether it fits its box's width.
FITTED = script("fitted")


def check_fitted(driver):
    """At a laptop's size every drawing fits its box, at three quarters of its size at least,
    and one made smaller can be seen at its full size."""
    fitted = driver.execute_script(FITTED)
    # Before step 1 a drawing shows its whole tree, made as small as that takes; at a step, no
    # smaller than three quarters.
    faults = [(k, f) for k, f in enumerate(fitted) if not f["fits"] or f["whole"] != (f["scale"] < 0.999) or
              (f["scale"] < 0.749 if f["step"] != "0" else not f["tall"])]
    check(not faults, f"laptop: every drawing fits, whole before step 1 {faults[:3]}")
    smaller = [k for k, f in enumerate(fitted) if f["scale"] < 0.999]
    check(smaller, "laptop: some drawing of 60 vertices is made smaller to fit")
    if smaller:
        button = driver.find_elements(By.CSS_SELECTOR, "#console figure[data-figure] .see-whole")[smaller[0]]
        button.click()
        whole = driver.execute_script(FITTED)[smaller[0]]
        check(abs(whole["scale"] - 1) < 0.01 and button.get_attribute("aria-pressed") == "true",
              f"laptop: a drawing made smaller is seen at full size on asking {whole}")
        shown = driver.execute_script(script("drawing_shows"), smaller[0])
        check(shown > 0, f"laptop: a drawing at full size shows its tree, not an empty box ({shown} vertices)")
        button.click()


def table_of(driver):
    """The last walk table: its kind, and each row's data attributes but its step."""
    return driver.execute_script(script("table_of"))


def check_pictures(driver, url, size, shots):
    """The README's example drawn, its walks tabulated, and stepped through by keyboard alone."""
    example = {"1-4": "1", "2-4": "2", "3-5": "3", "4-5": "4", "5-6": "5", "6-7": "last"}
    type_numbers(open_page(driver, url), driver, "1 7 1 4 2 4 4 5 3 5 5 6 6 7")
    vertices = driver.find_elements(By.CSS_SELECTOR, "#console figure [data-vertex]")
    check(sorted(v.get_attribute("data-vertex") for v in vertices) == list("1234567"),
          "the README's example: its vertices drawn")
    check(steps_of(driver) == example, "the README's example: its edges and their steps")
    legend = driver.execute_script(script("legend"), "#console figure[data-figure]")
    check(legend["shown"] and legend["words"][:3] == ["the lowest leaf, removed at this step", "the other leaves",
                                                        "its neighbour, written down"],
          f"{size}: the step view's legend says what each mark means: {legend}")
    leaves = ["1 2 3 7", "2 3 7", "3 4 7", "4 7", "5 7"]
    so_far = ["4", "4 4", "4 4 5", "4 4 5 5", "4 4 5 5 6"]
    rest = ["4 4 5 5 6", "4 5 5 6", "5 5 6", "5 6", "6"]
    new = ["", "4", "", "5", "6"]
    encoding = [{"step": str(k + 1), "leaves": leaves[k], "leaf": leaves[k][0], "written": w,
                 "soFar": so_far[k], "newLeaf": new[k]}
                for k, w in enumerate("44556")] + [{"step": "last", "edge": "6-7"}]
    check(table_of(driver) == ["encoding", encoding], "the README's example: its encoding table")
    check_changes(driver, "encoding", [
        "4 keeps another neighbour: no new leaf.", "4 is left with one neighbour: it becomes a leaf.",
        "5 keeps another neighbour: no new leaf.", "5 is left with one neighbour: it becomes a leaf.",
        "6 is left with one neighbour: it becomes a leaf."])
    check_step_control(driver, size, shots)
    open_page(driver, url)
    paste(driver, "2\n5\n4\n4\n5\n5\n6\n")
    check(steps_of(driver) == example, "a decoded code: the same tree, the same steps")
    decoding = [{"step": str(k + 1), "entry": e, "free": leaves[k], "leaf": leaves[k][0],
                 "rest": rest[k], "newFree": new[k]}
                for k, e in enumerate("44556")] + [{"step": "last", "edge": "6-7"}]
    check(table_of(driver) == ["decoding", decoding], "the code 4 4 5 5 6: its decoding table")
    freed = "After this entry, {} no longer appears in the rest of the code: it becomes free."
    check_changes(driver, "decoding", [
        "No vertex becomes free.", freed.format(4), "No vertex becomes free.", freed.format(5),
        freed.format(6)])
    check_decoding_states(driver)
    paste(driver, "2\n0\n")
    check(table_of(driver) == ["decoding", [{"step": "last", "edge": "1-2"}]],
          "a tree on 2 vertices: only the edge left over")


def check_changes(driver, coding, expected):
    """Each step's "What changes" cell, and the step's sentence ending with the same words."""
    cells = driver.execute_script(script("changes"))
    check(cells == expected, f"{coding}: what each step changes ({cells})")


# The states the drawing of the last figure marks, and what its step control says.
STATES = script("states")


def check_decoding_states(driver):
    """The decoding of 4 4 5 5 6 before step 1, which draws no edge, and at step 2."""
    edges = ["1-4", "2-4", "3-5", "4-5", "5-6", "6-7"]
    cases = [
        (0, {"none": list("1234567"), "coming": edges, "hidden": edges},
         "The code: 4 4 5 5 6", None),
        (2, {"used": ["1"], "lowest": ["2"], "free": ["3", "7"], "entry": ["4"], "none": ["5", "6"],
             "joined": ["1-4"], "current": ["2-4"], "coming": edges[2:], "hidden": edges[2:]},
         "Rest of the code: 4 5 5 6", "4"),
    ]
    figure = driver.find_elements(By.CSS_SELECTOR, "#console figure")[-1]
    for step, states, code, marked in cases:
        for _ in range(step):
            figure.find_element(By.CSS_SELECTOR, "[data-move=next]").click()
        now = driver.execute_script(STATES)
        check(now["states"] == states and now["code"] == code and now["marked"] == marked,
              f"decoding at step {step}: {now}")


def check_step_control(driver, size, shots):
    """From the input line, by keyboard alone: Next, then the arrow keys on the figure."""
    state = script("step_control")
    keys = ActionChains(driver)

    def tab_back_to(target):
        # What lies between depends on the layout: a box that scrolls is a stop of its own.
        for _ in range(6):
            keys.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
            if driver.execute_script(state)["focus"] == target:
                break
        return driver.execute_script(state)

    first = tab_back_to("next")
    check(first["step"] == "0" and first["focus"] == "next",
          f"{size}: the step control starts before step 1, and Shift-Tab reaches Next")
    keys.send_keys(Keys.ENTER).perform()
    now = driver.execute_script(state)
    check(now["step"] == "1" and now["row"] == "1" and now["current"] == ["1-4"] and
          now["lowest"] == ["1"] and
          now["said"] == "Step 1 of 5: the leaves are 1, 2, 3 and 7; the lowest, 1, is "
                         "removed with its edge to 4, and 4 is written down. 4 keeps another "
                         "neighbour: no new leaf.", f"Next: step 1 {now}")
    tab_back_to("figure")
    keys.send_keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT).perform()
    now = driver.execute_script(state)
    check(now["step"] == "3" and now["focus"] == "figure" and now["removed"] == ["1", "1-4", "2", "2-4"]
          and now["current"] == ["3-5"], f"the arrow keys step on: step 3 {now}")
    marks = driver.execute_script(STATES)
    check(marks["states"] == {"removed": ["1", "1-4", "2", "2-4"], "lowest": ["3"], "leaf": ["4", "7"],
                              "neighbour": ["5"], "none": ["6"], "current": ["3-5"],
                              "present": ["4-5", "5-6", "6-7"]}
          and marks["code"] == "Written so far: 4 4 5", f"the encoding at step 3 marks {marks}")
    driver.execute_script(script("step_control_2"))
    driver.save_screenshot(str(shots / f"{size}-steps.png"))
    keys.send_keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT).perform()
    now = driver.execute_script(state)
    check(now["step"] == "last" and now["row"] == "last" and now["current"] == ["6-7"],
          f"past the last step the walk stays at the edge left over {now}")
    keys.send_keys(Keys.ARROW_LEFT).perform()
    check(driver.execute_script(state)["step"] == "5", "the left arrow steps back")
    keys.send_keys(Keys.HOME).perform()
    now = driver.execute_script(state)
    check(now["step"] == "0" and now["current"] == [] and now["removed"] == [], "Home: the whole tree")


def check_buttons(driver, url, size):
    """Send sends the line as Enter does; End input is set apart and loses nothing."""
    line = open_page(driver, url)
    line.send_keys("1")
    driver.find_element(By.ID, "send").click()
    settled(driver)
    line.send_keys("7")
    driver.find_element(By.ID, "send").click()
    state = settled(driver)
    check(state["seen"].endswith("(0 to quit): 1\n\nHow many vertices does your tree have?: 7\n"
                                 "Please enter the 6 edges of your tree, one at a time.\n\n"
                                 "Edge #1\nFirst Vertex: "), f"{size}: Send sends a line")
    send = driver.find_element(By.ID, "send").rect
    end = driver.find_element(By.ID, "end-input")
    check(end.text == "End input" and (end.rect["y"] >= send["y"] + send["height"] or
                                       end.rect["x"] >= send["x"] + send["width"] + 40),
          f"{size}: End input is set apart from Send")
    line.send_keys("3")
    end.click()
    state = settled(driver)
    check(state["seen"].endswith("First Vertex: 3\nSecond Vertex: \n") and state["status"] == "1",
          f"{size}: End input sends the typed line whole, then ends the input")


# What the practice shows: the exercise, its steps and their results, the words said, the
# drawing's marked vertices and its edges, and the summary.
PRACTICE = script("practice")
IN_VIEW = script("in_view")

# Exercises pinned by their seed, as the coding core draws them on every platform, each worked
# by keyboard: the answers typed ("?" asks for a hint), the results of the steps, and the summary
# (steps right at the first try, hints).
PRACTICE_CASES = [
    ("encoding", 7, 1, ["3", "?", "1", "7", "1", "4", "4"], ["right"] * 5, ["4", "2"]),
    ("decoding", 7, 1, ["?", "?", "?", "4", "1", "2", "3", "6", "4", "7 5"], ["right"] * 6, ["5", "3"]),
    ("decoding", 12, 4294967295, [], [""], None),
]

# For each case above: the steps that needed help, each step's kind of mistake, and the exercise
# offered next.
PRACTICE_REVIEWS = {
    ("encoding", 7): (["Step 1: a vertex that is not the lowest leaf's neighbour; 2 hints"],
                      ["other", "", "", "", ""], "Another exercise of 7 vertices"),
    ("decoding", 7): (["Step 1: a vertex still in the rest of the code; the answer shown"],
                      ["in-rest", "", "", "", "", ""], "Another exercise of 7 vertices"),
    ("decoding", 12): ([], [""], None),
}

# After the k-th answer or hint of a case above: the hint's level, the drawing's marks, how many
# edges it draws, words said, and the screenshot taken then.
PRACTICE_STEPS = {
    ("encoding", 0): ("1", {}, 6, "Not 3: the entry is the neighbour of the lowest leaf. Find the leaves", "wrong"),
    ("encoding", 1): ("2", {"leaf": ["2", "3", "5", "6"]}, 6, "The leaves are 2, 3, 5 and 6", "hint"),
    ("encoding", 2): (None, {"removed": ["2"]}, 6, "Right: the lowest leaf, 2, is removed", None),
    ("decoding", 0): ("1", {"entry": ["3"]}, 0, "Find the vertices not yet used", None),
    ("decoding", 1): ("2", {"entry": ["3"], "free": ["1", "2", "6"]}, 0, "are 1, 2 and 6", None),
    ("decoding", 2): ("3", {"entry": ["3"], "free": ["2", "6"], "lowest": ["1"]}, 0,
                      "Showing the answer: the lowest of them is 1", "hint"),
    ("decoding", 3): ("3", {"entry": ["3"], "free": ["2", "6"], "lowest": ["1"]}, 0,
                      "Not 4: 4 still appears in the code from this entry on", "wrong"),
    ("decoding", 4): (None, {"used": ["1"], "entry": ["7"]}, 1, "Right: 1 is joined to entry 3.", None),
    ("decoding", 9): (None, {"used": ["1", "2", "3", "4", "6"]}, 6, "Right: the edge left over is 5–7.", None),
}


def check_practice(driver, url, axe, size, shots):
    """Exercises in both directions worked by keyboard, checked, hinted and summed up."""
    for direction, n, seed, typed, results, summary in PRACTICE_CASES:
        driver.get(f"{url}#practise={direction},{n},{seed}")
        driver.execute_script("localStorage.clear()")  # as a fresh browser: nothing worked yet
        driver.refresh()
        settled(driver)
        before = console(driver)["out"]
        field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
        for k, answer in enumerate(typed):
            if answer == "?":
                field.send_keys(Keys.TAB, Keys.TAB, Keys.ENTER)  # past Check, to Hint
            else:
                field.send_keys(answer + Keys.ENTER)
            now = driver.execute_script(PRACTICE)
            if (direction, k) in PRACTICE_STEPS:
                level, marks, edges, said, shot = PRACTICE_STEPS[direction, k]
                # The first hint is the rule alone: it names no vertex, so neither the answer.
                check(now["level"] == level and now["marks"] == marks and now["edges"] == edges
                      and said in now["said"] and (level != "1" or not re.search(r"\d", now["hint"])),
                      f"{size}: {direction}, after {k + 1} answers or hints: {now}")
                if shot:
                    driver.save_screenshot(str(shots / f"{size}-practise-{direction}-{shot}.png"))
        now = driver.execute_script(PRACTICE)
        check(now["results"] == results and (now["summary"] and now["summary"][:2]) == summary,
              f"{size}: {direction} {n} {seed} worked: {now['results']} {now['summary']}")
        legend = driver.execute_script(script("legend"), "#practise [data-exercise]")
        check(legend["shown"] and len(legend["words"]) >= 4, f"{size}: the exercise's legend: {legend}")
        review, mistakes, fitting = PRACTICE_REVIEWS[direction, n]
        check(now["mistakes"] == mistakes and now["review"] == review and now["next"] == fitting,
              f"{size}: {direction} {n} {seed}: each mistake named, the steps that needed help, the next: {now}")
        if summary:
            check(now["walk"] == 1 and now["focus"] == "Another exercise",
                  f"{size}: the finished walk is tabulated and Another exercise has the focus")
            driver.save_screenshot(str(shots / f"{size}-practise-{direction}-summary.png"))
            check(console(driver)["out"] == before, f"{size}: practice leaves the console alone")
    check(driver.execute_script(PRACTICE)["code"] == "11 1 12 11 6 10 10 5 6 7",
          f"{size}: a seed gives the code the coding core draws for it on every platform")
    driver.execute_script(axe)
    for violation in driver.execute_async_script(RUN_AXE):
        check(False, f"{size}, practice: {violation}")
# Exercises on what a code tells, one of each kind and form, each answered wrong then right by
# keyboard: its kind, seed, and the kind of mistake its wrong answer makes, by the answer.
FACT_CASES = [("leaves", 1, "in-code"), ("degree", 1, "one-too-low"), ("count", 1, "all-trees"), ("count", 5, "n-to-the-n"),
              ("code-of", 1, "right-entry"), ("code-of", 2, None)]


def wrong_fact(exercise, answer):
    """A wrong answer to an exercise on what a code tells, of the kind a learner gives: a vertex
    of the code among the leaves, a degree without its one more, all trees or n^n for a count,
    a right entry for the wrong one, or the other word."""
    n, kind = int(exercise["n"]), exercise["kind"]
    if kind == "leaves":
        return " ".join(map(str, answer + [int(exercise["code"].split()[0])]))
    if kind == "degree":
        return str(answer - 1)
    if kind == "count":
        return str(n ** (n - 2) if exercise["question"] == "degrees" else n ** n)
    if exercise["question"] == "which":
        return "1" if answer != 1 else "2"
    return "no" if answer == "yes" else "yes"


def check_facts(driver, url, size, shots):
    """One exercise of each kind on what a code tells worked by keyboard, wrong and then right:
    what it shows, the wrong answer's kind of mistake and its words, which never give the
    answer, the hint, and the summary."""
    for kind, seed, mistake in FACT_CASES:
        driver.get(f"{url}#practise={kind},7,{seed}")
        driver.execute_script("localStorage.clear()")
        driver.refresh()
        settled(driver)
        exercise = driver.execute_script("return {...document.querySelector('#practise [data-exercise]').dataset}")
        answer = fact_answer(exercise)
        wrong = wrong_fact(exercise, answer)
        field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
        field.send_keys(wrong + Keys.ENTER)
        now = driver.execute_script(PRACTICE)
        told = str(answer) if isinstance(answer, int) and answer > 9 else None
        # A list taken for the code is wrong in one of three ways, whichever this one is.
        expected = mistake or ("is-code" if answer == "yes" else next(
            (each for each in ("leaf-in-list", "degree-count", "order") if each in now["mistakes"]), "a list's mistake"))
        check(exercise["kind"] == kind and exercise["seed"] == str(seed) and now["results"] == ["wrong"]
              and now["mistakes"] == [expected] and now["level"] == "1" and (told is None or told not in now["said"]),
              f"{size}: {kind} {seed}, answered {wrong}: {now['mistakes']} {now['said']!r}")
        driver.save_screenshot(str(shots / f"{size}-practise-{kind}-{seed}-wrong.png"))
        right = {list: lambda a: ", ".join(map(str, a)), int: str, str: str}[type(answer)](answer)
        driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]").send_keys(right + Keys.ENTER)
        now = driver.execute_script(PRACTICE)
        check(now["results"] == ["right"] and now["summary"] and now["summary"][:2] == ["0", "1"]
              and now["focus"] == "Another exercise", f"{size}: {kind} {seed}, answered {right}: {now['summary']}")


def check_practice_on_one_screen(driver, url, size, shots):
    """A 12-vertex exercise answered wrong at every step, both ways: the drawing, the step, its
    box, the verdict and the hint in view together on a laptop, and on a phone the box, the
    verdict and the hint with the drawing's marked vertex."""
    for direction in ("encoding", "decoding"):
        driver.get(f"{url}#practise={direction},12,3")
        driver.execute_script("localStorage.clear()")
        driver.refresh()
        settled(driver)
        now = driver.execute_script(PRACTICE)
        if direction == "encoding":
            task = driver.find_element(By.CSS_SELECTOR, "#practise .task").text
            edges = [tuple(map(int, pair)) for pair in re.findall(r"(\d+)–(\d+)", task)]
            code = code_of_tree(12, edges)
        else:
            code = [int(v) for v in now["code"].split()]
        check(now["focus"] == "answer-3", f"{size}: a practice link puts the cursor in the answer box: {now['focus']}")
        field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
        wanted = ["field", "verdict", "hint", "marked"] + (["drawing", "item"] if size == "laptop" else [])
        for k, answer in enumerate(answers_of(direction, code, None)):
            field.send_keys(("98 99" if " " in answer else "99") + Keys.ENTER)
            seen = driver.execute_script(script("practice_in_view"))
            check(all(seen[part] for part in wanted), f"{size}: {direction} 12, step {k + 1} answered wrong: {seen}")
            if k in (0, 5):
                driver.save_screenshot(str(shots / f"{size}-practise-{direction}-12-wrong-{k + 1}.png"))
            if " " in answer:
                check(field.get_attribute("inputmode") == "text", f"{size}: the edge left over is typed on a keyboard with blanks")
            field.send_keys(answer + Keys.ENTER)
            if k == 1:
                # A reload resumes the work where it was, the verdicts and the mistakes as shown.
                driver.refresh()
                settled(driver)
                kept = driver.execute_script(PRACTICE)
                check(kept["results"][:3] == ["right", "right", ""] and kept["mistakes"][:2] == ["not-a-vertex"] * 2,
                      f"{size}: {direction} 12 resumed after a reload: {kept['results']} {kept['mistakes']}")
                field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
        check(driver.execute_script(PRACTICE)["summary"] is not None, f"{size}: {direction} 12 finished")


def check_practice_links(driver, url, shots):
    """A link names the exercises, the same in a fresh browser; a broken one opens the defaults;
    a new exercise and the next one by keyboard alone."""
    for broken in ("#practise=encoding,99,1", "#practise=decoding,7,4294967296", "#practise=decoding,7,1,5",
                   '#practise=<img src=x onerror="window.ran=1">'):
        driver.get(url + broken)
        settled(driver)
        now = driver.execute_script(PRACTICE)
        check(now["direction"] == "encoding" and now["n"] == "7" and not driver.execute_script(
            "return window.ran || document.querySelector('#practise img') !== null"),
              f"a broken practice address opens the defaults: {broken}")
    # A change of size is a new exercise, the cursor in its answer box; so is New exercise.
    driver.find_element(By.ID, "practise-size").send_keys("5")
    now = driver.execute_script(PRACTICE)
    check(now["n"] == "5" and now["hash"] == f"#practise=encoding,5,{now['seed']}" and
          now["focus"] == f"answer-{now['seed']}", f"a change of size, by keyboard: {now}")
    driver.find_element(By.CSS_SELECTOR, "#practise-choice button[type=submit]").send_keys(Keys.ENTER)
    again = driver.execute_script(PRACTICE)
    check(again["n"] == "5" and again["seed"] != now["seed"] and again["focus"] == f"answer-{again['seed']}",
          f"New exercise, by keyboard: {again}")
    driver.get(url + "#practise=decoding,7,1")
    settled(driver)
    now = driver.execute_script(PRACTICE)
    check(now["focus"] == "answer-1" and driver.execute_script(IN_VIEW, "#practise input[data-answer]"),
          f"a teacher's link puts the cursor in the exercise's answer box, in view: {now}")
    ours = driver.execute_script("return document.querySelector('[data-exercise]').outerHTML")
    other = start_browser()
    try:
        other.get(url + "#practise=decoding,7,1")
        settled(other)
        theirs = other.execute_script("return document.querySelector('[data-exercise]').outerHTML")
        check(ours == theirs, "the same link gives the same exercise in a fresh browser")
    finally:
        other.quit()
    field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
    for answer in ("1", "2", "3", "6", "4", "5 7"):
        field.send_keys(answer + Keys.ENTER)
    ActionChains(driver).send_keys(Keys.ENTER).perform()
    now = driver.execute_script(PRACTICE)
    check(now["seed"] == "2" and now["hash"] == "#practise=decoding,7,2" and now["focus"] == "answer-2",
          f"Another exercise draws the next seed's: {now}")
    field = driver.find_element(By.CSS_SELECTOR, "#practise input[data-answer]")
    for answer in ("2", "5", "3"):
        field.send_keys(answer + Keys.ENTER)
    type_numbers(driver.find_element(By.ID, "line"), driver, "1")
    driver.refresh()
    seen = settled(driver)["seen"]
    now = driver.execute_script(PRACTICE)
    check(now["hash"] == "#typed=1,&practise=decoding,7,2" and now["seed"] == "2" and
          seen.endswith("(0 to quit): 1\n\nHow many vertices does your tree have?: "),
          f"the address keeps the session and the exercise together: {now['hash']}")
    check(now["results"] == ["right", "right", ""] and now["mistakes"] == ["", "not-lowest", ""]
          and now["said"].startswith("Right: 3 is joined to entry 1."),
          f"a reload resumes the exercise at the step reached, as it was shown: {now}")


# Worksheets a teacher makes, each printed and checked page by page: its direction, size,
# whether mixed and with a key, and the fewest exercises each full page of the student's holds.
SHEETS = [("encoding", 7, False, True, 4), ("decoding", 7, False, True, 4), ("encoding", 12, False, False, 2),
          ("decoding", 12, False, True, 2), ("encoding", 12, True, True, 2), ("degree", 7, True, True, 4)]

# How each exercise of a sheet begins and ends, as printed.
QUESTION_STARTS = re.compile(r"\b\d+\. (?:Find the|Which vertices|How many|Is \d|The list)")
QUESTION_ENDS = ("Its code:", "The edge left over:", "Answer:")
HOSTILE_TITLE = "<b>Week 3</b> & ]]> {1:NUMERICAL:=3} ~=#: \\"
WORKSHEET = script("worksheet")


def make_sheet(driver, direction, n, count, answers, mix, title):
    """Makes a worksheet with the controls, by keyboard; returns what it shows."""
    driver.find_element(By.CSS_SELECTOR, f"#practise-choice [value={direction}]").click()
    Select(driver.find_element(By.ID, "practise-size")).select_by_value(str(n))
    for name, text in (("title", title), ("count", str(count))):
        field = driver.find_element(By.CSS_SELECTOR, f"[data-worksheet-{name}]")
        field.clear()
        field.send_keys(text)
    for name, wanted in (("answers", answers), ("mix", mix)):
        box = driver.find_element(By.CSS_SELECTOR, f"[data-worksheet-{name}]")
        if box.is_selected() != wanted:
            box.send_keys(Keys.SPACE)
    driver.find_element(By.CSS_SELECTOR, "[data-make-worksheet]").send_keys(Keys.ENTER)
    time.sleep(0.3)
    return driver.execute_script(WORKSHEET)


def check_sheet_pages(pages, shown, answers, fewest, what, title):
    """The student's pages, then the key's: every exercise whole on its page, as many to a page
    as asked, nothing on the student's pages that leads to an answer, the key apart."""
    pages = [" ".join(page.split()) for page in pages if page.strip()]
    keys = [k for k, page in enumerate(pages) if page.startswith("Answers")]
    student = pages[:keys[0]] if keys else pages
    count = len(shown["exercises"])
    asked = [len(QUESTION_STARTS.findall(page)) for page in student]
    check(sum(asked) == count and all(each >= fewest for each in asked[:-1]),
          f"{what}: {count} exercises, at least {fewest} to each full page: {asked}")
    check(all(len(QUESTION_STARTS.findall(page)) == sum(page.count(end) for end in QUESTION_ENDS) for page in student),
          f"{what}: no exercise is split across pages")
    check(student and f"Sheet {shown['sheet']}" in student[0] and all(
        word in student[0] for word in ("Name", "Date", "Class")), f"{what}: the sheet's title, number and lines")
    untitled = [page.replace(" ".join(title.split()), "") for page in student]
    check(not any(word in page for page in untitled for word in ("Answers", "Code:", "Edges:", "seed", "#", "worksheet=", "practise=")),
          f"{what}: the student's pages hold no answer, seed or link")
    check(bool(keys) == answers and keys == list(range(len(student), len(pages))),
          f"{what}: the key on pages of its own after the sheet: {keys}")
    if keys:
        key = " ".join(pages[keys[0]:])
        check(shown["sheet"] in pages[keys[0]] and key.count("Code:") + key.count("Edges:") + key.count("Answer:") == count
              and not QUESTION_STARTS.search(key), f"{what}: the key's number and an entry per exercise")


def check_question_banks(shown, title, what):
    """The files read back as a platform reads them: a question per exercise, each blank's and
    each accepted answer the walk worked out here, and the title plain text in each name."""
    worked = [sheet_answers(exercise) for exercise in shown["exercises"]]
    chosen = [[fact_answer(each)] if each.get("question") == "whether" else [] for each in shown["exercises"]]
    moodle = moodle_questions(file_of(shown["moodle"][0]))
    check([question["blanks"] for question in moodle] == worked and [question["choices"] for question in moodle] == chosen and all(
        question["hints"] == 3 and question["feedback"] and question["name"].startswith(title) for question in moodle),
          f"{what}: the Moodle XML, a Cloze question per exercise: {moodle[:1]}")
    gift = gift_questions(file_of(shown["gift"][0]))
    accepted = [choice or list(dict.fromkeys(sep.join(map(str, each)) for sep in (" ", ",", ", ")))
                for each, choice in zip(worked, chosen)]
    check([question["answers"] for question in gift] == accepted and all(
        question["name"].startswith(title) for question in gift), f"{what}: the GIFT, a question per exercise: {gift[:1]}")
    check(shown["moodle"][1].endswith(f"sheet-{shown['sheet'].lower()}.xml") and shown["gift"][1].endswith(".gift.txt"),
          f"{what}: the files' names: {shown['moodle'][1]}, {shown['gift'][1]}")


def check_worksheets(driver, url, axe, shots):
    """Worksheets of both directions, 7 and 12 vertices and mixed, with and without a key,
    printed to A4 and Letter while shown; their question banks; the teacher's link in a fresh
    browser; no axe-core violation; and once closed, printing prints the session again."""
    open_page(driver, url)
    for direction, n, mix, answers, fewest in SHEETS:
        title = HOSTILE_TITLE if mix else f"Quiz {direction} {n}"
        shown = make_sheet(driver, direction, n, 8, answers, mix, title)
        what = f"a worksheet, {direction} {n}{', mixed' if mix else ''}{', with a key' if answers else ''}"
        check(shown["title"] == title and not shown["markup"] and not shown["seeded"]
              and shown["key"] == (shown["sheet"] if answers else None), f"{what}: " + repr({k: shown[k] for k in ("title", "markup", "seeded", "key", "sheet")}))
        sizes = sorted({int(each["n"]) for each in shown["exercises"]})
        kinds = {each["kind"] for each in shown["exercises"]}
        check(not mix or (kinds == ({"encoding", "decoding"} if direction in ("encoding", "decoding") else set(KINDS))
                          and sizes[0] == 4 and sizes[-1] == n), f"{what}: the kinds in turn and sizes 4 to {n}: {kinds}")
        for paper in ("A4", "Letter"):
            name = f"worksheet-{direction}-{n}{'-mixed' if mix else ''}"
            check_sheet_pages(printed(driver, paper, shots, name), shown, answers, fewest, f"{what}, {paper}", title)
        check_question_banks(shown, title, what)
    driver.execute_script(axe)
    for violation in driver.execute_async_script(RUN_AXE):
        check(False, f"a worksheet: {violation}")
    driver.find_element(By.ID, "worksheet-copy").click()
    link = driver.execute_async_script("navigator.clipboard.readText().then(arguments[0])")
    other = start_browser()
    try:
        other.get(link)
        WebDriverWait(other, 20).until(lambda d: d.execute_script(WORKSHEET)["sheet"])
        check(other.execute_script(WORKSHEET) == shown, f"the teacher's link makes the same sheet and key: {link}")
    finally:
        other.quit()
    driver.find_element(By.ID, "worksheet-close").click()
    pages = printed(driver, "A4", shots, "after-worksheet")
    check("Sheet" not in " ".join(pages) and "(0 to quit)" in " ".join(pages),
          "once the worksheet is closed, printing prints the session")


def check_accessible(driver, url, axe, size, shots):
    """no axe-core violation, and a screen reader hears prompts, not printouts."""
    def violations(when):
        driver.execute_script(axe)
        for violation in driver.execute_async_script(RUN_AXE):
            check(False, f"{size}, {when}: {violation}")
    line = open_page(driver, url)
    violations("after load")
    check(driver.find_element(By.ID, "console").get_attribute("aria-live") is None,
          f"{size}: the console itself is no live region")
    type_numbers(line, driver, "1 7 1 4 2 4 4 5 3 5 5 6 6")
    heard = driver.find_element(By.ID, "announcer").get_attribute("textContent")
    check(heard == "Second Vertex:", f"{size}: a screen reader hears the prompt ({heard!r})")
    line.send_keys("7" + Keys.ENTER)
    settled(driver)
    heard = driver.find_element(By.ID, "announcer").get_attribute("textContent")
    check(heard.startswith("Matrix of 7 vertices printed.\nA drawing of the tree and its walk "
                           "follows. Next step and Previous step, or the arrow keys, Home and End "
                           "on the drawing, step through the walk.\n\nThe Pruefer Code is ( 4 4 5 5 6 )"),
          f"{size}: a matrix and its drawing are announced in a line each ({heard[:60]!r})")
    hint = driver.find_elements(By.CSS_SELECTOR, "#console figure .hint")
    check(hint and hint[-1].text.startswith("Next step and Previous step"),
          f"{size}: the figure says how to step it")
    violations("after a drawing")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
    violations("in dark mode, after a drawing")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": "light"},
                     {"name": "forced-colors", "value": "active"}]})
    figure = driver.find_elements(By.CSS_SELECTOR, "#console figure[data-figure]")[-1]
    for _ in range(3):
        figure.find_element(By.CSS_SELECTOR, "[data-move=next]").click()
    forced = driver.execute_script(FORCED_MARKS)
    check(forced["row"] >= 3 and forced["vertex"] >= 4 and min(forced["edges"]) >= 3,
          f"{size}: under forced colours the row, the marked vertex and every edge stand out {forced}")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    # A code line longer than all the narration keeps unheard at once: its head is still heard.
    path = "".join(f"{v}\n{v + 1}\n" for v in range(1, 3000))
    paste(driver, f"1\n3000\n{path}")
    heard = driver.find_element(By.ID, "announcer").get_attribute("textContent")
    code = re.search(r"The Pruefer Code is \( 2 3 .*? … (\d+) more entries … .* 2998 2999 \)", heard)
    shown = len(re.findall(r"\b\d+\b", code.group(0))) - 1 if code else 0
    check(code is not None and len(code.group(0)) <= 1000 and shown + int(code.group(1)) == 2998,
          f"{size}: a 2998-entry code is heard whole, shortened in its middle ({heard[-300:]!r})")
    paste(driver, code_session([[k % 500 + 1 for k in range(498)]]))
    violations("after a 500-vertex printout")
    driver.save_screenshot(str(shots / f"{size}-500.png"))


def check_graphs_that_are_no_trees(driver, url, size, shots):
    """Edges that are no tree are drawn, one cycle marked, and why said in words."""
    cases = [  # typed edges, the cycle's edges, the words
        ("4 1 2 2 3 1 3", ["1-2", "1-3", "2-3"],
         "These edges are no tree: 1–2, 2–3 and 1–3 close a cycle, and vertex 4 is not reached from it."),
        ("6 1 2 5 6 2 3 3 4 4 2", ["2-3", "2-4", "3-4"],
         "These edges are no tree: 2–3, 3–4 and 2–4 close a cycle, and vertices 5 and 6 are not "
         "reached from it."),
    ]
    line = open_page(driver, url)
    for typed, cycle, words in cases:
        type_numbers(line, driver, f"1 {typed}")
        figure = driver.find_elements(By.CSS_SELECTOR, "#console figure")[-1]
        drawn = driver.execute_script(script("graphs_that_are_no_trees"), figure)
        edges = sorted("-".join(sorted(pair, key=int)) for pair in zip(*[iter(typed.split()[1:])] * 2))
        check(drawn == {"graph": "not-a-tree", "edges": edges, "cycle": cycle,
                        "vertices": int(typed.split()[0]), "words": words},
              f"{size}: the graph of {typed} drawn ({drawn})")
    for fault in driver.execute_script(DRAWING_FAULTS):
        check(False, f"{size}: {fault}")
    driver.save_screenshot(str(shots / f"{size}-not-a-tree.png"))


def check_markup_and_huge_counts(driver, url):
    line = open_page(driver, url)
    line.send_keys("<b>bold</b>" + Keys.ENTER)
    state = settled(driver)
    typed = driver.find_elements(By.CSS_SELECTOR, "#console kbd")
    check(typed and typed[-1].text == "<b>bold</b>", "markup typed is shown as text")
    check(not driver.find_elements(By.CSS_SELECTOR, "#console b"), "markup typed makes no element")
    state = paste(driver, "1\n2147483647\n2\n2000000000\n")
    check("There is not enough memory for a tree of 2147483647 vertices." in state["out"],
          "2147483647 vertices refused")
    check("There is not enough memory for a tree of 2000000002 vertices." in state["out"],
          "a code of length 2000000000 refused")


def check_large_printout(driver, url):
    open_page(driver, url)
    driver.execute_script(COUNT_LIVE)
    entries = "".join(f"{k % 2000 + 1}\n" for k in range(1998))
    start = time.monotonic()
    driver.execute_script(PASTE, f"2\n1998\n{entries}")
    driver.find_element(By.ID, "line").send_keys("1" + Keys.ENTER)  # typed meanwhile
    answers = []
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        asked = time.monotonic()
        state = driver.execute_script("return document.getElementById('console').dataset.state")
        answers.append(time.monotonic() - asked)
        if state == "waiting":
            break
        time.sleep(0.05)
    took = time.monotonic() - start
    print(f"a 2,000-vertex printout took {took:.1f} s to appear; the page answered within "
          f"{max(answers, default=0):.2f} s while it did", flush=True)
    check(max(answers, default=0) < 2, "the page keeps answering during a large printout")
    caption = driver.find_elements(By.CSS_SELECTOR, "#console figcaption")
    check(caption and "too many to draw" in caption[-1].text, "a large tree is not drawn")
    check(driver.find_element(By.ID, "dropped").is_displayed(), "dropped output is said")
    seen = console(driver)["seen"]
    check(seen.endswith("Enter your choice (0 to quit): 1\n\nHow many vertices does your tree have?: "),
          "the tail is kept, and a line typed during the printout is read after it")
    check(900_000 < len(seen) < 1_100_000, f"about the last million characters are kept ({len(seen)})")
    live = driver.execute_script("return window.liveCharacters")
    check(live <= 10_000, f"at most 10,000 characters reach a screen reader ({live})")


def check_from_disk(driver, site, readme):
    """the page runs from the disk, and says so in words when its program is missing."""
    block, link = readme_session(readme)
    driver.get(pathlib.Path(site, "index.html").resolve().as_uri() + link[len("index.html"):])
    check(settled(driver)["seen"] == block, "from the disk, the README's link runs")
    driver.get(pathlib.Path(site, "index.html").resolve().as_uri() + "#practise=decoding,7,1")
    settled(driver)
    check(driver.execute_script(PRACTICE)["code"] == "3 7 4 4 5", "from the disk, a practice link opens")
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        pathlib.Path(folder, "pruefer.js").unlink()
        driver.get(pathlib.Path(folder, "index.html").as_uri())
        time.sleep(0.5)
        notice = driver.find_element(By.ID, "console").text
        check("could not be started" in notice and "pruefer.js" in notice,
              f"a page without its program says why ({notice!r})")


# The checks of each feature: those run once at a laptop's size, then those run at each size.
FEATURES = {
    "console": ([lambda d, a: check_transcripts(d, a.url, a.transcripts), lambda d, a: check_markup_and_huge_counts(d, a.url),
                 lambda d, a: check_large_printout(d, a.url)],
                [lambda d, a, size: check_readable(d, a.url, size, a.shots),
                 lambda d, a, size: check_session_reads_as_readme(d, a.url, a.readme, size, a.shots),
                 lambda d, a, size: check_buttons(d, a.url, size),
                 lambda d, a, size: check_edge_list(d, a.url)]),
    "walk": ([lambda d, a: check_step_in_view(d, a.url, a.shots), lambda d, a: check_reflow(d, a.url, a.shots)],
             [lambda d, a, size: check_pictures(d, a.url, size, a.shots),
              lambda d, a, size: check_drawings(d, a.url, size, a.shots),
              lambda d, a, size: check_graphs_that_are_no_trees(d, a.url, size, a.shots)]),
    "practice": ([lambda d, a: check_practice_links(d, a.url, a.shots)],
                 [lambda d, a, size: check_practice(d, a.url, a.axe, size, a.shots),
                  lambda d, a, size: check_practice_on_one_screen(d, a.url, size, a.shots),
                  lambda d, a, size: check_facts(d, a.url, size, a.shots)]),
    "printing": ([lambda d, a: check_print(d, a.url, a.shots), lambda d, a: check_worksheets(d, a.url, a.axe, a.shots)], []),
    "accessibility": ([], [lambda d, a, size: check_accessible(d, a.url, a.axe, size, a.shots)]),
    "address": ([lambda d, a: check_hostile_address(d, a.url), lambda d, a: check_from_disk(d, a.site, a.readme)],
                [lambda d, a, size: check_links(d, a.url, size)]),
}


def main():
    """Runs the checks of the features named (all when none is), in one browser."""
    site, transcripts, shots, axe, readme = sys.argv[1:6]
    features = sys.argv[6:] or list(FEATURES)
    shots = pathlib.Path(shots)
    shots.mkdir(parents=True, exist_ok=True)
    given = types.SimpleNamespace(site=site, transcripts=pathlib.Path(transcripts), shots=shots,
                                  axe=pathlib.Path(axe).read_text(), readme=pathlib.Path(readme).read_text())
    given.url = serve(site)
    driver = start_browser()
    try:
        origin = given.url.rstrip("/")
        driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        resize(driver, "laptop")
        for feature in features:
            for once in FEATURES[feature][0]:
                once(driver, given)
        for size in SIZES:
            resize(driver, size)
            for feature in features:
                for each in FEATURES[feature][1]:
                    each(driver, given, size)
            print(f"{size}: checked", flush=True)
    finally:
        driver.quit()
    print(f"{len(failures)} failed" if failures else "every check passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
