// Main window rules.
#include "ui/main_window_logic.h"

#include "platform/error.h"
#include "platform/text.h"
#include "run/output_name.h"
#include "run/startup.h"
#include "store/default_data.h"

namespace schemist::ui {

MainWindowLogic::MainWindowLogic(RunSettings& settings, std::optional<std::string> storeProblem, SchemaReader reader)
    : settings_(settings), driver_(settings, std::move(reader)), storeProblem_(std::move(storeProblem))
{
}

void MainWindowLogic::changed()
{
    if (observer_)
        observer_();
}

void MainWindowLogic::enableStart(bool on)
{
    startEnabled_ = on;
    changed();
}

void MainWindowLogic::enableControls(bool on)
{
    controlsEnabled_ = on;
    enableStart(on);
}

void MainWindowLogic::setProgress(int value)
{
    progress_ = value;
    changed();
}

void MainWindowLogic::load()
{
    enableStart(false);
    fileListPathChanged();
}

void MainWindowLogic::fileChosen(const std::string& path)
{
    tables_.clear();
    listProblem_.clear();
    try {
        tables_ = driver_.listTables(path);
    } catch (const Error& e) {
        tables_.clear();
        listProblem_ = e.what();
    } catch (const std::exception& e) {
        tables_.clear();
        listProblem_ = std::string("テーブル一覧を読めません: ") + path + ": " + e.what();
    }
    enableStart(false);
}

std::optional<std::string> MainWindowLogic::storeMessage()
{
    if (!storeProblem_)
        return std::nullopt;
    try {
        ValidateWorkStore(settings_.WorkStorePath);
        storeProblem_.reset();
    } catch (const Error&) {
    }
    return storeProblem_;
}

std::optional<std::string> MainWindowLogic::useWorkStore(const std::string& path)
{
    if (path == settings_.WorkStorePath)
        return storeMessage();
    StartupState state = Startup(processEnvironment(), path);
    settings_.WorkStorePath = path;
    storeProblem_ = state.storeProblem;
    return storeProblem_;
}

StartAnswer MainWindowLogic::start(const RunRequest& request, const Executor& executor)
{
    StartAnswer answer;
    if (auto message = RunDriver::checkStartInputs(request)) {
        answer.message = message;
        answer.focusOutputName = trimBlanks(request.outputName).empty();
        return answer;
    }
    if (auto problem = outputNameProblem(request.outputName)) {
        answer.message = problem;
        answer.focusOutputName = true;
        return answer;
    }
    if (auto problem = storeMessage()) {
        answer.message = problem;
        return answer;
    }
    // The documents as the options dialog chose them, with the snapshot of
    // their revision history read before anything else is.
    RunRequest run = request;
    try {
        documents_.applyTo(run);
    } catch (const Error& e) {
        answer.message = e.what();
        return answer;
    }
    enableControls(false);
    // The driver sets every value itself, 0 last.
    Progress progress([this](int value) { setProgress(value); });
    auto work = [&] { answer.outcome = driver_.start(run, progress); };
    if (executor)
        executor(work);
    else
        work();
    answer.ran = true;
    setProgress(0);
    enableControls(true);
    if (!answer.outcome.succeeded)
        answer.message = answer.outcome.error;
    if (!answer.outcome.warnings.empty())
        answer.warnings = warningsMessage(answer.outcome.warnings);
    return answer;
}

std::optional<std::string> MainWindowLogic::rebuildDefaultData()
{
    setProgress(0);
    enableControls(false);
    setProgress(25);
    std::optional<std::string> failure;
    try {
        RebuildWorkStore(settings_.WorkStorePath, true);
        setProgress(50);
        setProgress(75);
        storeProblem_.reset();
    } catch (const Error& e) {
        failure = e.what();
    }
    enableControls(true);
    setProgress(0);
    return failure;
}

std::string warningsMessage(const std::vector<std::string>& warnings)
{
    std::string text;
    for (const std::string& w : warnings)
        text += (text.empty() ? "" : "\n") + w;
    return text;
}

}  // namespace schemist::ui
