// Column descriptor type bytes to DAO's DataTypeEnum. Sizes follow what DAO
// answers for a table-definition field: fixed types their byte size, Text in
// characters, Binary in bytes, Memo and OLE object 0.
#include "platform/mdb/source_type.h"

namespace schemist::mdb {
namespace {

// Stored type bytes libmdb has no names for.
constexpr int kStoredComplex = 0x12;   // attachment or multi-valued field
constexpr int kStoredBigInt = 0x13;    // "Large Number" (Access 2016)

}  // namespace

SourceType sourceTypeOf(int storedType, int storedSize, bool jet3)
{
    switch (storedType) {
    case 0x01: return {1, 1};    // Boolean
    case 0x02: return {2, 1};    // Byte
    case 0x03: return {3, 2};    // Integer
    case 0x04: return {4, 4};    // Long
    case 0x05: return {5, 8};    // Currency
    case 0x06: return {6, 4};    // Single
    case 0x07: return {7, 8};    // Double
    case 0x08: return {8, 8};    // Date
    case 0x09: return {9, storedSize};                         // Binary
    case 0x0A: return {10, jet3 ? storedSize : storedSize / 2};  // Text
    case 0x0B: return {11, 0};   // LongBinary (OLE object)
    case 0x0C: return {12, 0};   // Memo (hyperlinks too)
    case 0x0F: return {15, 16};  // GUID (replication ID)
    case 0x10: return {20, 16};  // Decimal
    case kStoredComplex: return {101, 4};  // refined by the complex-column catalog when it names the kind
    case kStoredBigInt: return {16, 8};
    default: return {0, storedSize};
    }
}

}  // namespace schemist::mdb
