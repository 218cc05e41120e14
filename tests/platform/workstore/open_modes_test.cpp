// Who may hold a work store at once: one exclusive connection, or any number
// of shared ones; in this process a second connection that the first
// excludes is a programming error, from another process it is "in use" at
// once, never a wait.
#include "platform/error.h"
#include "platform/workstore/database.h"
#include "sample_table.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

struct StoreFile : ::testing::Test {
    ScratchDir dir;
    std::string path = dir.file("store.db");
    void SetUp() override { Database::create(path); }
};

// Another process holding the store until killed.
class Holder {
public:
    Holder(const std::string& path, OpenMode mode)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            Database held = Database::open(path, mode);
            held.tableDefCount();  // a shared connection reads as editors do
            char c = 'x';
            (void)!::write(ready[1], &c, 1);
            ::pause();
            ::_exit(0);
        }
        char c;
        (void)!::read(ready[0], &c, 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~Holder()
    {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
};

void expectInUse(const std::string& path, OpenMode mode)
{
    try {
        Database::open(path, mode);
        ADD_FAILURE() << "a store held by another process was opened";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("使用中"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

}  // namespace

TEST_F(StoreFile, InThisProcessExclusiveExcludesEveryOtherConnection)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        EXPECT_THROW(Database::open(path, OpenMode::Exclusive), std::logic_error);
        EXPECT_THROW(Database::open(path, OpenMode::Shared), std::logic_error);
        // Another spelling of the same file is the same file.
        EXPECT_THROW(Database::open(dir.path() + "/./store.db", OpenMode::Shared), std::logic_error);
    }
    {
        Database first = Database::open(path, OpenMode::Shared);
        Database second = Database::open(path, OpenMode::Shared);
        EXPECT_THROW(Database::open(path, OpenMode::Exclusive), std::logic_error);
        first.createTableDef(test::sampleTable("T"));
        EXPECT_TRUE(second.hasTable("T"));  // shared connections see each other's tables
    }
    // Closing releases the file: it can be held exclusively again.
    Database again = Database::open(path, OpenMode::Exclusive);
    again.close();
    Database::open(path, OpenMode::Exclusive);
}

TEST_F(StoreFile, AnotherProcessHoldingItExclusivelyGivesInUseAtOnce)
{
    Holder holder(path, OpenMode::Exclusive);
    auto start = std::chrono::steady_clock::now();
    expectInUse(path, OpenMode::Exclusive);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // A shared connection waits briefly for a writer, then gives up too.
    expectInUse(path, OpenMode::Shared);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(StoreFile, ExclusiveOpenIsRefusedWhileAnotherProcessHasItShared)
{
    Holder holder(path, OpenMode::Shared);
    auto start = std::chrono::steady_clock::now();
    expectInUse(path, OpenMode::Exclusive);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(WorkStoreOpen, MissingAndForeignFilesAreRefusedUnchanged)
{
    ScratchDir dir;
    EXPECT_THROW(Database::open(dir.file("missing.db"), OpenMode::Exclusive), Error);
    std::string text = dir.file("notes.db");
    test::writeFile(text, "not a database\n");
    try {
        Database::open(text, OpenMode::Exclusive);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("--init"), std::string::npos) << e.what();
    }
    EXPECT_EQ(test::readFile(text), "not a database\n");
    // A failed open leaves the file free for the next attempt.
    EXPECT_THROW(Database::open(text, OpenMode::Exclusive), Error);
}

TEST(WorkStoreOpen, CreateRefusesAnExistingFileAndRecordsTheLocale)
{
    ScratchDir dir;
    std::string path = dir.file("new.db");
    {
        Database db = Database::create(path, ";LANGID=0x0409");
        EXPECT_EQ(db.tableDefCount(), 0);
    }
    EXPECT_THROW(Database::create(path), std::logic_error);
    EXPECT_EQ(Database::open(path, OpenMode::Shared).locale(), ";LANGID=0x0409");
}
