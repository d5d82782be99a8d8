// libFuzzer entry for packed picture text: any text unpacks to a picture or to nothing
// within the document's budget, and what is packed unpacks to the same bytes.
#include "properties/PictureText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A small budget, so that the bound is met often: it must raise before unpacking.
    TPictureBudget budget(1u << 20);
    try {
        const QByteArray picture = UnpackPictureText(text, budget);
        if (static_cast<std::uint64_t>(picture.size()) > budget.Limit())
            __builtin_trap();
    } catch (const EPictureBudgetError&) {
    }
    (void)UnpackPictureText(text);
    if (!text.isEmpty() && UnpackPictureText(PackPictureText(text)) != text)
        __builtin_trap();
    (void)Base64DecodeLenient(text);
    return 0;
}
