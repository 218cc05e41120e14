// Helpers shared by the test programs: scratch folders, fixture paths and
// running the command-line program.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::test {

// A fresh folder under the system temp folder, removed with its contents when
// the object goes away.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

// tests/data/NAME (fixtures copied into the repository).
std::string dataFile(const std::string& name);

// ../shared/fixtures/NAME and ../shared/real/NAME; empty when absent.
std::string sharedFixture(const std::string& name);
std::string sharedReal(const std::string& name);

// Every Access file in tests/data, ../shared/fixtures and ../shared/real
// (those that exist), as full paths.
std::vector<std::string> allSampleDatabases();

struct CommandResult {
    int exitCode = -1;     // -1 when ended by a signal
    int signal = 0;
    std::string out;
    std::string err;
};

// Runs schemist-cli with the arguments (no shell), with HOME and the
// documents folder pointed at `home` when it is not empty, as the user `uid`
// when it is not negative (tests of permissions run as root otherwise, and
// root may write anywhere).
CommandResult runCli(const std::vector<std::string>& args, const std::string& home = "", int uid = -1);

// The uid of the unprivileged user "nobody", or -1 when there is none or the
// tests do not run as root.
int unprivilegedUid();


std::string readFile(const std::string& path);

// Every file below the folder, as sorted paths relative to it.
std::vector<std::string> filesBelow(const std::string& folder);

// The message of the Error the action throws, or "<no error>".
std::string errorMessageOf(const std::function<void()>& action);

// A tmpfs of a few hundred KiB at `where`: the disk that fills up. Mounting
// needs root; a test skips when mounted() is false.
class SmallFileSystem {
public:
    SmallFileSystem(const std::string& where, const char* size);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return mounted_; }

    // Takes all the free space but `leave` bytes.
    void fill(std::size_t leave = 0);
    void release();

private:
    std::string where_;
    bool mounted_ = false;
};
// The UTF-16LE bytes of a text, as Jet 4 and ACE files store names and
// descriptions: what tests look for and replace in copies of databases.
std::string utf16le(std::u16string_view text);
void writeFile(const std::string& path, const std::string& bytes);
void copyFile(const std::string& from, const std::string& to);

}  // namespace schemist::test
