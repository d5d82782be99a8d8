#pragma once

// The batch view's QC line above its views: the verdict of the selected batch against
// the limit set its folder has in the storage tree, the limit set's name and the
// criteria that fail (or have no data yet). During a run the batch view hands it the
// batch at every reading, so the operator sees the moment the batch is in or out.
// Hidden when no limit set applies; one that cannot be read says why.

#include "qc/Qc.h"

#include <QFrame>

class QLabel;
class TFileItem;

class TQcStatusLine : public QFrame {
    Q_OBJECT
public:
    explicit TQcStatusLine(QWidget* parent = nullptr);

    // Checks entry's batch (as loaded, with the readings it has so far).
    void ShowEntry(const TFileItem& entry);
    // Nothing to show (no single batch selected).
    void Clear();

    const TQcResult& Result() const { return m_result; }
    QLabel* LabelQcStatus() const { return m_text; }
    QLabel* LabelQcMark() const { return m_mark; }

    // The line's text for a result (what LabelQcStatus shows).
    static QString StatusText(const TQcResult& result);

private:
    QLabel* m_mark;
    QLabel* m_text;
    TQcResult m_result;
};
