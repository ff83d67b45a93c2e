#!/usr/bin/env python3
"""The web page against the native program, side by side in one run.

For a path of n vertices (its edges pasted) and a code of n - 2 entries (pasted), at 500, 1,000
and 2,000 vertices: the native program's wall time for the session piped into `cat`, and the
page's time in headless Chromium from the paste until it waits again. Prints the median of each,
their ratio, the page's growth from 1,000 to 2,000 vertices, and the longest task the page ran
meanwhile (Chromium's long tasks, those over 50 ms).

Builds nothing: takes the built site and the built program.

Usage: web_benchmark.py SITE PROGRAM [--runs R]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "web", "tests", "browser"))
from headless import PASTE, serve, start_browser  # noqa: E402

SIZES = (500, 1000, 2000)


# Times the page in the page itself, from the paste until the console waits again, and watches
# its long tasks meanwhile.
WATCH = """
const view = document.getElementById("console");
window.tookMs = null;
new MutationObserver(() => {
  if (view.dataset.state === "waiting" && window.tookMs === null) {
    window.tookMs = performance.now() - window.pasted;
  }
}).observe(view, {attributes: true, attributeFilter: ["data-state"]});
window.longestTask = 0;
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) {
    window.longestTask = Math.max(window.longestTask, entry.duration);
  }
}).observe({type: "longtask"});
"""

STATE = "return document.getElementById('console').dataset.state"



def sessions(n):
    path = "".join(f"{v}\n{v + 1}\n" for v in range(1, n))
    code = "".join(f"{k % n + 1}\n" for k in range(n - 2))
    return {"path pasted": f"1\n{n}\n{path}", "code pasted": f"2\n{n - 2}\n{code}"}


def wait_for(driver, states, seconds=120):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if driver.execute_script(STATE) in states:
            return
        time.sleep(0.005)
    raise TimeoutError("the page does not wait")


def native(program, typed):
    start = time.perf_counter()
    subprocess.run(f"{program} | cat > /dev/null", shell=True, input=typed.encode(), check=True)
    return time.perf_counter() - start


def page(driver, url, typed):
    driver.get(url)
    wait_for(driver, ("waiting",))
    driver.execute_script(WATCH)
    driver.execute_script(PASTE, typed)
    deadline = time.monotonic() + 120
    while driver.execute_script("return window.tookMs") is None:
        if time.monotonic() > deadline:
            raise TimeoutError(f"the page does not wait: its state is {driver.execute_script(STATE)}")
        time.sleep(0.05)
    return driver.execute_script("return [window.tookMs / 1000, window.longestTask]")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("site")
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    url = serve(args.site)
    driver = start_browser(1366, 768)
    pages = {}
    try:
        page(driver, url, "2\n1\n1\n")  # warm-up
        print(f"median of {args.runs} runs, native into a pipe beside the page in headless Chromium")
        for n in SIZES:
            for name, typed in sessions(n).items():
                natives, times, longest = [], [], 0.0
                for _ in range(args.runs):
                    natives.append(native(args.program, typed))
                    took, task = page(driver, url, typed)
                    times.append(took)
                    longest = max(longest, task)
                pages[name, n] = statistics.median(times)
                print(f"{n:5} vertices, {name:<12} native {statistics.median(natives) * 1000:7.1f} ms"
                      f"  page {pages[name, n] * 1000:8.1f} ms  ratio "
                      f"{pages[name, n] / statistics.median(natives):6.1f}  longest task "
                      f"{longest:5.0f} ms", flush=True)
        for name in sessions(SIZES[0]):
            print(f"growth from 1,000 to 2,000 vertices, {name}: "
                  f"{pages[name, 2000] / pages[name, 1000]:.2f}", flush=True)
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
