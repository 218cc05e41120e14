// A schema snapshot: the definitions JSON that --definitions-json wrote
// (format 2 or later, which holds the "schema" section), read back as the
// schema it describes, so that a later database can be compared with it.
#pragma once

#include "model/source_schema.h"

#include <optional>
#include <string>

namespace schemist::doc {

struct SchemaSnapshot {
    SourceSchema schema;
    std::string source;                  // the database the snapshot was made from, as written in it
    std::optional<std::string> modified; // that database's modification time, when the snapshot holds it
};

// Reads the snapshot at `path`. Throws Error naming the file and, for a
// value of the wrong kind, where in the file it is.
SchemaSnapshot readSchemaSnapshot(const std::string& path);
SchemaSnapshot parseSchemaSnapshot(const std::string& text, const std::string& path);

// True when the file starts like JSON (an Access database never does).
bool looksLikeSnapshot(const std::string& path);

// The modification time of a file as "YYYY-MM-DDTHH:MM:SS+hh:mm" in local
// time, for the snapshot to carry as the date of the definitions it holds;
// none when the file cannot be looked at.
std::optional<std::string> modificationTimeText(const std::string& path);

// "YYYY-MM-DD" of such a time (the text itself when it is not one).
std::string dateOf(const std::string& timeText);

}  // namespace schemist::doc
