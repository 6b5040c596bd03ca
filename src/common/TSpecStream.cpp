#include "common/TSpecStream.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"

namespace ftf {
namespace {

// Type codes the reader understands besides the six the writers use.
constexpr std::uint16_t kInt16 = 2;
constexpr std::uint16_t kSingle = 4;
constexpr std::uint16_t kInt8 = 16;
constexpr std::uint16_t kUInt16 = 18;
constexpr std::uint16_t kUInt32 = 19;
constexpr std::uint16_t kInt64 = 20;

constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kDataOffset = 8;

std::string Format(const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

std::uint64_t LoadLE(const SpecVariant::Record& r, std::size_t offset, std::size_t width) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v |= std::uint64_t{r[offset + i]} << (8 * i);
    return v;
}

void StoreLE(SpecVariant::Record& r, std::size_t offset, std::size_t width, std::uint64_t v) {
    for (std::size_t i = 0; i < width; ++i) r[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

SpecVariant::Record MakeRecord(SpecType type, std::size_t width, std::uint64_t data) {
    SpecVariant::Record r{};
    StoreLE(r, 0, 2, static_cast<std::uint16_t>(type));
    StoreLE(r, kDataOffset, width, data);
    return r;
}

// A record's value as one of three numeric kinds: an integer (booleans included), a real, or a
// money count of ten-thousandths.
struct Numeric {
    enum Kind { Int, Real, Cents } kind = Int;
    std::int64_t i = 0;  // Int and Cents
    long double r = 0;   // Real
};

Numeric Decode(const SpecVariant::Record& rec) {
    const std::uint16_t code = static_cast<std::uint16_t>(LoadLE(rec, 0, 2));
    Numeric n;
    switch (code) {
        case static_cast<std::uint16_t>(SpecType::Empty):
            return n;
        case kInt8:
            n.i = static_cast<std::int8_t>(rec[kDataOffset]);
            return n;
        case static_cast<std::uint16_t>(SpecType::Byte):
            n.i = rec[kDataOffset];
            return n;
        case kInt16:
            n.i = static_cast<std::int16_t>(LoadLE(rec, kDataOffset, 2));
            return n;
        case kUInt16:
            n.i = static_cast<std::uint16_t>(LoadLE(rec, kDataOffset, 2));
            return n;
        case static_cast<std::uint16_t>(SpecType::Integer):
            n.i = static_cast<std::int32_t>(LoadLE(rec, kDataOffset, 4));
            return n;
        case kUInt32:
            n.i = static_cast<std::uint32_t>(LoadLE(rec, kDataOffset, 4));
            return n;
        case kInt64:
            n.i = static_cast<std::int64_t>(LoadLE(rec, kDataOffset, 8));
            return n;
        case static_cast<std::uint16_t>(SpecType::Boolean):
            // VARIANT_TRUE is -1; any non-zero data counts as true.
            n.i = LoadLE(rec, kDataOffset, 2) != 0 ? -1 : 0;
            return n;
        case kSingle: {
            float f;
            std::uint32_t bits = static_cast<std::uint32_t>(LoadLE(rec, kDataOffset, 4));
            std::memcpy(&f, &bits, sizeof f);
            n.kind = Numeric::Real;
            n.r = f;
            return n;
        }
        case static_cast<std::uint16_t>(SpecType::Real):
        case static_cast<std::uint16_t>(SpecType::Date): {
            double d;
            std::uint64_t bits = LoadLE(rec, kDataOffset, 8);
            std::memcpy(&d, &bits, sizeof d);
            n.kind = Numeric::Real;
            n.r = d;
            return n;
        }
        case static_cast<std::uint16_t>(SpecType::Money):
            n.kind = Numeric::Cents;
            n.i = static_cast<std::int64_t>(LoadLE(rec, kDataOffset, 8));
            return n;
        default:
            throw SpecFormatError(Format("Неизвестный тип значения %u в данных", unsigned{code}));
    }
}

// Money to a whole number, ties to even, without going through a real.
std::int64_t CentsToWhole(std::int64_t raw) {
    std::int64_t q = raw / Money::kScale;
    std::int64_t rem = raw % Money::kScale;  // same sign as raw
    std::int64_t twice = 2 * (rem < 0 ? -rem : rem);
    if (twice > Money::kScale || (twice == Money::kScale && q % 2 != 0)) q += raw < 0 ? -1 : 1;
    return q;
}

[[noreturn]] void ThrowOverflow(const char* what) {
    throw SpecFormatError(Format("Значение в данных не помещается в поле типа «%s»", what));
}

// The value as a whole number in [lo, hi]; reals round ties to even as the platform's variant
// conversion did.
std::int64_t WholeInRange(const SpecVariant& v, std::int64_t lo, std::int64_t hi, const char* what) {
    if (v.IsText()) throw SpecFormatError(Format("Вместо значения типа «%s» в данных строка", what));
    Numeric n = Decode(v.RecordBytes());
    std::int64_t result = 0;
    switch (n.kind) {
        case Numeric::Int:
            result = n.i;
            break;
        case Numeric::Cents:
            result = CentsToWhole(n.i);
            break;
        case Numeric::Real: {
            if (std::isnan(n.r)) ThrowOverflow(what);
            long double rounded = RoundTiesEven(n.r);
            if (rounded < static_cast<long double>(lo) || rounded > static_cast<long double>(hi))
                ThrowOverflow(what);
            result = static_cast<std::int64_t>(rounded);
            break;
        }
    }
    if (result < lo || result > hi) ThrowOverflow(what);
    return result;
}

long double AsReal(const SpecVariant& v, const char* what) {
    if (v.IsText()) throw SpecFormatError(Format("Вместо значения типа «%s» в данных строка", what));
    Numeric n = Decode(v.RecordBytes());
    switch (n.kind) {
        case Numeric::Int: return static_cast<long double>(n.i);
        case Numeric::Cents: return static_cast<long double>(n.i) / Money::kScale;
        case Numeric::Real: return n.r;
    }
    return 0;
}

void WriteLength(TSpecStream& stream, std::int32_t length) {
    std::uint8_t b[4];
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(length) >> (8 * i));
    stream.Write(b, 4);
}

std::string ReadTextValue(TSpecStream& stream) {
    const std::size_t at = stream.Position();
    if (stream.Remaining() < 4)
        throw SpecFormatError(Format(
            "Данные обрываются на позиции %zu: нет длины строки (нужно 4 байта, осталось %zu)", at,
            stream.Remaining()));
    std::uint8_t b[4];
    stream.Read(b, 4);
    const std::int32_t length = static_cast<std::int32_t>(
        std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
    if (length == 0) return {};
    if (length < 0)
        throw SpecFormatError(Format("Отрицательная длина строки (%d) на позиции %zu", length, at));
    // Never reserve more than the data holds: a damaged prefix may announce two gigabytes.
    const std::size_t wanted = static_cast<std::size_t>(length);
    std::string bytes(std::min(wanted, stream.Remaining()), '\0');
    const std::size_t got = stream.Read(bytes.data(), bytes.size());
    if (got != wanted) {
        stream.NoteShortText();
        ShowError(Format("Ошибка чтения строки из потока!\r\nЗаказано: [%d символов], Считано: [%zu символов]!",
                         length, got));
    }
    // The text ends at its first zero byte, as a zero-terminated string did.
    bytes.resize(std::min(got, bytes.find('\0')));
    return FromCp1251(bytes);
}

}  // namespace

// ---- TSpecStream ----

TSpecStream TSpecStream::FromBytes(std::string_view bytes) {
    return TSpecStream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void TSpecStream::Seek(std::size_t position) {
    if (position > bytes_.size()) throw std::out_of_range("TSpecStream::Seek past the end");
    pos_ = position;
}

std::size_t TSpecStream::Read(void* buffer, std::size_t count) {
    const std::size_t n = std::min(count, Remaining());
    if (n > 0) std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
}

void TSpecStream::Write(const void* data, std::size_t count) {
    if (count == 0) return;
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (pos_ == bytes_.size()) {  // appending, the usual case: no zero-fill before the copy
        bytes_.insert(bytes_.end(), p, p + count);
    } else {
        if (pos_ + count > bytes_.size()) bytes_.resize(pos_ + count);
        std::memcpy(bytes_.data() + pos_, p, count);
    }
    pos_ += count;
}

bool TSpecStream::LoadFromFile(const std::filesystem::path& file, std::string& error) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) {
        error = "Не удалось открыть файл «" + file.string() + "»";
        return false;
    }
    std::vector<std::uint8_t> data;
    std::uint8_t chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.insert(data.end(), chunk, chunk + n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = "Ошибка чтения файла «" + file.string() + "»";
        return false;
    }
    bytes_ = std::move(data);
    pos_ = 0;
    shortTexts_ = 0;
    return true;
}

bool TSpecStream::SaveToFile(const std::filesystem::path& file, std::string& error) const {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) {
        error = "Не удалось создать файл «" + file.string() + "»";
        return false;
    }
    bool ok = bytes_.empty() || std::fwrite(bytes_.data(), 1, bytes_.size(), f) == bytes_.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) error = "Ошибка записи файла «" + file.string() + "»";
    return ok;
}

// ---- SpecVariant ----

SpecVariant SpecVariant::FromText(std::string utf8) {
    SpecVariant v;
    v.isText_ = true;
    v.text_ = std::move(utf8);
    return v;
}

SpecVariant SpecVariant::FromInteger(std::int32_t value) {
    return FromRecord(MakeRecord(SpecType::Integer, 4, static_cast<std::uint32_t>(value)));
}

SpecVariant SpecVariant::FromByte(std::uint8_t value) {
    return FromRecord(MakeRecord(SpecType::Byte, 1, value));
}

SpecVariant SpecVariant::FromBoolean(bool value) {
    return FromRecord(MakeRecord(SpecType::Boolean, 2, value ? 0xFFFF : 0));
}

SpecVariant SpecVariant::FromReal(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return FromRecord(MakeRecord(SpecType::Real, 8, bits));
}

SpecVariant SpecVariant::FromDate(OleDate oleDays) {
    std::uint64_t bits;
    std::memcpy(&bits, &oleDays, sizeof bits);
    return FromRecord(MakeRecord(SpecType::Date, 8, bits));
}

SpecVariant SpecVariant::FromMoney(Money value) {
    return FromRecord(MakeRecord(SpecType::Money, 8, static_cast<std::uint64_t>(value.Raw())));
}

SpecVariant SpecVariant::FromRecord(const Record& record) {
    SpecVariant v;
    v.record_ = record;
    return v;
}

std::uint16_t SpecVariant::TypeCode() const {
    return static_cast<std::uint16_t>(LoadLE(record_, 0, 2));
}

const std::string& SpecVariant::ToText() const {
    if (!isText_)
        throw SpecFormatError(Format("Вместо строки в данных значение типа %u", unsigned{TypeCode()}));
    return text_;
}

std::int32_t SpecVariant::ToInteger() const {
    return static_cast<std::int32_t>(
        WholeInRange(*this, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                     "целое"));
}

std::uint8_t SpecVariant::ToByte() const {
    return static_cast<std::uint8_t>(WholeInRange(*this, 0, 255, "байт"));
}

bool SpecVariant::ToBoolean() const {
    if (isText_) throw SpecFormatError("Вместо логического значения в данных строка");
    Numeric n = Decode(record_);
    return n.kind == Numeric::Real ? n.r != 0 : n.i != 0;
}

double SpecVariant::ToReal() const {
    long double r = AsReal(*this, "вещественное");
    return static_cast<double>(r);  // every source kind fits a double's range
}

float SpecVariant::ToSingle() const {
    const double d = ToReal();
    if (std::isfinite(d) && std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
        ThrowOverflow("вещественное одинарной точности");
    return static_cast<float>(d);
}

OleDate SpecVariant::ToDate() const {
    return static_cast<double>(AsReal(*this, "дата"));
}

Money SpecVariant::ToMoney() const {
    if (isText_) throw SpecFormatError("Вместо денежного значения в данных строка");
    Numeric n = Decode(record_);
    if (n.kind == Numeric::Cents) return Money::FromRaw(n.i);
    const long double r = n.kind == Numeric::Int ? static_cast<long double>(n.i) : n.r;
    if (!Money::InRange(r)) ThrowOverflow("денежное");
    return Money::FromReal(r);
}

// ---- Writing and reading values ----

void WriteVariant(TSpecStream& stream, const SpecVariant& value) {
    if (!value.IsText()) {
        stream.Write(value.RecordBytes().data(), kRecordSize);
        return;
    }
    const Cp1251String bytes = ToCp1251(value.ToText());
    if (bytes.bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw FtfError("Строка слишком длинна для записи в файл");
    WriteLength(stream, static_cast<std::int32_t>(bytes.bytes.size()));
    stream.Write(bytes.bytes.data(), bytes.bytes.size());
}

void ReadVariant(TSpecStream& stream, const SpecVariant& expected, SpecVariant& value) {
    if (expected.IsText()) {
        value = SpecVariant::FromText(ReadTextValue(stream));
        return;
    }
    if (stream.Remaining() < kRecordSize)
        throw SpecFormatError(Format(
            "Данные обрываются на позиции %zu: нет полной записи значения (нужно 16 байт, осталось %zu)",
            stream.Position(), stream.Remaining()));
    SpecVariant::Record r;
    stream.Read(r.data(), r.size());
    value = SpecVariant::FromRecord(r);
}

void WriteText(TSpecStream& s, std::string_view utf8) {
    // Plain ASCII is the same in Windows-1251: written as it is, without the conversion's copies.
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && utf8.size() <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        WriteLength(s, static_cast<std::int32_t>(utf8.size()));
        s.Write(utf8.data(), utf8.size());
        return;
    }
    WriteVariant(s, SpecVariant::FromText(std::string(utf8)));
}
void WriteInteger(TSpecStream& s, std::int32_t v) { WriteVariant(s, SpecVariant::FromInteger(v)); }
void WriteByte(TSpecStream& s, std::uint8_t v) { WriteVariant(s, SpecVariant::FromByte(v)); }
void WriteBoolean(TSpecStream& s, bool v) { WriteVariant(s, SpecVariant::FromBoolean(v)); }
void WriteReal(TSpecStream& s, double v) { WriteVariant(s, SpecVariant::FromReal(v)); }
void WriteDate(TSpecStream& s, OleDate oleDays) { WriteVariant(s, SpecVariant::FromDate(oleDays)); }
void WriteMoney(TSpecStream& s, Money v) { WriteVariant(s, SpecVariant::FromMoney(v)); }

namespace {
SpecVariant ReadRecord(TSpecStream& s) {
    SpecVariant v;
    ReadVariant(s, SpecVariant(), v);
    return v;
}
}  // namespace

std::string ReadText(TSpecStream& s) { return ReadTextValue(s); }
std::int32_t ReadInteger(TSpecStream& s) { return ReadRecord(s).ToInteger(); }
std::uint8_t ReadByte(TSpecStream& s) { return ReadRecord(s).ToByte(); }
bool ReadBoolean(TSpecStream& s) { return ReadRecord(s).ToBoolean(); }
double ReadReal(TSpecStream& s) { return ReadRecord(s).ToReal(); }
float ReadSingle(TSpecStream& s) { return ReadRecord(s).ToSingle(); }
OleDate ReadDate(TSpecStream& s) { return ReadRecord(s).ToDate(); }
Money ReadMoney(TSpecStream& s) { return ReadRecord(s).ToMoney(); }

// ---- Multi-line texts ----

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", i), text.size());
        lines.emplace_back(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return lines;
}

// ---- Version stamps ----

namespace {

std::int64_t StampField(std::string_view stamp, std::string_view field) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!field.empty() && blank(field.front())) field.remove_prefix(1);
    while (!field.empty() && blank(field.back())) field.remove_suffix(1);
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty()) throw SpecFormatError("Неверная отметка версии «" + std::string(stamp) + "»");
    std::int64_t v = 0;
    for (char c : field) {
        if (c < '0' || c > '9' || v > (std::int64_t{1} << 32))
            throw SpecFormatError("Неверная отметка версии «" + std::string(stamp) + "»");
        v = v * 10 + (c - '0');
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw SpecFormatError("Неверная отметка версии «" + std::string(stamp) + "»");
    return v;
}

}  // namespace

namespace {
std::int64_t ParseVersionValue(std::string_view stamp) {
    std::string_view fields[3];
    std::string_view rest = stamp;
    for (int i = 0; i < 3; ++i) {
        const std::size_t dot = rest.find('.');
        fields[i] = rest.substr(0, dot);
        rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
    }
    const std::int64_t day = StampField(stamp, fields[0]);
    const std::int64_t month = StampField(stamp, fields[1]);
    const std::int64_t year = StampField(stamp, fields[2]);
    return year * 365 + month * 31 + day;
}
}  // namespace

std::int64_t VersionValue(std::string_view stamp) {
    // A document reader compares the same two or three stamps for every record it reads: the
    // values of the last few stamps seen are kept (only valid ones; errors are raised every time).
    struct Known {
        char text[16];
        std::size_t size = 0;
        std::int64_t value = 0;
    };
    thread_local Known known[4];
    thread_local unsigned next = 0;
    for (const Known& k : known)
        if (k.size != 0 && k.size == stamp.size() && std::memcmp(k.text, stamp.data(), k.size) == 0)
            return k.value;
    const std::int64_t value = ParseVersionValue(stamp);
    if (!stamp.empty() && stamp.size() <= sizeof known[0].text) {
        Known& k = known[next++ % 4];
        std::memcpy(k.text, stamp.data(), stamp.size());
        k.size = stamp.size();
        k.value = value;
    }
    return value;
}


bool VersionAtLeast(std::string_view a, std::string_view b) { return VersionValue(a) >= VersionValue(b); }

bool VersionBefore(std::string_view a, std::string_view b) { return !VersionAtLeast(a, b); }

}  // namespace ftf
