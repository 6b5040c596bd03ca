// ftf sketch: the sketch of one position of an order file as an SVG or PNG picture.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliConfig.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "common/Prompter.h"
#include "documents/Order.h"
#include "model/Sizing.h"
#include "render/SketchFile.h"

namespace {

using ftf::FtfError;

const char kHelp[] =
    "Использование: ftf sketch ФАЙЛ_ЗАКАЗА [--pos N | --posno НОМЕР] -o ФАЙЛ.svg|ФАЙЛ.png\n"
    "                          [--size ШxВ] [--flags 0,1,2]\n"
    "Рисует эскиз позиции заказа: контуры створок, знаки открывания и размерные цепочки.\n"
    "\n"
    "Параметры (значение следует за параметром или после «=»):\n"
    "  --pos N          порядковый номер позиции в заказе, начиная с 1 (по умолчанию 1)\n"
    "  --posno НОМЕР    позиция с этим номером (поле «№ позиции»)\n"
    "  -o ФАЙЛ          файл рисунка; формат по расширению: .svg или .png\n"
    "  --size ШxВ       размер рисунка в точках (по умолчанию 800x600)\n"
    "  --flags СПИСОК   размеры: 0 общие, 1 и 2 размеры сторон (2 без крайних точек);\n"
    "                   по умолчанию 0,1,2; \"\" или none: без размеров\n"
    "  --config ИМЯ, --server ПАПКА  файл заказа, не найденный по указанному пути,\n"
    "                   ищется в папке заказов этой конфигурации\n"
    "  --help           эта справка\n";

int ParsePositive(const std::string& text, const std::string& what) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        throw FtfError(what + " «" + text + "» не является целым положительным числом");
    const int value = std::atoi(text.c_str());
    if (value <= 0) throw FtfError(what + " «" + text + "» не является целым положительным числом");
    return value;
}

ftf::TSizeFlags ParseFlags(const std::string& text) {
    ftf::TSizeFlags flags;
    if (text.empty() || text == "none") return flags;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find(',', pos);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(pos, end - pos);
        if (item != "0" && item != "1" && item != "2")
            throw FtfError("флаг размеров «" + item + "» неизвестен (допустимы 0, 1 и 2)");
        flags.insert(item[0] - '0');
        pos = end + 1;
    }
    return flags;
}

void ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) throw FtfError("размер «" + text + "» не в виде ШxВ (например 800x600)");
    width = ParsePositive(text.substr(0, x), "ширина");
    height = ParsePositive(text.substr(x + 1), "высота");
}

int Run(const std::vector<std::string>& args) {
    std::string orderFile, out, posNo, flagsText = "0,1,2", sizeText = "800x600";
    int posIndex = 0;
    bool hasPos = false, hasPosNo = false;
    ftf::cli::SessionOptions session;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (ftf::cli::TakeSessionOption(args, i, session)) continue;
        std::string name = args[i], value;
        if (name == "--help" || name == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        const bool option = name.size() > 1 && name[0] == '-';
        if (!option) {
            if (!orderFile.empty()) throw FtfError("лишний параметр «" + name + "»");
            orderFile = name;
            continue;
        }
        const std::size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        } else {
            if (name != "--pos" && name != "--posno" && name != "-o" && name != "--size" &&
                name != "--flags")
                throw FtfError("неизвестный параметр «" + name + "»; справка: ftf sketch --help");
            if (i + 1 >= args.size()) throw FtfError("у параметра «" + name + "» нет значения");
            value = args[++i];
        }
        if (name == "--pos") {
            posIndex = ParsePositive(value, "номер позиции");
            hasPos = true;
        } else if (name == "--posno") {
            posNo = value;
            hasPosNo = true;
        } else if (name == "-o") {
            out = value;
        } else if (name == "--size") {
            sizeText = value;
        } else if (name == "--flags") {
            flagsText = value;
        } else {
            throw FtfError("неизвестный параметр «" + name + "»; справка: ftf sketch --help");
        }
    }
    if (orderFile.empty()) throw FtfError("не указан файл заказа; справка: ftf sketch --help");
    if (out.empty()) throw FtfError("не указан файл рисунка (-o ФАЙЛ.svg или -o ФАЙЛ.png)");
    if (!ftf::IsSketchFileName(out))
        throw FtfError("формат файла рисунка «" + out + "» неизвестен: ожидается .svg или .png");
    if (hasPos && hasPosNo) throw FtfError("--pos и --posno нельзя указывать вместе");
    int width = 0, height = 0;
    ParseSize(sizeText, width, height);
    const ftf::TSizeFlags flags = ParseFlags(flagsText);

    // A configuration given: an order named by its file name alone is found in its orders folder.
    const bool configured = !session.config.empty() || !session.server.empty();
    if (configured && !std::filesystem::exists(orderFile) && std::filesystem::path(orderFile).is_relative()) {
        const std::string ordersDir =
            ftf::cli::CliConfigurationPaths(session.config, session.server, session.catalog).OrdersDir;
        if (!ordersDir.empty()) orderFile = (std::filesystem::path(ordersDir) / orderFile).string();
    }

    ftf::NonInteractivePrompter prompter;
    ftf::ScopedPrompter scope(prompter);
    ftf::TftfOrder order;
    bool converted = false;
    if (!order.LoadFromFile(orderFile, converted)) return 1;

    const ftf::TftfConstruction* position = nullptr;
    if (hasPosNo) {
        position = order.FindPosition(posNo);
        if (!position) throw FtfError("в заказе нет позиции с номером «" + posNo + "»");
    } else {
        const int n = hasPos ? posIndex : 1;
        if (n > order.Count())
            throw FtfError("в заказе нет позиции " + std::to_string(n) + " (позиций: " +
                           std::to_string(order.Count()) + ")");
        position = &order.Positions(n - 1);
    }
    ftf::WriteSketchFile(*position, out, width, height, flags);
    return 0;
}

ftf::cli::FtfCommand reg("sketch", "эскиз позиции заказа в файл SVG или PNG", Run);

}  // namespace
