// The four conversion tables of the work store with their default rows, and
// the making and rebuilding of the work store itself.
#pragma once

#include "platform/workstore/database.h"
#include "store/default_rows.h"

#include <string>

namespace schemist {

// Builds Default_Type_Table (with `newFile` the store file is made anew) and
// writes its 22 rows.
void CreateDefaultTypeTable(const std::string& storePath, bool newFile);

// Builds the three name tables, each followed by its row writer.
void CreateDefaultNameTables(const std::string& storePath, bool newFile);

// Row writers: each writes its table's default rows in one transaction, so
// a failure leaves the table with its earlier rows.
void InsertDefaultTypeRows(const std::string& storePath, const std::string& table);
void InsertDefaultTopNames(const std::string& storePath, const std::string& table);
void InsertDefaultEndNames(const std::string& storePath, const std::string& table);
void InsertDefaultFullNames(const std::string& storePath, const std::string& table);

// Makes a complete store with the default data beside `storePath` and moves
// it into place only when complete, so a failure half-way (full disk,
// unwritable folder) leaves the user's store as it was. With `keepBackup` the
// replaced store is kept as storePath + ".bak", and the two before it as
// ".bak.1" and ".bak.2" (newest first; an older third one is dropped).
// A store held by another process is refused with an Error.
void RebuildWorkStore(const std::string& storePath, bool keepBackup);

// Checks that the file is a work store with the four conversion tables;
// throws Error naming the file and the way out when it is not. Opens the file
// without changing it.
void ValidateWorkStore(const std::string& storePath);

}  // namespace schemist
