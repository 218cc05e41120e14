// Value conversions.
#include "platform/value.h"

#include <cmath>
#include <cstdio>

namespace schemist {

std::string Value::toText() const
{
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int16_t i) const { return std::to_string(i); }
        std::string operator()(std::int32_t i) const { return std::to_string(i); }
        std::string operator()(double d) const
        {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.15g", d);
            return buffer;
        }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, v_);
}

std::int64_t Value::toInteger() const
{
    struct Visitor {
        std::int64_t operator()(std::monostate) const { return 0; }
        std::int64_t operator()(bool b) const { return b ? -1 : 0; }
        std::int64_t operator()(std::int16_t i) const { return i; }
        std::int64_t operator()(std::int32_t i) const { return i; }
        std::int64_t operator()(double d) const { return static_cast<std::int64_t>(std::llround(d)); }
        std::int64_t operator()(const std::string& s) const
        {
            try {
                return std::stoll(s);
            } catch (...) {
                return 0;
            }
        }
    };
    return std::visit(Visitor{}, v_);
}

double Value::toDouble() const
{
    if (const double* d = std::get_if<double>(&v_))
        return *d;
    if (const std::string* s = std::get_if<std::string>(&v_)) {
        try {
            return std::stod(*s);
        } catch (...) {
            return 0;
        }
    }
    return static_cast<double>(toInteger());
}

bool Value::toBool() const
{
    if (const bool* b = std::get_if<bool>(&v_))
        return *b;
    if (const std::string* s = std::get_if<std::string>(&v_))
        return *s == "True" || *s == "true" || *s == "-1";
    return toInteger() != 0;
}

}  // namespace schemist
