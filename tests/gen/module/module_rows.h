// VB_Table rows held in memory for the standard-module tests: a builder for
// single rows and the converted rows of the sample database's tblStaff.
#pragma once

#include "convert/identifier_set.h"
#include "gen/common/vb_text.h"
#include "platform/report.h"
#include "model/run_settings.h"
#include "store/default_rows.h"
#include "model/definition_row.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist::test {

// One VB_Table row; the table-level columns are filled in by tableOf.
struct FieldSpec {
    std::string name;
    std::string type;
    bool cut = false;  // the source name carried the field prefix
    bool key = false;
    std::optional<std::string> comment;
    bool lengthFlag = false;
    int length = 0;
    std::optional<bool> allowZeroLength = false;
};

inline DefinitionTable tableOf(int tableNo, const std::string& name, bool cut, std::optional<std::string> comment,
                               const std::vector<FieldSpec>& fields)
{
    DefinitionTable table;
    table.TableNo = tableNo;
    int fieldNo = 1;
    for (const FieldSpec& f : fields) {
        DefinitionRow row;
        row.TableNo = tableNo;
        row.TableName = name;
        row.TableNameChange = cut;
        row.TableComment = comment;
        row.FieldNo = fieldNo++;
        row.FieldName = f.name;
        row.FieldNameChange = f.cut;
        row.Type = f.type;
        row.LengthFlag = f.lengthFlag;
        row.LengthInteger = f.length;
        row.Comment = f.comment;
        row.Primary = f.key;
        row.AllowZeroLength = f.allowZeroLength;
        table.rows.push_back(row);
    }
    return table;
}

// tblStaff of the sample database after schema reading and conversion with
// the default rows: Staff, cut, 14 fields with the VB types the default type
// table gives (Memo becomes String, OLE, GUID and Decimal the fall-back).
inline DefinitionTable staffTable(int tableNo = 1)
{
    return tableOf(tableNo, "Staff", true, "社員マスタ",
                   {
                       {"ID", "Long", true, true},
                       {"Name", "String", true, false, "氏名", true, 50, false},
                       {"Kana", "String", true, false, "フリガナ", true, 50, true},
                       {"Birth", "Date", true, false, "生年月日"},
                       {"Salary", "Currency", true},
                       {"Active", "Boolean", true},
                       {"DeptCode", "Integer", true},
                       {"Grade", "Byte", true},
                       {"Rate", "Double", true},
                       {"Ratio", "Single", true},
                       {"Note", "String", true, false, "備考"},
                       {"Photo", "未定義", true},
                       {"Guid", "未定義", true},
                       {"Amount", "未定義", true},
                   });
}

// All local tables of the sample database, numbered in the order the
// schema reader finds them (names compared without letter case).
inline std::vector<DefinitionTable> sampleTables()
{
    return {
        tableOf(1, "Customer", false, std::nullopt,
                {{"CustomerCode", "String", false, true, std::nullopt, true, 8},
                 {"CustomerName", "String", false, false, std::nullopt, true, 40},
                 {"Address", "String"}}),
        tableOf(2, "History", true, std::nullopt,
                {{"When", "Date", true},
                 {"What", "String", true, false, std::nullopt, true, 255},
                 {"Who", "String", true, false, std::nullopt, true, 20}}),
        tableOf(3, "Order", true, "受注明細",
                {{"OrderNo", "Long", true, true},
                 {"Line", "Integer", true, true},
                 {"受注日", "Date", true, false, "受注日"},
                 {"ItemCode", "String", true, false, std::nullopt, true, 10},
                 {"Qty", "Long", true},
                 {"Price", "Currency", true}}),
        tableOf(4, "TBLProduct", false, std::nullopt,
                {{"Code", "String", false, true, std::nullopt, true, 10},
                 {"Name", "String", false, false, std::nullopt, true, 40}}),
        staffTable(5),
        tableOf(6, "商品", false, "商品マスタ",
                {{"商品コード", "String", false, true, "商品コード", true, 10},
                 {"商品名", "String", false, false, "商品名", true, 40},
                 {"単価", "Currency"}}),
    };
}

// Identifiers, type prefixes and settings as a run with the default data has
// them, and a context over them.
struct ModuleWorld {
    RunSettings settings = RunSettings::startValues();
    IdentifierSet ids = identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames());
    TypePrefixes prefixes = typePrefixesFromRows(defaultTopNames());
    Warnings warnings;
    GenerationContext context() { return GenerationContext{settings, ids, prefixes, warnings, {}, {}}; }
};

}  // namespace schemist::test
