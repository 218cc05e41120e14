// What a run reports besides its outputs: warnings for the user, and progress
// on a 0..100 bar that the front end shows.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace schemist {

// Warnings collected during a run, in the order they arose. Each names the
// table (and field) it is about, in the user's language.
class Warnings {
public:
    void add(std::string message) { messages_.push_back(std::move(message)); }
    const std::vector<std::string>& messages() const { return messages_; }
    bool empty() const { return messages_.empty(); }

private:
    std::vector<std::string> messages_;
};

// The progress bar of a run: the front end observes each value set.
class Progress {
public:
    using Observer = std::function<void(int)>;

    explicit Progress(Observer observer = {}, int value = 0) : observer_(std::move(observer)), value_(value) {}

    int value() const { return value_; }
    int maximum() const { return 100; }
    void set(int value)
    {
        value_ = value;
        if (observer_)
            observer_(value);
    }

private:
    Observer observer_;
    int value_ = 0;
};

}  // namespace schemist
