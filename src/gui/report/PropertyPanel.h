#pragma once

#include "report/ReportLayout.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

namespace kesvar::gui {

// The designer's property editor: the selected object (name, text, place, font, colour, alignment,
// format, frame, wrap, hide-zero), the selected band (height, dataset) and the page (size, margins).
// Every edit goes straight into the layout and is announced with changed().
class PropertyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPanel(report::ReportLayout &layout, QWidget *parent = nullptr);

    // Shows the band and object of the selection (-1 for none) and the page.
    void showSelection(int band, int object);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *textEdit() const { return m_text; }
    QComboBox *formatEdit() const { return m_format; }

signals:
    void changed();
    // Enter in the text box: the edit is done.
    void textEditFinished();

private:
    report::ReportObject *object();
    report::ReportBand *band();
    void load();
    void editObject(const std::function<void(report::ReportObject &)> &change);
    void storeBand();
    void storePage();
    QDoubleSpinBox *millimetres(double minimum, double maximum);

    report::ReportLayout &m_layout;
    int m_band = -1;
    int m_object = -1;
    bool m_loading = false;

    QGroupBox *m_objectBox;
    QLineEdit *m_name;
    QLineEdit *m_text;
    QDoubleSpinBox *m_x, *m_y, *m_width, *m_height;
    QComboBox *m_family;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold, *m_italic;
    QLineEdit *m_color;
    QComboBox *m_hAlign, *m_vAlign;
    QComboBox *m_format;
    QCheckBox *m_frameLeft, *m_frameTop, *m_frameRight, *m_frameBottom;
    QDoubleSpinBox *m_frameWidth;
    QCheckBox *m_wordWrap, *m_hideZero;

    QGroupBox *m_bandBox;
    QDoubleSpinBox *m_bandHeight;
    QLineEdit *m_dataset;

    QDoubleSpinBox *m_pageWidth, *m_pageHeight;
    QDoubleSpinBox *m_marginLeft, *m_marginTop, *m_marginRight, *m_marginBottom;
    QComboBox *m_pageFamily;
    QDoubleSpinBox *m_pageSize;
};

} // namespace kesvar::gui
