#include "app/PositionClipboard.h"

#include <exception>

#include "common/Error.h"
#include "common/TSpecStream.h"
#include "documents/Order.h"

namespace ftf {

void PositionClipboard::Copy(const std::vector<const TftfConstruction*>& positions, std::int32_t currencyId,
                             std::int32_t priceGroupNo) {
    TSpecStream stream;
    int count = 0;
    for (const TftfConstruction* p : positions) {
        if (!p) continue;
        p->SaveBackup(stream);
        ++count;
    }
    records_ = stream.Bytes();
    count_ = count;
    currencyId_ = currencyId;
    priceGroupNo_ = priceGroupNo;
}

void PositionClipboard::Clear() {
    records_.clear();
    count_ = 0;
    currencyId_ = priceGroupNo_ = 0;
}

std::vector<std::unique_ptr<TftfConstruction>> PositionClipboard::Paste(TftfOrder& order) const {
    std::vector<std::unique_ptr<TftfConstruction>> out;
    TSpecStream stream(records_);
    try {
        for (int i = 0; i < count_; ++i) {
            out.push_back(order.CreatePosition());
            out.back()->LoadFromStream(stream, kOrderVersion);
        }
    } catch (const std::exception& e) {
        throw FtfError(std::string("Ошибка копирования позиции!\r\n(") + e.what() + ")");
    }
    return out;
}

PositionClipboard& SharedPositionClipboard() {
    static PositionClipboard clipboard;
    return clipboard;
}

}  // namespace ftf
