// Writes that belong together: a transaction that is not committed leaves
// rows and table definitions as they were, a failed statement or a failed
// commit reports its own cause, and the store stays usable afterwards.
#include "platform/error.h"
#include "platform/workstore/database.h"
#include "sample_table.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

struct StoreWithTable : ::testing::Test {
    ScratchDir dir;
    std::string path = dir.file("store.db");
    void SetUp() override
    {
        Database db = Database::create(path);
        db.createTableDef(test::sampleTable("T"));
        addRow(db, "kept");
    }

    static void addRow(Database& db, const std::string& key, const std::string& note = "")
    {
        Recordset rs = db.openForAppend("T");
        rs.addNew();
        rs.setField("Key", Value(key));
        rs.setField("Note", Value(note));
        rs.update();
    }

    std::vector<std::string> keys()
    {
        Database db = Database::open(path, OpenMode::Shared);
        std::vector<std::string> out;
        for (Recordset rs = db.openRecordset("T"); !rs.eof(); rs.moveNext())
            out.push_back(rs.field("Key").toText());
        return out;
    }
};

}  // namespace

TEST_F(StoreWithTable, UncommittedWritesAndDefinitionsAreRolledBack)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        Transaction tx = db.beginTransaction();
        addRow(db, "gone");
        db.createTableDef(test::sampleTable("Gone"));
        {
            Transaction inner(db);  // joins the open transaction: its commit does not end it
            addRow(db, "also gone");
            inner.commit();
        }
        EXPECT_TRUE(db.hasTable("Gone"));
    }
    EXPECT_EQ(keys(), std::vector<std::string>{"kept"});
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_FALSE(db.hasTable("Gone"));
}

TEST_F(StoreWithTable, RollbackForgetsDefinitionsReadInsideTheTransaction)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    {
        Transaction tx = db.beginTransaction();
        db.deleteTableDef("T");
        EXPECT_FALSE(db.hasTable("T"));
    }
    EXPECT_TRUE(db.hasTable("T"));
    EXPECT_EQ(db.openRecordset("T").recordCount(), 1u);
}

TEST_F(StoreWithTable, AFullStoreFailsTheStatementWithItsOwnCauseAndKeepsEarlierRows)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        db.setMaxPageCount(12);
        Transaction tx = db.beginTransaction();
        try {
            for (int i = 0; i < 200; ++i)
                addRow(db, "r" + std::to_string(i), std::string(2000, 'x'));
            ADD_FAILURE() << "the store never filled";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("ディスクの空きが足りない"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(keys(), std::vector<std::string>{"kept"});
    Database db = Database::open(path, OpenMode::Exclusive);
    addRow(db, "after");  // the store is usable again
    db.close();
    EXPECT_EQ(keys(), (std::vector<std::string>{"kept", "after"}));
}

TEST_F(StoreWithTable, AFailedCommitReportsTheCommitsCauseNotTheRollbacks)
{
    // The commit is the first write of the transaction to the file; a child
    // process that may not grow files cannot make it.
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    pid_t child = ::fork();
    if (child == 0) {
        std::string message = "<committed>";
        try {
            Database db = Database::open(path, OpenMode::Exclusive);
            Transaction tx = db.beginTransaction();
            addRow(db, "lost");
            ::signal(SIGXFSZ, SIG_IGN);
            std::error_code ec;
            auto walSize = std::filesystem::file_size(path + "-wal", ec);
            rlimit limit{ec ? 0 : walSize, ec ? 0 : walSize};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            tx.commit();
        } catch (const std::exception& e) {
            message = e.what();
        }
        (void)!::write(pipeFds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_NE(message.find("書き込めません"), std::string::npos) << message;
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("I/O"), std::string::npos) << message;  // the failed write, not the rollback after it
    EXPECT_EQ(keys(), std::vector<std::string>{"kept"});
}
