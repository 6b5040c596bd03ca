// ftf calc: the fittings calculation of one position from the command line.
//
//   ftf calc --catalog DIR [--config NAME] [--json] [FILE]
//
// The position comes as JSON (FILE or standard input); its contours are built from the figure
// and the set is applied as the fittings set dialog applies it on OK, in the order's currency.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "calc/FurnCalc.h"
#include "catalogue/Lookups.h"
#include "catalogue/Tdm.h"
#include "cli/CliCatalog.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "common/NonInteractivePrompter.h"
#include "common/NumberFormat.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"
#include "model/Measures.h"
#include "settings/CurrencyItem.h"
#include "settings/Setup.h"

namespace ftf::cli {
namespace {

using nlohmann::json;

const char kUsage[] =
    "Использование: ftf calc --catalog ПАПКА [--config ИМЯ] [--json] [ФАЙЛ]\n"
    "Рассчитывает фурнитуру позиции, описанной в ФАЙЛЕ JSON (или на стандартном входе):\n"
    "  {\"order\": {\"InnerProfColor\", \"OuterProfColor\", \"CurrencyId\", \"PriceGroupNo\"},\n"
    "   \"position\": {\"figure\": {\"B\", \"H\", \"figure\", \"X\", \"Y\", \"R\"}, \"PosNo\", \"Quantity\",\n"
    "                \"ObjectType\", \"FurnSys\", \"ProfSys\", \"Color\", \"FalzType\", \"StulpType\",\n"
    "                \"OpenType\", \"ProfileWidth\", \"ProfileThickness\", \"Dornmass\",\n"
    "                \"sash1\": {...}, \"sash2\": {...}},\n"
    "   \"debug\": false}\n"
    "  --catalog ПАПКА  папка каталога; --config ИМЯ  папка каталога из конфигурации\n"
    "  --json           результат в JSON\n"
    "Код возврата: 0 — готово, 1 — ошибка.\n";

struct Options {
    std::string catalog;
    std::string config;
    bool asJson = false;
    std::optional<std::string> file;
};

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.asJson = true;
        } else if (a == "--catalog" || a == "--config") {
            if (i + 1 >= args.size()) throw FtfError("Параметру " + a + " не указано значение");
            (a == "--catalog" ? o.catalog : o.config) = args[++i];
        } else if (a.rfind("--catalog=", 0) == 0) {
            o.catalog = a.substr(10);
        } else if (a.rfind("--config=", 0) == 0) {
            o.config = a.substr(9);
        } else if (a.rfind("--", 0) == 0) {
            throw FtfError("Неизвестный параметр " + a);
        } else if (o.file) {
            throw FtfError("Лишний параметр " + a);
        } else {
            o.file = a;
        }
    }
    if (o.catalog.empty() && o.config.empty()) throw FtfError("Не указан параметр --catalog");
    return o;
}

// --- input ---------------------------------------------------------------------------------------

class JsonOrder final : public IPositionOrder {
public:
    std::string inner, outer;
    std::string InnerProfColor() const override { return inner; }
    std::string OuterProfColor() const override { return outer; }
};

template <typename T>
void Take(const json& o, const char* name, T& target) {
    auto it = o.find(name);
    if (it == o.end() || it->is_null()) return;
    try {
        target = it->get<T>();
    } catch (const json::exception&) {
        throw FtfError(std::string("Неверное значение поля «") + name + "» во входных данных");
    }
}

const json& Object(const json& parent, const char* name) {
    static const json empty = json::object();
    auto it = parent.find(name);
    if (it == parent.end() || it->is_null()) return empty;
    if (!it->is_object()) throw FtfError(std::string("Поле «") + name + "» во входных данных должно быть объектом");
    return *it;
}

TSashBuffer ReadSash(const json& s, std::int32_t positionDornmass) {
    TSashBuffer b;
    b.Dornmass = positionDornmass;
    Take(s, "Complect", b.Complect);
    Take(s, "Hinge", b.Hinge);
    Take(s, "HandleId", b.Handle);
    Take(s, "Lock", b.Lock);
    Take(s, "Cylinder", b.Cylinder);
    Take(s, "Drive", b.Drive);
    Take(s, "Latch", b.Latch);
    Take(s, "HandleHeight", b.HandleHeight);
    Take(s, "UserHandleHeight", b.UserHandleHeight);
    Take(s, "Dornmass", b.Dornmass);
    Take(s, "Properties", b.Properties);
    Take(s, "ExtraComplects", b.ExtraComplects);
    return b;
}

// --- output --------------------------------------------------------------------------------------

// The shortest text that reads back to the same single-precision value, with "." whatever the
// locale (std::to_chars chooses plain or exponent notation, whichever is shorter).
std::string F32(float v) {
    if (!std::isfinite(v)) return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}
std::string Str(const std::string& s) { return json(s).dump(-1, ' ', false, json::error_handler_t::replace); }

void WriteJson(const TftfConstruction& pos, std::ostream& out) {
    out << "{\"Price\": " << pos.Price.ToFixed4() << ", \"sashes\": [";
    const TftfFlugel* sashes[] = {pos.Sash1.get(), pos.Sash2.get()};
    const int count = 2;  // a single sash position lists its second sash empty
    for (int n = 0; n < count; ++n) {
        const TftfFlugel& s = *sashes[n];
        std::int32_t w = 0, h = 0;
        RebateSize(s, w, h);
        out << (n ? ", " : "") << "{\"rebate\": [" << w << ", " << h << "], \"sides\": [";
        for (std::size_t i = 0; i < s.Sides.size(); ++i) {
            const TftfLine& l = *s.Sides[i];
            out << (i ? ", " : "") << "{\"OpenMode\": " << (l.OpenMode ? "true" : "false")
                << ", \"RotSide\": " << l.RotSide << ", \"Handled\": " << (l.Handled ? "true" : "false")
                << ", \"Banded\": " << (l.Banded ? "true" : "false") << ", \"Drived\": " << (l.Drived ? "true" : "false")
                << ", \"HandleHeight\": " << l.HandleHeight << "}";
        }
        out << "], \"items\": [";
        if (s.FurnComp) {
            for (std::size_t i = 0; i < s.FurnComp->Items.size(); ++i) {
                const TftfFurnItem& it = *s.FurnComp->Items[i];
                out << (i ? ", " : "") << "{\"ArticleId\": " << Str(it.ArticleId) << ", \"Length\": " << F32(it.Length)
                    << ", \"ItemCount\": " << it.ItemCount << ", \"SideNo\": " << it.SideNo
                    << ", \"ParentComplect\": " << Str(it.ParentComplect) << ", \"Comment\": " << Str(it.Comment)
                    << ", \"History\": " << Str(it.History) << "}";
            }
        }
        out << "], \"materials\": [";
        for (std::size_t i = 0; i < s.Materials.size(); ++i) {
            const TftfMatListItem& m = *s.Materials[i];
            out << (i ? ", " : "") << "{\"ArticleId\": " << Str(m.ArticleId) << ", \"MatQuantity\": "
                << F32(m.MatQuantity) << ", \"MatPrice\": " << m.MatPrice.ToFixed4()
                << ", \"MatCost\": " << m.MatCost.ToFixed4() << "}";
        }
        out << "]}";
    }
    out << "]}\n";
}

// Messages of the system carry CR LF; one terminal line per message reads better in a table.
std::string Flat(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

void WriteText(const TftfConstruction& pos, bool debug, std::ostream& out) {
    const TftfFlugel* sashes[] = {pos.Sash1.get(), pos.Sash2.get()};
    const int count = 2;  // a single sash position lists its second sash empty
    for (int n = 0; n < count; ++n) {
        const TftfFlugel& s = *sashes[n];
        std::int32_t w = 0, h = 0;
        RebateSize(s, w, h);
        out << "Створка " << n + 1 << ": фальц " << w << " x " << h << "\n";
        for (std::size_t i = 0; i < s.Sides.size(); ++i) {
            const TftfLine& l = *s.Sides[i];
            out << "  Сторона " << i + 1 << ":";
            if (l.OpenMode) out << " открывание -> " << l.RotSide + 1;
            if (l.Handled) out << " ручка " << l.HandleHeight << " мм";
            if (l.Banded) out << " петли";
            if (l.Drived) out << " привод";
            out << "\n";
        }
        if (s.FurnComp) {
            out << "  Артикул\tДлина\tКол.\tСторона\tКомплект\tКомментарий" << (debug ? "\tВывод" : "") << "\n";
            for (const auto& it : s.FurnComp->Items) {
                out << "  " << it->ArticleId << "\t" << (it->Length != 0 ? FormatFixed(it->Length, 1) : "") << "\t"
                    << it->ItemCount << "\t" << it->SideNo << "\t" << it->ParentComplect << "\t" << it->Comment;
                if (debug) out << "\t" << Flat(it->History);
                out << "\n";
            }
        }
        if (!s.Materials.empty()) {
            out << "  Материал\tКол-во\tЦена\tСтоимость\n";
            for (const auto& m : s.Materials)
                out << "  " << m->ArticleId << "\t" << FormatFixed(m->MatQuantity, 3) << "\t"
                    << FormatFixed(m->MatPrice, 4) << "\t" << FormatFixed(m->MatCost, 4) << "\n";
        }
    }
    out << "Цена позиции: " << FormatFixed(pos.Price, 4) << "\n";
}

// --- the command ---------------------------------------------------------------------------------

int Calculate(const Options& o, std::ostream& out) {
    std::string text;
    if (o.file) {
        std::ifstream in(*o.file, std::ios::binary);
        if (!in) throw FtfError("Не удалось открыть файл " + *o.file);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    json input;
    try {
        input = json::parse(text);
    } catch (const json::parse_error& e) {
        throw FtfError(std::string("Неверный JSON во входных данных: ") + e.what());
    }
    if (!input.is_object()) throw FtfError("Входные данные должны быть объектом JSON");

    const json& orderIn = Object(input, "order");
    const json& posIn = Object(input, "position");
    const json& figureIn = Object(posIn, "figure");
    bool debug = false;
    Take(input, "debug", debug);

    JsonOrder order;
    std::int32_t currencyId = 0, priceGroup = 0;
    Take(orderIn, "InnerProfColor", order.inner);
    Take(orderIn, "OuterProfColor", order.outer);
    Take(orderIn, "CurrencyId", currencyId);
    Take(orderIn, "PriceGroupNo", priceGroup);  // prices take each article's own price group

    TDM dm;
    if (OpenCliCatalogue(dm, o.catalog, o.config) != 0)
        throw FtfError("Не все таблицы каталога открылись");

    TftfCurrencyList rates;
    LoadCurrencyRates(dm, &rates);
    TftfSetup setup;
    setup.DebugMode = debug;
    setup.SetActiveCurrency(&rates, currencyId, 0);
    struct SetupGuard {
        ~SetupGuard() { SetCurrentSetup(nullptr); }
    } setupGuard;
    SetCurrentSetup(&setup);

    TCatalogueModelServices services(dm);
    ScopedModelCatalogue catalogueGuard(services);
    TFurnEngine engine(dm);
    ScopedFurnEngine engineGuard(engine);
    NonInteractivePrompter prompter(false);
    ScopedPrompter prompterGuard(prompter);

    TftfConstruction pos(&order);
    TFigure figure;
    Take(figureIn, "B", figure.B);
    Take(figureIn, "H", figure.H);
    Take(figureIn, "figure", figure.Figure);
    Take(figureIn, "X", figure.X);
    Take(figureIn, "Y", figure.Y);
    Take(figureIn, "R", figure.R);
    figure.R2 = figure.R;
    std::int32_t dornmass = 0;
    Take(posIn, "Dornmass", dornmass);
    Take(posIn, "PosNo", pos.PosNo);
    Take(posIn, "Quantity", pos.Quantity);
    std::int32_t objectType = pos.ObjectType;
    Take(posIn, "ObjectType", objectType);
    pos.ObjectType = static_cast<std::uint8_t>(objectType);
    std::string furnSys, profSys, color;
    std::int32_t falzType = 0, stulpType = 0, openType = 0;
    float profileWidth = 0, profileThickness = 0;
    Take(posIn, "FurnSys", furnSys);
    Take(posIn, "ProfSys", profSys);
    Take(posIn, "Color", color);
    Take(posIn, "FalzType", falzType);
    Take(posIn, "StulpType", stulpType);
    Take(posIn, "OpenType", openType);
    Take(posIn, "ProfileWidth", profileWidth);
    Take(posIn, "ProfileThickness", profileThickness);
    const TSashBuffer b1 = ReadSash(Object(posIn, "sash1"), dornmass);
    const TSashBuffer b2 = ReadSash(Object(posIn, "sash2"), dornmass);

    pos.BuildContours(figure, dornmass);
    // The checks of the fittings set dialog's OK.
    if (pos.Arrangement == 2) {
        if (b1.Complect.empty()) throw FtfError("Не указан комплект фурнитуры!");
    } else {
        if (b1.Complect.empty()) throw FtfError("Не указан левый комплект фурнитуры!");
        if (b2.Complect.empty()) throw FtfError("Не указан правый комплект фурнитуры!");
    }
    pos.ApplySet(furnSys, profSys, color, falzType, stulpType, openType, profileWidth, profileThickness, b1, b2);

    if (o.asJson)
        WriteJson(pos, out);
    else
        WriteText(pos, debug, out);
    out.flush();
    return out ? 0 : 1;
}

int Run(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    bool asJson = false;
    for (const std::string& a : args) asJson = asJson || a == "--json";
    std::ostringstream result;
    try {
        const Options o = ParseOptions(args);
        const int rc = Calculate(o, result);
        std::cout << result.str();
        std::cout.flush();
        return rc;
    } catch (const std::exception& e) {
        if (asJson) {
            std::cout << "{\"error\": " << Str(e.what()) << "}\n";
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
