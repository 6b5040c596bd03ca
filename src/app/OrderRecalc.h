#pragma once
// Recalculating an order's prices with the current catalogue prices, rates and price group: the
// material lines of each ticked position are rebuilt from its fittings sets (the sets themselves
// stay). The order window and `ftf order recalc` share it.

#include <functional>
#include <string>

namespace ftf {

class TftfOrder;

struct RecalcOutcome {
    int visited = 0;          ///< positions visited before the loop ended
    int recalculated = 0;     ///< ticked positions whose price was rebuilt
    int failedIndex = -1;     ///< the position whose recalculation failed (restored), or -1
    std::string failedPosNo;  ///< its number
    std::string error;        ///< the error's text
    /// "%s\r\n[Позиция: %s]" for the failure; empty when none failed.
    std::string Message() const;
};

/// Visits the positions in list order; each ticked one is backed up, re-priced, and restored from
/// its backup when re-pricing throws, which ends the loop (later positions stay as they were).
/// `progress(done, total)` is called after each visited position when given.
RecalcOutcome RecalcOrderPrices(TftfOrder& order,
                                const std::function<void(int, int)>& progress = {});

}  // namespace ftf
