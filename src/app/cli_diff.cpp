// The diff command: reads both sides (a database through the isolated
// reader, a snapshot from its JSON), compares them, prints the result.
#include "cli_diff.h"

#include "cli_command.h"
#include "cli_japanese.h"
#include "exit_status.h"
#include "doc/document_schema.h"
#include "doc/schema_diff.h"
#include "doc/schema_diff_report.h"
#include "doc/schema_snapshot.h"
#include "import/schema_import.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "run/run_driver.h"

#include <iostream>

namespace schemist::cli {
namespace {

struct DiffOptions {
    std::string before;
    std::string after;
    std::string format = "text";
    std::string jet3Charset = "CP932";
};

// One side: every local table of a database with the relationships touching
// them, or the tables a snapshot holds.
SourceSchema readSide(const std::string& path, const std::string& jet3Charset)
{
    if (directoryExists(path))
        throw Error("フォルダではなくファイルを指定してください: " + path);
    if (!fileExists(path))
        throw Error("ファイルが見つかりません: " + path);
    if (doc::looksLikeSnapshot(path))
        return doc::readSchemaSnapshot(path).schema;
    SourceReadOptions options;
    options.jet3Charset = jet3Charset;
    SourceSchema read = defaultSchemaReader()(path, options);
    for (const std::string& warning : read.warnings)
        message("警告: " + warning);
    if (read.relationshipsProblem)
        message("警告: " + *read.relationshipsProblem);
    return doc::documentedSchema(read, localTableNames(read));
}

std::string report(const doc::SchemaDiff& diff, const DiffOptions& o)
{
    if (o.format == "json")
        return doc::diffJson(diff).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    if (o.format == "md")
        return doc::diffMarkdown(diff, fileNameOf(o.before), fileNameOf(o.after));
    return printableText(doc::diffText(diff, o.before, o.after), true);
}

}  // namespace

int runDiffCommand(int argc, char** argv)
{
    CLI::App app{"2 つのスキーマ (Access データベースまたは --definitions-json で書き出した JSON) の違いを表示します",
                 "schemist-cli diff"};
    DiffOptions o;
    useJapaneseHelp(app);
    app.add_option("比較元", o.before, "古い方のデータベース (.mdb / .accdb) またはスナップショット (.json)")
        ->type_name("");
    app.add_option("比較先", o.after, "新しい方のデータベースまたはスナップショット")->type_name("");
    app.add_option("--format", o.format, "出力の形式: text (既定), md (Markdown), json")
        ->check(CLI::IsMember({"text", "md", "json"}))
        ->type_name("形式");
    app.add_option("--jet3-charset", o.jet3Charset, "Access 97 形式のファイルの文字コード (既定: CP932)")
        ->type_name("文字コード");
    app.footer("終了ステータス: 0 違いなし, 1 違いあり, 2 失敗, 64 使い方の誤り");
    app.failure_message(japaneseFailureMessage);
    if (std::optional<int> status = parseArguments(app, argc - 1, argv + 1))
        return *status;
    if (o.before.empty() || o.after.empty()) {
        message("比較元と比較先の 2 つのファイルを指定してください (schemist-cli diff --help で使い方を表示します)");
        return kExitUsage;
    }
    return finishCommand([&] {
        SourceSchema before = readSide(o.before, o.jet3Charset);
        SourceSchema after = readSide(o.after, o.jet3Charset);
        doc::SchemaDiff diff = doc::diffSchemas(before, after);
        std::cout << report(diff, o);
        return diff.empty() ? kExitOk : kExitDifferent;
    });
}

}  // namespace schemist::cli
