#!/usr/bin/env python3
"""Prints the benchmark results as one table: operation, size, time, reference, reference time,
ratio and the target each row is held to.

Arguments: the JSON files written by the Google Benchmark programs (--benchmark_out) and the one
written by bench_memory. Times are the medians of the repetitions."""

import json
import sys

# operation, reference, target ratio to the reference, target time in ms for 100,000 coins
ROWS = [
    ("open .mvs", "ref read+parse", 1.5, None),
    ("open .mvc", "ref read+inflate+parse", 1.5, None),
    ("open .mvc password", "ref read+inflate+parse", None, None),
    ("write XML", "ref serialise", None, None),
    ("save .mvs", "ref serialise", None, None),
    ("save .mvs", "ref serialise+write+sync", None, None),
    ("save .mvc", "ref serialise+deflate9", 1.3, None),
    ("save .mvc password", "ref serialise+deflate9", 1.3, None),
    ("ref deflate9", "ref serialise+deflate9", None, None),
    ("sort standard order", "ref stable sort by price", None, None),
    ("sort five keys", "ref stable sort by price", None, 250.0),
    ("grid all coins", "ref sum display order", None, 50.0),
    ("grid one area", "ref sum display order", None, 50.0),
    ("grid all coins filtered", "ref sum display order", None, 50.0),
    ("grid one area filtered", "ref sum display order", None, 50.0),
    ("grid format one screen", None, None, None),
    ("search last coin", "ref compare one field", 3.0, None),
    ("free filter three texts", "ref compare one field", 3.0, None),
    ("export text", "ref write bytes", None, 2000.0),
    ("import text", "ref read+split", None, 2000.0),
    ("picture full size", "ref libjpeg full decode", 1.1, None),
    ("picture preview 300x200", "ref libjpeg full decode", 0.3, None),
    ("list mode row change", "ref libjpeg full decode", None, None),
    ("list mode row change", "ref row change without pictures", None, None),
    ("detail view with two previews", "ref libjpeg full decode", 0.6, None),
    ("decimal point text", "ref replace char", None, None),
    ("print list to PDF", "ref format grid cells", None, None),
    ("change coin to view", "ref sort same collection", 1.5, 150.0),
    # Ten times the coins pasted may take at most fifteen times as long (never quadratic).
    ("paste 1000 coins", "paste 100 coins", 15.0, None),
    ("undo delete to view", "ref sort for undo", 1.5, None),
    ("undo currency conversion", "ref currency conversion", None, None),
]
# Memory a benchmark reports through its counters: operation, counter, label.
COUNTERS = [("undo currency conversion", "step_bytes", "undo step of a currency conversion"),
            ("undo currency conversion", "heap_held_bytes", "heap held by that step")]
# Operations whose growth from 10,000 to 100,000 coins must stay below their limit (never
# quadratic).
SCALING = [("sort standard order", 15.0), ("sort five keys", 15.0), ("ref stable sort by price", 15.0),
           ("decimal point text", 15.0), ("print list to PDF", 12.0)]
MEMORY_LIMIT = 2.0  # memory held after opening, as a multiple of the XML size

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def run_key(run):
    parts = run["run_name"].split("/") if "run_name" in run else run["name"].split("/")
    return parts[0], int(parts[1])


def median_counters(runs):
    """(operation, size, counter) -> the counter's median."""
    counters = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        operation, size = run_key(run)
        for name in {counter for _, counter, _ in COUNTERS}:
            if name in run:
                counters[(operation, size, name)] = run[name]
    return counters


def median_times(runs):
    """(operation, size) -> median real time in ms."""
    times = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        if run.get("error_occurred"):
            continue
        operation, size = run_key(run)
        times[(operation, size)] = run["real_time"] * UNIT_TO_MS[run.get("time_unit", "ns")]
    return times


def load(paths):
    times, counters, memory = {}, {}, None
    for path in paths:
        with open(path, encoding="utf-8") as file:
            data = json.load(file)
        if "benchmarks" in data:
            times.update(median_times(data["benchmarks"]))
            counters.update(median_counters(data["benchmarks"]))
        elif "xml_bytes" in data:
            memory = data
    return times, counters, memory


def milliseconds(value):
    if value is None:
        return "-"
    return f"{value:.3f} ms" if value < 10 else f"{value:.1f} ms"


def verdict(ok):
    return "met" if ok else "MISSED"


def time_rows(times):
    rows = []
    sizes = sorted({size for _, size in times})
    for operation, reference, ratio_target, ms_target in ROWS:
        for size in sizes:
            time = times.get((operation, size))
            if time is None:
                continue
            ref_time = times.get((reference, size)) if reference else None
            ratio = time / ref_time if ref_time else None
            target, status = "", ""
            if ratio_target is not None and ratio is not None:
                target, status = f"<= {ratio_target}x", verdict(ratio <= ratio_target)
            elif ms_target is not None and size >= 100000:
                target, status = f"<= {ms_target:.0f} ms", verdict(time <= ms_target)
            rows.append([operation, f"{size:,}", milliseconds(time), reference or "-",
                         milliseconds(ref_time), f"{ratio:.2f}" if ratio else "-", target, status])
    for operation, limit in SCALING:
        small, large = times.get((operation, 10000)), times.get((operation, 100000))
        if small and large:
            growth = large / small
            rows.append([f"{operation}: growth", "10k->100k", milliseconds(large), "same at 10k",
                         milliseconds(small), f"{growth:.2f}", f"<= {limit:.0f}",
                         verdict(growth <= limit)])
    return rows


def counter_rows(counters):
    rows = []
    for operation, counter, label in COUNTERS:
        for (op, size, name), value in sorted(counters.items()):
            if op == operation and name == counter:
                rows.append([label, f"{size:,}", f"{value / 1048576:.2f} MiB", "-", "-",
                             f"{value / size:.0f} B/coin", "reported", ""])
    return rows


def memory_rows(memory):
    if not memory:
        return []
    xml_kib = memory["xml_bytes"] / 1024
    size = f"{memory['coins']:,}"
    parser = memory["pugixml_parse"]["peak_kib"]
    rows = [["XML size", size, f"{xml_kib / 1024:.1f} MiB", "-", "-", "-", "", ""]]
    for key, label in (("open_mvs", "memory held after open .mvs"),
                       ("open_mvc", "memory held after open .mvc")):
        held = memory[key]["held_kib"]
        rows.append([label, size, f"{held / 1024:.1f} MiB", "XML size", f"{xml_kib / 1024:.1f} MiB",
                     f"{held / xml_kib:.2f}", f"<= {MEMORY_LIMIT}x", verdict(held <= MEMORY_LIMIT * xml_kib)])
    for key, label in (("open_mvs", "peak while opening .mvs"),
                       ("open_mvc", "peak while opening .mvc")):
        peak = memory[key]["peak_kib"]
        rows.append([label, size, f"{peak / 1024:.1f} MiB", "pugixml parse peak",
                     f"{parser / 1024:.1f} MiB", f"{peak / parser:.2f}", "reported", ""])
    return rows


def print_table(rows):
    header = ["operation", "size", "time", "reference", "ref time", "ratio", "target", ""]
    widths = [max(len(str(row[i])) for row in rows + [header]) for i in range(len(header))]
    right = {1, 2, 4, 5}
    def line(row):
        cells = [str(cell).rjust(w) if i in right else str(cell).ljust(w)
                 for i, (cell, w) in enumerate(zip(row, widths))]
        return "| " + " | ".join(cells) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for row in rows:
        print(line(row))


def main(paths):
    times, counters, memory = load(paths)
    rows = time_rows(times) + counter_rows(counters) + memory_rows(memory)
    if not rows:
        sys.exit("no results in " + " ".join(paths))
    print_table(rows)


if __name__ == "__main__":
    main(sys.argv[1:])
