// The exit statuses of schemist-cli, shared by the run and the diff command.
#pragma once

namespace schemist::cli {

inline constexpr int kExitOk = 0;         // done; --check and diff: nothing differs
inline constexpr int kExitDifferent = 1;  // --check: an output is stale; diff: the schemas differ
inline constexpr int kExitFailure = 2;
inline constexpr int kExitUsage = 64;     // the command line asks for something that cannot be done

}  // namespace schemist::cli
