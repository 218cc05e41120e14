// Look-ups in table definitions and the reading of index fields strings.
#include "platform/workstore/table_def.h"

namespace schemist::dao {
namespace {

const Property* findProperty(const std::vector<Property>& props, std::string_view name)
{
    for (const Property& p : props)
        if (p.name == name)
            return &p;
    return nullptr;
}

}  // namespace

const Property* FieldDef::property(std::string_view n) const { return findProperty(properties, n); }
const Property* TableDef::property(std::string_view n) const { return findProperty(properties, n); }

const FieldDef* TableDef::field(std::string_view n) const
{
    for (const FieldDef& f : fields)
        if (f.name == n)
            return &f;
    return nullptr;
}

std::vector<IndexMember> indexMembers(const std::string& fields)
{
    std::vector<IndexMember> members;
    std::size_t pos = 0;
    while (pos <= fields.size()) {
        std::size_t end = fields.find(';', pos);
        std::string part = fields.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        bool descending = false;
        if (!part.empty() && (part[0] == '+' || part[0] == '-')) {
            descending = part[0] == '-';
            part.erase(0, 1);
        }
        if (!part.empty())
            members.push_back({part, descending});
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return members;
}

}  // namespace schemist::dao
