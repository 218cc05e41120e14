// Schema import into Access_Table.
#include "import/schema_import.h"

#include "platform/text.h"
#include "store/work_tables.h"

#include <algorithm>

namespace schemist {
namespace {

constexpr int kMemo = 12;

struct FieldScratch {
    std::string typeName;
    std::string fieldName;
    bool nameCut = false;
    std::string description;
    bool defaultFlag = false;
    std::string defaultValue;
    bool lengthFlag = false;
    std::int32_t lengthInteger = 0;
    bool primary = false;
    bool ignoreNulls = false;
    bool unique = false;
    bool allowZeroLength = false;
};

// Marks every field named by an ascending member of an index fields string
// ("+A;-B"). A member is matched against the table's own field names, the
// longest name that fills it up to the next ";" or the end, so that a name
// holding "+" or ";" (both allowed in Access) is found whole instead of being
// cut into pieces that could mark other fields. A descending member ("-B")
// marks nothing.
template <typename Mark>
void markIndexFields(const std::string& fields, std::vector<FieldScratch>& scratch, Mark mark)
{
    std::size_t pos = 0;
    while (pos < fields.size()) {
        char sign = fields[pos];
        std::size_t start = sign == '+' || sign == '-' ? pos + 1 : pos;
        std::size_t length = 0;
        for (const FieldScratch& f : scratch) {
            std::size_t n = f.fieldName.size();
            std::size_t after = start + n;
            if (n > length && fields.compare(start, n, f.fieldName) == 0 &&
                (after == fields.size() || fields[after] == ';'))
                length = n;
        }
        std::size_t end = length > 0 ? start + length : std::min(fields.find(';', start), fields.size());
        if (length > 0 && sign != '-') {
            std::string_view name(fields.data() + start, length);
            for (FieldScratch& f : scratch)
                if (f.fieldName == name)
                    mark(f);
        }
        pos = end + 1;
    }
}

std::vector<FieldScratch> readFields(const SourceTable& table)
{
    std::vector<FieldScratch> scratch(table.fields.size());
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const SourceField& field = table.fields[i];
        FieldScratch& s = scratch[i];
        s.fieldName = field.name;
        s.lengthInteger = field.daoType == kMemo ? 0 : field.size;  // LongBinary: the size the engine reports
        if (field.defaultValue && !field.defaultValue->empty()) {
            s.defaultFlag = true;
            s.defaultValue = *field.defaultValue;
        }
        TypeName type = typeNameOf(field.daoType);
        s.typeName = type.name;
        s.lengthFlag = type.lengthFlag;
        if (field.description)
            s.description = *field.description;
        s.allowZeroLength = field.allowZeroLength;
    }
    for (const SourceIndex& index : table.indexes) {
        if (index.primary) {
            markIndexFields(index.fields, scratch, [](FieldScratch& f) { f.primary = true; });
            continue;
        }
        if (index.unique)
            markIndexFields(index.fields, scratch, [](FieldScratch& f) { f.unique = true; });
        if (index.ignoreNulls)
            markIndexFields(index.fields, scratch, [](FieldScratch& f) { f.ignoreNulls = true; });
    }
    return scratch;
}

bool isSelected(const std::string& name, const std::vector<std::string>& selected)
{
    return std::find(selected.begin(), selected.end(), name) != selected.end();
}

}  // namespace

TypeName typeNameOf(int daoType)
{
    switch (daoType) {
    case 1: return {"Boolean", false};
    case 2: return {"Byte", false};
    case 3: return {"Integer", false};
    case 4: return {"Long", false};
    case 5: return {"Currency", false};
    case 6: return {"Single", false};
    case 7: return {"Double", false};
    case 8: return {"Date", false};
    case 9: return {"Binary", true};
    case 10: return {"Text", true};
    case 11: return {"LongBinary", true};
    case 12: return {"Memo", false};
    case 15: return {"Guid", false};
    case 16: return {"BigInt", false};
    case 17: return {"VarBinary", true};
    case 18: return {"Char", true};
    case 19: return {"Numeric", false};
    case 20: return {"Decimal", false};
    case 21: return {"Float", false};
    case 22: return {"Time", false};
    case 23: return {"TimeStamp", false};
    default: return {"", false};
    }
}

std::string cutPrefix(std::string_view name, std::string_view prefix, bool& cut)
{
    cut = utf8Left(name, 3) == prefix;
    return cut ? utf8Mid(name, 3) : std::string(name);
}

std::vector<DefinitionRow> definitionRowsFrom(const SourceSchema& schema, const std::vector<std::string>& selected,
                                              const IdentifierSet& ids)
{
    // Sized once: growing a list of several thousand rows would hold the old
    // and the new block at the same time.
    std::size_t fieldCount = 0;
    for (const SourceTable& table : schema.tables)
        if (table.attributes == 0 && isSelected(table.name, selected))
            fieldCount += table.fields.size();
    std::vector<DefinitionRow> rows;
    rows.reserve(fieldCount);
    std::int32_t tableNo = 1;
    for (const SourceTable& table : schema.tables) {
        if (table.attributes != 0 || !isSelected(table.name, selected))
            continue;
        std::string comment = table.description.value_or("");
        std::vector<FieldScratch> scratch = readFields(table);
        bool tableCut = false;
        std::string tableName = cutPrefix(table.name, ids.TablePrefix, tableCut);
        for (std::size_t f = 0; f < scratch.size(); ++f) {
            const FieldScratch& s = scratch[f];
            if (s.fieldName.empty())
                continue;
            DefinitionRow row;
            row.TableNo = tableNo;
            row.TableName = tableName;
            row.TableNameChange = tableCut;
            if (!comment.empty())
                row.TableComment = comment;
            row.FieldNo = static_cast<std::int32_t>(f + 1);
            row.FieldName = cutPrefix(s.fieldName, ids.FieldPrefix, row.FieldNameChange);
            row.Type = s.typeName;
            row.LengthFlag = s.lengthFlag;
            row.LengthInteger = s.lengthInteger;
            row.LengthDecimal = 0;
            if (!s.description.empty())
                row.Comment = s.description;
            row.Primary = s.primary;
            row.Unique = s.unique;
            row.Null = s.ignoreNulls;
            row.AllowZeroLength = s.allowZeroLength;
            row.DefaultFlag = s.defaultFlag;
            row.DefaultValue = s.defaultValue;
            rows.push_back(std::move(row));
        }
        ++tableNo;
    }
    return rows;
}

void WriteImportedRows(dao::Database& store, const std::vector<DefinitionRow>& rows)
{
    dao::Transaction tx(store);
    CreateWorkTables(store);
    writeDefinitionRows(store, kAccessTable, rows);
    tx.commit();
}

std::vector<std::string> missingTables(const SourceSchema& schema, const std::vector<std::string>& selected)
{
    std::vector<std::string> local = localTableNames(schema);
    std::vector<std::string> missing;
    for (const std::string& name : selected)
        if (std::find(local.begin(), local.end(), name) == local.end())
            missing.push_back(name);
    return missing;
}

std::vector<std::string> localTableNames(const SourceSchema& schema)
{
    std::vector<std::string> names;
    for (const SourceTable& table : schema.tables)
        if (table.attributes == 0)
            names.push_back(table.name);
    return names;
}

}  // namespace schemist
