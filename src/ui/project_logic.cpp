// Opening and saving a project in the main window.
#include "ui/project_logic.h"

#include "platform/paths.h"
#include "platform/text.h"
#include "run/output_name.h"


namespace schemist::ui {
namespace {

bool sameSettings(const RunSettings& a, const RunSettings& b)
{
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        if (settingNumber(a, setting.setting) != settingNumber(b, setting.setting))
            return false;
    return a.WithFlag == b.WithFlag && a.CollectionFlag == b.CollectionFlag && a.WorkStorePath == b.WorkStorePath;
}

// A fault of the file's content found after it was read; the reader no
// longer knows the line, so the key stands for it.
[[noreturn]] void refuse(const std::string& what, const std::string& path, const std::string& detail)
{
    throw ProjectError(what + ": " + path + ": " + detail, true);
}

void checkOpened(const Project& project, const WindowProject& window, const std::string& path)
{
    if (project.database && !fileExists(*project.database))
        refuse("プロジェクトファイルの入力データが見つかりません", path, "source.database (" + *project.database + ")");
    if (project.outputFolder && !directoryExists(*project.outputFolder))
        refuse("プロジェクトファイルの出力先フォルダが見つかりません", path, "output.folder (" + *project.outputFolder + ")");
    if (project.historyFrom && !fileExists(*project.historyFrom))
        refuse("プロジェクトファイルの改訂履歴の比較元が見つかりません", path, "output.history-from (" + *project.historyFrom + ")");
    if (auto problem = window.documents.problem())
        refuse("プロジェクトファイルの値が正しくありません", path,
               (project.historyFrom ? "output.history-from (" : "output.history-label (") + *problem + ")");
    // The command line refuses --collection without class modules; so does the window.
    if (project.collection.value_or(false) && !window.settings.classModules())
        refuse("プロジェクトファイルの値が正しくありません", path,
               "settings.collection (module-kind = \"class\" のときだけ true にできます)");
}

}  // namespace

bool WindowProject::operator==(const WindowProject& o) const
{
    return database == o.database && tables == o.tables && everyTable == o.everyTable &&
           outputFolder == o.outputFolder && outputName == o.outputName && makeVB == o.makeVB &&
           makeExcel == o.makeExcel && documents == o.documents && sameSettings(settings, o.settings) &&
           jet3Charset == o.jet3Charset;
}

Project ProjectLogic::projectOf(const WindowProject& w) const
{
    Project p;
    if (!w.database.empty())
        p.database = w.database;
    if (!w.everyTable && !w.tables.empty())
        p.tables = w.tables;
    if (w.jet3Charset != kDefaultJet3Charset)
        p.jet3Charset = w.jet3Charset;
    if (!w.outputFolder.empty())
        p.outputFolder = w.outputFolder;
    p.outputName = trimBlanks(w.outputName);
    p.makeVB = w.makeVB;
    p.makeWorkbook = w.makeExcel;
    p.documents = w.documents.kinds();
    if (!w.documents.historyFrom.empty())
        p.historyFrom = w.documents.historyFrom;
    if (!w.documents.historyLabel.empty())
        p.historyLabel = w.documents.historyLabel;
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        p.numbers[setting.key] = static_cast<std::int16_t>(settingNumber(w.settings, setting.setting));
    p.with = w.settings.WithFlag == kTrue;
    // Kept only where it means something: class modules.
    p.collection = w.settings.classModules() && w.settings.collection();
    if (w.settings.WorkStorePath != defaultWorkStore_)
        p.workStore = w.settings.WorkStorePath;
    return p;
}

WindowProject ProjectLogic::windowOf(const Project& p, const WindowProject& current) const
{
    WindowProject w;
    w.database = p.database.value_or(current.database);
    w.everyTable = !p.tables.has_value();
    w.tables = p.tables.value_or(std::vector<std::string>{});
    w.outputFolder = p.outputFolder.value_or(current.outputFolder);
    // Without a name, the database's name as --name defaults; a file without
    // a database leaves the window's file and name together as they were.
    if (p.outputName)
        w.outputName = *p.outputName;
    else if (p.database)
        w.outputName = fileNameOf(pathStem(*p.database));
    else
        w.outputName = current.outputName;
    w.makeVB = p.makeVB.value_or(true);
    w.makeExcel = p.makeWorkbook.value_or(true);
    w.documents = DocumentChoice::fromKinds(p.documents.value_or(std::vector<std::string>{}));
    w.documents.historyFrom = p.historyFrom.value_or("");
    w.documents.historyLabel = p.historyLabel.value_or("");
    w.settings = RunSettings::startValues();
    for (const ProjectNumberSetting& setting : projectNumberSettings()) {
        auto it = p.numbers.find(setting.key);
        if (it != p.numbers.end())
            setSettingNumber(w.settings, setting.setting, it->second);
    }
    if (p.with)
        w.settings.WithFlag = *p.with ? kTrue : kFalse;
    w.settings.CollectionFlag = p.collection.value_or(false) ? kTrue : kFalse;
    w.settings.WorkStorePath = p.workStore.value_or(defaultWorkStore_);
    w.jet3Charset = p.jet3Charset.value_or(kDefaultJet3Charset);
    return w;
}

WindowProject ProjectLogic::open(const std::string& path, const WindowProject& current)
{
    const Project project = readProjectFile(path);
    WindowProject window = windowOf(project, current);
    checkOpened(project, window, path);
    lastPath_ = path;
    return window;
}

std::optional<std::string> ProjectLogic::saveProblem(const WindowProject& window)
{
    // The message of the Start button: a project file cannot hold an empty name.
    if (trimBlanks(window.outputName).empty())
        return std::string("出力ファイル名を入力してください");
    return outputNameProblem(window.outputName);
}

void ProjectLogic::save(const std::string& path, const WindowProject& window)
{
    writeProjectFile(projectOf(window), path);
    lastPath_ = path;
}

}  // namespace schemist::ui
