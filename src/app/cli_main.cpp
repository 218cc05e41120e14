// schemist-cli: the run of the main window's Start button, from the command
// line. Messages go to standard error; exit status 0 on success, 2 on any
// failure, 64 on bad usage.
#include "cli_diff.h"
#include "cli_command.h"
#include "cli_japanese.h"
#include "exit_status.h"
#include "doc/change_history.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/atomic_file.h"
#include "platform/text.h"
#include "project/project_file.h"
#include "run/definition_lines.h"
#include "run/definitions_json.h"
#include "run/output_check.h"
#include "run/output_name.h"
#include "run/run_driver.h"
#include "run/setting_number.h"
#include "run/startup.h"
#include "run/table_selection.h"
#include "store/default_data.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <iostream>
#include <unistd.h>

using namespace schemist;
using namespace schemist::cli;

namespace {

struct CliOptions {
    std::string source;
    std::vector<std::string> tables;
    std::string outputFolder = ".";
    std::string outputName;
    bool noVB = false;
    bool noExcel = false;
    bool list = false;
    bool showDefinitions = false;
    bool check = false;
    std::string definitionsJson;
    bool init = false;
    bool version = false;
    std::string store;
    std::string jet3Charset = "CP932";
    // Run settings as typed; checked and converted after parsing.
    std::map<std::string, std::string> numbers;
    std::optional<bool> with;
    bool collection = false;
    // Definition documents (--doc md,xlsx).
    std::vector<std::string> documents;
    std::string project;
    std::string saveProject;
    // Revision history of the documents (--history-from SNAPSHOT).
    std::string historyFrom;
    std::string historyLabel;
};

struct NumberOption {
    const char* flag;
    const char* help;
    NumberedSetting setting;

    NumberRange range() const { return settingRange(setting); }
};

const NumberOption kNumberOptions[] = {
    {"--module-kind", "1 = 標準モジュール(ユーザー定義型), 2 = 標準モジュール(内部変数なし), 3 = クラスモジュール", NumberedSetting::ModuleKind},
    {"--field-style", "1 = .fields(\"x\").value 形式, 2 = ![x] 形式", NumberedSetting::FieldStyle},
    {"--check-style", "1 = If...Then...Else, 2 = Null チェック関数", NumberedSetting::CheckStyle},
    {"--comment-pos", "コメントの位置 (バイト, 0-999)", NumberedSetting::CommentPos},
    {"--tab-size", "Tab文字数 (0-32767)", NumberedSetting::TabSize},
    {"--header-left", "ヘッダー左 (0 なし, 1 テーブル名, 2 ファイル名, 3 ページNo)", NumberedSetting::HeaderLeft},
    {"--header-center", "ヘッダー中央 (0-3)", NumberedSetting::HeaderCenter},
    {"--header-right", "ヘッダー右 (0-3)", NumberedSetting::HeaderRight},
    {"--footer-left", "フッター左 (0-3)", NumberedSetting::FooterLeft},
    {"--footer-center", "フッター中央 (0-3)", NumberedSetting::FooterCenter},
    {"--footer-right", "フッター右 (0-3)", NumberedSetting::FooterRight},
};

// Names in messages come from files and the command line: a control
// character in them is shown, never sent to the terminal.
using cli::message;

bool applySettings(const CliOptions& options, RunSettings& settings)
{
    for (const NumberOption& option : kNumberOptions) {
        auto it = options.numbers.find(option.flag);
        if (it == options.numbers.end())
            continue;
        auto value = ParseSettingNumber(it->second, option.range().min, option.range().max);
        if (!value) {
            message(std::string("数値が正しくありません: ") + option.flag + " " + it->second + "（" +
                    std::to_string(option.range().min) + "から" + std::to_string(option.range().max) + "までの整数を指定してください）");
            return false;
        }
        setSettingNumber(settings, option.setting, *value);
    }
    if (options.with)
        settings.WithFlag = *options.with ? kTrue : kFalse;
    if (options.collection) {
        if (!settings.classModules()) {
            message("--collection はクラスモジュール (--module-kind 3) と一緒に指定してください");
            return false;
        }
        settings.CollectionFlag = kTrue;
    }
    return true;
}

// Requests that cannot be carried out as asked, refused before anything is
// read: a bad output name, two formats on standard output, or nothing to do.
std::optional<std::string> usageProblem(const CliOptions& o)
{
    if (auto problem = outputNameProblem(o.outputName))
        return problem;
    int standardOutputWriters = int(o.list) + int(o.showDefinitions) + int(o.check) + int(o.definitionsJson == "-");
    if (standardOutputWriters > 1)
        return std::string("標準出力に書くオプションは 1 つだけ指定してください "
                           "(--list, --show-definitions, --check, --definitions-json - のいずれか)");
    bool somethingToDo = !o.noVB || !o.noExcel || o.list || o.showDefinitions || !o.definitionsJson.empty() || o.init ||
                         !o.documents.empty();
    if (!o.historyFrom.empty() && o.documents.empty())
        return std::string("--history-from は --doc と一緒に指定してください (改訂履歴は定義書に載せます)");
    if (!o.historyLabel.empty() && o.historyFrom.empty())
        return std::string("--history-label は --history-from と一緒に指定してください");
    if (!somethingToDo)
        return std::string("--no-vb と --no-excel を両方指定すると何も作成しません "
                           "(--doc, --list, --show-definitions, --definitions-json と一緒に指定してください)");
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

void showProgressOnTerminal(int value)
{
    static const bool onTerminal = ::isatty(STDERR_FILENO);  // asked once: a class run reports hundreds of values
    if (onTerminal)
        std::fprintf(stderr, "\r進行状況: %3d%%%s", value, value == 0 ? "\r\033[K" : "");
}

void defineOptions(CLI::App& app, CliOptions& o)
{
    app.add_option("ファイル", o.source, "入力データ (.mdb / .accdb)")->type_name("");
    app.add_option("--tables", o.tables,
                   "処理対象のテーブル (カンマ区切り、大文字と小文字は区別しない; 既定: すべてのローカルテーブル)")
        ->delimiter(',')
        ->type_name("テーブル名");
    app.add_option("--out", o.outputFolder, "出力先フォルダ (既定: カレントフォルダ)")->type_name("フォルダ");
    app.add_option("--name", o.outputName, "出力ファイル名(モジュール名) (既定: 入力データのファイル名)")
        ->type_name("名前");
    app.add_flag("--no-vb", o.noVB, "VBソースを作成しない");
    app.add_flag("--no-excel", o.noExcel, "データベース構造をExcelに出力しない");
    for (const NumberOption& option : kNumberOptions)
        app.add_option_function<std::string>(option.flag, [&o, &option](const std::string& v) { o.numbers[option.flag] = v; },
                                              option.help)
            ->type_name("数値");
    app.add_flag_function("--with", [&o](std::int64_t) { o.with = true; }, "With...End Withによる省略を行う (既定)");
    app.add_flag_function("--no-with", [&o](std::int64_t) { o.with = false; }, "With...End Withによる省略を行わない");
    app.add_flag("--collection", o.collection, "複数レコード読み書きサポートで出力 (クラスモジュール)");
    app.add_flag("--list", o.list, "処理対象にできるテーブル名を1行に1つ出力する");
    app.add_flag("--show-definitions", o.showDefinitions, "変換した定義 (Access_Table と VB_Table の行) を出力する (ファイルは作成しない)");
    app.add_flag("--check", o.check,
                 "出力先のファイルが最新か調べる (何も書き込まない; 0 = 最新, 1 = 変更あり, 2 = 失敗)");
    app.add_option("--definitions-json", o.definitionsJson,
                   "変換した定義を JSON でファイルに書き出す (- は標準出力; 出力ファイルも通常どおり作成する。"
                   "作成しない場合は --check と併用。ただし --check と - は併用できない)")
        ->type_name("ファイル");
    app.add_option("--jet3-charset", o.jet3Charset, "Access 97 形式のファイルの文字コード (既定: CP932)")
        ->type_name("文字コード");
    app.add_flag("--init", o.init, "初期データを作成する (作業用データベースを作り直す)");
    app.add_option("--store", o.store, "作業用データベースのパス (既定: ドキュメントフォルダの SCHM.db)")
        ->type_name("ファイル");
    app.add_option("--project", o.project,
                   "プロジェクトファイル (TOML) から入力データ・出力先・設定を読み込む (コマンドラインの指定が優先)")
        ->type_name("ファイル");
    app.add_option("--save-project", o.saveProject,
                   "指定した入力データ・出力先・設定をプロジェクトファイルに保存して終了する (実行はしない)")
        ->type_name("ファイル");
    app.footer("標準出力に書くのは --list, --show-definitions, --check, --definitions-json - のうち 1 つだけです。\n"
               "スキーマの違いの表示: schemist-cli diff 比較元 比較先 (詳しくは schemist-cli diff --help)\n"
               "終了ステータス: 0 成功 (--check では最新), 1 --check で変更あり, 2 失敗, 64 使い方の誤り\n"
               "詳しくは man schemist-cli を参照してください。");
    app.add_flag("--version", o.version, "バージョンを表示する");
    app.add_option("--doc", o.documents,
                   "定義書を作成する (カンマ区切り: md = Markdown のフォルダ 名前-doc/、xlsx = 名前.xlsx)")
        ->delimiter(',');
    app.add_option("--history-from", o.historyFrom,
                   "定義書に改訂履歴を載せる: 前回 --definitions-json で書き出したファイルからの変更 (--doc と併用)")
        ->type_name("ファイル");
    app.add_option("--history-label", o.historyLabel, "改訂履歴に載せる版 (例: 1.2)")->type_name("版");
}

// Sets the request's documents from --doc; false after a message for a
// value that names no document kind.
bool applyDocuments(const CliOptions& options, RunRequest& request)
{
    for (const std::string& kind : options.documents) {
        if (kind == "md") {
            request.docMarkdown = true;
        } else if (kind == "xlsx") {
            request.docXlsx = true;
        } else {
            message("--doc には md または xlsx を指定してください (カンマ区切りで複数可): " + kind);
            return false;
        }
    }
    return true;
}

// The project file: what the command line gave (and only that) laid over the
// file's contents, then either saved or used as if typed on the command line.
Project projectFromCommandLine(const CLI::App& app, const CliOptions& o)
{
    Project given;
    if (!o.source.empty())
        given.database = o.source;
    if (!o.tables.empty())
        given.tables = o.tables;
    if (app.count("--out"))
        given.outputFolder = o.outputFolder;
    if (app.count("--name"))
        given.outputName = o.outputName;
    if (o.noVB)
        given.makeVB = false;
    if (o.noExcel)
        given.makeWorkbook = false;
    if (!o.documents.empty())
        given.documents = o.documents;
    if (!o.historyFrom.empty())
        given.historyFrom = o.historyFrom;
    if (!o.historyLabel.empty())
        given.historyLabel = o.historyLabel;
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        for (const NumberOption& option : kNumberOptions) {
            auto it = o.numbers.find(option.flag);
            if (option.setting == setting.setting && it != o.numbers.end())
                if (auto value = ParseSettingNumber(it->second, option.range().min, option.range().max))
                    given.numbers[setting.key] = *value;
        }
    given.with = o.with;
    if (o.collection)
        given.collection = true;
    if (app.count("--jet3-charset"))
        given.jet3Charset = o.jet3Charset;
    if (!o.store.empty())
        given.workStore = o.store;
    return given;
}

void useProject(const Project& project, CliOptions& o)
{
    o.source = project.database.value_or(o.source);
    o.tables = project.tables.value_or(o.tables);
    o.outputFolder = project.outputFolder.value_or(o.outputFolder);
    o.outputName = project.outputName.value_or(o.outputName);
    o.noVB = !project.makeVB.value_or(!o.noVB);
    o.noExcel = !project.makeWorkbook.value_or(!o.noExcel);
    o.documents = project.documents.value_or(o.documents);
    o.historyFrom = project.historyFrom.value_or(o.historyFrom);
    o.historyLabel = project.historyLabel.value_or(o.historyLabel);
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        for (const NumberOption& option : kNumberOptions)
            if (option.setting == setting.setting && project.numbers.count(setting.key) && !o.numbers.count(option.flag))
                o.numbers[option.flag] = std::to_string(project.numbers.at(setting.key));
    o.with = project.with ? project.with : o.with;
    o.collection = project.collection.value_or(o.collection);
    o.jet3Charset = project.jet3Charset.value_or(o.jet3Charset);
    o.store = project.workStore.value_or(o.store);
}

// An exit status when the project file ends the command (saved, or faulty).
std::optional<int> applyProjectFile(const CLI::App& app, CliOptions& o)
{
    if (o.project.empty() && o.saveProject.empty())
        return std::nullopt;
    Project project = projectFromCommandLine(app, o);
    try {
        if (!o.project.empty())
            project = mergeProjects(readProjectFile(o.project), project);
    } catch (const ProjectError& e) {
        message(e.what());
        return e.usage ? kExitUsage : kExitFailure;
    }
    useProject(project, o);
    if (o.saveProject.empty())
        return std::nullopt;
    RunSettings checked = RunSettings::startValues();
    if (!applySettings(o, checked))
        return kExitUsage;
    if (auto problem = outputNameProblem(o.outputName)) {
        message(*problem);
        return kExitUsage;
    }
    writeProjectFile(project, o.saveProject);
    message("プロジェクトファイルを保存しました: " + o.saveProject);
    return kExitOk;
}

int runCommand(const CliOptions& o)
{
    if (o.version) {
        std::cout << kVersionMessage << '\n';
        return kExitOk;
    }
    if (auto problem = usageProblem(o)) {
        message(*problem + " (schemist-cli --help で使い方を表示します)");
        return kExitUsage;
    }
    RunSettings requested = RunSettings::startValues();
    RunRequest request;
    if (!applySettings(o, requested) || !applyDocuments(o, request))
        return kExitUsage;
    // A snapshot that cannot be used is found out before the database is read.
    if (!o.historyFrom.empty())
        request.history = doc::changeHistoryFrom(o.historyFrom, o.historyLabel);
    std::optional<std::string> storeOverride;
    if (!o.store.empty())
        storeOverride = o.store;
    if (o.init) {
        std::string path = storeOverride ? *storeOverride : WorkStorePath(processEnvironment());
        RebuildWorkStore(path, true);
        message("作業用データベースを作成しました: " + path);
        if (o.source.empty())
            return kExitOk;
    }
    StartupState state = Startup(processEnvironment(), storeOverride);
    if (state.storeCreated)
        message("作業用データベースを作成しました: " + state.settings.WorkStorePath);
    if (o.source.empty()) {
        if (o.init)
            return kExitOk;
        message("入力データを指定してください (schemist-cli --help で使い方を表示します)");
        return kExitUsage;
    }

    RunSettings& settings = state.settings;
    requested.WorkStorePath = settings.WorkStorePath;
    settings = requested;
    RunDriver driver(settings);
    driver.jet3Charset = o.jet3Charset;

    if (o.list) {
        for (const std::string& name : driver.listTables(o.source))
            std::cout << printableText(name) << '\n';
        return kExitOk;
    }
    if (state.storeProblem) {
        message(*state.storeProblem);
        return kExitFailure;
    }

    request.sourcePath = o.source;
    const std::vector<std::string> localTables = driver.listTables(o.source);
    if (o.tables.empty()) {
        request.tables = localTables;
    } else {
        std::vector<std::string> unknown;
        request.tables = tablesAsSpelled(o.tables, localTables, unknown);
        if (!unknown.empty()) {
            message("テーブルが見つかりません: " + joined(unknown) + " (" + o.source +
                    ")。処理対象にできるテーブルは schemist-cli --list で表示します");
            return kExitFailure;
        }
        if (request.tables.empty()) {
            message("--tables にテーブル名を指定してください");
            return kExitUsage;
        }
    }
    if (request.tables.empty()) {
        message("処理できるテーブルがありません (システムテーブルとリンクテーブルは対象外です): " + o.source);
        return kExitFailure;
    }
    request.outputFolder = o.outputFolder;
    request.outputName = o.outputName.empty() ? fileNameOf(pathStem(o.source)) : o.outputName;
    // The name taken from the source file obeys the rule for typed names.
    if (auto problem = outputNameProblem(request.outputName)) {
        message(*problem + " (--name で出力ファイル名を指定してください)");
        return kExitUsage;
    }
    request.makeVB = !o.noVB;
    request.makeExcel = !o.noExcel;
    request.keepSchema = !o.definitionsJson.empty();
    request.keepRows = o.showDefinitions || !o.definitionsJson.empty();

    Progress progress(showProgressOnTerminal);
    bool inMemory = o.showDefinitions || o.check;
    RunOutcome outcome = driver.start(request, progress, inMemory ? WriteMode::InMemory : WriteMode::Write);
    if (outcome.inputMessage) {
        message(*outcome.inputMessage);
        return kExitFailure;
    }
    cli::messages(outcome.warnings, "警告: ");
    if (!outcome.succeeded) {
        message(outcome.error);
        return kExitFailure;
    }
    if (!o.definitionsJson.empty()) {
        std::string json = definitionsJson(outcome, o.source);
        if (o.definitionsJson == "-")
            std::cout << json;
        else
            writeFileAtomically(o.definitionsJson, json);
    }
    if (o.showDefinitions) {
        std::cout << definitionLines("Access_Table", outcome.outputs.accessRows)
                  << definitionLines("VB_Table", outcome.outputs.vbRows);
    }
    if (!inMemory && (!outcome.writtenFiles.empty() || !outcome.unchangedFiles.empty()))
        message("書き込み: " + std::to_string(outcome.writtenFiles.size()) + " 件、変更なし: " +
                std::to_string(outcome.unchangedFiles.size()) + " 件");
    if (o.check) {
        auto differences = compareWithFolder(outcome.outputs, request.outputFolder, outcome.outputs.classPrefixes);
        if (differences.empty())
            return kExitOk;
        std::cout << printableText(describeDifferences(differences), true);
        message("生成ファイルはデータベースと一致していません: " + std::to_string(differences.size()) + " 件");
        return kExitDifferent;
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv)
{
    // "diff" is a command of its own with its own arguments; a database
    // named diff is still reached as ./diff.
    if (argc > 1 && std::string(argv[1]) == "diff")
        return cli::runDiffCommand(argc, argv);
    CLI::App app{"Schemist for Access: Access のテーブル定義から Visual Basic のソースと Excel の定義書を作成します", "schemist-cli"};
    CliOptions options;
    cli::useJapaneseHelp(app);
    defineOptions(app, options);
    app.failure_message(cli::japaneseFailureMessage);
    if (std::optional<int> status = cli::parseArguments(app, argc, argv))
        return *status;
    return cli::finishCommand([&] {
        if (auto status = applyProjectFile(app, options))
            return *status;
        return runCommand(options);
    });
}
