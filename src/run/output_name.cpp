// The rule for the output name.
#include "run/output_name.h"

#include "platform/text.h"

#include <algorithm>

namespace schemist {

std::optional<std::string> outputNameProblem(const std::string& outputName)
{
    const std::string name = trimBlanks(outputName);
    // A "/" would write beside or below the output folder, not into it.
    if (name.find('/') != std::string::npos)
        return "出力ファイル名に \"/\" は使えません (フォルダは出力先フォルダで選んでください): " + printableText(name);
    bool control = std::any_of(name.begin(), name.end(), [](char c) {
        auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
    if (control)
        return "出力ファイル名に改行などの制御文字は使えません: " + printableText(name);
    if (name == "." || name == "..")
        return "出力ファイル名に \"" + name + "\" は使えません: ファイル名を入力してください";
    return std::nullopt;
}

}  // namespace schemist
