// ftf register: the order register of a configuration from the command line.
//
//   ftf register list                 the register grid's columns, tab-separated, with a header
//   ftf register add FILE...          registers order files (a refused file is reported, the
//                                     others are registered, status 2)
//   ftf register refresh NO           re-reads the record's values from its order file
//   ftf register delete NO... --yes   deletes records; the files go to the recycle folder when
//                                     the option "move to recycled" is on
//   ftf register archive NO... --yes  deletes records and moves their files to the archive
//
// The configuration: --config NAME (default: the default configuration of the registry store),
// or --server DIR [--catalog DIR].

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Table.h"
#include "catalogue/TableText.h"
#include "catalogue/Tdm.h"
#include "cli/CliArgs.h"
#include "cli/CliConfig.h"
#include "cli/CliPrompter.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "documents/Register.h"
#include "settings/RegistryStore.h"
#include "settings/Setup.h"

namespace fs = std::filesystem;

namespace ftf::cli {
namespace {

const char kHelp[] =
    "Использование:\n"
    "  ftf register list [--sort number|date|customer|object]\n"
    "      записи реестра заказов: строка заголовка и строки через табуляцию\n"
    "  ftf register add ФАЙЛ...\n"
    "      регистрирует файлы заказов\n"
    "  ftf register refresh НОМЕР\n"
    "      обновляет запись по данным файла заказа\n"
    "  ftf register delete НОМЕР... --yes\n"
    "      удаляет заказы из реестра (файлы переносятся в мусорку, если это включено в настройках)\n"
    "  ftf register archive НОМЕР... --yes\n"
    "      переносит заказы в архив и удаляет их из реестра\n"
    "Конфигурация: --config ИМЯ (по умолчанию — конфигурация по умолчанию)\n"
    "              или --server ПАПКА [--catalog ПАПКА].\n"
    "Код возврата: 0 — готово, 1 — ошибка или нет подтверждения (--yes), 2 — готово,\n"
    "но были сообщения (например, заказ уже зарегистрирован).\n";

using Args = NamedArgs;

Args Parse(const std::vector<std::string>& in) {
    return ParseNamedArgs(in, {"--config", "--server", "--catalog", "--sort"}, {"--yes"});
}

std::string Option(const Args& a, const char* name) {
    auto it = a.options.find(name);
    return it == a.options.end() ? std::string() : it->second;
}


int List(OrderRegister& reg, const Args& a) {
    if (!a.positional.empty()) throw FtfError("Лишний параметр " + a.positional[0]);
    const std::string sort = Option(a, "--sort");
    if (sort == "date") reg.SortRegister(RegisterSort::ByDate);
    else if (sort == "customer") reg.SortRegister(RegisterSort::ByCustomer);
    else if (sort == "object") reg.SortRegister(RegisterSort::ByObject);
    else if (!sort.empty() && sort != "number") throw FtfError("Неизвестный порядок " + sort);
    Table& t = reg.Records();
    // The grid's columns but its check box, which marks records for the window only.
    static const char* const kColumns[][2] = {{"No", "Номер заказа"}, {"RegDate", "Дата"},
                                              {"Customer", "Заказчик"}, {"Object", "Объект"},
                                              {"Cost", "Стоимость"}};
    std::string line;
    for (const auto& c : kColumns) line += (line.empty() ? "" : "\t") + std::string(c[1]);
    std::printf("%s\n", line.c_str());
    for (t.First(); !t.Eof(); t.Next()) {
        line.clear();
        bool first = true;
        for (const auto& c : kColumns) {
            const int f = t.FieldIndex(c[0]);
            if (!first) line += '\t';
            first = false;
            line += FieldText(t.Field(f), t.Get(f));
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

int Add(OrderRegister& reg, const Args& a, const ReportingPrompter& prompter) {
    if (a.positional.empty()) throw FtfError("Укажите файлы заказов");
    std::vector<std::string> files;
    std::error_code ec;
    for (const std::string& f : a.positional) files.push_back(fs::absolute(f, ec).lexically_normal().string());
    RegisterFilesResult r = reg.RegisterOrderFiles(files);
    std::printf("Зарегистрировано заказов: %d\n", r.registered);
    if (r.aborted) return 1;
    return r.refused > 0 || prompter.Reported() > 0 ? 2 : 0;
}

// Makes the record numbered `no` current; a number not in the register ends the command.
void Find(OrderRegister& reg, const std::string& no) {
    if (!reg.LocateNumber(no)) throw FtfError("Заказ № " + no + " не найден в реестре");
}

int Refresh(OrderRegister& reg, const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один номер заказа");
    Find(reg, a.positional[0]);
    return reg.RefreshRecord(false) ? 0 : 1;
}

int Remove(OrderRegister& reg, const Args& a, const ReportingPrompter& prompter, bool archive) {
    if (a.positional.empty()) throw FtfError("Укажите номер заказа");
    Table& t = reg.Records();
    t.ClearMarks();
    // Several numbers are treated as records marked in the grid, in the order given.
    if (a.positional.size() > 1) {
        for (const std::string& no : a.positional) {
            Find(reg, no);
            t.SetMarked(true);
        }
    } else {
        Find(reg, a.positional[0]);
    }
    const int before = t.RecordCount();
    if (archive) {
        reg.MoveToArchive();
    } else {
        const bool moveFiles =
            CurrentRegistry().ReadInteger(kSetupRegistryKey, "MoveToRecycled").value_or(1) != 0;
        reg.DeleteFromRegister(true, moveFiles);
    }
    const int removed = before - t.RecordCount();
    std::printf("Удалено из реестра: %d\n", removed);
    if (removed < static_cast<int>(a.positional.size())) return 1;
    return prompter.Reported() > 0 ? 2 : 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kHelp, args.empty() ? stderr : stdout);
        return args.empty() ? 1 : 0;
    }
    const std::string verb = args[0];
    Args a = Parse(std::vector<std::string>(args.begin() + 1, args.end()));
    if (verb != "list" && verb != "add" && verb != "refresh" && verb != "delete" && verb != "archive")
        throw FtfError("Неизвестная команда реестра «" + verb + "»");

    const AppPathsRecord paths =
        CliConfigurationPaths(Option(a, "--config"), Option(a, "--server"), Option(a, "--catalog"));
    if (paths.RegistryDir.empty()) throw FtfError("В конфигурации не указана папка сервера");
    ReportingPrompter prompter(a.Has("--yes"));
    ScopedPrompter scope(prompter);

    TDM dm;
    std::error_code ec;
    // The program creates the register folder with the other data folders at start-up.
    fs::create_directories(paths.RegistryDir, ec);
    dm.ConfigureDatabase(dm.DB_Registry, paths.RegistryDir);
    OrderRegister reg(dm, RegisterFolders{paths.OrdersDir, paths.RecycledDir, paths.ArchiveDir});
    if (!reg.Open()) return 1;

    if (verb == "list") return List(reg, a);
    if (verb == "add") return Add(reg, a, prompter);
    if (verb == "refresh") return Refresh(reg, a);
    return Remove(reg, a, prompter, verb == "archive");
}

const FtfCommand reg("register", "реестр заказов: list, add, refresh, delete, archive", Run);

}  // namespace
}  // namespace ftf::cli
