// Class-only checks over the model of a table.
#include "gen/class/class_table.h"

#include "platform/text.h"

namespace schemist {
namespace {

// Visual Basic names begin with a letter. A field whose type has no prefix
// gives its name alone as property and Add argument, and a name such as
// "1st" or one made from " Space" ("_Space") cannot begin one.
bool beginsWithLetter(const std::string& name)
{
    unsigned char first = name.empty() ? 0 : static_cast<unsigned char>(name.front());
    return first >= 0x80 || (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
}

void warnPropertyName(const VbTable& table, const VbField& field, GenerationContext& ctx)
{
    if (beginsWithLetter(field.typedName) ||
        !ctx.warned.insert("property:" + table.databaseName + "\x1F" + field.databaseName).second)
        return;
    ctx.warnings.add("テーブル " + printableText(table.databaseName) + " のフィールド " +
                     printableText(field.databaseName) + " のプロパティ名 " + printableText(field.typedName) +
                     " は英字で始まらないため、生成したクラスはコンパイルできません");
}

}  // namespace

VbTable describeClassTable(const DefinitionTable& table, GenerationContext& ctx)
{
    VbTable t = buildVbTable(table, ctx);
    for (const VbField& f : t.fields) {
        // The member variables share the class's name space with the properties.
        ctx.claimName(t.databaseName, f.memberVariable, f.databaseName);
        warnPropertyName(t, f, ctx);
    }
    return t;
}

}  // namespace schemist
