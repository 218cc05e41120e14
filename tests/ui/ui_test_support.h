// Helpers of the window tests: a fresh work store with its default data, and
// a recorder of the message boxes the windows would show.
#pragma once

#include "support/test_support.h"
#include "ui/message_box.h"

#include <QString>
#include <string>
#include <vector>

namespace schemist::test {

// A work store with the default conversion tables in a scratch folder.
class FreshStore {
public:
    FreshStore();
    const std::string& path() const { return path_; }
    const ScratchDir& dir() const { return dir_; }

private:
    ScratchDir dir_;
    std::string path_;
};

struct ShownMessage {
    QString title;
    QString text;
};

// Records message boxes instead of showing them, while it exists.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
};

}  // namespace schemist::test
