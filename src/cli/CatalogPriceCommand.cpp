// ftf catalog price: the price of a catalogue article in a working currency, converted with the
// current rates of the catalogue's currency table and adjusted by the article's price group, as
// an order in that currency would price it.
//
//   ftf catalog price ARTICLE --catalog DIR --currency N
//
// Prints the amount with four decimals and "." ("45.0000"). A lookup error (unknown article,
// working currency of rate 0 or missing from the table, unknown price group) is printed on one
// line to standard error with status 1.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliText.h"
#include "catalogue/Lookups.h"
#include "cli/CliCatalog.h"
#include "catalogue/Tdm.h"
#include "cli/Command.h"
#include "common/Error.h"

namespace ftf::cli {
namespace {

const char kHelp[] =
    "Использование: ftf catalog price АРТИКУЛ [--catalog ПАПКА | --config ИМЯ] --currency N\n"
    "Цена артикула каталога в рабочей валюте N: цена по каталогу, пересчитанная по текущим\n"
    "курсам таблицы валют, с поправкой ценовой группы артикула (Reduce_1).\n"
    "Выводит сумму с четырьмя знаками после «.».\n"
    "\n"
    "Параметры (значение следует за параметром или после «=»):\n"
    "  --catalog ПАПКА   папка каталога (таблицы Paradox или база каталога)\n"
    "  --config ИМЯ      конфигурация, чья папка каталога берётся без --catalog\n"
    "                    (по умолчанию — конфигурация по умолчанию, иначе «Демо»)\n"
    "  --currency N      код рабочей валюты (Currency.ID)\n"
    "  --help            эта справка\n";


std::int32_t ParseCurrency(const std::string& value) {
    errno = 0;
    char* end = nullptr;
    const bool plain = !value.empty() && (value[0] == '-' || (value[0] >= '0' && value[0] <= '9'));
    const long v = plain ? std::strtol(value.c_str(), &end, 10) : 0;
    if (!plain || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
        throw FtfError("параметр --currency: ожидается целый код валюты, получено «" + value + "»");
    return static_cast<std::int32_t>(v);
}

int RunPrice(const std::vector<std::string>& args) {
    std::optional<std::string> article, catalog, config, currency;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            std::optional<std::string>* slot = name == "--catalog"    ? &catalog
                                              : name == "--config"   ? &config
                                              : name == "--currency" ? &currency
                                                                     : nullptr;
            if (!slot) throw FtfError("неизвестный параметр «" + name + "»; см. ftf catalog price --help");
            if (*slot) throw FtfError("параметр " + name + " задан дважды");
            if (eq != std::string::npos) {
                *slot = arg.substr(eq + 1);
            } else {
                if (i + 1 >= args.size()) throw FtfError("у параметра " + name + " нет значения");
                *slot = args[++i];
            }
            continue;
        }
        if (article) throw FtfError("лишний аргумент «" + arg + "»: артикул уже задан («" + *article + "»)");
        article = arg;
    }
    if (!article) throw FtfError("не задан артикул; см. ftf catalog price --help");
    const std::string folder = CliCatalogueFolder(catalog.value_or(""), config.value_or(""));
    if (!currency) throw FtfError("не задан параметр --currency; см. ftf catalog price --help");
    const std::int32_t workingId = ParseCurrency(*currency);

    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw FtfError("папка каталога «" + folder + "» не найдена");

    TDM dm;
    dm.DB_Catalog.Params = {"PATH=" + folder, "DEFAULT DRIVER=PARADOX", "ENABLE BCD=TRUE"};
    dm.DB_Catalog.Open();
    // The price reads these three tables only; a failure has been shown by OpenDataSet.
    for (Table* t : {&dm.T_Currency(), &dm.T_PriceGrp(), &dm.T_Catalog()})
        if (!dm.OpenDataSet(*t)) return 1;

    TftfCurrencyList rates;
    LoadCurrencyRates(dm, &rates);
    const Money price = GetArticlePrice(dm, *article, false, WorkingCurrency{&rates, workingId});
    std::printf("%s\n", price.ToFixed4().c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunPriceReporting(const std::vector<std::string>& args) {
    try {
        return RunPrice(args);
    } catch (const FtfError& e) {
        std::fprintf(stderr, "ftf catalog price: %s\n", OneLine(e.what()).c_str());
        return 1;
    }
}

FtfCommand reg("catalog price", "цена артикула каталога в рабочей валюте", RunPriceReporting);

}  // namespace
}  // namespace ftf::cli
