// The parts every schemist-cli command shares around its own work.
#include "cli_command.h"

#include "exit_status.h"
#include "platform/error.h"
#include "platform/text.h"

#include <iostream>

namespace schemist::cli {

void message(const std::string& text) { std::cerr << printableText(text, true) + '\n'; }

void messages(const std::vector<std::string>& texts, const std::string& prefix)
{
    std::string all;
    for (const std::string& text : texts)
        all += printableText(prefix + printableText(text), true) + '\n';
    std::cerr << all;
}

std::optional<int> parseArguments(CLI::App& app, int argc, char** argv)
{
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    return std::nullopt;
}

int finishCommand(const std::function<int()>& work)
{
    try {
        int status = work();
        std::cout.flush();
        if (!std::cout) {
            message("標準出力に書き込めません");
            return kExitFailure;
        }
        return status;
    } catch (const Error& e) {
        message(e.what());
        return kExitFailure;
    } catch (const std::exception& e) {
        message(std::string("内部エラー: ") + e.what());
        return kExitFailure;
    }
}

}  // namespace schemist::cli
