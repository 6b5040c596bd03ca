// ftf catalog: the catalogue database from the command line: import the supplier's Paradox
// tables, load a catalogue written as SQL, list the datasets and query one of them.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/SqliteStore.h"
#include "catalogue/TableText.h"
#include "catalogue/Tdm.h"
#include "cli/CliArgs.h"
#include "cli/CliCatalog.h"
#include "cli/Command.h"
#include "common/Cp1251.h"
#include "common/Error.h"

namespace fs = std::filesystem;

namespace {

using ftf::FtfError;

const char kHelp[] =
    "Использование:\n"
    "  ftf catalog import ПАПКА_PARADOX --into ПАПКА\n"
    "      переносит таблицы Paradox каталога в базу каталога папки ПАПКА\n"
    "      (и копирует туда FTFurniture.ini, если он лежит рядом с таблицами)\n"
    "  ftf catalog load-sql ФАЙЛ --into ПАПКА\n"
    "      загружает каталог из файла операторов INSERT (UTF-8); таблицы из файла\n"
    "      заменяются целиком\n"
    "  ftf catalog tables [--catalog ПАПКА | --config ИМЯ]\n"
    "      каждый набор данных каталога, табуляция, число записей под его постоянным фильтром\n"
    "  ftf catalog query НАБОР [--catalog ПАПКА | --config ИМЯ] [--registry ПАПКА]\n"
    "                   [--filter ВЫРАЖЕНИЕ]\n"
    "                   [--fields ПОЛЕ,ПОЛЕ,...]\n"
    "      записи набора (T_FrnArt, или таблица FrnArt.DB / FrnArt) в его порядке:\n"
    "      строка заголовка и строки значений через табуляцию (UTF-8); числа с «.»,\n"
    "      даты дд.мм.гггг, логические 1/0; табуляция и переводы строк в тексте\n"
    "      пишутся как \\t, \\n, \\r. T_OrderList читается из папки --registry.\n"
    "Без --catalog берётся папка каталога конфигурации --config (по умолчанию — конфигурации\n"
    "по умолчанию, иначе «Демо»).\n"
    "Папка каталога открывается так же, как при запуске программы: изменившиеся таблицы\n"
    "Paradox в ней переносятся в базу. Код возврата: 0 — готово, 1 — ошибка,\n"
    "2 — готово, но некоторые таблицы не открылись.\n";

using ftf::cli::NamedArgs;
using ftf::cli::ParseNamedArgs;
using Args = NamedArgs;

std::string Required(const Args& a, const char* name) {
    auto it = a.options.find(name);
    if (it == a.options.end() || it->second.empty()) throw FtfError(std::string("Не указан параметр ") + name);
    return it->second;
}

int Import(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите одну папку с таблицами Paradox");
    const std::string from = a.positional[0];
    const std::string into = Required(a, "--into");
    std::error_code ec;
    if (!fs::is_directory(from, ec)) throw FtfError("Папка не найдена: " + from);
    fs::create_directories(into, ec);
    ftf::SqliteStore store(into, ftf::DbAlias::Catalog);
    const std::size_t before = store.Notes().size();
    int imported = store.ImportParadoxDir(from, false);
    bool failed = false;
    for (std::size_t i = before; i < store.Notes().size(); ++i) std::fprintf(stderr, "%s\n", store.Notes()[i].c_str());
    for (const auto& def : ftf::AllTableDefs())
        if (def.alias == ftf::DbAlias::Catalog && !store.ImportError(def).empty()) failed = true;
    // The shared settings live beside the catalogue tables.
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        if (ftf::SameTextNoCase(it->path().filename().string(), "FTFurniture.ini")) {
            fs::copy_file(it->path(), fs::path(into) / "FTFurniture.ini", fs::copy_options::overwrite_existing, ec);
            if (ec) throw FtfError("Не удалось скопировать FTFurniture.ini: " + ec.message());
            break;
        }
    }
    std::printf("Перенесено таблиц: %d\n", imported);
    return failed ? 2 : 0;
}

int LoadSql(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один файл SQL");
    const std::string into = Required(a, "--into");
    std::error_code ec;
    fs::create_directories(into, ec);
    ftf::SqliteStore store(into, ftf::DbAlias::Catalog);
    long rows = store.LoadSqlFile(a.positional[0]);
    std::printf("Загружено записей: %ld\n", rows);
    return 0;
}

// Opens the catalogue as the program does at start-up; returns the number of tables that failed.
int OpenCatalogue(ftf::TDM& dm, const Args& a) {
    auto option = [&a](const char* name) {
        auto it = a.options.find(name);
        return it == a.options.end() ? std::string() : it->second;
    };
    return ftf::cli::OpenCliCatalogue(dm, option("--catalog"), option("--config"));
}

int Tables(const Args& a) {
    if (!a.positional.empty()) throw FtfError("Лишний параметр " + a.positional[0]);
    ftf::TDM dm;
    const int failed = OpenCatalogue(dm, a);
    for (const auto& t : dm.DataSets()) {
        if (t.get() == &dm.T_OrderList() || !t->IsOpen()) continue;
        std::printf("%s\t%d\n", t->Name().c_str(), t->RecordCount());
    }
    return failed ? 2 : 0;
}

int Query(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один набор данных");
    ftf::TDM dm;
    ftf::Table* t = dm.FindDataSet(a.positional[0]);
    if (!t) throw FtfError("Неизвестный набор данных " + a.positional[0]);
    int failed = 0;
    if (t == &dm.T_OrderList()) {
        dm.ConfigureDatabase(dm.DB_Registry, Required(a, "--registry"));
        if (!dm.OpenDataSet(*t)) return 1;
    } else {
        failed = OpenCatalogue(dm, a);
        if (!t->IsOpen()) return 1;
    }
    std::vector<int> columns;
    auto fields = a.options.find("--fields");
    columns = fields == a.options.end() ? ftf::DefaultColumns(*t) : ftf::NamedColumns(*t, fields->second);
    auto filter = a.options.find("--filter");
    if (filter != a.options.end()) t->ApplyFilter(filter->second);
    ftf::WriteTableText(*t, columns, std::cout);
    std::cout.flush();
    return failed ? 2 : 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kHelp, args.empty() ? stderr : stdout);
        return args.empty() ? 1 : 0;
    }
    const std::string verb = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& r : rest)
        if (r == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
    if (verb == "import") return Import(ParseNamedArgs(rest, {"--into"}));
    if (verb == "load-sql") return LoadSql(ParseNamedArgs(rest, {"--into"}));
    if (verb == "tables") return Tables(ParseNamedArgs(rest, {"--catalog", "--config"}));
    if (verb == "query") return Query(ParseNamedArgs(rest, {"--catalog", "--config", "--registry", "--filter", "--fields"}));
    throw FtfError("Неизвестная команда каталога «" + verb + "»; справка: ftf catalog --help");
}

ftf::cli::FtfCommand reg("catalog", "база каталога: перенос из Paradox, загрузка SQL, наборы данных, запросы", Run);

}  // namespace
