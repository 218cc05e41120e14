// Value: what one field of a record holds — Null, a Boolean, a 16- or 32-bit
// integer, a floating-point number or a text — as the work store's recordsets
// hand it out and take it in.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace schemist {

class Value {
public:
    Value() = default;  // Null
    Value(bool b) : v_(b) {}
    Value(std::int16_t i) : v_(i) {}
    Value(std::int32_t i) : v_(i) {}
    Value(double d) : v_(d) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}

    static Value null() { return Value(); }

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isBool() const { return std::holds_alternative<bool>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool isInteger() const
    {
        return std::holds_alternative<std::int16_t>(v_) || std::holds_alternative<std::int32_t>(v_);
    }

    // Conversions as the generated code's language would make them: Booleans
    // are -1/0 as numbers and "True"/"False" as text; Null gives 0 / "".
    std::string toText() const;
    std::int64_t toInteger() const;
    double toDouble() const;
    bool toBool() const;

    const std::string& text() const { return std::get<std::string>(v_); }

    bool operator==(const Value& other) const = default;

    using Storage = std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, std::string>;
    const Storage& storage() const { return v_; }

private:
    Storage v_;
};

// Null passes through these two conversions of values read from the store:
// NullToEmpty gives "" for Null, NullToZero the 16-bit integer 0; any other
// value is returned unchanged.
inline Value NullToEmpty(const Value& v) { return v.isNull() ? Value(std::string()) : v; }
inline Value NullToZero(const Value& v) { return v.isNull() ? Value(std::int16_t{0}) : v; }

}  // namespace schemist
