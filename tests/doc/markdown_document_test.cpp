// The Markdown document: what a reviewer finds on the pages, diagrams that
// the Git hosts render, file names every file system takes, and the same
// bytes for the same schema.
#include "doc/document_schema.h"
#include "doc/file_names.h"
#include "doc/markdown_document.h"
#include "mermaid_syntax.h"
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

using namespace schemist;
using namespace schemist::doc;

namespace {

SourceField field(const std::string& name, int daoType, int size)
{
    SourceField f;
    f.name = name;
    f.daoType = daoType;
    f.size = size;
    return f;
}

SourceTable table(const std::string& name, std::vector<SourceField> fields, const std::string& key = "")
{
    SourceTable t;
    t.name = name;
    t.definitionsRead = true;
    t.fields = std::move(fields);
    if (!key.empty())
        t.indexes.push_back({"PrimaryKey", true, true, false, "+" + key});
    return t;
}

// Japanese and blank-holding names, markup in texts, a key made of a field
// whose name holds ";".
SourceSchema awkwardSchema()
{
    SourceSchema schema;
    SourceTable dept = table("部署 マスタ", {field("部署ID", 4, 4), field("name;x", 10, 40)}, "部署ID");
    dept.description = "部署の | 一覧 *強調*\r\n二行目";
    dept.fields[1].caption = "部署名";
    dept.fields[1].required = true;
    dept.fields[1].defaultValue = "\"未定\"";
    SourceTable staff = table("tblStaff", {field("fldID", 4, 4), field("部署ID", 4, 4), field("fldRate", 20, 16)}, "fldID");
    staff.fields[0].autoNumber = true;
    staff.fields[2].precision = 18;
    staff.fields[2].scale = 2;
    staff.fields[2].decimalPlaces = 255;
    schema.tables = {dept, staff};
    SourceRelationship works{"部署tblStaff", "tblStaff", {"部署ID"}, "部署 マスタ", {"部署ID"}};
    works.enforced = works.cascadeDeletes = true;
    schema.relationships = {works};
    return schema;
}

const PendingFile* fileNamed(const std::vector<PendingFile>& files, const std::string& name)
{
    for (const PendingFile& file : files)
        if (file.path == "out/" + name)
            return &file;
    return nullptr;
}

void expectValidDiagrams(const std::vector<PendingFile>& files)
{
    for (const PendingFile& file : files)
        for (const std::string& diagram : test::mermaidBlocks(file.bytes)) {
            std::vector<std::string> problems = test::erDiagramProblems(diagram);
            EXPECT_TRUE(problems.empty()) << file.path << ":\n" << diagram << "\n" << problems.front();
        }
}

TEST(MarkdownDocument, ReadmeListsTablesWithLinksAndTheDiagram)
{
    std::vector<PendingFile> files = markdownDocument(awkwardSchema(), "会社.mdb", "out");
    ASSERT_EQ(files.size(), 3u);
    const PendingFile* readme = fileNamed(files, "README.md");
    ASSERT_TRUE(readme);
    EXPECT_NE(readme->bytes.find("| 1 | [部署 マスタ](%E9%83%A8%E7%BD%B2%20%E3%83%9E%E3%82%B9%E3%82%BF.md) |  | "
                                 "部署の \\| 一覧 \\*強調\\*<br>二行目 | 2 |"),
              std::string::npos)
        << readme->bytes;
    EXPECT_NE(readme->bytes.find("| 2 | [tblStaff](tblStaff.md) |"), std::string::npos);
    ASSERT_EQ(test::mermaidBlocks(readme->bytes).size(), 1u);
    EXPECT_NE(readme->bytes.find("    \"部署 マスタ\" ||--o{ tblStaff : \"部署tblStaff (部署ID)\""), std::string::npos)
        << readme->bytes;
    expectValidDiagrams(files);
}

TEST(MarkdownDocument, TablePageShowsFieldsKeysAndBothSidesOfRelationships)
{
    std::vector<PendingFile> files = markdownDocument(awkwardSchema(), "会社.mdb", "out");
    const PendingFile* dept = fileNamed(files, "部署 マスタ.md");
    const PendingFile* staff = fileNamed(files, "tblStaff.md");
    ASSERT_TRUE(dept && staff);
    EXPECT_NE(dept->bytes.find("| No | 物理名 | 論理名 | 型 | サイズ | 必須 | 既定値 | 主キー | 説明 |"), std::string::npos);
    EXPECT_NE(dept->bytes.find("| 1 | 部署ID |  | Long |  |  |  | ○ |  |"), std::string::npos) << dept->bytes;
    EXPECT_NE(dept->bytes.find("| 2 | name;x | 部署名 | Text | 40 | ○ | \"未定\" |  |  |"), std::string::npos);
    EXPECT_NE(dept->bytes.find("### 参照元"), std::string::npos);
    EXPECT_NE(dept->bytes.find("| 部署tblStaff | 部署ID | [tblStaff](tblStaff.md) | 部署ID | "
                               "一対多・参照整合性あり・連鎖削除 |"),
              std::string::npos)
        << dept->bytes;
    EXPECT_NE(staff->bytes.find("| 3 | fldRate |  | Decimal | 18,2 |"), std::string::npos) << staff->bytes;
    EXPECT_NE(staff->bytes.find("| fldRate | 小数点以下表示桁数 | 自動 |"), std::string::npos);
    EXPECT_NE(staff->bytes.find("| fldID | オートナンバー | ○ |"), std::string::npos);
    // A field name that is no Mermaid identifier is drawn under a stand-in
    // with its own name in the comment; a foreign key is marked.
    EXPECT_NE(staff->bytes.find("        Long field_2 FK \"部署ID\""), std::string::npos) << staff->bytes;
    EXPECT_NE(staff->bytes.find("        Long fldID PK\n"), std::string::npos);
    expectValidDiagrams(files);
}

TEST(MarkdownDocument, SameSchemaGivesSameBytes)
{
    std::vector<PendingFile> first = markdownDocument(awkwardSchema(), "a.mdb", "out");
    std::vector<PendingFile> second = markdownDocument(awkwardSchema(), "a.mdb", "out");
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].path, second[i].path);
        EXPECT_EQ(first[i].bytes, second[i].bytes);
    }
}

TEST(MarkdownDocument, ManyConnectedTablesAreDrawnPerGroup)
{
    SourceSchema schema;
    for (int i = 0; i < 40; ++i) {
        std::string name = "t" + std::to_string(i);
        schema.tables.push_back(table(name, {field("id", 4, 4), field("up", 4, 4)}, "id"));
        // Two chains: t0..t19 and t20..t39.
        if (i % 20 != 0)
            schema.relationships.push_back({"r" + std::to_string(i), name, {"up"}, "t" + std::to_string(i - 1), {"id"}});
    }
    std::vector<PendingFile> files = markdownDocument(schema, "a.mdb", "out");
    std::vector<std::string> diagrams = test::mermaidBlocks(fileNamed(files, "README.md")->bytes);
    ASSERT_EQ(diagrams.size(), 2u);
    EXPECT_NE(diagrams[0].find("t0 ||--o{ t1 "), std::string::npos);
    EXPECT_EQ(diagrams[0].find("t20"), std::string::npos);
    EXPECT_NE(diagrams[1].find("t20 ||--o{ t21 "), std::string::npos);
    expectValidDiagrams(files);
}

TEST(MarkdownDocument, NoRelationshipsNoDiagram)
{
    SourceSchema schema;
    schema.tables = {table("tblA", {field("id", 4, 4)}, "id")};
    std::vector<PendingFile> files = markdownDocument(schema, "a.mdb", "out");
    for (const PendingFile& file : files)
        EXPECT_TRUE(test::mermaidBlocks(file.bytes).empty()) << file.path;
}

TEST(DocumentFileNames, SafeOnEveryFileSystemAndUniqueWithoutCase)
{
    FileNames names({"README.md"});
    EXPECT_EQ(names.unique("readme", ".md"), "readme~2.md");
    EXPECT_EQ(names.unique("a/b\\c:d*e?f\"g<h>i|j", ".md"), "a_b_c_d_e_f_g_h_i_j.md");
    EXPECT_EQ(names.unique("tab\tname", ".md"), "tab_name.md");
    EXPECT_EQ(names.unique("CON", ".md"), "_CON.md");
    EXPECT_EQ(names.unique("com1.x", ".md"), "_com1.x.md");
    EXPECT_EQ(names.unique("ends.", ".md"), "ends_.md");
    EXPECT_EQ(names.unique("Staff", ".md"), "Staff.md");
    EXPECT_EQ(names.unique("STAFF", ".md"), "STAFF~2.md");
    EXPECT_EQ(names.unique("staff", ".md"), "staff~3.md");
    EXPECT_EQ(names.unique("社員", ".md"), "社員.md");
    EXPECT_EQ(names.unique("CONSOLE", ".md"), "CONSOLE.md");
}

// The document of every sample database: diagrams valid, one page per local
// table, every page file name distinct without case.
TEST(MarkdownDocument, EverySampleDatabase)
{
    for (const std::string& path : test::allSampleDatabases()) {
        SourceReadOptions options;
        std::ifstream dump(path + ".schema.json");
        nlohmann::json oracle = nlohmann::json::parse(dump);
        if (oracle.contains("jet3Charset"))
            options.jet3Charset = oracle["jet3Charset"].get<std::string>();
        SourceSchema schema = readSourceSchema(path, options);
        std::vector<std::string> selected = oracle["localTableNames"].get<std::vector<std::string>>();
        std::vector<PendingFile> files = markdownDocument(documentedSchema(schema, selected), "x.mdb", "out");
        EXPECT_EQ(files.size(), selected.size() + 1) << path;
        std::set<std::string> folded;
        for (const PendingFile& file : files) {
            std::string name = file.path;
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            EXPECT_TRUE(folded.insert(name).second) << path << ": " << file.path;
        }
        expectValidDiagrams(files);
    }
}

TEST(MarkdownDocument, NorthwindOrdersPage)
{
    std::string path = test::sharedReal("nwind.mdb");
    if (path.empty())
        GTEST_SKIP() << "../shared/real is absent";
    SourceReadOptions options;
    options.jet3Charset = "windows-1252";
    SourceSchema schema = readSourceSchema(path, options);
    std::vector<PendingFile> files =
        markdownDocument(documentedSchema(schema, {"Orders", "Customers", "Order Details"}), "nwind.mdb", "out");
    const PendingFile* orders = fileNamed(files, "Orders.md");
    ASSERT_TRUE(orders);
    EXPECT_NE(orders->bytes.find("| CustomersOrders | CustomerID | [Customers](Customers.md) | CustomerID | "
                                 "一対多・参照整合性あり・連鎖更新 |"),
              std::string::npos)
        << orders->bytes;
    // Employees was not selected: named, not linked, drawn without fields.
    EXPECT_NE(orders->bytes.find("| EmployeesOrders | EmployeeID | Employees | EmployeeID |"), std::string::npos);
    EXPECT_NE(orders->bytes.find("\n    Employees\n"), std::string::npos);
    EXPECT_NE(orders->bytes.find("| 2 | CustomerID | Customer | Text | 5 |"), std::string::npos);
    EXPECT_NE(orders->bytes.find("| Freight | 書式 | Currency |"), std::string::npos);
}

}  // namespace
