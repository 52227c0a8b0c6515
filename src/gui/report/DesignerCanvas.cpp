#include "report/DesignerCanvas.h"

#include "render/ReportPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace kesvar::gui {

using namespace kesvar::report;

namespace {

constexpr double PageOffset = 12; // pixels around the page

QString bandCaption(const ReportBand &band)
{
    QString caption = DesignerCanvas::bandTypeCaption(band.type) + QStringLiteral(": ") + band.name;
    if (!band.dataset.isEmpty())
        caption += QStringLiteral(" [%1]").arg(band.dataset);
    return caption;
}

} // namespace

QString DesignerCanvas::bandTypeCaption(BandType type)
{
    switch (type) {
    case BandType::ReportTitle: return QStringLiteral("报表标题");
    case BandType::PageHeader: return QStringLiteral("页眉");
    case BandType::ColumnHeader: return QStringLiteral("列标题");
    case BandType::MasterData: return QStringLiteral("数据");
    case BandType::ReportSummary: return QStringLiteral("报表合计");
    case BandType::PageFooter: return QStringLiteral("页脚");
    }
    return {};
}

DesignerCanvas::DesignerCanvas(ReportLayout &layout, QWidget *parent)
    : QWidget(parent), m_layout(layout)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(p);
    refresh();
}

double DesignerCanvas::pixelsPerMm() const
{
    return logicalDpiX() / 25.4 * m_zoom;
}

QSize DesignerCanvas::sizeHint() const
{
    return QSize(int(m_layout.pageWidth * pixelsPerMm() + 2 * PageOffset),
                 int(canvasHeightMm() * pixelsPerMm() + 2 * PageOffset));
}

void DesignerCanvas::refresh()
{
    if (m_band >= m_layout.bands.size())
        m_band = -1;
    if (m_band < 0 || m_object >= m_layout.bands.at(m_band).objects.size())
        m_object = -1;
    setMinimumSize(sizeHint());
    resize(sizeHint());
    update();
}

ReportObject *DesignerCanvas::currentObject()
{
    if (m_band < 0 || m_object < 0)
        return nullptr;
    return &m_layout.bands[m_band].objects[m_object];
}

void DesignerCanvas::select(int band, int object)
{
    if (band == m_band && object == m_object)
        return;
    m_band = band;
    m_object = object;
    update();
    emit selectionChanged();
}

double DesignerCanvas::bandTop(int band) const
{
    double y = m_layout.marginTop;
    for (int i = 0; i < band && i < m_layout.bands.size(); ++i)
        y += CaptionHeight + m_layout.bands.at(i).height;
    return y + CaptionHeight;
}

double DesignerCanvas::canvasHeightMm() const
{
    const double used = bandTop(int(m_layout.bands.size())) - CaptionHeight + m_layout.marginBottom;
    return std::max(m_layout.pageHeight, used);
}

QRectF DesignerCanvas::objectRect(int band, int object) const
{
    const QRectF mm = m_layout.bands.at(band).objects.at(object).rect.translated(m_layout.marginLeft, bandTop(band));
    const double s = pixelsPerMm();
    return {PageOffset + mm.x() * s, PageOffset + mm.y() * s, mm.width() * s, mm.height() * s};
}

QPointF DesignerCanvas::toMm(const QPointF &pixels) const
{
    return (pixels - QPointF(PageOffset, PageOffset)) / pixelsPerMm();
}

double DesignerCanvas::snap(double mm)
{
    return std::round(mm / Step) * Step;
}

bool DesignerCanvas::hitHandle(const QPointF &pixels) const
{
    if (m_band < 0 || m_object < 0)
        return false;
    const QPointF corner = objectRect(m_band, m_object).bottomRight();
    return std::abs(pixels.x() - corner.x()) <= 5 && std::abs(pixels.y() - corner.y()) <= 5;
}

int DesignerCanvas::bandEdgeAt(const QPointF &pixels) const
{
    const double s = pixelsPerMm();
    const double left = PageOffset + m_layout.marginLeft * s;
    if (pixels.x() < left || pixels.x() > left + m_layout.printableWidth() * s)
        return -1;
    for (int b = 0; b < m_layout.bands.size(); ++b) {
        const double edge = PageOffset + (bandTop(b) + m_layout.bands.at(b).height) * s;
        if (std::abs(pixels.y() - edge) <= 3)
            return b;
    }
    return -1;
}

void DesignerCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double s = pixelsPerMm();
    const QRectF page(PageOffset, PageOffset, m_layout.pageWidth * s, canvasHeightMm() * s);
    painter.fillRect(page.translated(3, 3), QColor(0x50, 0x50, 0x50));
    painter.fillRect(page, Qt::white);

    const double left = PageOffset + m_layout.marginLeft * s;
    const double width = m_layout.printableWidth() * s;
    PreparedPage objects;
    for (int b = 0; b < m_layout.bands.size(); ++b) {
        const ReportBand &band = m_layout.bands.at(b);
        const double top = PageOffset + bandTop(b) * s;
        const QRectF caption(left, top - CaptionHeight * s, width, CaptionHeight * s);
        painter.fillRect(caption, b == m_band && m_object < 0 ? QColor(0xc8, 0xd8, 0xf0) : QColor(0xe8, 0xe8, 0xe8));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        QFont captionFont = font();
        captionFont.setPointSizeF(8);
        painter.setFont(captionFont);
        painter.drawText(caption.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, bandCaption(band));
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DashLine));
        painter.drawRect(QRectF(left, top, width, band.height * s));

        for (const ReportObject &object : band.objects) {
            // An object the program fills (Memo_Company, ...) shows its name in grey until then.
            const bool placeholder = object.text.isEmpty();
            PreparedItem item;
            item.rect = object.rect.translated(m_layout.marginLeft, bandTop(b));
            item.text = placeholder ? object.name : object.text;
            item.font = m_layout.effectiveFont(object);
            item.color = placeholder ? QStringLiteral("#a0a0a0") : object.color;
            item.hAlign = object.hAlign;
            item.vAlign = object.vAlign;
            item.frame = object.frame;
            item.wordWrap = object.wordWrap;
            objects.items.append(item);
        }
    }

    painter.save();
    painter.translate(PageOffset, PageOffset);
    painter.scale(m_zoom, m_zoom);
    render::ReportPainter::paintPage(painter, objects, logicalDpiX() / 25.4);
    painter.restore();

    // Unframed objects get a faint outline so they can be found; the selection a blue one with a handle.
    for (int b = 0; b < m_layout.bands.size(); ++b) {
        for (int o = 0; o < m_layout.bands.at(b).objects.size(); ++o) {
            const QRectF r = objectRect(b, o);
            if (b == m_band && o == m_object) {
                painter.setPen(QPen(QColor(0x20, 0x60, 0xd0), 2));
                painter.drawRect(r);
                painter.fillRect(QRectF(r.bottomRight() - QPointF(4, 4), QSizeF(8, 8)), QColor(0x20, 0x60, 0xd0));
            } else if (!m_layout.bands.at(b).objects.at(o).frame.any()) {
                painter.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1, Qt::DotLine));
                painter.drawRect(r);
            }
        }
    }
}

void DesignerCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    const QPointF pos = event->position();
    if (event->button() != Qt::LeftButton)
        return;
    if (hitHandle(pos)) {
        m_drag = Drag::Resize;
    } else if (const int edge = bandEdgeAt(pos); edge >= 0) {
        select(edge, -1);
        m_drag = Drag::BandHeight;
        m_dragStart = toMm(pos);
        m_bandHeightOriginal = m_layout.bands.at(edge).height;
        m_dragChanged = false;
        return;
    } else {
        int band = -1;
        int object = -1;
        for (int b = int(m_layout.bands.size()) - 1; b >= 0 && object < 0; --b)
            for (int o = int(m_layout.bands.at(b).objects.size()) - 1; o >= 0; --o)
                if (objectRect(b, o).contains(pos)) {
                    band = b;
                    object = o;
                    break;
                }
        if (object < 0) {
            const double y = toMm(pos).y();
            for (int b = 0; b < m_layout.bands.size(); ++b)
                if (y >= bandTop(b) - CaptionHeight && y < bandTop(b) + m_layout.bands.at(b).height)
                    band = b;
        }
        select(band, object);
        m_drag = object >= 0 ? Drag::Move : Drag::None;
    }
    if (ReportObject *object = currentObject()) {
        m_dragStart = toMm(pos);
        m_dragOriginal = object->rect;
        m_dragChanged = false;
    }
}

void DesignerCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    if (m_drag == Drag::None) {
        setCursor(hitHandle(pos) ? Qt::SizeFDiagCursor : bandEdgeAt(pos) >= 0 ? Qt::SizeVerCursor : Qt::ArrowCursor);
        return;
    }
    if (m_drag == Drag::BandHeight) {
        const double height = std::max(1.0, snap(m_bandHeightOriginal + toMm(pos).y() - m_dragStart.y()));
        if (height != m_layout.bands.at(m_band).height) {
            m_layout.bands[m_band].height = height;
            m_dragChanged = true;
            refresh();
        }
        return;
    }
    ReportObject *object = currentObject();
    if (!object)
        return;
    const QPointF delta = toMm(pos) - m_dragStart;
    QRectF r = m_dragOriginal;
    if (m_drag == Drag::Move) {
        r.moveTo(std::max(0.0, snap(r.x() + delta.x())), std::max(0.0, snap(r.y() + delta.y())));
    } else {
        r.setWidth(std::max(Step, snap(r.width() + delta.x())));
        r.setHeight(std::max(Step, snap(r.height() + delta.y())));
    }
    if (r != object->rect) {
        object->rect = r;
        m_dragChanged = true;
        update();
    }
}

void DesignerCanvas::mouseReleaseEvent(QMouseEvent *)
{
    if (m_drag != Drag::None && m_dragChanged)
        emit modified();
    m_drag = Drag::None;
}

void DesignerCanvas::changeCurrent(double dx, double dy, double dw, double dh)
{
    ReportObject *object = currentObject();
    if (!object)
        return;
    QRectF r = object->rect;
    r.moveTo(std::max(0.0, r.x() + dx), std::max(0.0, r.y() + dy));
    r.setWidth(std::max(Step, r.width() + dw));
    r.setHeight(std::max(Step, r.height() + dh));
    object->rect = r;
    update();
    emit modified();
}

bool DesignerCanvas::focusNextPrevChild(bool next)
{
    // Tab belongs to the objects of the page, not to the focus chain.
    stepSelection(next);
    return true;
}

void DesignerCanvas::stepSelection(bool forward)
{
    QList<std::pair<int, int>> order;
    for (int b = 0; b < m_layout.bands.size(); ++b)
        for (int o = 0; o < m_layout.bands.at(b).objects.size(); ++o)
            order.append({b, o});
    if (order.isEmpty())
        return;
    const qsizetype at = order.indexOf(std::pair<int, int>(m_band, m_object));
    const qsizetype count = order.size();
    const qsizetype next = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
    select(order.at(next).first, order.at(next).second);
}

void DesignerCanvas::keyPressEvent(QKeyEvent *event)
{
    const bool resize = event->modifiers() & Qt::ShiftModifier;
    double dx = 0;
    double dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -Step; break;
    case Qt::Key_Right: dx = Step; break;
    case Qt::Key_Up: dy = -Step; break;
    case Qt::Key_Down: dy = Step; break;
    case Qt::Key_Delete:
        if (currentObject())
            emit deleteRequested();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (currentObject())
            emit editRequested();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!currentObject()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (resize)
        changeCurrent(0, 0, dx, dy);
    else
        changeCurrent(dx, dy, 0, 0);
}

} // namespace kesvar::gui
