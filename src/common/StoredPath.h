#pragma once
// Paths as the order, selection and register records store them, and their resolution on Linux.
//
// Stored form: upper-cased, "\" between components, and "%" in front of a path that is relative
// to a folder the caller knows (the orders folder for the register). Users bring whole folders
// from Windows, so a stored path is resolved without regard to letter case, and an absolute
// Windows path ("C:\...") falls back to its file name in the folder where such files belong.
//
// How a Linux path is stored: the path's "/" become "\" and it is upper-cased, so with the base
// "/srv/orders" the file "/srv/orders/a.ffo370" is stored as "%A.FFO370", and a file outside the
// base, "/home/u/b.ffo370", as "\HOME\U\B.FFO370". Resolving either finds the file again by
// matching each component case-insensitively.

#include <string>
#include <string_view>

namespace ftf {

/// "/" → "\" and upper-cased: the form a path takes in the records.
std::string ToStoredForm(std::string_view path);

/// Both texts in stored form (ToStoredForm); a trailing separator of the base is ignored.
/// A path already starting with "%" is returned as it is (upper-cased); a path starting with
/// base + "\" becomes "%" + the rest; any other path is returned in stored form. An empty base
/// makes nothing relative.
std::string EncodeRelPath(std::string_view base, std::string_view path);

/// Both texts in stored form; a path starting with "%" becomes base + "\" + the path without the
/// "%" (with an empty base it is returned as it is); any other path is returned in stored form.
/// The result is a stored form: resolve it with ResolveStoredPath before opening it.
std::string DecodeRelPath(std::string_view base, std::string_view path);

/// The stored form of a native path relative to a native base folder: EncodeRelPath over the
/// lexically normalised paths ("/srv/orders/", "/srv/orders/a.ffo370" → "%A.FFO370").
std::string StoredPathFor(const std::string& nativePath, const std::string& nativeBase);

/// The native path of a stored path. "\" become "/" and every component is matched against the
/// file system case-insensitively (an exact match wins; among several case variants the one
/// that sorts first). `expectedDir` is the native folder where such files belong:
///   "%REST"             REST below expectedDir;
///   relative "A\B"      below expectedDir (the current folder when expectedDir is empty);
///   "C:\...", "\\srv\…" its file name in expectedDir (a drive path never exists here);
///   "\SRV\ORDERS\A"     from the root; when it does not exist, its file name in expectedDir
///                       when that exists there.
/// Components that match nothing are kept as stored, so a missing file yields a path that names
/// it and does not exist.
std::string ResolveStoredPath(std::string_view stored, const std::string& expectedDir);

}  // namespace ftf
