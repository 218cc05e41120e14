// Reader behaviour beyond the dumps: what the options select, the attributes
// and order rules on names no sample has, the Jet3 code page, and that the
// source file is left exactly as it was.
#include "platform/mdb/catalog.h"
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

using namespace schemist;

namespace {

const SourceTable* find(const SourceSchema& schema, const std::string& name)
{
    for (const SourceTable& t : schema.tables)
        if (t.name == name)
            return &t;
    return nullptr;
}

TEST(ReaderOptions, ListingOnlyReadsNoDefinitions)
{
    SourceReadOptions options;
    options.readDefinitions = false;
    SourceSchema schema = readSourceSchema(test::dataFile("sample.mdb"), options);
    const SourceTable* staff = find(schema, "tblStaff");
    ASSERT_NE(staff, nullptr);
    EXPECT_EQ(staff->attributes, 0);
    for (const SourceTable& t : schema.tables) {
        EXPECT_FALSE(t.definitionsRead) << t.name;
        EXPECT_TRUE(t.fields.empty()) << t.name;
        EXPECT_FALSE(t.description.has_value()) << t.name;
    }
}

TEST(ReaderOptions, OnlyTablesReadsTheNamedLocalTables)
{
    SourceReadOptions options;
    options.onlyTables = {"tblOrder", "商品", "LinkedStaff", "tblstaff"};  // a linked table and a wrong case
    SourceSchema schema = readSourceSchema(test::dataFile("sample.mdb"), options);
    for (const SourceTable& t : schema.tables) {
        bool wanted = t.name == "tblOrder" || t.name == "商品";
        EXPECT_EQ(t.definitionsRead, wanted) << t.name;
    }
    ASSERT_NE(find(schema, "tblOrder"), nullptr);
    EXPECT_EQ(find(schema, "tblOrder")->fields.size(), 6u);
    EXPECT_EQ(find(schema, "tblOrder")->description, "受注明細");
}

TEST(ReaderOptions, IsolatedReadGivesTheSameSchema)
{
    for (const std::string& file : {test::dataFile("sample.mdb"), test::dataFile("edge_flags.mdb")}) {
        SourceSchema plain = readSourceSchema(file, {});
        SourceSchema isolated = readSourceSchemaIsolated(file, {});
        ASSERT_EQ(plain.tables.size(), isolated.tables.size()) << file;
        for (std::size_t i = 0; i < plain.tables.size(); ++i) {
            const SourceTable &a = plain.tables[i], &b = isolated.tables[i];
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.attributes, b.attributes);
            EXPECT_EQ(a.description, b.description);
            ASSERT_EQ(a.fields.size(), b.fields.size()) << a.name;
            for (std::size_t f = 0; f < a.fields.size(); ++f) {
                EXPECT_EQ(a.fields[f].name, b.fields[f].name);
                EXPECT_EQ(a.fields[f].description, b.fields[f].description);
                EXPECT_EQ(a.fields[f].defaultValue, b.fields[f].defaultValue);
            }
            ASSERT_EQ(a.indexes.size(), b.indexes.size()) << a.name;
            for (std::size_t x = 0; x < a.indexes.size(); ++x)
                EXPECT_EQ(a.indexes[x].fields, b.indexes[x].fields);
        }
    }
}

TEST(ReaderOptions, SourceFileIsLeftUnchanged)
{
    test::ScratchDir scratch;
    std::string copy = scratch.file("sample.mdb");
    test::copyFile(test::dataFile("sample.mdb"), copy);
    ::chmod(copy.c_str(), 0444);  // a read-only file must be readable as it is
    struct stat before {};
    ::stat(copy.c_str(), &before);
    std::string bytes = test::readFile(copy);
    readSourceSchema(copy, {});
    readSourceSchemaIsolated(copy, {});
    struct stat after {};
    ::stat(copy.c_str(), &after);
    EXPECT_EQ(test::readFile(copy), bytes);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

// Access 97 text is decoded with the code page chosen; the file's own name
// "Umsätze" reads right in windows-1252 and differently in the CP932 default.
TEST(ReaderOptions, Jet3TextUsesTheChosenCodePage)
{
    std::string nwind = test::sharedReal("nwind.mdb");
    if (nwind.empty())
        GTEST_SKIP() << "../shared/real is absent: no Jet3 file to read";
    SourceReadOptions western;
    western.jet3Charset = "windows-1252";
    western.readDefinitions = false;
    EXPECT_NE(find(readSourceSchema(nwind, western), "Umsätze"), nullptr);
    SourceReadOptions japanese;
    japanese.readDefinitions = false;
    EXPECT_EQ(find(readSourceSchema(nwind, japanese), "Umsätze"), nullptr);
}

TEST(CatalogRules, AttributesOfEveryKindOfRow)
{
    using mdb::daoAttributes;
    EXPECT_EQ(daoAttributes("tblStaff", 1, 0), 0);
    EXPECT_EQ(daoAttributes("MSysObjects", 1, 0x80000000u), kTableSystem);
    EXPECT_EQ(daoAttributes("MSysAccessObjects", 1, 0x2), kTableSystem);
    EXPECT_EQ(daoAttributes("MSysNameMap", 1, 0), kTableSystem);   // by its name alone
    EXPECT_EQ(daoAttributes("msysLower", 1, 0), kTableSystem);
    EXPECT_EQ(daoAttributes("tblHidden", 1, 0x8), kTableHidden);
    EXPECT_EQ(daoAttributes("Staff", 6, 0), kTableLinked);
    EXPECT_EQ(daoAttributes("Remote", 4, 0), kTableLinkedOdbc);
    EXPECT_EQ(daoAttributes("Staff", 6, 0x8), kTableLinked | kTableHidden);
}

TEST(CatalogRules, OrderComparesAsciiLettersWithoutCaseThenExactly)
{
    std::vector<std::string> names = {"b", "_x", "B", "a", "Ab", "aB", "商品", "Z", "a1"};
    std::sort(names.begin(), names.end(), mdb::daoNameOrder);
    // "_" (0x5F) sorts before the letters once they are compared in lower case.
    std::vector<std::string> expected = {"_x", "a", "a1", "Ab", "aB", "B", "b", "Z", "商品"};
    EXPECT_EQ(names, expected);
}

}  // namespace

// The isolated read starts the reading program instead of forking a copy of
// the caller: a program that is not there shows up as its failure to start.
TEST(ReaderProgram, IsolatedReadRunsTheReadingProgram)
{
    ::setenv("SCHEMIST_READER", "/nonexistent/schemist-read", 1);
    try {
        readSourceSchemaIsolated(test::dataFile("sample.mdb"), SourceReadOptions{});
        ADD_FAILURE() << "read without the reading program";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("127"), std::string::npos) << e.what();
    }
    ::unsetenv("SCHEMIST_READER");
    EXPECT_FALSE(readSourceSchemaIsolated(test::dataFile("sample.mdb"), SourceReadOptions{}).tables.empty());
}
