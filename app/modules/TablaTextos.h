#pragma once
// A two-column table of texts read from a data file: row k holds a text
// (column 0) and a second text (column 1). Rows run from 0 to the last one
// named by the file's count; rows no record names stay empty.
#include <array>
#include <string>
#include <vector>

class TablaTextos {
public:
    // Drops the old contents and makes rows 0..ultima, all empty.
    void Redimensiona(int ultima);
    void Limpia() { m_filas.clear(); }

    // Last row index; -1 when the table was never loaded.
    int UltimaFila() const { return static_cast<int>(m_filas.size()) - 1; }
    bool Vacia() const { return m_filas.empty(); }

    // Text of a column (0 or 1) of a row; empty outside the table.
    const std::string &Texto(int columna, int fila) const;
    void PoneTexto(int columna, int fila, const std::string &texto);

private:
    std::vector<std::array<std::string, 2>> m_filas;
};
