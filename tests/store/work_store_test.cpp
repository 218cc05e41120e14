// The work store's tables as later runs and editors rely on them: the work
// tables' fields, descriptions and indexes after a reopen; the default rows;
// their keys enforced; rebuilds that fail leave earlier data in place.
#include "platform/workstore/database.h"
#include "platform/error.h"
#include "store/default_data.h"
#include "store/table_builder.h"
#include "store/work_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

std::string propertyText(const std::vector<Property>& props, const char* name)
{
    for (const Property& p : props)
        if (p.name == name)
            return p.value.toText();
    return "<absent>";
}

struct FreshStore : ::testing::Test {
    ScratchDir dir;
    std::string path = dir.file("SCHM.db");
    void SetUp() override { RebuildWorkStore(path, false); }
};

}  // namespace

TEST_F(FreshStore, ConversionTablesHoldTheDefaultRowsInOrder)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_EQ(db.locale(), ";LANGID=0x0411;CP=932;COUNTRY=0");
    struct Expect { const char* table; std::size_t rows; const char* first; const char* last; };
    for (Expect e : {Expect{kDefaultTypeTable, 22, "Binary", "Number"},
                     Expect{kDefaultTopNameTable, 40, "Table", "コレクション"},
                     Expect{kDefaultEndNameTable, 5, "読み込み", "削除"},
                     Expect{kDefaultFullNameTable, 11, "IgnoreNulls", "フラグ変数"}}) {
        Recordset rs = db.openRecordset(e.table);
        const char* key = std::string(e.table) == kDefaultTypeTable ? "Inside_Type" : "ConvertType";
        std::vector<std::string> keys;
        for (; !rs.eof(); rs.moveNext())
            keys.push_back(rs.field(key).toText());
        ASSERT_EQ(keys.size(), e.rows) << e.table;
        EXPECT_EQ(keys.front(), e.first) << e.table;
        EXPECT_EQ(keys.back(), e.last) << e.table;
    }
}

TEST_F(FreshStore, TypeTableNullCellsAndLengthFlags)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    const std::set<std::string> vbNull = {"Binary", "Guid", "LongBinary", "BigInt", "Char", "Decimal",
                                          "Float", "Numeric", "VarBinary", "Number"};
    Recordset rs = db.openRecordset(kDefaultTypeTable);
    for (; !rs.eof(); rs.moveNext()) {
        std::string inside = rs.field("Inside_Type").toText();
        EXPECT_EQ(rs.field("VB_Type").isNull(), vbNull.count(inside) == 1) << inside;
        EXPECT_EQ(rs.field("Access_Type").isNull(), inside == "Number") << inside;
        bool text = inside == "Text", number = inside == "Number";
        EXPECT_EQ(rs.field("Inside_Length_Flag").toBool(), text || number) << inside;
        EXPECT_EQ(rs.field("VB_Length_Flag").toBool(), text || number) << inside;
        EXPECT_EQ(rs.field("Access_Length_Flag").toBool(), text) << inside;
        for (const char* f : {"Inside_LengthInteger", "VB_LengthDecimal", "Access_LengthInteger"})
            EXPECT_EQ(rs.field(f), Value(std::int16_t{0}));
    }
}

TEST_F(FreshStore, WorkTablesSurviveReopenWithTheirDefinitions)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        CreateWorkTables(db);
    }
    Database db = Database::open(path, OpenMode::Exclusive);
    for (const char* name : {kAccessTable, kInsideTable, kVBTable}) {
        auto def = db.findTableDef(name);
        ASSERT_TRUE(def) << name;
        ASSERT_EQ(def->fields.size(), 18u);
        const auto& expected = workTableFields();
        for (std::size_t i = 0; i < 18; ++i) {
            EXPECT_EQ(def->fields[i].name, expected[i].FieldName);
            EXPECT_EQ(def->fields[i].type, expected[i].FieldType) << expected[i].FieldName;
            EXPECT_EQ(def->fields[i].size, 255);
            EXPECT_EQ(def->fields[i].allowZeroLength, expected[i].AllowZeroLength) << expected[i].FieldName;
            EXPECT_EQ(propertyText(def->fields[i].properties, "Description"), expected[i].Description);
        }
        ASSERT_EQ(def->indexes.size(), 1u);
        EXPECT_EQ(def->indexes[0].name, "IgnoreNulls");
        EXPECT_EQ(def->indexes[0].fields, "+TableComment;+Comment;+DefaultValue");
        EXPECT_TRUE(def->indexes[0].ignoreNulls);
        EXPECT_FALSE(def->indexes[0].primary || def->indexes[0].unique);
    }
    EXPECT_EQ(propertyText(db.findTableDef(kVBTable)->properties, "Description"),
              "DB製作プログラム Visual Basic テーブルデータ");
    auto type = db.findTableDef(kDefaultTypeTable);
    ASSERT_EQ(type->indexes.size(), 2u);
    EXPECT_EQ(type->indexes[0].name, "PrimaryKey");
    EXPECT_EQ(type->indexes[0].fields, "+Inside_Type");
    EXPECT_EQ(type->indexes[1].name, "Unique");
    EXPECT_FALSE(type->field("Inside_Type")->allowZeroLength);
    EXPECT_TRUE(type->field("VB_Type")->allowZeroLength);  // set through the zero-length property
}

TEST_F(FreshStore, PrimaryKeysRefuseDuplicatesAndTheFailedWriteRollsBack)
{
    // Writing the defaults a second time collides on the first key; the
    // whole write is rolled back and the table keeps its rows.
    EXPECT_THROW(InsertDefaultTopNames(path, kDefaultTopNameTable), Error);
    EXPECT_THROW(InsertDefaultTypeRows(path, kDefaultTypeTable), Error);
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_EQ(db.openRecordset(kDefaultTopNameTable).recordCount(), 40u);
    Recordset rs = db.openForAppend(kDefaultTypeTable);
    rs.addNew();
    rs.setField("Inside_Type", Value("TEXT"));  // keys compare without letter case, as in Access
    EXPECT_THROW(rs.update(), Error);
}

TEST_F(FreshStore, BuildTableReplacesOnlyTheNamedTable)
{
    std::vector<FieldDefinition> fields = {
        {dbText, "Key", 255, "キー", true, false, true},
        {dbLong, "", 255, "名前のない項目"},     // skipped
        {20, "Amount", 255, "Decimal は作れない"},  // skipped
        {dbText, "Note", 255, "", false, false, false, true},  // no description: no zero-length property
    };
    BuildTable(path, "Extra", "追加", false, fields);
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        auto def = db.findTableDef("Extra");
        ASSERT_EQ(def->fields.size(), 2u);
        EXPECT_FALSE(def->field("Note")->allowZeroLength);
        EXPECT_EQ(propertyText(def->field("Note")->properties, "Description"), "<absent>");
        Recordset rs = db.openRecordset("Extra");
        rs.addNew();
        rs.setField("Key", Value("a"));
        rs.update();
    }
    BuildTable(path, "Extra", "追加", false, fields);
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_EQ(db.openRecordset("Extra").recordCount(), 0u);
    EXPECT_EQ(db.openRecordset(kDefaultTopNameTable).recordCount(), 40u);
}

TEST_F(FreshStore, RowsKeepNullAndTextReadBackThroughTheWorkTables)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    CreateWorkTables(db);
    DefinitionRow row;
    row.TableNo = 1;
    row.TableName = "O'Brien \"&\" 社員";
    row.FieldNo = 1;
    row.FieldName = "名前";
    row.Type = "Text";
    row.LengthFlag = true;
    row.LengthInteger = 50;
    row.Comment = "行1\r\n行2";
    row.DefaultFlag = true;
    row.DefaultValue = "=Now()";
    writeDefinitionRows(db, kAccessTable, {row});
    auto back = readDefinitionRows(db, kAccessTable);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], row);
    EXPECT_FALSE(back[0].TableComment.has_value());
}

TEST_F(FreshStore, ManyRowsComeBackWholeAndGroupedByTable)
{
    // More rows than one statement writes, and not a multiple of it; values
    // repeat from row to row as the definitions of one table do.
    std::vector<DefinitionRow> rows;
    for (int table = 1; table <= 3; ++table) {
        for (int field = 1; field <= 25; ++field) {
            DefinitionRow row;
            row.TableNo = table;
            row.TableName = "tbl" + std::to_string(table);
            row.TableComment = table == 2 ? std::nullopt : std::optional<std::string>("表" + std::to_string(table));
            row.FieldNo = field;
            row.FieldName = "fld" + std::to_string(field);
            row.Type = field % 2 ? "Long" : "Text";
            row.LengthFlag = field % 2 == 0;
            row.LengthInteger = field % 2 ? 0 : 50;
            row.Primary = field == 1;
            row.AllowZeroLength = field % 3 == 0 ? std::nullopt : std::optional<bool>(field % 3 == 1);
            row.DefaultValue = field == 4 ? std::optional<std::string>("0") : std::nullopt;
            rows.push_back(row);
        }
    }
    Database db = Database::open(path, OpenMode::Exclusive);
    CreateWorkTables(db);
    writeDefinitionRows(db, kVBTable, rows);
    EXPECT_EQ(readDefinitionRows(db, kVBTable), rows);

    // Grouped alike whether the rows come in table order or not.
    std::vector<DefinitionRow> shuffled(rows.rbegin(), rows.rend());
    std::vector<DefinitionTable> inOrder = groupByTable(rows);
    std::vector<DefinitionTable> fromShuffled = groupByTable(shuffled);
    ASSERT_EQ(inOrder.size(), 3u);
    ASSERT_EQ(fromShuffled.size(), 3u);
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(inOrder[t].TableNo, static_cast<int>(t) + 1);
        EXPECT_EQ(fromShuffled[t].TableNo, inOrder[t].TableNo);
        EXPECT_EQ(fromShuffled[t].rows, inOrder[t].rows);
        EXPECT_EQ(inOrder[t].rows, std::vector<DefinitionRow>(rows.begin() + static_cast<long>(t) * 25,
                                                              rows.begin() + static_cast<long>(t + 1) * 25));
    }
}

TEST_F(FreshStore, DropWorkTablesToleratesMissingTables)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    DropWorkTables(db);
    CreateWorkTables(db);
    db.deleteTableDef(kInsideTable);
    DropWorkTables(db);
    EXPECT_FALSE(db.hasTable(kAccessTable));
    EXPECT_FALSE(db.hasTable(kVBTable));
    EXPECT_TRUE(db.hasTable(kDefaultTypeTable));
}

TEST_F(FreshStore, RebuildIsRefusedAtOnceWhileAnotherProcessHoldsTheStore)
{
    std::string before = test::readFile(path);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    if (child == 0) {
        Database held = Database::open(path, OpenMode::Exclusive);
        char c = 'x';
        (void)!::write(ready[1], &c, 1);
        ::sleep(5);
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    auto start = std::chrono::steady_clock::now();
    try {
        RebuildWorkStore(path, true);
        ADD_FAILURE() << "a store held by another process was rebuilt";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("使用中"), std::string::npos) << e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    EXPECT_EQ(test::readFile(path), before);
}

TEST_F(FreshStore, FailedRebuildLeavesTheStoreAsItWas)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        db.deleteAllRows(kDefaultEndNameTable);  // the user's edit
    }
    std::string before = test::readFile(path);
    // Something in the way of the new file: the rebuild cannot make it.
    std::filesystem::create_directory(path + ".new");
    test::writeFile(path + ".new/blocker", "x");
    EXPECT_THROW(RebuildWorkStore(path, true), Error);
    EXPECT_EQ(test::readFile(path), before);
    std::filesystem::remove_all(path + ".new");

    RebuildWorkStore(path, true);
    EXPECT_EQ(test::readFile(path + ".bak"), before);
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_EQ(db.openRecordset(kDefaultEndNameTable).recordCount(), 5u);
    EXPECT_EQ(db.tableDefCount(), 4);
}

TEST(WorkStoreFile, RebuildThatCannotPutTheStoreInPlaceLeavesNoNewFileBehind)
{
    ScratchDir dir;
    std::string path = dir.file("SCHM.db");
    std::filesystem::create_directory(path);  // in the way of the finished store
    test::writeFile(path + "/keep", "x");
    EXPECT_THROW(RebuildWorkStore(path, true), Error);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_EQ(test::readFile(path + "/keep"), "x");
}

TEST(WorkStoreFile, ForeignAndDamagedFilesAreRefusedWithTheWayOut)
{
    ScratchDir dir;
    std::string text = dir.file("text.db");
    test::writeFile(text, "this is not a database\n");
    std::string empty = dir.file("empty.db");
    test::writeFile(empty, "");
    for (const std::string& file : {text, empty}) {
        std::string before = test::readFile(file);
        try {
            ValidateWorkStore(file);
            ADD_FAILURE() << file;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("--init"), std::string::npos) << e.what();
        }
        EXPECT_EQ(test::readFile(file), before);
    }
    EXPECT_THROW(ValidateWorkStore(dir.file("missing.db")), Error);
}

TEST(WorkStoreFile, ACommitOnAFullDiskNamesTheFullDisk)
{
    // A full disk may make the commit roll the transaction back by itself;
    // the rollback that follows must not replace the cause with its own
    // "no transaction is active".
    ScratchDir dir;
    std::string where = dir.file("small");
    test::SmallFileSystem disk(where, "600k");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    std::string path = where + "/SCHM.db";
    RebuildWorkStore(path, false);
    Database db = Database::open(path, OpenMode::Exclusive);
    CreateWorkTables(db);
    disk.fill();
    try {
        DropWorkTables(db);
        ADD_FAILURE() << "the drop fitted on a full disk";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("ディスクの空きが足りない"), std::string::npos) << e.what();
    }
}
