// ftf selection: selections from the command line.
//
//   ftf selection build -o FILE ORDERFILE... [--no N] [--name TEXT]   a selection of the orders
//   ftf selection show FILE [--json]                                   its entries and materials
//
// The configuration: --config NAME or --catalog DIR [--server DIR] (CliSession.h). References
// to the order files are stored relative to the configuration's orders folder.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/Lookups.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "cli/CliText.h"
#include "cli/Command.h"
#include "common/Error.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "common/StoredPath.h"
#include "documents/DocumentFile.h"
#include "documents/Order.h"
#include "documents/Selection.h"
#include "model/Construction.h"

namespace fs = std::filesystem;

namespace ftf::cli {
namespace {

const char kHelp[] =
    "Использование:\n"
    "  ftf selection build -o ФАЙЛ ЗАКАЗ... [--no НОМЕР] [--name НАИМЕНОВАНИЕ]\n"
    "      выборка из всех позиций заказов; номер по умолчанию — имя ФАЙЛА без расширения,\n"
    "      валюта и НДС — из настроек, ссылки на заказы — относительно папки заказов\n"
    "  ftf selection show ФАЙЛ [--json]\n"
    "      позиции выборки и сводный список материалов по текущим ценам\n";
const char kStatusHelp[] =
    "Код возврата: 0 — готово, 1 — ошибка, 2 — готово, но были сообщения\n"
    "(например, заказ не прочитан).\n";

struct Args {
    SessionOptions session;
    std::vector<std::string> positional;
    std::string output;
    std::optional<std::string> number;
    std::string name;
    bool asJson = false;
};

Args Parse(const std::vector<std::string>& in) {
    Args a;
    std::string number;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (TakeSessionOption(in, i, a.session) || TakeValueOption(in, i, "-o", a.output) ||
            TakeValueOption(in, i, "--output", a.output) || TakeValueOption(in, i, "--name", a.name))
            continue;
        if (TakeValueOption(in, i, "--no", number))
            a.number = number;
        else if (in[i] == "--json")
            a.asJson = true;
        else
            TakePositional(in[i], a.positional);
    }
    return a;
}

// Adds the positions of one order file as the selection window adds them: a position already in
// the selection (same order and position numbers) is updated in place, keeping its tick.
bool AddOrderFile(TftfOrderSelection& selection, const std::string& file) {
    TftfOrder order;
    try {
        bool converted = false;
        if (!order.LoadFromFile(file, converted)) return false;  // the load has reported why
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
    for (int i = 0; i < order.Count(); ++i) {
        bool added = false;
        selection.PutOrderPosition(file, order, order.Positions(i), added);
    }
    return true;
}

int Build(const Args& a) {
    if (a.output.empty()) throw FtfError("Не указан файл выборки (-o ФАЙЛ)");
    if (a.positional.empty()) throw FtfError("Укажите файлы заказов");
    CliSession session(a.session);
    TftfOrderSelection selection;
    InitNewSelection(session, selection);
    const std::string file = AbsoluteFile(a.output);
    selection.SelectionNo = a.number ? *a.number : fs::path(file).stem().string();
    if (selection.SelectionNo.empty()) throw FtfError("Не указан номер выборки!");
    selection.SelName = a.name;
    const auto currency = session.UseCurrencyOf(selection);

    int added = 0;
    for (const std::string& f : a.positional)
        if (AddOrderFile(selection, AbsoluteFile(f))) ++added;  // an unreadable order is reported; go on

    std::error_code ec;
    fs::create_directories(fs::path(file).parent_path(), ec);
    if (!selection.SaveToFile(file)) return 1;
    std::printf("Выборка № %s записана: %s (заказов: %d, позиций: %d)\n", selection.SelectionNo.c_str(),
                file.c_str(), added, selection.Count());
    return session.DoneStatus();
}

std::string DateText(OleDate d) { return FormatDatePattern("dd.mm.yyyy", d); }

int Show(const Args& a) {
    if (a.positional.size() != 1) throw FtfError("Укажите один файл выборки");
    CliSession session(a.session);
    TftfOrderSelection selection;
    selection.SetOrdersDir(session.Paths().OrdersDir);
    bool converted = false;
    if (!selection.LoadFromFile(a.positional[0], converted)) throw FtfError("Выборка не загружена: " + a.positional[0]);
    const auto currency = session.UseCurrencyOf(selection);

    // An entry whose order file is gone gives no material; say so instead of dropping it quietly.
    std::error_code ec;
    for (int i = 0; i < selection.Count(); ++i) {
        const TftfOrderSelectionItem& item = selection.Items(i);
        const std::string resolved = selection.ResolvedFile(item);
        if (!fs::is_regular_file(resolved, ec))
            ShowWarning(FillMessage("Невозможно найти файл заказа № %s!\r\nФайл: %s.", {item.OrderNo, resolved}));
    }
    TftfMatList materials;
    selection.CollectMaterials(&materials);
    Money total;
    for (const auto& m : materials) total = total + m->MatCost;

    std::ostringstream out;
    if (a.asJson) {
        JsonWriter rates = JsonWriter::Array();
        for (const TftfCurrencyItem& r : selection.CurrencyRates)
            rates.Add(JsonWriter::Object().Int("CurrencyCode", r.CurrencyCode).Float("Rate", r.Rate).Text());
        JsonWriter entries = JsonWriter::Array();
        for (int i = 0; i < selection.Count(); ++i) {
            const TftfOrderSelectionItem& item = selection.Items(i);
            entries.Add(JsonWriter::Object()
                            .Bool("Checked", item.Checked)
                            .Str("OrderNo", item.OrderNo)
                            .Str("PosNo", item.PosNo)
                            .Float("RebateWidth", item.RebateWidth)
                            .Float("RebateHeight", item.RebateHeight)
                            .Int("Quantity", item.Quantity)
                            .Str("PosName", item.PosName)
                            .Str("FileRef", item.FileRef)
                            .Str("File", selection.ResolvedFile(item))
                            .Text());
        }
        JsonWriter lines = JsonWriter::Array();
        for (const auto& m : materials)
            lines.Add(JsonWriter::Object()
                          .Str("ArticleId", m->ArticleId)
                          .Float("MatQuantity", m->MatQuantity)
                          .Cash("BasePrice", m->BasePrice)
                          .Cash("MatPrice", m->MatPrice)
                          .Cash("MatCost", m->MatCost)
                          .Text());
        out << JsonWriter::Object()
                   .Str("Version", selection.Version)
                   .Str("SelectionNo", selection.SelectionNo)
                   .Str("SelDate", DateText(selection.SelDate))
                   .Str("SelName", selection.SelName)
                   .Raw("CurrencyRates", rates.Text())
                   .Int("CurrencyId", selection.CurrencyId)
                   .Int("PriceGroupNo", selection.PriceGroupNo)
                   .Float("NDSTax", selection.NDSTax)
                   .Int("RoundMode", selection.RoundMode)
                   .Lines("Notes", selection.Notes)
                   .Raw("entries", entries.Text())
                   .Raw("materials", lines.Text())
                   .Cash("MaterialsSum", total)
                   .Text()
            << "\n";
    } else {
        out << "Выборка № " << selection.SelectionNo << " от " << FormatShortDate(selection.SelDate);
        if (!selection.SelName.empty()) out << ": " << selection.SelName;
        out << "\nВалюта: " << GetCurrencyName(session.Dm(), selection.CurrencyId) << " (" << selection.CurrencyId
            << "), НДС " << FormatFixed(selection.NDSTax, 2) << " %\n";
        for (const std::string& note : selection.Notes) out << "Примечание: " << note << "\n";
        out << "\n[..]\tЗаказ\tПозиция\tШирина\tВысота\tКол-во\tНаименование\tФайл\n";
        for (int i = 0; i < selection.Count(); ++i) {
            const TftfOrderSelectionItem& item = selection.Items(i);
            out << (item.Checked ? "[x]" : "[ ]") << "\t" << item.OrderNo << "\t" << item.PosNo << "\t"
                << FormatFixed(item.RebateWidth, 1) << "\t" << FormatFixed(item.RebateHeight, 1) << "\t"
                << item.Quantity << "\t" << item.PosName << "\t" << item.FileRef << "\n";
        }
        out << "\nМатериал\tНаименование\tКол-во\tЦена\tСтоимость\n";
        for (const auto& m : materials)
            out << m->ArticleId << "\t" << GetArticleName(session.Dm(), m->ArticleId, true) << "\t"
                << FormatFixed(m->MatQuantity, 3) << "\t" << FormatFixed(m->MatPrice, 4) << "\t"
                << FormatFixed(m->MatCost, 4) << "\n";
        out << "Итого по материалам: " << FormatMoney(total) << "\n";
    }
    std::cout << out.str();
    std::cout.flush();
    return session.DoneStatus();
}

int Run(const std::vector<std::string>& args) {
    const std::vector<CliVerb> verbs = {
        {"build", [](const std::vector<std::string>& rest) { return Build(Parse(rest)); }},
        {"show", [](const std::vector<std::string>& rest) { return Show(Parse(rest)); }},
    };
    return RunVerb("selection", args, verbs, kHelp, kStatusHelp, "Неизвестная команда выборки");
}

const FtfCommand reg("selection", "выборки: build (из файлов заказов), show", Run);

}  // namespace
}  // namespace ftf::cli
