// libFuzzer target: a selection file image of any content. It must load or fail with the loader's
// handling, and a selection that loads completely must write an image that loads again and writes
// the same bytes. Built and run by bench/fuzz-documents.

#include "documents/Selection.h"
#include "fuzz_documents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzdoc::RoundTrip<ftf::TftfOrderSelection>(data, size);
    return 0;
}
