#pragma once

// What the designer tests share: printers that do not depend on the machine (so a
// new page is A4, 210 x 297 mm), an editor showing it at exactly 2 pixels per
// millimetre, and mouse events sent straight to a widget.

#include "support/FakePrinters.h"
#include "support/PlaceItem.h"

#include "reports/Page.h"
#include "ui/PageEditor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// An editor of 460 x 640 pixels shows an A4 page from (20, 20) to (440, 614).
inline constexpr int kEditorWidth = 460;
inline constexpr int kEditorHeight = 640;

// The pixel of a page position on that editor.
inline QPoint Px(double xMM, double yMM) {
    return QPoint(20 + static_cast<int>(xMM * 2.0), 20 + static_cast<int>(yMM * 2.0));
}

inline void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* widget, const QPoint& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(widget, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton, modifiers);
}

inline void MoveTo(QWidget* widget, const QPoint& point, Qt::MouseButtons buttons = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseMove, point, Qt::NoButton, buttons, Qt::NoModifier);
}

inline void Release(QWidget* widget, const QPoint& point) {
    SendMouse(widget, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}

// Press, one move, release.
inline void Drag(QWidget* widget, const QPoint& from, const QPoint& to,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(widget, from, modifiers);
    MoveTo(widget, to);
    Release(widget, to);
}

inline void Click(QWidget* widget, const QPoint& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(widget, point, modifiers);
    Release(widget, point);
}

inline double Geometry(const TPageItem& item, const char* name) {
    return item.GetFloat(QString::fromLatin1(name));
}

// The item names of a page in drawing order, comma separated.
inline QString ItemNames(const TPage& page) {
    QStringList names;
    for (int i = 0; i < page.ItemCount(); ++i)
        names << page.Item(i)->Name();
    return names.join(u',');
}

class EditorTest : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        // The editor's first page was made before these printers stood in.
        Editor.SetPage(TPage());
        Editor.resize(kEditorWidth, kEditorHeight);
        Editor.UpdatePageRect();
    }
    TPage& Page() { return Editor.Page(); }

    TPageEditor Editor;
};
