#include "Grid.h"

#include "Twips.h"

#include <QHeaderView>
#include <QTableWidgetItem>

namespace plataforma {

Grid::Grid(QWidget *parent) : QTableWidget(parent)
{
    // Headings live in row 0 and column 0, as cells.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QString Grid::TextMatrix(int fila, int columna) const
{
    const QTableWidgetItem *celda = item(fila, columna);
    return celda ? celda->text() : QString();
}

void Grid::SetTextMatrix(int fila, int columna, const QString &texto)
{
    if (fila < 0 || columna < 0)
        return;
    if (fila >= rowCount())
        setRowCount(fila + 1);
    if (columna >= columnCount())
        setColumnCount(columna + 1);
    if (QTableWidgetItem *celda = item(fila, columna))
        celda->setText(texto);
    else
        setItem(fila, columna, new QTableWidgetItem(texto));
}

int Grid::ColWidth(int columna) const
{
    return PixelesATwips(columnWidth(columna));
}

void Grid::SetColWidth(int columna, int twips)
{
    if (columna >= 0 && columna < columnCount())
        setColumnWidth(columna, TwipsAPixeles(twips));
}

void Grid::SetFontBold(bool negrita)
{
    QFont f = font();
    f.setBold(negrita);
    setFont(f);
}

void Grid::SetFontSize(double puntos)
{
    QFont f = font();
    f.setPointSizeF(puntos);
    setFont(f);
}

} // namespace plataforma
