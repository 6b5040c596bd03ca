#pragma once
// What the order and the selection share about their files: reading a whole file into a stream,
// writing a stream image through the safe save, filling "%s" in the system's messages, and the
// version-stamp check with its conversion question.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/TSpecStream.h"

namespace ftf {

/// The pattern with each "%s" replaced by the next argument, left to right; a "%s" without an
/// argument stays as it is.
std::string FillMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

/// Reads the whole file into `stream` and rewinds it. A file that cannot be opened or read throws
/// FtfError with the system's message naming it: that failure is the caller's to report.
void ReadDocumentFile(const std::string& file, TSpecStream& stream);

/// Writes the stream's whole image into the file through a temporary file beside it, renamed over
/// the target only once complete, so the old file survives any failure. Throws FtfError.
void WriteDocumentFile(const std::string& file, const TSpecStream& stream);

/// Loads a document: the whole file goes into a stream (a file that cannot be read throws, as
/// ReadDocumentFile), `read` parses it. A format error, or a text cut by the end of the file, is
/// shown with `loadError` (its "%s" filled) and gives false. `sizeHint` is set for the next save.
bool LoadDocumentFile(const std::string& file, std::string_view loadError, std::size_t& sizeHint,
                      const std::function<bool(TSpecStream&)>& read);

/// Saves a document: `write` fills a stream (reserved to `sizeHint` bytes), whose image goes to the
/// file through WriteDocumentFile. Any failure is shown with `saveError` (its "%s" filled with the
/// error's text) and gives false; the old file stays intact. `sizeHint` is updated for the next save.
bool SaveDocumentFile(const std::string& file, std::string_view saveError, std::size_t& sizeHint,
                      const std::function<void(TSpecStream&)>& write);

/// Throws SpecFormatError "Файл обрывается посреди строки" for a document whose text was cut.
[[noreturn]] void ThrowTruncated();

/// How a document reader goes on after comparing the stamp read with its current stamp.
enum class StampDecision { Current, Converted, Stop };

/// The same stamp as text: Current. An older stamp (VersionBefore): the conversion question
/// (a reading question), Converted on OK, Stop on Cancel. Any other stamp: the newer-file warning
/// and Stop. `convertQuestion` gets the stamp read and the current stamp, `newerWarning` the
/// current stamp and the stamp read. A stamp that is not a date throws SpecFormatError.
StampDecision CheckStamp(std::string_view stamp, std::string_view current,
                         std::string_view convertQuestion, std::string_view newerWarning);

}  // namespace ftf
