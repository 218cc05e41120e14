// schemist-cli diff on real files: what it reports between two databases is
// what their independent dumps say differs; a database against its own
// snapshot is equal; a snapshot edited by hand reports exactly the edit, in
// each output format; faults end with a message and status 2 or 64.
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

using namespace schemist;
using nlohmann::json;
using test::runCli;

namespace {

std::string folded(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

// The dump's local tables by folded name.
std::map<std::string, json> dumpTables(const std::string& database)
{
    json dump = json::parse(test::readFile(database + ".schema.json"));
    std::set<std::string> local;
    for (const json& entry : dump["catalogOrder"])
        if (entry["kind"] == "local")
            local.insert(entry["name"].get<std::string>());
    std::map<std::string, json> tables;
    for (const json& table : dump["tables"])
        if (local.count(table["name"].get<std::string>()))
            tables[folded(table["name"])] = table;
    return tables;
}

std::set<std::string> namesOf(const json& array)
{
    std::set<std::string> names;
    for (const json& name : array)
        names.insert(name.get<std::string>());
    return names;
}

// The properties of a dump column under the keys of the definitions JSON.
json dumpProperties(const json& column)
{
    return json{{"daoType", column["daoType"]},
                {"size", column["size"]},
                {"required", column["Required"].is_null() ? json(false) : column["Required"]},
                {"defaultValue", column["DefaultValue"]},
                {"description", column["Description"]}};
}

// What the two dumps say differs, in the shape of the diff's JSON, for the
// tables and fields and the five properties every dump column carries.
struct Expected {
    std::set<std::string> addedTables, removedTables;
    std::map<std::string, std::set<std::string>> addedFields, removedFields;
    std::map<std::string, std::map<std::string, std::set<std::string>>> changedProperties;  // table -> field -> keys
};

Expected expectedFromDumps(const std::string& before, const std::string& after)
{
    Expected expected;
    auto old = dumpTables(before);
    auto now = dumpTables(after);
    for (const auto& [key, table] : now) {
        if (!old.count(key)) {
            expected.addedTables.insert(table["name"]);
            continue;
        }
        const std::string name = table["name"];
        std::map<std::string, json> oldColumns;
        for (const json& column : old[key]["columns"])
            oldColumns[folded(column["name"])] = column;
        std::set<std::string> seen;
        for (const json& column : table["columns"]) {
            std::string field = column["name"];
            seen.insert(folded(field));
            auto previous = oldColumns.find(folded(field));
            if (previous == oldColumns.end()) {
                expected.addedFields[name].insert(field);
                continue;
            }
            json a = dumpProperties(previous->second), b = dumpProperties(column);
            for (const auto& item : a.items())
                if (item.value() != b[item.key()])
                    expected.changedProperties[name][field].insert(item.key() == "daoType" ? "type" : item.key());
        }
        for (const json& column : old[key]["columns"])
            if (!seen.count(folded(column["name"])))
                expected.removedFields[name].insert(column["name"].get<std::string>());
    }
    for (const auto& [key, table] : old)
        if (!now.count(key))
            expected.removedTables.insert(table["name"]);
    return expected;
}

const std::set<std::string> kDumpKeys = {"type", "size", "required", "defaultValue", "description"};

// `beforeSide` is what the diff reads for `before`: the database itself or a
// snapshot written from it.
void expectDiffMatchesDumps(const std::string& before, const std::string& after, std::string beforeSide = {})
{
    SCOPED_TRACE(before + " -> " + after);
    if (beforeSide.empty())
        beforeSide = before;
    // A Jet3 file's text is read in the code page its dump was read with.
    std::vector<std::string> args = {"diff", beforeSide, after, "--format", "json"};
    for (const std::string& side : {before, after}) {
        json dump = json::parse(test::readFile(side + ".schema.json"));
        if (dump.contains("jet3Charset"))
            args.insert(args.end(), {"--jet3-charset", dump["jet3Charset"].get<std::string>()});
    }
    auto result = runCli(args);
    ASSERT_TRUE(result.exitCode == 0 || result.exitCode == 1) << result.err;
    json diff = json::parse(result.out);
    Expected expected = expectedFromDumps(before, after);
    EXPECT_EQ(namesOf(diff["tables"]["added"]), expected.addedTables);
    EXPECT_EQ(namesOf(diff["tables"]["removed"]), expected.removedTables);
    bool anyDifference = !expected.addedTables.empty() || !expected.removedTables.empty();
    std::set<std::string> reportedTables;
    for (const json& table : diff["tables"]["changed"]) {
        const std::string name = table["name"];
        reportedTables.insert(name);
        // The shape scripts rely on.
        for (const char* part : {"fields", "indexes", "relationships"}) {
            ASSERT_TRUE(table.contains(part)) << name;
            for (const char* list : {"added", "removed", "changed"})
                EXPECT_TRUE(table[part][list].is_array()) << name << " " << part << " " << list;
        }
        EXPECT_EQ(table.size(), table.contains("properties") ? 5u : 4u) << table.dump();
        EXPECT_EQ(namesOf(table["fields"]["added"]), expected.addedFields[name]) << name;
        EXPECT_EQ(namesOf(table["fields"]["removed"]), expected.removedFields[name]) << name;
        std::map<std::string, std::set<std::string>> reported;
        for (const json& field : table["fields"]["changed"])
            for (const auto& change : field["changes"].items()) {
                if (kDumpKeys.count(change.key()))
                    reported[field["name"]].insert(change.key());
                ASSERT_TRUE(change.value().is_array() && change.value().size() == 2);
                EXPECT_NE(change.value()[0], change.value()[1]);
            }
        EXPECT_EQ(reported, expected.changedProperties[name]) << name;
    }
    // Every table with a field difference in the dumps is listed as changed.
    for (const auto* byTable : {&expected.addedFields, &expected.removedFields})
        for (const auto& [table, fields] : *byTable)
            if (!fields.empty()) {
                EXPECT_TRUE(reportedTables.count(table)) << table;
                anyDifference = true;
            }
    for (const auto& [table, fields] : expected.changedProperties)
        if (!fields.empty()) {
            EXPECT_TRUE(reportedTables.count(table)) << table;
            anyDifference = true;
        }
    if (anyDifference)
        EXPECT_EQ(result.exitCode, 1);
}

}  // namespace

TEST(DiffCli, PairsOfRealFilesReportWhatTheirDumpsSayDiffers)
{
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"indexTestV2000.mdb", "testV2000.mdb"},      // a table added, fields and indexes replaced
        {"testV2010.accdb", "indexTestV2000.mdb"},    // and back: a table removed
        {"calcFieldTestV2010.accdb", "linkerTestV2007.accdb"},
        {"testV1997.mdb", "testV2010.accdb"},         // the same tables in Jet3 and ACE
        {"nwind.mdb", "testV2000.mdb"},
    };
    int compared = 0;
    for (const auto& [before, after] : pairs) {
        std::string a = test::sharedReal(before), b = test::sharedReal(after);
        if (a.empty() || b.empty())
            continue;
        expectDiffMatchesDumps(a, b);
        ++compared;
    }
    for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
             {"sample.mdb", "edge_flags.mdb"}, {"sample.mdb", "sample2007.accdb"}, {"one_field.mdb", "sample2003.mdb"}})
        expectDiffMatchesDumps(test::dataFile(before), test::dataFile(after));
    if (compared == 0)
        GTEST_SKIP() << "../shared/real is absent: only the fixture pairs were compared";
}

struct DiffWithSnapshot : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;

    // A snapshot of every table of `database`, written by a run.
    std::string snapshotOf(const std::string& database)
    {
        std::string path = out.file("snapshot.json");
        auto run = runCli({database, "--no-vb", "--no-excel", "--definitions-json", path}, home.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return path;
    }
};

TEST_F(DiffWithSnapshot, ADatabaseEqualsItsOwnSnapshotEitherWayRound)
{
    for (const std::string& database : {test::dataFile("sample.mdb"), test::dataFile("edge_flags.mdb"),
                                        test::sharedReal("nwind.mdb")}) {
        if (database.empty())
            continue;
        SCOPED_TRACE(database);
        std::string snapshot = snapshotOf(database);
        for (const auto& args : {std::vector<std::string>{"diff", database, snapshot},
                                 std::vector<std::string>{"diff", snapshot, database, "--format", "json"}}) {
            auto result = runCli(args);
            EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
        }
    }
}

// A snapshot of an older file against a newer one says what the dumps of the
// two files say.
TEST_F(DiffWithSnapshot, ASnapshotOfAnOlderFileAgainstANewerOne)
{
    std::string older = test::sharedReal("indexTestV2000.mdb"), newer = test::sharedReal("testV2000.mdb");
    if (older.empty() || newer.empty())
        GTEST_SKIP() << "../shared/real is absent";
    expectDiffMatchesDumps(older, newer, snapshotOf(older));
    expectDiffMatchesDumps(test::dataFile("sample2003.mdb"), test::dataFile("sample2007.accdb"),
                           snapshotOf(test::dataFile("sample2003.mdb")));
}

TEST_F(DiffWithSnapshot, AnEditedSnapshotReportsTheEditInEveryFormat)
{
    std::string snapshot = snapshotOf(test::dataFile("edge_flags.mdb"));
    json document = json::parse(test::readFile(snapshot));
    json& tables = document["schema"]["tables"];
    // The older version: tblEmp's first field was Text(50) with a default,
    // table "tb" did not exist, an extra table did, and the relationship had
    // no integrity; names in other letter case are still the same objects.
    json* emp = nullptr;
    for (json& table : tables)
        if (table["name"] == "tblEmp")
            emp = &table;
    ASSERT_NE(emp, nullptr);
    (*emp)["name"] = "TBLEMP";
    json& field = (*emp)["fields"][0];
    std::string fieldName = field["name"];
    std::string typeNow = field["type"];
    field["type"] = "Text";
    field["size"] = 50;
    field["defaultValue"] = "\"x\"";
    tables.erase(std::remove_if(tables.begin(), tables.end(), [](const json& t) { return t["name"] == "tb"; }),
                 tables.end());
    tables.push_back(json{{"name", "tblGone"}, {"caption", nullptr}, {"description", nullptr},
                          {"validationRule", nullptr}, {"validationText", nullptr}, {"fields", json::array()},
                          {"indexes", json::array()}});
    ASSERT_FALSE(document["schema"]["relationships"].empty());
    json& relationship = document["schema"]["relationships"][0];
    relationship["enforced"] = !relationship["enforced"].get<bool>();
    std::string older = out.file("older.json");
    test::writeFile(older, document.dump(2));

    auto jsonResult = runCli({"diff", older, test::dataFile("edge_flags.mdb"), "--format", "json"});
    ASSERT_EQ(jsonResult.exitCode, 1) << jsonResult.err;
    json diff = json::parse(jsonResult.out);
    EXPECT_EQ(diff["tables"]["added"], json::array({"tb"}));
    EXPECT_EQ(diff["tables"]["removed"], json::array({"tblGone"}));
    ASSERT_EQ(diff["tables"]["changed"].size(), 1u) << diff.dump(2);
    const json& changed = diff["tables"]["changed"][0];
    EXPECT_EQ(changed["name"], "tblEmp");
    EXPECT_EQ(changed["properties"], json({{"name", {"TBLEMP", "tblEmp"}}}));
    EXPECT_EQ(changed.size(), 5u) << changed.dump(2);  // name, properties, fields, indexes, relationships
    EXPECT_EQ(changed["fields"]["added"], json::array());
    EXPECT_EQ(changed["fields"]["removed"], json::array());
    ASSERT_EQ(changed["fields"]["changed"].size(), 1u);
    EXPECT_EQ(changed["fields"]["changed"][0]["name"], fieldName);
    const json& changes = changed["fields"]["changed"][0]["changes"];
    EXPECT_EQ(changes["type"], json({"Text", typeNow}));
    EXPECT_EQ(changes["defaultValue"][0], "\"x\"");
    EXPECT_TRUE(changes.contains("size"));
    EXPECT_EQ(changed["indexes"], json({{"added", json::array()}, {"removed", json::array()}, {"changed", json::array()}}));
    ASSERT_EQ(changed["relationships"]["changed"].size(), 1u);
    EXPECT_EQ(changed["relationships"]["changed"][0]["changes"].size(), 1u);
    EXPECT_TRUE(changed["relationships"]["changed"][0]["changes"].contains("enforced"));

    auto md = runCli({"diff", older, test::dataFile("edge_flags.mdb"), "--format", "md"});
    EXPECT_EQ(md.exitCode, 1);
    EXPECT_EQ(md.out.rfind("## スキーマの差分\n", 0), 0u) << md.out;
    EXPECT_NE(md.out.find("| 区分 | テーブル | 対象 | 内容 |\n|---|---|---|---|\n"), std::string::npos);
    EXPECT_NE(md.out.find("| 追加 | tb | テーブル |  |\n"), std::string::npos) << md.out;
    EXPECT_NE(md.out.find("| 削除 | tblGone | テーブル |  |\n"), std::string::npos) << md.out;
    EXPECT_NE(md.out.find("| 変更 | tblEmp | フィールド " + fieldName + " | 型: 「Text」 → 「" + typeNow + "」<br>"),
              std::string::npos)
        << md.out;

    auto text = runCli({"diff", older, test::dataFile("edge_flags.mdb")});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("テーブルの変更: tblEmp\n  名前: 「TBLEMP」 → 「tblEmp」\n  フィールドの変更: " + fieldName +
                            "\n    型: 「Text」 → 「" + typeNow + "」\n"),
              std::string::npos)
        << text.out;
}

TEST_F(DiffWithSnapshot, FaultsEndWithAMessageNamingTheFile)
{
    std::string sample = test::dataFile("sample.mdb");
    std::string notJson = out.file("broken.json");
    test::writeFile(notJson, "{ \"format\": ");
    std::string formatOne = out.file("one.json");
    test::writeFile(formatOne, R"({"format": "schemist-definitions 1", "Access_Table": []})");
    std::string wrongKind = out.file("wrong.json");
    test::writeFile(wrongKind, R"({"format": "schemist-definitions 2", "schema": {"tables": [{"name": "T",
        "fields": [{"name": "F", "type": "Text", "size": "fifty"}], "indexes": []}], "relationships": []}})");
    std::string damaged = out.file("damaged.mdb");
    test::writeFile(damaged, std::string(4096, '\x07'));
    const std::vector<std::pair<std::string, std::string>> faults = {
        {out.file("missing.mdb"), "ファイルが見つかりません: " + out.file("missing.mdb")},
        {notJson, "JSON の書式が正しくありません): " + notJson},
        {formatOne, "スキーマの情報がありません"},
        {wrongKind, wrongKind + ": schema.tables[0].fields[0].size (整数を指定してください)"},
        {damaged, damaged},
    };
    for (const auto& [file, said] : faults) {
        auto result = runCli({"diff", sample, file});
        EXPECT_EQ(result.exitCode, 2) << file;
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(said), std::string::npos) << result.err;
    }
    for (const auto& args : {std::vector<std::string>{"diff", sample}, {"diff", sample, sample, sample},
                             {"diff", sample, sample, "--format", "xml"}}) {
        auto result = runCli(args);
        EXPECT_EQ(result.exitCode, 64) << result.err;
        EXPECT_NE(result.err.find("schemist-cli diff --help"), std::string::npos) << result.err;
    }
}
