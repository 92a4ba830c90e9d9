// GBK and UTF-8 conversions of arbitrary bytes. Invariants: any byte string
// survives GBK -> UTF-8 -> GBK unchanged and gives valid UTF-8; a cut never
// exceeds its byte budget and is a prefix of the text.

#include "fuzz/fuzz_check.h"
#include "model/gbk.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = GbkToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    FUZZ_CHECK(Utf8ToGbk(utf8) == bytes);
    FUZZ_CHECK(Utf8ToGbkExact(utf8) == bytes);

    // The same bytes read as UTF-8 text.
    const std::string gbk = Utf8ToGbk(bytes);
    FUZZ_CHECK(GbkByteLength(bytes) == gbk.size());
    if (const auto exact = Utf8ToGbkExact(bytes)) {
        FUZZ_CHECK(IsValidUtf8(bytes) && *exact == gbk);
    }
    const std::size_t budget = size == 0 ? 0 : data[0] % 10;
    const std::string cut = TruncateToGbkBytes(bytes, budget);
    FUZZ_CHECK(bytes.compare(0, cut.size(), cut) == 0);
    FUZZ_CHECK(GbkByteLength(cut) <= budget);
    return 0;
}
