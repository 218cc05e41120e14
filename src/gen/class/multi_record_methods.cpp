// Multi-record methods of the collection class. Their arguments are
// untyped; a key the caller leaves out adds no condition, so a call without
// keys addresses every row of the table.
#include "gen/class/multi_record_methods.h"

#include "gen/class/record_code.h"

namespace schemist {
namespace {

std::string argumentLine(int blanks, std::string_view keywords, const VbField& f)
{
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(keywords) + f.typedName;
}

// The method head, one argument per line. The blank runs before the
// arguments are fixed; they line the arguments up under the first one for
// the default method names. The table comment is placed as if the closing
// text stood at the start of a line.
void writeHeaderWithArguments(SourcePrinter& p, const VbTable& table, std::string firstPart,
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
void writeOptionalKeyBlocks(SourcePrinter& p, const VbTable& table)
{
    const IdentifierSet& ids = *table.ids;
    auto routine = p.indented();
    for (const VbField* key : table.keyFields()) {
        const std::string condition = keyConditionText(ids.SqlVariable, *key, true, key->typedName);
        const std::string comment = trailingComment(key->comment);
        p.block(R"(
if ismissing($name$) = false then
    if $flag$= false then
        $flag$ = true
        $sql$ = $sql$ & "WHERE "
    else
        $sql$ = $sql$ & "AND "
    end if
    $condition$$>$$comment$
Endif
)",
                {{"name", key->typedName},
                 {"flag", ids.FlagVariable},
                 {"sql", ids.SqlVariable},
                 {"condition", condition},
                 {"comment", comment}});
    }
}

void writeClearCollection(SourcePrinter& p, const VbTable& table)
{
    p.block(R"(
    ' コレクションが有る場合には削除します
    if mCol.Count <> 0 then
        for $loop$ = mCol.Count to 1 Step -1
            call Remove($loop$)
        next
    end if
)",
            {{"loop", table.ids->LoopVariable}});
}

// One Add call per record read: the loop counter as item key, then the
// field values in the order of Add's parameters. The loop names the
// recordset even inside the with-statement over it.
void writeAddLoop(SourcePrinter& p, const VbTable& table)
{
    const TemplateVars vars = {
        {"loop", table.ids->LoopVariable}, {"rs", table.recordsetVariable}, {"P", table.recordsetReference}};
    const int L = recordLevel(p);
    p.print(L + 1, "$loop$ = 0", vars);
    p.print(1, "' コレクションにデータを追加します");
    auto loop = p.indented(L + 1);
    p.block(R"(
do while $rs$.eof = false
    call ADD(cstr($loop$) _
)",
            vars);
    for (const VbField& f : table.fields) {
        const std::string& value = p.settings().CheckStyle == CheckStyle::InlineIf ? f.reference : f.checkedReference;
        p.print(1, "       , $value$ _", {{"value", value}});
    }
    p.block(R"(
    )
    $P$.movenext
    $loop$ = $loop$+1
loop
)",
            vars);
}

// A key field is always written; any other field only when the caller gave
// it, so a field left out keeps its stored value.
void writeCopyLines(SourcePrinter& p, const VbTable& table)
{
    auto copy = p.indented(recordLevel(p));
    for (const VbField& f : table.fields) {
        if (f.key) {
            writeFieldAssignment(p, f, f.typedName);
            continue;
        }
        p.print(0, "if ismissing($name$) = false then", {{"name", f.typedName}});
        {
            auto given = p.indented();
            writeFieldAssignment(p, f, f.typedName);
        }
        p.print(0, "end if");
    }
}

std::string firstPart(std::string_view keyword, const std::string& method, const VbTable& table)
{
    return std::string(keyword) + method + "(" + table.databaseParameter + " as database";
}

// The local variables, between empty lines. The write procedure declares the
// flag although it does not use it.
void writeLocalVariables(SourcePrinter& p, const VbTable& table, bool withLoop)
{
    p.blank();
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
    if (withLoop)
        writeLoopDeclaration(p, table);
    writeFlagDeclaration(p, table);
    p.blank();
}

// The SQL text over the keys the caller gave, ending in an empty line.
void writeOptionalKeySql(SourcePrinter& p, const VbTable& table, SqlForm form)
{
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    p.print(1, "$flag$ = false", {{"flag", table.ids->FlagVariable}});
    writeSqlStart(p, table, form);
    writeOptionalKeyBlocks(p, table);
    p.blank();
}

}  // namespace

void WriteCollectionReadFunction(SourcePrinter& p, const VbTable& table)
{
    const IdentifierSet& ids = *table.ids;
    std::vector<std::string> arguments;
    for (const VbField* key : table.keyFields())
        arguments.push_back(argumentLine(25, "optional byval ", *key));
    writeHeaderWithArguments(p, table, firstPart("public function ", ids.ClassReadName, table), arguments,
                             ") as boolean");
    writeUsageHead(p, table, "' 取得したいデータに合わせてキーを指定し、本メソッドをコールする。");
    writeReturnValueLines(p);
    writeLocalVariables(p, table, true);
    writeClearCollection(p, table);
    p.blank();
    writeOptionalKeySql(p, table, SqlForm::Select);
    writeOpenRecordset(p, table);
    writeReadResultBranch(p, table, ids.ClassReadName);
    p.blank();
    writeAddLoop(p, table);
    writeReadResultEnd(p, table);
    p.print(0, "end function");
}

void WriteCollectionWriteSub(SourcePrinter& p, const VbTable& table)
{
    const IdentifierSet& ids = *table.ids;
    // All key fields come before all other fields, whatever their order.
    std::vector<std::string> arguments;
    for (const VbField* key : table.keyFields())
        arguments.push_back(argumentLine(21, "byval ", *key));
    for (const VbField* other : table.otherFields())
        arguments.push_back(argumentLine(21, "optional byval ", *other));
    writeHeaderWithArguments(p, table, firstPart("public sub ", ids.ClassWriteName, table), arguments, ")");
    writeUsageHead(p, table, "");
    writeLocalVariables(p, table, false);
    writeKeyBlock(p, table, SqlForm::Select, KeyValue::Argument);
    p.blank();
    writeOpenRecordset(p, table);
    writeAddOrEdit(p, table);
    p.blank();
    writeCopyLines(p, table);
    writeRecordBlockEnd(p, table, true);
    p.print(0, "end sub");
}

void WriteCollectionDeleteSub(SourcePrinter& p, const VbTable& table)
{
    const IdentifierSet& ids = *table.ids;
    std::vector<std::string> arguments;
    for (const VbField* key : table.keyFields())
        arguments.push_back(argumentLine(22, "optional byval ", *key));
    writeHeaderWithArguments(p, table, firstPart("public sub ", ids.ClassDeleteName, table), arguments, ")");
    writeUsageHead(p, table, "");
    writeLocalVariables(p, table, false);
    writeOptionalKeySql(p, table, SqlForm::Delete);
    p.print(1, "$db$.Execute($sql$)", {{"db", table.databaseParameter}, {"sql", ids.SqlVariable}});
    p.print(0, "end sub");
}

}  // namespace schemist
