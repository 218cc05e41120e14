// The erDiagram checker used by the document tests.
#include "mermaid_syntax.h"

#include <regex>
#include <set>
#include <sstream>

namespace schemist::test {
namespace {

const std::string kEntity = R"((?:[A-Za-z_][A-Za-z0-9_-]*|"[^"\n]+"))";
const std::string kWord = R"([A-Za-z_][A-Za-z0-9_-]*)";
const std::string kComment = R"("[^"\n]*")";

const std::regex kHeader("erDiagram");
const std::regex kBlockStart("    (" + kEntity + R"() \{)");
const std::regex kBareEntity("    (" + kEntity + ")");
const std::regex kAttribute("        " + kWord + " " + kWord + R"((?: (?:PK|FK|PK,FK))?(?: )" + kComment + ")?");
const std::regex kRelationship("    (" + kEntity + R"() (?:\|\||\|o|\}o|\}\|)(?:--|\.\.)(?:\|\||o\||o\{|\|\{) ()" +
                               kEntity + ") : " + kComment);

}  // namespace

std::vector<std::string> erDiagramProblems(const std::string& diagram)
{
    std::vector<std::string> problems;
    std::istringstream in(diagram);
    std::string line;
    int number = 0;
    bool inBlock = false;
    std::set<std::string> declared;
    std::vector<std::pair<int, std::string>> used;
    std::smatch m;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1) {
            if (!std::regex_match(line, kHeader))
                problems.push_back("line 1 is not erDiagram: " + line);
            continue;
        }
        if (inBlock) {
            if (line == "    }")
                inBlock = false;
            else if (!std::regex_match(line, kAttribute))
                problems.push_back("line " + std::to_string(number) + ": bad attribute: " + line);
        } else if (std::regex_match(line, m, kBlockStart)) {
            declared.insert(m[1]);
            inBlock = true;
        } else if (std::regex_match(line, m, kRelationship)) {
            used.push_back({number, m[1]});
            used.push_back({number, m[2]});
        } else if (std::regex_match(line, m, kBareEntity)) {
            declared.insert(m[1]);
        } else {
            problems.push_back("line " + std::to_string(number) + ": not an erDiagram statement: " + line);
        }
    }
    if (inBlock)
        problems.push_back("attribute block not closed");
    for (const auto& [at, entity] : used)
        if (!declared.count(entity))
            problems.push_back("line " + std::to_string(at) + ": relationship to undeclared entity " + entity);
    return problems;
}

std::vector<std::string> mermaidBlocks(const std::string& markdown)
{
    std::vector<std::string> blocks;
    const std::string open = "```mermaid\n";
    for (std::size_t at = markdown.find(open); at != std::string::npos; at = markdown.find(open, at)) {
        at += open.size();
        std::size_t end = markdown.find("```", at);
        if (end == std::string::npos)
            end = markdown.size();
        blocks.push_back(markdown.substr(at, end - at));
    }
    return blocks;
}

}  // namespace schemist::test
