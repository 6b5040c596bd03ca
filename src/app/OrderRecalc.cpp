#include "app/OrderRecalc.h"

#include <exception>

#include "common/TSpecStream.h"
#include "documents/Order.h"

namespace ftf {

std::string RecalcOutcome::Message() const {
    if (failedIndex < 0) return {};
    return error + "\r\n[Позиция: " + failedPosNo + "]";
}

RecalcOutcome RecalcOrderPrices(TftfOrder& order, const std::function<void(int, int)>& progress) {
    RecalcOutcome out;
    const int total = order.Count();
    for (int i = 0; i < total; ++i) {
        TftfConstruction& pos = order.Positions(i);
        if (pos.Checked) {
            TSpecStream backup;
            bool backedUp = false;
            try {
                pos.SaveBackup(backup);
                backedUp = true;
                pos.RecalcPrice();
                ++out.recalculated;
            } catch (const std::exception& e) {
                out.failedIndex = i;
                out.failedPosNo = pos.PosNo;
                out.error = e.what();
                // Without a whole backup the position was not touched: nothing to put back.
                if (backedUp) {
                    try {
                        pos.RestoreBackup(backup);
                    } catch (const std::exception& restoreError) {
                        // The position could not be put back: say so rather than hide it.
                        out.error += "\r\n";
                        out.error += restoreError.what();
                    }
                }
                return out;
            }
        }
        ++out.visited;
        if (progress) progress(out.visited, total);
    }
    return out;
}

}  // namespace ftf
