#pragma once
// Test doubles for the construction model: a catalogue held in maps, an engine run by a lambda,
// and a byte-image builder that encodes stream values independently of TSpecStream, so expected
// record images are spelled out from the layouts by hand.

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "model/Construction.h"
#include "model/ModelServices.h"

namespace ftf::test {

class FakeCatalogue final : public IModelCatalogue {
public:
    std::map<std::string, std::int32_t> screenColors;
    std::map<std::string, std::int32_t> images;
    std::map<std::string, std::vector<TFrnSideRow>> sides;
    std::map<std::pair<std::string, std::int32_t>, std::int32_t> handleDirect;
    std::map<std::string, std::string> complectNames;
    std::set<std::string> virtualArticles;
    std::map<std::string, long double> prices;
    std::map<std::string, std::string> articleNames;

    static std::string Missing(const std::string& article) {
        return "В каталоге отсутствуют данные для [" + article +
               "]!\r\n(Поиск [Наименование] через [Код])";
    }

    std::int32_t GetComplectScreenColor(const std::string& c) override {
        auto it = screenColors.find(c);
        return it == screenColors.end() ? 16777215 : it->second;
    }
    std::int32_t GetComplectImage(const std::string& c) override {
        auto it = images.find(c);
        return it == images.end() ? 0 : it->second;
    }
    std::vector<TFrnSideRow> GetComplectSides(const std::string& c) override {
        auto it = sides.find(c);
        return it == sides.end() ? std::vector<TFrnSideRow>{} : it->second;
    }
    std::int32_t GetSideHandleDirect(const std::string& c, std::int32_t side) override {
        auto it = handleDirect.find({c, side});
        return it == handleDirect.end() ? 0 : it->second;
    }
    bool TryGetComplectName(const std::string& c, std::string& name) override {
        name.clear();
        auto it = complectNames.find(c);
        if (it == complectNames.end()) return false;
        name = it->second;
        return true;
    }
    bool IsVirtualArticle(const std::string& a) override { return virtualArticles.count(a) > 0; }
    long double GetArticlePrice(const std::string& a, bool silent) override {
        auto it = prices.find(a);
        if (it != prices.end()) return it->second;
        if (silent) return 0;
        throw FtfError(Missing(a));
    }
    std::string GetArticleName(const std::string& a, bool silent) override {
        auto it = articleNames.find(a);
        if (it != articleNames.end()) return it->second;
        if (silent) return {};
        throw FtfError(Missing(a));
    }
};

class FakeEngine final : public IFurnEngine {
public:
    std::function<void(TftfFurnComp&)> run;
    std::vector<const TftfFlugel*> calls;  ///< the sashes calculated, in order
    void CalcFurnComp(TftfFurnComp& set) override {
        calls.push_back(set.Sash);
        if (run) run(set);
    }
};

/// A stream image spelled out value by value.
class Img {
public:
    Img& T(const std::string& utf8) {
        const std::string b = ToCp1251(utf8).bytes;
        Le(static_cast<std::uint32_t>(b.size()), 4);
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    Img& Rec(std::uint16_t type, std::uint64_t data, int width) {
        Le(type, 2);
        Le(0, 6);
        Le(data, width);
        Le(0, 8 - width);
        return *this;
    }
    Img& I(std::int32_t v) { return Rec(3, static_cast<std::uint32_t>(v), 4); }
    Img& Y(std::uint8_t v) { return Rec(17, v, 1); }
    Img& B(bool v) { return Rec(11, v ? 0xFFFF : 0, 2); }
    Img& R(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Rec(5, bits, 8);
    }
    Img& M(std::int64_t raw) { return Rec(6, static_cast<std::uint64_t>(raw), 8); }
    Img& Add(const Img& other) {
        bytes.insert(bytes.end(), other.bytes.begin(), other.bytes.end());
        return *this;
    }
    TSpecStream Stream() const { return TSpecStream(bytes); }

    std::vector<std::uint8_t> bytes;

private:
    void Le(std::uint64_t v, int width) {
        for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
};

/// The bytes a record writer produces.
template <class T>
std::vector<std::uint8_t> Written(const T& object) {
    TSpecStream s;
    object.SaveToStream(s);
    return s.Bytes();
}

/// A hex dump with the first difference marked, for failure messages.
inline std::string FirstDifference(const std::vector<std::uint8_t>& a,
                                   const std::vector<std::uint8_t>& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return "identical";
    return "first difference at byte " + std::to_string(i) + " of " + std::to_string(a.size()) +
           " / " + std::to_string(b.size());
}

}  // namespace ftf::test
