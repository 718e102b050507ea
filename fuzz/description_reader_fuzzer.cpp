// Feeds arbitrary text to the description reader. Anything it accepts must
// write back to text that reads again and writes back to the same text.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        std::unique_ptr<TComponent> root(TReader(text, "fuzz").ReadComponent(nullptr));
        written = WriteComponentToText(*root);
    } catch (const Exception&) {
        return 0;
    }
    std::unique_ptr<TComponent> again(TReader(written, "rewritten").ReadComponent(nullptr));
    if (WriteComponentToText(*again) != written)
        std::abort();
    return 0;
}
