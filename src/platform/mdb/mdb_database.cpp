// Opening a source file for libmdb. The checks before mdb_open turn the
// common mistakes (no such file, a folder, a text file) into clear reasons,
// and keep libmdb from searching $MDBPATH for a name that does not exist.
#include "platform/mdb/mdb_database.h"

#include "platform/mdb/page_owners.h"
#include "platform/mdb/read_failure.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace schemist::mdb {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The first page carries "Standard Jet DB" or "Standard ACE DB" at offset 4.
bool hasAccessSignature(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::array<char, 20> head{};
    ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    ::close(fd);
    if (got != static_cast<ssize_t>(head.size()))
        return false;
    return std::memcmp(head.data() + 4, "Standard Jet DB", 15) == 0 ||
           std::memcmp(head.data() + 4, "Standard ACE DB", 15) == 0;
}

// Returns the file's size.
std::uint64_t checkFile(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw readFailure(path, reason::kMissing);
        throw readFailure(path, reason::kCannotOpen);
    }
    if (!S_ISREG(status.st_mode))
        throw readFailure(path, reason::kNotAFile);
    if (::access(path.c_str(), R_OK) != 0)
        throw readFailure(path, reason::kCannotOpen);
    if (!hasAccessSignature(path))
        throw readFailure(path, reason::kNotAccess);
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace

MdbDatabase::MdbDatabase(const std::string& path, const std::string& jet3Charset) : path_(path)
{
    fileSize_ = checkFile(path);
    mdb_ = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb_)
        throw readFailure(path, reason::kNotAccess);
    try {
        // A part page at the end holds nothing the catalog can point to: the
        // pages it does point to are checked against the whole pages.
        trailingBytes_ = fileSize_ % static_cast<std::uint64_t>(mdb_->fmt->pg_size);
        if (fileSize_ == trailingBytes_)
            throw readFailure(path, reason::kTruncated);
        useTextEncoding(jet3Charset);
    } catch (...) {
        mdb_close(mdb_);
        throw;
    }
}

MdbDatabase::~MdbDatabase()
{
    mdb_close(mdb_);
}

// libmdb picks its converters from $MDBICONV, $MDB_JET3_CHARSET and the code
// page in the file header; the reader wants UTF-8 out, and for Jet3 the code
// page its caller chose, whatever the environment says. libmdb reads names
// and text through these converters.
void MdbDatabase::useTextEncoding(const std::string& jet3Charset)
{
    mdb_iconv_close(mdb_);
    mdb_->iconv_in = kNoConverter;
    mdb_->iconv_out = kNoConverter;
    // Jet4 and ACE store UTF-16: a character outside the Basic Multilingual
    // Plane is a surrogate pair, which a UCS-2 decoder turns into two "?".
    const char* stored = isJet3() ? jet3Charset.c_str() : "UTF-16LE";
    iconv_t in = iconv_open("UTF-8", stored);
    iconv_t out = iconv_open(stored, "UTF-8");
    if (in == kNoConverter || out == kNoConverter) {
        if (in != kNoConverter)
            iconv_close(in);
        if (out != kNoConverter)
            iconv_close(out);
        throw readFailure(path_, reason::unknownCharset(jet3Charset));
    }
    mdb_->iconv_in = in;
    mdb_->iconv_out = out;
}

const std::vector<std::uint32_t>& MdbDatabase::dataPageOwners() const
{
    if (!dataPageOwners_) {
        const auto pageSize = static_cast<std::size_t>(mdb_->fmt->pg_size);
        dataPageOwners_ = readDataPageOwners(path_, pageSize, fileSize() / pageSize);
    }
    return *dataPageOwners_;
}

std::string MdbDatabase::decodeText(const char* bytes, std::size_t length) const
{
    if (length == 0)
        return {};
    // Worst case: every stored byte becomes a three-byte UTF-8 character.
    std::string out(length * 3 + 4, '\0');
    int written = mdb_unicode2ascii(mdb_, bytes, length, out.data(), out.size());
    out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return out;
}

}  // namespace schemist::mdb
