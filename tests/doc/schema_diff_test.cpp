// The schema comparison and the snapshot it reads: names matched as Access
// matches them, every property of the schema section compared, relationships
// put under the table that is on both sides, and a snapshot that reads back
// as the schema it was written from.
#include "doc/schema_diff.h"
#include "doc/schema_diff_report.h"
#include "doc/schema_json.h"
#include "doc/schema_snapshot.h"
#include "platform/error.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::doc;
using nlohmann::json;

namespace {

SourceField field(const std::string& name, int daoType = 4, int size = 4)
{
    SourceField f;
    f.name = name;
    f.daoType = daoType;
    f.size = size;
    return f;
}

SourceTable table(const std::string& name, std::vector<SourceField> fields)
{
    SourceTable t;
    t.name = name;
    t.definitionsRead = true;
    t.fields = std::move(fields);
    return t;
}

SourceRelationship relationship(const std::string& name, const std::string& from, const std::string& to)
{
    SourceRelationship r;
    r.name = name;
    r.table = from;
    r.columns = {"DeptID"};
    r.referencedTable = to;
    r.referencedColumns = {"ID"};
    return r;
}

// A table whose every property holds something, so that a property the
// snapshot forgets to read shows up as a difference.
SourceTable everyProperty()
{
    SourceField text = field("Name", 10, 40);
    text.description = "氏名";
    text.defaultValue = "\"-\"";
    text.allowZeroLength = true;
    text.required = true;
    text.caption = "名前";
    text.format = "@";
    text.inputMask = "AAA";
    text.validationRule = "Len([Name])>0";
    text.validationText = "入力してください";
    text.rowSource = "SELECT 1";
    SourceField money = field("Price", 20, 16);
    money.precision = 18;
    money.scale = 2;
    money.decimalPlaces = 255;
    SourceField id = field("ID");
    id.autoNumber = true;
    SourceTable t = table("Staff", {id, text, money});
    t.caption = "社員";
    t.description = "社員マスタ";
    t.validationRule = "[Price]>0";
    t.validationText = "価格";
    t.indexes = {{"PrimaryKey", true, true, false, "+ID"}, {"ByName", false, false, true, "+Name;-Price"}};
    return t;
}

}  // namespace

TEST(SchemaDiff, NamesMatchWithoutLetterCaseAndASpellingChangeIsAChangeOfName)
{
    SourceSchema before, after;
    before.tables = {table("tblStaff", {field("fldID"), field("fldName", 10, 20)}), table("Old", {field("A")})};
    after.tables = {table("TBLSTAFF", {field("FLDID"), field("fldName", 10, 40), field("fldMail", 10, 80)}),
                    table("New", {field("A")})};
    SchemaDiff diff = diffSchemas(before, after);
    EXPECT_EQ(diff.addedTables, std::vector<std::string>{"New"});
    EXPECT_EQ(diff.removedTables, std::vector<std::string>{"Old"});
    ASSERT_EQ(diff.changedTables.size(), 1u);
    const TableChange& staff = diff.changedTables[0];
    EXPECT_EQ(staff.name, "TBLSTAFF");
    ASSERT_EQ(staff.properties.size(), 1u);
    EXPECT_EQ(staff.properties[0].property, "name");
    EXPECT_EQ(staff.fields.added, std::vector<std::string>{"fldMail"});
    EXPECT_TRUE(staff.fields.removed.empty());
    ASSERT_EQ(staff.fields.changed.size(), 2u);
    EXPECT_EQ(staff.fields.changed[0].name, "FLDID");
    EXPECT_EQ(staff.fields.changed[0].changes[0].property, "name");
    EXPECT_EQ(staff.fields.changed[1].changes[0].property, "size");
    EXPECT_EQ(staff.fields.changed[1].changes[0].before, 20);
    EXPECT_EQ(staff.fields.changed[1].changes[0].after, 40);
    // An added field's line says what it is.
    bool described = false;
    for (const ChangeLine& line : changeLines(diff))
        if (line.kind == "追加" && line.item == "fldMail") {
            EXPECT_EQ(line.details, (std::vector<std::string>{"型: 「Text」", "サイズ: 80"}));
            described = true;
        }
    EXPECT_TRUE(described);
    EXPECT_TRUE(diffSchemas(after, after).empty());
}

TEST(SchemaDiff, ChangedPropertiesComeInTheOrderADefinitionIsRead)
{
    SourceSchema before, after;
    before.tables = {table("T", {field("F", 10, 20)})};
    SourceField changed = field("F", 12, 0);
    changed.rowSource = "SELECT 1";
    changed.description = "説明";
    changed.required = true;
    after.tables = {table("T", {changed})};
    SchemaDiff diff = diffSchemas(before, after);
    ASSERT_EQ(diff.changedTables.size(), 1u);
    std::vector<std::string> keys;
    for (const PropertyChange& change : diff.changedTables[0].fields.changed.at(0).changes)
        keys.push_back(change.property);
    EXPECT_EQ(keys, (std::vector<std::string>{"type", "size", "required", "description", "rowSource"}));
    std::vector<ChangeLine> lines = changeLines(diff);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].details.at(0), "型: 「Text」 → 「Memo」");
    EXPECT_EQ(lines[0].details.at(2), "必須: いいえ → はい");
    EXPECT_EQ(lines[0].details.at(3), "説明: なし → 「説明」");
}

TEST(SchemaDiff, IndexMembersAndTheirOrderAreCompared)
{
    SourceSchema before, after;
    before.tables = {table("T", {field("A"), field("B")})};
    before.tables[0].indexes = {{"AB", false, false, false, "+A;+B"}};
    after.tables = before.tables;
    after.tables[0].indexes = {{"ab", false, true, false, "+A;-B"}, {"B", false, false, false, "+B"}};
    SchemaDiff diff = diffSchemas(before, after);
    ASSERT_EQ(diff.changedTables.size(), 1u);
    const ItemDiff& indexes = diff.changedTables[0].indexes;
    EXPECT_EQ(indexes.added, std::vector<std::string>{"B"});
    ASSERT_EQ(indexes.changed.size(), 1u);
    std::vector<std::string> details = changeLines(diff).at(1).details;  // after the added index
    EXPECT_EQ(details, (std::vector<std::string>{"名前: 「AB」 → 「ab」", "一意: いいえ → はい",
                                                  "フィールド: A, B → A, B (降順)"}));
}

TEST(SchemaDiff, ARelationshipIsListedUnderTheTableOnBothSides)
{
    SourceSchema before, after;
    before.tables = {table("Dept", {field("ID")}), table("Emp", {field("DeptID")})};
    before.relationships = {relationship("DeptEmp", "Emp", "Dept")};
    after.tables = {table("Dept", {field("ID")}), table("Emp", {field("DeptID")}), table("Task", {field("DeptID")})};
    SourceRelationship enforced = relationship("DeptEmp", "Emp", "Dept");
    enforced.enforced = true;
    // A new table referencing a table on both sides: listed under the latter.
    after.relationships = {enforced, relationship("DeptTask", "Task", "Dept")};
    SchemaDiff diff = diffSchemas(before, after);
    EXPECT_EQ(diff.addedTables, std::vector<std::string>{"Task"});
    ASSERT_EQ(diff.changedTables.size(), 2u);
    EXPECT_EQ(diff.changedTables[0].name, "Dept");
    EXPECT_EQ(diff.changedTables[0].relationships.added, std::vector<std::string>{"DeptTask"});
    EXPECT_EQ(changeLines(diff).at(1).details,
              (std::vector<std::string>{"参照先テーブル: 「Dept」", "参照先フィールド: ID"}));
    EXPECT_EQ(diff.changedTables[1].name, "Emp");
    ASSERT_EQ(diff.changedTables[1].relationships.changed.size(), 1u);
    EXPECT_EQ(diff.changedTables[1].relationships.changed[0].changes.at(0).property, "enforced");

    // A relationship between two tables that come or go is theirs alone.
    SchemaDiff gone = diffSchemas(after, SourceSchema{});
    EXPECT_EQ(gone.removedTables.size(), 3u);
    EXPECT_TRUE(gone.changedTables.empty());
}

TEST(SchemaSnapshot, ReadsBackEveryPropertyOfTheSchemaSection)
{
    SourceSchema schema;
    schema.tables = {everyProperty(), table("Dept", {field("ID")})};
    SourceRelationship r = relationship("DeptStaff", "Staff", "Dept");
    r.oneToOne = r.enforced = r.cascadeUpdates = r.cascadeDeletes = true;
    schema.relationships = {r};
    json document = {{"format", "schemist-definitions 2"},
                     {"source", "a.mdb"},
                     {"sourceModified", "2026-11-02T09:30:00+09:00"},
                     {"schema", schemaJson(schema)}};
    SchemaSnapshot snapshot = parseSchemaSnapshot(document.dump(), "a.json");
    EXPECT_EQ(schemaJson(snapshot.schema), schemaJson(schema));
    EXPECT_TRUE(diffSchemas(snapshot.schema, schema).empty());
    EXPECT_EQ(snapshot.source, "a.mdb");
    EXPECT_EQ(dateOf(snapshot.modified.value()), "2026-11-02");
}

TEST(SchemaSnapshot, WrongContentIsNamedWithWhereItIs)
{
    auto message = [](const std::string& text) {
        try {
            parseSchemaSnapshot(text, "s.json");
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_NE(message("[1, 2]").find("JSON の書式が正しくありません): s.json"), std::string::npos);
    EXPECT_NE(message(R"({"format": "something else"})").find("スナップショットではありません"), std::string::npos);
    EXPECT_NE(message(R"({"format": "schemist-definitions 2", "schema": {"tables": [{"name": "T", "fields": [
        {"name": "F", "type": "Texte", "size": 1}], "indexes": []}], "relationships": []}})")
                  .find("s.json: schema.tables[0].fields[0].type (型の名前"),
              std::string::npos);
    EXPECT_NE(message(R"({"format": "schemist-definitions 2", "schema": {"tables": [], "relationships": [
        {"name": "R", "table": "A", "columns": [1]}]}})")
                  .find("schema.relationships[0].columns[0] (文字列"),
              std::string::npos);
}
