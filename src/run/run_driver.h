// The run driver: the road of one run, shared by the command line and the
// main window. It checks the inputs, reads the selected tables' definitions,
// converts them, generates the outputs in memory, writes those that changed
// (each file atomically, all only once everything was generated), reports
// progress and warnings, and always removes the run's work tables.
#pragma once

#include "doc/change_history.h"
#include "gen/common/output_file.h"
#include "gen/common/vb_text.h"
#include "platform/atomic_file.h"
#include "platform/mdb/schema_reader.h"
#include "platform/report.h"
#include "model/run_settings.h"
#include "model/definition_row.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace schemist {

struct RunRequest {
    std::string sourcePath;           // the chosen database file; "" when none is chosen
    std::vector<std::string> tables;  // the selected tables, in list order
    std::string outputFolder;
    std::string outputName;           // as typed; blanks are trimmed
    bool makeVB = true;
    bool makeExcel = true;

    // Definition documents beside the workbook; none unless asked for.
    bool docMarkdown = false;   // the folder NAME-doc/ of Markdown pages
    bool docXlsx = false;       // NAME.xlsx
    // With a snapshot read: the documents gain a revision history against it.
    std::optional<doc::ChangeHistory> history;

    // Keep the selected tables as read in RunOutputs::documented even when no
    // document is made (for the definitions JSON); otherwise they are let go
    // as soon as the definition rows are made of them.
    bool keepSchema = false;
    // Keep the imported and converted rows in RunOutputs::accessRows and
    // vbRows (for showing or saving them); otherwise each set is let go as
    // soon as the last output made of it is done.
    bool keepRows = false;
};

// What a run generated, held in memory until written.
struct RunOutputs {
    std::vector<OutputFile> sources;
    std::string workbookPath;         // empty when no workbook was made
    std::string workbookBytes;
    // Only with RunRequest::keepRows.
    std::vector<DefinitionRow> accessRows;
    std::vector<DefinitionRow> vbRows;
    // Class runs: the item and collection prefixes the class files carry.
    std::vector<std::string> classPrefixes;
    // Where the list of renames is kept while the files are renamed into
    // place; a record left there means an earlier run was interrupted.
    std::string renameRecordPath;

    // The selected tables as read and the relationships touching them (only
    // when documents are made or RunRequest::keepSchema asks for them), and
    // the definition documents made of them.
    SourceSchema documented;
    std::vector<PendingFile> documents;
};

struct RunOutcome {
    bool succeeded = false;
    // One of the three Start messages: nothing was done.
    std::optional<std::string> inputMessage;
    // The failed step and why.
    std::string error;
    std::vector<std::string> warnings;
    // Files replaced or created, and files that already held exactly the
    // bytes of this run and were left alone.
    std::vector<std::string> writtenFiles;
    std::vector<std::string> unchangedFiles;
    RunOutputs outputs;
};

using SchemaReader = std::function<SourceSchema(const std::string& path, const SourceReadOptions& options)>;

// The generator steps of a run; an empty slot makes nothing.
struct GeneratorSlots {
    std::function<OutputFile(const std::vector<DefinitionTable>& vbTables, const std::string& outputPathStem,
                             const std::string& moduleName, GenerationContext& ctx)>
        standardModule;
    std::function<std::vector<OutputFile>(const std::vector<DefinitionTable>& vbTables,
                                          const std::string& outputFolder, GenerationContext& ctx)>
        classModules;
    // The workbook takes the rows, to let them go once its sheets are made.
    std::function<std::string(std::vector<DefinitionTable> accessTables, const RunSettings& settings,
                              const std::string& sourceFileName, Progress& progress, Warnings& warnings)>
        workbook;
};

// The reader in a child process, and the generators of this program.
SchemaReader defaultSchemaReader();
GeneratorSlots defaultGenerators();

enum class WriteMode { Write, InMemory };

class RunDriver {
public:
    explicit RunDriver(const RunSettings& settings, SchemaReader reader = defaultSchemaReader(),
                       GeneratorSlots generators = defaultGenerators());

    // The first of the three Start messages that applies, or none.
    static std::optional<std::string> checkStartInputs(const RunRequest& request);

    // The Start button's part and the run itself. Progress passes through
    // 10, 20, 30, 40 (standard modules), the workbook's values, 80, 60, 0.
    // With WriteMode::InMemory nothing is written; the outputs are returned.
    RunOutcome start(const RunRequest& request, Progress& progress, WriteMode mode = WriteMode::Write);

    // The tables the main window lists for a file (local tables only).
    std::vector<std::string> listTables(const std::string& sourcePath) const;

    // SourceFileName of the last run: the chosen file name with extension.
    const std::string& sourceFileName() const { return sourceFileName_; }

    // Code page for Jet3 (Access 97) text.
    std::string jet3Charset = "CP932";

private:
    struct SourceResult {
        std::vector<OutputFile> files;
        Warnings warnings;
    };
    struct WorkbookResult {
        std::string bytes;
        std::vector<int> progressValues;
        Warnings warnings;
    };

    void runGeneration(const RunRequest& request, Progress& progress, RunOutcome& outcome, WriteMode mode);
    void writeOutputs(RunOutcome& outcome, std::vector<std::string>& notes) const;
    SourceResult generateSource(const std::vector<DefinitionTable>& vbTables, const IdentifierSet& ids,
                                const TypePrefixes& prefixes, const std::string& outputFolder,
                                const std::string& outputPathStem, const std::string& moduleName) const;
    void makeDocumentFiles(const RunRequest& request, const std::string& outputPathStem, RunOutputs& outputs,
                           Warnings& warnings) const;
    WorkbookResult buildWorkbook(std::vector<DefinitionTable> accessTables, int start) const;

    const RunSettings& settings_;
    SchemaReader reader_;
    GeneratorSlots generators_;
    std::string sourceFileName_;
};

}  // namespace schemist
