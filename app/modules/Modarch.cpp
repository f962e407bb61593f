#include "Modarch.h"

#include "LectorSecuencial.h"
#include "RutaPrograma.h"

#include <vector>

namespace {
// Opens the file and creates the table anew from its row count.
bool Empieza(std::string_view archivo, TablaTextos &tabla, LectorSecuencial &lector, int &ultima)
{
    if (!lector.Abre(RutaPrograma(archivo)))
        return false;
    const auto n = lector.LeeEntero();
    if (!n || *n < 0)
        return false;
    ultima = *n;
    tabla.Redimensiona(ultima);
    return true;
}
} // namespace

bool LeeTablaPares(std::string_view archivo, TablaTextos &tabla)
{
    LectorSecuencial lector;
    int n = 0;
    if (!Empieza(archivo, tabla, lector, n))
        return false;
    for (int i = 1; i <= n; ++i) {
        const auto palabra = lector.LeeTexto();
        const auto pagina = lector.LeeTexto();
        if (!palabra || !pagina)
            return false;
        tabla.PoneTexto(0, i, *palabra);
        tabla.PoneTexto(1, i, *pagina);
    }
    return true;
}

bool LeeTablaIndexada(std::string_view archivo, TablaTextos &tabla)
{
    LectorSecuencial lector;
    int n = 0;
    if (!Empieza(archivo, tabla, lector, n))
        return false;
    std::vector<bool> leida(static_cast<std::size_t>(n) + 1, false);
    int k = 0;
    while (!lector.FinArchivo() && k < n) {
        const auto indice = lector.LeeEntero();
        if (!indice || *indice < 0 || *indice > n)
            return false;
        k = *indice;
        const auto mensaje = lector.LeeTexto();
        const auto detalle = lector.LeeTexto();
        if (!mensaje || !detalle)
            return false;
        tabla.PoneTexto(0, k, *mensaje);
        tabla.PoneTexto(1, k, *detalle);
        leida[static_cast<std::size_t>(k)] = true;
    }
    // A row the file does not name, or names without its message, would
    // show later as an empty message window: the table is damaged.
    for (int i = 0; i <= n; ++i)
        if (!leida[static_cast<std::size_t>(i)] || tabla.Texto(0, i).empty())
            return false;
    return true;
}
