// The BIFF8 (Excel 97-2003) writer: a Book becomes the bytes of an .xls file.
//
// Records written. Workbook globals: BOF, CODEPAGE (1200, UTF-16), WINDOW1,
// DATEMODE, FONT (the default font, five times as Excel expects), FORMAT for
// number formats that are not built in, XF (15 style XFs, the default cell
// XF, then one per Book::formats entry), STYLE (Normal), BOUNDSHEET per
// sheet, SST (+ CONTINUE), EXTSST, EOF. Per sheet: BOF, DEFAULTROWHEIGHT,
// HEADER, FOOTER, DEFCOLWIDTH, COLINFO, DIMENSIONS, ROW and cell records in
// blocks of 32 rows (LABELSST, NUMBER, BLANK, MULBLANK), WINDOW2,
// MERGEDCELLS, EOF. No timestamps or random ids: equal books, equal bytes.
#pragma once

#include <string>

#include "platform/xls/xls_book.h"

namespace schemist::xls {

// The BIFF8 "Workbook" stream (padded to the compound document's 4096-byte
// minimum after the last EOF). Throws std::invalid_argument for a book the
// format cannot hold (no sheet, a row or column out of range, a sheet name
// over 31 or a header over 255 characters, a cell pointing at no format).
std::string buildWorkbookStream(const Book& book);

// The complete .xls file: the stream inside a compound document.
std::string buildXlsFile(const Book& book);

// The built-in number format id of a format code, or -1 when it has none.
int builtInNumberFormat(const std::string& code);

}  // namespace schemist::xls
