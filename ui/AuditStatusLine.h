#pragma once

// One line above the batch views about the shown batch's audit trail: that the file was
// changed outside Bramblex (with the time of the last recorded change) or that its trail
// is broken, and the signatures it carries (those made before a later change are said to
// apply to an earlier version). Hidden when there is nothing to say.

#include <QLabel>

class TAuditStatusLine : public QLabel {
    Q_OBJECT
public:
    explicit TAuditStatusLine(QWidget* parent = nullptr);

    // Reads the batch's trail and shows what it says; an empty path hides the line.
    void ShowBatch(const QString& batchPath);
};
