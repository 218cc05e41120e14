// The JSON form of a run's definitions, for texts the reader hands over and
// file names the system allows.
#include "run/definitions_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using namespace schemist;

TEST(DefinitionsJson, FileNameThatIsNotUtf8StillGivesADocument)
{
    RunOutcome outcome;
    DefinitionRow row;
    row.TableNo = 1;
    row.TableName = "Staff";
    row.TableComment = "社員\r\nマスタ";
    outcome.outputs.accessRows = {row};
    std::string json;
    ASSERT_NO_THROW(json = definitionsJson(outcome, "/data/caf\xE9.mdb"));
    nlohmann::json doc = nlohmann::json::parse(json);
    EXPECT_EQ(doc["source"], "/data/caf\xEF\xBF\xBD.mdb");
    EXPECT_EQ(doc["Access_Table"][0]["TableComment"], "社員\r\nマスタ");
    EXPECT_TRUE(doc["Access_Table"][0]["Comment"].is_null());
}
