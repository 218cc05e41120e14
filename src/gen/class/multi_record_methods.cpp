// Multi-record methods of the collection class. Their arguments are
// untyped; a key the caller leaves out adds no condition, so a call without
// keys addresses every row of the table.
#include "gen/class/multi_record_methods.h"

#include "gen/class/record_code.h"

namespace schemist {
namespace {

std::string argumentLine(int blanks, std::string_view keywords, const ClassField& f)
{
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(keywords) + f.property;
}

// The method head, one argument per line. The blank runs before the
// arguments are fixed; they line the arguments up under the first one for
// the default method names. The table comment is placed as if the closing
// text stood at the start of a line.
void writeHeaderWithArguments(SourcePrinter& p, const ClassTable& table, std::string firstPart,
                              const std::vector<std::string>& arguments, std::string_view closing)
{
    std::string line = std::move(firstPart);
    for (const std::string& argument : arguments) {
        p.printAt(0, "$line$, _", {{"line", line}});
        line = argument;
    }
    std::string end(closing);
    if (!table.comment.empty())
        end = AddLineComment(end, "' " + table.comment, p.settings().CommentPos);
    p.printAt(0, "$line$$closing$", {{"line", line}, {"closing", end}});
}

// Adds "WHERE " before the first key the caller gives and "AND " before
// every later one.
void writeOptionalKeyBlocks(SourcePrinter& p, const ClassTable& table)
{
    const IdentifierSet& ids = *table.ids;
    for (const ClassField* key : table.keyFields()) {
        const TemplateVars vars = {
            {"name", key->property}, {"flag", ids.FlagVariable}, {"sql", ids.SqlVariable}};
        p.print(1, "if ismissing($name$) = false then", vars);
        p.print(2, "if $flag$= false then", vars);
        p.print(3, "$flag$ = true", vars);
        p.print(3, "$sql$ = $sql$ & \"WHERE \"", vars);
        p.print(2, "else");
        p.print(3, "$sql$ = $sql$ & \"AND \"", vars);
        p.print(2, "end if");
        p.printWithComment(2, "$condition$",
                           {{"condition", keyConditionText(table, *key, true, KeyValue::Argument)}}, key->comment);
        p.print(1, "Endif");
    }
}

void writeClearCollection(SourcePrinter& p, const ClassTable& table)
{
    const TemplateVars vars = {{"loop", table.ids->LoopVariable}};
    p.print(1, "' コレクションが有る場合には削除します");
    p.print(1, "if mCol.Count <> 0 then");
    p.print(2, "for $loop$ = mCol.Count to 1 Step -1", vars);
    p.print(3, "call Remove($loop$)", vars);
    p.print(2, "next");
    p.print(1, "end if");
}

// One Add call per record read: the loop counter as item key, then the
// field values in the order of Add's parameters.
void writeAddLoop(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    const std::string P = p.settings().with() ? std::string() : table.recordset;
    const TemplateVars vars = {{"loop", table.ids->LoopVariable}, {"rs", table.recordset}, {"P", P}};
    p.print(L + 1, "$loop$ = 0", vars);
    p.print(1, "' コレクションにデータを追加します");
    p.print(L + 1, "do while $rs$.eof = false", vars);
    p.print(L + 2, "call ADD(cstr($loop$) _", vars);
    for (const ClassField& f : table.fields) {
        std::string value = p.settings().CheckStyle == 1 ? f.reference : nullCheckedReference(f, *table.ids);
        p.print(L + 2, "       , $value$ _", {{"value", value}});
    }
    p.print(L + 2, ")");
    p.print(L + 2, "$P$.movenext", vars);
    p.print(L + 2, "$loop$ = $loop$+1", vars);
    p.print(L + 1, "loop");
}

void writeCopyLines(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    for (const ClassField& f : table.fields) {
        if (f.key) {
            writeFieldAssignment(p, f, f.property, L);
            continue;
        }
        p.print(L, "if ismissing($name$) = false then", {{"name", f.property}});
        writeFieldAssignment(p, f, f.property, L + 1);
        p.print(L, "end if");
    }
}

std::string firstPart(std::string_view keyword, const std::string& method, const ClassTable& table)
{
    return std::string(keyword) + method + "(" + table.databaseParameter + " as database";
}

}  // namespace

void WriteCollectionReadFunction(SourcePrinter& p, const ClassTable& table)
{
    const IdentifierSet& ids = *table.ids;
    const int L = recordLevel(p);
    std::vector<std::string> arguments;
    for (const ClassField* key : table.keyFields())
        arguments.push_back(argumentLine(25, "optional byval ", *key));
    writeHeaderWithArguments(p, table, firstPart("public function ", ids.ClassReadName, table), arguments,
                             ") as boolean");
    writeUsageHead(p, table, "' 取得したいデータに合わせてキーを指定し、本メソッドをコールする。");
    writeReturnValueLines(p);
    p.blank();
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
    writeLoopDeclaration(p, table);
    writeFlagDeclaration(p, table);
    p.blank();
    writeClearCollection(p, table);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    p.print(1, "$flag$ = false", {{"flag", ids.FlagVariable}});
    writeSqlStart(p, table, SqlForm::Select);
    writeOptionalKeyBlocks(p, table);
    p.blank();
    writeOpenRecordset(p, table);
    p.blank();
    writeReadResultBranch(p, table);
    p.blank();
    writeAddLoop(p, table);
    p.print(L, "end if");
    writeRecordBlockEnd(p, table, false);
    p.print(0, "end function");
}

void WriteCollectionWriteSub(SourcePrinter& p, const ClassTable& table)
{
    const IdentifierSet& ids = *table.ids;
    // All key fields come before all other fields, whatever their order.
    std::vector<std::string> arguments;
    for (const ClassField* key : table.keyFields())
        arguments.push_back(argumentLine(21, "byval ", *key));
    for (const ClassField* other : table.otherFields())
        arguments.push_back(argumentLine(21, "optional byval ", *other));
    writeHeaderWithArguments(p, table, firstPart("public sub ", ids.ClassWriteName, table), arguments, ")");
    writeUsageHead(p, table, "");
    p.blank();
    // The flag is declared although the procedure does not use it.
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
    writeFlagDeclaration(p, table);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    writeKeyBlock(p, table, SqlForm::Select, KeyValue::Argument);
    p.blank();
    writeOpenRecordset(p, table);
    p.blank();
    writeAddOrEdit(p, table);
    p.blank();
    writeCopyLines(p, table);
    writeRecordBlockEnd(p, table, true);
    p.print(0, "end sub");
}

void WriteCollectionDeleteSub(SourcePrinter& p, const ClassTable& table)
{
    const IdentifierSet& ids = *table.ids;
    std::vector<std::string> arguments;
    for (const ClassField* key : table.keyFields())
        arguments.push_back(argumentLine(22, "optional byval ", *key));
    writeHeaderWithArguments(p, table, firstPart("public sub ", ids.ClassDeleteName, table), arguments, ")");
    writeUsageHead(p, table, "");
    p.blank();
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
    writeFlagDeclaration(p, table);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    p.print(1, "$flag$ = false", {{"flag", ids.FlagVariable}});
    writeSqlStart(p, table, SqlForm::Delete);
    writeOptionalKeyBlocks(p, table);
    p.blank();
    p.print(1, "$db$.Execute($sql$)", {{"db", table.databaseParameter}, {"sql", ids.SqlVariable}});
    p.print(0, "end sub");
}

}  // namespace schemist
