// Columns come from libmdb's table reader. Indexes are read here from the
// same pages: libmdb leaves foreign-key indexes without fields or flags and
// pairs logical with physical indexes by position rather than by the stored
// physical index number.
//
// After the column names the definition holds, in this order:
//   physical indexes: [Jet4: 4 skipped] 10 x (u16 column number, u8 order),
//     u32 usage map, u32 first page, [Jet4: 4 skipped], u8 flags, [Jet4: 5 skipped]
//   logical indexes:  [Jet4: 4 skipped] u32 index number, u32 physical index,
//     u8 u32 u32 u8 u8 (relationship), u8 kind, [Jet4: 4 skipped]
//   index names:      (Jet3 u8 / Jet4 u16 length, text) per logical index
#include "platform/mdb/table_definition.h"

#include "platform/mdb/catalog.h"
#include "platform/mdb/source_type.h"
#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/property_blocks.h"
#include "platform/mdb/read_failure.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace schemist::mdb {
namespace {

// Access allows 255 fields and 32 indexes; a count far above these is a
// damaged page, and trusting it would send libmdb walking page chains.
constexpr unsigned kMostColumns = 4096;
constexpr unsigned kMostIndexes = 1024;
constexpr int kIndexColumnSlots = 10;
constexpr int kUnusedColumn = 0xFFFF;
constexpr std::uint8_t kUniqueFlag = 0x01;
constexpr std::uint8_t kIgnoreNullsFlag = 0x02;
constexpr std::uint8_t kPrimaryKind = 1;
constexpr int kDaoLong = 4;
constexpr int kDaoGuid = 15;
constexpr int kDaoDecimal = 20;

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFree>;

struct Damaged {};

struct IndexColumn {
    int columnNumber = 0;
    bool ascending = true;
};

struct PhysicalIndex {
    std::vector<IndexColumn> columns;
    std::uint8_t flags = 0;
};

struct LogicalIndex {
    std::uint32_t number = 0;
    std::uint32_t physical = 0;
    std::uint8_t kind = 0;
    std::string name;
};

// Sequential reads across the definition's page chain, from where libmdb's
// column reader stopped (its own chained reader is not exported). Each page
// names the next at offset 4; data continues after the 8-byte page head.
class DefinitionCursor {
public:
    DefinitionCursor(MdbHandle* mdb, int position)
        : mdb_(mdb), pageSize_(static_cast<std::size_t>(mdb->fmt->pg_size)),
          position_(static_cast<std::size_t>(position))
    {
        if (position < 0 || pageSize_ > sizeof mdb->pg_buf)
            throw Damaged{};
    }

    void skip(std::size_t count) { take(nullptr, count); }
    std::uint8_t u8()
    {
        unsigned char b[1];
        take(b, 1);
        return b[0];
    }
    std::uint16_t u16()
    {
        unsigned char b[2];
        take(b, 2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    std::uint32_t u32()
    {
        unsigned char b[4];
        take(b, 4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::string bytes(std::size_t count)
    {
        std::string out(count, '\0');
        take(out.data(), count);
        return out;
    }

private:
    // A definition longer than this many pages is a loop in a damaged chain.
    static constexpr int kMostPages = 1024;
    static constexpr std::size_t kPageHead = 8;
    static constexpr unsigned char kDefinitionPage = 0x02;

    void take(void* into, std::size_t count)
    {
        auto* out = static_cast<unsigned char*>(into);
        while (count > 0) {
            if (position_ >= pageSize_)
                nextPage();
            std::size_t piece = std::min(count, pageSize_ - position_);
            if (out) {
                std::memcpy(out, mdb_->pg_buf + position_, piece);
                out += piece;
            }
            position_ += piece;
            count -= piece;
        }
    }

    void nextPage()
    {
        unsigned long next = static_cast<std::uint32_t>(mdb_get_int32(mdb_->pg_buf, 4));
        if (next == 0 || ++pagesRead_ > kMostPages || !mdb_read_pg(mdb_, next) ||
            mdb_->pg_buf[0] != kDefinitionPage)
            throw Damaged{};
        position_ = kPageHead;
    }

    MdbHandle* mdb_;
    std::size_t pageSize_;
    std::size_t position_;
    int pagesRead_ = 0;
};

std::vector<PhysicalIndex> readPhysicalIndexes(DefinitionCursor& cursor, unsigned count, bool jet3)
{
    std::vector<PhysicalIndex> indexes(count);
    for (PhysicalIndex& index : indexes) {
        if (!jet3)
            cursor.skip(4);
        for (int slot = 0; slot < kIndexColumnSlots; ++slot) {
            int columnNumber = cursor.u16();
            std::uint8_t order = cursor.u8();
            if (columnNumber != kUnusedColumn)
                index.columns.push_back({columnNumber, order != 0});
        }
        cursor.skip(8);  // usage map, first index page
        if (!jet3)
            cursor.skip(4);
        index.flags = cursor.u8();
        if (!jet3)
            cursor.skip(5);
    }
    return indexes;
}

std::vector<LogicalIndex> readLogicalIndexes(const MdbDatabase& database, DefinitionCursor& cursor, unsigned count,
                                             bool jet3)
{
    std::vector<LogicalIndex> indexes(count);
    for (LogicalIndex& index : indexes) {
        if (!jet3)
            cursor.skip(4);
        index.number = cursor.u32();
        index.physical = cursor.u32();
        cursor.skip(1 + 4 + 4 + 1 + 1);  // relationship: kind, other index, other table, cascades
        index.kind = cursor.u8();
        if (!jet3)
            cursor.skip(4);
    }
    for (LogicalIndex& index : indexes) {
        std::size_t length = jet3 ? cursor.u8() : cursor.u16();
        std::string stored = cursor.bytes(length);
        index.name = database.decodeText(stored.data(), stored.size());
    }
    return indexes;
}

std::string fieldsString(const PhysicalIndex& index, const MdbTableDef& table)
{
    std::string fields;
    for (const IndexColumn& column : index.columns) {
        const MdbColumn* found = nullptr;
        for (unsigned k = 0; k < table.columns->len; ++k) {
            auto* col = static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, k));
            if (col->col_num == column.columnNumber) {
                found = col;
                break;
            }
        }
        if (!found)
            throw Damaged{};
        if (!fields.empty())
            fields += ';';
        fields += column.ascending ? '+' : '-';
        fields += found->name;
    }
    return fields;
}

std::vector<SourceIndex> readIndexes(const MdbDatabase& database, const MdbTableDef& table)
{
    bool jet3 = database.isJet3();
    DefinitionCursor cursor(database.handle(), table.index_start);
    std::vector<PhysicalIndex> physical = readPhysicalIndexes(cursor, table.num_real_idxs, jet3);
    std::vector<LogicalIndex> logical = readLogicalIndexes(database, cursor, table.num_idxs, jet3);
    // Stored sorted by name; the index number keeps the order of creation,
    // which is the order the collection shows.
    std::stable_sort(logical.begin(), logical.end(),
                     [](const LogicalIndex& a, const LogicalIndex& b) { return a.number < b.number; });

    std::vector<SourceIndex> indexes;
    indexes.reserve(logical.size());
    for (const LogicalIndex& entry : logical) {
        if (entry.physical >= physical.size())
            throw Damaged{};
        const PhysicalIndex& backing = physical[entry.physical];
        SourceIndex index;
        index.name = entry.name;
        index.primary = entry.kind == kPrimaryKind;
        index.unique = (backing.flags & kUniqueFlag) != 0;
        index.ignoreNulls = (backing.flags & kIgnoreNullsFlag) != 0;
        index.fields = fieldsString(backing, table);
        indexes.push_back(std::move(index));
    }
    return indexes;
}

SourceField fieldOf(const MdbColumn& column, bool jet3, const PropertyBlocks& properties)
{
    SourceField field;
    field.name = column.name;
    const PropertyValues* values = properties.forField(field.name);
    // A calculated field's column descriptor holds the stored form of its
    // value (a header, then the result), not the result's type; DAO gives the
    // result's type, which ResultType names in the stored type codes.
    int storedType = column.col_type;
    if (values && values->hasExpression && values->resultType.value_or(0) != 0)
        storedType = *values->resultType;
    SourceType type = sourceTypeOf(storedType, column.col_size, jet3);
    field.daoType = type.code;
    field.size = type.size;
    if (values) {
        field.description = values->description;
        field.defaultValue = values->defaultValue;
        field.allowZeroLength = values->allowZeroLength.value_or(false);
        field.required = values->required.value_or(false);
        field.caption = values->caption;
        field.format = values->format;
        field.inputMask = values->inputMask;
        field.validationRule = values->validationRule;
        field.validationText = values->validationText;
        field.rowSource = values->rowSource;
        field.decimalPlaces = values->decimalPlaces;
    }
    // libmdb reads the two bytes into each other's members.
    if (type.code == kDaoDecimal) {
        field.precision = column.col_scale;
        field.scale = column.col_prec;
    }
    // The flag bits mean AutoNumber only on the two types that can be one;
    // on Jet3 pages libmdb sets them for other columns too.
    field.autoNumber = (type.code == kDaoLong && column.is_long_auto) || (type.code == kDaoGuid && column.is_uuid_auto);
    return field;
}

void readDefinition(const MdbDatabase& database, const CatalogTable& row, const PropertyBlocks& properties,
                    SourceTable& table)
{
    MdbCatalogEntry entry{};
    entry.mdb = database.handle();
    entry.object_type = MDB_TABLE;
    entry.table_pg = row.definitionPage;
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", row.name.c_str());

    TableDefPtr definition(mdb_read_table(&entry));
    if (!definition || definition->num_cols > kMostColumns || definition->num_idxs > kMostIndexes ||
        definition->num_real_idxs > kMostIndexes)
        throw Damaged{};
    if (!mdb_read_columns(definition.get()) || definition->columns->len != definition->num_cols)
        throw Damaged{};

    bool jet3 = database.isJet3();
    table.fields.clear();
    for (unsigned k = 0; k < definition->columns->len; ++k) {
        auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(definition->columns, k));
        if (column->name[0] == '\0')
            throw Damaged{};
        table.fields.push_back(fieldOf(*column, jet3, properties));
    }
    table.indexes = readIndexes(database, *definition);
    table.definitionsRead = true;
}

}  // namespace

void readTableDefinition(const MdbDatabase& database, const CatalogTable& row, const PropertyBlocks& properties,
                         SourceTable& table)
{
    try {
        readDefinition(database, row, properties, table);
    } catch (const Damaged&) {
        throw readFailure(database.path(), reason::damagedTable(row.name));
    }
}

}  // namespace schemist::mdb
