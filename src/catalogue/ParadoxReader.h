#pragma once
// Reading the supplier's Paradox tables (.DB). The header and the chain of data blocks are
// checked here before pxlib opens the file, so a damaged file is reported instead of taking
// the program down; pxlib then hands out the raw records, and the field bytes are decoded here,
// because blanks must be told from the raw bytes (pxlib reads a blank long integer as INT_MIN)
// and a BCD value is read only up to its first non-decimal digit. Text is always Windows-1251,
// whatever code page the header names. Memo and blob columns are never read (pxlib's blob
// reader overflows a stack buffer in the Debian build); they come back blank with a note.
// Index files (.PX, .Xnn, .Ynn) are not needed.

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/TableBackend.h"

namespace ftf {

/// Paradox field type codes as stored in the header.
enum ParadoxType : int {
    pxAlpha = 0x01, pxDate = 0x02, pxShort = 0x03, pxLong = 0x04, pxCurrency = 0x05,
    pxNumber = 0x06, pxLogical = 0x09, pxMemo = 0x0C, pxBlob = 0x0D, pxFmtMemo = 0x0E,
    pxOle = 0x0F, pxGraphic = 0x10, pxTime = 0x14, pxTimestamp = 0x15, pxAutoInc = 0x16,
    pxBcd = 0x17, pxBytes = 0x18,
};

struct ParadoxField {
    std::string name;
    int type = 0;
    int size = 0;      ///< bytes in the record
    int decimals = 0;  ///< BCD: fraction digits
};

struct ParadoxTable {
    std::vector<ParadoxField> fields;
    /// One value per field, in file order: text as UTF-8, short/long/autoinc as integers,
    /// number and BCD as reals, currency as money, dates as OLE day counts, logicals as
    /// logicals, bytes as bytes; blank fields blank; memo and blob fields blank.
    std::vector<RowValues> rows;
    /// Remarks for the log ("memo field Note skipped").
    std::vector<std::string> notes;
};

/// Checks the header and the block chain of a .DB file without pxlib: "" when the file can be
/// read safely, else the reason (Russian, for the user).
std::string CheckParadoxFile(const std::string& path);

/// Reads a whole .DB file. Throws FtfError with the reason when the file is missing, is no
/// Paradox table or is damaged.
ParadoxTable ReadParadoxTable(const std::string& path);

/// Decodes one field's raw record bytes (exposed for tests). Blank (all zero bytes) gives a
/// blank value.
Value DecodeParadoxField(const ParadoxField& field, const unsigned char* bytes);

/// The OLE day count of a Paradox date (days counted from 1 January of year 1).
std::int32_t ParadoxDateToOle(std::int32_t pxDays);
std::int32_t OleToParadoxDate(std::int32_t oleDays);

}  // namespace ftf
