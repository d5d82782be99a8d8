// libFuzzer entry for the block of lines the instrument prints after a reading taken by
// hand: any bytes on the line must give a reading or the protocol's error, never a
// crash, a hang or a read past what arrived.
#include "core/Error.h"
#include "instrument/ViscoMeterInterface.h"
#include "platform/SerialLine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// A line that has received exactly the fuzzer's bytes and nothing after them.
class TReplayLine : public TSerialLine {
public:
    void Replay(QByteArray bytes) {
        m_bytes = std::move(bytes);
        m_at = 0;
    }
    void Open(const QString&, bool) override { m_open = true; }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    int BytesQueued() override { return static_cast<int>(m_bytes.size() - m_at); }
    int Read(char* buffer, int max) override {
        const int n = std::min(max, BytesQueued());
        std::memcpy(buffer, m_bytes.constData() + m_at, static_cast<size_t>(n));
        m_at += n;
        return n;
    }
    void Write(const char*, int) override {}
    void Purge() override {}
    bool Exhausted() const { return m_at >= m_bytes.size(); }

private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
    bool m_open = false;
};

// Opening a line waits for the instrument (most of a second), so one interface is opened
// once and each input is replayed on its line.
struct TReplayedInstrument {
    TReplayLine* Line;
    TKorvaneViscoMeterInterface Interface;

    TReplayedInstrument() : TReplayedInstrument(std::make_unique<TReplayLine>()) {}

private:
    explicit TReplayedInstrument(std::unique_ptr<TReplayLine> line)
        : Line(line.get()), Interface(std::move(line)) {
        TReplayLine* replay = Line;
        // Once every byte is read, waiting for more is a time-out at once.
        Interface.OnContinue = [replay](TKorvaneViscoMeterInterface*, bool& doContinue) {
            if (replay->Exhausted())
                doContinue = false;
        };
        Interface.Open(QStringLiteral("/dev/fuzz"), false);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TReplayedInstrument instrument;
    TReplayLine* replay = instrument.Line;
    replay->Replay(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (int block = 0; block < 64 && !replay->Exhausted(); ++block) {
        try {
            const TNoProcessReading r = instrument.Interface.ReadNoProcessLine();
            if (r.Spindle < 0 || r.RPMCode < 0)
                __builtin_trap(); // a reading the catalogue does not know was accepted
        } catch (const EBramblexError&) {
        }
    }
    return 0;
}
