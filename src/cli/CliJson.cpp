#include "cli/CliJson.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>

namespace ftf::cli {

std::string ReadInputText(const std::optional<std::string>& file) {
    std::string text;
    if (file) {
        std::ifstream in(*file, std::ios::binary);
        if (!in) throw FtfError("Не удалось открыть файл " + *file);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    return text;
}

json ParseJsonObject(const std::string& text) {
    json input;
    try {
        input = json::parse(text);
    } catch (const json::parse_error& e) {
        throw FtfError(std::string("Неверный JSON во входных данных: ") + e.what());
    }
    if (!input.is_object()) throw FtfError("Входные данные должны быть объектом JSON");
    return input;
}

bool TakeDate(const json& o, const char* name, OleDate& target, bool withTime) {
    std::string text;
    if (!Take(o, name, text)) return false;
    const std::optional<OleDate> d = withTime ? ParseDateTime(text) : ParseShortDate(text);
    if (!d)
        throw FtfError(std::string("Неверная дата в поле «") + name + "»: «" + text + "» (нужно " +
                       (withTime ? "дд.мм.гггг чч:мм:сс" : "дд.мм.гггг") + ")");
    target = *d;
    return true;
}

bool TakeLines(const json& o, const char* name, std::vector<std::string>& target) {
    auto it = o.find(name);
    if (it == o.end() || it->is_null()) return false;
    if (it->is_string()) {
        // One text: its lines, as the notes field of a dialog would hold them.
        std::vector<std::string> lines;
        std::string line;
        for (char c : it->get<std::string>()) {
            if (c == '\r') continue;
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        if (!line.empty()) lines.push_back(line);
        target = lines;
        return true;
    }
    return Take(o, name, target);
}

const json& MemberObject(const json& parent, const char* name) {
    static const json empty = json::object();
    auto it = parent.find(name);
    if (it == parent.end() || it->is_null()) return empty;
    if (!it->is_object()) throw FtfError(std::string("Поле «") + name + "» во входных данных должно быть объектом");
    return *it;
}

void CheckMembers(const json& o, std::initializer_list<std::string_view> known, const std::string& where) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool ok = false;
        for (std::string_view k : known) ok = ok || it.key() == k;
        if (!ok) throw FtfError("Неизвестное поле «" + it.key() + "» " + where);
    }
}

std::string JsonString(std::string_view s) {
    return json(std::string(s)).dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string JsonFloat(float v) {
    if (!std::isfinite(v)) return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

JsonWriter& JsonWriter::Raw(std::string_view name, std::string_view value) {
    if (!first_) text_ += ", ";
    first_ = false;
    text_ += JsonString(name);
    text_ += ": ";
    text_ += value;
    return *this;
}

JsonWriter& JsonWriter::Lines(std::string_view name, const std::vector<std::string>& lines) {
    JsonWriter a = Array();
    for (const std::string& l : lines) a.Add(JsonString(l));
    return Raw(name, a.Text());
}

JsonWriter& JsonWriter::Add(std::string_view value) {
    if (!first_) text_ += ", ";
    first_ = false;
    text_ += value;
    return *this;
}

}  // namespace ftf::cli
