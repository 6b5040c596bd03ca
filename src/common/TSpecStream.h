#pragma once
// The value stream behind every document file and every in-memory copy of a position.
//
// A document is a fixed sequence of values written into a TSpecStream and read back in the same
// order; the stream itself has no tags, no field names and no record lengths, so a reader must
// know from the layout which kind of value comes next. Saving builds the whole image in memory and
// then copies it into the file; loading copies the whole file into memory and parses from there.
//
// There are exactly two encodings. All integers are little-endian.
//
// Text value (every string field):
//
//   OFFSET  SIZE  DESCRIPTION
//      0      4   length L in bytes, signed 32-bit
//      4      L   the text in Windows-1251, no terminator
//
//   An empty text is 00 00 00 00 and nothing else. A multi-line text is one text value whose lines
//   each end in CR LF (the last one too). In memory texts are UTF-8; a character Windows-1251 cannot
//   hold is refused on writing (FtfError), never replaced.
//
// Variant record (every other field): 16 bytes laid out as the OLE Automation VARIANT.
//
//   OFFSET  SIZE  DESCRIPTION
//      0      2   type code, unsigned 16-bit
//      2      6   zero
//      8      8   data by type code; bytes the type does not use are zero
//
//   CODE  KIND       DATA AT OFFSET 8
//     3   integer    signed 32-bit in bytes 8..11
//    17   byte       unsigned 8-bit in byte 8 (small enumerations)
//    11   boolean    16-bit in bytes 8..9: FF FF true, 00 00 false (any non-zero reads as true)
//     5   real       IEEE-754 double in bytes 8..15 (single-precision fields are widened)
//     7   date       IEEE-754 double: days since 30.12.1899, the fraction being the time of day
//     6   money      signed 64-bit: the amount times 10 000
//
//   Readers convert by the stored code, so a value stored as a byte reads as an integer, an integer
//   as a real and so on. Besides the six codes above, the other numeric codes of the platform
//   (2 int16, 4 single, 16 int8, 18 uint16, 19 uint32, 20 int64) and 0 (empty: zero, false) are
//   understood on reading; anything else is a format error.
//
// Damaged data. A text whose length prefix announces more bytes than remain yields what remains,
// shows "Ошибка чтения строки из потока!..." through the Prompter and reading goes on, as the old
// program did. A missing or incomplete length prefix or variant record, a negative length and an
// unknown type code throw SpecFormatError, which the document loaders report with their own
// message. Nothing ever reads outside the data, and no length prefix allocates more than the bytes
// that are actually there.
//
// Version stamps. A layout is chosen by comparing the file's stamp "dd.mm.yyyy" with fixed stamps
// by the value year × 365 + month × 31 + day. That is not a calendar order (31.12.2019 counts as
// not older than 01.01.2020), but it is the order every file in existence was written against.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Dates.h"
#include "common/Money.h"

namespace ftf {

/// A damaged document image: a record or length prefix cut off by the end of the data, a negative
/// length, a type code no reader understands, a value that does not fit the field, a version stamp
/// that is not a number. The message is Russian and meant to be shown inside the loader's own
/// message. (FtfError is final; this is its sibling for the stream layer.)
class SpecFormatError final : public std::runtime_error {
public:
    explicit SpecFormatError(const std::string& message) : std::runtime_error(message) {}
};

/// A growable byte buffer with a position: the in-memory image of a document. The position never
/// lies past the end. Copying copies bytes and position.
class TSpecStream {
public:
    TSpecStream() = default;
    /// A stream over a copy of `bytes`, positioned at 0.
    explicit TSpecStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    static TSpecStream FromBytes(std::string_view bytes);

    std::size_t Size() const { return bytes_.size(); }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    /// Moves the position. Throws std::out_of_range past the end (a programming error).
    void Seek(std::size_t position);
    void Rewind() { pos_ = 0; }

    /// Copies up to `count` bytes from the position into `buffer` and advances past them; returns
    /// how many were obtained (fewer than `count` only at the end of the data).
    std::size_t Read(void* buffer, std::size_t count);
    /// Writes `count` bytes at the position, overwriting or growing the buffer, and advances.
    void Write(const void* data, std::size_t count);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    /// Makes room for `capacity` bytes in one step (a writer that knows the image's likely size
    /// spares the buffer its repeated growth).
    void Reserve(std::size_t capacity) { bytes_.reserve(capacity); }
    /// Empties the stream.
    void Clear() {
        bytes_.clear();
        pos_ = 0;
        shortTexts_ = 0;
    }

    /// How many texts were cut short by the end of the data while reading (each one shown as the
    /// reading error). Document loaders treat any as a damaged file once the layout is read.
    std::size_t ShortTexts() const { return shortTexts_; }
    void NoteShortText() { ++shortTexts_; }

    /// Replaces the content with the whole file and rewinds. On failure returns false, leaves the
    /// stream unchanged and puts a Russian message naming the file into `error`.
    bool LoadFromFile(const std::filesystem::path& file, std::string& error);
    /// Writes the whole content (not only from the position) into the file, replacing it. Not a
    /// safe save: the document layer writes through a temporary file. Returns false with a message.
    bool SaveToFile(const std::filesystem::path& file, std::string& error) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::size_t shortTexts_ = 0;
};

/// The type codes of variant records.
enum class SpecType : std::uint16_t {
    Empty = 0,
    Integer = 3,
    Real = 5,
    Money = 6,
    Date = 7,
    Boolean = 11,
    Byte = 17,
};

/// One stream value: a text (UTF-8) or a 16-byte variant record kept exactly as stored, so a record
/// read and written again gives the same bytes. Writers build values through the From* functions,
/// which start from a cleared record; readers convert with the To* functions by the stored type
/// code. The To* functions throw SpecFormatError when the stored kind cannot become the field's
/// kind or the value does not fit (a real of 1e20 read as an integer).
class SpecVariant {
public:
    using Record = std::array<std::uint8_t, 16>;

    /// An empty record (type code 0).
    SpecVariant() = default;

    static SpecVariant FromText(std::string utf8);
    static SpecVariant FromInteger(std::int32_t value);
    static SpecVariant FromByte(std::uint8_t value);
    static SpecVariant FromBoolean(bool value);
    /// Single-precision fields pass their value; it is widened exactly.
    static SpecVariant FromReal(double value);
    /// `oleDays`: days since 30 December 1899, the fraction being the time of day.
    static SpecVariant FromDate(OleDate oleDays);
    static SpecVariant FromMoney(Money value);
    /// A record exactly as given.
    static SpecVariant FromRecord(const Record& record);

    bool IsText() const { return isText_; }
    /// The stored type code of a record (0 for a text).
    std::uint16_t TypeCode() const;
    /// The record bytes (all zero for a text).
    const Record& RecordBytes() const { return record_; }

    /// The text of a text value; throws SpecFormatError for a record.
    const std::string& ToText() const;
    std::int32_t ToInteger() const;
    std::uint8_t ToByte() const;
    bool ToBoolean() const;
    double ToReal() const;
    /// ToReal narrowed to single precision, the way the single-precision fields hold it.
    float ToSingle() const;
    OleDate ToDate() const;
    Money ToMoney() const;

    bool operator==(const SpecVariant&) const = default;

private:
    bool isText_ = false;
    std::string text_;
    Record record_{};
};

/// Appends one value: the text encoding for a text, the 16-byte record otherwise. Throws FtfError
/// for a text holding a character Windows-1251 cannot hold (nothing is written then).
void WriteVariant(TSpecStream& stream, const SpecVariant& value);

/// Reads one value of the kind `expected` stands for: only whether it is a text matters. A text
/// template reads the text encoding, any other reads one 16-byte record as it is into `value`.
/// A short text shows the reading error and yields what was there; a missing prefix or record and a
/// negative length throw SpecFormatError (the position is then unspecified).
void ReadVariant(TSpecStream& stream, const SpecVariant& expected, SpecVariant& value);

// Typed shorthands over WriteVariant / ReadVariant for the layouts.
void WriteText(TSpecStream& stream, std::string_view utf8);
void WriteInteger(TSpecStream& stream, std::int32_t value);
void WriteByte(TSpecStream& stream, std::uint8_t value);
void WriteBoolean(TSpecStream& stream, bool value);
void WriteReal(TSpecStream& stream, double value);
void WriteDate(TSpecStream& stream, OleDate oleDays);
void WriteMoney(TSpecStream& stream, Money value);

std::string ReadText(TSpecStream& stream);
std::int32_t ReadInteger(TSpecStream& stream);
std::uint8_t ReadByte(TSpecStream& stream);
bool ReadBoolean(TSpecStream& stream);
double ReadReal(TSpecStream& stream);
float ReadSingle(TSpecStream& stream);
OleDate ReadDate(TSpecStream& stream);
Money ReadMoney(TSpecStream& stream);

/// A list of lines as one multi-line text value: every line followed by CR LF, the last one too.
std::string JoinTextLines(const std::vector<std::string>& lines);
/// The lines of a multi-line text value: split at CR LF, CR or LF; a break at the end adds no
/// empty line ("a\r\n" is one line, "" none), as the old program's string lists read them.
std::vector<std::string> SplitTextLines(std::string_view text);

/// The version stamps the layouts compare with.
inline constexpr std::string_view kStamp10_12_2009 = "10.12.2009";
inline constexpr std::string_view kStamp06_10_2015 = "06.10.2015";
inline constexpr std::string_view kStamp03_03_2019 = "03.03.2019";
inline constexpr std::string_view kStamp23_07_2019 = "23.07.2019";
inline constexpr std::string_view kStamp26_12_2019 = "26.12.2019";

/// year × 365 + month × 31 + day of a stamp "d.m.y" (fields trimmed of blanks, optional sign;
/// fields after the third are ignored). Throws SpecFormatError when one of the three fields is
/// missing, empty or not a 32-bit integer.
std::int64_t VersionValue(std::string_view stamp);
/// True when stamp `a` is not older than stamp `b`.
bool VersionAtLeast(std::string_view a, std::string_view b);
/// True when stamp `a` is older than stamp `b`; always !VersionAtLeast(a, b).
bool VersionBefore(std::string_view a, std::string_view b);

}  // namespace ftf
