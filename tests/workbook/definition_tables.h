// Test helper: definition tables built in memory, as the schema reader
// would leave them in Access_Table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/run_settings.h"
#include "model/definition_row.h"

namespace schemist::test {

struct FieldDef {
    std::string name;
    std::string type = "Text";
    bool lengthFlag = true;
    int length = 50;
    std::optional<std::string> comment = std::nullopt;
    bool primary = false;
};

inline DefinitionTable definitionTable(int tableNo, const std::string& name, std::optional<std::string> comment,
                                       const std::vector<FieldDef>& fields)
{
    DefinitionTable table;
    table.TableNo = tableNo;
    int fieldNo = 1;
    for (const FieldDef& f : fields) {
        DefinitionRow row;
        row.TableNo = tableNo;
        row.TableName = name;
        row.TableComment = comment;
        row.FieldNo = fieldNo++;
        row.FieldName = f.name;
        row.Type = f.type;
        row.LengthFlag = f.lengthFlag;
        row.LengthInteger = f.length;
        row.Comment = f.comment;
        row.Primary = f.primary;
        table.rows.push_back(row);
    }
    return table;
}

// A table of `count` fields named Field1.., the first one the key.
inline DefinitionTable numberedTable(int tableNo, const std::string& name, int count)
{
    std::vector<FieldDef> fields;
    for (int i = 1; i <= count; ++i)
        fields.push_back({"Field" + std::to_string(i), i % 3 ? "Text" : "Long", i % 3 != 0, i % 3 ? 40 : 4,
                          "説明 " + std::to_string(i), i == 1});
    return definitionTable(tableNo, name, "テーブル " + name, fields);
}

inline RunSettings settingsWithHeaders(int hl, int hc, int hr, int fl, int fc, int fr)
{
    RunSettings s = RunSettings::startValues();
    s.HeaderLeft = static_cast<std::int16_t>(hl);
    s.HeaderCenter = static_cast<std::int16_t>(hc);
    s.HeaderRight = static_cast<std::int16_t>(hr);
    s.FooterLeft = static_cast<std::int16_t>(fl);
    s.FooterCenter = static_cast<std::int16_t>(fc);
    s.FooterRight = static_cast<std::int16_t>(fr);
    return s;
}

}  // namespace schemist::test
