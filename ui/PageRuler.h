#pragma once

// A ruler beside the page designer, marked in the operator's report units and
// scrolled with the page.

#include <QWidget>

#include <vector>

class TPageEditor;

enum class TRulerType { rtHorizontal, rtVertical };

class TPageRuler : public QWidget {
    Q_OBJECT

public:
    explicit TPageRuler(TRulerType type, QWidget* parent = nullptr);

    TRulerType RulerType() const { return m_type; }
    // The editor whose page the ruler measures (not owned); the designer the ruler is
    // assigned to sets it.
    TPageEditor* Editor() const { return m_editor; }
    void SetEditor(TPageEditor* editor);

    enum class TMarkKind { Label, Major, Minor }; // long line with text; 8-pixel tick; 4-pixel tick
    struct TMark {
        double Millimetres = 0.0; // position on the page
        int Pixel = 0;            // along the ruler
        TMarkKind Kind = TMarkKind::Minor;
    };
    // The marks for one GridSpacing of g pixels and a widest label of labelWidth
    // pixels: the subdivision is the first of 10, 5, 2 and 1 that leaves at least 3
    // pixels per step; every mark of a grid line gets an 8-pixel tick, the others 4, and a
    // label goes on every s * (labelWidth / g + 1) marks.
    static int Subdivision(int g);
    static int LabelInterval(int g, int labelWidth);
    // The marks this ruler draws now (empty without a page or when g is 0).
    std::vector<TMark> Marks() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TRulerType m_type;
    TPageEditor* m_editor = nullptr;
};
