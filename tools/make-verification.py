#!/usr/bin/env python3
"""Regenerates the tables of docs/verification.md from runs of murena-run.

    tools/make-verification.py RUNNER [DOC]

Writes small data files into a private scratch folder, runs them through the
runner (and so through the engine library beside it), reads the plot data
files and puts the tables between the markers
<!-- BEGIN GENERATED name --> and <!-- END GENERATED name --> of DOC
(docs/verification.md).  tools/make-verification.sh builds the runner first.

The reference values are computed here, independently of the engine, from
beam theory and from the published p-y formulas.
"""

import json
import math
import os
import re
import subprocess
import sys
import tempfile

# ---------------------------------------------------------------------------
# Data files (the records of docs/data-file-format.md)


def fmt(value):
    """A real as the data file writes it: at most 8 significant digits."""
    text = "%.8G" % value
    if "E" in text:
        mantissa, exponent = text.split("E")
        if "." in mantissa:
            mantissa = mantissa.rstrip("0").rstrip(".")
        text = mantissa + "E" + str(int(exponent))
    elif "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def data_file(title, units, nn, h, ei, *, free_height=0.0, wa=1.0, max_deflection=1e6, tolerance=1e-9,
              restraints=(), loads=(), springs=(), py_code=0, soil=None):
    """One analysis block: wall, restraints (case, node, deflection, slope),
    concentrated loads (mode, from, to, Q, M, P), springs (from, to, mode, S,
    R) and, for generated p-y curves, the soil record `soil`."""
    lines = [title]
    lines.append("%d %d\t1\t0\t0\t%d 0 1 0 0" % (units, len(restraints), py_code))
    lines.append("%d %s\t%s\t%s\t%s\t%s" % (nn, fmt(h), fmt(max_deflection), fmt(tolerance), fmt(free_height),
                                          fmt(wa)))
    for case, node, deflection, slope in restraints:
        lines.append("%d\t%d\t%s\t%s" % (case, node, fmt(deflection), fmt(slope)))
    lines.append("0\t%d\t1\t%s" % (nn, fmt(ei)))
    lines.append(str(len(loads)))
    for mode, first, last, q, m, p in loads:
        lines.append("%d\t%d\t%d\t%s\t%s\t%s" % (mode, first, last, fmt(q), fmt(m), fmt(p)))
    lines.append(str(len(springs)))
    for first, last, mode, s, r in springs:
        lines.append("%d\t%d\t%d\t%s\t%s" % (first, last, mode, fmt(s), fmt(r)))
    if soil is not None:
        lines.extend(soil)
    lines.append("0")
    return "\r\n".join(lines) + "\r\n"


def soil_record(free_height, wa, wp, layers, water_depth=1e6):
    """Record 11: soil and water, no surcharges, layers of (type, bottom,
    six parameters for the top and the same six for the bottom)."""
    lines = ["%s\t%s\t%s\t%s\t%s\t1\t1\t0" % (fmt(free_height), fmt(wa), fmt(wp), fmt(water_depth),
                                              fmt(water_depth)),
             "0\t0\t0\t0\t0\t0", "0", str(len(layers))]
    for soil_type, bottom, parameters in layers:
        lines.append("%d %s " % (soil_type, fmt(bottom)))
        row = "".join(fmt(v) + " " for v in parameters)
        lines.extend([row, row])
    return lines


# ---------------------------------------------------------------------------
# Runs and plot data


class Runner:
    def __init__(self, runner, folder):
        self.runner = runner
        self.folder = folder

    def run(self, name, text):
        path = os.path.join(self.folder, name + ".mr5d")
        with open(path, "w", newline="") as f:
            f.write(text)
        done = subprocess.run([self.runner, "--json", path], capture_output=True, text=True)
        summary = json.loads(done.stdout.splitlines()[0])
        if not summary["ok"]:
            raise SystemExit("make-verification: %s failed: %s" % (name, summary["error"]))
        with open(summary["plot"]) as f:
            plot = f.read().split("\n")
        return summary, [line.split() for line in plot if line.strip()]


def result_rows(items):
    """Rows (x, deflection, moment, shear, reaction) of the last result record."""
    for i in range(len(items) - 1, -1, -1):
        if len(items[i]) == 3 and all(re.fullmatch(r"-?\d+", t) for t in items[i]):
            count = int(items[i][1])
            return [tuple(float(v) for v in row) for row in items[i + 1:i + 1 + count]]
    raise SystemExit("make-verification: no result record")


def py_curves(items):
    """The generated p-y curves of the first block: (depth, [(y, p)]) with
    the excavation-side half (y > 0) and the resistance's sign turned back."""
    i = 1 if items[0] == ["0"] else 1 + int(items[0][0])  # the earth-pressure record
    count = int(items[i][1])
    i += 1
    curves = []
    for _ in range(count):
        depth, points = float(items[i][0]), int(items[i][1])
        rows = [(float(y), -float(p)) for y, p in items[i + 1:i + 1 + points]]
        curves.append((depth, [(y, p) for y, p in rows if y > 0]))
        i += 1 + points
    return curves


# ---------------------------------------------------------------------------
# Closed forms


def closed_form_tables(runner):
    length, ei, load, q = 10.0, 1.0e5, 100.0, 10.0
    k = 1.0e4
    beta = (k / (4 * ei)) ** 0.25
    cases = [
        ("Cantilever, load P at the top: y(0) = P L^3 / 3EI", load * length ** 3 / (3 * ei), "top",
         lambda nn: dict(restraints=[(3, nn, 0, 0)], loads=[(1, 0, 0, load, 0, 0)])),
        ("Cantilever, uniform load q: y(0) = q L^4 / 8EI", q * length ** 4 / (8 * ei), "uniform",
         lambda nn: dict(restraints=[(3, nn, 0, 0)], loads=[(1, 0, nn, q * length / nn, 0, 0)])),
    ]
    out = []
    for title, exact, name, setup in cases:
        out.append(table_head(title, exact))
        previous = None
        for nn in (2, 4, 8, 16, 32):
            summary, items = runner.run("%s-%d" % (name, nn), data_file(name, 2, nn, length / nn, ei, **setup(nn)))
            top = result_rows(items)[0][1]
            previous = out_row(out, nn, length / nn, top, exact, previous)
        out.append("")

    # A long wall on springs of modulus k: a semi-infinite beam with P at its end.
    long_length = 30.0
    exact_y = 2 * load * beta / k
    exact_m = load / beta * math.exp(-math.pi / 4) * math.sin(math.pi / 4)
    out.append("Beam on elastic foundation (k = %s kN/m^2, L = %g m, beta L = %.1f), load P at the top: "
               "y(0) = 2 P beta / k = %.5g m; largest moment %.5g kN-m at depth pi / (4 beta) = %.4g m" %
               (fmt(k), long_length, beta * long_length, exact_y, exact_m, math.pi / (4 * beta)))
    out.append("")
    out.append("| NN | h (m) | y(0) (m) | error of y(0) | order | largest moment (kN-m) | at depth (m) | error of moment |")
    out.append("|---:|---:|---:|---:|---:|---:|---:|---:|")
    previous = None
    for nn in (15, 30, 60, 120, 240):
        h = long_length / nn
        summary, items = runner.run("springs-%d" % nn, data_file(
            "springs", 2, nn, h, ei, loads=[(1, 0, 0, load, 0, 0)], springs=[(0, nn, 1, k * h, 0)]))
        top = result_rows(items)[0][1]
        error = abs(top - exact_y) / exact_y
        order = order_of(previous, error)
        moment, depth = abs(summary["maxMoment"]), summary["maxMomentDepth"]
        out.append("| %d | %.4g | %.4g | %.2e | %s | %.4g | %.4g | %.2e |" % (
            nn, h, top, error, order, moment, depth, abs(moment - exact_m) / exact_m))
        previous = error
    out.append("")
    return "\n".join(out)


def table_head(title, exact):
    return "%s = %.6g m\n\n| NN | h (m) | y(0) (m) | relative error | order |\n|---:|---:|---:|---:|---:|" % (title, exact)


# The plot data file carries four significant digits: relative errors below
# this are not resolved, and no order is computed from them.
RESOLVED_ERROR = 3e-4


def order_of(previous, error):
    if previous is None or previous < RESOLVED_ERROR or error < RESOLVED_ERROR:
        return ""
    return "%.2f" % math.log2(previous / error)


def out_row(out, nn, h, value, exact, previous):
    error = abs(value - exact) / exact
    order = order_of(previous, error)
    out.append("| %d | %.4g | %.4g | %.2e | %s |" % (nn, h, value, error, order))
    return error


# ---------------------------------------------------------------------------
# Published p-y formulas (static loading), evaluated independently

A_TABLE = [2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88]
B_TABLE = [2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50]
R_GRID = [0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0]
AS_TABLE = [(0, 0.223), (1, 0.46), (2, 0.55), (3, 0.59), (4, 0.60), (5, 0.60)]


def table_value(grid, values, r):
    for i in range(1, len(grid)):
        if r < grid[i]:
            return values[i - 1] + (values[i] - values[i - 1]) * (r - grid[i - 1]) / (grid[i] - grid[i - 1])
    return values[-1]


def sand_friction_resistance(gamma, x, b, phi):
    """Reese, Cox and Koop (1974): wedge and flow-around resistance."""
    k0, alpha, beta = 0.4, phi / 2, math.pi / 4 + phi / 2
    ka = math.tan(math.pi / 4 - phi / 2) ** 2
    pst = gamma * x * (k0 * x * math.tan(phi) * math.sin(beta) / (math.tan(beta - phi) * math.cos(alpha))
                       + math.tan(beta) / math.tan(beta - phi) * (b + x * math.tan(beta) * math.tan(alpha))
                       + k0 * x * math.tan(beta) * (math.tan(phi) * math.sin(beta) - math.tan(alpha)) - ka * b)
    psd = ka * b * gamma * x * (math.tan(beta) ** 8 - 1) + k0 * b * gamma * x * math.tan(phi) * math.tan(beta) ** 4
    return min(pst, psd)


def soft_clay(s, x, y):
    """Matlock (1970), J = 0.5."""
    pu = min(3 + s["gamma"] * x / s["c"] + 0.5 * x / s["b"], 9) * s["c"] * s["b"]
    y50 = 2.5 * s["eps50"] * s["b"]
    return pu if y > 8 * y50 else 0.5 * pu * (y / y50) ** (1 / 3)


def stiff_clay_free_water(s, x, y):
    """Reese, Cox and Koop (1975), static loading."""
    c, b, gamma = s["c"], s["b"], s["gamma"]
    pc = min(2 * c * b + gamma * b * x + 2.83 * c * x, 11 * c * b)
    y50 = s["eps50"] * b
    a_s = table_value([g for g, _ in AS_TABLE], [v for _, v in AS_TABLE], x / b)
    if y <= a_s * y50:
        p = 0.5 * pc * (y / y50) ** 0.5
    elif y <= 6 * a_s * y50:
        p = 0.5 * pc * (y / y50) ** 0.5 - 0.055 * pc * ((y - a_s * y50) / (a_s * y50)) ** 1.25
    elif y <= 18 * a_s * y50:
        p = 0.5 * pc * (6 * a_s) ** 0.5 - 0.411 * pc - 0.0625 / y50 * pc * (y - 6 * a_s * y50)
    else:
        p = 0.5 * pc * (6 * a_s) ** 0.5 - 0.411 * pc - 0.75 * pc * a_s
    return min(p, s["k"] * x * y)


def stiff_clay_no_free_water(s, x, y):
    """Welch and Reese (1972), J = 0.5."""
    c, b = s["c"], s["b"]
    pu = min(3 * c * b + s["gamma"] * b * x + 0.5 * c * x, 9 * c * b)
    y50 = 2.5 * s["eps50"] * b
    return pu if y > 16 * y50 else 0.5 * pu * (y / y50) ** 0.25


def sand(s, x, y):
    """Reese, Cox and Koop (1974), static loading."""
    b, k = s["b"], s["k"]
    ps = sand_friction_resistance(s["gamma"], x, b, s["phi"])
    r = x / b
    pu, pm = table_value(R_GRID, A_TABLE, r) * ps, table_value(R_GRID, B_TABLE, r) * ps
    yu, ym = 3 * b / 80, b / 60
    m = (pu - pm) / (yu - ym)
    n = pm / (m * ym)
    cc = pm / ym ** (1 / n)
    yk = (cc / (k * x)) ** (n / (n - 1))
    if y <= yk and y < ym:
        p = k * x * y
    elif y < ym:
        p = cc * y ** (1 / n)
    elif y < yu:
        p = pm + m * (y - ym)
    else:
        p = pu
    return min(p, k * x * y)


def silt(s, x, y):
    """c-phi soil: the sand curve's shape with a friction share as for sand
    and a cohesion share as for soft clay in its middle point."""
    b, k, c = s["b"], s["k"], s["c"]
    ps = sand_friction_resistance(s["gamma"], x, b, s["phi"])
    pc = min(3 + s["gamma"] * x / c + 0.5 * x / b, 9) * c * b
    pult, pmid = table_value(R_GRID, A_TABLE, x / b) * ps, 1.5 * ps + pc
    yult, ymid = 3 * b / 80, b / 60
    m = (pult - pmid) / (yult - ymid)
    n = pmid / (abs(m) * ymid)
    cc = pmid / ymid ** (1 / n)
    kx = k * x
    yk = (cc / kx) ** (n / (n - 1))
    ys = (pmid - m * ymid) / (kx - m)
    if 0 <= yk < ymid:
        shape = 1
    elif ymid <= ys < yult:
        shape = 2
    elif pult / kx >= yult:
        shape = 3
    else:
        shape = 1
    if shape == 1:
        p = kx * y if y <= yk else cc * y ** (1 / n) if y <= ymid else pmid + m * (y - ymid) if y <= yult else pult
    elif shape == 2:
        p = kx * y if y <= ys else kx * ys + m * (y - ys) if y <= yult else pult
    else:
        p = kx * y if y <= pult / kx else pult
    return min(p, kx * y)


def strong_rock(s, x, y):
    """Bilinear curve to the rock's shear strength, then the residual value."""
    su = 0.5 * s["qu"]
    es, y1 = 2000 * su, 0.0004 * s["b"]
    p1, pu = es * y1, su * s["b"]
    y2 = y1 + (pu - p1) / (100 * su)
    if y < y1:
        return es * y
    if y < y2:
        return p1 + 100 * su * (y - y1)
    return 0.5 * s["gamma"] * x * s["b"]


def weak_rock(s, x, y):
    """Reese (1997): strength reduced by the rock quality, initial line."""
    b = s["b"]
    alpha = 1 - 2 / 3 * s["rqd"] / 100
    pur = alpha * s["qu"] * b * (1 + 1.4 * x / b) if x <= 3 * b else 5.2 * alpha * s["qu"] * b
    kir = (100 + 400 * x / (3 * b)) * s["er"] if x <= 3 * b else 500 * s["er"]
    yrm = s["krm"] * b
    ya = (pur / (2 * yrm ** 0.25 * kir)) ** (4 / 3)
    return kir * y if y < ya else min(0.5 * pur * (y / yrm) ** 0.25, pur)


PCF, PSF = 1 / 1728.0, 1 / 144.0  # pounds per cubic foot and per square foot in inch units
SOILS = [
    # name, soil type, parameters of the file (six slots), values for the formulas, formula
    ("Soft clay (Matlock 1970)", 1, [110 * PCF, 500 * PSF, 0, 0.02, 0, 0],
     dict(gamma=110 * PCF, c=500 * PSF, eps50=0.02), soft_clay),
    ("Stiff clay with free water (Reese, Cox and Koop 1975)", 2, [120 * PCF, 2000 * PSF, 0, 0.005, 500, 0],
     dict(gamma=120 * PCF, c=2000 * PSF, eps50=0.005, k=500), stiff_clay_free_water),
    ("Stiff clay without free water (Welch and Reese 1972)", 3, [120 * PCF, 2000 * PSF, 0, 0.005, 500, 0],
     dict(gamma=120 * PCF, c=2000 * PSF, eps50=0.005), stiff_clay_no_free_water),
    ("Sand (Reese, Cox and Koop 1974)", 4, [115 * PCF, 0, 35, 0, 90, 0],
     dict(gamma=115 * PCF, phi=math.radians(35), k=90), sand),
    ("Silt, c-phi soil", 5, [115 * PCF, 200 * PSF, 28, 0.01, 60, 0],
     dict(gamma=115 * PCF, c=200 * PSF, phi=math.radians(28), k=60), silt),
    ("Strong rock", 6, [150 * PCF, 1000, 0, 0, 0, 0], dict(gamma=150 * PCF, qu=1000), strong_rock),
    ("Weak rock (Reese 1997)", 7, [140 * PCF, 500, 0, 0.0005, 50000, 50],
     dict(gamma=140 * PCF, qu=500, krm=0.0005, er=50000, rqd=50), weak_rock),
]


def py_tables(runner):
    # English units: a wall of 20 increments of 6 in (120 in), no excavation,
    # one layer down to 200 in (the p-y profile ends at 132 in), b = 24 in and
    # Wa = 96 in, so that the published single-pile formulas apply with the
    # p-multiplier 1.  No earth pressure, so no active offset.
    nn, h, b = 20, 6.0, 24.0
    out = []
    worst_all = 0.0
    for name, soil_type, parameters, values, formula in SOILS:
        layers = [(soil_type, 200.0, parameters)]
        soil = soil_record(0.0, 4 * b, b, layers)
        text = data_file(name, 1, nn, h, 1.0e10, wa=4 * b, py_code=2, soil=soil, loads=[(1, 0, 0, 1000, 0, 0)])
        summary, items = runner.run("py-%d" % soil_type, text)
        curves = py_curves(items)
        s = dict(values, b=b)
        out.append("**%s** (b = %g in; curves at the depths below the excavation level)\n" % (name, b))
        out.append("| depth x (in) | y (in) | p engine (lbs/in) | p formula (lbs/in) | difference |")
        out.append("|---:|---:|---:|---:|---:|")
        for depth, points in (curves[1], curves[3]):
            for index in (1, 6, 11, 15):
                y, p = points[index]
                expected = formula(s, depth, y)
                difference = abs(p - expected) / max(abs(expected), 1e-9)
                worst_all = max(worst_all, difference)
                out.append("| %g | %.3g | %.3g | %.4g | %.1e |" % (depth, y, p, expected, difference))
        out.append("")
    out.append("Largest relative difference over all soils: %.1e (the soil-data file carries the curves with three "
               "significant digits)." % worst_all)
    return "\n".join(out)


# ---------------------------------------------------------------------------
# The peer result: a pile strip in soft clay


def peer_table(runner):
    # SI: EI = 100000 kN m^2, b = 0.6096 m, L = 12 m, free head at the ground
    # surface, 100 kN at the head; soft clay su = 20 kPa, gamma' = 8 kN/m^3,
    # eps50 = 0.02 (the water table deep, so the unit weight is the effective one).
    b, length = 0.6096, 12.0
    parameters = [8.0, 20.0, 0, 0.02, 0, 0]
    peer_deflection, peer_moment = 39.248, 196.21  # 400 elements
    out = ["| layers of the clay | NN | head deflection (mm) | largest moment (kN-m) | at depth (m) |",
           "|---:|---:|---:|---:|---:|"]
    spread = {}
    for sublayers in (1, 4, 12):
        for nn in (100, 200, 300):
            h = length / nn
            bottom = 20.0
            tops = [length * i / sublayers for i in range(1, sublayers)] + [bottom]
            layers = [(1, t, parameters) for t in tops]
            soil = soil_record(0.0, 4 * b, b, layers)
            text = data_file("pile strip", 2, nn, h, 1.0e5, wa=4 * b, tolerance=1e-7, py_code=2, soil=soil,
                             loads=[(1, 0, 0, 100.0, 0, 0)])
            summary, items = runner.run("peer-%d-%d" % (sublayers, nn), text)
            deflection, moment = 1000 * result_rows(items)[0][1], abs(summary["maxMoment"])
            out.append("| %d | %d | %.2f | %.2f | %.2f |" % (sublayers, nn, deflection, moment,
                                                             summary["maxMomentDepth"]))
            d = 100 * (deflection - peer_deflection) / peer_deflection
            m = 100 * (moment - peer_moment) / peer_moment
            low, high = spread.get(sublayers, ((d, d), (m, m)))
            spread[sublayers] = ((min(low[0], d), max(low[1], d)), (min(high[0], m), max(high[1], m)))
    out.append("| peer program, 100 elements | | 39.227 | 196.23 | 3.72 |")
    out.append("| peer program, %d elements | | %.3f | %.2f | 3.69 |" % (400, peer_deflection, peer_moment))
    out.append("")
    out.append("Differences from the peer program's 400 elements, over the three increment counts:")
    out.append("")
    for sublayers, ((dlow, dhigh), (mlow, mhigh)) in spread.items():
        out.append("- clay as %d layer%s: head deflection %+.1f %% to %+.1f %%, largest moment %+.1f %% to %+.1f %%" % (
            sublayers, "" if sublayers == 1 else "s", dlow, dhigh, mlow, mhigh))
    return "\n".join(out)


# ---------------------------------------------------------------------------


def replace_generated(doc, name, text):
    begin, end = "<!-- BEGIN GENERATED %s -->" % name, "<!-- END GENERATED %s -->" % name
    start, stop = doc.find(begin), doc.find(end)
    if start < 0 or stop < start:
        raise SystemExit("make-verification: the document has no markers for %s" % name)
    return doc[:start + len(begin)] + "\n" + text.strip() + "\n" + doc[stop:]


def main():
    if len(sys.argv) not in (2, 3):
        raise SystemExit(__doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    doc_path = sys.argv[2] if len(sys.argv) == 3 else os.path.join(here, "..", "docs", "verification.md")
    with tempfile.TemporaryDirectory(prefix="murena-verification.") as folder:
        runner = Runner(os.path.abspath(sys.argv[1]), folder)
        tables = {"closed-forms": closed_form_tables(runner), "py-curves": py_tables(runner),
                  "peer": peer_table(runner)}
    with open(doc_path) as f:
        doc = f.read()
    for name, text in tables.items():
        doc = replace_generated(doc, name, text)
    with open(doc_path, "w") as f:
        f.write(doc)
    print("make-verification: %s regenerated" % doc_path)


if __name__ == "__main__":
    main()
