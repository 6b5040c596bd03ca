#include "settings/CurrencyItem.h"

#include "common/TSpecStream.h"

namespace ftf {

void TftfCurrencyItem::SaveToStream(TSpecStream& stream) const {
    WriteInteger(stream, CurrencyCode);
    WriteReal(stream, Rate);
}

void TftfCurrencyItem::LoadFromStream(TSpecStream& stream, std::string_view /*stamp*/) {
    CurrencyCode = ReadInteger(stream);
    Rate = ReadSingle(stream);
}

}  // namespace ftf
