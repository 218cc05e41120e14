// Reading the schema section of a definitions JSON back into a schema. The
// file may have been edited by hand or cut short, so every value is checked
// for its kind and a wrong one is reported with where it is.
#include "doc/schema_snapshot.h"

#include "import/schema_import.h"
#include "platform/atomic_file.h"
#include "platform/error.h"

#include <nlohmann/json.hpp>

#include <ctime>
#include <fstream>
#include <sys/stat.h>

namespace schemist::doc {
namespace {

using nlohmann::json;

constexpr const char* kFormatPrefix = "schemist-definitions ";

class SnapshotReader {
public:
    explicit SnapshotReader(const std::string& path) : path_(path) {}

    static std::string at(const std::string& where, const std::string& key)
    {
        return where.empty() ? key : where + "." + key;
    }

    [[noreturn]] void fail(const std::string& where, const std::string& wanted) const
    {
        throw Error("スナップショットの内容が正しくありません: " + path_ + ": " + where + " (" + wanted +
                    "を指定してください)");
    }

    const json& member(const json& object, const std::string& key, const std::string& where) const
    {
        auto found = object.find(key);
        if (found == object.end())
            fail(at(where, key), "値");
        return *found;
    }
    std::string text(const json& object, const std::string& key, const std::string& where) const
    {
        const json& value = member(object, key, where);
        if (!value.is_string())
            fail(at(where, key), "文字列");
        return value.get<std::string>();
    }
    std::optional<std::string> optionalText(const json& object, const std::string& key, const std::string& where) const
    {
        auto found = object.find(key);
        if (found == object.end() || found->is_null())
            return std::nullopt;
        return text(object, key, where);
    }
    bool flag(const json& object, const std::string& key, const std::string& where) const
    {
        const json& value = member(object, key, where);
        if (!value.is_boolean())
            fail(at(where, key), "true または false ");
        return value.get<bool>();
    }
    std::optional<int> optionalInteger(const json& object, const std::string& key, const std::string& where) const
    {
        auto found = object.find(key);
        if (found == object.end() || found->is_null())
            return std::nullopt;
        if (!found->is_number_integer() || found->get<std::int64_t>() < INT32_MIN ||
            found->get<std::int64_t>() > INT32_MAX)
            fail(at(where, key), "整数");
        return found->get<int>();
    }
    const json& array(const json& object, const std::string& key, const std::string& where) const
    {
        const json& value = member(object, key, where);
        if (!value.is_array())
            fail(at(where, key), "配列");
        return value;
    }
    std::vector<std::string> names(const json& object, const std::string& key, const std::string& where) const
    {
        std::vector<std::string> result;
        const json& list = array(object, key, where);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!list[i].is_string())
                fail(at(where, key) + "[" + std::to_string(i) + "]", "文字列");
            result.push_back(list[i].get<std::string>());
        }
        return result;
    }
    void object(const json& value, const std::string& where) const
    {
        if (!value.is_object())
            fail(where, "オブジェクト");
    }

private:
    std::string path_;
};

// The DAO type code of a type name as the definitions write it.
int daoTypeNamed(const SnapshotReader& reader, const json& field, const std::string& where)
{
    std::optional<std::string> name = reader.optionalText(field, "type", where);
    if (!name)
        return 0;
    for (int code = 1; code < 64; ++code)
        if (*name == typeNameOf(code).name)
            return code;
    reader.fail(SnapshotReader::at(where, "type"), "型の名前 (Text, Long など)");
}

SourceField fieldFrom(const SnapshotReader& r, const json& f, const std::string& where)
{
    r.object(f, where);
    SourceField field;
    field.name = r.text(f, "name", where);
    field.daoType = daoTypeNamed(r, f, where);
    field.size = r.optionalInteger(f, "size", where).value_or(0);
    field.precision = r.optionalInteger(f, "precision", where);
    field.scale = r.optionalInteger(f, "scale", where);
    field.required = r.flag(f, "required", where);
    field.allowZeroLength = r.flag(f, "allowZeroLength", where);
    field.defaultValue = r.optionalText(f, "defaultValue", where);
    field.caption = r.optionalText(f, "caption", where);
    field.description = r.optionalText(f, "description", where);
    field.format = r.optionalText(f, "format", where);
    field.inputMask = r.optionalText(f, "inputMask", where);
    field.validationRule = r.optionalText(f, "validationRule", where);
    field.validationText = r.optionalText(f, "validationText", where);
    field.decimalPlaces = r.optionalInteger(f, "decimalPlaces", where);
    field.autoNumber = r.flag(f, "autoNumber", where);
    field.rowSource = r.optionalText(f, "rowSource", where);
    return field;
}

SourceIndex indexFrom(const SnapshotReader& r, const json& i, const std::string& where)
{
    r.object(i, where);
    SourceIndex index;
    index.name = r.text(i, "name", where);
    index.primary = r.flag(i, "primary", where);
    index.unique = r.flag(i, "unique", where);
    index.ignoreNulls = r.flag(i, "ignoreNulls", where);
    const json& members = r.array(i, "fields", where);
    for (std::size_t n = 0; n < members.size(); ++n) {
        std::string at = where + ".fields[" + std::to_string(n) + "]";
        r.object(members[n], at);
        index.fields += (n == 0 ? "" : ";") + std::string(r.flag(members[n], "descending", at) ? "-" : "+") +
                        r.text(members[n], "name", at);
    }
    return index;
}

SourceTable tableFrom(const SnapshotReader& r, const json& t, const std::string& where)
{
    r.object(t, where);
    SourceTable table;
    table.name = r.text(t, "name", where);
    table.definitionsRead = true;
    table.caption = r.optionalText(t, "caption", where);
    table.description = r.optionalText(t, "description", where);
    table.validationRule = r.optionalText(t, "validationRule", where);
    table.validationText = r.optionalText(t, "validationText", where);
    const json& fields = r.array(t, "fields", where);
    for (std::size_t n = 0; n < fields.size(); ++n)
        table.fields.push_back(fieldFrom(r, fields[n], where + ".fields[" + std::to_string(n) + "]"));
    const json& indexes = r.array(t, "indexes", where);
    for (std::size_t n = 0; n < indexes.size(); ++n)
        table.indexes.push_back(indexFrom(r, indexes[n], where + ".indexes[" + std::to_string(n) + "]"));
    return table;
}

SourceRelationship relationshipFrom(const SnapshotReader& r, const json& x, const std::string& where)
{
    r.object(x, where);
    SourceRelationship relationship;
    relationship.name = r.text(x, "name", where);
    relationship.table = r.text(x, "table", where);
    relationship.columns = r.names(x, "columns", where);
    relationship.referencedTable = r.text(x, "referencedTable", where);
    relationship.referencedColumns = r.names(x, "referencedColumns", where);
    relationship.oneToOne = r.flag(x, "oneToOne", where);
    relationship.enforced = r.flag(x, "enforced", where);
    relationship.cascadeUpdates = r.flag(x, "cascadeUpdates", where);
    relationship.cascadeDeletes = r.flag(x, "cascadeDeletes", where);
    return relationship;
}

// The format's number: "schemist-definitions 2" is 2; 0 for another text.
int formatNumber(const std::string& format)
{
    if (format.rfind(kFormatPrefix, 0) != 0)
        return 0;
    try {
        return std::stoi(format.substr(std::string(kFormatPrefix).size()));
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

SchemaSnapshot parseSchemaSnapshot(const std::string& text, const std::string& path)
{
    json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        throw Error("スナップショットを読み込めません (JSON の書式が正しくありません): " + path);
    SnapshotReader r(path);
    int format = document.contains("format") && document["format"].is_string()
                     ? formatNumber(document["format"].get<std::string>())
                     : 0;
    if (format == 0)
        throw Error("スナップショットではありません (--definitions-json で書き出したファイルを指定してください): " + path);
    if (format < 2 || !document.contains("schema"))
        throw Error("スナップショットにスキーマの情報がありません (このバージョンの --definitions-json で書き出し直してください): " +
                    path);
    SchemaSnapshot snapshot;
    snapshot.source = r.optionalText(document, "source", "").value_or("");
    snapshot.modified = r.optionalText(document, "sourceModified", "");
    const json& schema = document["schema"];
    r.object(schema, "schema");
    const json& tables = r.array(schema, "tables", "schema");
    for (std::size_t n = 0; n < tables.size(); ++n)
        snapshot.schema.tables.push_back(tableFrom(r, tables[n], "schema.tables[" + std::to_string(n) + "]"));
    const json& relationships = r.array(schema, "relationships", "schema");
    for (std::size_t n = 0; n < relationships.size(); ++n)
        snapshot.schema.relationships.push_back(
            relationshipFrom(r, relationships[n], "schema.relationships[" + std::to_string(n) + "]"));
    return snapshot;
}

SchemaSnapshot readSchemaSnapshot(const std::string& path)
{
    std::string text;
    try {
        text = readWholeFile(path);
    } catch (const Error& e) {
        throw Error(std::string("スナップショットを読み込めません: ") + e.what());
    }
    return parseSchemaSnapshot(text, path);
}

bool looksLikeSnapshot(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char ch = 0;
    while (in.get(ch))
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
            return ch == '{';
    return false;
}

std::optional<std::string> modificationTimeText(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    std::tm local{};
    if (!::localtime_r(&info.st_mtime, &local))
        return std::nullopt;
    char buffer[40];
    if (std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S%z", &local) == 0)
        return std::nullopt;
    std::string text = buffer;
    // ISO 8601 as JSON readers expect it: "+0900" becomes "+09:00".
    if (text.size() == 24)
        text.insert(22, ":");
    return text;
}

std::string dateOf(const std::string& timeText)
{
    if (timeText.size() >= 10 && timeText[4] == '-' && timeText[7] == '-')
        return timeText.substr(0, 10);
    return timeText;
}

}  // namespace schemist::doc
