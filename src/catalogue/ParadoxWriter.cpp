#include "catalogue/ParadoxWriter.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include "catalogue/ParadoxReader.h"
#include "catalogue/Value.h"
#include "common/Cp1251.h"
#include "common/Error.h"

extern "C" {
#include <paradox.h>
}

namespace ftf {

namespace {

struct Errors {
    std::string text;
};

extern "C" void WriterErrorHandler(pxdoc_t*, int, const char* msg, void* data) {
    auto* e = static_cast<Errors*>(data);
    if (e && msg) e->text += msg;
}

int RecordBytes(const ParadoxFieldSpec& f) {
    switch (f.type) {
        case pxShort: return 2;
        case pxLong: case pxAutoInc: case pxDate: return 4;
        case pxNumber: case pxCurrency: return 8;
        case pxLogical: return 1;
        case pxBcd: return 17;
        default: return f.size;
    }
}

double Number(const std::string& text, const ParadoxFieldSpec& f) {
    double d = 0;
    if (!ParseDecimal(text, d)) throw FtfError("Значение «" + text + "» поля " + f.name + " не является числом");
    return d;
}

}  // namespace

std::vector<ParadoxFieldSpec> ParseParadoxFieldList(const std::string& desc) {
    std::vector<ParadoxFieldSpec> out;
    std::stringstream ss(desc);
    std::string item;
    while (std::getline(ss, item, ';')) {
        while (!item.empty() && (item.back() == ' ' || item.back() == '\r')) item.pop_back();
        while (!item.empty() && item.front() == ' ') item.erase(0, 1);
        if (item.empty()) continue;
        auto colon = item.rfind(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 >= item.size())
            throw FtfError("Неверное описание поля «" + item + "»");
        ParadoxFieldSpec f;
        f.name = item.substr(0, colon);
        const char t = item[colon + 1];
        const std::string num = item.substr(colon + 2);
        int n = num.empty() ? 0 : std::atoi(num.c_str());
        switch (t) {
            case 'A': f.type = pxAlpha; f.size = n; break;
            case 'S': f.type = pxShort; break;
            case 'I': f.type = pxLong; break;
            case '+': f.type = pxAutoInc; break;
            case 'N': f.type = pxNumber; break;
            case '$': f.type = pxCurrency; break;
            case 'D': f.type = pxDate; break;
            case 'L': f.type = pxLogical; break;
            case '#': f.type = pxBcd; f.decimals = n; break;
            case 'M': f.type = pxMemo; f.size = n; break;
            case 'Y': f.type = pxBytes; f.size = n; break;
            default: throw FtfError("Неизвестный тип поля «" + item + "»");
        }
        if ((f.type == pxAlpha && (n < 1 || n > 255)) || (f.type == pxMemo && (n < 11 || n > 240)) ||
            (f.type == pxBytes && (n < 1 || n > 255)) || (f.type == pxBcd && (n < 0 || n > 32)))
            throw FtfError("Неверный размер поля «" + item + "»");
        out.push_back(std::move(f));
    }
    if (out.empty()) throw FtfError("Нет описания полей");
    return out;
}

void WriteParadoxTable(const std::string& path, const std::vector<ParadoxFieldSpec>& fields,
                       const std::vector<std::vector<std::string>>& rows, int codePage) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() != fields.size())
            throw FtfError("В строке " + std::to_string(i + 1) + " не " + std::to_string(fields.size()) + " значений");
    static const bool booted = [] { PX_boot(); return true; }();
    (void)booted;
    Errors errors;
    pxdoc_t* doc = PX_new3(WriterErrorHandler, nullptr, nullptr, nullptr, &errors);
    if (!doc) throw FtfError("Нет памяти");
    // pxlib takes the field array and frees it with the document.
    auto* pf = static_cast<pxfield_t*>(std::malloc(sizeof(pxfield_t) * fields.size()));
    int recordSize = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = ToCp1251(fields[i].name).bytes;
        pf[i].px_fname = static_cast<char*>(std::malloc(name.size() + 1));
        std::memcpy(pf[i].px_fname, name.c_str(), name.size() + 1);
        pf[i].px_ftype = static_cast<char>(fields[i].type);
        pf[i].px_flen = RecordBytes(fields[i]);
        pf[i].px_fdc = fields[i].type == pxBcd ? fields[i].decimals : 0;
        recordSize += pf[i].px_flen;
    }
    std::remove(path.c_str());
    if (PX_create_file(doc, pf, static_cast<int>(fields.size()), path.c_str(), pxfFileTypNonIndexDB) < 0) {
        PX_delete(doc);
        throw FtfError("Не удалось создать " + path + ": " + errors.text);
    }
    struct Closer {
        pxdoc_t* d;
        ~Closer() { PX_close(d); PX_delete(d); }
    } closer{doc};
    PX_set_parameter(doc, "tablename", "table");
    PX_set_value(doc, "codepage", static_cast<float>(codePage));

    std::vector<char> rec(static_cast<std::size_t>(recordSize));
    // A half-written table is removed: a fixture is whole or absent.
    struct Remover {
        const std::string& path;
        bool done = false;
        ~Remover() { if (!done) std::remove(path.c_str()); }
    } remover{path};
    for (const auto& row : rows) {
        std::fill(rec.begin(), rec.end(), 0);
        int at = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const ParadoxFieldSpec& f = fields[i];
            const std::string& v = row[i];
            char* p = rec.data() + at;
            at += pf[i].px_flen;
            if (v.empty() || f.type == pxMemo) continue;  // blank: zero bytes
            switch (f.type) {
                case pxAlpha: {
                    std::string b = ToCp1251(v).bytes;
                    if (static_cast<int>(b.size()) > f.size) throw FtfError("Текст «" + v + "» длиннее поля " + f.name);
                    std::memcpy(p, b.data(), b.size());
                    break;
                }
                case pxBytes: {
                    if (static_cast<int>(v.size()) > f.size) throw FtfError("Значение длиннее поля " + f.name);
                    std::memcpy(p, v.data(), v.size());
                    break;
                }
                case pxShort: PX_put_data_short(doc, p, 2, static_cast<short>(Number(v, f))); break;
                case pxLong:
                case pxAutoInc: PX_put_data_long(doc, p, 4, static_cast<int>(Number(v, f))); break;
                case pxNumber:
                case pxCurrency: PX_put_data_double(doc, p, 8, Number(v, f)); break;
                case pxDate: {
                    std::int32_t days = 0;
                    if (!ParseOleDate(v, days)) throw FtfError("Значение «" + v + "» поля " + f.name + " не является датой");
                    PX_put_data_long(doc, p, 4, OleToParadoxDate(days));
                    break;
                }
                case pxLogical: {
                    const bool on = v == "1" || SameTextNoCase(v, "true");
                    // pxlib writes false as a blank byte, so the flag byte is set here.
                    *p = static_cast<char>(on ? 0x81 : 0x80);
                    break;
                }
                case pxBcd: {
                    Number(v, f);  // checks the text
                    std::string copy = v;
                    PX_put_data_bcd(doc, p, f.decimals, copy.data());
                    break;
                }
                default: break;
            }
        }
        if (PX_put_record(doc, rec.data()) < 0) throw FtfError("Не удалось записать строку в " + path + ": " + errors.text);
    }
    remover.done = true;
}

void WriteParadoxFromDescription(const std::string& path, const std::string& description, int codePage) {
    std::stringstream ss(description);
    std::string line;
    std::vector<ParadoxFieldSpec> fields;
    std::vector<std::vector<std::string>> rows;
    bool haveFields = false;
    while (std::getline(ss, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!haveFields) {
            fields = ParseParadoxFieldList(line);
            haveFields = true;
            continue;
        }
        std::vector<std::string> row;
        std::size_t start = 0;
        while (true) {
            auto bar = line.find('|', start);
            row.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
        rows.push_back(std::move(row));
    }
    if (!haveFields) throw FtfError("Нет описания полей");
    WriteParadoxTable(path, fields, rows, codePage);
}

}  // namespace ftf
