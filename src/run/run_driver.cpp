// The road of one run.
#include "run/run_driver.h"

#include "convert/definition_conversion.h"
#include "convert/name_lookup.h"
#include "doc/document_folders.h"
#include "doc/document_schema.h"
#include "doc/markdown_document.h"
#include "doc/xlsx_document.h"
#include "import/schema_import.h"
#include "platform/atomic_file.h"
#include "platform/workstore/database.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "run/source_names.h"
#include "store/work_tables.h"

#include <cerrno>
#include <exception>
#include <future>
#include <optional>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace schemist {
namespace {

// Runs one step; an error is reported with the step's name.
template <typename Step>
auto step(const char* name, Step&& body) -> decltype(body())
{
    try {
        return body();
    } catch (const Error& e) {
        throw Error(std::string(name) + "に失敗しました: " + e.what());
    } catch (const std::bad_alloc&) {
        throw Error(std::string(name) + "に失敗しました: メモリが足りません");
    } catch (const std::exception& e) {
        throw Error(std::string(name) + "に失敗しました: 内部エラー: " + e.what());
    }
}

void checkOutputFolder(const std::string& folder)
{
    if (!directoryExists(folder))
        throw Error("出力先フォルダがありません: " + folder);
    if (::access(folder.c_str(), W_OK) != 0)
        throw Error("出力先フォルダに書き込めません: " + folder);
}

// The output name's own files must fit the file system's name limit; found
// out here, before the database is read.
void checkOutputNames(const RunRequest& request, const RunSettings& settings, const std::string& outputPathStem)
{
    if (request.makeVB && !settings.classModules())
        checkFileNameLength(outputPathStem + ".bas");
    if (request.makeExcel)
        checkFileNameLength(outputPathStem + ".xls");
}

// Drops the work tables after a run, whatever became of it. The outputs do
// not depend on the work tables, and the next run recreates them, so a
// failure here is a warning naming its cause, never the run's outcome.
void dropWorkTablesQuietly(dao::Database& store, std::vector<std::string>& notes)
{
    try {
        DropWorkTables(store);
    } catch (const Error& e) {
        notes.push_back(std::string("作業テーブルを削除できませんでした（次の実行で作り直します）: ") + e.what());
    }
}

// Whether a temporary file in the output folder, made for `target`, belongs
// to the outputs of this run: its own files, its rename record, and class
// files carrying its class prefixes.
bool isTemporaryOfRun(const std::string& target, const RunOutputs& outputs, const std::string& folder)
{
    auto cut = [&](const std::string& name) { return temporaryFileTargetOf(folder, name); };
    for (const OutputFile& file : outputs.sources)
        if (target == cut(fileNameOf(file.path)))
            return true;
    if (!outputs.workbookPath.empty() && target == cut(fileNameOf(outputs.workbookPath)))
        return true;
    if (target == cut(fileNameOf(outputs.renameRecordPath)))
        return true;
    bool wasCut = cut(target + "x") == target;
    for (const std::string& prefix : outputs.classPrefixes)
        if (!prefix.empty() && target.rfind(prefix, 0) == 0 &&
            (wasCut || (target.size() > 4 && target.compare(target.size() - 4, 4, ".cls") == 0)))
            return true;
    return false;
}

// How a run's memory is managed. A generator thread would otherwise get a
// malloc arena of its own, which grows page by page and is never shared: more
// memory touched for the same rows; the threads allocate little at a time, so
// one arena costs no waiting worth measuring. Large blocks (row lists, file
// bytes) come from the heap instead of fresh mappings, and freed memory stays
// in the heap during the run, so that a later block reuses pages already
// touched instead of having the kernel clear new ones; releaseRunMemory gives
// it back when the run is over.
void tuneMallocForRuns()
{
    static const bool done = [] {
        mallopt(M_ARENA_MAX, 1);
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    (void)done;
}

void releaseRunMemory()
{
    malloc_trim(0);
}

}  // namespace

RunDriver::RunDriver(const RunSettings& settings, SchemaReader reader, GeneratorSlots generators)
    : settings_(settings), reader_(std::move(reader)), generators_(std::move(generators))
{
    tuneMallocForRuns();
}

std::optional<std::string> RunDriver::checkStartInputs(const RunRequest& request)
{
    if (trimBlanks(request.outputName).empty())
        return std::string("出力ファイル名を入力してください");
    if (request.sourcePath.empty())
        return std::string("処理対象のデータベースを選択してください");
    if (request.tables.empty())
        return std::string("処理対象のテーブルを選択してください");
    return std::nullopt;
}

std::vector<std::string> RunDriver::listTables(const std::string& sourcePath) const
{
    SourceReadOptions options;
    options.jet3Charset = jet3Charset;
    options.readDefinitions = false;
    return localTableNames(reader_(sourcePath, options));
}

RunOutcome RunDriver::start(const RunRequest& request, Progress& progress, WriteMode mode)
{
    RunOutcome outcome;
    if (auto message = checkStartInputs(request)) {
        outcome.inputMessage = message;
        return outcome;
    }
    progress.set(10);
    sourceFileName_ = fileNameOf(request.sourcePath);

    try {
        runGeneration(request, progress, outcome, mode);
        outcome.succeeded = true;
    } catch (const Error& e) {
        outcome.error = e.what();
    }
    progress.set(60);
    progress.set(0);
    releaseRunMemory();
    return outcome;
}

void RunDriver::runGeneration(const RunRequest& request, Progress& progress, RunOutcome& outcome, WriteMode mode)
{
    const std::string moduleName = trimBlanks(request.outputName);
    const std::string outputPathStem = joinPath(request.outputFolder, moduleName);
    outcome.outputs.renameRecordPath = renameRecordPath(request.outputFolder, moduleName);
    const bool makeDocuments = request.docMarkdown || request.docXlsx;
    if (request.makeVB || request.makeExcel || makeDocuments)
        step("出力先の確認", [&] {
            checkOutputFolder(request.outputFolder);
            checkOutputNames(request, settings_, outputPathStem);
        });

    SourceSchema schema = step("データベースの読み込み", [&] {
        SourceReadOptions options;
        options.jet3Charset = jet3Charset;
        options.onlyTables = request.tables;
        SourceSchema read = reader_(request.sourcePath, options);
        std::vector<std::string> missing = missingTables(read, request.tables);
        if (!missing.empty()) {
            std::string names;
            for (const std::string& name : missing)
                names += (names.empty() ? "" : ", ") + name;
            throw Error("テーブルが見つかりません: " + names + " (" + request.sourcePath + ")");
        }
        return read;
    });
    if (std::optional<std::string> problem = unusableNameProblem(schema, request.tables))
        throw Error(*problem);
    if (makeDocuments || request.keepSchema)
        outcome.outputs.documented = doc::documentedSchema(schema, request.tables);

    dao::Database store = step("作業用データベースのオープン", [&] {
        return dao::Database::open(settings_.WorkStorePath, dao::OpenMode::Exclusive);
    });
    Warnings warnings;
    for (const std::string& warning : schema.warnings)
        warnings.add(warning);
    // The converted rows are written to the store on a thread of their own
    // while this one builds the workbook; the source is generated after both,
    // so that the workbook's cells and the source's model are never held at
    // the same time. Failures are reported in the order of the steps:
    // conversion, source, workbook.
    try {
        IdentifierSet ids;
        std::vector<DefinitionRow> accessRows = step("スキーマの取り込み", [&] {
            ids = BuildIdentifierSet(store);
            std::vector<DefinitionRow> rows = definitionRowsFrom(schema, request.tables, ids);
            if ((request.makeVB || request.makeExcel) && rows.empty())
                throw Error("処理対象のテーブルにフィールドがありません (" + request.sourcePath + ")");
            return rows;
        });
        schema = SourceSchema();  // everything later works from the rows
        step("スキーマの取り込み", [&] { WriteImportedRows(store, accessRows); });
        progress.set(20);

        // Each set of rows exists once, and only as long as an output is
        // still to be made of it (or the caller asked to keep it). The
        // workbook's progress and warnings are passed on in the run's order,
        // after the source's.
        ConvertedRows converted;
        // Declared after the rows it reads: the future of std::async waits
        // for its thread when destroyed, so an exception leaving this block
        // lets the writer end before the rows go and before the store is
        // used again below.
        std::future<void> convertedWritten;
        TypePrefixes prefixes;
        if (request.makeVB) {
            converted = step("定義の変換", [&] {
                return ConvertRows(LoadTypeConversions(store), accessRows, warnings);
            });
            prefixes = LoadTypePrefixes(store);
            convertedWritten = std::async(std::launch::async, [&] {
                step("定義の変換", [&] { WriteConvertedRows(store, converted); });
                // Nothing else reads the Inside rows. (Assigning {} would
                // keep the buffer: the initializer-list assignment clears
                // without freeing; swapping frees it.)
                std::vector<DefinitionRow>().swap(converted.inside);
            });
        }
        std::optional<WorkbookResult> built;
        std::exception_ptr workbookFailure;
        if (request.makeExcel && generators_.workbook) {
            int start = !request.makeVB ? 20 : !settings_.classModules() ? 40 : 30;
            // The workbook takes the rows and lets them go before it saves.
            std::vector<DefinitionTable> accessTables = groupByTable(std::move(accessRows));
            if (request.keepRows)
                accessRows = flattenTables(std::vector<DefinitionTable>(accessTables));
            try {
                built = buildWorkbook(std::move(accessTables), start);
            } catch (...) {
                workbookFailure = std::current_exception();
            }
        }
        if (!request.keepRows)
            std::vector<DefinitionRow>().swap(accessRows);

        if (request.makeVB) {
            convertedWritten.get();
            if (settings_.classModules())
                outcome.outputs.classPrefixes = {ids.ClassPrefix, ids.CollectionPrefix};
            progress.set(30);
            std::vector<DefinitionTable> vbTables = groupByTable(std::move(converted.vb));
            SourceResult generated =
                generateSource(vbTables, ids, prefixes, request.outputFolder, outputPathStem, moduleName);
            if (request.keepRows)
                outcome.outputs.vbRows = flattenTables(std::move(vbTables));
            outcome.outputs.sources = std::move(generated.files);
            for (const std::string& warning : generated.warnings.messages())
                warnings.add(warning);
            if (!settings_.classModules())
                progress.set(40);
        }
        outcome.outputs.accessRows = std::move(accessRows);
        if (workbookFailure)
            std::rethrow_exception(workbookFailure);
        if (built) {
            for (int value : built->progressValues)
                progress.set(value);
            for (const std::string& warning : built->warnings.messages())
                warnings.add(warning);
            outcome.outputs.workbookBytes = std::move(built->bytes);
            outcome.outputs.workbookPath = outputPathStem + ".xls";
        }
        if (request.makeExcel)
            progress.set(80);
        if (makeDocuments)
            makeDocumentFiles(request, outputPathStem, outcome.outputs, warnings);
    } catch (...) {
        std::vector<std::string> notes;
        dropWorkTablesQuietly(store, notes);
        outcome.warnings = warnings.messages();
        outcome.warnings.insert(outcome.warnings.end(), notes.begin(), notes.end());
        throw;
    }
    outcome.warnings = warnings.messages();

    // The outputs are written while the work tables are dropped.
    std::vector<std::string> writeNotes;
    std::vector<std::string> dropNotes;
    std::future<void> written;
    if (mode == WriteMode::Write)
        written = std::async(std::launch::async, [&] { writeOutputs(outcome, writeNotes); });
    dropWorkTablesQuietly(store, dropNotes);
    auto addNotes = [&] {
        for (const auto* notes : {&writeNotes, &dropNotes})
            outcome.warnings.insert(outcome.warnings.end(), notes->begin(), notes->end());
    };
    try {
        if (written.valid())
            written.get();
    } catch (...) {
        addNotes();
        throw;
    }
    addNotes();
}

void RunDriver::writeOutputs(RunOutcome& outcome, std::vector<std::string>& notes) const
{
    step("ファイルの書き込み", [&] {
        const RunOutputs& outputs = outcome.outputs;
        std::string folder = folderOf(outputs.renameRecordPath);
        // What a killed run left: first its renames, completed as a set,
        // then its temporary files.
        if (std::optional<PendingRenames> pending = finishPendingRenames(outputs.renameRecordPath))
            notes.push_back("前回中断された書き込みを完了しました（" + std::to_string(pending->total) + " 件中 " +
                            std::to_string(pending->remaining) + " 件が未完了でした）: " + folder);
        removeTemporaryFiles(folder, [&](const std::string& target) { return isTemporaryOfRun(target, outputs, folder); });

        // Files that already hold this run's bytes are left alone (their
        // times stay, build tools and version control stay quiet). The rest
        // are all or nothing: a file that cannot be written leaves every
        // output of the earlier run in place, not a mix of both runs.
        // The bytes are compared and written where the generators left them.
        std::vector<FileToWrite> files;
        auto add = [&](const std::string& path, std::string_view bytes) {
            if (fileHolds(path, bytes)) {
                outcome.unchangedFiles.push_back(path);
            } else {
                outcome.writtenFiles.push_back(path);
                files.push_back({path, bytes});
            }
        };
        for (const OutputFile& file : outputs.sources)
            add(file.path, file.bytes());
        if (!outputs.workbookPath.empty())
            add(outputs.workbookPath, outputs.workbookBytes);
        for (const PendingFile& document : outputs.documents)
            add(document.path, document.bytes);
        doc::DocumentFolders folders(outputs.documents);
        try {
            writeFilesAtomically(files, outputs.renameRecordPath);
            folders.keep();
        } catch (...) {
            outcome.writtenFiles.clear();
            outcome.unchangedFiles.clear();
            throw;
        }
    });
}

void RunDriver::makeDocumentFiles(const RunRequest& request, const std::string& outputPathStem, RunOutputs& outputs,
                                  Warnings& warnings) const
{
    if (outputs.documented.relationshipsProblem)
        warnings.add(*outputs.documented.relationshipsProblem);
    if (request.docMarkdown) {
        step("Markdown定義書の作成", [&] {
            for (PendingFile& file : doc::markdownDocument(outputs.documented, sourceFileName_, outputPathStem + "-doc",
                                                                 request.history ? &*request.history : nullptr))
                outputs.documents.push_back(std::move(file));
        });
    }
    if (request.docXlsx) {
        step("Excel定義書 (xlsx) の作成", [&] {
            doc::PageTexts page;
            page.header = {settings_.HeaderLeft, settings_.HeaderCenter, settings_.HeaderRight};
            page.footer = {settings_.FooterLeft, settings_.FooterCenter, settings_.FooterRight};
            outputs.documents.push_back(
                {outputPathStem + ".xlsx", doc::xlsxDocument(outputs.documented, sourceFileName_, page,
                                                                   request.history ? &*request.history : nullptr)});
        });
    }
}

RunDriver::SourceResult RunDriver::generateSource(const std::vector<DefinitionTable>& vbTables, const IdentifierSet& ids,
                                                  const TypePrefixes& prefixes, const std::string& outputFolder,
                                                  const std::string& outputPathStem, const std::string& moduleName) const
{
    SourceResult result;
    GenerationContext ctx{settings_, ids, prefixes, result.warnings, {}, {}};
    if (!settings_.classModules()) {
        step("標準モジュールの作成", [&] {
            if (generators_.standardModule)
                result.files.push_back(generators_.standardModule(vbTables, outputPathStem, moduleName, ctx));
        });
    } else {
        step("クラスモジュールの作成", [&] {
            if (generators_.classModules)
                result.files = generators_.classModules(vbTables, outputFolder, ctx);
        });
    }
    return result;
}

RunDriver::WorkbookResult RunDriver::buildWorkbook(std::vector<DefinitionTable> accessTables, int start) const
{
    WorkbookResult result;
    Progress recorder([&result](int value) { result.progressValues.push_back(value); }, start);
    step("Excel定義書の作成", [&] {
        result.bytes = generators_.workbook(std::move(accessTables), settings_, sourceFileName_, recorder, result.warnings);
    });
    return result;
}

}  // namespace schemist
