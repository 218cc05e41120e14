// Naming of tables and fields in the generated standard module.
#include "gen/module/module_names.h"

#include "platform/error.h"
#include "platform/text.h"

namespace schemist {
namespace {

// The name a table or field has in the source database: the prefix that the
// schema reader cut off is put back.
std::string databaseName(const std::string& prefix, const std::string& name, bool cut)
{
    return cut ? prefix + name : name;
}

bool isWriteGuarded(const DefinitionRow& row)
{
    return toLowerAscii(trimBlanks(row.Type)) == "string" && row.AllowZeroLength != true;
}

bool hasNoKeyValue(TypeClass typeClass)
{
    return typeClass == TypeClass::LongText || typeClass == TypeClass::Other;
}

ModuleField fieldFrom(const DefinitionRow& row, const std::string& tableName, GenerationContext& ctx)
{
    const std::string realName = databaseName(ctx.ids.FieldPrefix, row.FieldName, row.FieldNameChange);
    ModuleField field;
    field.comment = commentText(row.Comment.value_or(""));
    ctx.checkEncodable(realName + field.comment, tableName, realName);

    field.memberName = ctx.typePrefix(row.Type) + ctx.identifierPart(tableName, row.FieldName);
    ctx.claimName(tableName, field.memberName, realName);
    field.fieldReference = realName;
    field.fieldLiteral = vbStringContent(realName);
    field.keyName = isPlainIdentifier(realName) ? field.fieldLiteral : "[" + field.fieldLiteral + "]";
    field.type = row.Type;
    field.typeClass = classifyType(row.Type);
    field.key = row.Primary;
    field.writeGuarded = isWriteGuarded(row);
    field.lengthFlag = row.LengthFlag;
    field.lengthInteger = row.LengthInteger;
    if (field.key && hasNoKeyValue(field.typeClass))
        ctx.warnKeyType(tableName, realName, row.Type);
    return field;
}

ModuleTable tableFrom(const DefinitionTable& table, GenerationContext& ctx)
{
    if (table.rows.empty())
        throw Error("VB_Table にテーブル番号 " + std::to_string(table.TableNo) +
                    " の行がないため、標準モジュールを作成できません");
    const IdentifierSet& ids = ctx.ids;
    const std::string realName = databaseName(ids.TablePrefix, table.tableName(), table.tableNameChange());
    const std::string identifier = ctx.identifierPart(table.tableName(), "");
    ctx.claimName("", identifier, realName);

    ModuleTable out;
    out.comment = commentText(table.tableComment());
    ctx.checkEncodable(realName + out.comment, realName, "");
    out.tableLiteral = vbStringContent(realName);
    out.routineBase = (table.tableNameChange() ? ids.TablePrefix : std::string()) + identifier;
    out.databaseParameter = ids.DatabaseObjectPrefix + identifier;
    out.structureParameter = ids.StructurePrefix + identifier;
    out.structureType = ids.DeclarationPrefix + identifier;
    out.recordsetVariable = ids.RecordsetPrefix + identifier;
    out.fields.reserve(table.rows.size());
    for (const DefinitionRow& row : table.rows) {
        if (row.FieldName.empty() || row.Type.empty())
            continue;
        out.fields.push_back(fieldFrom(row, realName, ctx));
        out.hasKey = out.hasKey || out.fields.back().key;
    }
    return out;
}

}  // namespace

std::vector<ModuleTable> moduleTablesFrom(const std::vector<DefinitionTable>& vbTables, GenerationContext& ctx)
{
    std::vector<ModuleTable> tables;
    tables.reserve(vbTables.size());
    for (const DefinitionTable& table : vbTables)
        tables.push_back(tableFrom(table, ctx));
    return tables;
}

}  // namespace schemist
