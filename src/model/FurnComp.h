#pragma once
// The fittings set of one sash and its items.
//
// A set holds what the user chose for the sash (system, colour, complects, handle, properties) and
// the item list that the fittings engine expands it into. It marks the sides of its sash from the
// catalogue's side table and places the handle (BindSides).
//
// Set record (follows the sash record's set-present flag):
//
//   #      FIELD                                                        ENCODING
//   1-6    FurnSys ProfSys FurnColor Complect Hinge HandleId            6 texts
//   7      HandleHeightValue                                            integer
//   8      UserHandleHeight                                             boolean
//   9-12   Lock Cylinder Drive Latch                                    4 texts
//   13-21  ComplectImage HandleImage HingeImage DriveImage Reserved4
//          HandleColor HingeColor DriveColor Reserved5                  9 integers
//   22     Properties       one text, every line followed by CR LF
//   23     ExtraComplects   as 22
//   24     item count N     integer
//   25     N item records
//
// Item record (fields from a stamp on are read when the file's stamp is not older; writing always
// writes all ten; absent fields keep a new item's values):
//
//   #    FIELD                 ENCODING   PRESENT FROM
//   1    ArticleId             text       always
//   2    Length                real       always
//   3    ItemCount             integer    always
//   4    History               text       06.10.2015
//   5    Comment               text       03.03.2019
//   6    SideNo                integer    26.12.2019
//   7-9  Extra1 Extra2 Extra3  integers   26.12.2019   (carried through unchanged)
//   10   ParentComplect        text       26.12.2019

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/TSpecStream.h"
#include "model/ModelRecords.h"

namespace ftf {

class TftfFlugel;
class TftfFurnComp;

/// The per-sash choices of a set calculation, as the fittings set dialog collects them.
struct TSashBuffer {
    std::string Complect;   ///< main complect code
    std::string Hinge;      ///< hinge set code
    std::string Handle;     ///< handle code
    std::string Lock;
    std::string Cylinder;
    std::string Drive;      ///< door closer code
    std::string Latch;
    std::int32_t HandleHeight = 0;  ///< mm
    bool UserHandleHeight = false;
    std::int32_t Dornmass = 0;      ///< backset code
    std::vector<std::string> ExtraComplects;
    std::vector<std::string> Properties;  ///< "part digit=property value ID" entries

    /// True when none of the seven component codes is chosen.
    bool ComponentsEmpty() const;
};

/// One fittings line of a set.
class TftfFurnItem {
public:
    explicit TftfFurnItem(TftfFurnComp* owner = nullptr) : Owner(owner) {}

    std::string ArticleId;       ///< catalogue article code
    float Length = 0;            ///< mm for articles sold by length, 0 otherwise
    std::int32_t ItemCount = 0;  ///< pieces
    std::string History;         ///< how the engine reached the article; empty for merged items
    std::string Comment;
    std::int32_t SideNo = 0;     ///< 1-based side of the sash, 0 when none
    std::int32_t Extra1 = 0;     ///< meaning unknown; carried through files unchanged
    std::int32_t Extra2 = 0;
    std::int32_t Extra3 = 0;
    std::string ParentComplect;  ///< complect the item came from
    TftfFurnComp* Owner;         ///< the set; not owned

    /// Stores the values (Extra1..3 := 0) when the article is not empty and count ≠ 0;
    /// otherwise Clear.
    void Set(const std::string& article, const std::string& parent, const std::string& history,
             float length, const std::string& comment, std::int32_t count, std::int32_t side);
    /// Empties the texts and zeroes the numbers.
    void Clear();
    void AddCount(std::int32_t n) { ItemCount += n; }

    void SaveToStream(TSpecStream& stream) const;
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);

private:
    TCarriedRecord extraRecords_[3];
};

/// Orders items by article code in the order of the code page's bytes (<0, 0, >0). Equal codes
/// keep no particular order.
int CompareItemsById(const TftfFurnItem& a, const TftfFurnItem& b);

/// The fittings set of one sash; owns its items.
class TftfFurnComp {
public:
    /// An empty set of the sash (not owned; may be nullptr for a set outside a sash).
    explicit TftfFurnComp(TftfFlugel* sash);
    ~TftfFurnComp();
    TftfFurnComp(const TftfFurnComp&) = delete;
    TftfFurnComp& operator=(const TftfFurnComp&) = delete;

    std::string FurnSys;
    std::string ProfSys;
    std::string FurnColor;
    std::string Complect;
    std::string Hinge;
    std::string HandleId;
    std::int32_t HandleHeightValue = 0;  ///< mm, chosen by the user
    bool UserHandleHeight = false;
    std::string Lock;
    std::string Cylinder;
    std::string Drive;
    std::string Latch;
    std::int32_t ComplectImage = -1;  ///< picture kinds and colours steer the sketch only
    std::int32_t HandleImage = -1;
    std::int32_t HingeImage = -1;     ///< 20 when no hinge set is chosen
    std::int32_t DriveImage = -1;
    std::int32_t Reserved4 = -1;      ///< meaning unknown; carried through files unchanged
    std::int32_t HandleColor = 0;
    std::int32_t HingeColor = 0;
    std::int32_t DriveColor = 0;
    std::int32_t Reserved5 = 0;       ///< meaning unknown; carried through files unchanged
    std::vector<std::string> Properties;
    std::vector<std::string> ExtraComplects;
    std::vector<std::unique_ptr<TftfFurnItem>> Items;
    TftfFlugel* Sash;  ///< the owning sash; not owned

    int Count() const { return static_cast<int>(Items.size()); }
    TftfFurnItem& Item(int i) { return *Items.at(static_cast<std::size_t>(i)); }
    const TftfFurnItem& Item(int i) const { return *Items.at(static_cast<std::size_t>(i)); }

    /// Texts empty, picture kinds and Reserved4 −1, colours, Reserved5 and the handle height 0,
    /// both lists empty, all items freed.
    void Clear();
    void ClearItems() { Items.clear(); }

    /// Stores everything, then Recalc. Errors of the engine propagate (items are left empty).
    void Assign(const std::string& furnSys, const std::string& profSys, const std::string& color,
                const TSashBuffer& buffer);
    /// Stores the seven components, the handle height and its flag, then BindSides; the items are
    /// not recalculated.
    void Change(const TSashBuffer& buffer);
    /// BindSides, then Calculate.
    void Recalc();
    /// Marks the sash's sides and places the handle from the catalogue's side rows of Complect.
    /// Rows naming a side the sash does not have are skipped.
    void BindSides();
    /// ClearItems, the installed engine's CalcFurnComp, items of count 0 dropped, items sorted by
    /// article. On an error the items are freed and the error is raised again.
    void Calculate();

    /// Index of the first item with this key (texts exact, length as a number); −1 when none.
    int FindItem(const std::string& article, const std::string& parent, const std::string& comment,
                 float length, std::int32_t side) const;
    /// Index of the first item with this article; −1 when none.
    int FindItemById(const std::string& article) const;
    /// Adds a line: nothing for an empty article, count 0 or a virtual article; unless separate,
    /// an item with the same key grows by count (and a new one gets no history).
    void AddItem(const std::string& article, const std::string& parent, const std::string& history,
                 bool separate, float length, const std::string& comment, std::int32_t count,
                 std::int32_t side);

    /// For the life of a run, AddItem finds the line to grow through an index of the lines
    /// rather than by reading every line: a calculation adds hundreds. Meanwhile nothing but
    /// AddItem may change Items. Runs do not nest.
    class AddingRun {
    public:
        explicit AddingRun(TftfFurnComp& set);
        ~AddingRun();
        AddingRun(const AddingRun&) = delete;
        AddingRun& operator=(const AddingRun&) = delete;

    private:
        TftfFurnComp& set_;
    };

    void SaveToStream(TSpecStream& stream) const;
    /// Reads the record; the items are freed and read anew with the file's stamp.
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);

private:
    struct LineIndex;
    TCarriedRecord reserved4Record_;
    TCarriedRecord reserved5Record_;
    std::unique_ptr<LineIndex> lines_;  // while an AddingRun lasts
};

}  // namespace ftf
