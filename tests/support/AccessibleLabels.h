#pragma once

// What a screen reader hears for the labels of a window: a label that shows text is
// named by that text (Qt's default), so the operator hears the state it shows, not
// a caption fixed when the window was built.

#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

// The name Qt's accessibility reads off a label: its name when one was given, else its
// text.
inline QString AccessibleNameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The text a label shows as the reader sees it: rich text as its plain text, and
// without the ampersand that marks the mnemonic of a label with a buddy.
inline QString ShownText(const QLabel* label) {
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    if (label->buddy()) {
        QString stripped;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            stripped += text[i];
        }
        text = stripped;
    }
    return text;
}

// Every label below top (shown or not) that shows text and is named otherwise:
// "objectName: name ≠ text" each. counted gets the number of labels with text checked.
inline QStringList MisnamedLabels(QWidget* top, int* counted = nullptr) {
    QStringList misnamed;
    for (QLabel* label : top->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (counted)
            ++*counted;
        const QString name = AccessibleNameOf(label);
        const QString shown = ShownText(label);
        if (name != shown)
            misnamed << QStringLiteral("%1: \"%2\" is not \"%3\"").arg(label->objectName(), name, shown);
    }
    return misnamed;
}
