#pragma once
// The positions copied in an order window ("&Копировать") for pasting into the same or another
// order window ("&Вставить"). One for the process. The positions are held as their stream
// records in the current layout, so a copy stays as it was whatever happens to the order it came
// from, and a paste makes independent new positions.

#include <cstdint>
#include <memory>
#include <vector>

namespace ftf {

class TftfConstruction;
class TftfOrder;

class PositionClipboard {
public:
    /// Replaces the content by the records of the positions, in the order given, priced in the
    /// currency and price group of their order. Throws FtfError when a position cannot be
    /// written; the content is then unchanged.
    void Copy(const std::vector<const TftfConstruction*>& positions, std::int32_t currencyId,
              std::int32_t priceGroupNo);
    int Count() const { return count_; }
    /// The currency and price group the positions' prices were made with.
    std::int32_t CurrencyId() const { return currencyId_; }
    std::int32_t PriceGroupNo() const { return priceGroupNo_; }
    bool HasPositions() const { return count_ > 0; }
    void Clear();
    /// New positions of `order` read from the records, not yet in its list. Throws FtfError
    /// "Ошибка копирования позиции!\r\n(%s)" when a record cannot be read.
    std::vector<std::unique_ptr<TftfConstruction>> Paste(TftfOrder& order) const;

private:
    std::vector<std::uint8_t> records_;
    int count_ = 0;
    std::int32_t currencyId_ = 0;
    std::int32_t priceGroupNo_ = 0;
};

/// The process's clipboard of positions.
PositionClipboard& SharedPositionClipboard();

}  // namespace ftf
