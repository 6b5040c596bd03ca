#pragma once
// The fittings calculation of one sash: complects are expanded row by row into items, each
// element gets its catalogue article from the article rules, and three passes add strike plates,
// colour-dependent covers and additional articles.
//
// Every routine reads the shared datasets of the catalogue module; a filter it sets on one of
// them is removed again on every way out (FilterScope). Errors are FtfError with the catalogue's
// message; the set's Calculate discards a partial item list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ModelServices.h"

namespace ftf {

class TDM;
class TftfFlugel;
class TftfFurnComp;

/// The sash's parameters gathered once per run and handed to every expansion and selection.
struct TSashParams {
    float ProfileWidth = 0;      ///< mm; carried, not used by the selection
    float ProfileThickness = 0;  ///< mm
    std::int32_t FalzLuft = 0;   ///< mm
    std::int32_t FalzSize = 0;
    std::int32_t FalzPos = 0;
    float Backset = 0;           ///< mm
    std::int32_t OpenType = 0;
};

/// A property key of a rule row against the chosen "p=v" entries of one part: false when the key
/// lists other values of a property whose chosen value it does not list.
bool CheckProps(TDM& dm, std::int32_t propKey, const std::vector<std::string>& chosen, int part);

/// The fields of a ";"-separated scheme that read as whole numbers other than −1 and are ≤ size.
int CountByScheme(std::string_view scheme, double size);

/// What the article selection is asked for.
struct TArticleRequest {
    std::string ElementId;
    std::string CallerName;    ///< complect name, composite name or the strike-plate pass title
    std::string StrikeSystem;  ///< strike-plate system of the set
    std::string AlertText;     ///< replaces the standard not-found message when not empty
    bool Required = true;
    std::int32_t Direction = 0;
    std::int32_t StulpType = 0;
    bool DefineHandleHeight = false;
    float ProfileWidth = 0;
    std::string Color;
    float Weight = 0;
    TSashParams Params;
    float A = 0;   ///< corner angle, degrees
    float R2 = 0;  ///< radii of the measured sides, mm
    float R1 = 0;
    float L2 = 0;  ///< lengths of the measured sides, mm
    float L1 = 0;
    std::int32_t FFH = 0;
    std::int32_t FFB = 0;
    std::int32_t Condition = 0;  ///< 0: no size clause
};

/// The flags of an element (FrnItem) that choose the criteria of its article rules.
struct TElementFlags {
    bool HasFalzLuft = false, HasFalzSize = false, HasFalzPos = false, CheckWeight = false,
         HasDornMass = false, CheckThickness = false, CheckProfWidth = false, HasProfSys = false,
         CheckStulpType = false, CheckDirect = false, HasColor = false;
};

/// The filter over the element's article rows, clause by clause as it is shown to the user, and
/// the colourless fallback (the filter up to the ID clause followed by the empty colour clause).
std::string BuildArticleFilter(const TElementFlags& flags, const TArticleRequest& request,
                               std::string* colourlessFallback);

struct TArticleResult {
    bool Found = false;
    std::string Article;
    std::int32_t HandleHeight = 0;  ///< mm; 0 = none
};

/// Selects the article of an element for the sash (FrnArt); several candidates go to the
/// prompter's chooser, and the row it rests on is taken.
TArticleResult SelectArticle(TDM& dm, const TArticleRequest& request);

/// The inputs of one complect slot's expansion.
struct TExpandInputs {
    std::string ComplectId;
    int Part = 0;
    std::int32_t FFB = 0;
    std::int32_t FFH = 0;
    TftfFlugel* Sash = nullptr;            ///< the sash calculated; it holds the set items go to
    const TftfFlugel* Adjacent = nullptr;  ///< the stulp partner, or none
    TSashParams Params;
    std::string SetColor;
    std::string InnerColor;
    std::string OuterColor;
    float ProfileWidth = 100;
    std::int32_t StulpType = 6;
    std::int32_t Direction = 0;
    bool HandleFixedByUser = false;
    bool Debug = false;  ///< every addition its own line with its caption
};

/// Expands one complect into the sash's set: rows that fit the sash, their articles, handle
/// heights and composite sub-elements.
void ExpandComplect(TDM& dm, const TExpandInputs& in);

/// Adds the sub-elements of a composite element (FrnItoI) with the caller's quantity; nothing
/// for an element that is not composite. `sideNo` is inherited by sub-rows without their own.
void ExpandCompositeElement(TDM& dm, const TExpandInputs& in, const std::string& elementId,
                            std::int32_t quantity, std::int32_t sideNo);

/// True when the complect's side rows (FrnSide) describe this sash's shape; a complect without
/// side rows fits no sash.
bool ComplectFitsSash(TDM& dm, const TftfFlugel& sash, const std::string& complectId);

/// The whole run for a set: parameters, every complect slot, the three passes, empty lines
/// removed, items sorted by article. False when the set has no sash or position.
bool CalcFurnComp(TDM& dm, TftfFurnComp& set, bool debug);

/// The engine the model runs; debug mode comes from the settings (DebugMode) at each run.
class TFurnEngine final : public IFurnEngine {
public:
    /// `dm` is not owned and must outlive the engine.
    explicit TFurnEngine(TDM& dm) : dm_(dm) {}
    void CalcFurnComp(TftfFurnComp& set) override;

private:
    TDM& dm_;
};

}  // namespace ftf
