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

}  // namespace

RunDriver::RunDriver(RunSettings& settings, SchemaReader reader, GeneratorSlots generators)
    : settings_(settings), reader_(std::move(reader)), generators_(std::move(generators))
{
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
        runGeneration(request, progress, outcome);
        if (mode == WriteMode::Write) {
            step("ファイルの書き込み", [&] {
                // All or nothing: a file that cannot be written leaves every
                // output of the earlier run in place, not a mix of both runs.
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
        outcome.succeeded = true;
    } catch (const Error& e) {
        outcome.error = e.what();
    }
    progress.set(60);
    progress.set(0);
    return outcome;
}

void RunDriver::runGeneration(const RunRequest& request, Progress& progress, RunOutcome& outcome)
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
    try {
        ImportResult imported = step("スキーマの取り込み", [&] { return ImportSchema(store, schema, request.tables); });
        const IdentifierSet& ids = imported.ids;
        outcome.outputs.accessRows = std::move(imported.rows);
        progress.set(20);
        if ((request.makeVB || request.makeExcel) && outcome.outputs.accessRows.empty())
            throw Error("スキーマの取り込みに失敗しました: 処理対象のテーブルにフィールドがありません (" +
                        request.sourcePath + ")");

        if (request.makeVB) {
            outcome.outputs.vbRows = step("定義の変換", [&] {
                return ConvertDefinitions(store, outcome.outputs.accessRows, warnings);
            });
            progress.set(30);
            std::vector<DefinitionTable> vbTables = groupByTable(outcome.outputs.vbRows);
            TypePrefixes prefixes = LoadTypePrefixes(store);
            GenerationContext ctx{settings_, ids, prefixes, warnings, {}};
            if (settings_.ModuleKind != 3) {
                step("標準モジュールの作成", [&] {
                    if (generators_.standardModule)
                        outcome.outputs.sources.push_back(
                            generators_.standardModule(vbTables, outputPathStem, moduleName, ctx));
                });
                progress.set(40);
            } else {
                outcome.outputs.classPrefixes = {ids.ClassPrefix, ids.CollectionPrefix};
                step("クラスモジュールの作成", [&] {
                    if (generators_.classModules)
                        outcome.outputs.sources = generators_.classModules(vbTables, request.outputFolder, ctx);
                });
            }
        }
        if (request.makeExcel) {
            step("Excel定義書の作成", [&] {
                if (!generators_.workbook)
                    return;
                std::vector<DefinitionTable> accessTables = groupByTable(outcome.outputs.accessRows);
                outcome.outputs.workbookBytes =
                    generators_.workbook(accessTables, settings_, sourceFileName_, progress, warnings);
                outcome.outputs.workbookPath = outputPathStem + ".xls";
            });
            progress.set(80);
        }
    } catch (...) {
        outcome.warnings = warnings.messages();
        dropWorkTablesQuietly(store, outcome);
        throw;
    }
    outcome.warnings = warnings.messages();
    dropWorkTablesQuietly(store, outcome);
    if (!outcome.error.empty())
        throw Error(outcome.error);
}

}  // namespace schemist
