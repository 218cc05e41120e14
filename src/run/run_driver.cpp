// The road of one run.
#include "run/run_driver.h"

#include "convert/definition_conversion.h"
#include "convert/name_lookup.h"
#include "import/schema_import.h"
#include "platform/atomic_file.h"
#include "platform/dao.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "store/work_tables.h"

#include <future>
#include <malloc.h>
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

// Drops the work tables after a run, whatever became of it. A failure here
// must not hide the run's own error.
void dropWorkTablesQuietly(dao::Database& store, RunOutcome& outcome)
{
    try {
        DropWorkTables(store);
    } catch (const Error& e) {
        if (outcome.error.empty()) {
            outcome.error = std::string("作業テーブルの削除に失敗しました: ") + e.what();
            outcome.succeeded = false;
        }
    }
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

RunDriver::RunDriver(RunSettings& settings, SchemaReader reader, GeneratorSlots generators)
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
    settings_.MakeVB = request.makeVB ? kTrue : kFalse;
    settings_.MakeExcel = request.makeExcel ? kTrue : kFalse;
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
    if (request.makeVB || request.makeExcel)
        step("出力先の確認", [&] { checkOutputFolder(request.outputFolder); });

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

    dao::Database store = step("作業用データベースのオープン", [&] {
        return dao::Database::open(settings_.WorkStorePath, dao::OpenMode::Exclusive);
    });
    Warnings warnings;
    std::future<WorkbookResult> workbook;
    try {
        IdentifierSet ids = step("スキーマの取り込み", [&] {
            return ImportSchema(store, schema, request.tables, outcome.outputs.accessRows,
                                [&](const std::vector<DefinitionRow>& rows) {
                if ((request.makeVB || request.makeExcel) && rows.empty())
                    throw Error("処理対象のテーブルにフィールドがありません (" + request.sourcePath + ")");
            });
        });
        schema = SourceSchema();  // everything later works from the rows
        progress.set(20);

        // Each set of rows exists once: a generator gets the rows moved into
        // its tables and hands them back when done. The workbook needs only
        // the import's rows, so it is built beside the conversion and the
        // source; its progress and warnings are passed on in the run's order.
        ConvertedRows converted;
        if (request.makeVB)
            converted = step("定義の変換", [&] { return convertRows(store, outcome.outputs.accessRows, warnings); });
        if (request.makeExcel && generators_.workbook) {
            int start = !request.makeVB ? 20 : settings_.ModuleKind != 3 ? 40 : 30;
            std::vector<DefinitionTable> accessTables = groupByTable(std::move(outcome.outputs.accessRows));
            workbook = std::async(std::launch::async, [this, start, tables = std::move(accessTables)]() mutable {
                return buildWorkbook(std::move(tables), start);
            });
        }

        if (request.makeVB) {
            step("定義の変換", [&] { writeConvertedRows(store, converted); });
            converted.inside = {};
            TypePrefixes prefixes = LoadTypePrefixes(store);
            if (settings_.ModuleKind == 3)
                outcome.outputs.classPrefixes = {ids.ClassPrefix, ids.CollectionPrefix};
            progress.set(30);
            std::vector<DefinitionTable> vbTables = groupByTable(std::move(converted.vb));
            SourceResult generated =
                generateSource(vbTables, ids, prefixes, request.outputFolder, outputPathStem, moduleName);
            outcome.outputs.vbRows = flattenTables(std::move(vbTables));
            outcome.outputs.sources = std::move(generated.files);
            for (const std::string& warning : generated.warnings.messages())
                warnings.add(warning);
            if (settings_.ModuleKind != 3)
                progress.set(40);
        }
        if (workbook.valid()) {
            WorkbookResult built = workbook.get();
            outcome.outputs.accessRows = flattenTables(std::move(built.tables));
            for (int value : built.progressValues)
                progress.set(value);
            for (const std::string& warning : built.warnings.messages())
                warnings.add(warning);
            outcome.outputs.workbookBytes = std::move(built.bytes);
            outcome.outputs.workbookPath = outputPathStem + ".xls";
        }
        if (request.makeExcel)
            progress.set(80);
    } catch (...) {
        if (workbook.valid())
            workbook.wait();
        outcome.warnings = warnings.messages();
        dropWorkTablesQuietly(store, outcome);
        throw;
    }
    outcome.warnings = warnings.messages();

    // The outputs are written while the work tables are dropped.
    std::future<void> written;
    if (mode == WriteMode::Write)
        written = std::async(std::launch::async, [&] { writeOutputs(outcome); });
    dropWorkTablesQuietly(store, outcome);
    if (written.valid())
        written.get();
    if (!outcome.error.empty())
        throw Error(outcome.error);
}

void RunDriver::writeOutputs(RunOutcome& outcome) const
{
    step("ファイルの書き込み", [&] {
        // All or nothing: a file that cannot be written leaves every output
        // of the earlier run in place, not a mix of both runs.
        std::vector<PendingFile> files;
        for (const OutputFile& file : outcome.outputs.sources)
            files.push_back({file.path, file.bytes()});
        if (!outcome.outputs.workbookPath.empty())
            files.push_back({outcome.outputs.workbookPath, outcome.outputs.workbookBytes});
        writeFilesAtomically(files);
        for (const PendingFile& file : files)
            outcome.writtenFiles.push_back(file.path);
    });
}

RunDriver::SourceResult RunDriver::generateSource(const std::vector<DefinitionTable>& vbTables, const IdentifierSet& ids,
                                                  const TypePrefixes& prefixes, const std::string& outputFolder,
                                                  const std::string& outputPathStem, const std::string& moduleName) const
{
    SourceResult result;
    GenerationContext ctx{settings_, ids, prefixes, result.warnings, {}, {}};
    if (settings_.ModuleKind != 3) {
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
    for (OutputFile& file : result.files)
        file.encode();
    return result;
}

RunDriver::WorkbookResult RunDriver::buildWorkbook(std::vector<DefinitionTable> accessTables, int start) const
{
    WorkbookResult result;
    result.tables = std::move(accessTables);
    Progress recorder([&result](int value) { result.progressValues.push_back(value); }, start);
    step("Excel定義書の作成", [&] {
        result.bytes = generators_.workbook(result.tables, settings_, sourceFileName_, recorder, result.warnings);
    });
    return result;
}

}  // namespace schemist
