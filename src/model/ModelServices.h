#pragma once
// What the construction model needs from the layers above and beside it, as small interfaces.
//
// The model sits below the calculation and the documents, yet a position's set calculation runs
// the fittings engine, the engine asks the position's order for its profile colours, and sides,
// items and material lines look things up in the catalogue. Each of these is an interface here;
// the owning layer implements it and installs it for the process (tests install fakes). The
// installers keep a plain pointer: the installed object is not owned and must outlive its use.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Money.h"

namespace ftf {

class TftfFurnComp;

/// The order a position belongs to, as far as the model needs it. Implemented by the order
/// document; a position created without an order answers empty colours.
class IPositionOrder {
public:
    virtual ~IPositionOrder() = default;
    /// Catalogue code of the order's inner profile colour.
    virtual std::string InnerProfColor() const = 0;
    /// Catalogue code of the order's outer profile colour.
    virtual std::string OuterProfColor() const = 0;
};

/// The fittings calculation run of one set: expands the set's complects into items through
/// TftfFurnComp::AddItem. The set reaches its sash (TftfFurnComp::Sash), the sash its position,
/// the position its order. Errors are FtfError with the catalogue's message. Implemented by
/// the calculation layer.
class IFurnEngine {
public:
    virtual ~IFurnEngine() = default;
    virtual void CalcFurnComp(TftfFurnComp& set) = 0;
};

/// One row of the catalogue side table (FrnSide) of a complect, the fields the sides take.
struct TFrnSideRow {
    std::int32_t Side = 0;        ///< 1-based side number
    std::int32_t OpenMode = 0;    ///< 1: the side carries an opening mark
    std::int32_t RotSide = 0;     ///< 1-based side the mark points to
    std::int32_t Handled = 0;     ///< 1: handle side
    std::int32_t Banded = 0;      ///< 1: hinge side
    std::int32_t Drived = 0;      ///< 1: driven side
};

/// The catalogue lookups the model uses. Implemented over the catalogue data module; prices are
/// in the settings' working currency. Errors (a missing article when not silent) are FtfError
/// with the lookup's message.
class IModelCatalogue {
public:
    virtual ~IModelCatalogue() = default;
    /// Screen colour of a complect; 16777215 (white) for an unknown or empty code.
    virtual std::int32_t GetComplectScreenColor(const std::string& complect) = 0;
    /// Picture kind of a complect; 0 for an unknown or empty code.
    virtual std::int32_t GetComplectImage(const std::string& complect) = 0;
    /// The side rows of a complect in table order (empty when none). Implementations that filter
    /// the shared table remove the filter again before returning, also on error.
    virtual std::vector<TFrnSideRow> GetComplectSides(const std::string& complect) = 0;
    /// HandleDirect of the complect's row for the side number (non-zero: the handle height counts
    /// from the side's end); 0 when there is no such row.
    virtual std::int32_t GetSideHandleDirect(const std::string& complect, std::int32_t side) = 0;
    /// The complect's name; false (and `name` empty) when the catalogue does not know the code.
    virtual bool TryGetComplectName(const std::string& complect, std::string& name) = 0;
    /// True for an article marked virtual; false for an empty or unknown code.
    virtual bool IsVirtualArticle(const std::string& article) = 0;
    /// The article's price in the working currency with the price-group adjustment, not yet
    /// rounded. A missing article throws unless silent (then 0).
    virtual long double GetArticlePrice(const std::string& article, bool silent) = 0;
    /// The article's name. A missing article throws unless silent (then empty).
    virtual std::string GetArticleName(const std::string& article, bool silent) = 0;
};

/// The installed engine. Throws std::logic_error when none is installed (a wiring fault).
IFurnEngine& CurrentFurnEngine();
/// Installs an engine (nullptr uninstalls) and returns the previous one.
IFurnEngine* SetFurnEngine(IFurnEngine* engine);

/// The installed catalogue. Throws std::logic_error when none is installed (a wiring fault).
IModelCatalogue& CurrentModelCatalogue();
/// Installs a catalogue (nullptr uninstalls) and returns the previous one.
IModelCatalogue* SetModelCatalogue(IModelCatalogue* catalogue);

/// Installs an engine for the lifetime of the guard.
class ScopedFurnEngine {
public:
    explicit ScopedFurnEngine(IFurnEngine& e) : previous_(SetFurnEngine(&e)) {}
    ~ScopedFurnEngine() { SetFurnEngine(previous_); }
    ScopedFurnEngine(const ScopedFurnEngine&) = delete;
    ScopedFurnEngine& operator=(const ScopedFurnEngine&) = delete;

private:
    IFurnEngine* previous_;
};

/// Installs a catalogue for the lifetime of the guard.
class ScopedModelCatalogue {
public:
    explicit ScopedModelCatalogue(IModelCatalogue& c) : previous_(SetModelCatalogue(&c)) {}
    ~ScopedModelCatalogue() { SetModelCatalogue(previous_); }
    ScopedModelCatalogue(const ScopedModelCatalogue&) = delete;
    ScopedModelCatalogue& operator=(const ScopedModelCatalogue&) = delete;

private:
    IModelCatalogue* previous_;
};

}  // namespace ftf
