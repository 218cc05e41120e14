// Compares the reader with the .schema.json dumps that an independent Access
// library made of every sample file: table list and attributes, for each
// local table its fields (type, size, properties) and indexes, and the
// relationships.
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

using namespace schemist;
using nlohmann::json;

namespace {

// Differences between the reader and the dumps that are accepted, each for
// the reason given (docs/reader.md explains them at length). A check whose
// (file, table, item, aspect) is listed here is not made.
struct AcceptedDifference {
    const char* file;
    const char* table;
    const char* item;    // field or index name
    const char* aspect;  // "daoType", "size", "fields", ...
    const char* reason;
};

// Empty: every sample file currently matches its dump in every checked item.
const std::vector<AcceptedDifference> kAccepted = {};

bool accepted(const std::string& file, const std::string& table, const std::string& item, const std::string& aspect)
{
    for (const AcceptedDifference& d : kAccepted)
        if (file == d.file && table == d.table && item == d.item && aspect == d.aspect)
            return true;
    return false;
}

json loadDump(const std::string& databasePath)
{
    std::ifstream in(databasePath + ".schema.json");
    return json::parse(in);
}

std::string fileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::int32_t attributesOfKind(const std::string& kind)
{
    if (kind == "local") return 0;
    if (kind == "system") return kTableSystem;
    if (kind == "hidden") return kTableHidden;
    if (kind == "linked") return kTableLinked;
    if (kind == "linkedOdbc") return kTableLinkedOdbc;
    ADD_FAILURE() << "unknown kind in dump: " << kind;
    return -1;
}

std::optional<std::string> optionalText(const json& value)
{
    if (value.is_null())
        return std::nullopt;
    return value.get<std::string>();
}

bool isCalculated(const json& column)
{
    for (const json& property : column["properties"])
        if (property["name"] == "Expression")
            return true;
    return false;
}

// The dumps count the stored header in a calculated field's size; DAO
// reports the size of the result type (for text, the declared length in
// characters, half the stored byte length).
int daoSizeOf(const json& column)
{
    if (!isCalculated(column))
        return column["size"].get<int>();
    static const std::map<int, int> kFixedSizes = {{1, 1},  {2, 1},  {3, 2},  {4, 4},  {5, 8},   {6, 4},
                                                   {7, 8},  {8, 8},  {11, 0}, {12, 0}, {15, 16}, {16, 8},
                                                   {20, 16}};
    int daoType = column["daoType"].get<int>();
    if (daoType == 10)
        return column["lengthBytes"].get<int>() / 2;
    auto found = kFixedSizes.find(daoType);
    if (found == kFixedSizes.end()) {
        ADD_FAILURE() << "calculated field of unexpected type " << daoType;
        return -1;
    }
    return found->second;
}

SourceReadOptions optionsFor(const json& dump)
{
    SourceReadOptions options;
    if (dump.contains("jet3Charset"))
        options.jet3Charset = dump["jet3Charset"].get<std::string>();
    return options;
}

class SchemaOracle : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        path_ = GetParam();
        file_ = fileName(path_);
        dump_ = loadDump(path_);
        schema_ = readSourceSchema(path_, optionsFor(dump_));
    }

    const SourceTable* table(const std::string& name) const
    {
        for (const SourceTable& t : schema_.tables)
            if (t.name == name)
                return &t;
        return nullptr;
    }

    std::string path_, file_;
    json dump_;
    SourceSchema schema_;
};

TEST_P(SchemaOracle, ListsEveryCatalogTableWithItsAttributes)
{
    std::map<std::string, std::int32_t> expected;
    for (const json& row : dump_["catalogOrder"])
        expected[row["name"].get<std::string>()] = attributesOfKind(row["kind"].get<std::string>());
    std::map<std::string, std::int32_t> actual;
    for (const SourceTable& t : schema_.tables)
        actual[t.name] = t.attributes;
    for (const auto& [name, attributes] : expected) {
        auto found = actual.find(name);
        if (found == actual.end()) {
            ADD_FAILURE() << file_ << ": table " << name << " missing";
            continue;
        }
        EXPECT_EQ(found->second, attributes) << file_ << ": table " << name << " attributes";
    }
    for (const auto& [name, attributes] : actual)
        EXPECT_TRUE(expected.count(name)) << file_ << ": table " << name << " not in the catalog dump";
}

// The dump's list of local and linked tables is sorted without regard to case,
// as DAO orders its collection; the reader's order, restricted to those
// tables, must be the same.
TEST_P(SchemaOracle, OrdersTablesByNameWithoutCase)
{
    std::vector<std::string> expected = dump_["jackcessTableNames"].get<std::vector<std::string>>();
    std::set<std::string> listed(expected.begin(), expected.end());
    std::vector<std::string> actual;
    for (const SourceTable& t : schema_.tables)
        if (listed.count(t.name))
            actual.push_back(t.name);
    EXPECT_EQ(actual, expected) << file_;
}

TEST_P(SchemaOracle, ReadsFieldsOfEveryLocalTable)
{
    for (const json& expectedTable : dump_["tables"]) {
        std::string name = expectedTable["name"].get<std::string>();
        const SourceTable* actual = table(name);
        if (!actual) {
            ADD_FAILURE() << file_ << ": table " << name << " missing";
            continue;
        }
        ASSERT_TRUE(actual->definitionsRead) << file_ << ": table " << name;
        if (!accepted(file_, name, "", "description")) {
            EXPECT_EQ(actual->description, optionalText(expectedTable["description"]))
                << file_ << ": table " << name << " description";
        }
        const json& columns = expectedTable["columns"];
        ASSERT_EQ(actual->fields.size(), columns.size()) << file_ << ": table " << name << " field count";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const json& column = columns[i];
            const SourceField& field = actual->fields[i];
            std::string fieldName = column["name"].get<std::string>();
            std::string where = file_ + ": table " + name + ", field " + fieldName;
            EXPECT_EQ(field.name, fieldName) << where << " (position " << i << ")";
            if (!accepted(file_, name, fieldName, "daoType")) {
                EXPECT_EQ(field.daoType, column["daoType"].get<int>()) << where << " daoType";
            }
            if (!accepted(file_, name, fieldName, "size")) {
                EXPECT_EQ(field.size, daoSizeOf(column)) << where << " size";
            }
            if (!accepted(file_, name, fieldName, "Description")) {
                EXPECT_EQ(field.description, optionalText(column["Description"])) << where << " Description";
            }
            if (!accepted(file_, name, fieldName, "DefaultValue")) {
                EXPECT_EQ(field.defaultValue, optionalText(column["DefaultValue"])) << where << " DefaultValue";
            }
            bool allowZeroLength = !column["AllowZeroLength"].is_null() && column["AllowZeroLength"].get<bool>();
            if (!accepted(file_, name, fieldName, "AllowZeroLength")) {
                EXPECT_EQ(field.allowZeroLength, allowZeroLength) << where << " AllowZeroLength";
            }
        }
    }
}

TEST_P(SchemaOracle, ReadsIndexesOfEveryLocalTable)
{
    for (const json& expectedTable : dump_["tables"]) {
        std::string name = expectedTable["name"].get<std::string>();
        const SourceTable* actual = table(name);
        if (!actual)
            continue;  // reported by the field test
        const json& indexes = expectedTable["indexes"];
        ASSERT_EQ(actual->indexes.size(), indexes.size()) << file_ << ": table " << name << " index count";
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            const json& expected = indexes[i];
            const SourceIndex& index = actual->indexes[i];
            std::string indexName = expected["name"].get<std::string>();
            std::string where = file_ + ": table " + name + ", index " + indexName;
            EXPECT_EQ(index.name, indexName) << where << " (position " << i << ")";
            EXPECT_EQ(index.primary, expected["primary"].get<bool>()) << where << " Primary";
            if (!accepted(file_, name, indexName, "unique")) {
                EXPECT_EQ(index.unique, expected["unique"].get<bool>()) << where << " Unique";
            }
            EXPECT_EQ(index.ignoreNulls, expected["ignoreNulls"].get<bool>()) << where << " IgnoreNulls";
            if (!accepted(file_, name, indexName, "fields")) {
                EXPECT_EQ(index.fields, expected["fields"].get<std::string>()) << where << " fields";
            }
        }
    }
}

// A property of the dump's property list, as text; null when absent.
std::optional<std::string> propertyText(const json& properties, const std::string& name)
{
    for (const json& property : properties)
        if (property["name"] == name) {
            const json& value = property["value"];
            return value.is_string() ? value.get<std::string>() : value.dump();
        }
    return std::nullopt;
}

void expectDocumentProperties(const SourceField& field, const json& column, const std::string& where)
{
    const json& properties = column["properties"];
    bool required = !column["Required"].is_null() && column["Required"].get<bool>();
    EXPECT_EQ(field.required, required) << where << " Required";
    EXPECT_EQ(field.autoNumber, column.value("autoNumber", false)) << where << " AutoNumber";
    EXPECT_EQ(field.caption, propertyText(properties, "Caption")) << where << " Caption";
    EXPECT_EQ(field.format, propertyText(properties, "Format")) << where << " Format";
    EXPECT_EQ(field.inputMask, propertyText(properties, "InputMask")) << where << " InputMask";
    EXPECT_EQ(field.validationRule, propertyText(properties, "ValidationRule")) << where << " ValidationRule";
    EXPECT_EQ(field.validationText, propertyText(properties, "ValidationText")) << where << " ValidationText";
    EXPECT_EQ(field.rowSource, propertyText(properties, "RowSource")) << where << " RowSource";
    // The dump shows the stored byte signed: "Auto" (255) is -1 there.
    std::optional<int> decimalPlaces;
    if (auto text = propertyText(properties, "DecimalPlaces"))
        decimalPlaces = std::stoi(*text) & 0xFF;
    EXPECT_EQ(field.decimalPlaces, decimalPlaces) << where << " DecimalPlaces";
    // A calculated field's stored column is not its result type; its
    // precision is left to the reading of calculated fields.
    if (propertyText(properties, "Expression"))
        return;
    if (column["daoType"] == 20) {
        EXPECT_EQ(field.precision, column["precision"].get<int>()) << where << " precision";
        EXPECT_EQ(field.scale, column["scale"].get<int>()) << where << " scale";
    } else {
        EXPECT_FALSE(field.precision || field.scale) << where << " precision or scale of a non-Decimal field";
    }
}

TEST_P(SchemaOracle, ReadsWhatTheDocumentsShowOfEveryLocalTable)
{
    for (const json& expectedTable : dump_["tables"]) {
        std::string name = expectedTable["name"].get<std::string>();
        const SourceTable* actual = table(name);
        if (!actual || actual->fields.size() != expectedTable["columns"].size())
            continue;  // reported by the field test
        EXPECT_EQ(actual->caption, propertyText(expectedTable["tableProperties"], "Caption"))
            << file_ << ": table " << name << " Caption";
        EXPECT_EQ(actual->validationRule, propertyText(expectedTable["tableProperties"], "ValidationRule"))
            << file_ << ": table " << name << " ValidationRule";
        EXPECT_EQ(actual->validationText, propertyText(expectedTable["tableProperties"], "ValidationText"))
            << file_ << ": table " << name << " ValidationText";
        for (std::size_t i = 0; i < actual->fields.size(); ++i)
            expectDocumentProperties(actual->fields[i], expectedTable["columns"][i],
                                     file_ + ": table " + name + ", field " + actual->fields[i].name);
    }
}

// The dump names the referenced ("one") side "from" and the referencing side
// "to". A file whose dump could not list them (its relationships point into
// a linked file that is absent) must still be read: SetUp did.
TEST_P(SchemaOracle, ReadsRelationships)
{
    if (dump_.contains("relationshipsError"))
        return;
    const json& expected = dump_["relationships"];
    ASSERT_EQ(schema_.relationships.size(), expected.size()) << file_;
    EXPECT_FALSE(schema_.relationshipsProblem) << file_;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const json& e = expected[i];
        const SourceRelationship& r = schema_.relationships[i];
        std::string where = file_ + ": relationship " + e["name"].get<std::string>();
        EXPECT_EQ(r.name, e["name"].get<std::string>()) << where;
        EXPECT_EQ(r.table, e["toTable"].get<std::string>()) << where;
        EXPECT_EQ(r.columns, e["toColumns"].get<std::vector<std::string>>()) << where;
        EXPECT_EQ(r.referencedTable, e["fromTable"].get<std::string>()) << where;
        EXPECT_EQ(r.referencedColumns, e["fromColumns"].get<std::vector<std::string>>()) << where;
        EXPECT_EQ(r.oneToOne, e["oneToOne"].get<bool>()) << where;
        EXPECT_EQ(r.enforced, !e["noReferentialIntegrity"].get<bool>()) << where;
        EXPECT_EQ(r.cascadeUpdates, e["cascadeUpdates"].get<bool>()) << where;
        EXPECT_EQ(r.cascadeDeletes, e["cascadeDeletes"].get<bool>()) << where;
    }
}

// Tables that are not ordinary local tables are listed without definitions.
TEST_P(SchemaOracle, ReadsDefinitionsOfLocalTablesOnly)
{
    for (const SourceTable& t : schema_.tables) {
        EXPECT_EQ(t.definitionsRead, t.attributes == 0) << file_ << ": table " << t.name;
        if (!t.definitionsRead) {
            EXPECT_TRUE(t.fields.empty() && t.indexes.empty()) << file_ << ": table " << t.name;
        }
    }
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string path = info.param;
    std::string dir = std::filesystem::path(path).parent_path().filename().string();
    std::string name = dir + "_" + fileName(path);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllSamples, SchemaOracle, ::testing::ValuesIn(test::allSampleDatabases()), testName);

TEST(SchemaOracleFiles, RealAccessFilesArePresent)
{
    if (test::sharedReal("nwind.mdb").empty())
        GTEST_SKIP() << "../shared/real is absent: the files made by Access itself are not compared";
    SUCCEED();
}

}  // namespace
