// Any bytes as text for the codec: decoding undoes encoding for every text of
// codes 0 to 170, encoded characters all have codes 85 and above, and the
// Windows-1252 conversion round-trips every byte string.

#include "core/storage/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Bytes -> characters -> bytes is the identity.
    const std::string asText = fromWindows1252(input);
    if (toWindows1252(asText) != input) {
        std::abort();
    }

    // Taken as UTF-8 text, whatever it holds.
    const std::string codes = toWindows1252(input);
    const std::string encoded = toWindows1252(EncodeText(input));
    if (codes.size() > MaxTextLength) {
        if (!encoded.empty()) {
            std::abort();
        }
        return 0;
    }
    std::size_t kept = 0;
    for (const char code : codes) {
        kept += static_cast<unsigned char>(code) <= 170 ? 1 : 0;
    }
    if (encoded.size() != kept) {
        std::abort();
    }
    for (const char code : encoded) {
        if (static_cast<unsigned char>(code) < 85) {
            std::abort();
        }
    }
    // A text of codes 0 to 170 comes back whole.
    const std::string text = fromWindows1252(codes);
    if (kept == codes.size() && DecodeText(EncodeText(text)) != text) {
        std::abort();
    }
    return 0;
}
