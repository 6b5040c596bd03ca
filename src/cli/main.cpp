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
    for (const auto& c : commands) std::fprintf(out, "  %-14s %s\n", c.name.c_str(), c.summary.c_str());
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
    // A command's name may be several words ("catalog price"); the longest name whose words begin
    // the arguments wins, so a sub-command can live in its own file beside its group's command.
    const ftf::cli::CommandInfo* best = nullptr;
    std::size_t bestWords = 0;
    for (const auto& c : ftf::cli::Commands()) {
        std::vector<std::string> words;
        for (std::size_t pos = 0; pos <= c.name.size();) {
            std::size_t end = c.name.find(' ', pos);
            if (end == std::string::npos) end = c.name.size();
            if (end > pos) words.push_back(c.name.substr(pos, end - pos));
            pos = end + 1;
        }
        if (words.empty() || words.size() > static_cast<std::size_t>(argc - 1)) continue;
        bool match = true;
        for (std::size_t i = 0; i < words.size() && match; ++i) match = words[i] == argv[1 + i];
        if (match && words.size() > bestWords) {
            best = &c;
            bestWords = words.size();
        }
    }
    if (best) {
        try {
            return best->run(std::vector<std::string>(argv + 1 + bestWords, argv + argc));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "ftf %s: %s\n", best->name.c_str(), e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "ftf: неизвестная команда «%s»; список команд: ftf --help\n", name.c_str());
    return 1;
}
