// Definition rows from a source schema: prefixes, numbering, index marks and
// defaults as later conversion and generators rely on them.
#include "import/schema_import.h"

#include "store/default_rows.h"

#include <gtest/gtest.h>

using namespace schemist;

namespace {

SourceField field(std::string name, int type, int size, std::optional<std::string> description = std::nullopt,
                  std::optional<std::string> defaultValue = std::nullopt, bool azl = false)
{
    return {std::move(name), type, size, std::move(description), std::move(defaultValue), azl};
}

SourceSchema sampleSchema()
{
    SourceTable staff;
    staff.name = "tblStaff";
    staff.description = "社員マスタ";
    staff.fields = {field("fldId", 4, 4, "社員ID"), field("fldName", 10, 50, "氏名"),
                    field("fldKana", 10, 50, std::nullopt, std::nullopt, true), field("fldBirth", 8, 8),
                    field("fldDeptCode", 3, 2, "部署", "0"), field("fldActive", 1, 1, std::nullopt, ""),
                    field("fldNote", 12, 0), field("Photo", 11, 0), field("Odd", 101, 0)};
    staff.indexes = {{"PrimaryKey", true, true, false, "+fldId"},
                     {"fldKana", false, false, true, "+fldKana"},
                     {"DeptBirth", false, true, false, "+fldDeptCode;-fldBirth"}};
    SourceTable order;
    order.name = "tblOrder";
    order.fields = {field("fldOrderNo", 4, 4), field("fldLine", 3, 2)};
    order.indexes = {{"PrimaryKey", true, true, false, "+fldOrderNo;+fldLine"}};
    SourceTable linked;
    linked.name = "LinkedStaff";
    linked.attributes = 0x40000000;
    SourceTable bare;
    bare.name = "tbl";
    bare.fields = {field("fld", 10, 10)};
    SourceTable shortName;
    shortName.name = "tb";
    shortName.fields = {field("TBLx", 10, 10)};
    return {{linked, order, staff, bare, shortName}, {}};
}

const IdentifierSet& defaults()
{
    static IdentifierSet ids = identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames());
    return ids;
}

}  // namespace

TEST(SchemaImport, NumbersSelectedLocalTablesInSchemaOrder)
{
    auto rows = definitionRowsFrom(sampleSchema(), {"tblStaff", "LinkedStaff", "tblOrder", "nothere"}, defaults());
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows.front().TableNo, 1);
    EXPECT_EQ(rows.front().TableName, "Order");  // schema order, not selection order
    EXPECT_EQ(rows.back().TableNo, 2);
    EXPECT_EQ(rows.back().TableName, "Staff");
    EXPECT_TRUE(rows.back().TableNameChange);
    EXPECT_EQ(missingTables(sampleSchema(), {"tblStaff", "LinkedStaff", "x"}),
              (std::vector<std::string>{"LinkedStaff", "x"}));
}

TEST(SchemaImport, FieldColumnsFollowTheSourceDefinitions)
{
    auto rows = definitionRowsFrom(sampleSchema(), {"tblStaff"}, defaults());
    ASSERT_EQ(rows.size(), 9u);
    const DefinitionRow& id = rows[0];
    EXPECT_EQ(id.FieldName, "Id");
    EXPECT_TRUE(id.FieldNameChange);
    EXPECT_EQ(id.Type, "Long");
    EXPECT_FALSE(id.LengthFlag);
    EXPECT_EQ(id.LengthInteger, 4);
    EXPECT_TRUE(id.Primary);
    EXPECT_EQ(id.TableComment, std::optional<std::string>("社員マスタ"));

    const DefinitionRow& name = rows[1];
    EXPECT_EQ(name.Type, "Text");
    EXPECT_TRUE(name.LengthFlag);
    EXPECT_EQ(name.LengthInteger, 50);
    EXPECT_EQ(name.Comment, std::optional<std::string>("氏名"));
    EXPECT_FALSE(name.DefaultFlag);
    EXPECT_EQ(name.DefaultValue, std::optional<std::string>(""));

    EXPECT_TRUE(rows[2].Null);
    EXPECT_FALSE(rows[2].Unique);
    EXPECT_TRUE(*rows[2].AllowZeroLength);
    EXPECT_FALSE(rows[2].Comment.has_value());

    EXPECT_FALSE(rows[3].Unique) << "a descending index member is not marked";
    EXPECT_TRUE(rows[4].Unique);
    EXPECT_TRUE(rows[4].DefaultFlag);
    EXPECT_EQ(rows[4].DefaultValue, std::optional<std::string>("0"));
    EXPECT_FALSE(rows[5].DefaultFlag) << "an empty default counts as none";

    EXPECT_EQ(rows[6].Type, "Memo");
    EXPECT_EQ(rows[6].LengthInteger, 0);
    EXPECT_EQ(rows[7].Type, "LongBinary");
    EXPECT_TRUE(rows[7].LengthFlag);
    EXPECT_EQ(rows[7].FieldName, "Photo");
    EXPECT_FALSE(rows[7].FieldNameChange);
    EXPECT_EQ(rows[8].Type, "") << "a type code without a name";
}

TEST(SchemaImport, PrimaryKeyOverTwoFieldsMarksBothAndNotUnique)
{
    auto rows = definitionRowsFrom(sampleSchema(), {"tblOrder"}, defaults());
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        EXPECT_TRUE(row.Primary);
        EXPECT_FALSE(row.Unique);
    }
}

TEST(SchemaImport, IndexMembersWithPlusOrSemicolonInTheirNamesAreFoundWhole)
{
    // Access allows "+" and ";" in field names; the index fields string then
    // holds them unchanged ("+Price+Tax").
    SourceTable table;
    table.name = "Prices";
    table.fields = {field("Price+Tax", 5, 8), field("Price", 5, 8), field("Tax", 5, 8),
                    field("Code;Sub", 10, 4), field("Code", 10, 4), field("Sub", 10, 4), field("Old", 8, 8)};
    table.indexes = {{"PrimaryKey", true, true, false, "+Price+Tax"},
                     {"CodeSub", false, true, true, "+Code;Sub;-Old"}};
    auto rows = definitionRowsFrom(SourceSchema{{table}, {}}, {"Prices"}, defaults());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_TRUE(rows[0].Primary);
    EXPECT_FALSE(rows[1].Primary) << "the pieces of a name are no members";
    EXPECT_FALSE(rows[2].Primary);
    EXPECT_TRUE(rows[3].Unique);
    EXPECT_TRUE(rows[3].Null);
    EXPECT_FALSE(rows[4].Unique);
    EXPECT_FALSE(rows[5].Unique);
    EXPECT_FALSE(rows[6].Unique) << "a descending member after such a name is still not marked";
}

TEST(SchemaImport, PrefixRuleComparesExactlyThreeCharacters)
{
    bool cut = false;
    EXPECT_EQ(cutPrefix("tblCustomer", "tbl", cut), "Customer");
    EXPECT_TRUE(cut);
    EXPECT_EQ(cutPrefix("TBLCustomer", "tbl", cut), "TBLCustomer");
    EXPECT_FALSE(cut);
    EXPECT_EQ(cutPrefix("tbl", "tbl", cut), "");
    EXPECT_TRUE(cut);
    EXPECT_EQ(cutPrefix("tblX", "tb", cut), "tblX");
    EXPECT_FALSE(cut);
    EXPECT_EQ(cutPrefix("fld受注日", "fld", cut), "受注日");
    EXPECT_EQ(cutPrefix("受注明細", "受注明", cut), "細");
    EXPECT_EQ(cutPrefix("", "", cut), "");
    EXPECT_TRUE(cut);
    EXPECT_EQ(cutPrefix("x", "", cut), "x");
    EXPECT_FALSE(cut);

    auto rows = definitionRowsFrom(sampleSchema(), {"tbl", "tb"}, defaults());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].TableName, "");
    EXPECT_EQ(rows[0].FieldName, "");
    EXPECT_EQ(rows[1].TableName, "tb");
    EXPECT_EQ(rows[1].FieldName, "TBLx");
}
