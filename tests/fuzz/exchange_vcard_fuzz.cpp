#include "fuzz_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzExchangeFile(data, size, ExchangeFormat::vcard);
}
