// ftf calc: the fittings calculation of one position from the command line.
//
//   ftf calc [--config NAME | --catalog DIR [--server DIR]] [--json] [FILE]
//
// The position comes as JSON (FILE or standard input). It becomes a position of a new order of
// the configuration (the order's members given in "order" applied), its contours are built from
// the figure and the set is applied as the fittings set dialog applies it on OK, in the order's
// currency.

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliJson.h"
#include "cli/CliOrderJson.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "documents/Order.h"
#include "model/Construction.h"

namespace ftf::cli {
namespace {

const char kUsage[] =
    "Использование: ftf calc [--config ИМЯ | --catalog ПАПКА [--server ПАПКА]] [--json] [ФАЙЛ]\n"
    "Рассчитывает фурнитуру позиции, описанной в ФАЙЛЕ JSON (или на стандартном входе):\n"
    "  {\"order\": {поля заказа: \"InnerProfColor\", \"OuterProfColor\", \"CurrencyId\", \"PriceGroupNo\", ...},\n"
    "   \"position\": {\"figure\": {\"B\", \"H\", \"figure\", \"X\", \"Y\", \"R\"}, \"PosNo\", \"PosName\",\n"
    "                \"Quantity\", \"ObjectType\", \"FurnSys\", \"ProfSys\", \"Color\", \"FalzType\",\n"
    "                \"StulpType\", \"OpenType\", \"ProfileWidth\", \"ProfileThickness\", \"Dornmass\",\n"
    "                \"sash1\": {\"Complect\", \"Hinge\", \"HandleId\", \"Lock\", \"Cylinder\", \"Drive\",\n"
    "                          \"Latch\", \"HandleHeight\", \"UserHandleHeight\", \"Dornmass\",\n"
    "                          \"Properties\", \"ExtraComplects\"},\n"
    "                \"sash2\": {...}},\n"
    "   \"debug\": false}\n"
    "Позиция становится позицией нового заказа конфигурации: чего нет в описании, берётся\n"
    "из заказа и настроек, как в диалогах позиции и комплекта.\n"
    "  --json           результат в JSON\n"
    "Код возврата: 0 — готово, 1 — ошибка, 2 — готово, но были сообщения.\n";

struct Options {
    SessionOptions session;
    bool asJson = false;
    std::optional<std::string> file;
};

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.asJson = true;
        } else if (TakeSessionOption(args, i, o.session)) {
        } else if (a.rfind("--", 0) == 0) {
            throw FtfError("Неизвестный параметр " + a);
        } else if (o.file) {
            throw FtfError("Лишний параметр " + a);
        } else {
            o.file = a;
        }
    }
    return o;
}

int Calculate(Options& o, std::ostream& out) {
    const json input = ParseJsonObject(ReadInputText(o.file));
    CheckMembers(input, {"order", "position", "debug"}, "во входных данных");
    Take(input, "debug", o.session.debug);
    const json& orderIn = MemberObject(input, "order");
    const json& posIn = MemberObject(input, "position");

    CliSession session(o.session);
    TftfOrder order;
    InitNewOrder(session, order);
    ApplyOrderMembers(order, orderIn, false);
    const auto currency = session.UseCurrencyOf(order);

    TftfConstruction& pos = order.AddPosition();
    BuildPosition(pos, posIn, order, session.Setup(), "позиции");

    if (o.asJson)
        out << JsonWriter::Object().Cash("Price", pos.Price).Raw("sashes", SashesJson(pos)).Text() << "\n";
    else
        WritePositionText(pos, o.session.debug, out);
    out.flush();
    if (!out) return 1;
    return session.DoneStatus();
}

int Run(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            std::fputs(kSessionOptionsHelp, stdout);
            return 0;
        }
    bool asJson = false;
    for (const std::string& a : args) asJson = asJson || a == "--json";
    std::ostringstream result;
    try {
        Options o = ParseOptions(args);
        const int rc = Calculate(o, result);
        std::cout << result.str();
        std::cout.flush();
        return rc;
    } catch (const std::exception& e) {
        if (asJson) {
            std::cout << "{\"error\": " << JsonString(e.what()) << "}\n";
            std::cout.flush();
        } else {
            std::fprintf(stderr, "%s\n", e.what());
        }
        return 1;
    }
}

FtfCommand reg("calc", "расчёт фурнитуры позиции из описания в JSON", Run);

}  // namespace
}  // namespace ftf::cli
