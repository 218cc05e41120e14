// Messages of a failed source read, in the user's language.
#include "platform/mdb/read_failure.h"

namespace schemist::mdb {

Error readFailure(const std::string& path, const std::string& reason)
{
    return Error("データベースを読み込めません: " + path + ": " + reason);
}

namespace reason {

std::string damagedTable(const std::string& table)
{
    return "ファイルが壊れています（テーブル「" + table + "」の定義を読めません）";
}

std::string unknownCharset(const std::string& charset)
{
    return "文字コード「" + charset + "」は使えません";
}

std::string timedOut(long long milliseconds)
{
    long long seconds = (milliseconds + 999) / 1000;
    return "読み込みが " + std::to_string(seconds) + " 秒以内に終わりませんでした（ファイルが壊れている可能性があります）";
}

std::string exitedWith(int status)
{
    return "読み取り処理が異常終了しました（終了コード " + std::to_string(status) + "）";
}

std::string killedBySignal(int signal)
{
    return std::string(kCrashed) + "（シグナル " + std::to_string(signal) + "）";
}

}  // namespace reason

namespace notice {

std::string trailingBytes(const std::string& path, std::uint64_t count)
{
    return "データベースの末尾の " + std::to_string(count) +
           " バイトはページの途中で終わっているため読み飛ばしました: " + path;
}

std::string unreadCatalogRows(const std::string& path, std::uint64_t count)
{
    return "テーブル一覧の " + std::to_string(count) +
           " 行を読めませんでした（ファイルが壊れている可能性があります。一覧にないテーブルがあるかもしれません）: " + path;
}

std::string foreignCatalogPage(const std::string& path, std::uint32_t page)
{
    return "テーブル一覧のページ " + std::to_string(page) +
           " にテーブル一覧ではないデータがあり、読み飛ばしました（ファイルが壊れている可能性があります）: " + path;
}

}  // namespace notice
}  // namespace schemist::mdb
