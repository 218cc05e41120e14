#!/usr/bin/python3
"""Dumps an .xls file as JSON through xlrd (an independent BIFF8 reader), for
the C++ tests. xlrd does not read page headers and footers, nor list the
records; those are taken from the Workbook stream, which xlrd's compound
document reader extracts."""
import json
import os
import struct
import sys

import xlrd
from xlrd import compdoc

BORDER_NAMES = ("left", "right", "top", "bottom")


def records(stream, start):
    """Yields (id, data, offset) from `start` up to and including the next EOF."""
    pos = start
    while pos + 4 <= len(stream):
        rid, size = struct.unpack_from("<HH", stream, pos)
        yield rid, stream[pos + 4:pos + 4 + size], pos
        pos += 4 + size
        if rid == 0x000A:
            return


def unicode_string(data):
    if not data:
        return ""
    count, flags = struct.unpack_from("<HB", data, 0)
    raw = data[3:]
    return raw[:count].decode("latin-1") if flags & 1 == 0 else raw[:2 * count].decode("utf-16-le")


def extsst_problems(stream):
    """Checks every EXTSST bucket against the SST strings' real positions."""
    parts, index = [], None
    for rid, body, offset in records(stream, 0):
        if rid == 0x00FC or (rid == 0x003C and parts):
            parts.append((offset, body))
        elif rid == 0x00FF:
            index = body
    if not parts or index is None:
        return ["no SST or no EXTSST"]
    starts = []  # (absolute offset, offset inside its record incl. header) of each string
    part, pos = 0, 8
    unique = struct.unpack_from("<I", parts[0][1], 4)[0]
    for _ in range(unique):
        if pos >= len(parts[part][1]):
            part, pos = part + 1, 0
        starts.append((parts[part][0] + 4 + pos, 4 + pos))
        count, flags = struct.unpack_from("<HB", parts[part][1], pos)
        pos += 3
        left = count
        while True:
            unit = 2 if flags & 1 else 1
            room = (len(parts[part][1]) - pos) // unit
            take = min(room, left)
            pos += take * unit
            left -= take
            if left == 0:
                break
            part, pos = part + 1, 1
            flags = parts[part][1][0]
    problems = []
    per_bucket = struct.unpack_from("<H", index, 0)[0]
    for b in range((len(index) - 2) // 8):
        ib, cb = struct.unpack_from("<IH", index, 2 + 8 * b)
        if starts[b * per_bucket] != (ib, cb):
            problems.append("bucket %d: %s != %s" % (b, (ib, cb), starts[b * per_bucket]))
    if len(index) != 2 + 8 * ((unique + per_bucket - 1) // per_bucket):
        problems.append("bucket count")
    return problems


def stream_facts(path):
    with open(path, "rb") as f:
        data = f.read()
    with open(os.devnull, "w") as devnull:
        doc = compdoc.CompDoc(data, logfile=devnull)
        stream = doc.get_named_stream("Workbook")
    header = data[:512]
    facts = {"difatSectors": struct.unpack_from("<I", header, 0x48)[0],
             "fatSectors": struct.unpack_from("<I", header, 0x2C)[0],
             "globalRecords": [], "sheets": [], "extsstProblems": extsst_problems(stream)}
    offsets = []
    for rid, body, _ in records(stream, 0):
        facts["globalRecords"].append(rid)
        if rid == 0x0085:
            offsets.append(struct.unpack_from("<I", body, 0)[0])
    for offset in offsets:
        sheet = {"header": None, "footer": None, "records": []}
        for rid, body, _ in records(stream, offset):
            sheet["records"].append(rid)
            if rid == 0x0014:
                sheet["header"] = unicode_string(body)
            elif rid == 0x0015:
                sheet["footer"] = unicode_string(body)
        facts["sheets"].append(sheet)
    return facts


def dump(path):
    book = xlrd.open_workbook(path, formatting_info=True, logfile=open(os.devnull, "w"))
    facts = stream_facts(path)
    kinds = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_BLANK: "blank"}
    out = {"fonts": [f.name for f in book.font_list], "xfs": [], "sheets": [],
           "difatSectors": facts["difatSectors"], "fatSectors": facts["fatSectors"],
           "globalRecords": facts["globalRecords"], "extsstProblems": facts["extsstProblems"]}
    for xf in book.xf_list:
        b = xf.border
        out["xfs"].append({
            "format": book.format_map[xf.format_key].format_str,
            "horizontal": xf.alignment.hor_align,
            "vertical": xf.alignment.vert_align,
            "wrap": xf.alignment.text_wrapped,
            "font": book.font_list[xf.font_index].name,
            "left": b.left_line_style, "right": b.right_line_style,
            "top": b.top_line_style, "bottom": b.bottom_line_style})
    for index, sheet in enumerate(book.sheets()):
        cells = []
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                if cell.ctype in kinds:
                    cells.append([r, c, kinds[cell.ctype], cell.value, cell.xf_index])
        out["sheets"].append({
            "name": sheet.name,
            "cells": cells,
            "merged": [list(m) for m in sheet.merged_cells],
            "widths": {str(k): v.width for k, v in sheet.colinfo_map.items()},
            "heights": {str(k): v.height for k, v in sheet.rowinfo_map.items()},
            "header": facts["sheets"][index]["header"],
            "footer": facts["sheets"][index]["footer"],
            "records": facts["sheets"][index]["records"]})
    return out


if __name__ == "__main__":
    try:
        json.dump(dump(sys.argv[1]), sys.stdout)
    except Exception as error:  # reported to the test as a failure to read
        print(json.dumps({"error": "%s: %s" % (type(error).__name__, error)}))
        sys.exit(1)
