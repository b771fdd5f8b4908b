#!/usr/bin/env python3
"""Reads a workbook written by the graph export with independent readers
(openpyxl for the cells, the zip's XML parts for the charts) and prints what
the tests check as JSON."""
import json
import posixpath
import sys
import xml.etree.ElementTree as ET
import zipfile

import openpyxl

C = "{http://schemas.openxmlformats.org/drawingml/2006/chart}"
R = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
PR = "{http://schemas.openxmlformats.org/package/2006/relationships}"
M = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"


def cell(ws, ref):
    c = ws[ref]
    return {"value": c.value, "link": c.hyperlink.location if c.hyperlink else None, "bold": bool(c.font.b)}


def relations(z, part):
    folder, name = posixpath.split(part)
    rels = posixpath.join(folder, "_rels", name + ".rels")
    out = {}
    for r in ET.fromstring(z.read(rels)).iter(PR + "Relationship"):
        out[r.get("Id")] = posixpath.normpath(posixpath.join(folder, r.get("Target")))
    return out


def chart_of_sheet(z, sheet_part):
    drawing = next(iter(relations(z, sheet_part).values()))
    return next(iter(relations(z, drawing).values()))


def text_of(element):
    return "".join(t.text or "" for t in element.iter("{http://schemas.openxmlformats.org/drawingml/2006/main}t"))


def chart_summary(xml):
    root = ET.fromstring(xml)
    chart = root.find(C + "chart")
    scatter = chart.find(".//" + C + "scatterChart")
    series = []
    for ser in (scatter.findall(C + "ser") if scatter is not None else []):
        tx = ser.find(C + "tx")
        name = tx.findtext(C + "v") if tx is not None else None
        series.append({"name": name, "x": ser.findtext(C + "xVal/" + C + "numRef/" + C + "f"),
                       "y": ser.findtext(C + "yVal/" + C + "numRef/" + C + "f")})
    axes = []
    for ax in chart.iter(C + "valAx"):
        orientation = ax.find(C + "scaling/" + C + "orientation")
        title = ax.find(C + "title")
        axes.append({"position": ax.find(C + "axPos").get("val"),
                     "orientation": orientation.get("val") if orientation is not None else "minMax",
                     "gridlines": ax.find(C + "majorGridlines") is not None,
                     "title": text_of(title) if title is not None else None})
    deleted = chart.find(C + "autoTitleDeleted")
    return {"scatter": scatter is not None,
            "style": scatter.find(C + "scatterStyle").get("val") if scatter is not None else None,
            "series": series, "axes": axes,
            "titleOff": deleted is not None and deleted.get("val") == "1" and chart.find(C + "title") is None,
            "legend": chart.find(C + "legend") is not None}


def main(path):
    wb = openpyxl.load_workbook(path)
    out = {"sheets": [], "legend": {}, "widths": {}, "pages": {}, "charts": {}}
    for ws in wb._sheets:
        out["sheets"].append({"name": ws.title, "kind": type(ws).__name__})
    legend = wb["Legend"]
    for row in legend.iter_rows():
        for c in row:
            if c.value is not None:
                out["legend"][c.coordinate] = cell(legend, c.coordinate)
    for letter in "BCDEF":
        out["widths"][letter] = legend.column_dimensions[letter].width
    for ws in wb.worksheets:
        if not ws.title.startswith("Page_"):
            continue
        page = {ref: cell(ws, ref) for ref in ("A1", "A2", "B2", "A3", "B3", "G1")}
        page["names"] = []
        page["columns"] = []
        for col in range(1, ws.max_column + 1):
            values = [ws.cell(row=r, column=col).value for r in range(6, ws.max_row + 1)]
            while values and values[-1] is None:
                values.pop()
            page["columns"].append(values)
            if col % 2 == 1:
                page["names"].append(ws.cell(row=4, column=col).value)
        while page["names"] and page["names"][-1] is None:
            page["names"].pop()
        while page["columns"] and not page["columns"][-1]:
            page["columns"].pop()
        page["headers"] = [ws.cell(row=5, column=col).value for col in range(1, ws.max_column + 1)]
        out["pages"][ws.title] = page
    with zipfile.ZipFile(path) as z:
        book = ET.fromstring(z.read("xl/workbook.xml"))
        rels = relations(z, "xl/workbook.xml")
        for s in book.iter(M + "sheet"):
            part = rels[s.get(R + "id")]
            if "chartsheets" in part:
                out["charts"][s.get("name")] = chart_summary(z.read(chart_of_sheet(z, part)))
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
