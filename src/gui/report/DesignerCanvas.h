#pragma once

#include "report/ReportLayout.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

namespace kesvar::gui {

// The page of the report designer: the bands one below the other, each under a caption strip, with
// their objects at their places. Objects are selected, moved and resized with the mouse (the corner
// handle resizes, a band's lower edge sets its height) or the keyboard: Tab and Shift+Tab step through
// the objects, arrows move by half a millimetre, Shift+arrows resize, Delete removes, Enter or F2
// edits the text. Positions snap to half millimetres.
class DesignerCanvas : public QWidget
{
    Q_OBJECT
public:
    static constexpr double Step = 0.5;      // mm
    static constexpr double CaptionHeight = 4; // mm above every band

    DesignerCanvas(report::ReportLayout &layout, QWidget *parent = nullptr);

    // What the designer calls a band of that type.
    static QString bandTypeCaption(report::BandType type);

    int selectedBand() const { return m_band; }
    int selectedObject() const { return m_object; }
    report::ReportObject *currentObject();
    void select(int band, int object);
    // Call after the layout was changed elsewhere (property panel, added bands).
    void refresh();

    // Where a band's top edge and an object's rectangle are in widget pixels.
    double bandTop(int band) const; // mm from the page's top
    QRectF objectRect(int band, int object) const;
    double pixelsPerMm() const;

    QSize sizeHint() const override;

signals:
    void selectionChanged();
    void modified();
    // Delete was pressed on the selected object.
    void deleteRequested();
    // Enter or F2 was pressed on the selected object.
    void editRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    enum class Drag { None, Move, Resize, BandHeight };

    QPointF toMm(const QPointF &pixels) const;
    double canvasHeightMm() const;
    bool hitHandle(const QPointF &pixels) const;
    // The band whose bottom edge is under the pointer, or -1.
    int bandEdgeAt(const QPointF &pixels) const;
    static double snap(double mm);
    void changeCurrent(double dx, double dy, double dw, double dh);
    void stepSelection(bool forward);

    report::ReportLayout &m_layout;
    int m_band = -1;
    int m_object = -1;
    Drag m_drag = Drag::None;
    QPointF m_dragStart;
    QRectF m_dragOriginal;
    double m_bandHeightOriginal = 0;
    bool m_dragChanged = false;
    double m_zoom = 1.0;
};

} // namespace kesvar::gui
