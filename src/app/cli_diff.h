// schemist-cli diff OLD NEW: what changed between two versions of a schema,
// each an Access database or a definitions JSON written by
// --definitions-json. Exit status 0 equal, 1 different, 2 failure, 64 bad
// usage.
#pragma once

namespace schemist::cli {

// argv[1] is "diff"; the rest are the command's own arguments.
int runDiffCommand(int argc, char** argv);

}  // namespace schemist::cli
