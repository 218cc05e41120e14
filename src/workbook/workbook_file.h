// Saving the workbook model: what Excel would store for it, expressed as the
// BIFF8 writer's Book (cell formats deduplicated into XFs, column widths in
// the file's units, page header and footer strings, and the row heights
// Excel would have fitted to wrapped text).
#pragma once

#include <string>

#include "platform/xls/xls_book.h"
#include "workbook/workbook.h"

namespace schemist::excel {

xls::Book toXlsBook(const Workbook& workbook);
// The same, letting go of each sheet's cells once they are converted.
xls::Book toXlsBookReleasingCells(Workbook& workbook);

// Excel's header or footer string from its three parts: "&L" left, "&C"
// centre, "&R" right, each only when not empty.
std::string headerFooterString(const std::string& left, const std::string& center, const std::string& right);

// A column width in characters as the file stores it (1/256 of a digit,
// padding included) for the default font, whose digit is 8 pixels wide.
std::uint16_t columnWidthUnits(double characters);

}  // namespace schemist::excel
