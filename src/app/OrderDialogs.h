#pragma once
// The dialogs the order window opens, as the order window's controller sees them. The desktop
// implements them with its dialog windows; tests replace them with scripted ones.

namespace ftf {

class TftfConstruction;
class TftfOrder;

class OrderDialogs {
public:
    virtual ~OrderDialogs() = default;

    /// The order properties dialog ("Заказ") on the order. True on OK, with `pricesChanged` set
    /// when the VAT rate or the currency changed; on Cancel the order is unchanged.
    virtual bool RunOrderDialog(TftfOrder& order, bool& pricesChanged) = 0;

    /// The position properties dialog ("Новая позиция") on a new position of the order that is
    /// not yet in its list. True when confirmed and the position was built.
    virtual bool RunPositionDialog(TftfOrder& order, TftfConstruction& position) = 0;

    /// The fittings set dialog on a position. True on OK: the position's sets are calculated
    /// and priced. On Cancel the dialog has put the position back as it was.
    virtual bool RunFurnSetDialog(TftfConstruction& position) = 0;

    /// The small progress window "Процесс" shown while the order is recalculated. Each Begin is
    /// followed by one End, also when the recalculation fails (before its error is shown).
    virtual void BeginProgress() = 0;
    /// `done` of `total` positions visited so far.
    virtual void StepProgress(int done, int total) = 0;
    virtual void EndProgress() = 0;
};

}  // namespace ftf
