#!/usr/bin/env python3
"""Measures pruefer on large trees and codes.

For each case, a whole typed session is generated and piped through the program, whose output
goes through `cat > /dev/null`; the same number of bytes is written the same way by
minimal_writer, one prebuilt line per write. Program and writer run alternately after a warm-up,
and the median ratio of their wall times is printed with the program's peak memory. Then the
coding benchmark (encoding and decoding of a million vertices) prints its figures.

Usage: bench/run_benchmarks.py [--vertices N] [--pairs P] [--build-dir DIR]
"""
import argparse
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
    args = parser.parse_args()
    build(args.build_dir)
    tools = (os.path.join(args.build_dir, "pruefer"),
             os.path.join(args.build_dir, "bench", "minimal_writer"))
    print(f"{args.vertices} vertices, median of {args.pairs} program/writer pairs after a warm-up, "
          f"output piped into cat > /dev/null")
    with tempfile.TemporaryDirectory() as folder:
        for name, session in cases(args.vertices, random.Random(2026)):
            measure(name, session, args.vertices, args.pairs, tools, folder)
    print("\nEncoding and decoding of 1,000,000 vertices (Google Benchmark):", flush=True)
    subprocess.run([os.path.join(args.build_dir, "bench", "coding_benchmark")], check=True)


if __name__ == "__main__":
    sys.exit(main())
