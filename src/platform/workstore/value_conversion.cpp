// Values are stored as SQLite integers, reals and texts: Booleans as -1/0,
// Byte and Integer fields read back as 16-bit integers, Long as 32-bit.
#include "platform/workstore/value_conversion.h"

#include "platform/error.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>

namespace schemist::dao {
namespace {

// The value as a number: a text must be a whole finite number.
double numberFor(const FieldDef& f, const Value& value, const std::string& table)
{
    if (value.isText()) {
        const std::string& s = value.text();
        char* end = nullptr;
        double d = std::strtod(s.c_str(), &end);
        if (s.empty() || end == s.c_str() || *end != '\0' || !std::isfinite(d))
            throw Error("テーブル " + table + " のフィールド " + f.name + " に値 \"" + value.toText() +
                        "\" を代入できません（型が一致しません）");
        return d;
    }
    return value.isBool() ? (value.toBool() ? -1.0 : 0.0) : value.toDouble();
}

Value integerFor(const FieldDef& f, const Value& value, const std::string& table)
{
    double d = std::nearbyint(numberFor(f, value, table));  // round half to even
    double lo = f.type == dbByte ? 0 : f.type == dbInteger ? -32768 : -2147483648.0;
    double hi = f.type == dbByte ? 255 : f.type == dbInteger ? 32767 : 2147483647.0;
    if (d < lo || d > hi)
        throw Error("テーブル " + table + " のフィールド " + f.name + " の値 " + value.toText() + " は範囲外です");
    if (f.type == dbLong)
        return Value(static_cast<std::int32_t>(d));
    return Value(static_cast<std::int16_t>(d));
}

Value textFor(const FieldDef& f, Value value, const std::string& table)
{
    if (!value.isText())
        value = Value(value.toText());
    if (f.type == dbText) {
        std::size_t chars = 0;
        for (unsigned char c : value.text())
            if ((c & 0xC0) != 0x80)
                ++chars;
        if (chars > static_cast<std::size_t>(f.size > 0 ? f.size : 255))
            throw Error("テーブル " + table + " のフィールド " + f.name + " の値が長すぎます（" +
                        std::to_string(f.size) + " 文字まで）");
    }
    return value;
}

}  // namespace

Value convertForField(const FieldDef& f, Value value, const std::string& table)
{
    if (value.isNull())
        return value;
    // Values of the field's own type need no conversion.
    const auto& st = value.storage();
    if ((f.type == dbBoolean && std::holds_alternative<bool>(st)) ||
        (f.type == dbLong && std::holds_alternative<std::int32_t>(st)))
        return value;
    switch (f.type) {
    case dbBoolean:
        if (value.isText()) {
            if (value.text() == "True" || value.text() == "true") return Value(true);
            if (value.text() == "False" || value.text() == "false") return Value(false);
        }
        return Value(numberFor(f, value, table) != 0);
    case dbByte:
    case dbInteger:
    case dbLong:
        return integerFor(f, value, table);
    case dbCurrency: case dbSingle: case dbDouble: case dbDate:
        return Value(numberFor(f, value, table));
    case dbText:
    case dbMemo:
        return textFor(f, std::move(value), table);
    default:
        return Value(value.toText());
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const Value& value, bool lasting)
{
    struct Binder {
        sqlite3_stmt* s;
        int i;
        bool lasting;
        void operator()(std::monostate) const { sqlite3_bind_null(s, i); }
        void operator()(bool b) const { sqlite3_bind_int(s, i, b ? -1 : 0); }
        void operator()(std::int16_t v) const { sqlite3_bind_int(s, i, v); }
        void operator()(std::int32_t v) const { sqlite3_bind_int(s, i, v); }
        void operator()(double v) const { sqlite3_bind_double(s, i, v); }
        void operator()(const std::string& v) const
        {
            sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), lasting ? SQLITE_STATIC : SQLITE_TRANSIENT);
        }
    };
    std::visit(Binder{stmt, index, lasting}, value.storage());
}

Value columnValue(sqlite3_stmt* stmt, int column, std::int16_t fieldType)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return Value();
    switch (fieldType) {
    case dbBoolean:
        return Value(sqlite3_column_int64(stmt, column) != 0);
    case dbByte:
    case dbInteger:
        return Value(static_cast<std::int16_t>(sqlite3_column_int(stmt, column)));
    case dbLong:
        return Value(static_cast<std::int32_t>(sqlite3_column_int(stmt, column)));
    case dbCurrency:
    case dbSingle:
    case dbDouble:
    case dbDate:
        return Value(sqlite3_column_double(stmt, column));
    default: {
        const unsigned char* text = sqlite3_column_text(stmt, column);
        int bytes = sqlite3_column_bytes(stmt, column);
        return Value(std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes)));
    }
    }
}

}  // namespace schemist::dao
