#pragma once
// JSON on the command line: reading the descriptions given to the commands and writing their
// results. Input is read with nlohmann::json and checked member by member, so a misspelt member
// is reported instead of silently ignored. Output is written as text by JsonWriter, because
// money must keep exactly four decimals and single-precision values their shortest form, which a
// generic serializer does not give.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/Dates.h"
#include "common/Error.h"
#include "common/Money.h"

namespace ftf::cli {

using nlohmann::json;

/// The whole text of the file, or of standard input when no file is given. Throws FtfError.
std::string ReadInputText(const std::optional<std::string>& file);
/// The parsed text; it must be an object. Throws FtfError.
json ParseJsonObject(const std::string& text);

/// The member `name` of `o` converted to T into `target`; a missing or null member leaves the
/// target as it is. Returns true when it was there. A member of the wrong type throws FtfError
/// naming it.
template <typename T>
bool Take(const json& o, const char* name, T& target) {
    auto it = o.find(name);
    if (it == o.end() || it->is_null()) return false;
    try {
        target = it->get<T>();
    } catch (const json::exception&) {
        throw FtfError(std::string("Неверное значение поля «") + name + "» во входных данных");
    }
    return true;
}
/// A date member "dd.mm.yyyy" (`withTime`: optionally followed by " hh:mm:ss").
bool TakeDate(const json& o, const char* name, OleDate& target, bool withTime);
/// A list of texts, or one text split at its line breaks.
bool TakeLines(const json& o, const char* name, std::vector<std::string>& target);
/// The object member `name`; an empty object when missing or null. Throws when it is no object.
const json& MemberObject(const json& parent, const char* name);
/// Throws FtfError naming the first member of `o` that is not in `known`; `where` says whose
/// member it is ("позиции 2").
void CheckMembers(const json& o, std::initializer_list<std::string_view> known, const std::string& where);

// --- output --------------------------------------------------------------------------------------

/// A JSON string (UTF-8; bytes that are no UTF-8 are replaced).
std::string JsonString(std::string_view s);
/// The shortest text that reads back to the same single-precision value, with "." whatever the
/// locale; "0" for a value that is not finite.
std::string JsonFloat(float v);
/// Money with exactly four decimals.
inline std::string JsonMoney(Money v) { return v.ToFixed4(); }

/// Builds one JSON object or array as text: `{"a": 1, "b": [..]}`, ", " between members.
class JsonWriter {
public:
    static JsonWriter Object() { return JsonWriter('{', '}'); }
    static JsonWriter Array() { return JsonWriter('[', ']'); }

    /// A member whose value is already JSON text (objects, arrays, numbers).
    JsonWriter& Raw(std::string_view name, std::string_view value);
    JsonWriter& Str(std::string_view name, std::string_view value) { return Raw(name, JsonString(value)); }
    JsonWriter& Int(std::string_view name, std::int64_t value) { return Raw(name, std::to_string(value)); }
    JsonWriter& Bool(std::string_view name, bool value) { return Raw(name, value ? "true" : "false"); }
    JsonWriter& Float(std::string_view name, float value) { return Raw(name, JsonFloat(value)); }
    JsonWriter& Cash(std::string_view name, Money value) { return Raw(name, JsonMoney(value)); }
    JsonWriter& Lines(std::string_view name, const std::vector<std::string>& lines);
    /// An array element whose value is already JSON text.
    JsonWriter& Add(std::string_view value);

    std::string Text() const { return text_ + close_; }

private:
    JsonWriter(char open, char close) : text_(1, open), close_(1, close) {}
    std::string text_;
    std::string close_;
    bool first_ = true;
};

}  // namespace ftf::cli
