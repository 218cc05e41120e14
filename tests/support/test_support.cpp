// Scratch folders, fixture lookup and a small process runner for the tests.
#include "support/test_support.h"

#include "platform/error.h"


#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace schemist::test {

ScratchDir::ScratchDir()
{
    std::string tmpl = (fs::temp_directory_path() / "schemist-test-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    // Tests make folders read-only; give write access back before removing.
    for (auto it = fs::recursive_directory_iterator(path_, ec); it != fs::recursive_directory_iterator(); ++it)
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ScratchDir::file(const std::string& name) const
{
    return path_ + "/" + name;
}

std::string dataFile(const std::string& name)
{
    return std::string(SCHEMIST_TEST_DATA) + "/" + name;
}

static std::string sharedFile(const char* sub, const std::string& name)
{
    std::string path = std::string(SCHEMIST_SHARED_DIR) + "/" + sub + "/" + name;
    return fs::exists(path) ? path : std::string();
}

std::string sharedFixture(const std::string& name) { return sharedFile("fixtures", name); }
std::string sharedReal(const std::string& name) { return sharedFile("real", name); }

std::vector<std::string> allSampleDatabases()
{
    std::vector<std::string> files;
    for (const std::string& dir : {std::string(SCHEMIST_TEST_DATA),
                                   std::string(SCHEMIST_SHARED_DIR) + "/fixtures",
                                   std::string(SCHEMIST_SHARED_DIR) + "/real"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec)) {
            std::string ext = entry.path().extension().string();
            if (ext == ".mdb" || ext == ".accdb")
                files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

CommandResult runCli(const std::vector<std::string>& args, const std::string& home, int uid)
{
    ScratchDir capture;
    std::string outPath = capture.file("out"), errPath = capture.file("err");
    pid_t pid = ::fork();
    if (pid == 0) {
        std::FILE* out = std::freopen(outPath.c_str(), "w", stdout);
        std::FILE* err = std::freopen(errPath.c_str(), "w", stderr);
        std::FILE* in = std::freopen("/dev/null", "r", stdin);
        (void)out; (void)err; (void)in;
        if (!home.empty()) {
            ::setenv("HOME", home.c_str(), 1);
            ::setenv("XDG_DOCUMENTS_DIR", home.c_str(), 1);
            ::unsetenv("XDG_CONFIG_HOME");
        }
        if (uid >= 0 && (::setgid(static_cast<gid_t>(uid)) != 0 || ::setuid(static_cast<uid_t>(uid)) != 0))
            ::_exit(126);
        std::vector<char*> argv;
        std::string program = SCHEMIST_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    CommandResult result;
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

int unprivilegedUid()
{
    if (::geteuid() != 0)
        return -1;
    struct passwd* pw = ::getpwnam("nobody");
    return pw ? static_cast<int>(pw->pw_uid) : -1;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void copyFile(const std::string& from, const std::string& to)
{
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
}

std::string utf16le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

SmallFileSystem::SmallFileSystem(const std::string& where, const char* size) : where_(where)
{
    std::filesystem::create_directories(where);
    mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_)
        ::umount2(where_.c_str(), MNT_DETACH);
}

void SmallFileSystem::fill(std::size_t leave)
{
    auto space = std::filesystem::space(where_);
    std::size_t take = space.available > leave ? space.available - leave : 0;
    writeFile(where_ + "/filler", std::string(take, 'x'));
}

void SmallFileSystem::release() { std::filesystem::remove(where_ + "/filler"); }

std::vector<std::string> filesBelow(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.push_back(entry.path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string errorMessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "<no error>";
}

}  // namespace schemist::test
