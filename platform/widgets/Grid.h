#pragma once
// The table of values as the program fills it: a grid of text cells
// addressed by row and column from 0 (row 0 and column 0 are ordinary
// cells the windows use as headings), one font for the whole grid, and
// column widths in twips.
#include <QString>
#include <QTableWidget>

namespace plataforma {

class Grid : public QTableWidget {
    Q_OBJECT
public:
    explicit Grid(QWidget *parent = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int filas) { setRowCount(filas); }
    int Cols() const { return columnCount(); }
    void SetCols(int columnas) { setColumnCount(columnas); }

    // Empty for a cell outside the grid.
    QString TextMatrix(int fila, int columna) const;
    // A cell outside the grid makes the grid grow to hold it.
    void SetTextMatrix(int fila, int columna, const QString &texto);

    int ColWidth(int columna) const; // twips
    void SetColWidth(int columna, int twips);

    bool FontBold() const { return font().bold(); }
    void SetFontBold(bool negrita);
    double FontSize() const { return font().pointSizeF(); }
    void SetFontSize(double puntos);
};

} // namespace plataforma
