// Null-check functions of generated modules and classes.
#include "gen/common/null_check_functions.h"

namespace schemist {
namespace {

void writeOne(SourcePrinter& p, const std::string& name, std::string_view nullValue)
{
    p.blank();
    p.print(0, "private function $fn$(varInput as Variant) as Variant", {{"fn", name}});
    p.print(1, "if isnull(varInput) = false then");
    p.print(2, "$fn$ = varInput", {{"fn", name}});
    p.print(1, "else");
    p.print(2, "$fn$ = $null$", {{"fn", name}, {"null", nullValue}});
    p.print(1, "end if");
    p.print(0, "end function");
}

}  // namespace

void WriteNullCheckFunctions(SourcePrinter& p, const IdentifierSet& ids)
{
    if (p.settings().CheckStyle == CheckStyle::InlineIf)
        return;
    writeOne(p, ids.NumericNullCheck, "0");
    writeOne(p, ids.StringNullCheck, "\"\"");
}

}  // namespace schemist
