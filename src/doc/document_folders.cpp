// Making and, after a failed write, removing the documents' folders.
#include "doc/document_folders.h"

#include "platform/error.h"
#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace schemist::doc {

DocumentFolders::DocumentFolders(const std::vector<PendingFile>& documents)
{
    for (const PendingFile& document : documents) {
        std::string folder = document.path.substr(0, document.path.find_last_of('/'));
        if (directoryExists(folder) || std::find(created_.begin(), created_.end(), folder) != created_.end())
            continue;
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
            int error = errno;
            removeCreated();
            throw Error("フォルダを作成できません: " + folder + ": " + systemMessage(error));
        }
        created_.push_back(folder);
    }
}

DocumentFolders::~DocumentFolders()
{
    if (!kept_)
        removeCreated();
}

void DocumentFolders::removeCreated() noexcept
{
    // rmdir takes only an empty folder: whatever else found its way in stays.
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        ::rmdir(it->c_str());
    created_.clear();
}

}  // namespace schemist::doc
