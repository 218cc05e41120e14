// The revision history of the definition documents: --history-from a
// snapshot puts the changes since it into the sheet 改訂履歴 (read back with
// openpyxl) and the README section 改訂履歴, dated by the snapshot's content;
// the same inputs give the same bytes; the project file says the same; a
// faulty request writes nothing.
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace schemist;
using nlohmann::json;
using test::runCli;

namespace {

struct History : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;
    std::string database = test::dataFile("sample.mdb");

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    test::CommandResult cli(std::vector<std::string> args)
    {
        return runCli(args, home.path());
    }

    // A snapshot of an older sample: tblHistory did not exist yet, tblStaff's
    // fldName was Memo, and the snapshot was made on 2025-04-01.
    std::string olderSnapshot()
    {
        std::string current = out.file("current.json");
        auto run = cli({database, "--no-vb", "--no-excel", "--definitions-json", current});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        json document = json::parse(test::readFile(current));
        json& tables = document["schema"]["tables"];
        for (auto it = tables.begin(); it != tables.end();) {
            if ((*it)["name"] == "tblHistory") {
                it = tables.erase(it);
                continue;
            }
            if ((*it)["name"] == "tblStaff")
                for (json& field : (*it)["fields"])
                    if (field["name"] == "fldName") {
                        field["type"] = "Memo";
                        field["size"] = 0;
                    }
            ++it;
        }
        document["sourceModified"] = "2025-04-01T10:00:00+09:00";
        std::string path = out.file("snapshots/v1.0.json");
        fs::create_directories(out.file("snapshots"));
        test::writeFile(path, document.dump(2));
        return path;
    }

    std::string documents() const
    {
        return test::readFile(out.file("docs/Doc.xlsx")) + test::readFile(out.file("docs/Doc-doc/README.md"));
    }
};

}  // namespace

TEST_F(History, TheDocumentsListTheChangesSinceTheSnapshot)
{
    std::string snapshot = olderSnapshot();
    fs::create_directories(out.file("docs"));
    std::vector<std::string> run = {database, "--no-vb", "--no-excel", "--doc", "md,xlsx", "--out", out.file("docs"),
                                    "--name", "Doc", "--history-from", snapshot, "--history-label", "1.1"};
    auto first = cli(run);
    ASSERT_EQ(first.exitCode, 0) << first.err;

    std::string readme = test::readFile(out.file("docs/Doc-doc/README.md"));
    std::size_t section = readme.find("\n## 改訂履歴\n\n版: 1.1<br>\n比較元: sample.mdb (2025-04-01 時点の定義)\n\n");
    ASSERT_NE(section, std::string::npos) << readme;
    EXPECT_NE(readme.find("| 追加 | tblHistory | テーブル |  |\n", section), std::string::npos) << readme;
    EXPECT_NE(readme.find("| 変更 | tblStaff | フィールド fldName | 型: 「Memo」 → 「Text」<br>サイズ: ", section),
              std::string::npos)
        << readme;

    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3-openpyxl is not installed";
    std::string script = R"PY(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
assert wb.sheetnames[:2] == ['テーブル一覧', '改訂履歴'], wb.sheetnames
ws = wb['改訂履歴']
rows = [[c.value for c in r] for r in ws.iter_rows()]
assert rows[0][0] == '改訂履歴: 比較元 sample.mdb (2025-04-01 時点の定義)', rows[0]
assert rows[2] == ['No', '版', '比較元の日付', '区分', 'テーブル', '対象', '内容'], rows[2]
assert rows[3] == [1, '1.1', '2025-04-01', '追加', 'tblHistory', 'テーブル', None], rows[3]
assert rows[4][:6] == [2, '1.1', '2025-04-01', '変更', 'tblStaff', 'フィールド fldName'], rows[4]
assert rows[4][6].startswith('型: 「Memo」 → 「Text」\nサイズ: '), rows[4][6]
assert len(rows) == 5, rows
assert ws.print_title_rows == '$3:$3' and ws.page_setup.orientation == 'landscape'
)PY";
    test::writeFile(out.file("check.py"), script);
    EXPECT_EQ(std::system(("/usr/bin/python3 " + out.file("check.py") + " " + out.file("docs/Doc.xlsx")).c_str()), 0);

    // The same inputs give the same bytes, and check mode agrees.
    std::string bytes = documents();
    ASSERT_EQ(cli(run).exitCode, 0);
    EXPECT_EQ(documents(), bytes);
    run.push_back("--check");
    auto check = cli(run);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;

    // The project file names the snapshot relative to itself.
    std::string project = out.file("snapshots/project.toml");
    test::writeFile(project, "[source]\ndatabase = \"" + database + "\"\n\n[output]\nfolder = \"../docs\"\nname = \"Doc\"\n"
                             "vb = false\nworkbook = false\ndocuments = [\"md\", \"xlsx\"]\n"
                             "history-from = \"v1.0.json\"\nhistory-label = \"1.1\"\n");
    auto fromProject = cli({"--project", project, "--check"});
    EXPECT_EQ(fromProject.exitCode, 0) << fromProject.out << fromProject.err;
}

TEST_F(History, AnEqualSnapshotSaysSoAndAFaultyRequestWritesNothing)
{
    std::string current = out.file("current.json");
    ASSERT_EQ(cli({database, "--no-vb", "--no-excel", "--definitions-json", current}).exitCode, 0);
    fs::create_directories(out.file("docs"));
    auto run = cli({database, "--no-vb", "--no-excel", "--doc", "md", "--out", out.file("docs"), "--name", "Doc",
                    "--history-from", current});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(test::readFile(out.file("docs/Doc-doc/README.md")).find("比較元からの変更はありません。\n"),
              std::string::npos);

    test::ScratchDir empty;
    std::string broken = out.file("broken.json");
    test::writeFile(broken, "{\"format\": \"schemist-definitions 1\"}");
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string said;
    };
    for (const Case& c : std::vector<Case>{
             {{"--doc", "md", "--history-from", broken}, 2, "スキーマの情報がありません"},
             {{"--doc", "md", "--history-from", out.file("none.json")}, 2, out.file("none.json")},
             {{"--history-from", current}, 64, "--history-from は --doc と一緒に"},
             {{"--doc", "md", "--history-label", "2"}, 64, "--history-label は --history-from と一緒に"}}) {
        std::vector<std::string> args = {database, "--out", empty.path(), "--name", "Doc"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        auto result = cli(args);
        EXPECT_EQ(result.exitCode, c.status) << result.err;
        EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
        EXPECT_TRUE(fs::is_empty(empty.path())) << c.said;
    }
}
