// Start-up of both front ends.
#include "run/startup.h"

#include "platform/error.h"
#include "platform/text.h"
#include "store/default_data.h"

namespace schemist {

std::string WorkStorePath(const EnvironmentLookup& env)
{
    return joinPath(trimBlanks(documentsFolder(env)), kWorkStoreFileName);
}

StartupState Startup(const EnvironmentLookup& env, const std::optional<std::string>& storeOverride)
{
    StartupState state;
    state.settings = RunSettings::startValues();
    state.settings.WorkStorePath = storeOverride ? *storeOverride : WorkStorePath(env);
    const std::string& path = state.settings.WorkStorePath;
    try {
        if (!fileExists(path)) {
            RebuildWorkStore(path, false);
            state.storeCreated = true;
        } else {
            ValidateWorkStore(path);
        }
    } catch (const Error& e) {
        state.storeProblem = e.what();
    }
    return state;
}

}  // namespace schemist
