// libFuzzer entry for the XML parser: any bytes must load without a crash, a hang or
// unbounded growth, and whatever loads must write and load again.
#include "xml/GmXml.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TGmXML doc;
    doc.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    // Whatever loads must save and load again.
    TGmXML again;
    again.LoadFromBytes(doc.SaveToBytes());
    (void)again.SaveToBytes();
    for (const auto& node : doc.Nodes()) {
        (void)node->GetText();
        (void)node->GetFloat();
        (void)node->GetInteger();
    }
    return 0;
}
