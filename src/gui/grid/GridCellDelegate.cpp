#include "grid/GridCellDelegate.h"

#include "grid/GridFormat.h"
#include "grid/GridTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include "data/Values.h"

namespace kesvar::gui {

GridCellDelegate::GridCellDelegate(GridTableModel *model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

QRect GridCellDelegate::buttonRect(const QRect &cell)
{
    const int side = qMin(cell.height(), 18);
    return QRect(cell.right() - side + 1, cell.top() + (cell.height() - side) / 2, side, side);
}

bool GridCellDelegate::hasButton(const QModelIndex &index) const
{
    const int column = index.column();
    return column >= 0 && column < m_model->columns().size() && m_model->columns().at(column).showButton;
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!hasButton(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem text = option;
    text.rect.setRight(buttonRect(option.rect).left() - 1);
    QStyledItemDelegate::paint(painter, text, index);
    QStyleOptionButton button;
    button.rect = buttonRect(option.rect);
    button.text = QStringLiteral("…");
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

bool GridCellDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (hasButton(index) && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
                             || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && buttonRect(option.rect).contains(mouse->position().toPoint())) {
            if (event->type() == QEvent::MouseButtonRelease && m_ellipsis)
                m_ellipsis(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

QWidget *GridCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_pickLists.contains(index.column())) {
        // Figures are typed as text: a spin box would cut them to its own decimals and range.
        if (Values::isNumber(index.data(Qt::EditRole)) || m_model->decimals(index.column()) >= 0)
            return new QLineEdit(parent);
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->addItems(m_pickLists.value(index.column()));
    return combo;
}

void GridCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && Values::isNumber(index.data(Qt::EditRole))) {
        line->setText(index.data(Qt::DisplayRole).toString());
        line->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace kesvar::gui
