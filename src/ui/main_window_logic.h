// The main window's rules (frmTabler) without widgets: when Start may be
// pressed, which controls a run disables, the table list of a chosen file,
// the Start button's run through the run driver, the rebuild of the default
// data, and the answer when the work store is not usable.
#pragma once

#include "platform/report.h"
#include "run/run_driver.h"
#include "model/run_settings.h"
#include "ui/document_choice.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace schemist::ui {

inline constexpr const char* kMainCaption = "Schemist";

// What the Start button asks of its window after it ran.
struct StartAnswer {
    // The first Start message that applies, a store that is not usable, or
    // the error of a failed run (all in a box titled "Schemist for Access").
    std::optional<std::string> message;
    bool focusOutputName = false;
    // The run's warnings in one message, only when there are any.
    std::optional<std::string> warnings;
    bool ran = false;
    RunOutcome outcome;
};

class MainWindowLogic {
public:
    // Runs the run's work: directly, or elsewhere while the window repaints.
    using Executor = std::function<void(const std::function<void()>& work)>;
    using StateObserver = std::function<void()>;

    MainWindowLogic(RunSettings& settings, std::optional<std::string> storeProblem,
                    SchemaReader reader = defaultSchemaReader());

    // Called whenever enabling or progress changes, so the window can follow.
    void setStateObserver(StateObserver observer) { observer_ = std::move(observer); }

    bool startEnabled() const { return startEnabled_; }
    bool controlsEnabled() const { return controlsEnabled_; }
    int progress() const { return progress_; }
    const std::vector<std::string>& tables() const { return tables_; }
    // Why the last listed file shows no tables; empty when it was read.
    const std::string& listProblem() const { return listProblem_; }
    const std::optional<std::string>& storeProblem() const { return storeProblem_; }

    void enableStart(bool on);
    // cmdEnd, cmdDataInit, cmdOption, cmdName, cmdTopName, cmdEndName,
    // txtFileName, cmdDefault, dirInput, dirOutput, flstInput, then Start.
    void enableControls(bool on);
    void setProgress(int value);

    // Events of the window.
    void load();
    void fileListPathChanged() { fileListLostFocus(); }
    void fileListLostFocus() { enableStart(false); }
    void fileChosen(const std::string& path);
    void tableListSettled(int selectedCount) { enableStart(selectedCount > 0); }

    StartAnswer start(const RunRequest& request, const Executor& executor = {});

    // "初期データ作成" once the window has asked: no message on success; the
    // replaced store stays as SCHM.db.bak (two older ones as .bak.1, .bak.2).
    // Returns the error of a failed rebuild.
    std::optional<std::string> rebuildDefaultData();

    // Nothing when the store is usable; otherwise the message that names the
    // file and the way out. A store put right meanwhile is accepted again.
    std::optional<std::string> storeMessage();

    const RunSettings& settings() const { return settings_; }
    RunSettings& settings() { return settings_; }

    // The definition documents a run makes (the options dialog's choice);
    // Start sets them in the request it is given.
    const DocumentChoice& documents() const { return documents_; }
    DocumentChoice& documents() { return documents_; }

    // Character set of Access 97 files, for listing and for runs.
    const std::string& jet3Charset() const { return driver_.jet3Charset; }
    void setJet3Charset(const std::string& charset) { driver_.jet3Charset = charset; }

    // Runs and the maintenance windows use the work store at `path` from now
    // on: made with its default data when missing, checked when present, as
    // at start-up. Returns the store's problem, which then answers Start and
    // the editors until the store is put right.
    std::optional<std::string> useWorkStore(const std::string& path);

private:
    void changed();

    RunSettings& settings_;
    RunDriver driver_;
    std::optional<std::string> storeProblem_;
    DocumentChoice documents_;
    StateObserver observer_;
    bool startEnabled_ = false;
    bool controlsEnabled_ = true;
    // Set by the run, which may work on another thread.
    std::atomic<int> progress_ = 0;
    std::vector<std::string> tables_;
    std::string listProblem_;
};

// The warnings of a run joined into one message.
std::string warningsMessage(const std::vector<std::string>& warnings);

}  // namespace schemist::ui
