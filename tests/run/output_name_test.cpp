// The output name must stay one plain file name inside the output folder.
#include "run/output_name.h"

#include <gtest/gtest.h>

using namespace schemist;

TEST(OutputName, NamesThatLeaveTheFolderOrBreakTheFileNameAreRefused)
{
    for (const std::string& name : {std::string("../x"), std::string("sub/x"), std::string("/tmp/x"),
                                    std::string("x\ny"), std::string("x\ty"), std::string("x\x7f"),
                                    std::string("x\x1b[31m"), std::string("a\0b", 3), std::string("."),
                                    std::string(".."), std::string(" .. ")}) {
        auto problem = outputNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find("出力ファイル名"), std::string::npos) << *problem;
        // The message itself shows a control character, it does not carry it.
        EXPECT_EQ(problem->find_first_of("\n\t\x1b\x7f"), std::string::npos) << *problem;
    }
}

TEST(OutputName, OrdinaryNamesPass)
{
    for (const char* name : {"Staff", " 社員 ", "my.module", "..x", "a b", "x.."})
        EXPECT_FALSE(outputNameProblem(name)) << name;
}
