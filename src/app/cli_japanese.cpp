// CLI11's texts in Japanese. CLI11 builds its error messages in English from
// fixed patterns; the option or argument they name is taken out of them and
// put into a Japanese sentence, so that no English reaches the user.
#include "cli_japanese.h"

#include "platform/text.h"

#include <regex>

namespace schemist::cli {
namespace {


// The options a CLI11 message names, in order ("--tab-size", "-x").
std::string optionsNamedIn(const std::string& text)
{
    static const std::regex option("(^|[\\s\\[,])(--?[A-Za-z0-9][A-Za-z0-9-]*)");
    std::string names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        names += (names.empty() ? "" : " ") + (*it)[2].str();
    return names;
}

// What follows the first ": " of a CLI11 message (its list of arguments).
std::string afterColon(const std::string& text)
{
    std::size_t at = text.find(": ");
    return at == std::string::npos ? std::string() : text.substr(at + 2);
}

// `positionals` says how many files the command takes ("入力データは 1 つ").
std::string describe(const CLI::Error& error, const std::string& positionals)
{
    const std::string text = error.what();
    const std::string options = optionsNamedIn(text);
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        std::string extra = afterColon(text);
        if (!extra.empty() && extra.front() == '-')
            return "不明なオプションです: " + extra;
        return "余分な引数があります (" + positionals + "だけ指定できます): " + extra;
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        if (text.find("flag override") != std::string::npos)
            return options + " は値をとらないオプションです";
        if (text.find("At Most") != std::string::npos || text.find("Expected exactly") != std::string::npos)
            return options + " に指定した値の数が正しくありません";
        return options + " に値を指定してください";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error))
        return options + " を指定してください";
    if (dynamic_cast<const CLI::ConversionError*>(&error) || dynamic_cast<const CLI::ValidationError*>(&error))
        return options + " の値が正しくありません";
    if (dynamic_cast<const CLI::ExcludesError*>(&error))
        return "同時に指定できないオプションです: " + options;
    if (dynamic_cast<const CLI::RequiresError*>(&error))
        return "一緒に指定する必要のあるオプションがありません: " + options;
    return options.empty() ? std::string("コマンドラインが正しくありません") : "コマンドラインが正しくありません: " + options;
}

// Columns a UTF-8 text takes on a terminal: CJK characters (three bytes in
// UTF-8) take two, everything else one.
std::size_t displayWidth(const std::string& text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

// CLI11 pads the option column by bytes, which leaves Japanese placeholders
// out of line; this pads by columns.
class JapaneseFormatter : public CLI::Formatter {
public:
    std::string make_option(const CLI::Option* opt, bool isPositional) const override
    {
        const std::string name = "  " + make_option_name(opt, isPositional) + make_option_opts(opt);
        const std::string description = make_option_desc(opt);
        const std::size_t width = get_column_width();
        std::string out = name;
        if (displayWidth(name) >= width)
            out += "\n" + std::string(width, ' ');
        else
            out += std::string(width - displayWidth(name), ' ');
        for (char c : description) {
            out.push_back(c);
            if (c == '\n')
                out += std::string(width, ' ');
        }
        return out + "\n";
    }
};

}  // namespace

void useJapaneseHelp(CLI::App& app)
{
    app.formatter(std::make_shared<JapaneseFormatter>());
    app.option_defaults()->group("オプション");
    auto formatter = app.get_formatter();
    formatter->label("Usage", "使い方");
    formatter->label("OPTIONS", "オプション");
    formatter->label("Options", "オプション");
    formatter->label("Positionals", "引数");
    formatter->label("POSITIONALS", "引数");
    formatter->label("REQUIRED", "必須");
    formatter->label("Needs", "必要");
    formatter->label("Excludes", "同時指定不可");
    formatter->label("Env", "環境変数");
    formatter->label("TEXT", "文字列");
    formatter->label("INT", "数値");
    formatter->label("UINT", "数値");
    formatter->label("FLOAT", "数値");
    formatter->column_width(34);
    app.set_help_flag("-h,--help", "この使い方を表示して終了する");
}

std::string japaneseFailureMessage(const CLI::App* app, const CLI::Error& error)
{
    // The diff command has an app of its own, named "schemist-cli diff".
    const std::string name = app ? app->get_name() : std::string("schemist-cli");
    const bool diff = name.size() > 5 && name.compare(name.size() - 5, 5, " diff") == 0;
    return printableText(describe(error, diff ? "比較元と比較先の 2 つ" : "入力データは 1 つ")) + " (" + name +
           " --help で使い方を表示します)\n";
}

}  // namespace schemist::cli
