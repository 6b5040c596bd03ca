#pragma once
// Order and selection images spelled out from the file layouts, value by value, with the encoder
// of the model tests (it does not use TSpecStream's writers). A layout stamp decides which fields
// an image holds, the way the old program wrote each version; Converted() gives the data as the
// current program re-saves a file of an older stamp: the current stamp, the older texts dropped,
// the position's backset given to each sash, the item fields the file lacked at their defaults.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../model/ConstructionFakes.h"
#include "common/TSpecStream.h"

namespace ftf::test {

/// A whole file's bytes (empty when it cannot be read).
inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& b) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                              static_cast<std::streamsize>(b.size()));
}

inline Img& Date(Img& img, double oleDays) {
    std::uint64_t bits;
    std::memcpy(&bits, &oleDays, 8);
    return img.Rec(7, bits, 8);
}

inline bool StampBefore(const std::string& a, const char* b) { return VersionBefore(a, b); }

struct ItemData {
    std::string article;
    double length = 0;
    std::int32_t count = 0;
    std::string history, comment;
    std::int32_t side = 0, e1 = 0, e2 = 0, e3 = 0;
    std::string parent;
};

struct SetData {
    std::vector<std::string> texts1{"SYS", "PROF", "COL", "K1", "H1", "GR1"};
    std::int32_t handleHeight = 1050;
    bool userHandle = true;
    std::vector<std::string> texts2{"LOCK", "", "DRV", ""};
    std::vector<std::int32_t> ints{1, 2, 20, -1, -1, 255, 0, 0, 7};
    std::string properties = "0=P1\r\n2=P7\r\n";
    std::string extras = "EXTRA1\r\n";
    std::vector<ItemData> items;
};

struct MatData {
    std::string article;
    double quantity = 0;
    std::int64_t base = 0, reservedMoney = 0, price = 0, cost = 0;
    double reservedReal = 0;
};

struct SashData {
    std::vector<std::pair<std::int32_t, std::int32_t>> points;
    std::int32_t dornmass = 0;  ///< written from 23.07.2019 on
    bool hasSet = false;
    SetData set;
    std::vector<MatData> materials;
};

struct PositionData {
    bool checked = true;
    std::string posNo, posName;
    std::int32_t quantity = 1;
    std::uint8_t objectType = 0;
    std::string furnSys, profSys, color;
    std::string legacy1, legacy2;  ///< written before 10.12.2009
    std::int32_t falz = 0;
    std::int32_t backset = 0;      ///< written before 23.07.2019
    std::int32_t stulp = 0;
    double width = 0, thickness = 0;
    std::int32_t openType = 0;
    std::int64_t price = 0;
    std::string notes;
    std::uint8_t arrangement = 2;
    SashData sash1, sash2;
};

struct OrderData {
    std::string signature = "Fentorn Furniture Order File";
    std::string stamp = "26.12.2019";
    std::int32_t r1 = 0, r2 = 0, r3 = 0;
    double ts1 = 43825.5, ts2 = 43826.25;
    std::vector<std::string> requisites{"", "", "", "", "", "", ""};
    double regDate = 43825;
    bool regDateSet = true;
    std::vector<std::string> technical{"", "", "", "", "", ""};
    std::string legacy1, legacy2;  ///< before 10.12.2009
    std::vector<std::int32_t> codes{0, 0, 0, 0};  ///< FalzType Dornmass StulpType OpenType
    std::int32_t priceGroup = 0;
    double nds = 0;
    bool totalNds = false, includeNds = false;
    std::vector<std::pair<std::int32_t, double>> currencies;
    std::int32_t currencyId = 0;
    std::string notes;
    std::vector<PositionData> positions;
};

inline void AddSash(Img& img, const SashData& s, const std::string& stamp) {
    img.I(static_cast<std::int32_t>(s.points.size()));
    for (auto [x, y] : s.points) img.I(x).I(y);
    img.I(static_cast<std::int32_t>(s.points.size()));
    for (std::size_t i = 0; i < s.points.size(); ++i)
        img.R(0).R(0).R(0).R(0).B(i == 0).I(i == 0 ? 2 : -1).B(i == 1).B(i == 2).B(false)
            .I(i == 1 ? 1050 : 0).I(i == 1 ? 10 : 0).I(i == 1 ? 20 : 0);
    if (!StampBefore(stamp, "23.07.2019")) img.I(s.dornmass);
    img.B(s.hasSet);
    if (s.hasSet) {
        const SetData& set = s.set;
        for (const auto& t : set.texts1) img.T(t);
        img.I(set.handleHeight).B(set.userHandle);
        for (const auto& t : set.texts2) img.T(t);
        for (auto v : set.ints) img.I(v);
        img.T(set.properties).T(set.extras).I(static_cast<std::int32_t>(set.items.size()));
        for (const ItemData& it : set.items) {
            img.T(it.article).R(it.length).I(it.count);
            if (!StampBefore(stamp, "06.10.2015")) img.T(it.history);
            if (!StampBefore(stamp, "03.03.2019")) img.T(it.comment);
            if (!StampBefore(stamp, "26.12.2019")) img.I(it.side).I(it.e1).I(it.e2).I(it.e3).T(it.parent);
        }
    }
    img.I(static_cast<std::int32_t>(s.materials.size()));
    for (const MatData& m : s.materials)
        img.T(m.article).R(m.quantity).M(m.base).R(m.reservedReal).M(m.reservedMoney).M(m.price).M(m.cost);
}

inline void AddPosition(Img& img, const PositionData& p, const std::string& stamp) {
    img.B(p.checked).T(p.posNo).T(p.posName).I(p.quantity).Y(p.objectType);
    img.T(p.furnSys).T(p.profSys).T(p.color);
    if (StampBefore(stamp, "10.12.2009")) img.T(p.legacy1).T(p.legacy2);
    img.I(p.falz);
    if (StampBefore(stamp, "23.07.2019")) img.I(p.backset);
    img.I(p.stulp).R(p.width).R(p.thickness).I(p.openType).M(p.price).T(p.notes).Y(p.arrangement);
    AddSash(img, p.sash1, stamp);
    AddSash(img, p.sash2, stamp);
}

inline Img OrderImage(const OrderData& d) {
    Img img;
    img.T(d.signature).T(d.stamp).I(d.r1).I(d.r2);
    Date(img, d.ts1);
    Date(img, d.ts2);
    img.I(d.r3);
    for (const auto& t : d.requisites) img.T(t);
    Date(img, d.regDate);
    img.B(d.regDateSet);
    for (const auto& t : d.technical) img.T(t);
    if (StampBefore(d.stamp, "10.12.2009"))
        img.T(d.legacy1).T(d.legacy2);
    else
        for (auto v : d.codes) img.I(v);
    img.I(d.priceGroup).R(d.nds).B(d.totalNds).B(d.includeNds);
    img.I(static_cast<std::int32_t>(d.currencies.size()));
    for (auto [code, rate] : d.currencies) img.I(code).R(rate);
    img.I(d.currencyId).T(d.notes).I(static_cast<std::int32_t>(d.positions.size()));
    for (const auto& p : d.positions) AddPosition(img, p, d.stamp);
    return img;
}

/// The data of an older file as the current program writes it back.
inline OrderData Converted(OrderData d) {
    const std::string old = d.stamp;
    d.stamp = "26.12.2019";
    if (StampBefore(old, "10.12.2009")) d.codes = {0, 0, 0, 0};  // the new object's values
    for (PositionData& p : d.positions) {
        if (StampBefore(old, "23.07.2019")) p.sash1.dornmass = p.sash2.dornmass = p.backset;
        for (SashData* s : {&p.sash1, &p.sash2})
            for (ItemData& it : s->set.items) {
                if (StampBefore(old, "06.10.2015")) it.history.clear();
                if (StampBefore(old, "03.03.2019")) it.comment.clear();
                if (StampBefore(old, "26.12.2019")) {
                    it.side = it.e1 = it.e2 = it.e3 = 0;
                    it.parent.clear();
                }
            }
    }
    return d;
}

/// An order with every kind of content: requisites, codes, currencies, notes, a one-sash position
/// with a set, items and material lines, and an unticked two-sash position.
inline OrderData RichOrder(const std::string& stamp) {
    OrderData d;
    d.stamp = stamp;
    d.r1 = 7;
    d.r2 = -3;
    d.r3 = 123456;
    d.requisites = {"З-17/2019", "Служ-5", "ООО «Окна»", "Школа №3", "ул. Ленина, 1", "+7 900 000",
                    "срочно"};
    d.technical = {"PROF1", "WHITE", "GOLDEN", "ROTO", "F9", "HANDLE-1"};
    d.legacy1 = "старый текст 1";
    d.legacy2 = "старый текст 2";
    d.codes = {11, 12, 13, 14};
    d.priceGroup = 3;
    d.nds = 20;
    d.totalNds = true;
    d.includeNds = false;
    d.currencies = {{1, 1.0}, {2, 0.0125}};  // a single-precision rate widened
    d.currencies[1].second = static_cast<double>(0.0125f);
    d.currencyId = 2;
    d.notes = "первая строка\r\nвторая\r\n";

    PositionData p;
    p.posNo = "1";
    p.posName = "Окно кухня";
    p.quantity = 2;
    p.furnSys = "ROTO";
    p.profSys = "PROF1";
    p.color = "F9";
    p.legacy1 = "a";
    p.legacy2 = "b";
    p.falz = 5;
    p.backset = 15;
    p.stulp = 1;
    p.width = 70;
    p.thickness = static_cast<double>(12.5f);
    p.openType = 2;
    p.price = 1234567;
    p.notes = "заметка\r\n";
    p.sash1.points = {{0, 0}, {10000, 0}, {10000, 14000}, {0, 14000}};
    p.sash1.dornmass = 15;
    p.sash1.hasSet = true;
    p.sash1.set.items = {
        {"ART-1", 1250, 2, "история", "коммент", 2, 1, 0, -5, "K1"},
        {"ART-2", 0, 3, "", "", 1, 0, 0, 0, "K1"},
    };
    p.sash1.materials = {{"ART-1", 2.5, 102500, 0, 102500, 256250, 0},
                         {"ART-2", 3, 33333, 0, 33333, 99999, 0}};
    d.positions.push_back(p);

    PositionData q;
    q.checked = false;
    q.posNo = "2а";
    q.posName = "Дверь";
    q.quantity = 1;
    q.objectType = 1;
    q.arrangement = 1;
    q.backset = 15;
    q.sash1.dornmass = 15;
    q.sash2.dornmass = 15;
    q.sash1.points = {{0, 0}, {6000, 0}, {6000, 20000}, {0, 20000}};
    q.sash2.points = {{6000, 0}, {12000, 0}, {12000, 20000}, {6000, 20000}};
    q.sash2.hasSet = true;
    q.sash2.set.items = {{"ART-3", 0, 1, "h", "c", 0, 0, 0, 0, ""}};
    d.positions.push_back(q);
    return d;
}

struct EntryData {
    bool checked = true;
    std::string orderNo, posNo;
    double width = 0, height = 0;
    std::int32_t quantity = 0;
    std::string posName, fileRef;
};

struct SelectionData {
    std::string signature = "Fentorn Furniture Selection File";
    std::string stamp = "06.10.2015";
    std::int32_t r1 = 0, r2 = 0, r3 = 0;
    double ts1 = 42283.75, ts2 = 42284;
    std::string selNo;
    double selDate = 42283;
    std::string selName;
    std::vector<std::pair<std::int32_t, double>> currencies;
    std::int32_t currencyId = 0, priceGroup = 0;
    double nds = 0;
    std::uint8_t roundMode = 0;
    std::string notes;
    std::vector<EntryData> entries;
};

inline Img SelectionImage(const SelectionData& d) {
    Img img;
    img.T(d.signature).T(d.stamp).I(d.r1).I(d.r2);
    Date(img, d.ts1);
    Date(img, d.ts2);
    img.I(d.r3).T(d.selNo);
    Date(img, d.selDate);
    img.T(d.selName).I(static_cast<std::int32_t>(d.currencies.size()));
    for (auto [code, rate] : d.currencies) img.I(code).R(rate);
    img.I(d.currencyId).I(d.priceGroup).R(d.nds).Y(d.roundMode).T(d.notes);
    img.I(static_cast<std::int32_t>(d.entries.size()));
    for (const EntryData& e : d.entries)
        img.B(e.checked).T(e.orderNo).T(e.posNo).R(e.width).R(e.height).I(e.quantity).T(e.posName).T(e.fileRef);
    return img;
}

inline SelectionData RichSelection(const std::string& stamp) {
    SelectionData d;
    d.stamp = stamp;
    d.r1 = 1;
    d.r2 = 2;
    d.r3 = -1;
    d.selNo = "В-12";
    d.selName = "Выборка для цеха";
    d.currencies = {{1, 1.0}, {3, static_cast<double>(91.25f)}};
    d.currencyId = 3;
    d.priceGroup = 2;
    d.nds = 18;
    d.roundMode = 1;
    d.notes = "примечание\r\n";
    d.entries = {{true, "З-1", "1", static_cast<double>(1187.5f), 1387.5, 2, "Окно", "%З-1.FFO370"},
                 {false, "З-2", "3", 0, 0, 1, "Дверь", "\\HOME\\U\\B.FFO370"}};
    return d;
}

}  // namespace ftf::test
