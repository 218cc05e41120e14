// A compact byte form of SourceSchema, for carrying a schema read in a child
// process back to its parent. The parent treats the bytes as untrusted: the
// decoder checks every length and count against what is left.
#pragma once

#include "model/source_schema.h"

#include <string>
#include <string_view>

namespace schemist::mdb {

struct MalformedWire {};

std::string encodeSchema(const SourceSchema& schema);

// Throws MalformedWire for bytes that are not exactly one encoded schema.
SourceSchema decodeSchema(std::string_view bytes);

}  // namespace schemist::mdb
