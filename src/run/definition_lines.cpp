// Tab-separated lines of definition rows.
#include "run/definition_lines.h"

namespace schemist {
namespace {

std::string escaped(const std::string& text)
{
    if (text.find_first_of("\t\r\n\\") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\\': out += "\\\\"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string cell(const std::string& text) { return escaped(text); }
std::string cell(const std::optional<std::string>& text) { return text ? escaped(*text) : std::string(); }
std::string cell(bool b) { return b ? "True" : "False"; }
std::string cell(const std::optional<bool>& b) { return b ? cell(*b) : std::string(); }
std::string cell(std::int32_t n) { return std::to_string(n); }

}  // namespace

std::string definitionLines(const char* table, const std::vector<DefinitionRow>& rows)
{
    std::string out;
    for (const DefinitionRow& r : rows) {
        out += table;
        for (const std::string& value :
             {cell(r.TableNo), cell(r.TableName), cell(r.TableNameChange), cell(r.TableComment), cell(r.FieldNo),
              cell(r.FieldName), cell(r.FieldNameChange), cell(r.Type), cell(r.LengthFlag), cell(r.LengthInteger),
              cell(r.LengthDecimal), cell(r.Comment), cell(r.Primary), cell(r.Unique), cell(r.Null),
              cell(r.AllowZeroLength), cell(r.DefaultFlag), cell(r.DefaultValue)}) {
            out += '\t';
            out += value;
        }
        out += '\n';
    }
    return out;
}

}  // namespace schemist
