#include "grid/GridExport.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "grid/GridFormat.h"
#include "grid/GridMetadata.h"

namespace kesvar::GridExport {

void checkExportable(bool datasetLoaded, int rowCount)
{
    if (!datasetLoaded)
        throw RuleError(QStringLiteral("数据没有显示不能导出成Excel文件!"));
    if (rowCount <= 0)
        throw RuleError(QStringLiteral("没有数据,不能导出成Excel文件!"));
}

QString completeFileName(const QString &typed)
{
    QString name = typed.trimmed();
    if (!name.contains(QLatin1String(".xls")))
        name += QStringLiteral(".xlsx");
    return name;
}

QString openFileQuestion(const QString &fileName)
{
    return QStringLiteral("文件\"") + fileName + QStringLiteral("已建立，是否打开文件？\"吗?");
}

double columnSum(const RowSet &rows, int column)
{
    double sum = 0;
    if (column < 0)
        return sum;
    for (int r = 0; r < rows.rowCount(); ++r)
        sum += GridFormat::toNumber(rows.value(r, column));
    return sum;
}

SheetContent sheet(const RowSet &rows, const QList<GridColumn> &columns, const SoftInfo &options,
                   const QList<int> &order, const QString &dateFormat)
{
    QList<int> decimals;
    for (const GridColumn &c : columns)
        decimals.append(GridFormat::decimalsFor(c.dotSize, options));
    return sheet(rows, columns, decimals, order, dateFormat);
}

SheetContent sheet(const RowSet &rows, const QList<GridColumn> &columns, const QList<int> &decimals,
                   const QList<int> &order, const QString &dateFormat)
{
    SheetContent content;
    QList<int> source; // dataset column of each sheet column, -1 when the dataset lacks the field
    bool anySum = false;
    for (int i = 0; i < columns.size(); ++i) {
        const GridColumn &c = columns.at(i);
        SheetColumn sc;
        sc.title = c.ownTitle();
        sc.groupTitle = c.groupTitle();
        sc.decimals = decimals.value(i, GridFormat::NoDecimals);
        sc.widthPixels = c.width;
        content.columns.append(sc);
        source.append(rows.columnIndex(c.field));
        anySum = anySum || c.sumField;
    }
    content.rowCount = rows.rowCount();
    content.row = [&rows, source, order, dateFormat](int r) {
        const int dataRow = order.isEmpty() ? r : order.at(r);
        QVariantList cells;
        cells.reserve(source.size());
        for (int column : source) {
            QVariant value = column < 0 ? QVariant() : rows.value(dataRow, column);
            // Dates and yes/no values are written as the grid shows them.
            if (value.typeId() == QMetaType::Bool || GridFormat::dayOf(value).isValid())
                value = GridFormat::displayText(value, GridFormat::NoDecimals, dateFormat);
            cells.append(value);
        }
        return cells;
    };
    if (anySum) {
        for (int i = 0; i < columns.size(); ++i)
            content.footer.append(columns.at(i).sumField ? QVariant(columnSum(rows, source.at(i))) : QVariant());
    }
    return content;
}

bool write(const QString &filePath, const RowSet &rows, const QList<GridColumn> &columns, const SoftInfo &options,
           const XlsxWriter::Progress &progress)
{
    return XlsxWriter::write(filePath, sheet(rows, columns, options), progress);
}

ListExport listRows(Database &db, ListKind kind, bool disabled)
{
    const bool products = kind == ListKind::Products;
    ListExport list;
    list.rows = db.select(products ? QStringLiteral("SELECT * FROM T_Goods WHERE COALESCE(flag, FALSE) = ? ORDER BY GoodsID DESC")
                                   : QStringLiteral("SELECT * FROM T_Custom WHERE COALESCE(flag, FALSE) = ? ORDER BY CustCode"),
                          {disabled});
    list.columns = GridMetadata(db).shownColumns(products ? QStringLiteral("goods") : QStringLiteral("Custom"));
    if (list.columns.isEmpty()) {
        for (const QString &name : list.rows.columns()) {
            GridColumn c;
            c.field = name;
            c.title = name;
            list.columns.append(c);
        }
    }
    return list;
}

} // namespace kesvar::GridExport
