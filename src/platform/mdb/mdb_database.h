// An open source database: the libmdb handle, opened read-only, with its text
// decoding set up for the file's format.
#pragma once

#include "platform/mdb/libmdb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist::mdb {

class MdbDatabase {
public:
    // Checks the file (exists, is a regular readable file, carries the Jet or
    // ACE signature) before handing it to libmdb. Throws readFailure.
    MdbDatabase(const std::string& path, const std::string& jet3Charset);
    ~MdbDatabase();
    MdbDatabase(const MdbDatabase&) = delete;
    MdbDatabase& operator=(const MdbDatabase&) = delete;

    MdbHandle* handle() const { return mdb_; }
    const std::string& path() const { return path_; }
    bool isJet3() const { return IS_JET3(mdb_); }
    // The part of the file made of whole pages, and the bytes after it (the
    // engine writes whole pages only; a tail is left by copying tools).
    std::uint64_t fileSize() const { return fileSize_ - trailingBytes_; }
    std::uint64_t trailingBytes() const { return trailingBytes_; }

    // Per whole page: the owner of a data page or kNotADataPage (see
    // page_owners.h), read on first use.
    const std::vector<std::uint32_t>& dataPageOwners() const;

    // Decodes a name or text stored in the file (UTF-16, compressed Unicode or
    // Jet3 code page) to UTF-8.
    std::string decodeText(const char* bytes, std::size_t length) const;

private:
    void useTextEncoding(const std::string& jet3Charset);

    std::string path_;
    std::uint64_t fileSize_ = 0;
    std::uint64_t trailingBytes_ = 0;
    MdbHandle* mdb_ = nullptr;
    mutable std::optional<std::vector<std::uint32_t>> dataPageOwners_;
};

}  // namespace schemist::mdb
