// JSON form of a run's definition rows.
#include "run/definitions_json.h"

#include "doc/schema_json.h"
#include "doc/schema_snapshot.h"

#include <nlohmann/json.hpp>

namespace schemist {
namespace {

nlohmann::json optionalText(const std::optional<std::string>& text)
{
    return text ? nlohmann::json(*text) : nlohmann::json(nullptr);
}

nlohmann::json rowJson(const DefinitionRow& r)
{
    return nlohmann::json{
        {"TableNo", r.TableNo},
        {"TableName", r.TableName},
        {"TableNameChange", r.TableNameChange},
        {"TableComment", optionalText(r.TableComment)},
        {"FieldNo", r.FieldNo},
        {"FieldName", r.FieldName},
        {"FieldNameChange", r.FieldNameChange},
        {"Type", r.Type},
        {"LengthFlag", r.LengthFlag},
        {"LengthInteger", r.LengthInteger},
        {"LengthDecimal", r.LengthDecimal},
        {"Comment", optionalText(r.Comment)},
        {"Primary", r.Primary},
        {"Unique", r.Unique},
        {"Null", r.Null},
        {"AllowZeroLength", r.AllowZeroLength ? nlohmann::json(*r.AllowZeroLength) : nlohmann::json(nullptr)},
        {"DefaultFlag", r.DefaultFlag},
        {"DefaultValue", optionalText(r.DefaultValue)},
    };
}

nlohmann::json rowsJson(const std::vector<DefinitionRow>& rows)
{
    nlohmann::json array = nlohmann::json::array();
    for (const DefinitionRow& row : rows)
        array.push_back(rowJson(row));
    return array;
}

}  // namespace

std::string definitionsJson(const RunOutcome& outcome, const std::string& sourcePath)
{
    nlohmann::json doc;
    doc["format"] = "schemist-definitions 2";
    doc["source"] = sourcePath;
    // The date of the definitions, for a change history made against this
    // file later: the database's own time, so that the same database gives
    // the same document.
    std::optional<std::string> modified = doc::modificationTimeText(sourcePath);
    doc["sourceModified"] = modified ? nlohmann::json(*modified) : nlohmann::json(nullptr);
    doc["Access_Table"] = rowsJson(outcome.outputs.accessRows);
    doc["VB_Table"] = rowsJson(outcome.outputs.vbRows);
    doc["schema"] = doc::schemaJson(outcome.outputs.documented);
    doc["warnings"] = outcome.warnings;
    // A file name need not be UTF-8 on this system; such bytes become U+FFFD
    // rather than failing the document after the run has succeeded.
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace schemist
