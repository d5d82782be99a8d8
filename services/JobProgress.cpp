#include "services/JobProgress.h"

bool TJobProgress::Step(int done, int total) {
    if (!m_cancelled && m_callback && !m_callback(done, total))
        m_cancelled = true;
    return !m_cancelled;
}
