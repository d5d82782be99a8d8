#pragma once

// Long work (printing, writing files, composing, a run) tells how far it got and learns
// whether the operator asked it to stop. Front ends pass one in; a default one only
// counts and never stops.

#include <functional>

class TJobProgress {
public:
    // Called with the steps done so far and the total (0 when unknown); returns false
    // to ask the work to stop.
    using Callback = std::function<bool(int done, int total)>;

    TJobProgress() = default;
    explicit TJobProgress(Callback callback) : m_callback(std::move(callback)) {}

    // Reports a step. Returns false once a stop was asked for, and from then on.
    bool Step(int done, int total);
    bool Cancelled() const { return m_cancelled; }

private:
    Callback m_callback;
    bool m_cancelled = false;
};
