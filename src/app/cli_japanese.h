// schemist-cli speaks Japanese, CLI11's own texts included: the labels of
// the help and the messages of a command line that cannot be parsed.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace schemist::cli {

// Help labels in Japanese ("使い方", "オプション", ...), the value
// placeholders CLI11 would print in English, and columns that stay in line
// with Japanese text. Call before the options are added, so that they fall
// into the Japanese group.
void useJapaneseHelp(CLI::App& app);

// The message for a parse error, naming the option or argument at fault and
// pointing to --help. Used as the app's failure message.
std::string japaneseFailureMessage(const CLI::App* app, const CLI::Error& error);

}  // namespace schemist::cli
