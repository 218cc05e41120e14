// Layout: "SSW1", u32 table count, tables. A table: text name, i32 attributes,
// optional text description, u8 definitionsRead, u32 field count, fields,
// u32 index count, indexes; after the tables, u32 warning count and texts.
// A field: text name, i32 type, i32 size, optional
// text description and default, u8 allowZeroLength. An index: text name, u8
// flags (1 primary, 2 unique, 4 ignoreNulls), text fields. Text: u32 length and
// UTF-8 bytes; optional text: u8 0 (absent) or 1 and the text. Little endian.
// After the tables, what only the definition documents use: per table (in the
// same order) its optional caption, validation rule and text, then per field u8 flags
// (1 required, 2 AutoNumber), optional i32 precision, scale and decimal
// places, optional texts caption, format, input mask, validation rule and
// text, row source; then u32 relationship count and relationships (text name,
// text table, text list columns, text referenced table, text list referenced
// columns, u8 flags: 1 one-to-one, 2 enforced, 4 cascade updates, 8 cascade
// deletes); last the optional relationships problem. A text list: u32 count
// and texts.
#include "platform/mdb/schema_wire.h"

#include <cstdint>
#include <cstring>

namespace schemist::mdb {
namespace {

constexpr char kMagic[4] = {'S', 'S', 'W', '2'};
// The smallest encodings, used to refuse counts the remaining bytes cannot hold.
constexpr std::size_t kSmallestTable = 4 + 4 + 1 + 1 + 4 + 4;
constexpr std::size_t kSmallestField = 4 + 4 + 4 + 1 + 1 + 1;
constexpr std::size_t kSmallestIndex = 4 + 1 + 4;
constexpr std::size_t kSmallestText = 4;

class Writer {
public:
    void u8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void text(const std::string& s)
    {
        u32(static_cast<std::uint32_t>(s.size()));
        out_ += s;
    }
    void optionalText(const std::optional<std::string>& s)
    {
        u8(s ? 1 : 0);
        if (s)
            text(*s);
    }
    void optionalI32(const std::optional<int>& v)
    {
        u8(v ? 1 : 0);
        if (v)
            i32(*v);
    }
    void raw(const char* bytes, std::size_t n) { out_.append(bytes, n); }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    std::size_t left() const { return in_.size() - at_; }
    std::uint8_t u8()
    {
        need(1);
        return static_cast<std::uint8_t>(in_[at_++]);
    }
    bool flag()
    {
        std::uint8_t v = u8();
        if (v > 1)
            throw MalformedWire{};
        return v == 1;
    }
    std::uint32_t u32()
    {
        need(4);
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(in_[at_ + i])) << (8 * i);
        at_ += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::string text()
    {
        std::uint32_t n = u32();
        need(n);
        std::string s(in_.substr(at_, n));
        at_ += n;
        return s;
    }
    std::optional<std::string> optionalText()
    {
        if (!flag())
            return std::nullopt;
        return text();
    }
    std::optional<int> optionalI32()
    {
        if (!flag())
            return std::nullopt;
        return i32();
    }
    // A count of records that each take at least `smallest` bytes.
    std::uint32_t count(std::size_t smallest)
    {
        std::uint32_t n = u32();
        if (n > left() / smallest)
            throw MalformedWire{};
        return n;
    }
    void expect(const char* bytes, std::size_t n)
    {
        need(n);
        if (std::memcmp(in_.data() + at_, bytes, n) != 0)
            throw MalformedWire{};
        at_ += n;
    }

private:
    void need(std::size_t n) const
    {
        if (n > left())
            throw MalformedWire{};
    }

    std::string_view in_;
    std::size_t at_ = 0;
};

void encodeField(Writer& w, const SourceField& f)
{
    w.text(f.name);
    w.i32(f.daoType);
    w.i32(f.size);
    w.optionalText(f.description);
    w.optionalText(f.defaultValue);
    w.u8(f.allowZeroLength ? 1 : 0);
}

void encodeIndex(Writer& w, const SourceIndex& x)
{
    w.text(x.name);
    w.u8(static_cast<std::uint8_t>((x.primary ? 1 : 0) | (x.unique ? 2 : 0) | (x.ignoreNulls ? 4 : 0)));
    w.text(x.fields);
}

SourceField decodeField(Reader& r)
{
    SourceField f;
    f.name = r.text();
    f.daoType = r.i32();
    f.size = r.i32();
    f.description = r.optionalText();
    f.defaultValue = r.optionalText();
    f.allowZeroLength = r.flag();
    return f;
}

SourceIndex decodeIndex(Reader& r)
{
    SourceIndex x;
    x.name = r.text();
    std::uint8_t flags = r.u8();
    if (flags > 7)
        throw MalformedWire{};
    x.primary = flags & 1;
    x.unique = flags & 2;
    x.ignoreNulls = flags & 4;
    x.fields = r.text();
    return x;
}

SourceTable decodeTable(Reader& r)
{
    SourceTable t;
    t.name = r.text();
    t.attributes = r.i32();
    t.description = r.optionalText();
    t.definitionsRead = r.flag();
    std::uint32_t fields = r.count(kSmallestField);
    t.fields.reserve(fields);
    for (std::uint32_t i = 0; i < fields; ++i)
        t.fields.push_back(decodeField(r));
    std::uint32_t indexes = r.count(kSmallestIndex);
    t.indexes.reserve(indexes);
    for (std::uint32_t i = 0; i < indexes; ++i)
        t.indexes.push_back(decodeIndex(r));
    return t;
}

// The smallest encodings of the document part.
constexpr std::size_t kSmallestDocumentField = 1 + 3 + 6;
constexpr std::size_t kSmallestRelationship = 4 + 4 + 4 + 4 + 4 + 1;

void encodeDocumentPart(Writer& w, const SourceSchema& schema)
{
    for (const SourceTable& t : schema.tables) {
        w.optionalText(t.caption);
        w.optionalText(t.validationRule);
        w.optionalText(t.validationText);
        w.u32(static_cast<std::uint32_t>(t.fields.size()));
        for (const SourceField& f : t.fields) {
            w.u8(static_cast<std::uint8_t>((f.required ? 1 : 0) | (f.autoNumber ? 2 : 0)));
            w.optionalI32(f.precision);
            w.optionalI32(f.scale);
            w.optionalI32(f.decimalPlaces);
            for (const auto* text : {&f.caption, &f.format, &f.inputMask, &f.validationRule, &f.validationText,
                                     &f.rowSource})
                w.optionalText(*text);
        }
    }
    auto textList = [&w](const std::vector<std::string>& list) {
        w.u32(static_cast<std::uint32_t>(list.size()));
        for (const std::string& s : list)
            w.text(s);
    };
    w.u32(static_cast<std::uint32_t>(schema.relationships.size()));
    for (const SourceRelationship& r : schema.relationships) {
        w.text(r.name);
        w.text(r.table);
        textList(r.columns);
        w.text(r.referencedTable);
        textList(r.referencedColumns);
        w.u8(static_cast<std::uint8_t>((r.oneToOne ? 1 : 0) | (r.enforced ? 2 : 0) | (r.cascadeUpdates ? 4 : 0) |
                                       (r.cascadeDeletes ? 8 : 0)));
    }
    w.optionalText(schema.relationshipsProblem);
}

void decodeDocumentFields(Reader& r, SourceTable& t)
{
    if (r.count(kSmallestDocumentField) != t.fields.size())
        throw MalformedWire{};
    for (SourceField& f : t.fields) {
        std::uint8_t flags = r.u8();
        if (flags > 3)
            throw MalformedWire{};
        f.required = flags & 1;
        f.autoNumber = flags & 2;
        f.precision = r.optionalI32();
        f.scale = r.optionalI32();
        f.decimalPlaces = r.optionalI32();
        for (auto* text : {&f.caption, &f.format, &f.inputMask, &f.validationRule, &f.validationText, &f.rowSource})
            *text = r.optionalText();
    }
}

SourceRelationship decodeRelationship(Reader& r)
{
    auto textList = [&r] {
        std::vector<std::string> list(r.count(4));
        for (std::string& s : list)
            s = r.text();
        return list;
    };
    SourceRelationship x;
    x.name = r.text();
    x.table = r.text();
    x.columns = textList();
    x.referencedTable = r.text();
    x.referencedColumns = textList();
    std::uint8_t flags = r.u8();
    if (flags > 15)
        throw MalformedWire{};
    x.oneToOne = flags & 1;
    x.enforced = flags & 2;
    x.cascadeUpdates = flags & 4;
    x.cascadeDeletes = flags & 8;
    return x;
}

void decodeDocumentPart(Reader& r, SourceSchema& schema)
{
    for (SourceTable& t : schema.tables) {
        t.caption = r.optionalText();
        t.validationRule = r.optionalText();
        t.validationText = r.optionalText();
        decodeDocumentFields(r, t);
    }
    std::uint32_t relationships = r.count(kSmallestRelationship);
    schema.relationships.reserve(relationships);
    for (std::uint32_t i = 0; i < relationships; ++i)
        schema.relationships.push_back(decodeRelationship(r));
    schema.relationshipsProblem = r.optionalText();
}

}  // namespace

std::string encodeSchema(const SourceSchema& schema)
{
    Writer w;
    w.raw(kMagic, sizeof kMagic);
    w.u32(static_cast<std::uint32_t>(schema.tables.size()));
    for (const SourceTable& t : schema.tables) {
        w.text(t.name);
        w.i32(t.attributes);
        w.optionalText(t.description);
        w.u8(t.definitionsRead ? 1 : 0);
        w.u32(static_cast<std::uint32_t>(t.fields.size()));
        for (const SourceField& f : t.fields)
            encodeField(w, f);
        w.u32(static_cast<std::uint32_t>(t.indexes.size()));
        for (const SourceIndex& x : t.indexes)
            encodeIndex(w, x);
    }
    w.u32(static_cast<std::uint32_t>(schema.warnings.size()));
    for (const std::string& warning : schema.warnings)
        w.text(warning);
    encodeDocumentPart(w, schema);
    return w.take();
}

SourceSchema decodeSchema(std::string_view bytes)
{
    Reader r(bytes);
    r.expect(kMagic, sizeof kMagic);
    SourceSchema schema;
    std::uint32_t tables = r.count(kSmallestTable);
    schema.tables.reserve(tables);
    for (std::uint32_t i = 0; i < tables; ++i)
        schema.tables.push_back(decodeTable(r));
    std::uint32_t warnings = r.count(kSmallestText);
    for (std::uint32_t i = 0; i < warnings; ++i)
        schema.warnings.push_back(r.text());
    decodeDocumentPart(r, schema);
    if (r.left() != 0)
        throw MalformedWire{};
    return schema;
}

}  // namespace schemist::mdb
