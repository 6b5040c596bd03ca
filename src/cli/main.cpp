#include <algorithm>
#include <cstdio>
#include <exception>

#include "cli/Command.h"
#include "common/NumberFormat.h"

namespace ftf::cli {

namespace {
std::vector<CommandInfo>& Registry() {
    static std::vector<CommandInfo> commands;
    return commands;
}
}  // namespace

FtfCommand::FtfCommand(std::string name, std::string summary, CommandFn run) {
    Registry().push_back({std::move(name), std::move(summary), std::move(run)});
}

const std::vector<CommandInfo>& Commands() { return Registry(); }

}  // namespace ftf::cli

static void PrintHelp(std::FILE* out) {
    std::fputs("Использование: ftf КОМАНДА [ПАРАМЕТРЫ]\n"
               "Командная строка модуля фурнитуры: те же заказы, каталог и расчёт, что и в программе.\n\n"
               "Команды:\n", out);
    auto commands = ftf::cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands) std::fprintf(out, "  %-12s %s\n", c.name.c_str(), c.summary.c_str());
    std::fputs("\nftf КОМАНДА --help показывает параметры команды.\n", out);
}

int main(int argc, char** argv) {
    // The same process-wide formats as the desktop program: text output and the settings file
    // are written with them.
    ftf::SetProgramFormats();
    if (argc < 2) {
        PrintHelp(stderr);
        return 1;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& c : ftf::cli::Commands()) {
        if (c.name != name) continue;
        try {
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "ftf %s: %s\n", name.c_str(), e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "ftf: неизвестная команда «%s»; список команд: ftf --help\n", name.c_str());
    return 1;
}
