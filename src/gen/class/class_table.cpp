// Per-table and per-field names of the class-module generator.
#include "gen/class/class_table.h"

#include "platform/text.h"

namespace schemist {
namespace {

bool takesPart(const DefinitionRow& row) { return !row.FieldName.empty() && !row.Type.empty(); }

// The database's own name of a field, as the SQL text of a key condition
// needs it: a name that is not a plain identifier ("Order ID") only works
// in brackets.
std::string sqlColumn(const std::string& column)
{
    return vbStringContent(isPlainIdentifier(column) ? column : "[" + column + "]");
}

std::string fieldReference(const RunSettings& settings, const std::string& recordsetPrefix,
                           const std::string& column)
{
    if (settings.FieldStyle == 1)
        return recordsetPrefix + ".fields(\"" + vbStringContent(column) + "\").value";
    return recordsetPrefix + "![" + column + "]";
}

// Only an explicit True lets an empty string into a text column.
bool refusesEmptyText(const DefinitionRow& row)
{
    return toLowerAscii(trimBlanks(row.Type)) == "string" && row.AllowZeroLength.value_or(false) != true;
}

// Visual Basic names begin with a letter. A field whose type has no prefix
// gives its name alone as property and Add argument, and a name such as
// "1st" or one made from " Space" ("_Space") cannot begin one.
bool beginsWithLetter(const std::string& name)
{
    unsigned char first = name.empty() ? 0 : static_cast<unsigned char>(name.front());
    return first >= 0x80 || (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
}

void warnPropertyName(const DefinitionRow& row, const std::string& property, GenerationContext& ctx)
{
    if (beginsWithLetter(property) || !ctx.warned.insert("property:" + row.TableName + "\x1F" + row.FieldName).second)
        return;
    ctx.warnings.add("テーブル " + row.TableName + " のフィールド " + row.FieldName + " のプロパティ名 " + property +
                     " は英字で始まらないため、生成したクラスはコンパイルできません");
}

ClassField describeField(const DefinitionRow& row, const std::string& recordsetPrefix, GenerationContext& ctx)
{
    const std::string& table = row.TableName;
    std::string identifier = ctx.identifierPart(table, row.FieldName);
    std::string rawComment = row.Comment.value_or("");
    ctx.checkEncodable(row.FieldName + rawComment, table, row.FieldName);

    ClassField f;
    f.row = &row;
    f.member = "mvar" + identifier;
    f.property = ctx.typePrefix(row.Type) + identifier;
    ctx.claimName(table, f.member, row.FieldName);
    ctx.claimName(table + "\x1Fproperty", f.property, row.FieldName);
    warnPropertyName(row, f.property, ctx);
    f.declaredAs = row.Type;
    if (row.LengthFlag)
        f.declaredAs += " * " + std::to_string(row.LengthInteger);
    std::string column = row.FieldNameChange ? ctx.ids.FieldPrefix + row.FieldName : row.FieldName;
    f.keyColumn = sqlColumn(column);
    f.reference = fieldReference(ctx.settings, recordsetPrefix, column);
    f.comment = commentText(rawComment);
    f.description = vbStringContent(f.comment);
    f.typeClass = classifyType(row.Type);
    f.key = row.Primary;
    f.guarded = refusesEmptyText(row);
    return f;
}

}  // namespace

bool ClassTable::hasKey() const
{
    for (const ClassField& f : fields)
        if (f.key)
            return true;
    return false;
}

std::vector<const ClassField*> ClassTable::keyFields() const
{
    std::vector<const ClassField*> out;
    for (const ClassField& f : fields)
        if (f.key)
            out.push_back(&f);
    return out;
}

std::vector<const ClassField*> ClassTable::otherFields() const
{
    std::vector<const ClassField*> out;
    for (const ClassField& f : fields)
        if (!f.key)
            out.push_back(&f);
    return out;
}

ClassTable describeClassTable(const DefinitionTable& table, GenerationContext& ctx)
{
    const IdentifierSet& ids = ctx.ids;
    const std::string& name = table.tableName();
    std::string identifier = ctx.identifierPart(name, "");
    std::string rawComment = table.tableComment();
    ctx.checkEncodable(name + rawComment, name, "");

    ClassTable t;
    t.source = &table;
    t.ids = &ids;
    t.itemClass = ids.ClassPrefix + identifier;
    t.collectionClass = ids.CollectionPrefix + identifier;
    t.comment = commentText(rawComment);
    t.description = vbStringContent(t.comment);
    t.hasDescription = !trimBlanks(t.comment).empty();
    t.databaseParameter = ids.DatabaseObjectPrefix + identifier;
    t.recordset = ids.RecordsetPrefix + identifier;
    t.sqlTable = vbStringContent(table.tableNameChange() ? ids.TablePrefix + name : name);

    // Inside a with-statement the recordset members are written without it.
    std::string recordsetPrefix = ctx.settings.with() ? std::string() : t.recordset;
    t.fields.reserve(table.rows.size());
    for (const DefinitionRow& row : table.rows)
        if (takesPart(row))
            t.fields.push_back(describeField(row, recordsetPrefix, ctx));
    for (const ClassField& f : t.fields)
        if (f.key && keyValuePart(f.typeClass, f.member).empty())
            ctx.warnKeyType(name, f.row->FieldName, f.row->Type);
    return t;
}

std::string keyValuePart(TypeClass typeClass, const std::string& value)
{
    switch (typeClass) {
    case TypeClass::Text:
        return "'\" & " + value + " & \"' \"";
    case TypeClass::Number:
    case TypeClass::YesNo:
        return "\" & cstr(" + value + ") & \" \"";
    case TypeClass::Date:
        return "#\" & format(" + value + ",\"yyyy/mm/dd\") & \"# \"";
    case TypeClass::LongText:
    case TypeClass::Other:
        break;
    }
    return {};
}

std::string nullCheckedReference(const ClassField& field, const IdentifierSet& ids)
{
    switch (field.typeClass) {
    case TypeClass::Text:
    case TypeClass::LongText:
        return ids.StringNullCheck + "(" + field.reference + ")";
    case TypeClass::Number:
        return ids.NumericNullCheck + "(" + field.reference + ")";
    default:
        return field.reference;
    }
}

}  // namespace schemist
