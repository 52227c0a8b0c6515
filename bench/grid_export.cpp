// Writing a large grid to a workbook, and formatting its cells, the way the export and the grid do.
#include "grid/GridExport.h"
#include "grid/GridFormat.h"
#include "spreadsheet/XlsxWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kesvar;

namespace {

RowSet stockRows(int count)
{
    RowSet rows({"GoodsCode", "GoodsName", "goodscz", "depotnum", "depotweight", "avgprice", "depotmoney"});
    for (int i = 0; i < count; ++i)
        rows.appendRow({QStringLiteral("G%1").arg(i), QStringLiteral("螺纹钢"), QStringLiteral("HRB400"), (i % 97) * 1.5,
                        (i % 89) * 2.125, (i % 1000) * 0.01, (i % 97) * 1.5 * 4.25});
    return rows;
}

QList<GridColumn> stockColumns()
{
    QList<GridColumn> columns;
    const struct
    {
        const char *field;
        const char *title;
        int dotSize;
        bool sum;
    } defs[] = {{"GoodsCode", "编号", 0, false},   {"GoodsName", "品名", 0, false},     {"goodscz", "材质", 0, false},
                {"depotnum", "数量", 2, true},     {"depotweight", "重量", 2, true},    {"avgprice", "均价", 1, false},
                {"depotmoney", "金额", 3, true}};
    for (const auto &d : defs) {
        GridColumn c;
        c.field = QString::fromUtf8(d.field);
        c.title = QString::fromUtf8(d.title);
        c.dotSize = d.dotSize;
        c.sumField = d.sum;
        columns.append(c);
    }
    return columns;
}

void BM_ExportRows(benchmark::State &state)
{
    const RowSet rows = stockRows(int(state.range(0)));
    const QList<GridColumn> columns = stockColumns();
    SoftInfo options;
    QTemporaryDir dir;
    for (auto _ : state)
        GridExport::write(dir.filePath("stock.xlsx"), rows, columns, options);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportRows)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FormatCells(benchmark::State &state)
{
    const RowSet rows = stockRows(1000);
    for (auto _ : state) {
        for (int r = 0; r < rows.rowCount(); ++r)
            benchmark::DoNotOptimize(GridFormat::displayText(rows.value(r, 6), 2));
    }
    state.SetItemsProcessed(state.iterations() * rows.rowCount());
}
BENCHMARK(BM_FormatCells);

} // namespace

BENCHMARK_MAIN();
