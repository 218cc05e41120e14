// The byte form a child sends back: a schema survives the trip whole, and
// bytes that are not exactly one encoded schema are refused without reading
// outside them or allocating what a forged count asks for.
#include "platform/mdb/schema_wire.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace schemist;
using namespace schemist::mdb;

namespace {

SourceSchema sampleSchema()
{
    SourceSchema schema;
    SourceTable staff;
    staff.name = "tblStaff";
    staff.description = "社員マスタ";
    staff.definitionsRead = true;
    staff.fields.push_back({"fldID", 4, 4, std::nullopt, std::nullopt, false});
    staff.fields.push_back({"fldName", 10, 50, "氏名", "\"\"", true});
    staff.indexes.push_back({"PrimaryKey", true, true, false, "+fldID"});
    staff.indexes.push_back({"idxKana", false, false, true, "+fldName;-fldID"});
    staff.validationText = "入力してください";
    staff.caption = "社員";
    SourceField& id = staff.fields[0];
    id.autoNumber = true;
    id.caption = "社員番号";
    id.decimalPlaces = 255;
    SourceField& name = staff.fields[1];
    name.required = true;
    name.precision = 18;
    name.scale = 0;
    name.format = ">";
    name.inputMask = "LLL";
    name.validationRule = "Is Not Null";
    name.validationText = "";
    name.rowSource = "SELECT 1;";
    SourceRelationship works{"tblDepttblStaff", "tblStaff", {"fldDept", "fldSub"}, "tblDept", {"fldID", "fldSub"}};
    works.enforced = works.cascadeDeletes = true;
    schema.relationships = {works, {"x", "a", {}, "b", {}, true, false, true, false}};
    schema.relationshipsProblem = "リレーションシップを読み込めません";
    SourceTable system;
    system.name = "MSysObjects";
    system.attributes = kTableSystem;
    schema.tables = {system, staff};
    schema.warnings = {"テーブル一覧の 1 行を読めませんでした: sample.mdb", ""};
    return schema;
}

void expectSameDocumentProperties(const SourceField& x, const SourceField& y)
{
    EXPECT_EQ(std::tie(x.precision, x.scale, x.required, x.autoNumber, x.decimalPlaces),
              std::tie(y.precision, y.scale, y.required, y.autoNumber, y.decimalPlaces));
    EXPECT_EQ(std::tie(x.caption, x.format, x.inputMask, x.validationRule, x.validationText, x.rowSource),
              std::tie(y.caption, y.format, y.inputMask, y.validationRule, y.validationText, y.rowSource));
}

void expectSame(const SourceSchema& a, const SourceSchema& b)
{
    EXPECT_EQ(a.warnings, b.warnings);
    ASSERT_EQ(a.tables.size(), b.tables.size());
    for (std::size_t t = 0; t < a.tables.size(); ++t) {
        const SourceTable &x = a.tables[t], &y = b.tables[t];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.attributes, y.attributes);
        EXPECT_EQ(x.description, y.description);
        EXPECT_EQ(x.definitionsRead, y.definitionsRead);
        ASSERT_EQ(x.fields.size(), y.fields.size());
        for (std::size_t f = 0; f < x.fields.size(); ++f) {
            EXPECT_EQ(x.fields[f].name, y.fields[f].name);
            EXPECT_EQ(x.fields[f].daoType, y.fields[f].daoType);
            EXPECT_EQ(x.fields[f].size, y.fields[f].size);
            EXPECT_EQ(x.fields[f].description, y.fields[f].description);
            EXPECT_EQ(x.fields[f].defaultValue, y.fields[f].defaultValue);
            EXPECT_EQ(x.fields[f].allowZeroLength, y.fields[f].allowZeroLength);
            expectSameDocumentProperties(x.fields[f], y.fields[f]);
        }
        EXPECT_EQ(x.caption, y.caption);
        EXPECT_EQ(x.validationRule, y.validationRule);
        EXPECT_EQ(x.validationText, y.validationText);
        ASSERT_EQ(x.indexes.size(), y.indexes.size());
        for (std::size_t i = 0; i < x.indexes.size(); ++i) {
            EXPECT_EQ(x.indexes[i].name, y.indexes[i].name);
            EXPECT_EQ(x.indexes[i].primary, y.indexes[i].primary);
            EXPECT_EQ(x.indexes[i].unique, y.indexes[i].unique);
            EXPECT_EQ(x.indexes[i].ignoreNulls, y.indexes[i].ignoreNulls);
            EXPECT_EQ(x.indexes[i].fields, y.indexes[i].fields);
        }
    }
    ASSERT_EQ(a.relationships.size(), b.relationships.size());
    for (std::size_t r = 0; r < a.relationships.size(); ++r) {
        const SourceRelationship &x = a.relationships[r], &y = b.relationships[r];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.table, y.table);
        EXPECT_EQ(x.columns, y.columns);
        EXPECT_EQ(x.referencedTable, y.referencedTable);
        EXPECT_EQ(x.referencedColumns, y.referencedColumns);
        EXPECT_EQ(std::tie(x.oneToOne, x.enforced, x.cascadeUpdates, x.cascadeDeletes),
                  std::tie(y.oneToOne, y.enforced, y.cascadeUpdates, y.cascadeDeletes));
    }
    EXPECT_EQ(a.relationshipsProblem, b.relationshipsProblem);
}

TEST(SchemaWire, RoundTrip)
{
    expectSame(decodeSchema(encodeSchema(sampleSchema())), sampleSchema());
    expectSame(decodeSchema(encodeSchema(SourceSchema{})), SourceSchema{});
}

TEST(SchemaWire, EveryTruncationIsRefused)
{
    std::string bytes = encodeSchema(sampleSchema());
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_THROW(decodeSchema(std::string_view(bytes).substr(0, length)), MalformedWire) << length;
}

TEST(SchemaWire, TrailingBytesAndWrongMagicAreRefused)
{
    std::string bytes = encodeSchema(sampleSchema());
    EXPECT_THROW(decodeSchema(bytes + '\0'), MalformedWire);
    std::string other = bytes;
    other[0] = 'X';
    EXPECT_THROW(decodeSchema(other), MalformedWire);
}

TEST(SchemaWire, ForgedCountIsRefusedBeforeAllocating)
{
    std::string bytes = encodeSchema(SourceSchema{});
    bytes.replace(4, 4, std::string("\xff\xff\xff\x7f", 4));  // two billion tables in four bytes
    EXPECT_THROW(decodeSchema(bytes), MalformedWire);
    bytes = encodeSchema(SourceSchema{});
    bytes.replace(8, 4, std::string("\xff\xff\xff\x7f", 4));  // and as many warnings
    EXPECT_THROW(decodeSchema(bytes), MalformedWire);
}

TEST(SchemaWire, FlippedBytesNeverReadOutside)
{
    std::string bytes = encodeSchema(sampleSchema());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (unsigned char value : {0x00, 0x01, 0x7f, 0xff}) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(value);
            try {
                decodeSchema(damaged);
            } catch (const MalformedWire&) {
            }
        }
    }
}

}  // namespace
