// The folders the definition documents go into (NAME-doc/), made just before
// the files are written and taken away again when the write fails, so that a
// failed run leaves no empty folder behind.
#pragma once

#include "platform/atomic_file.h"

#include <string>
#include <vector>

namespace schemist::doc {

class DocumentFolders {
public:
    // Makes the folders of `documents` that do not exist yet; an existing one
    // is used with what else it holds. Throws Error naming the folder.
    explicit DocumentFolders(const std::vector<PendingFile>& documents);
    // Unless kept, removes the folders made here that are still empty.
    ~DocumentFolders();
    DocumentFolders(const DocumentFolders&) = delete;
    DocumentFolders& operator=(const DocumentFolders&) = delete;

    // The files were written: the folders stay.
    void keep() { kept_ = true; }

private:
    void removeCreated() noexcept;

    std::vector<std::string> created_;
    bool kept_ = false;
};

}  // namespace schemist::doc
