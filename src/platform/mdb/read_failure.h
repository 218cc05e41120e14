// The one message shape of a failed source read, and the reasons it names.
#pragma once

#include "platform/error.h"

#include <cstdint>
#include <string>

namespace schemist::mdb {

// "データベースを読み込めません: <file>: <reason>"
Error readFailure(const std::string& path, const std::string& reason);

namespace reason {
inline const char* const kMissing = "ファイルがありません";
inline const char* const kNotAFile = "通常のファイルではありません";
inline const char* const kCannotOpen = "ファイルを開けません";
inline const char* const kNotAccess = "Access のデータベースではありません";
inline const char* const kTruncated = "ファイルが途中で切れています";
inline const char* const kDamagedCatalog = "ファイルが壊れています（テーブル一覧を読めません）";
inline const char* const kCrashed = "読み込み中に読み取り処理が異常終了しました（ファイルが壊れている可能性があります）";
inline const char* const kMalformedResult = "読み取り処理の結果が壊れています";
inline const char* const kNoChild = "読み取り処理を開始できません";

std::string damagedTable(const std::string& table);
std::string unknownCharset(const std::string& charset);
std::string timedOut(long long milliseconds);
std::string exitedWith(int status);
std::string killedBySignal(int signal);
}  // namespace reason

// Warnings of a read that went on past something it could not use; each
// names the file.
namespace notice {
std::string trailingBytes(const std::string& path, std::uint64_t count);
std::string unreadCatalogRows(const std::string& path, std::uint64_t count);
std::string foreignCatalogPage(const std::string& path, std::uint32_t page);
}  // namespace notice

}  // namespace schemist::mdb
