// The stream record of a currency line: an integer record and a real record, compared with
// images written out by hand.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/TSpecStream.h"
#include "settings/CurrencyItem.h"

using namespace ftf;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Type code 3 (integer), six zero bytes, the value in bytes 8..11; then type code 5 (real),
// six zero bytes and the IEEE double in bytes 8..15.
struct Image {
    std::int32_t code;
    float rate;
    Bytes bytes;
};

const Image kImages[] = {
    {2, 2.5f,
     {3, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
      5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x40}},
    // 0.1 as a single is 0x3DCCCCCD; widened: 0x3FB99999A0000000.
    {-7, 0.1f,
     {3, 0, 0, 0, 0, 0, 0, 0, 0xF9, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
      5, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x00, 0xA0, 0x99, 0x99, 0xB9, 0x3F}},
    {0, 0.0f,
     {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

TEST(CurrencyItemStream, WritesTheHandDerivedImage) {
    for (const Image& im : kImages) {
        TftfCurrencyItem item{im.code, im.rate};
        TSpecStream s;
        item.SaveToStream(s);
        EXPECT_EQ(s.Bytes(), im.bytes) << im.code;
    }
}

TEST(CurrencyItemStream, ReadsTheImageBackAndWritesItAgainUnchanged) {
    for (const Image& im : kImages) {
        TSpecStream in(im.bytes);
        TftfCurrencyItem item;
        item.LoadFromStream(in, kStamp26_12_2019);
        EXPECT_EQ(item.CurrencyCode, im.code);
        EXPECT_EQ(item.Rate, im.rate);
        EXPECT_EQ(in.Remaining(), 0u);
        TSpecStream out;
        item.SaveToStream(out);
        EXPECT_EQ(out.Bytes(), im.bytes);
    }
}

TEST(CurrencyItemStream, ARateStoredAsAFullDoubleIsNarrowedToSingle) {
    // A rate written by another program as the double 0.1 (0x3FB999999999999A) reads as the
    // single 0.1, which is what the rate field holds.
    TSpecStream in(Bytes{3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                         5, 0, 0, 0, 0, 0, 0, 0, 0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F});
    TftfCurrencyItem item;
    item.LoadFromStream(in, "01.01.2005");
    EXPECT_EQ(item.CurrencyCode, 1);
    EXPECT_EQ(item.Rate, 0.1f);
}

TEST(CurrencyItemStream, ACutRecordIsAFormatError) {
    Bytes cut(kImages[0].bytes.begin(), kImages[0].bytes.end() - 1);
    TSpecStream in(cut);
    TftfCurrencyItem item;
    EXPECT_THROW(item.LoadFromStream(in, kStamp26_12_2019), SpecFormatError);
    EXPECT_EQ(item.CurrencyCode, 2);  // read before the damage
}

}  // namespace
