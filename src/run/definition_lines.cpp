// Tab-separated lines of definition rows.
#include "run/definition_lines.h"

#include "platform/text.h"

#include <algorithm>

namespace schemist {
namespace {

bool needsEscape(char c)
{
    auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7f || c == '\\';
}

// Tab, line breaks and the backslash keep their short forms; every other
// control character (ESC above all) is shown as \xNN.
std::string escaped(const std::string& text)
{
    if (std::none_of(text.begin(), text.end(), needsEscape))
        return text;
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\\': out += "\\\\"; break;
        default: out += needsEscape(c) ? printableText(std::string_view(&c, 1)) : std::string(1, c);
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
