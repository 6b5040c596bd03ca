#pragma once
// The order: a customer order of window and door fittings, one order file (.ffo370).
//
// An order holds its requisites, the technical defaults new positions take over, the commercial
// settings (price group, VAT, currency and rates), free notes and the ordered list of positions,
// which it owns. Selections, reports and exports load orders read-only through LoadFromFile.
//
// Order file (one TSpecStream image, every item one value, no gaps):
//
//   #      ITEM                                                       ENCODING
//   1      Signature                                                  text
//   2      Version                                                    text, "26.12.2019" when written
//   3, 4   Reserved1 Reserved2                                        integers (carried unchanged)
//   5, 6   TimeStamp1 TimeStamp2                                      dates
//   7      Reserved3                                                  integer (carried unchanged)
//   8-14   OrderNo AltOrderNo Customer ObjectName Address Phones Remark   texts
//   15     RegDate                                                    date
//   16     RegDateSet                                                 boolean
//   17-22  ProfSys InnerProfColor OuterProfColor FurnSys FurnColor Handle texts
//          -- before 10.12.2009: two texts (LegacyText1, LegacyText2) instead of 23-26
//   23-27  FalzType Dornmass StulpType OpenType PriceGroupNo          integers
//   28     NDSTax                                                     real
//   29, 30 GetTotalNDS ShowIncludeNDS                                 booleans
//   31     currency line count C, then C currency records (CurrencyItem.h)
//   33     CurrencyId                                                 integer
//   34     Notes                                  one text, every line followed by CR LF
//   35     position count P, then P position records (Construction.h), the file's stamp going down
//
// Material, LegacyText1, LegacyText2 and the iteration cursor are not written; the signature is
// read and not compared (old files carry varying signatures).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Dates.h"
#include "common/Money.h"
#include "common/TSpecStream.h"
#include "model/Construction.h"
#include "model/MatList.h"
#include "model/ModelRecords.h"
#include "model/ModelServices.h"
#include "settings/CurrencyItem.h"

namespace ftf {

inline constexpr std::string_view kOrderSignature = "Fentorn Furniture Order File";
inline constexpr std::string_view kOrderVersion = kStamp26_12_2019;

class TftfOrder {
public:
    /// A new empty order: time stamps now, order date today, everything else empty or 0.
    TftfOrder();
    ~TftfOrder();
    TftfOrder(const TftfOrder&) = delete;
    TftfOrder& operator=(const TftfOrder&) = delete;

    std::string Signature{kOrderSignature};
    std::string Version{kOrderVersion};
    std::int32_t Reserved1 = 0;
    std::int32_t Reserved2 = 0;
    OleDate TimeStamp1 = 0;
    OleDate TimeStamp2 = 0;
    std::int32_t Reserved3 = 0;
    std::string OrderNo;
    std::string AltOrderNo;
    std::string Customer;
    std::string ObjectName;
    std::string Address;
    std::string Phones;
    std::string Remark;
    OleDate RegDate = 0;
    bool RegDateSet = true;
    std::string ProfSys;
    std::string InnerProfColor;
    std::string OuterProfColor;
    std::string FurnSys;
    std::string FurnColor;
    std::string Handle;
    std::string LegacyText1;  ///< only from files older than 10.12.2009; never written
    std::string LegacyText2;
    std::int32_t Material = 0;  ///< sash material code; not stored in the file
    std::int32_t FalzType = 0;
    std::int32_t Dornmass = 0;
    std::int32_t StulpType = 0;
    std::int32_t OpenType = 0;
    std::int32_t PriceGroupNo = 0;
    float NDSTax = 0;           ///< VAT rate in percent
    bool GetTotalNDS = false;   ///< VAT is charged on top of the total
    bool ShowIncludeNDS = false;
    TftfCurrencyList CurrencyRates;
    std::int32_t CurrencyId = 0;
    std::vector<std::string> Notes;

    // --- Positions ---------------------------------------------------------------------------
    int Count() const { return static_cast<int>(positions_.size()); }
    TftfConstruction& Positions(int index) { return *positions_.at(static_cast<std::size_t>(index)); }
    const TftfConstruction& Positions(int index) const {
        return *positions_.at(static_cast<std::size_t>(index));
    }
    /// Appends a new empty position of this order and returns it.
    TftfConstruction& AddPosition();
    /// A new empty position of this order that is not yet in the list (the position dialogs
    /// work on it before it is added, or it is dropped). The caller owns it.
    std::unique_ptr<TftfConstruction> CreatePosition();
    /// Puts a position into the list at the index (clamped to 0..Count) and makes it a position
    /// of this order, wherever it came from. Returns it.
    TftfConstruction& InsertPosition(int index, std::unique_ptr<TftfConstruction> position);
    /// Takes the position at the index out of the list without freeing it; nullptr when the
    /// index is out of range.
    std::unique_ptr<TftfConstruction> TakePosition(int index);
    void ClearPositions();
    /// Frees the position at the index; an index out of range changes nothing.
    void DeletePosition(int index);
    /// The first position whose number equals `posNo` without regard to letter case; nullptr.
    TftfConstruction* FindPosition(std::string_view posNo) const;
    int CheckedCount() const;
    bool HasChecked() const { return CheckedCount() > 0; }
    /// The first ticked position, leaving the cursor after it; nullptr when none.
    TftfConstruction* FirstChecked();
    /// The next ticked position at or after the cursor, moving the cursor after it; nullptr.
    TftfConstruction* NextChecked();

    /// The order holding a position created by AddPosition (or by loading); nullptr otherwise.
    static TftfOrder* OfPosition(const TftfConstruction& position);

    // --- Currency lines -------------------------------------------------------------------------
    int CurrencyCount() const { return static_cast<int>(CurrencyRates.size()); }
    TftfCurrencyItem& CurrencyRate(int index) { return CurrencyRates.at(static_cast<std::size_t>(index)); }
    void ClearCurrencyRates() { CurrencyRates.clear(); }

    // --- Totals ------------------------------------------------------------------------------------
    /// Sum of Quantity × Price over the ticked positions.
    Money TotalSum() const;
    /// TotalSum × NDSTax / 100 rounded when GetTotalNDS, else 0.
    Money NDSSum() const;
    Money GrandTotal() const { return TotalSum() + NDSSum(); }

    /// Byte-wise (Windows-1251) by number / by name, case-sensitive; equal keys keep their order.
    void SortByNumber();
    void SortByName();

    /// Merges the material lines of every ticked position, × its Quantity, into the target in
    /// position order (Sash1, then Sash2). Nothing for nullptr.
    void CollectMaterials(TftfMatList* target) const;

    // --- Files ---------------------------------------------------------------------------------------
    /// Version := "26.12.2019", the image is built and written safely. Every failure (also one in
    /// creating the file) is shown as "Ошибка сохранения заказа!\r\n(%s)" and gives false; the
    /// old file is then untouched.
    bool SaveToFile(const std::string& file);
    /// Writes the layout, always with the current stamp (the fields follow the current layout).
    void SaveToStream(TSpecStream& stream) const;
    /// True when the whole order was read. A file that cannot be opened throws FtfError. A declined
    /// conversion and a newer stamp end the load after the header and give false; damaged data is
    /// shown as "Ошибка загрузки заказа!\r\n(%s)" and gives false. What was read stays.
    bool LoadFromFile(const std::string& file, bool& converted);
    /// Reads the layout. True when complete, false when stopped at the stamp check; damaged data
    /// throws (SpecFormatError, FtfError).
    bool LoadFromStream(TSpecStream& stream, bool& converted);

private:
    class PositionLink final : public IPositionOrder {
    public:
        explicit PositionLink(TftfOrder& order) : order_(order) {}
        std::string InnerProfColor() const override { return order_.InnerProfColor; }
        std::string OuterProfColor() const override { return order_.OuterProfColor; }
        TftfOrder& order_;
    };

    PositionLink link_{*this};
    std::vector<std::unique_ptr<TftfConstruction>> positions_;
    std::size_t cursor_ = 0;
    TCarriedRecord reservedRecords_[3];
    // The size of the image last read or written, with some room: the next save reserves it at
    // once instead of growing a large image step by step.
    std::size_t imageSizeHint_ = 0;
};

}  // namespace ftf
