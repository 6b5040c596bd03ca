#pragma once
// The selection: a named list of positions taken from one or more orders, reported, priced and
// exported together. An entry refers to an order file and a position number and keeps a few of
// the position's values for display; everything else comes from loading the order again.
//
// Selection file (one TSpecStream image; no version-dependent layouts):
//
//   #       ITEM                                   ENCODING
//   1       Signature                              text, "Fentorn Furniture Selection File"
//   2       Version                                text, "06.10.2015" when written
//   3, 4    Reserved1 Reserved2                    integers (carried unchanged)
//   5, 6    TimeStamp1 TimeStamp2                  dates
//   7       Reserved3                              integer (carried unchanged)
//   8       SelectionNo                            text
//   9       SelDate                                date
//   10      SelName                                text
//   11, 12  currency line count C, then C currency records (CurrencyItem.h)
//   13      CurrencyId                             integer
//   14      PriceGroupNo                           integer
//   15      NDSTax                                 real
//   16      RoundMode                              byte
//   17      Notes                                  one text, every line followed by CR LF
//   18, 19  entry count E, then E entries:
//           Checked (boolean), OrderNo PosNo (texts), RebateWidth RebateHeight (reals),
//           Quantity (integer), PosName FileRef (texts)
//
// File references. FileRef is the order file's stored path relative to the orders folder
// ("%A1.FFO370"), or the whole upper-cased path of a file elsewhere (StoredPath.h), so that a
// selection keeps finding its orders when the data folder moves.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Dates.h"
#include "common/TSpecStream.h"
#include "documents/Order.h"
#include "model/MatList.h"
#include "model/ModelRecords.h"
#include "settings/CurrencyItem.h"

namespace ftf {

inline constexpr std::string_view kSelectionSignature = "Fentorn Furniture Selection File";
inline constexpr std::string_view kSelectionVersion = kStamp06_10_2015;

class TftfOrderSelection;

class TftfOrderSelectionItem {
public:
    explicit TftfOrderSelectionItem(TftfOrderSelection* owner = nullptr) : Owner(owner) {}

    bool Checked = true;     ///< only ticked entries count in material lists and exports
    std::string OrderNo;
    std::string PosNo;
    float RebateWidth = 0;   ///< mm
    float RebateHeight = 0;  ///< mm
    std::int32_t Quantity = 0;
    std::string PosName;
    std::string FileRef;     ///< stored reference to the order file
    TftfOrderSelection* Owner;  ///< not owned

    void SaveToStream(TSpecStream& stream) const;
    void LoadFromStream(TSpecStream& stream);
};

/// An order loaded for one entry, together with the entry's position in it (or nullptr).
struct TLoadedPosition {
    std::unique_ptr<TftfOrder> order;
    TftfConstruction* position = nullptr;
};

class TftfOrderSelection {
public:
    /// A new empty selection: time stamps now, date today.
    TftfOrderSelection();
    ~TftfOrderSelection();
    TftfOrderSelection(const TftfOrderSelection&) = delete;
    TftfOrderSelection& operator=(const TftfOrderSelection&) = delete;

    std::string Signature{kSelectionSignature};
    std::string Version{kSelectionVersion};
    std::int32_t Reserved1 = 0;
    std::int32_t Reserved2 = 0;
    OleDate TimeStamp1 = 0;
    OleDate TimeStamp2 = 0;
    std::int32_t Reserved3 = 0;
    std::string SelectionNo;
    OleDate SelDate = 0;
    std::string SelName;
    TftfCurrencyList CurrencyRates;
    std::int32_t CurrencyId = 0;
    std::int32_t PriceGroupNo = 0;
    float NDSTax = 0;
    std::uint8_t RoundMode = 0;  ///< 0 "Нет", 1 "До мин. торговой величины"; stored only
    std::vector<std::string> Notes;

    /// The native orders folder references are relative to: the one set here, else
    /// AppPaths().OrdersDir.
    std::string OrdersDir() const;
    void SetOrdersDir(std::string dir) { ordersDir_ = std::move(dir); }

    // --- Entries ---------------------------------------------------------------------------------
    int Count() const { return static_cast<int>(items_.size()); }
    TftfOrderSelectionItem& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TftfOrderSelectionItem& Items(int index) const {
        return *items_.at(static_cast<std::size_t>(index));
    }
    /// Appends a new empty entry.
    TftfOrderSelectionItem& AddItem();
    /// The entry for a position of an order file: the entry with the same order and position
    /// numbers is updated in place (its tick stays), else a new ticked entry is appended. It takes
    /// the position's values, rebate size and the file's reference. Returns the entry's index;
    /// `added` tells whether it is new.
    int PutOrderPosition(const std::string& orderFile, const TftfOrder& order,
                         const TftfConstruction& position, bool& added);
    void DeleteItem(int index);
    /// Takes the entry at `from` out (the list closes up) and inserts it at `to` of the shortened
    /// list. Indices out of range change nothing.
    void MoveItem(int from, int to);
    void ClearItems() { items_.clear(); }
    int CheckedCount() const;
    bool HasChecked() const { return CheckedCount() > 0; }
    /// Index of the first entry with these numbers (both without regard to case); −1 when none.
    int FindItem(std::string_view orderNo, std::string_view posNo) const;

    /// The stored form of the entry's order file (DecodeRelPath against the orders folder).
    std::string DecodedRef(const TftfOrderSelectionItem& item) const;
    /// The native path of the entry's order file.
    std::string ResolvedFile(const TftfOrderSelectionItem& item) const;

    // --- Currency lines --------------------------------------------------------------------------
    int CurrencyCount() const { return static_cast<int>(CurrencyRates.size()); }
    TftfCurrencyItem& CurrencyRate(int index) { return CurrencyRates.at(static_cast<std::size_t>(index)); }
    void ClearCurrencyRates() { CurrencyRates.clear(); }

    // --- Work with the orders --------------------------------------------------------------------
    /// Updates every entry from its order: numbers, quantity, name; rebate sizes 0; the tick too
    /// when `takeTicks`. Entries whose order or position is missing stay as they are.
    void RefreshFromOrders(bool takeTicks);
    /// The order numbers, "," between them, one per run of entries of the same file.
    std::string OrderNumbers() const;
    /// The merged material lines of the ticked entries (× the position's Quantity in its order),
    /// sorted by article and priced anew. Nothing for nullptr. A missing article's price lookup
    /// throws and ends the list.
    void CollectMaterials(TftfMatList* target) const;
    /// Loads the entry's order and finds its position; no order when the file does not exist or
    /// cannot be read (its load message shown).
    TLoadedPosition LoadItemPosition(const TftfOrderSelectionItem& item) const;

    void SortByOrder();
    void SortByPos();
    void SortByName();
    void SortByFile();

    // --- Files ------------------------------------------------------------------------------------
    /// Version := "06.10.2015", the image is built and written safely. Every failure is shown as
    /// "Ошибка сохранения выборки!\r\n(%s)" and gives false; the old file is then untouched.
    bool SaveToFile(const std::string& file);
    /// Writes the layout, always with the current stamp.
    void SaveToStream(TSpecStream& stream) const;
    /// True when the whole selection was read. A file that cannot be opened throws FtfError. A
    /// wrong signature, a declined conversion and a newer stamp give false after their message;
    /// damaged data is shown as "Ошибка загрузки выборки!\r\n(%s)" and gives false.
    bool LoadFromFile(const std::string& file, bool& converted);
    /// Reads the layout: true when complete, false when stopped at the signature or the stamp;
    /// damaged data throws.
    bool LoadFromStream(TSpecStream& stream, bool& converted);

private:
    std::vector<std::unique_ptr<TftfOrderSelectionItem>> items_;
    std::string ordersDir_;
    TCarriedRecord reservedRecords_[3];
    // The size of the image last read or written, with some room: the next save reserves it at
    // once instead of growing a large image step by step.
    std::size_t imageSizeHint_ = 0;
};

}  // namespace ftf
