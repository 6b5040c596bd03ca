// libFuzzer target: an order file image of any content. It must load or fail with the loader's
// handling (never crash, hang or read outside the data), and an order that loads completely must
// write an image that loads again and writes the same bytes. Built and run by bench/fuzz-documents.

#include "documents/Order.h"
#include "fuzz_documents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzdoc::RoundTrip<ftf::TftfOrder>(data, size);
    return 0;
}
