// Definitions held in memory for the class-module tests: a builder for
// VB_Table rows, the table tblStaff of sample.mdb as the conversion leaves
// it, and a generation context with the default name tables.
#pragma once

#include "convert/identifier_set.h"
#include "gen/class/class_table.h"
#include "gen/common/source_printer.h"
#include "gen/common/vb_text.h"
#include "store/default_rows.h"
#include "model/definition_row.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Own namespace: the module generator tests link into the same program.
namespace schemist::test::classes {

// How a field differs from a plain one, set in a chain:
// FieldSpec().asKey().described("番号").
struct FieldSpec {
    bool key = false;
    bool renamed = false;  // the source name carried the "fld" prefix
    int length = 0;        // fixed-length string when not 0
    std::optional<std::string> comment;
    std::optional<bool> allowZeroLength = false;

    FieldSpec& asKey(bool on = true) { key = on; return *this; }
    FieldSpec& prefixed() { renamed = true; return *this; }
    FieldSpec& fixedLength(int n) { length = n; return *this; }
    FieldSpec& described(std::string text) { comment = std::move(text); return *this; }
    FieldSpec& zeroLength(std::optional<bool> allowed) { allowZeroLength = allowed; return *this; }
};

class TableBuilder {
public:
    TableBuilder(int tableNo, std::string name, bool renamed = false, std::optional<std::string> comment = {})
    {
        table_.TableNo = tableNo;
        row_.TableNo = tableNo;
        row_.TableName = std::move(name);
        row_.TableNameChange = renamed;
        row_.TableComment = std::move(comment);
    }

    TableBuilder& field(std::string name, std::string type, FieldSpec options = FieldSpec())
    {
        DefinitionRow row = row_;
        row.FieldNo = static_cast<int>(table_.rows.size()) + 1;
        row.FieldName = std::move(name);
        row.Type = std::move(type);
        row.Primary = options.key;
        row.FieldNameChange = options.renamed;
        row.LengthFlag = options.length != 0;
        row.LengthInteger = options.length;
        row.Comment = options.comment;
        row.AllowZeroLength = options.allowZeroLength;
        table_.rows.push_back(std::move(row));
        return *this;
    }

    DefinitionTable build() const { return table_; }

private:
    DefinitionTable table_;
    DefinitionRow row_;
};

// tblStaff of sample.mdb after the schema reader cut the prefixes and the
// conversion applied the default type rows (OLE object, GUID and Decimal
// have no VB type: 未定義).
inline DefinitionTable staffTable(int tableNo = 1)
{
    auto fld = [] { return FieldSpec().prefixed(); };
    return TableBuilder(tableNo, "Staff", true, "社員マスタ")
        .field("ID", "Long", fld().asKey())
        .field("Name", "String", fld().fixedLength(50).described("氏名"))
        .field("Kana", "String", fld().fixedLength(50).described("フリガナ").zeroLength(true))
        .field("Birth", "Date", fld().described("生年月日"))
        .field("Salary", "Currency", fld())
        .field("Active", "Boolean", fld())
        .field("DeptCode", "Integer", fld())
        .field("Grade", "Byte", fld())
        .field("Rate", "Double", fld())
        .field("Ratio", "Single", fld())
        .field("Note", "String", fld().described("備考"))
        .field("Photo", "未定義", fld())
        .field("Guid", "未定義", fld())
        .field("Amount", "未定義", fld())
        .build();
}

// The table of the worked examples: Shain, key ID (Long), field Name (String).
inline DefinitionTable shainTable()
{
    return TableBuilder(1, "Shain").field("ID", "Long", FieldSpec().asKey()).field("Name", "String").build();
}

struct ClassFixture {
    RunSettings settings = classSettings();
    IdentifierSet ids = identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames());
    TypePrefixes prefixes = typePrefixesFromRows(defaultTopNames());
    Warnings warnings;
    GenerationContext ctx{settings, ids, prefixes, warnings, {}, {}};

    static RunSettings classSettings()
    {
        RunSettings s = RunSettings::startValues();
        s.ModuleKind = ModuleKind::ClassModules;
        return s;
    }

    // The lines one section writer produces for the table.
    std::vector<std::string> write(const std::function<void(SourcePrinter&, const VbTable&)>& writer,
                                   const DefinitionTable& table)
    {
        VbTable described = describeClassTable(table, ctx);
        SourcePrinter p(settings);
        writer(p, described);
        return p.takeLines();
    }
};

// Index of the first line equal to `text`, or -1.
inline int indexOf(const std::vector<std::string>& lines, const std::string& text)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text)
            return static_cast<int>(i);
    return -1;
}

inline bool contains(const std::vector<std::string>& lines, const std::string& text)
{
    return indexOf(lines, text) >= 0;
}

}  // namespace schemist::test::classes
