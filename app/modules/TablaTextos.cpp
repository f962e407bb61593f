#include "TablaTextos.h"

void TablaTextos::Redimensiona(int ultima)
{
    m_filas.assign(ultima < 0 ? 0 : static_cast<std::size_t>(ultima) + 1, {});
}

const std::string &TablaTextos::Texto(int columna, int fila) const
{
    static const std::string vacio;
    if (columna < 0 || columna > 1 || fila < 0 || fila > UltimaFila())
        return vacio;
    return m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

void TablaTextos::PoneTexto(int columna, int fila, const std::string &texto)
{
    if (columna < 0 || columna > 1 || fila < 0 || fila > UltimaFila())
        return;
    m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)] = texto;
}
