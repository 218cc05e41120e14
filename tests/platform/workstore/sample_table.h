// A table definition with one field of each kind the work store keeps, for
// the tests of the layer.
#pragma once

#include "platform/workstore/table_def.h"

#include <string>

namespace schemist::test {

inline dao::TableDef sampleTable(const std::string& name)
{
    using namespace schemist::dao;
    TableDef def;
    def.name = name;
    def.properties = {{"Description", dbText, Value("見本")}};
    def.fields = {
        {"Key", dbText, 10, false, {{"Description", dbText, Value("キー")}}},
        {"Flag", dbBoolean, 1, false, {}},
        {"Small", dbInteger, 2, false, {}},
        {"Tiny", dbByte, 1, false, {}},
        {"Big", dbLong, 4, false, {}},
        {"Amount", dbDouble, 8, false, {}},
        {"Note", dbMemo, 0, true, {{"AllowZeroLength", dbBoolean, Value(true)}}},
    };
    def.indexes = {{"PrimaryKey", "+Key", true, true, false}, {"ByNote", "-Note;+Big", false, false, true}};
    return def;
}

}  // namespace schemist::test
