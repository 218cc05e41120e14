// The Japanese texts of Qt's own widgets, as a translator that knows only
// the few dozen strings this program's windows can show.
#include "ui/qt_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace schemist::ui {
namespace {

// Keyed by Qt's source text; the same English means the same thing in every
// class that shows it here, so the class (context) is not looked at.
const QHash<QString, QString>& japaneseTexts()
{
    static const QHash<QString, QString> texts = {
        // File dialog: sidebar, tool buttons and their tooltips.
        {"Computer", "コンピューター"},
        {"My Computer", "コンピューター"},
        {"Recent Places", "最近使った場所"},
        {"Back", "戻る"},
        {"Forward", "進む"},
        {"Parent Directory", "親フォルダー"},
        {"Create New Folder", "新しいフォルダーを作成"},
        {"List View", "一覧表示"},
        {"Detail View", "詳細表示"},
        {"Go back", "戻る"},
        {"Go forward", "進む"},
        {"Go to the parent directory", "親フォルダーへ"},
        {"Create a New Folder", "新しいフォルダーを作成"},
        {"Change to list view mode", "一覧表示にする"},
        {"Change to detail view mode", "詳細表示にする"},
        {"List of places and bookmarks", "場所とブックマーク"},
        {"Sidebar", "サイドバー"},
        {"Files", "ファイル"},
        // File dialog: labels, buttons and its context menu.
        {"Look in:", "場所:"},
        {"File &name:", "ファイル名(&N):"},
        {"File name:", "ファイル名:"},
        {"Files of type:", "ファイルの種類:"},
        {"Directory:", "フォルダー:"},
        {"Directories", "フォルダー"},
        {"&Open", "開く(&O)"},
        {"&Save", "保存(&S)"},
        {"&Choose", "選択(&C)"},
        {"Open", "開く"},
        {"Save", "保存"},
        {"Save As", "名前を付けて保存"},
        {"Find Directory", "フォルダーを選択"},
        {"All Files (*)", "すべてのファイル (*)"},
        {"New Folder", "新しいフォルダー"},
        {"&New Folder", "新しいフォルダー(&N)"},
        {"&Rename", "名前の変更(&R)"},
        {"&Delete", "削除(&D)"},
        {"Show &hidden files", "隠しファイルを表示(&H)"},
        {"Show ", "表示 "},
        // File dialog: questions and refusals.
        {"%1 already exists.\nDo you want to replace it?", "%1 は既にあります。\n置き換えますか?"},
        {"%1\nFile not found.\nPlease verify the correct file name was given.",
         "%1\nファイルが見つかりません。\nファイル名を確認してください。"},
        {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
         "%1\nフォルダーが見つかりません。\nフォルダー名を確認してください。"},
        {"'%1' is write protected.\nDo you want to delete it anyway?", "'%1' は書き込み禁止です。\n削除しますか?"},
        {"Are you sure you want to delete '%1'?", "'%1' を削除しますか?"},
        {"Could not delete directory.", "フォルダーを削除できません。"},
        // File list: columns and file types.
        {"Name", "名前"},
        {"Size", "サイズ"},
        {"Type", "種類"},
        {"Kind", "種類"},
        {"Date Modified", "更新日時"},
        {"Folder", "フォルダー"},
        {"File Folder", "フォルダー"},
        {"File", "ファイル"},
        {"%1 File", "%1 ファイル"},
        {"Drive", "ドライブ"},
        {"Shortcut", "ショートカット"},
        {"Alias", "エイリアス"},
        {"Unknown", "不明"},
        {"%1 bytes", "%1 バイト"},
        // Buttons of Qt's own message boxes.
        {"OK", "OK"},
        {"&OK", "OK"},
        {"Cancel", "キャンセル"},
        {"&Cancel", "キャンセル"},
        {"&Yes", "はい(&Y)"},
        {"&No", "いいえ(&N)"},
        {"Yes", "はい"},
        {"No", "いいえ"},
        // Context menu of text boxes.
        {"&Undo", "元に戻す(&U)"},
        {"&Redo", "やり直し(&R)"},
        {"Cu&t", "切り取り(&T)"},
        {"&Copy", "コピー(&C)"},
        {"&Paste", "貼り付け(&P)"},
        {"Delete", "削除"},
        {"Select All", "すべて選択"},
    };
    return texts;
}

class JapaneseQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        // Qt's own classes only; the program's texts are Japanese already.
        if (!context || context[0] != 'Q' || !sourceText)
            return {};
        return japaneseTexts().value(QString::fromUtf8(sourceText));
    }
};

}  // namespace

void installJapaneseQtTexts()
{
    static JapaneseQtTexts* installed = nullptr;
    if (installed || !QCoreApplication::instance())
        return;
    installed = new JapaneseQtTexts(QCoreApplication::instance());
    QCoreApplication::installTranslator(installed);
}

}  // namespace schemist::ui
