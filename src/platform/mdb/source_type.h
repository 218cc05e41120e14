// The type code and size that the Access object model reports for each
// column type stored in a source table definition.
#pragma once

#include <cstdint>

namespace schemist::mdb {

struct SourceType {
    int code = 0;           // 0: a column type DAO's codes do not cover
    std::int32_t size = 0;
};

// `storedType` and `storedSize` as the column descriptor holds them; Text
// sizes are bytes there (two per character outside Jet3).
SourceType sourceTypeOf(int storedType, int storedSize, bool jet3);

}  // namespace schemist::mdb
