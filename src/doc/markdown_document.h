// The Markdown definition document: a folder with README.md (the table list
// and the diagrams of the relationships) and one page per table.
#pragma once

#include "doc/change_history.h"
#include "platform/atomic_file.h"
#include "model/source_schema.h"

#include <string>
#include <vector>

namespace schemist::doc {

// Above this many tables one diagram of the whole database is too large to
// read, and README.md draws one per group of connected tables instead.
inline constexpr std::size_t kMostTablesInOneDiagram = 30;

// The files of the document for `documented`, to be written under `folder`
// (UTF-8, LF line ends; the same schema always gives the same bytes). With a
// history, README.md ends with the section 改訂履歴.
std::vector<PendingFile> markdownDocument(const SourceSchema& documented, const std::string& sourceFileName,
                                          const std::string& folder, const ChangeHistory* history = nullptr);

}  // namespace schemist::doc
