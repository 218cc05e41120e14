// The spreadsheet definition document NAME.xlsx: a table list sheet with
// links, then one sheet per table with its fields, indexes and
// relationships, printed A4 landscape one page wide.
#pragma once

#include "doc/change_history.h"
#include "model/source_schema.h"

#include <array>
#include <string>

namespace schemist::doc {

// The run's choices for the page header and footer (left, centre, right:
// 0 none, 1 the table name, 2 the source file name, 3 page of pages), as the
// definition workbook uses them.
struct PageTexts {
    std::array<int, 3> header{};
    std::array<int, 3> footer{};
};

// The bytes of the workbook; the same schema and choices give the same
// bytes. libxlsxwriter writes only to a file, so a temporary file under
// `$TMPDIR` (or /tmp) is written and read back. Throws Error naming what
// failed. With a history, the sheet 改訂履歴 follows the table list.
std::string xlsxDocument(const SourceSchema& documented, const std::string& sourceFileName, const PageTexts& page,
                         const ChangeHistory* history = nullptr);

}  // namespace schemist::doc
