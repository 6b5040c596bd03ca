#include "model/CatalogueServices.h"

#include "catalogue/Lookups.h"
#include "catalogue/Tdm.h"

namespace ftf {

namespace {

// A filter literal: the code between single quotes, a quote inside doubled, so a complect code
// can never change the expression.
std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out + "'";
}

}  // namespace

std::int32_t TCatalogueModelServices::GetComplectScreenColor(const std::string& complect) {
    return ftf::GetComplectScreenColor(dm_, complect);
}

std::int32_t TCatalogueModelServices::GetComplectImage(const std::string& complect) {
    return ftf::GetComplectImage(dm_, complect);
}

std::vector<TFrnSideRow> TCatalogueModelServices::GetComplectSides(const std::string& complect) {
    std::vector<TFrnSideRow> rows;
    Table& t = dm_.T_FrnSide();
    FilterScope scope(t, "ID=" + Quoted(complect));
    for (t.First(); !t.Eof(); t.Next()) {
        TFrnSideRow row;
        row.Side = static_cast<std::int32_t>(t.AsInt("Side"));
        row.OpenMode = static_cast<std::int32_t>(t.AsInt("OpenMode"));
        row.RotSide = static_cast<std::int32_t>(t.AsInt("RotSide"));
        row.Handled = static_cast<std::int32_t>(t.AsInt("Handled"));
        row.Banded = static_cast<std::int32_t>(t.AsInt("Banded"));
        row.Drived = static_cast<std::int32_t>(t.AsInt("Drived"));
        rows.push_back(row);
    }
    return rows;
}

std::int32_t TCatalogueModelServices::GetSideHandleDirect(const std::string& complect,
                                                          std::int32_t side) {
    return ftf::GetSideHandleDirect(dm_, complect, side);
}

bool TCatalogueModelServices::TryGetComplectName(const std::string& complect, std::string& name) {
    return ftf::TryGetComplectName(dm_, complect, name);
}

bool TCatalogueModelServices::IsVirtualArticle(const std::string& article) {
    return ftf::IsVirtualArticle(dm_, article);
}

long double TCatalogueModelServices::GetArticlePrice(const std::string& article, bool silent) {
    return ftf::GetArticlePrice(dm_, article, silent).ToReal();
}

std::string TCatalogueModelServices::GetArticleName(const std::string& article, bool silent) {
    return ftf::GetArticleName(dm_, article, silent);
}

}  // namespace ftf
