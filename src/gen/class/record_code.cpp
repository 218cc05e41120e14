// Shared pieces of the generated class record methods.
#include "gen/class/record_code.h"

namespace schemist {

void writeUsageHead(SourcePrinter& p, const VbTable& table, std::string_view usage)
{
    p.print(0, "' 使い方");
    if (!usage.empty())
        p.print(0, "$usage$", {{"usage", usage}});
    p.block(R"(
' パラメータ説明
' $db$ : データベースオブジェクト(Input)
)",
            {{"db", table.databaseParameter}});
}

void writeReturnValueLines(SourcePrinter& p)
{
    p.block(R"(
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）
)");
}

void writeSqlDeclaration(SourcePrinter& p, const VbTable& table)
{
    p.print(1, "dim $sql$ as string$>$' SQLを一時的に格納", {{"sql", table.ids->SqlVariable}});
}

void writeRecordsetDeclaration(SourcePrinter& p, const VbTable& table)
{
    p.print(1, "dim $rs$ as recordset$>$' レコードセットを一時的に格納", {{"rs", table.recordsetVariable}});
}

void writeLoopDeclaration(SourcePrinter& p, const VbTable& table)
{
    p.print(1, "dim $loop$ as integer$>$' コレクションキー項目", {{"loop", table.ids->LoopVariable}});
}

void writeFlagDeclaration(SourcePrinter& p, const VbTable& table)
{
    p.print(1, "dim $flag$ as boolean$>$' フラグ項目", {{"flag", table.ids->FlagVariable}});
}

const std::string& keyValueName(const VbField& field, KeyValue value)
{
    return value == KeyValue::Member ? field.memberVariable : field.typedName;
}

void writeKeyBlock(SourcePrinter& p, const VbTable& table, SqlForm form, KeyValue value)
{
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    writeKeySql(p, table, form, [value](const VbField& field) { return keyValueName(field, value); });
}

}  // namespace schemist
