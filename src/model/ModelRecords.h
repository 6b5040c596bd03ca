#pragma once
// Stream helpers shared by the records of positions, sashes, sides, points, sets, items and
// material lines.
//
// Fields of unknown meaning (an item's Extra1..Extra3, a set's Reserved4 and Reserved5, a material
// line's ReservedReal and ReservedMoney) must leave a file exactly as they came in, whatever type
// code and bytes the file held. Such a field keeps the record it was read from beside its value;
// the record is written back unchanged as long as the field still holds the value read from it,
// and a fresh record is written once the field has been changed.

#include <cstdint>
#include <optional>

#include "common/Money.h"
#include "common/TSpecStream.h"

namespace ftf {

/// The stored record of a field of unknown meaning; empty for a value not read from a stream.
using TCarriedRecord = std::optional<SpecVariant>;

std::int32_t ReadCarriedInteger(TSpecStream& stream, TCarriedRecord& record);
void WriteCarriedInteger(TSpecStream& stream, std::int32_t value, const TCarriedRecord& record);

float ReadCarriedSingle(TSpecStream& stream, TCarriedRecord& record);
void WriteCarriedSingle(TSpecStream& stream, float value, const TCarriedRecord& record);

Money ReadCarriedMoney(TSpecStream& stream, TCarriedRecord& record);
void WriteCarriedMoney(TSpecStream& stream, Money value, const TCarriedRecord& record);

}  // namespace ftf
