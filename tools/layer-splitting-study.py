#!/usr/bin/env python3
"""Layer-splitting study: the largest deflection of example walls whose soil is
entered as 1, 2, 3, ... identical sub-layers, run through murena-run.

    tools/layer-splitting-study.py [--runner PATH] [--before PATH]

--runner is the murena-run to study (default build/bin/murena-run); --before
adds a column from a second murena-run (for example one built from an earlier
commit).  Prints the Markdown tables of docs/layer-splitting.md.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAND_ROW = "0.0660 0.0  32 0.0  90 0 "


def read_example(name):
    with open(os.path.join(ROOT, "examples", name), encoding="ascii") as f:
        return f.read().splitlines()


def with_layers(lines, count_line, rows, widths=None):
    """The example's lines with the soil rows from count_line on replaced by
    `rows` (type, bottom, top parameters, bottom parameters); widths (Wa, Wp)
    replace those of the soil-and-water record when given."""
    old_count = int(lines[count_line])
    tail = lines[count_line + 1 + 3 * old_count:]
    head = list(lines[:count_line])
    if widths is not None:
        items = head[count_line - 3].split("\t")
        items[1], items[2] = (str(w) for w in widths)
        head[count_line - 3] = "\t".join(items)
        wall = head[2].split("\t")
        wall[-1] = str(widths[0])
        head[2] = "\t".join(wall)
    body = [str(len(rows))]
    for soil_type, bottom, top, below in rows:
        body += ["%d %s " % (soil_type, format_depth(bottom)), top, below]
    return head + body + tail


def format_depth(value):
    text = "%.8g" % value
    return text


def split_rows(layers, parts):
    """Each (type, top, bottom, top row, bottom row) layer cut into `parts`
    identical sub-layers (the parameter rows interpolated linearly)."""
    rows = []
    for soil_type, top, bottom, row_top, row_bottom in layers:
        a = [float(v) for v in row_top.split()]
        b = [float(v) for v in row_bottom.split()]
        for k in range(1, parts + 1):
            def at(t):
                return " ".join("%.8g" % (x + t * (y - x)) for x, y in zip(a, b)) + " "
            rows.append((soil_type, top + (bottom - top) * k / parts, at((k - 1) / parts), at(k / parts)))
    return rows


def largest_deflection(runner, lines):
    with tempfile.TemporaryDirectory(prefix="murena-split-") as folder:
        data = os.path.join(folder, "wall.mr5d")
        with open(data, "w", encoding="ascii", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        work = os.path.join(folder, "work")
        os.mkdir(work)
        done = subprocess.run([runner, "--json", "--workdir", work, data], capture_output=True, text=True)
        try:
            summary = json.loads(done.stdout)
        except json.JSONDecodeError:
            return "failed"
        if not summary.get("ok", False) or summary.get("maxDeflection") is None:
            return "failed"
        return "%.4g" % summary["maxDeflection"]


def table(title, unit, cases, runners):
    print("### " + title)
    print()
    heads = ["sub-layers"] + ["largest deflection (%s), %s" % (unit, name) for name, _ in runners]
    print("| " + " | ".join(heads) + " |")
    print("|" + "---|" * len(heads))
    for label, lines in cases:
        print("| " + " | ".join([label] + [largest_deflection(path, lines) for _, path in runners]) + " |")
    print()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runner", default=os.path.join(ROOT, "build", "bin", "murena-run"))
    parser.add_argument("--before", help="a second murena-run whose results fill a 'before' column")
    args = parser.parse_args()
    runners = ([("before", args.before)] if args.before else []) + [("after" if args.before else "now", args.runner)]
    for _, path in runners:
        if not os.access(path, os.X_OK):
            sys.exit("layer-splitting-study: no runner at " + path)

    # The cantilever in sand: one sand layer 0 to 600 in (H = 120 in, wall 360 in).
    sand = read_example("cantilever_sand_english.mr5d")
    sand_count = sand.index("1", 8)
    sand_layer = [(4, 0.0, 600.0, SAND_ROW, SAND_ROW)]
    for widths, title in (((12, 12), "Cantilever in sand, continuous wall (Wa = Wp = 12 in): the example as it is"),
                          ((48, 12), "Cantilever in sand, piles at four widths (Wa = 48 in, Wp = 12 in)")):
        cases = [(str(n), with_layers(sand, sand_count, split_rows(sand_layer, n), widths)) for n in (1, 2, 3, 5, 20)]
        table(title, "in", cases, runners)

    # Only the sand below the excavation split, into sub-layers of equal thickness
    # down to the end of the p-y profile (372 in); the rest stays one layer each.
    cases = []
    for n in (1, 2, 3, 4, 6, 8, 12, 16):
        rows = [(4, 120.0, SAND_ROW, SAND_ROW)]
        rows += [(4, 120.0 + 252.0 * k / n, SAND_ROW, SAND_ROW) for k in range(1, n + 1)]
        rows.append((4, 600.0, SAND_ROW, SAND_ROW))
        cases.append(("%d (%.4g in thick, curves %.4g in apart)" % (n, 252.0 / n, 252.0 / n / 4), with_layers(sand, sand_count, rows)))
    table("Cantilever in sand, continuous wall: only the sand below the excavation split", "in", cases, runners)

    # The soldier pile in two silt layers (0-4 m and 4-10 m, H = 3 m): each layer split.
    silt = read_example("soldier_pile_silt_si.mr5d")
    silt_count = silt.index("2", 8)
    silt_layers = [(5, 0.0, 4.0, silt[silt_count + 2].strip() + " ", silt[silt_count + 3].strip() + " "),
                   (5, 4.0, 10.0, silt[silt_count + 5].strip() + " ", silt[silt_count + 6].strip() + " ")]
    for widths, title in ((None, "Soldier pile in silt (Wa = 1.5 m, Wp = 0.6 m): the example as it is"),
                          ((1.5, 1.5), "Silt, continuous wall (Wa = Wp = 1.5 m)")):
        cases = [("%d each" % n, with_layers(silt, silt_count, split_rows(silt_layers, n), widths)) for n in (1, 2, 3, 5, 10)]
        table(title, "m", cases, runners)


if __name__ == "__main__":
    main()
