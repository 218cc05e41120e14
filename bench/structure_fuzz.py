#!/usr/bin/env python3
"""Structure-aware mutation campaign against the source schema reader.

   bench/structure_fuzz.py [--cases N] [--first I] [--seed S] [--probe PATH]
                           [--time-limit SEC] [--keep DIR] FOLDER...

Finds the parts of each Access file in the folders (read in place) that the
reader relies on -- the catalog's data pages and their row offsets, the
column count and fixed values (Id, Type, Flags) of each catalog row,
table-definition pages with their counts, index area and usage-map pointer,
usage-map rows, property blobs, long-value pointers -- and damages one of them per case (copy i made with seed S and i,
for i from I to I+N-1, so that a campaign can be split over processes).
Each copy is read by read_probe (isolated, as the programs read) and counted:

  success       exit 0 with every catalog table of the file listed
  warned loss   exit 0 with fewer tables and a warning about the table list
  silent loss   exit 0 with fewer tables than the file's catalog has table
                rows, and no warning                               (a fault)
  clear error   exit 2 with a message
  contained crash / contained hang: clear errors that name a signal or a
                time-out of the reading child                        (faults)
  crash, hang   the probe itself died or ran past the time limit      (faults)

The number of catalog table rows comes from the file's .schema.json. Faulty
inputs are kept in the --keep folder with the mutation that made them.
Exit status 1 when any fault was found.
"""
import argparse
import collections
import json
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

CATALOG_DEFINITION_PAGE = 2
CATALOG_WARNING = 'テーブル一覧'


class Layout:
    """Offsets of one file format (Jet3, or Jet4/ACE)."""

    def __init__(self, data):
        self.jet3 = data[0x14] == 0
        self.page = 2048 if self.jet3 else 4096
        self.row_count_at = 8 if self.jet3 else 12
        self.num_cols_at = 25 if self.jet3 else 45
        self.num_idx_at = 27 if self.jet3 else 47
        self.num_real_idx_at = 31 if self.jet3 else 51
        self.usage_map_at = 35 if self.jet3 else 55
        self.tdef_rows_at = 12 if self.jet3 else 16


class Seed:
    """One sample file and the structures found in it."""

    def __init__(self, path):
        self.path = path
        self.data = open(path, 'rb').read()
        self.layout = Layout(self.data)
        with open(path + '.schema.json', encoding='utf-8') as dump:
            self.catalog_rows = len(json.load(dump)['catalogOrder'])
        lay = self.layout
        self.pages = len(self.data) // lay.page
        self.catalog_pages = []
        self.definition_pages = []
        for number in range(1, self.pages):
            page = self.page_bytes(number)
            if page[0] == 0x01 and struct.unpack_from('<I', page, 4)[0] == CATALOG_DEFINITION_PAGE:
                self.catalog_pages.append(number)
            elif page[0] == 0x02:
                self.definition_pages.append(number)
        self.property_blobs = [m.start() for m in re.finditer(rb'(MR2|KKD)\x00', self.data)]
        self.long_value_pointers = self.find_long_value_pointers()

    def page_bytes(self, number):
        return self.data[number * self.layout.page:(number + 1) * self.layout.page]

    def rows_of(self, number):
        """(row number, start, end) of each row slot on a data page."""
        lay = self.layout
        page = self.page_bytes(number)
        count = struct.unpack_from('<H', page, lay.row_count_at)[0]
        rows, end = [], lay.page
        for row in range(min(count, (lay.page - lay.row_count_at - 2) // 2)):
            offset = struct.unpack_from('<H', page, lay.row_count_at + 2 + 2 * row)[0]
            start = offset & 0x1FFF
            if not offset & 0xC000 and start < end:
                rows.append((row, start, end))
            if start < end:
                end = start
        return rows

    def find_long_value_pointers(self):
        """File offsets of 4-byte (row, page) pointers in catalog rows that
        name a row holding a property blob."""
        blob_rows = set()
        for number in range(1, self.pages):
            page = self.page_bytes(number)
            if page[0] != 0x01:
                continue
            for row, start, end in self.rows_of(number):
                if page[start:start + 3] in (b'MR2', b'KKD'):
                    blob_rows.add(struct.pack('<I', (number << 8) | row))
        found = []
        for number in self.catalog_pages:
            base = number * self.layout.page
            page = self.page_bytes(number)
            for pointer in blob_rows:
                found += [base + m.start() for m in re.finditer(re.escape(pointer), page)]
        return found


def put16(data, at, value):
    struct.pack_into('<H', data, at, value & 0xFFFF)


def put32(data, at, value):
    struct.pack_into('<I', data, at, value & 0xFFFFFFFF)


def huge(rng):
    return rng.choice([0xFFFF, 0x7FFF, 256, 1000, 4097, 0xFFFFFFFF, 0x7FFFFFFF, 0x10000])


class Mutator:
    def __init__(self, seed, rng):
        self.seed, self.rng = seed, rng
        self.lay = seed.layout
        self.data = bytearray(seed.data)

    def page_start(self, number):
        return number * self.lay.page

    def catalog_page(self):
        return self.rng.choice(self.seed.catalog_pages)

    def catalog_row(self):
        for _ in range(20):
            number = self.catalog_page()
            rows = self.seed.rows_of(number)
            if rows:
                return number, self.rng.choice(rows)
        return None

    # --- the mutations; each returns a short description -------------------
    def row_offset(self):
        number = self.catalog_page()
        # the sound row count: another mutation of the same case may have changed it
        rows = struct.unpack_from('<H', self.seed.data, self.page_start(number) + self.lay.row_count_at)[0]
        rows = min(rows, (self.lay.page - self.lay.row_count_at - 2) // 2)
        if rows == 0:
            return None
        row = self.rng.randrange(rows)
        at = self.page_start(number) + self.lay.row_count_at + 2 + 2 * row
        value = self.rng.choice([self.lay.page + self.rng.randrange(1, 0x1000), 0x1FFF, 0, 1,
                                 self.rng.randrange(0x2000), struct.unpack_from('<H', self.data, at)[0] + 1])
        put16(self.data, at, value & 0x1FFF)
        return 'catalog row offset page %d row %d = %d' % (number, row, value & 0x1FFF)

    def row_count(self):
        number = self.catalog_page()
        at = self.page_start(number) + self.lay.row_count_at
        value = self.rng.choice([0xFFFF, 2000, struct.unpack_from('<H', self.data, at)[0] + self.rng.randrange(1, 8)])
        put16(self.data, at, value)
        return 'catalog page %d row count = %d' % (number, value)

    def row_column_count(self):
        found = self.catalog_row()
        if not found:
            return None
        number, (row, start, _) = found
        at = self.page_start(number) + start
        value = self.rng.choice([256, 300, 0xFFFF, 0, 1]) if not self.lay.jet3 else self.rng.choice([255, 0, 1, 200])
        if self.lay.jet3:
            self.data[at] = value
        else:
            put16(self.data, at, value)
        return 'catalog page %d row %d column count = %d' % (number, row, value)

    def row_bytes(self):
        found = self.catalog_row()
        if not found:
            return None
        number, (row, start, end) = found
        base = self.page_start(number)
        for _ in range(self.rng.choice([1, 2, 4, 8])):
            # the row's tail: variable-length offsets, null mask, long values
            at = base + self.rng.randrange(max(start, end - 24), end)
            self.data[at] = self.rng.randrange(256)
        return 'catalog page %d row %d tail bytes' % (number, row)

    def row_fixed_values(self):
        found = self.catalog_row()
        if not found:
            return None
        number, (row, start, end) = found
        # after the column count: Id, ParentId, Type, the two dates, Flags
        head = 1 if self.lay.jet3 else 2
        at = self.page_start(number) + start + head + self.rng.randrange(min(30, max(1, end - start - head)))
        self.data[at] = self.rng.choice([self.rng.randrange(256), self.data[at] ^ (1 << self.rng.randrange(8))])
        return 'catalog page %d row %d fixed values' % (number, row)

    def definition_count(self):
        number = self.rng.choice([CATALOG_DEFINITION_PAGE] + self.seed.definition_pages)
        base = self.page_start(number)
        field = self.rng.choice(['num_cols', 'num_idx', 'num_real_idx', 'tdef_rows', 'tdef_len'])
        if field == 'num_cols':
            put16(self.data, base + self.lay.num_cols_at, huge(self.rng))
        elif field == 'num_idx':
            put32(self.data, base + self.lay.num_idx_at, huge(self.rng))
        elif field == 'num_real_idx':
            put32(self.data, base + self.lay.num_real_idx_at, huge(self.rng))
        elif field == 'tdef_rows':
            put32(self.data, base + self.lay.tdef_rows_at, huge(self.rng))
        else:
            put32(self.data, base + 8, huge(self.rng))
        return 'definition page %d %s' % (number, field)

    def definition_bytes(self):
        number = self.rng.choice([CATALOG_DEFINITION_PAGE] + self.seed.definition_pages)
        base = self.page_start(number)
        length = min(struct.unpack_from('<I', self.data, base + 8)[0], self.lay.page)
        area = self.rng.choice(['index', 'columns'])
        lo, hi = (max(16, length * 2 // 3), max(17, length)) if area == 'index' else (63, max(64, length // 2))
        for _ in range(self.rng.choice([1, 2, 4, 16])):
            self.data[base + self.rng.randrange(lo, min(hi, self.lay.page))] = self.rng.randrange(256)
        return 'definition page %d %s bytes' % (number, area)

    def usage_map(self):
        number = self.rng.choice([CATALOG_DEFINITION_PAGE] * 3 + self.seed.definition_pages)
        pointer = struct.unpack_from('<I', self.data, self.page_start(number) + self.lay.usage_map_at)[0]
        if self.rng.random() < 0.3:
            put32(self.data, self.page_start(number) + self.lay.usage_map_at,
                  self.rng.choice([0xFFFFFF00, pointer + 1, pointer + 0x100, (self.seed.pages + 5) << 8,
                                   (pointer & ~0xFF) | 200]))  # the last: a row past the page's rows, empty
            return 'definition page %d usage-map pointer' % number
        map_page, map_row = pointer >> 8, pointer & 0xFF
        if not 0 < map_page < self.seed.pages:
            return None
        rows = [r for r in self.seed.rows_of(map_page) if r[0] == map_row]
        if not rows:
            return None
        _, start, end = rows[0]
        base = self.page_start(map_page)
        what = self.rng.choice(['type', 'first', 'bits'])
        if what == 'type':
            self.data[base + start] = self.rng.choice([2, 0xFF, 1 - min(self.data[base + start], 1)])
        elif what == 'first' and end - start >= 5:
            put32(self.data, base + start + 1, self.rng.choice([0xFFFFFFF0, self.seed.pages, 0x00FFFFFF]))
        else:
            for _ in range(self.rng.choice([1, 4, 32])):
                self.data[base + self.rng.randrange(start, end)] = self.rng.randrange(256)
        return 'usage map of definition page %d: %s' % (number, what)

    def property_blob(self):
        if not self.seed.property_blobs:
            return None
        at = self.rng.choice(self.seed.property_blobs)
        what = self.rng.choice(['chunk length', 'entry length', 'bytes'])
        if what == 'chunk length':
            put32(self.data, at + 4, huge(self.rng) if self.rng.random() < 0.5 else self.rng.randrange(12))
        elif what == 'entry length':
            put16(self.data, at + self.rng.randrange(10, 80), self.rng.choice([0, 1, 7, 0xFFFF, 0x8000]))
        else:
            for _ in range(self.rng.choice([1, 4, 16])):
                self.data[min(len(self.data) - 1, at + self.rng.randrange(4, 400))] = self.rng.randrange(256)
        return 'property blob at %d: %s' % (at, what)

    def long_value_pointer(self):
        if not self.seed.long_value_pointers:
            return None
        at = self.rng.choice(self.seed.long_value_pointers)
        what = self.rng.choice(['row', 'page', 'length', 'self'])
        if what == 'row':
            self.data[at] = self.rng.choice([0xFF, self.data[at] + 1 & 0xFF, 0x7F])
        elif what == 'page':
            struct.pack_into('<I', self.data, at, (self.rng.choice([self.seed.pages + 3, 0xFFFFFF, 0, 1, 2]) << 8)
                             | self.data[at])
        elif what == 'length':
            put32(self.data, at - 4, self.rng.choice([0x3FFFFFFF, 0x40000000 | 0xFFFF, 0x80000000 | 5000, 0]))
        else:
            number = at // self.lay.page
            struct.pack_into('<I', self.data, at, (number << 8) | self.rng.randrange(4))
        return 'long-value pointer at %d: %s' % (at, what)

    def page_swap(self):
        pages = self.seed.pages
        if pages < 3:
            return None
        targets = self.seed.catalog_pages + self.seed.definition_pages + [CATALOG_DEFINITION_PAGE]
        a = self.rng.choice(targets)
        b = self.rng.randrange(1, pages)
        if a == b:
            return None
        pa, pb = self.page_start(a), self.page_start(b)
        size = self.lay.page
        if self.rng.random() < 0.5:
            self.data[pa:pa + size], self.data[pb:pb + size] = self.data[pb:pb + size], self.data[pa:pa + size]
            return 'swapped pages %d and %d' % (a, b)
        self.data[pa:pa + size] = self.data[pb:pb + size]
        return 'page %d replaced by page %d' % (a, b)

    def tail(self):
        extra = self.rng.choice([1, 2, 100, self.lay.page - 1])
        self.data += bytes(self.rng.randrange(256) for _ in range(min(extra, 64))) + bytes(max(0, extra - 64))
        return '%d bytes appended' % extra


MUTATIONS = ['row_offset', 'row_count', 'row_column_count', 'row_bytes', 'row_fixed_values', 'definition_count',
             'definition_bytes', 'usage_map', 'property_blob', 'long_value_pointer', 'page_swap', 'tail']


def mutate(seed, rng):
    for _ in range(50):
        mutator = Mutator(seed, rng)
        kind = rng.choice(MUTATIONS)
        if rng.random() < 0.15:
            description = [getattr(mutator, rng.choice(MUTATIONS))() for _ in range(2)]
            description = ' + '.join(d for d in description if d)
            kind = 'mixed'
        else:
            description = getattr(mutator, kind)()
        if description and bytes(mutator.data) != seed.data:
            return kind, description, bytes(mutator.data)
    return None


def classify(result, expected_tables):
    if result is None:
        return 'hang'
    if result.returncode < 0:
        return 'crash'
    if result.returncode == 2:
        if 'シグナル' in result.stderr:
            return 'contained crash'
        if '秒以内に終わりませんでした' in result.stderr:
            return 'contained hang'
        return 'clear error' if result.stderr.strip() else 'other'
    if result.returncode != 0:
        return 'other'
    match = re.match(r'(\d+) tables, \d+ fields, (\d+) warnings', result.stdout)
    if not match:
        return 'other'
    tables = int(match.group(1))
    if tables >= expected_tables:
        return 'success'
    # only a warning about the table list accounts for missing tables (not,
    # say, the one about bytes after the last page)
    return 'warned loss' if CATALOG_WARNING in result.stderr else 'silent loss'


FAULTS = {'silent loss', 'contained crash', 'contained hang', 'crash', 'hang', 'other'}


def run(probe, path, limit):
    try:
        return subprocess.run([probe, '--timeout-ms', str(int(limit * 1000 * 0.75)), path],
                              capture_output=True, text=True, timeout=limit)
    except subprocess.TimeoutExpired:
        return None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('folders', nargs='+')
    parser.add_argument('--cases', type=int, default=1000)
    parser.add_argument('--first', type=int, default=0)
    parser.add_argument('--seed', type=int, default=1)
    parser.add_argument('--probe', default='build/tests/fuzz/read_probe')
    parser.add_argument('--time-limit', type=float, default=30)
    parser.add_argument('--keep', default='fuzz-findings')
    args = parser.parse_args()

    seeds = []
    for folder in args.folders:
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if name.endswith(('.mdb', '.accdb')) and os.path.exists(path + '.schema.json'):
                seeds.append(Seed(path))
    if not seeds:
        sys.exit('no sample files with .schema.json in ' + ' '.join(args.folders))

    tally = collections.Counter()
    by_kind = collections.defaultdict(collections.Counter)
    messages = collections.Counter()
    with tempfile.TemporaryDirectory() as work:
        for index in range(args.first, args.first + args.cases):
            if index > args.first and (index - args.first) % 500 == 0:
                print('%d cases: %s' % (index - args.first, dict(tally)), file=sys.stderr, flush=True)
            rng = random.Random(args.seed * 1000003 + index)
            seed = rng.choice(seeds)
            made = mutate(seed, rng)
            if not made:
                tally['not mutated'] += 1
                continue
            kind, description, data = made
            case = os.path.join(work, 'case-%d-%d%s' % (args.seed, index, os.path.splitext(seed.path)[1]))
            with open(case, 'wb') as out:
                out.write(data)
            result = run(args.probe, case, args.time_limit)
            outcome = classify(result, seed.catalog_rows)
            tally[outcome] += 1
            by_kind[kind][outcome] += 1
            if result is not None and outcome in ('clear error', 'warned loss'):
                text = result.stderr.strip().splitlines()[0] if result.stderr.strip() else ''
                text = re.sub(r'\d+', 'N', text.replace(case, 'FILE'))
                messages[re.sub(r'「[^」]*」', '「…」', text)] += 1
            if outcome in FAULTS:
                os.makedirs(args.keep, exist_ok=True)
                kept = os.path.join(args.keep, os.path.basename(case))
                with open(kept, 'wb') as out:
                    out.write(data)
                with open(kept + '.txt', 'w', encoding='utf-8') as note:
                    note.write('%s from %s: %s\n' % (outcome, seed.path, description))
                print('%s: %s: %s (%s)' % (outcome, os.path.basename(seed.path), description, kept), file=sys.stderr)
            os.remove(case)

    print('command: %s %s' % (sys.argv[0], ' '.join(sys.argv[1:])))
    print('cases: %d from %d (seed %d, %d sample files)' % (args.cases, args.first, args.seed, len(seeds)))
    for key in ['success', 'warned loss', 'clear error', 'silent loss', 'contained crash', 'contained hang',
                'crash', 'hang', 'other', 'not mutated']:
        print('  %-16s %d' % (key, tally[key]))
    print('by mutation:')
    for kind in sorted(by_kind):
        print('  %-20s %s' % (kind, ', '.join('%s %d' % item for item in sorted(by_kind[kind].items()))))
    print('messages:')
    for message, count in messages.most_common(12):
        print('  %5d  %s' % (count, message))
    faults = sum(tally[key] for key in FAULTS)
    print('faults: %d' % faults)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
