// Start-up without windows: the application title, the settings' start
// values, where the work store lives, and the store made with its default
// data when the file is missing.
#pragma once

#include "platform/paths.h"
#include "model/run_settings.h"
#include "run/version.h"

#include <optional>
#include <string>

namespace schemist {

inline constexpr const char* kApplicationTitle = "Schemist for Access";
inline constexpr const char* kWorkStoreFileName = "SCHM.db";

// The documents folder (blanks trimmed) joined with SCHM.db.
std::string WorkStorePath(const EnvironmentLookup& env);

struct StartupState {
    RunSettings settings;
    // Set when the store could not be made or is not usable: the message
    // names the file and the way out. The program carries on without it.
    std::optional<std::string> storeProblem;
    bool storeCreated = false;
};

// Settings at their start values, WorkStorePath formed (or taken from
// `storeOverride`), the store created with its defaults when missing and left
// untouched when it exists.
StartupState Startup(const EnvironmentLookup& env, const std::optional<std::string>& storeOverride = std::nullopt);

}  // namespace schemist
