// Table definitions to and from JSON, and the catalog table's rows. A
// definition that does not parse is a damaged store, named as such.
#include "platform/workstore/catalog.h"

#include "platform/error.h"
#include "platform/workstore/connection.h"
#include "platform/workstore/statement.h"

#include <nlohmann/json.hpp>
#include <sqlite3.h>

namespace schemist::dao {
namespace {

constexpr const char* kCatalogTable = "__schemist_catalog";
constexpr const char* kInfoTable = "__schemist_info";
constexpr std::string_view kReservedPrefix = "__schemist";

nlohmann::json valueToJson(const Value& v)
{
    struct Visitor {
        nlohmann::json operator()(std::monostate) const { return nullptr; }
        nlohmann::json operator()(bool b) const { return b; }
        nlohmann::json operator()(std::int16_t i) const { return i; }
        nlohmann::json operator()(std::int32_t i) const { return i; }
        nlohmann::json operator()(double d) const { return d; }
        nlohmann::json operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, v.storage());
}

Value valueFromJson(const nlohmann::json& j, std::int16_t type)
{
    if (j.is_null()) return Value();
    if (j.is_boolean()) return Value(j.get<bool>());
    if (j.is_string()) return Value(j.get<std::string>());
    if (j.is_number_float()) return Value(j.get<double>());
    if (type == dbInteger || type == dbByte) return Value(j.get<std::int16_t>());
    return Value(j.get<std::int32_t>());
}

nlohmann::json propertiesToJson(const std::vector<Property>& props)
{
    nlohmann::json out = nlohmann::json::array();
    for (const Property& p : props)
        out.push_back({{"name", p.name}, {"type", p.type}, {"value", valueToJson(p.value)}});
    return out;
}

std::vector<Property> propertiesFromJson(const nlohmann::json& j)
{
    std::vector<Property> props;
    for (const auto& p : j) {
        auto type = p.at("type").get<std::int16_t>();
        props.push_back({p.at("name").get<std::string>(), type, valueFromJson(p.at("value"), type)});
    }
    return props;
}

std::string tableDefToJson(const TableDef& def)
{
    nlohmann::json j;
    j["name"] = def.name;
    j["attributes"] = def.attributes;
    j["properties"] = propertiesToJson(def.properties);
    j["fields"] = nlohmann::json::array();
    for (const FieldDef& f : def.fields)
        j["fields"].push_back({{"name", f.name}, {"type", f.type}, {"size", f.size},
                               {"allowZeroLength", f.allowZeroLength}, {"properties", propertiesToJson(f.properties)}});
    j["indexes"] = nlohmann::json::array();
    for (const IndexDef& i : def.indexes)
        j["indexes"].push_back({{"name", i.name}, {"fields", i.fields}, {"primary", i.primary},
                                {"unique", i.unique}, {"ignoreNulls", i.ignoreNulls}});
    return j.dump();
}

TableDef tableDefFromJson(const std::string& text)
{
    nlohmann::json j = nlohmann::json::parse(text);
    TableDef def;
    def.name = j.at("name").get<std::string>();
    def.attributes = j.at("attributes").get<std::int32_t>();
    def.properties = propertiesFromJson(j.at("properties"));
    for (const auto& f : j.at("fields"))
        def.fields.push_back({f.at("name").get<std::string>(), f.at("type").get<std::int16_t>(),
                              f.at("size").get<std::int16_t>(), f.at("allowZeroLength").get<bool>(),
                              propertiesFromJson(f.at("properties"))});
    for (const auto& i : j.at("indexes"))
        def.indexes.push_back({i.at("name").get<std::string>(), i.at("fields").get<std::string>(),
                               i.at("primary").get<bool>(), i.at("unique").get<bool>(), i.at("ignoreNulls").get<bool>()});
    return def;
}

std::string infoValue(const Connection& connection, const char* key)
{
    Statement stmt(connection, std::string("SELECT value FROM ") + kInfoTable + " WHERE key='" + key + "'");
    if (stmt.step(kReadWriteFailed))
        return stmt.textAt(0);
    return {};
}

}  // namespace

void Catalog::createIn(const Connection& connection, const std::string& locale)
{
    connection.exec(std::string("CREATE TABLE ") + kCatalogTable +
                    " (ordinal INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, definition TEXT NOT NULL)");
    connection.exec(std::string("CREATE TABLE ") + kInfoTable + " (key TEXT PRIMARY KEY, value TEXT)");
    Statement insert(connection, std::string("INSERT INTO ") + kInfoTable + " VALUES (?, ?)");
    for (auto [k, v] : {std::pair<std::string, std::string>{"format", kFormatMarker}, {"locale", locale}}) {
        insert.reset();
        insert.bind(1, Value(k));
        insert.bind(2, Value(v));
        insert.step("作業用データベースを作成できません");
    }
}

std::string Catalog::formatMarker(const Connection& connection)
{
    sqlite3* raw = connection.raw();
    sqlite3_stmt* stmt = nullptr;
    std::string marker;
    std::string sql = std::string("SELECT value FROM ") + kInfoTable + " WHERE key='format'";
    if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            marker = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            connection.fail("作業用データベースを開けません");
    } else if ((sqlite3_extended_errcode(raw) & 0xFF) != SQLITE_ERROR) {
        // Anything but "no such table": a lock, a full disk, a damaged file.
        connection.fail("作業用データベースを開けません");
    }
    return marker;
}

std::string Catalog::locale(const Connection& connection) { return infoValue(connection, "locale"); }

bool Catalog::isReservedName(std::string_view name) { return name.substr(0, kReservedPrefix.size()) == kReservedPrefix; }

void Catalog::startEmpty()
{
    tables_.clear();
    loaded_ = true;
}

const std::vector<TableDef>& Catalog::tables(const Connection& connection, bool reuse)
{
    if (loaded_ && reuse)
        return tables_;
    tables_.clear();
    Statement stmt(connection, std::string("SELECT definition FROM ") + kCatalogTable + " ORDER BY ordinal");
    while (stmt.step("作業用データベースを読み込めません")) {
        try {
            tables_.push_back(tableDefFromJson(stmt.textAt(0)));
        } catch (const nlohmann::json::exception&) {
            throw Error("作業用データベースの定義情報が壊れています: " + connection.path() +
                        "（「初期データ作成」または schemist-cli --init で作り直してください）");
        }
    }
    loaded_ = true;
    return tables_;
}

const TableDef* Catalog::find(const Connection& connection, bool reuse, std::string_view name)
{
    for (const TableDef& def : tables(connection, reuse))
        if (def.name == name)
            return &def;
    return nullptr;
}

void Catalog::add(const Connection& connection, const TableDef& def)
{
    Statement next(connection, std::string("SELECT COALESCE(MAX(ordinal), 0) + 1 FROM ") + kCatalogTable);
    next.step(kReadWriteFailed);
    std::int64_t ordinal = next.int64At(0);
    Statement insert(connection, std::string("INSERT INTO ") + kCatalogTable + " VALUES (?, ?, ?)");
    insert.bindInt64(1, ordinal);
    insert.bind(2, Value(def.name));
    insert.bind(3, Value(tableDefToJson(def)));
    insert.step("テーブルを作成できません: " + def.name);
}

void Catalog::remove(const Connection& connection, std::string_view name)
{
    Statement stmt(connection, std::string("DELETE FROM ") + kCatalogTable + " WHERE name = ?");
    stmt.bind(1, Value(std::string(name)));
    stmt.step("テーブルを削除できません: " + std::string(name));
}

}  // namespace schemist::dao
