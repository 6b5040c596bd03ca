#include "model/ModelRecords.h"

#include <cstring>

namespace ftf {

namespace {

SpecVariant ReadRecord(TSpecStream& stream) {
    SpecVariant value;
    ReadVariant(stream, SpecVariant(), value);
    return value;
}

bool SameSingle(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

std::int32_t ReadCarriedInteger(TSpecStream& stream, TCarriedRecord& record) {
    SpecVariant value = ReadRecord(stream);
    std::int32_t result = value.ToInteger();
    record = std::move(value);
    return result;
}

void WriteCarriedInteger(TSpecStream& stream, std::int32_t value, const TCarriedRecord& record) {
    if (record && record->ToInteger() == value)
        WriteVariant(stream, *record);
    else
        WriteInteger(stream, value);
}

float ReadCarriedSingle(TSpecStream& stream, TCarriedRecord& record) {
    SpecVariant value = ReadRecord(stream);
    float result = value.ToSingle();
    record = std::move(value);
    return result;
}

void WriteCarriedSingle(TSpecStream& stream, float value, const TCarriedRecord& record) {
    if (record && SameSingle(record->ToSingle(), value))
        WriteVariant(stream, *record);
    else
        WriteReal(stream, value);
}

Money ReadCarriedMoney(TSpecStream& stream, TCarriedRecord& record) {
    SpecVariant value = ReadRecord(stream);
    Money result = value.ToMoney();
    record = std::move(value);
    return result;
}

void WriteCarriedMoney(TSpecStream& stream, Money value, const TCarriedRecord& record) {
    if (record && record->ToMoney() == value)
        WriteVariant(stream, *record);
    else
        WriteMoney(stream, value);
}

}  // namespace ftf
