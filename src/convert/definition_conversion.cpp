// Definition conversion through the type table.
#include "convert/definition_conversion.h"

#include "store/default_rows.h"
#include "store/work_tables.h"
#include "platform/text.h"

#include <map>

namespace schemist {
namespace {

struct TypeRow {
    ConvertedType inside;
    ConvertedType vb;
};

ConvertedType readSide(const dao::Recordset& rs, const std::string& prefix)
{
    ConvertedType side;
    const Value& type = rs.field(prefix + "Type");
    if (!type.isNull())
        side.type = type.toText();
    side.lengthFlag = rs.field(prefix + "Length_Flag").toBool();
    side.lengthInteger = static_cast<std::int32_t>(rs.field(prefix + "LengthInteger").toInteger());
    side.lengthDecimal = static_cast<std::int32_t>(rs.field(prefix + "LengthDecimal").toInteger());
    return side;
}

// The first type row whose Access_Type equals the type name; looked up once
// per distinct name, since the table cannot change during a run.
class TypeRows {
public:
    explicit TypeRows(dao::Database& db) : db_(db) {}

    const std::optional<TypeRow>& find(const std::string& accessType)
    {
        auto it = cache_.find(accessType);
        if (it != cache_.end())
            return it->second;
        dao::Recordset rs = db_.openRecordset(kDefaultTypeTable, "Access_Type", Value(accessType));
        std::optional<TypeRow> row;
        if (!rs.eof())
            row = TypeRow{readSide(rs, "Inside_"), readSide(rs, "VB_")};
        return cache_.emplace(accessType, std::move(row)).first->second;
    }

private:
    dao::Database& db_;
    std::map<std::string, std::optional<TypeRow>> cache_;
};

}  // namespace

DefinitionRow WriteConvertedRow(const DefinitionRow& input, const std::optional<ConvertedType>& side)
{
    DefinitionRow out = input;
    if (!side) {
        out.Type = kUndefinedType;
        out.LengthFlag = false;
        out.LengthInteger = 0;
        out.LengthDecimal = 0;
        return out;
    }
    out.LengthFlag = side->lengthFlag;
    out.Type = side->type && !side->type->empty() ? *side->type : kUndefinedType;
    if (side->lengthFlag) {
        if (side->lengthInteger != 0) {
            out.LengthInteger = side->lengthInteger;
            out.LengthDecimal = side->lengthDecimal;
        }
    } else {
        out.LengthInteger = 0;
        out.LengthDecimal = 0;
    }
    return out;
}


ConvertedRows convertRows(dao::Database& db, const std::vector<DefinitionRow>& input, Warnings& warnings)
{
    ConvertedRows out;
    out.inside.reserve(input.size());
    out.vb.reserve(input.size());
    TypeRows typeRows(db);
    for (const DefinitionRow& row : input) {
        const std::optional<TypeRow>& typeRow = typeRows.find(row.Type);
        if (!typeRow)
            warnings.add("テーブル " + printableText(row.TableName) + " のフィールド " + printableText(row.FieldName) +
                         " の型 \"" + printableText(row.Type) + "\" はデフォルト宣言にないため、\"" + kUndefinedType +
                         "\" として変換しました");
        out.inside.push_back(WriteConvertedRow(row, typeRow ? std::optional(typeRow->inside) : std::nullopt));
        out.vb.push_back(WriteConvertedRow(row, typeRow ? std::optional(typeRow->vb) : std::nullopt));
        // The type row exists but names no Visual Basic type (OLE objects,
        // GUIDs, ...): the member "as 未定義" will not compile.
        if (typeRow && out.vb.back().Type == kUndefinedType)
            warnings.add("テーブル " + printableText(row.TableName) + " のフィールド " + printableText(row.FieldName) +
                         " の Access の型 \"" + printableText(row.Type) + "\" には VB の型がないため、\"" +
                         kUndefinedType + "\" として出力します (このままではコンパイルできません。" +
                         "デフォルト宣言で VB の型を設定してください)");
    }
    return out;
}

void writeConvertedRows(dao::Database& db, const ConvertedRows& rows)
{
    dao::Transaction tx(db);
    writeDefinitionRows(db, kInsideTable, rows.inside);
    writeDefinitionRows(db, kVBTable, rows.vb);
    tx.commit();
}

void ConvertDefinitions(dao::Database& db, Warnings& warnings)
{
    writeConvertedRows(db, convertRows(db, readDefinitionRows(db, kAccessTable), warnings));
}

}  // namespace schemist
