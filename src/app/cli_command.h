// What every schemist-cli command shares around its own work: messages on
// standard error, parsing with Japanese failure texts, and the ending that
// turns errors and lost output into an exit status.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace schemist::cli {

// A message for the user on standard error, control characters shown.
void message(const std::string& text);
// Messages for the user, each on its own line behind `prefix`, in one write
// (a run over hundreds of tables may warn about every one).
void messages(const std::vector<std::string>& texts, const std::string& prefix);

// Parses the arguments; returns the exit status when the command ends here
// (help shown, or a command line that cannot be parsed).
std::optional<int> parseArguments(CLI::App& app, int argc, char** argv);

// Runs the command's work and returns its exit status. An error ends it with
// its message and the failure status; so does output to standard output that
// never arrived (a full disk behind a redirection), so that a listing or a
// report cut short never passes as complete.
int finishCommand(const std::function<int()>& work);

}  // namespace schemist::cli
