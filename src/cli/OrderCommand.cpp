// ftf order: orders from the command line.
//
//   ftf order build DESCRIPTION.json -o FILE [--register]   a new order from a JSON description
//   ftf order show FILE [--json]                             the order's contents
//   ftf order recalc FILE                                    prices anew, the order saved
//
// The configuration: --config NAME or --catalog DIR [--server DIR] (CliSession.h).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/OrderController.h"
#include "app/OrderRecalc.h"
#include "catalogue/Lookups.h"
#include "cli/CliJson.h"
#include "cli/CliOrderJson.h"
#include "cli/CliSession.h"
#include "cli/CliText.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "common/NumberFormat.h"
#include "documents/DocumentFile.h"
#include "documents/Order.h"
#include "documents/Register.h"
#include "model/Construction.h"

namespace fs = std::filesystem;

namespace ftf::cli {
namespace {

const char kHelp[] =
    "Использование:\n"
    "  ftf order build ОПИСАНИЕ.json -o ФАЙЛ [--register]   (ОПИСАНИЕ «-» — стандартный вход)\n"
    "      создаёт новый заказ конфигурации (значения по умолчанию — из настроек, курсы — из\n"
    "      таблицы валют), применяет поля описания, рассчитывает позиции и записывает ФАЙЛ.\n"
    "      Описание: {\"OrderNo\", \"Customer\", \"ObjectName\", \"Address\", \"Phones\", \"Remark\",\n"
    "      \"RegDate\": \"дд.мм.гггг\", \"TimeStamp1\", \"TimeStamp2\": \"дд.мм.гггг чч:мм:сс\",\n"
    "      \"NDSTax\", \"CurrencyId\", \"PriceGroupNo\", \"InnerProfColor\", \"OuterProfColor\", ...,\n"
    "      \"Notes\": [строки], \"positions\": [позиции в форме ftf calc]}.\n"
    "      --register  зарегистрировать заказ в реестре и записать номер последнего заказа\n"
    "  ftf order show ФАЙЛ [--json]\n"
    "      реквизиты, позиции со створками, комплектами, артикулами и материалами, итоги\n"
    "  ftf order recalc ФАЙЛ\n"
    "      пересчитывает цены позиций по текущему каталогу и сохраняет заказ\n";
const char kStatusHelp[] =
    "Код возврата: 0 — готово, 1 — ошибка, 2 — готово, но были сообщения.\n";

struct Args {
    SessionOptions session;
    std::vector<std::string> positional;
    std::string output;
    bool registerOrder = false;
    bool asJson = false;
};

Args Parse(const std::vector<std::string>& in) {
    Args a;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (TakeSessionOption(in, i, a.session) || TakeValueOption(in, i, "-o", a.output) ||
            TakeValueOption(in, i, "--output", a.output))
            continue;
        if (in[i] == "--register")
            a.registerOrder = true;
        else if (in[i] == "--json")
            a.asJson = true;
        else
            TakePositional(in[i], a.positional);
    }
    return a;
}

// Loads an order file; a file that cannot be read completely ends the command.
void LoadOrder(TftfOrder& order, const std::string& file) {
    bool converted = false;
    if (!order.LoadFromFile(file, converted)) throw FtfError("Заказ не загружен: " + file);
}

int Build(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один файл описания заказа");
    if (a.output.empty()) throw FtfError("Не указан файл заказа (-o ФАЙЛ)");
    const std::string& source = a.positional[0];
    const json input = ParseJsonObject(ReadInputText(source == "-" ? std::nullopt : std::optional(source)));

    CliSession session(a.session);
    TftfOrder order;
    InitNewOrder(session, order);
    ApplyOrderMembers(order, input, true);
    const auto currency = session.UseCurrencyOf(order);

    auto positions = input.find("positions");
    if (positions != input.end() && !positions->is_null()) {
        if (!positions->is_array()) throw FtfError("Поле «positions» во входных данных должно быть списком");
        int n = 0;
        for (const json& p : *positions) {
            ++n;
            const std::string where = "позиции " + std::to_string(n);
            if (!p.is_object()) throw FtfError("Описание " + where + " должно быть объектом");
            TftfConstruction& pos = order.AddPosition();
            try {
                BuildPosition(pos, p, order, session.Setup(), where);
            } catch (const std::exception& e) {
                // Named as the recalculation names a failing position, once its number is known.
                if (pos.PosNo.empty()) throw;
                throw FtfError(std::string(e.what()) + "\r\n[Позиция: " + pos.PosNo + "]");
            }
        }
    }

    const std::string file = AbsoluteFile(a.output);
    std::error_code ec;
    fs::create_directories(fs::path(file).parent_path(), ec);

    if (!a.registerOrder) {
        if (!order.SaveToFile(file)) return 1;
    } else {
        const AppPathsRecord& paths = session.Paths();
        if (paths.RegistryDir.empty()) throw FtfError("В конфигурации не указана папка сервера");
        fs::create_directories(paths.RegistryDir, ec);
        session.Dm().ConfigureDatabase(session.Dm().DB_Registry, paths.RegistryDir);
        OrderRegister reg(session.Dm(), RegisterFolders{paths.OrdersDir, paths.RecycledDir, paths.ArchiveDir});
        if (!reg.Open()) return 1;
        // A refused registration must not leave the new order over an older file of that name.
        std::optional<std::string> previous;
        if (fs::exists(file, ec)) {
            std::ifstream in(file, std::ios::binary);
            previous.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        auto restore = [&] {
            if (previous) {
                TSpecStream image;
                image.Write(previous->data(), previous->size());
                WriteDocumentFile(file, image);
            } else {
                fs::remove(file, ec);
            }
        };
        if (!order.SaveToFile(file)) return 1;
        RegisterFilesResult r;
        try {
            r = reg.RegisterOrderFiles({file});
        } catch (...) {  // a question the command line may not answer ends the registration
            restore();
            throw;
        }
        if (r.registered != 1) {
            restore();
            return 1;
        }
        if (!WriteLastOrderNo(order.OrderNo)) return 1;
    }
    std::printf("Заказ № %s записан: %s (позиций: %d, итого: %s)\n", order.OrderNo.c_str(), file.c_str(),
                order.Count(), FormatFixed(order.GrandTotal(), 4).c_str());
    return session.DoneStatus();
}

void ShowText(CliSession& session, const TftfOrder& order, std::ostream& out) {
    out << "Заказ № " << order.OrderNo;
    if (!order.AltOrderNo.empty()) out << " (" << order.AltOrderNo << ")";
    if (order.RegDateSet) out << " от " << FormatShortDate(order.RegDate);
    out << "\n";
    const std::pair<const char*, const std::string*> requisites[] = {
        {"Заказчик", &order.Customer}, {"Объект", &order.ObjectName}, {"Адрес", &order.Address},
        {"Телефон", &order.Phones}, {"Отметка", &order.Remark}};
    for (const auto& [caption, value] : requisites)
        if (!value->empty()) out << caption << ": " << *value << "\n";
    out << "Система: " << order.FurnSys << ", цвет " << order.FurnColor << ", планки " << order.ProfSys
        << ", цвет профиля " << order.InnerProfColor << " / " << order.OuterProfColor << ", ручка "
        << order.Handle << "\n";
    out << "Валюта: " << GetCurrencyName(session.Dm(), order.CurrencyId) << " (" << order.CurrencyId
        << "), группа цен " << order.PriceGroupNo << ", НДС " << FormatFixed(order.NDSTax, 2) << " %\n";
    if (!order.CurrencyRates.empty()) {
        out << "Курсы:";
        for (const TftfCurrencyItem& r : order.CurrencyRates)
            out << " " << GetCurrencyName(session.Dm(), r.CurrencyCode) << " " << FormatFixed(r.Rate, 4) << ";";
        out << "\n";
    }
    for (const std::string& note : order.Notes) out << "Примечание: " << note << "\n";
    for (int i = 0; i < order.Count(); ++i) {
        const TftfConstruction& pos = order.Positions(i);
        out << "\nПозиция " << pos.PosNo << " «" << pos.PosName << "»: " << pos.Quantity << " шт. x "
            << FormatMoney(pos.Price) << " = " << FormatMoney(pos.Total())
            << (pos.Checked ? "" : " (не включена в расчёт)") << "\n";
        WritePositionText(pos, false, out);
    }
    out << "\nИтого: " << FormatMoney(order.TotalSum()) << "\n";
    out << "НДС " << FormatFixed(order.NDSTax, 2) << " %: " << FormatMoney(order.NDSSum()) << "\n";
    out << "Всего: " << FormatMoney(order.GrandTotal()) << "\n";
}

int Show(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один файл заказа");
    CliSession session(a.session);
    TftfOrder order;
    LoadOrder(order, a.positional[0]);
    const auto currency = session.UseCurrencyOf(order);
    std::ostringstream out;
    if (a.asJson)
        out << OrderJson(order) << "\n";
    else
        ShowText(session, order, out);
    std::cout << out.str();
    std::cout.flush();
    return session.DoneStatus();
}

int Recalc(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один файл заказа");
    SessionOptions options = a.session;
    options.saveAnswer = true;
    CliSession session(options);
    TftfOrder order;
    LoadOrder(order, a.positional[0]);
    const auto currency = session.UseCurrencyOf(order);
    const RecalcOutcome outcome = RecalcOrderPrices(order);
    if (outcome.failedIndex >= 0) {
        // The file keeps its old prices: a half-recalculated order is not written.
        std::fprintf(stderr, "%s\n", OneLine(outcome.Message()).c_str());
        return 1;
    }
    if (!order.SaveToFile(a.positional[0])) return 1;
    std::printf("Пересчитано позиций: %d; итого: %s\n", outcome.recalculated,
                FormatMoney(order.GrandTotal()).c_str());
    return session.DoneStatus();
}

int Run(const std::vector<std::string>& args) {
    const std::vector<CliVerb> verbs = {
        {"build", [](const std::vector<std::string>& rest) { return Build(Parse(rest)); }},
        {"show", [](const std::vector<std::string>& rest) { return Show(Parse(rest)); }},
        {"recalc", [](const std::vector<std::string>& rest) { return Recalc(Parse(rest)); }},
    };
    return RunVerb("order", args, verbs, kHelp, kStatusHelp, "Неизвестная команда заказа");
}

const FtfCommand reg("order", "заказы: build (из описания JSON), show, recalc", Run);

}  // namespace
}  // namespace ftf::cli
