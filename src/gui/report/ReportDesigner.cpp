#include "report/ReportDesigner.h"

#include "report/DesignerCanvas.h"
#include "report/PropertyPanel.h"
#include "report/ReportPrinting.h"
#include "report/ReportTemplate.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kesvar::gui {

using namespace kesvar::report;

ReportDesigner::ReportDesigner(ReportJob job, QString templateFile, QWidget *parent)
    : QDialog(parent), m_job(std::move(job)), m_layout(m_job.layout), m_file(std::move(templateFile))
{
    resize(1280, 820);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto *toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->addAction(QStringLiteral("添加对象"), this, [this] { addObject(); });
    auto *fieldMenu = new QMenu(this);
    fillFieldMenu(fieldMenu);
    auto *addFieldButton = new QToolButton(toolbar);
    addFieldButton->setText(QStringLiteral("添加字段"));
    addFieldButton->setMenu(fieldMenu);
    addFieldButton->setPopupMode(QToolButton::InstantPopup);
    toolbar->addWidget(addFieldButton);
    QAction *duplicate = toolbar->addAction(QStringLiteral("复制对象"), this, &ReportDesigner::duplicateSelection);
    duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    toolbar->addAction(QStringLiteral("删除对象"), this, &ReportDesigner::deleteSelection);
    auto *bandMenu = new QMenu(this);
    for (BandType type : {BandType::ReportTitle, BandType::PageHeader, BandType::ColumnHeader, BandType::MasterData,
                          BandType::ReportSummary, BandType::PageFooter})
        bandMenu->addAction(DesignerCanvas::bandTypeCaption(type), this, [this, type] { addBand(type); });
    auto *addBandButton = new QToolButton(toolbar);
    addBandButton->setText(QStringLiteral("添加栏"));
    addBandButton->setMenu(bandMenu);
    addBandButton->setPopupMode(QToolButton::InstantPopup);
    toolbar->addWidget(addBandButton);
    toolbar->addAction(QStringLiteral("删除栏"), this, &ReportDesigner::deleteBand);
    toolbar->addSeparator();
    QAction *undoAction = toolbar->addAction(QStringLiteral("撤销"), this, &ReportDesigner::undo);
    undoAction->setShortcut(QKeySequence::Undo);
    toolbar->addAction(QStringLiteral("预览"), this, &ReportDesigner::preview);
    QAction *saveAction = toolbar->addAction(QStringLiteral("保存"), this, &ReportDesigner::save);
    saveAction->setShortcut(QKeySequence::Save);
    toolbar->addAction(QStringLiteral("关闭"), this, &QDialog::reject);

    m_canvas = new DesignerCanvas(m_layout, this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_canvas);
    scroll->setBackgroundRole(QPalette::Dark);
    m_panel = new PropertyPanel(m_layout, this);
    auto *panelScroll = new QScrollArea(this);
    panelScroll->setWidget(m_panel);
    panelScroll->setWidgetResizable(true);
    panelScroll->setMinimumWidth(340);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(scroll);
    splitter->addWidget(panelScroll);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({900, 380});

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(toolbar);
    column->addWidget(splitter);

    connect(m_canvas, &DesignerCanvas::selectionChanged, this, &ReportDesigner::selectionChanged);
    connect(m_canvas, &DesignerCanvas::deleteRequested, this, &ReportDesigner::deleteSelection);
    // Keyboard round trip: Enter on the page edits the object's text, Enter in the text box returns.
    connect(m_canvas, &DesignerCanvas::editRequested, this, [this] {
        m_panel->textEdit()->setFocus();
        m_panel->textEdit()->selectAll();
    });
    connect(m_panel, &PropertyPanel::textEditFinished, m_canvas, [this] { m_canvas->setFocus(); });
    connect(m_canvas, &DesignerCanvas::modified, this, [this] {
        changed();
        m_panel->showSelection(m_canvas->selectedBand(), m_canvas->selectedObject());
    });
    connect(m_panel, &PropertyPanel::changed, this, [this] {
        changed();
        m_canvas->refresh();
    });
    m_recorded = m_layout;
    setModified(false);
    m_canvas->setFocus();
}

void ReportDesigner::setModified(bool modified)
{
    m_modified = modified;
    setWindowTitle(QStringLiteral("报表设计 - %1%2").arg(QFileInfo(m_file).completeBaseName(),
                                                          modified ? QStringLiteral(" *") : QString()));
}

void ReportDesigner::changed()
{
    if (m_layout == m_recorded)
        return;
    m_undo.append(m_recorded);
    m_recorded = m_layout;
    setModified(true);
}

void ReportDesigner::undo()
{
    if (m_undo.isEmpty())
        return;
    m_layout = m_undo.takeLast();
    m_recorded = m_layout;
    m_canvas->refresh();
    m_panel->showSelection(m_canvas->selectedBand(), m_canvas->selectedObject());
    setModified(true);
}

void ReportDesigner::fillFieldMenu(QMenu *menu)
{
    for (const QString &name : m_job.data.names()) {
        QMenu *sub = menu->addMenu(name);
        for (const QString &column : m_job.data.dataset(name)->columns()) {
            const QString field = QStringLiteral("[%1.\"%2\"]").arg(name, column);
            sub->addAction(column, this, [this, field] { addObject(field); });
        }
    }
    menu->addSeparator();
    for (const char *word : {"[DATE]", "[TIME]", "[PAGE#]", "[TOTALPAGES#]"}) {
        const QString field = QString::fromLatin1(word);
        menu->addAction(field, this, [this, field] { addObject(field); });
    }
}

void ReportDesigner::selectionChanged()
{
    m_panel->showSelection(m_canvas->selectedBand(), m_canvas->selectedObject());
}

bool ReportDesigner::selectObject(const QString &name)
{
    for (int b = 0; b < m_layout.bands.size(); ++b)
        for (int o = 0; o < m_layout.bands.at(b).objects.size(); ++o)
            if (m_layout.bands.at(b).objects.at(o).name.compare(name, Qt::CaseInsensitive) == 0) {
                m_canvas->select(b, o);
                return true;
            }
    return false;
}

bool ReportDesigner::save()
{
    // The Reports folder may have been removed since the start; saving brings it back.
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    if (!ReportTemplate::save(m_layout, m_file)) {
        QMessageBox::warning(this, QStringLiteral("警告"), QStringLiteral("无法保存报表文件 %1").arg(m_file));
        return false;
    }
    setModified(false);
    return true;
}

QString ReportDesigner::defaultDataset() const
{
    switch (m_job.kind) {
    case ReportKind::Bill: return QStringLiteral("S");
    case ReportKind::Partners: return QStringLiteral("C");
    case ReportKind::Products: return QStringLiteral("G");
    case ReportKind::StockLedger: return QStringLiteral("DD");
    case ReportKind::StockSummary: return QStringLiteral("DC");
    }
    return {};
}

void ReportDesigner::addObject(const QString &text)
{
    if (m_layout.bands.isEmpty())
        addBand(BandType::PageHeader);
    const int band = std::max(0, m_canvas->selectedBand());
    ReportObject object;
    object.text = text;
    object.rect = QRectF(0, 0, 30, std::min(6.0, m_layout.bands.at(band).height));
    appendObject(band, std::move(object));
}

void ReportDesigner::duplicateSelection()
{
    const int band = m_canvas->selectedBand();
    const int object = m_canvas->selectedObject();
    if (band < 0 || object < 0)
        return;
    ReportObject copy = m_layout.bands.at(band).objects.at(object);
    copy.rect.translate(0, copy.rect.height());
    appendObject(band, std::move(copy));
}

void ReportDesigner::appendObject(int band, ReportObject object)
{
    object.name = m_layout.uniqueObjectName(QStringLiteral("Memo"));
    m_layout.bands[band].objects.append(std::move(object));
    m_canvas->refresh();
    m_canvas->select(band, int(m_layout.bands.at(band).objects.size()) - 1);
    changed();
}

void ReportDesigner::deleteSelection()
{
    const int band = m_canvas->selectedBand();
    const int object = m_canvas->selectedObject();
    if (band < 0 || object < 0)
        return;
    m_layout.bands[band].objects.removeAt(object);
    m_canvas->select(band, -1);
    m_canvas->refresh();
    changed();
}

void ReportDesigner::addBand(BandType type)
{
    ReportBand band;
    band.type = type;
    band.height = 10;
    if (type == BandType::MasterData)
        band.dataset = defaultDataset();
    QString stem = ReportLayout::bandTypeName(type);
    stem[0] = stem[0].toUpper();
    for (int n = 1;; ++n) {
        band.name = stem + QString::number(n);
        if (std::none_of(m_layout.bands.cbegin(), m_layout.bands.cend(), [&](const ReportBand &b) { return b.name == band.name; }))
            break;
    }
    const int index = m_layout.addBand(band);
    m_canvas->refresh();
    m_canvas->select(index, -1);
    changed();
}

void ReportDesigner::deleteBand()
{
    const int band = m_canvas->selectedBand();
    if (band < 0)
        return;
    m_layout.bands.removeAt(band);
    m_canvas->select(-1, -1);
    m_canvas->refresh();
    changed();
}

void ReportDesigner::preview()
{
    showReportPreview(this, m_job.prepare(m_layout));
}

void ReportDesigner::done(int result)
{
    if (m_modified) {
        const auto answer = QMessageBox::question(this, QStringLiteral("报表设计"), QStringLiteral("报表已修改，是否保存？"),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save()))
            return;
    }
    QDialog::done(result);
}

} // namespace kesvar::gui
