#include "report/PropertyPanel.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kesvar::gui {

using namespace kesvar::report;

namespace {

QComboBox *familyBox(bool withDefault, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    if (withDefault)
        box->addItem(QString());
    box->addItems(QFontDatabase::families());
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    return box;
}

void setCombo(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setEditText(text);
}

} // namespace

PropertyPanel::PropertyPanel(ReportLayout &layout, QWidget *parent)
    : QWidget(parent), m_layout(layout)
{
    auto *column = new QVBoxLayout(this);

    m_objectBox = new QGroupBox(QStringLiteral("对象"), this);
    auto *objectForm = new QFormLayout(m_objectBox);
    m_name = new QLineEdit(m_objectBox);
    m_text = new QLineEdit(m_objectBox);
    m_text->setToolTip(QStringLiteral("文字与字段混排，例如 单据编码：[B.\"BillCode\"]、[SUM(<S.\"Money\">)]、[DATE]、[PAGE#]"));
    m_x = millimetres(0, 1000);
    m_y = millimetres(0, 1000);
    m_width = millimetres(0.5, 1000);
    m_height = millimetres(0.5, 1000);
    auto *position = new QHBoxLayout;
    position->addWidget(m_x);
    position->addWidget(m_y);
    auto *extent = new QHBoxLayout;
    extent->addWidget(m_width);
    extent->addWidget(m_height);
    m_family = familyBox(true, m_objectBox);
    m_size = new QDoubleSpinBox(m_objectBox);
    m_size->setRange(0, 72);
    m_size->setDecimals(2);
    m_size->setSpecialValueText(QStringLiteral("默认"));
    m_bold = new QCheckBox(QStringLiteral("粗体"), m_objectBox);
    m_italic = new QCheckBox(QStringLiteral("斜体"), m_objectBox);
    auto *style = new QHBoxLayout;
    style->addWidget(m_size);
    style->addWidget(m_bold);
    style->addWidget(m_italic);
    m_color = new QLineEdit(m_objectBox);
    m_color->setPlaceholderText(QStringLiteral("#000000"));
    m_hAlign = new QComboBox(m_objectBox);
    m_hAlign->addItems({QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    m_vAlign = new QComboBox(m_objectBox);
    m_vAlign->addItems({QStringLiteral("顶端"), QStringLiteral("居中"), QStringLiteral("底端")});
    auto *align = new QHBoxLayout;
    align->addWidget(m_hAlign);
    align->addWidget(m_vAlign);
    m_format = new QComboBox(m_objectBox);
    m_format->setEditable(true);
    m_format->addItems({QString(), QStringLiteral("%2.2f"), QStringLiteral("%2.2n"), QStringLiteral("#n%2.2n"),
                        QStringLiteral("%2.4f"), QStringLiteral("0.00"), QStringLiteral("#,##0.00")});
    m_frameLeft = new QCheckBox(QStringLiteral("左"), m_objectBox);
    m_frameTop = new QCheckBox(QStringLiteral("上"), m_objectBox);
    m_frameRight = new QCheckBox(QStringLiteral("右"), m_objectBox);
    m_frameBottom = new QCheckBox(QStringLiteral("下"), m_objectBox);
    m_frameWidth = millimetres(0.05, 5);
    m_frameWidth->setDecimals(2);
    m_frameWidth->setSingleStep(0.1);
    auto *frame = new QHBoxLayout;
    for (QCheckBox *box : {m_frameLeft, m_frameTop, m_frameRight, m_frameBottom})
        frame->addWidget(box);
    m_wordWrap = new QCheckBox(QStringLiteral("自动换行"), m_objectBox);
    m_hideZero = new QCheckBox(QStringLiteral("隐藏零值"), m_objectBox);
    auto *flags = new QHBoxLayout;
    flags->addWidget(m_wordWrap);
    flags->addWidget(m_hideZero);

    objectForm->addRow(QStringLiteral("名称"), m_name);
    objectForm->addRow(QStringLiteral("文本"), m_text);
    objectForm->addRow(QStringLiteral("左/上"), position);
    objectForm->addRow(QStringLiteral("宽/高"), extent);
    objectForm->addRow(QStringLiteral("字体"), m_family);
    objectForm->addRow(QStringLiteral("字号"), style);
    objectForm->addRow(QStringLiteral("颜色"), m_color);
    objectForm->addRow(QStringLiteral("对齐"), align);
    objectForm->addRow(QStringLiteral("格式"), m_format);
    objectForm->addRow(QStringLiteral("边框"), frame);
    objectForm->addRow(QStringLiteral("线宽"), m_frameWidth);
    objectForm->addRow(QString(), flags);
    column->addWidget(m_objectBox);

    m_bandBox = new QGroupBox(QStringLiteral("栏"), this);
    auto *bandForm = new QFormLayout(m_bandBox);
    m_bandHeight = millimetres(1, 1000);
    m_dataset = new QLineEdit(m_bandBox);
    bandForm->addRow(QStringLiteral("高度"), m_bandHeight);
    bandForm->addRow(QStringLiteral("数据集"), m_dataset);
    column->addWidget(m_bandBox);

    auto *pageBox = new QGroupBox(QStringLiteral("页面"), this);
    auto *pageForm = new QFormLayout(pageBox);
    m_pageWidth = millimetres(20, 2000);
    m_pageHeight = millimetres(20, 2000);
    auto *size = new QHBoxLayout;
    size->addWidget(m_pageWidth);
    size->addWidget(m_pageHeight);
    m_marginLeft = millimetres(0, 100);
    m_marginTop = millimetres(0, 100);
    m_marginRight = millimetres(0, 100);
    m_marginBottom = millimetres(0, 100);
    auto *marginsLeftTop = new QHBoxLayout;
    marginsLeftTop->addWidget(m_marginLeft);
    marginsLeftTop->addWidget(m_marginTop);
    auto *marginsRightBottom = new QHBoxLayout;
    marginsRightBottom->addWidget(m_marginRight);
    marginsRightBottom->addWidget(m_marginBottom);
    m_pageFamily = familyBox(false, pageBox);
    m_pageSize = new QDoubleSpinBox(pageBox);
    m_pageSize->setRange(4, 72);
    m_pageSize->setDecimals(2);
    pageForm->addRow(QStringLiteral("宽/高"), size);
    pageForm->addRow(QStringLiteral("左/上边距"), marginsLeftTop);
    pageForm->addRow(QStringLiteral("右/下边距"), marginsRightBottom);
    pageForm->addRow(QStringLiteral("默认字体"), m_pageFamily);
    pageForm->addRow(QStringLiteral("默认字号"), m_pageSize);
    column->addWidget(pageBox);
    column->addStretch();

    // Each editor writes only its own property, so that showing a value rounded in a box never
    // changes the others.
    // The program finds objects by name (Memo_BigMoney, ...): a name stays unique and never empty.
    // Until the typed one qualifies the object keeps its name, and leaving the box shows it again.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &t) {
        const QString name = t.trimmed();
        const ReportObject *o = object();
        if (!o || name.isEmpty() || (m_layout.findObject(name) && m_layout.findObject(name) != o))
            return;
        editObject([&](ReportObject &edited) { edited.name = name; });
    });
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (const ReportObject *o = object())
            m_name->setText(o->name);
    });
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString &t) { editObject([&](ReportObject &o) { o.text = t; }); });
    connect(m_text, &QLineEdit::returnPressed, this, &PropertyPanel::textEditFinished);
    connect(m_color, &QLineEdit::textEdited, this, [this](const QString &t) {
        const QColor color(t.trimmed());
        if (color.isValid())
            editObject([&](ReportObject &o) { o.color = color.name(); });
    });
    connect(m_x, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.rect.moveLeft(v); }); });
    connect(m_y, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.rect.moveTop(v); }); });
    connect(m_width, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.rect.setWidth(v); }); });
    connect(m_height, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.rect.setHeight(v); }); });
    connect(m_size, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.font.size = v; }); });
    connect(m_frameWidth, &QDoubleSpinBox::valueChanged, this, [this](double v) { editObject([&](ReportObject &o) { o.frame.width = v; }); });
    connect(m_family, &QComboBox::currentTextChanged, this, [this](const QString &t) { editObject([&](ReportObject &o) { o.font.family = t.trimmed(); }); });
    connect(m_format, &QComboBox::currentTextChanged, this, [this](const QString &t) { editObject([&](ReportObject &o) { o.format = t.trimmed(); }); });
    connect(m_hAlign, &QComboBox::currentIndexChanged, this, [this](int i) { editObject([&](ReportObject &o) { o.hAlign = HAlign(i); }); });
    connect(m_vAlign, &QComboBox::currentIndexChanged, this, [this](int i) { editObject([&](ReportObject &o) { o.vAlign = VAlign(i); }); });
    const std::pair<QCheckBox *, bool ReportObject::*> objectFlags[] = {{m_wordWrap, &ReportObject::wordWrap},
                                                                         {m_hideZero, &ReportObject::hideZero}};
    for (const auto &flag : objectFlags) {
        bool ReportObject::*member = flag.second;
        connect(flag.first, &QCheckBox::toggled, this, [this, member](bool on) { editObject([&](ReportObject &o) { o.*member = on; }); });
    }
    const std::pair<QCheckBox *, bool ReportFont::*> fontFlags[] = {{m_bold, &ReportFont::bold}, {m_italic, &ReportFont::italic}};
    for (const auto &flag : fontFlags) {
        bool ReportFont::*member = flag.second;
        connect(flag.first, &QCheckBox::toggled, this, [this, member](bool on) { editObject([&](ReportObject &o) { o.font.*member = on; }); });
    }
    const std::pair<QCheckBox *, bool Frame::*> sides[] = {{m_frameLeft, &Frame::left}, {m_frameTop, &Frame::top},
                                                          {m_frameRight, &Frame::right}, {m_frameBottom, &Frame::bottom}};
    for (const auto &side : sides) {
        bool Frame::*member = side.second;
        connect(side.first, &QCheckBox::toggled, this, [this, member](bool on) { editObject([&](ReportObject &o) { o.frame.*member = on; }); });
    }
    connect(m_bandHeight, &QDoubleSpinBox::valueChanged, this, &PropertyPanel::storeBand);
    connect(m_dataset, &QLineEdit::textEdited, this, &PropertyPanel::storeBand);
    for (QDoubleSpinBox *b : {m_pageWidth, m_pageHeight, m_marginLeft, m_marginTop, m_marginRight, m_marginBottom, m_pageSize})
        connect(b, &QDoubleSpinBox::valueChanged, this, &PropertyPanel::storePage);
    connect(m_pageFamily, &QComboBox::currentTextChanged, this, &PropertyPanel::storePage);

    showSelection(-1, -1);
}

QDoubleSpinBox *PropertyPanel::millimetres(double minimum, double maximum)
{
    auto *box = new QDoubleSpinBox(this);
    box->setRange(minimum, maximum);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(false);
    box->setMinimumWidth(72);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return box;
}

ReportBand *PropertyPanel::band()
{
    return m_band >= 0 && m_band < m_layout.bands.size() ? &m_layout.bands[m_band] : nullptr;
}

ReportObject *PropertyPanel::object()
{
    ReportBand *b = band();
    return b && m_object >= 0 && m_object < b->objects.size() ? &b->objects[m_object] : nullptr;
}

void PropertyPanel::showSelection(int band, int object)
{
    m_band = band;
    m_object = object;
    load();
}

void PropertyPanel::load()
{
    m_loading = true;
    const ReportObject *o = object();
    m_objectBox->setEnabled(o != nullptr);
    const ReportObject blank;
    const ReportObject &shown = o ? *o : blank;
    m_name->setText(shown.name);
    m_text->setText(shown.text);
    m_x->setValue(shown.rect.x());
    m_y->setValue(shown.rect.y());
    m_width->setValue(shown.rect.width());
    m_height->setValue(shown.rect.height());
    setCombo(m_family, shown.font.family);
    m_size->setValue(shown.font.size);
    m_bold->setChecked(shown.font.bold);
    m_italic->setChecked(shown.font.italic);
    m_color->setText(shown.color);
    m_hAlign->setCurrentIndex(int(shown.hAlign));
    m_vAlign->setCurrentIndex(int(shown.vAlign));
    setCombo(m_format, shown.format);
    m_frameLeft->setChecked(shown.frame.left);
    m_frameTop->setChecked(shown.frame.top);
    m_frameRight->setChecked(shown.frame.right);
    m_frameBottom->setChecked(shown.frame.bottom);
    m_frameWidth->setValue(shown.frame.width);
    m_wordWrap->setChecked(shown.wordWrap);
    m_hideZero->setChecked(shown.hideZero);

    const ReportBand *b = band();
    m_bandBox->setEnabled(b != nullptr);
    m_bandHeight->setValue(b ? b->height : 10);
    m_dataset->setText(b ? b->dataset : QString());
    m_dataset->setEnabled(b && b->type == BandType::MasterData);

    m_pageWidth->setValue(m_layout.pageWidth);
    m_pageHeight->setValue(m_layout.pageHeight);
    m_marginLeft->setValue(m_layout.marginLeft);
    m_marginTop->setValue(m_layout.marginTop);
    m_marginRight->setValue(m_layout.marginRight);
    m_marginBottom->setValue(m_layout.marginBottom);
    setCombo(m_pageFamily, m_layout.font.family);
    m_pageSize->setValue(m_layout.font.size);
    m_loading = false;
}

void PropertyPanel::editObject(const std::function<void(ReportObject &)> &change)
{
    ReportObject *o = object();
    if (m_loading || !o)
        return;
    change(*o);
    emit changed();
}

void PropertyPanel::storeBand()
{
    ReportBand *b = band();
    if (m_loading || !b)
        return;
    b->height = m_bandHeight->value();
    b->dataset = m_dataset->text().trimmed();
    emit changed();
}

void PropertyPanel::storePage()
{
    if (m_loading)
        return;
    m_layout.pageWidth = m_pageWidth->value();
    m_layout.pageHeight = m_pageHeight->value();
    m_layout.marginLeft = m_marginLeft->value();
    m_layout.marginTop = m_marginTop->value();
    m_layout.marginRight = m_marginRight->value();
    m_layout.marginBottom = m_marginBottom->value();
    m_layout.font.family = m_pageFamily->currentText().trimmed();
    m_layout.font.size = m_pageSize->value();
    emit changed();
}

} // namespace kesvar::gui
