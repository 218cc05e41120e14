// The revision history of the definition documents.
#include "doc/change_history.h"

#include "doc/markdown_text.h"
#include "doc/schema_diff.h"
#include "doc/schema_snapshot.h"
#include "platform/paths.h"

namespace schemist::doc {

ChangeHistory changeHistoryFrom(const std::string& path, const std::string& label)
{
    SchemaSnapshot snapshot = readSchemaSnapshot(path);
    ChangeHistory history;
    history.label = label;
    history.since = snapshot.modified ? dateOf(*snapshot.modified) : std::string();
    history.snapshotSource = snapshot.source.empty() ? fileNameOf(path) : fileNameOf(snapshot.source);
    history.before = std::move(snapshot.schema);
    return history;
}

std::vector<ChangeLine> historyLines(const ChangeHistory& history, const SourceSchema& documented)
{
    return changeLines(diffSchemas(history.before, documented));
}

std::string historyBaseText(const ChangeHistory& history)
{
    return history.snapshotSource + (history.since.empty() ? "" : " (" + history.since + " 時点の定義)");
}

std::string historyMarkdown(const ChangeHistory& history, const SourceSchema& documented)
{
    std::string text = "\n## 改訂履歴\n\n";
    if (!history.label.empty())
        text += "版: " + cellText(history.label) + "<br>\n";
    text += "比較元: " + cellText(historyBaseText(history)) + "\n\n";
    std::vector<ChangeLine> lines = historyLines(history, documented);
    if (lines.empty())
        return text + "比較元からの変更はありません。\n";
    return text + changeLinesMarkdown(lines);
}

}  // namespace schemist::doc
