// Names, references and value texts of a converted table in generated
// Visual Basic, worked out once per table.
#include "gen/common/vb_table_model.h"

#include "gen/common/source_printer.h"
#include "platform/text.h"

namespace schemist {
namespace {

// The value parts of a key condition by type class; $value$ is what the
// key is compared with. Each closes the SQL literal, writes the value as
// SQL text (quoted, as a number, or as a date) and reopens the literal.
constexpr std::string_view kTextValue = R"('" & $value$ & "' ")";
constexpr std::string_view kNumberValue = R"(" & cstr($value$) & " ")";
constexpr std::string_view kDateValue = R"(#" & format($value$,"yyyy/mm/dd") & "# ")";

constexpr std::string_view kKeyCondition = R"($sql$ = $sql$ & "$and$$field$=$value$)";
constexpr std::string_view kFieldsReference = R"($rs$.fields("$field$").value)";
constexpr std::string_view kBangReference = "$rs$![$field$]";

bool takesPart(const DefinitionRow& row) { return !row.FieldName.empty() && !row.Type.empty(); }

// The name a table or field has in the source database: the prefix that the
// schema reader cut off is put back.
std::string databaseName(const std::string& prefix, const std::string& name, bool cut)
{
    return cut ? prefix + name : name;
}

// Only an explicit True lets an empty string into a text column; the type
// is compared with its blanks trimmed, unlike the type classes.
bool refusesEmptyText(const DefinitionRow& row)
{
    return toLowerAscii(trimBlanks(row.Type)) == "string" && row.AllowZeroLength != true;
}

std::string initialValueOf(TypeClass typeClass)
{
    switch (typeClass) {
    case TypeClass::Text: return R"( = "")";
    case TypeClass::Number: return " = 0";
    case TypeClass::Date: return " = now()";
    case TypeClass::YesNo: return " = false";
    case TypeClass::LongText:
    case TypeClass::Other: break;
    }
    return {};
}

const std::string* nullCheckFunction(TypeClass typeClass, const IdentifierSet& ids)
{
    switch (typeClass) {
    case TypeClass::Text:
    case TypeClass::LongText: return &ids.StringNullCheck;
    case TypeClass::Number: return &ids.NumericNullCheck;
    default: return nullptr;
    }
}

VbField fieldFrom(const DefinitionRow& row, const VbTable& table, GenerationContext& ctx)
{
    VbField f;
    f.row = &row;
    f.databaseName = databaseName(ctx.ids.FieldPrefix, row.FieldName, row.FieldNameChange);
    const std::string identifier = ctx.identifierPart(table.databaseName, row.FieldName);
    f.comment = commentText(row.Comment.value_or(""));
    ctx.checkEncodable(f.databaseName + f.comment, table.databaseName, f.databaseName);

    f.typedName = ctx.typePrefix(row.Type) + identifier;
    ctx.claimName(table.databaseName, f.typedName, f.databaseName);
    f.memberVariable = "mvar" + identifier;
    const std::string literal = vbStringContent(f.databaseName);
    f.keyName = isPlainIdentifier(f.databaseName) ? literal : "[" + literal + "]";
    f.reference = ctx.settings.FieldStyle == FieldStyle::FieldsValue
                      ? expandTemplate(kFieldsReference, {{"rs", table.recordsetReference}, {"field", literal}})
                      : expandTemplate(kBangReference, {{"rs", table.recordsetReference}, {"field", f.databaseName}});
    f.typeClass = classifyType(row.Type);
    const std::string* check = nullCheckFunction(f.typeClass, ctx.ids);
    f.checkedReference = check ? *check + "(" + f.reference + ")" : f.reference;
    f.declaredAs = row.LengthFlag ? row.Type + " * " + std::to_string(row.LengthInteger) : row.Type;
    f.initialValue = initialValueOf(f.typeClass);
    f.description = vbStringContent(f.comment);
    f.key = row.Primary;
    f.writeGuarded = refusesEmptyText(row);
    if (f.key && f.keyValuePart("").empty())
        ctx.warnKeyType(table.databaseName, f.databaseName, row.Type);
    return f;
}

}  // namespace

std::string VbField::keyValuePart(std::string_view value) const
{
    switch (typeClass) {
    case TypeClass::Text: return expandTemplate(kTextValue, {{"value", value}});
    case TypeClass::Number:
    case TypeClass::YesNo: return expandTemplate(kNumberValue, {{"value", value}});
    case TypeClass::Date: return expandTemplate(kDateValue, {{"value", value}});
    case TypeClass::LongText:
    case TypeClass::Other: break;
    }
    return {};
}

bool VbTable::hasKey() const
{
    for (const VbField& f : fields)
        if (f.key)
            return true;
    return false;
}

std::vector<const VbField*> VbTable::keyFields() const
{
    std::vector<const VbField*> out;
    for (const VbField& f : fields)
        if (f.key)
            out.push_back(&f);
    return out;
}

std::vector<const VbField*> VbTable::otherFields() const
{
    std::vector<const VbField*> out;
    for (const VbField& f : fields)
        if (!f.key)
            out.push_back(&f);
    return out;
}

VbTable buildVbTable(const DefinitionTable& table, GenerationContext& ctx)
{
    const IdentifierSet& ids = ctx.ids;
    VbTable t;
    t.source = &table;
    t.ids = &ids;
    t.databaseName = databaseName(ids.TablePrefix, table.tableName(), table.tableNameChange());
    t.identifier = ctx.identifierPart(table.tableName(), "");
    t.comment = commentText(table.tableComment());
    ctx.checkEncodable(t.databaseName + t.comment, t.databaseName, "");

    t.sqlTable = vbStringContent(t.databaseName);
    t.routineBase = (table.tableNameChange() ? ids.TablePrefix : std::string()) + t.identifier;
    t.databaseParameter = ids.DatabaseObjectPrefix + t.identifier;
    t.recordsetVariable = ids.RecordsetPrefix + t.identifier;
    t.recordsetReference = ctx.settings.with() ? std::string() : t.recordsetVariable;
    t.structureParameter = ids.StructurePrefix + t.identifier;
    t.structureType = ids.DeclarationPrefix + t.identifier;
    t.itemClass = ids.ClassPrefix + t.identifier;
    t.collectionClass = ids.CollectionPrefix + t.identifier;
    t.description = vbStringContent(t.comment);

    t.fields.reserve(table.rows.size());
    for (const DefinitionRow& row : table.rows)
        if (takesPart(row))
            t.fields.push_back(fieldFrom(row, t, ctx));
    return t;
}

std::string keyConditionText(const std::string& sql, const VbField& field, bool first, std::string_view value)
{
    return expandTemplate(kKeyCondition, {{"sql", sql},
                                          {"and", first ? "" : "AND "},
                                          {"field", field.keyName},
                                          {"value", field.keyValuePart(value)}});
}

}  // namespace schemist
