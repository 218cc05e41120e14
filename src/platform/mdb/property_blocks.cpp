// LvProp layout: a four-byte signature, then chunks of (u32 length including
// the six-byte head, u16 kind, body). Kind 0x80 lists the property names as
// (u16 length, text); kinds 0x00..0x02 hold one object's values: a u32 head
// length, the object's name as (u16 length, text), then entries of
// (u16 length, u8 flags, u8 type, u16 name number, u16 value size, value).
#include "platform/mdb/property_blocks.h"

#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"

#include <cstdint>
#include <cstring>

namespace schemist::mdb {
namespace {

class BlobCursor {
public:
    explicit BlobCursor(std::string_view bytes) : bytes_(bytes) {}

    std::uint16_t u16At(std::size_t offset) const
    {
        need(offset, 2);
        auto b = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    std::uint32_t u32At(std::size_t offset) const
    {
        need(offset, 4);
        auto b = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::string_view slice(std::size_t offset, std::size_t length) const
    {
        need(offset, length);
        return bytes_.substr(offset, length);
    }

private:
    void need(std::size_t offset, std::size_t length) const
    {
        if (offset > bytes_.size() || length > bytes_.size() - offset)
            throw MalformedProperties{};
    }

    std::string_view bytes_;
};

constexpr std::uint16_t kNameListChunk = 0x80;
constexpr std::size_t kChunkHead = 6;
constexpr std::size_t kEntryHead = 8;

std::vector<std::string> readNameList(const MdbDatabase& database, std::string_view body)
{
    BlobCursor cursor(body);
    std::vector<std::string> names;
    std::size_t offset = 0;
    while (offset < body.size()) {
        std::uint16_t length = cursor.u16At(offset);
        std::string_view text = cursor.slice(offset + 2, length);
        names.push_back(database.decodeText(text.data(), text.size()));
        offset += 2 + length;
    }
    return names;
}

std::optional<std::string> valueAsText(const MdbDatabase& database, int type, std::string_view value)
{
    auto bytes = reinterpret_cast<const unsigned char*>(value.data());
    switch (type) {
    case MDB_TEXT:
    case MDB_MEMO:
        return database.decodeText(value.data(), value.size());
    case MDB_BYTE:
        if (value.size() >= 1)
            return std::to_string(bytes[0]);
        break;
    case MDB_INT:
        if (value.size() >= 2)
            return std::to_string(static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8)));
        break;
    case MDB_LONGINT:
        if (value.size() >= 4)
            return std::to_string(static_cast<std::int32_t>(
                static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24)));
        break;
    default:
        break;
    }
    return std::nullopt;
}

// The properties only the definition documents use.
void readDocumentProperty(const MdbDatabase& database, const std::string& name, int type, std::string_view value,
                          PropertyValues& values)
{
    if (name == "Required" && type == MDB_BOOL && !value.empty())
        values.required = value[0] != 0;
    else if (name == "Caption")
        values.caption = valueAsText(database, type, value);
    else if (name == "Format")
        values.format = valueAsText(database, type, value);
    else if (name == "InputMask")
        values.inputMask = valueAsText(database, type, value);
    else if (name == "ValidationRule")
        values.validationRule = valueAsText(database, type, value);
    else if (name == "ValidationText")
        values.validationText = valueAsText(database, type, value);
    else if (name == "RowSource")
        values.rowSource = valueAsText(database, type, value);
    else if (name == "DecimalPlaces" && type == MDB_BYTE && !value.empty())
        values.decimalPlaces = static_cast<unsigned char>(value[0]);
}

PropertyBlock readValueBlock(const MdbDatabase& database, const std::vector<std::string>& names,
                             std::string_view body)
{
    BlobCursor cursor(body);
    std::uint32_t headLength = cursor.u32At(0);
    std::uint16_t nameLength = cursor.u16At(4);
    std::string_view objectName = cursor.slice(6, nameLength);
    if (headLength < 6u + nameLength || headLength > body.size())
        throw MalformedProperties{};

    PropertyBlock block;
    block.name = database.decodeText(objectName.data(), objectName.size());
    std::size_t offset = headLength;
    while (offset < body.size()) {
        std::uint16_t entryLength = cursor.u16At(offset);
        if (entryLength < kEntryHead)
            throw MalformedProperties{};
        std::string_view entry = cursor.slice(offset, entryLength);
        int type = static_cast<unsigned char>(entry[3]);
        std::uint16_t nameNumber = cursor.u16At(offset + 4);
        std::uint16_t valueSize = cursor.u16At(offset + 6);
        if (nameNumber >= names.size() || kEntryHead + valueSize > entryLength)
            throw MalformedProperties{};
        std::string_view value = entry.substr(kEntryHead, valueSize);
        const std::string& name = names[nameNumber];
        if (name == "Description")
            block.values.description = valueAsText(database, type, value);
        else if (name == "DefaultValue")
            block.values.defaultValue = valueAsText(database, type, value);
        else if (name == "AllowZeroLength" && type == MDB_BOOL && !value.empty())
            block.values.allowZeroLength = value[0] != 0;
        else if (name == "Expression")
            block.values.hasExpression = true;
        else if (name == "ResultType" && type == MDB_BYTE && !value.empty())
            block.values.resultType = static_cast<unsigned char>(value[0]);
        else
            readDocumentProperty(database, name, type, value, block.values);
        offset += entryLength;
    }
    return block;
}

}  // namespace

const PropertyValues* PropertyBlocks::forTable(const std::string& tableName) const
{
    for (const PropertyBlock& block : blocks)
        if (block.name.empty())
            return &block.values;
    for (const PropertyBlock& block : blocks)
        if (block.name == tableName)
            return &block.values;
    return nullptr;
}

const PropertyValues* PropertyBlocks::forField(const std::string& fieldName) const
{
    for (const PropertyBlock& block : blocks)
        if (!block.name.empty() && block.name == fieldName)
            return &block.values;
    return nullptr;
}

PropertyBlocks parsePropertyBlocks(const MdbDatabase& database, std::string_view blob)
{
    PropertyBlocks result;
    if (blob.empty())
        return result;
    if (blob.size() < 4 || (std::memcmp(blob.data(), "KKD\0", 4) != 0 && std::memcmp(blob.data(), "MR2\0", 4) != 0))
        throw MalformedProperties{};
    BlobCursor cursor(blob);
    std::vector<std::string> names;
    std::size_t offset = 4;
    while (offset < blob.size()) {
        std::uint32_t chunkLength = cursor.u32At(offset);
        std::uint16_t kind = cursor.u16At(offset + 4);
        if (chunkLength < kChunkHead)
            throw MalformedProperties{};
        std::string_view body = cursor.slice(offset + kChunkHead, chunkLength - kChunkHead);
        if (kind == kNameListChunk)
            names = readNameList(database, body);
        else if (kind <= 0x02)
            result.blocks.push_back(readValueBlock(database, names, body));
        offset += chunkLength;
    }
    return result;
}

}  // namespace schemist::mdb
