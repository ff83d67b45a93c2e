#!/usr/bin/env python3
"""Measures pruefer on large trees and codes, and on a stream of small ones.

Large requests: for each case, a whole typed session is generated and piped through the program,
whose output goes through `cat > /dev/null`; the same number of bytes is written the same way by
minimal_writer, one prebuilt line per write. Program and writer run alternately after a warm-up,
and the median ratio of their wall times is printed with the program's peak memory.

Small requests: one session decodes every code on 7 vertices and encodes each tree back. The
program's output and the sizes of its writes (recorded once with strace) are replayed by
minimal_writer, so that both write the same bytes in the same writes; the median ratios of CPU
time and of wall time are printed.

Then the coding benchmark (encoding and decoding of a million vertices, and typing a long path)
prints its figures.

Last, the web page (`--only web`, which builds nothing and takes the built site and program):
web_benchmark.py drives headless Chromium through a pasted path and a pasted code at 500, 1,000
and 2,000 vertices beside the native program, and prints the ratios, the page's growth and its
longest task.

Usage: bench/run_benchmarks.py [--vertices N] [--pairs P] [--build-dir DIR] [--only WHAT]
                               [--site DIR] [--program FILE]
"""
import argparse
import itertools
import os
import random
import re
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def build(build_dir):
    subprocess.run(["cmake", "-S", ROOT, "-B", build_dir, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPRUEFER_BUILD_TESTS=OFF",
                    "-DPRUEFER_BUILD_BENCHMARKS=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build_dir], check=True, stdout=subprocess.DEVNULL)


def tree_session(edges, n):
    lines = ["1", str(n)] + [f"{a}\n{b}" for a, b in edges] + ["0"]
    return "\n".join(lines) + "\n"


def code_session(entries):
    lines = ["2", str(len(entries))] + [str(e) for e in entries] + ["0"]
    return "\n".join(lines) + "\n"


def cases(n, rng):
    """The typed sessions to measure: three trees and two codes of n vertices."""
    label = list(range(1, n + 1))
    rng.shuffle(label)
    random_tree = [(label[v - 1], label[rng.randrange(v - 1)]) for v in range(2, n + 1)]
    rng.shuffle(random_tree)
    random_tree = [(a, b) if rng.random() < 0.5 else (b, a) for a, b in random_tree]
    yield "random tree", tree_session(random_tree, n)
    yield "star", tree_session([(1, v) for v in range(2, n + 1)], n)
    yield "path", tree_session([(v, v + 1) for v in range(1, n)], n)
    yield "random code", code_session([rng.randint(1, n) for _ in range(n - 2)])
    yield "one vertex repeated", code_session([n // 2] * (n - 2))


def decoded_trees(program, codes, folder):
    """The edges of the tree of each code, read from the matrices the program itself prints."""
    path = os.path.join(folder, "decode.txt")
    with open(path, "w") as out:
        out.write("".join(code_session(code)[:-2] for code in codes) + "0\n")
    with open(path, "rb") as stdin:
        printed = subprocess.run([program], stdin=stdin, stdout=subprocess.PIPE, check=True,
                                 text=True).stdout
    trees = []
    for matrix in printed.split("The tree is given by the following matrix:")[1:]:
        rows = [line.split() for line in matrix.split("\n\n")[2].splitlines()]
        trees.append([(int(row[0]), j) for row in rows for j, cell in enumerate(row[1:], 1)
                      if cell == "1" and int(row[0]) < j])
    return trees


def small_session(program, folder, n=7):
    """Every code on n vertices decoded, each followed by its tree encoded back."""
    codes = list(itertools.product(range(1, n + 1), repeat=n - 2))
    trees = decoded_trees(program, codes, folder)
    requests = (code_session(code)[:-2] + tree_session(tree, n)[:-2]
                for code, tree in zip(codes, trees))
    return "".join(requests) + "0\n", len(codes)


def cpu_and_wall(command, stdin_path, stdout):
    """The CPU time (user and system) and wall time of one run of command."""
    with open(stdin_path, "rb") as stdin:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdin=stdin, stdout=stdout)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
    if status != 0:
        raise RuntimeError(f"{command[0]} failed with status {status}")
    return usage.ru_utime + usage.ru_stime, wall


def write_sizes(program, session_path, folder):
    """The size of every write the program makes to standard output, as strace records them."""
    trace = os.path.join(folder, "trace.txt")
    with open(session_path, "rb") as stdin:
        subprocess.run(["strace", "-qq", "-e", "trace=write", "-e", "signal=none", "-o", trace,
                        program], stdin=stdin, stdout=subprocess.DEVNULL, check=True)
    with open(trace) as lines:
        return [int(m.group(1)) for m in (re.match(r"write\(1, .*\)\s+=\s+(\d+)$", line)
                                          for line in lines) if m]


def measure_small(program, writer, pairs, folder):
    session, count = small_session(program, folder)
    session_path = os.path.join(folder, "small.txt")
    with open(session_path, "w") as out:
        out.write(session)
    bytes_path, sizes_path = os.path.join(folder, "bytes"), os.path.join(folder, "sizes")
    with open(session_path, "rb") as stdin, open(bytes_path, "wb") as out:
        subprocess.run([program], stdin=stdin, stdout=out, check=True)
    sizes = write_sizes(program, session_path, folder)
    if sum(sizes) != os.path.getsize(bytes_path):
        raise RuntimeError("the writes recorded do not add up to the output")
    with open(sizes_path, "w") as out:
        out.write("\n".join(map(str, sizes)) + "\n")
    print(f"{2 * count} small requests (every code on 7 vertices decoded and its tree encoded "
          f"back), {os.path.getsize(bytes_path) / 1e6:.1f} MB in {len(sizes)} writes", flush=True)
    commands = {"program": [program], "writer": [writer, "--replay", bytes_path, sizes_path]}
    # Into a pipe that cat empties, as a checking script's pipe would be; and into /dev/null,
    # where the writes cost least and the program's own work shows most.
    sink = subprocess.Popen(["cat"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    with open(os.devnull, "wb") as null:
        for name, stdout in (("into a pipe", sink.stdin), ("into /dev/null", null)):
            compare_small(name, commands, session_path, stdout, pairs)
    sink.stdin.close()
    sink.wait()


def compare_small(name, commands, session_path, stdout, pairs):
    """Runs program and writer in turn, after a warm-up, and prints their median figures."""
    results = {"program": [], "writer": []}
    for round_ in range(pairs + 1):
        for who, command in commands.items():
            figures = cpu_and_wall(command, session_path, stdout)
            if round_ > 0:
                results[who].append(figures)
    ratio = lambda i: statistics.median(p[i] / w[i] for p, w in zip(*results.values()))
    median = lambda who, i: statistics.median(r[i] for r in results[who])
    print(f"  {name:<15} program CPU {median('program', 0):6.3f} s  wall "
          f"{median('program', 1):6.3f} s   writer CPU {median('writer', 0):6.3f} s  wall "
          f"{median('writer', 1):6.3f} s   ratio CPU {ratio(0):5.2f}  wall {ratio(1):5.2f}",
          flush=True)


def wall_time(command, stdin_path):
    with open(stdin_path, "rb") as stdin:
        start = time.perf_counter()
        subprocess.run(command, shell=True, stdin=stdin, check=True)
        return time.perf_counter() - start


def peak_memory_kib(program, stdin_path):
    with open(stdin_path, "rb") as stdin:
        report = subprocess.run(["/usr/bin/time", "-v", program], stdin=stdin,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                                check=True).stderr
    return int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", report).group(1))


def measure(name, session, n, pairs, tools, folder):
    program, writer = tools
    path = os.path.join(folder, "session.txt")
    with open(path, "w") as out:
        out.write(session)
    size = len(subprocess.run([program], stdin=open(path, "rb"), stdout=subprocess.PIPE,
                              check=True).stdout)
    line_length = 3 * n + len(str(n)) + 4
    run_program = f"{program} | cat > /dev/null"
    run_writer = f"{writer} {size} {line_length} | cat > /dev/null"
    wall_time(run_program, path)
    wall_time(run_writer, path)
    ratios, program_times, writer_times = [], [], []
    for _ in range(pairs):
        program_times.append(wall_time(run_program, path))
        writer_times.append(wall_time(run_writer, path))
        ratios.append(program_times[-1] / writer_times[-1])
    memory = peak_memory_kib(program, path) / 1024
    print(f"{name:<20} {size / 1e9:7.3f} GB  program {statistics.median(program_times):6.3f} s  "
          f"writer {statistics.median(writer_times):6.3f} s  ratio {statistics.median(ratios):5.3f}  "
          f"peak memory {memory:6.2f} MiB", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--vertices", type=int, default=20000)
    parser.add_argument("--pairs", type=int, default=5)
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-bench"))
    parser.add_argument("--only", choices=["large", "small", "coding", "web"], action="append",
                        help="run only these parts (may be repeated)")
    parser.add_argument("--site", default=os.path.join(ROOT, "build-web", "site"),
                        help="the built web site, for the web part")
    parser.add_argument("--program", default=os.path.join(ROOT, "build-release", "pruefer"),
                        help="the built native program the web page is measured against")
    args = parser.parse_args()
    parts = args.only or ["large", "small", "coding", "web"]
    if parts == ["web"]:
        return measure_web(args.site, args.program)
    build(args.build_dir)
    tools = (os.path.join(args.build_dir, "pruefer"),
             os.path.join(args.build_dir, "bench", "minimal_writer"))
    with tempfile.TemporaryDirectory() as folder:
        if "large" in parts:
            print(f"{args.vertices} vertices, median of {args.pairs} program/writer pairs after a "
                  f"warm-up, output piped into cat > /dev/null")
            for name, session in cases(args.vertices, random.Random(2026)):
                measure(name, session, args.vertices, args.pairs, tools, folder)
        if "small" in parts:
            print(f"\nSmall requests, median of {args.pairs} program/writer pairs after a warm-up",
                  flush=True)
            measure_small(*tools, args.pairs, folder)
    if "coding" in parts:
        print("\nEncoding and decoding of 1,000,000 vertices (Google Benchmark):", flush=True)
        subprocess.run([os.path.join(args.build_dir, "bench", "coding_benchmark")], check=True)
    if "web" in parts:
        measure_web(args.site, args.program)


def measure_web(site, program):
    """The page against the native program; Debian's Selenium serves Debian's own Python."""
    print("\nThe web page against the native program:", flush=True)
    return subprocess.run(["/usr/bin/python3", os.path.join(ROOT, "bench", "web_benchmark.py"),
                           site, program]).returncode


if __name__ == "__main__":
    sys.exit(main())
