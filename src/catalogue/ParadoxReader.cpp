#include "catalogue/ParadoxReader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>

#include "common/Cp1251.h"
#include "common/Error.h"

extern "C" {
#include <paradox.h>
}

namespace ftf {

namespace {

// Days from 1 January of year 1 (day 1) to 30 December 1899, the OLE day 0.
constexpr std::int32_t kOleEpochInParadox = 693594;

std::uint16_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}
std::uint32_t U32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(U16(b, at)) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

bool KnownType(int t) {
    switch (t) {
        case pxAlpha: case pxDate: case pxShort: case pxLong: case pxCurrency: case pxNumber:
        case pxLogical: case pxMemo: case pxBlob: case pxFmtMemo: case pxOle: case pxGraphic:
        case pxTime: case pxTimestamp: case pxAutoInc: case pxBcd: case pxBytes:
            return true;
        default:
            return false;
    }
}

// The size a field of a fixed-size type must have; 0 for types of declared size.
int FixedSize(int t) {
    switch (t) {
        case pxShort: return 2;
        case pxLong: case pxDate: case pxAutoInc: case pxTime: return 4;
        case pxNumber: case pxCurrency: case pxTimestamp: return 8;
        case pxLogical: return 1;
        case pxBcd: return 17;
        default: return 0;
    }
}

bool IsBlobType(int t) {
    return t == pxMemo || t == pxBlob || t == pxFmtMemo || t == pxOle || t == pxGraphic;
}

struct HeaderInfo {
    int recordSize = 0;
    int headerSize = 0;
    int blockSize = 0;
    std::uint32_t numRecords = 0;
    std::vector<std::pair<int, int>> fields;  // type, size from the header
};

// Reads and checks the header and block chain; returns the reason on failure.
std::string Check(const std::string& path, HeaderInfo& h) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "Файл не найден: " + path;
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t fileSize = data.size();
    if (fileSize < 0x58) return "Файл слишком короткий для таблицы Paradox";
    h.recordSize = U16(data, 0x00);
    h.headerSize = U16(data, 0x02);
    const int fileType = static_cast<unsigned char>(data[0x04]);
    const int maxTableSize = static_cast<unsigned char>(data[0x05]);
    h.numRecords = U32(data, 0x06);
    const int fileBlocks = U16(data, 0x0C);
    const int firstBlock = U16(data, 0x0E);
    const int numFields = U16(data, 0x21);
    const int version = static_cast<unsigned char>(data[0x39]);
    if (fileType != pxfFileTypIndexDB && fileType != pxfFileTypNonIndexDB)
        return "Файл не является таблицей Paradox (тип " + std::to_string(fileType) + ")";
    if (maxTableSize < 1 || maxTableSize > 32 || (maxTableSize > 4 && maxTableSize != 8 && maxTableSize != 16 && maxTableSize != 32))
        return "Повреждён заголовок таблицы (размер блока)";
    h.blockSize = maxTableSize * 0x400;
    // Encrypted tables (never shipped by the supplier) would need a password; pxlib hangs on
    // them rather than refusing.
    // An unencrypted table holds 0xFF00FF00 (or 0) in the first slot and 0 in the second.
    const std::uint32_t crypt1 = U32(data, 0x25);
    if ((crypt1 != 0 && crypt1 != 0xFF00FF00u) || (version >= 5 && U32(data, 0x5C) != 0)) return "Таблица зашифрована";
    if (numFields < 1 || numFields > 255) return "Повреждён заголовок таблицы (число полей)";
    if (h.recordSize < 1 || h.recordSize > h.blockSize - 6) return "Повреждён заголовок таблицы (размер записи)";
    const std::size_t fieldInfo = version >= 5 ? 0x78 : 0x58;
    if (h.headerSize < static_cast<int>(fieldInfo + 2u * numFields) || static_cast<std::size_t>(h.headerSize) > fileSize)
        return "Повреждён заголовок таблицы (размер заголовка)";
    int sum = 0;
    for (int i = 0; i < numFields; ++i) {
        int t = static_cast<unsigned char>(data[fieldInfo + 2 * i]);
        int s = static_cast<unsigned char>(data[fieldInfo + 2 * i + 1]);
        if (!KnownType(t)) return "Повреждён заголовок таблицы (тип поля " + std::to_string(i + 1) + ")";
        if (t == pxBcd) s = 17;  // the header holds the BCD field's decimals, the record 17 bytes
        if (FixedSize(t) != 0 && FixedSize(t) != s) return "Повреждён заголовок таблицы (размер поля " + std::to_string(i + 1) + ")";
        if (s < 1) return "Повреждён заголовок таблицы (размер поля " + std::to_string(i + 1) + ")";
        h.fields.emplace_back(t, s);
        sum += s;
    }
    if (sum != h.recordSize) return "Повреждён заголовок таблицы (поля не совпадают с размером записи)";
    // The chain of data blocks: each block inside the file, none twice, record counts sane.
    std::uint64_t records = 0;
    std::set<int> seen;
    int block = h.numRecords == 0 && firstBlock == 0 ? 0 : firstBlock;
    while (block != 0) {
        if (block > fileBlocks || !seen.insert(block).second) return "Повреждена цепочка блоков таблицы";
        std::size_t at = static_cast<std::size_t>(h.headerSize) + static_cast<std::size_t>(block - 1) * h.blockSize;
        if (at + static_cast<std::size_t>(h.blockSize) > fileSize) return "Таблица обрезана (блок за концом файла)";
        int next = U16(data, at);
        int add = static_cast<std::int16_t>(U16(data, at + 4));
        int used = add + h.recordSize;
        if (used < 0 || used > h.blockSize - 6 || used % h.recordSize != 0) return "Повреждён блок данных таблицы";
        records += static_cast<std::uint64_t>(used / h.recordSize);
        block = next;
    }
    // pxlib trusts these to agree; a mismatch sends it into an endless loop.
    if (records != h.numRecords) return "Повреждена таблица (число записей в блоках не совпадает с заголовком)";
    return {};
}

struct PxErrors {
    std::string text;
};

extern "C" void PxErrorHandler(pxdoc_t*, int, const char* msg, void* data) {
    auto* e = static_cast<PxErrors*>(data);
    if (e && msg) {
        if (!e->text.empty()) e->text += "; ";
        e->text += msg;
    }
}

struct PxDocDeleter {
    void operator()(pxdoc_t* d) const {
        PX_close(d);
        PX_delete(d);
    }
};

bool AllZero(const unsigned char* b, int n) {
    for (int i = 0; i < n; ++i)
        if (b[i] != 0) return false;
    return true;
}

// Paradox stores integers big-endian with the sign bit flipped, so that they sort as bytes.
std::int64_t SignFlipped(const unsigned char* b, int n) {
    std::uint64_t u = 0;
    for (int i = 0; i < n; ++i) u = (u << 8) | b[i];
    u ^= 1ull << (8 * n - 1);
    if (n < 8 && (u & (1ull << (8 * n - 1)))) u |= ~0ull << (8 * n);  // sign-extend
    return static_cast<std::int64_t>(u);
}

double PxDouble(const unsigned char* b) {
    unsigned char c[8];
    std::memcpy(c, b, 8);
    if (c[0] & 0x80) c[0] &= 0x7F;
    else for (auto& x : c) x = static_cast<unsigned char>(~x);
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u = (u << 8) | c[i];
    double d;
    std::memcpy(&d, &u, 8);
    return d;
}

// A BCD of 32 digits, the last `decimals` of them fraction digits; negatives store the
// complement of every digit. Digits beyond what the writing engine held may be non-decimal:
// the value ends at the first of them.
double PxBcd(const unsigned char* b, int decimals) {
    const bool negative = (b[0] & 0x80) == 0;
    if (decimals < 0 || decimals > 32) decimals = b[0] & 0x3F;
    if (decimals > 32) decimals = 32;
    std::string text = negative ? "-" : "";
    bool stop = false;
    for (int i = 0; i < 32 && !stop; ++i) {
        int nib = (i % 2 == 0) ? (b[1 + i / 2] >> 4) : (b[1 + i / 2] & 0x0F);
        if (negative) nib = 0x0F - nib;
        if (i == 32 - decimals) text += '.';
        if (nib > 9) { stop = true; break; }
        text += static_cast<char>('0' + nib);
    }
    if (text.empty() || text == "-" || text == "." || text == "-.") return 0;
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

std::int32_t ParadoxDateToOle(std::int32_t pxDays) { return pxDays - kOleEpochInParadox; }
std::int32_t OleToParadoxDate(std::int32_t oleDays) { return oleDays + kOleEpochInParadox; }

Value DecodeParadoxField(const ParadoxField& f, const unsigned char* b) {
    if (IsBlobType(f.type)) return Value::Blank();
    if (AllZero(b, f.size)) return Value::Blank();
    switch (f.type) {
        case pxAlpha: {
            int n = 0;
            while (n < f.size && b[n] != 0) ++n;
            return Value(FromCp1251(std::string_view(reinterpret_cast<const char*>(b), static_cast<std::size_t>(n))));
        }
        case pxShort: return Value(static_cast<long long>(SignFlipped(b, 2)));
        case pxLong:
        case pxAutoInc:
        case pxTime: return Value(static_cast<long long>(SignFlipped(b, 4)));
        case pxDate: return Value::FromDate(ParadoxDateToOle(static_cast<std::int32_t>(SignFlipped(b, 4))));
        case pxNumber:
        case pxTimestamp: return Value(PxDouble(b));
        case pxCurrency: return Value(Money::FromReal(PxDouble(b)));
        case pxLogical: return Value::FromBool(b[0] == 0x81);
        case pxBcd: return Value(PxBcd(b, f.decimals));
        case pxBytes: return Value::FromBytes(std::string(reinterpret_cast<const char*>(b), static_cast<std::size_t>(f.size)));
        default: return Value::Blank();
    }
}

std::string CheckParadoxFile(const std::string& path) {
    HeaderInfo h;
    return Check(path, h);
}

ParadoxTable ReadParadoxTable(const std::string& path) {
    HeaderInfo h;
    std::string problem = Check(path, h);
    if (!problem.empty()) throw FtfError(problem);

    static const bool booted = [] { PX_boot(); return true; }();
    (void)booted;
    PxErrors errors;
    std::unique_ptr<pxdoc_t, PxDocDeleter> doc(PX_new3(PxErrorHandler, nullptr, nullptr, nullptr, &errors));
    if (!doc) throw FtfError("Не хватает памяти для чтения таблицы Paradox");
    if (PX_open_file(doc.get(), path.c_str()) < 0)
        throw FtfError("Не удалось открыть таблицу Paradox" + (errors.text.empty() ? std::string() : ": " + errors.text));

    ParadoxTable out;
    const int numFields = PX_get_num_fields(doc.get());
    pxfield_t* fields = PX_get_fields(doc.get());
    if (numFields != static_cast<int>(h.fields.size()) || !fields)
        throw FtfError("Повреждён заголовок таблицы (описание полей)");
    for (int i = 0; i < numFields; ++i) {
        ParadoxField f;
        f.name = fields[i].px_fname ? FromCp1251(fields[i].px_fname) : std::string();
        f.type = static_cast<unsigned char>(fields[i].px_ftype);
        f.size = h.fields[static_cast<std::size_t>(i)].second;
        f.decimals = f.type == pxBcd ? fields[i].px_fdc : 0;
        if (f.type != h.fields[static_cast<std::size_t>(i)].first || fields[i].px_flen != f.size)
            throw FtfError("Повреждён заголовок таблицы (описание поля " + std::to_string(i + 1) + ")");
        if (IsBlobType(f.type)) out.notes.push_back("Поле " + f.name + " (memo/blob) не читается");
        out.fields.push_back(std::move(f));
    }
    const int count = PX_get_num_records(doc.get());
    if (count < 0 || static_cast<std::uint32_t>(count) != h.numRecords) throw FtfError("Повреждён заголовок таблицы (число записей)");
    std::vector<char> rec(static_cast<std::size_t>(h.recordSize) + 16);
    out.rows.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        if (!PX_get_record(doc.get(), r, rec.data()))
            throw FtfError("Не удалось прочитать запись " + std::to_string(r + 1) +
                           (errors.text.empty() ? std::string() : ": " + errors.text));
        RowValues row;
        row.reserve(out.fields.size());
        std::size_t at = 0;
        for (const auto& f : out.fields) {
            row.push_back(DecodeParadoxField(f, reinterpret_cast<const unsigned char*>(rec.data()) + at));
            at += static_cast<std::size_t>(f.size);
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

}  // namespace ftf
