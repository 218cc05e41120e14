// Definition conversion through the type table.
#include "convert/definition_conversion.h"

#include "store/default_rows.h"
#include "store/work_tables.h"
#include "platform/text.h"

namespace schemist {
namespace {

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

TypeConversions LoadTypeConversions(dao::Database& db)
{
    TypeConversions types;
    for (dao::Recordset rs = db.openRecordset(kDefaultTypeTable); !rs.eof(); rs.moveNext()) {
        const Value& accessType = rs.field("Access_Type");
        // A row without an Access type is never found by one; of several rows
        // naming the same type the first one counts.
        if (!accessType.isNull())
            types.try_emplace(accessType.toText(), TypeConversion{readSide(rs, "Inside_"), readSide(rs, "VB_")});
    }
    return types;
}

ConvertedRows ConvertRows(const TypeConversions& types, const std::vector<DefinitionRow>& input, Warnings& warnings)
{
    ConvertedRows out;
    out.inside.reserve(input.size());
    out.vb.reserve(input.size());
    for (const DefinitionRow& row : input) {
        auto found = types.find(row.Type);
        const TypeConversion* type = found == types.end() ? nullptr : &found->second;
        if (!type)
            warnings.add("テーブル " + printableText(row.TableName) + " のフィールド " + printableText(row.FieldName) +
                         " の型 \"" + printableText(row.Type) + "\" はデフォルト宣言にないため、\"" + kUndefinedType +
                         "\" として変換しました");
        out.inside.push_back(WriteConvertedRow(row, type ? std::optional(type->inside) : std::nullopt));
        out.vb.push_back(WriteConvertedRow(row, type ? std::optional(type->vb) : std::nullopt));
        // The type row exists but names no Visual Basic type (OLE objects,
        // GUIDs, ...): the member "as 未定義" will not compile.
        if (type && out.vb.back().Type == kUndefinedType)
            warnings.add("テーブル " + printableText(row.TableName) + " のフィールド " + printableText(row.FieldName) +
                         " の Access の型 \"" + printableText(row.Type) + "\" には VB の型がないため、\"" +
                         kUndefinedType + "\" として出力します (このままではコンパイルできません。" +
                         "デフォルト宣言で VB の型を設定してください)");
    }
    return out;
}

void WriteConvertedRows(dao::Database& db, const ConvertedRows& rows)
{
    dao::Transaction tx(db);
    writeDefinitionRows(db, kInsideTable, rows.inside);
    writeDefinitionRows(db, kVBTable, rows.vb);
    tx.commit();
}

}  // namespace schemist
