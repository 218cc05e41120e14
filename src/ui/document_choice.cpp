// The window's choice of definition documents.
#include "ui/document_choice.h"

#include "doc/change_history.h"
#include "platform/text.h"

namespace schemist::ui {

std::vector<std::string> DocumentChoice::kinds() const
{
    std::vector<std::string> result;
    if (markdown)
        result.push_back("md");
    if (xlsx)
        result.push_back("xlsx");
    return result;
}

DocumentChoice DocumentChoice::fromKinds(const std::vector<std::string>& kinds)
{
    DocumentChoice choice;
    for (const std::string& kind : kinds) {
        choice.markdown = choice.markdown || kind == "md";
        choice.xlsx = choice.xlsx || kind == "xlsx";
    }
    return choice;
}

std::optional<std::string> DocumentChoice::problem() const
{
    if (!trimBlanks(historyFrom).empty() && !markdown && !xlsx)
        return std::string("改訂履歴は定義書に載せます。定義書 (Excel または Markdown) を選んでください");
    if (!trimBlanks(historyLabel).empty() && trimBlanks(historyFrom).empty())
        return std::string("改訂履歴の版は、比較元のスナップショットと一緒に指定してください");
    return std::nullopt;
}

void DocumentChoice::applyTo(RunRequest& request) const
{
    request.docMarkdown = markdown;
    request.docXlsx = xlsx;
    request.history.reset();
    if (!trimBlanks(historyFrom).empty())
        request.history = doc::changeHistoryFrom(trimBlanks(historyFrom), trimBlanks(historyLabel));
}

}  // namespace schemist::ui
