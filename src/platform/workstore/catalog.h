// The catalog of a work store: every table definition kept as JSON in a
// table of its own, so that each attribute the program stores reads back as
// it was written, beside the store's format marker and locale. Used only
// inside the work store layer.
#pragma once

#include "platform/workstore/table_def.h"

#include <string>
#include <string_view>
#include <vector>

namespace schemist::dao {

class Connection;

// The marker a work store carries; any other file is refused.
inline constexpr const char* kFormatMarker = "schemist-work-store 1";

class Catalog {
public:
    // Makes the catalog and information tables of a new store.
    static void createIn(const Connection& connection, const std::string& locale);
    // The store's format marker; empty when the file has none (another
    // SQLite file). A lock, a full disk or a damaged file throws.
    static std::string formatMarker(const Connection& connection);
    static std::string locale(const Connection& connection);
    // Names the layer keeps for itself.
    static bool isReservedName(std::string_view name);

    // The table definitions in creation order; those read before are
    // reused only when `reuse` is set and forget() was not called since.
    const std::vector<TableDef>& tables(const Connection& connection, bool reuse);
    const TableDef* find(const Connection& connection, bool reuse, std::string_view name);
    void forget() { loaded_ = false; }
    void startEmpty();

    static void add(const Connection& connection, const TableDef& def);
    static void remove(const Connection& connection, std::string_view name);

private:
    bool loaded_ = false;
    std::vector<TableDef> tables_;
};

}  // namespace schemist::dao
