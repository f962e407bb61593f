#include "Apoyo.h"

#include "RutaPrograma.h"

#include <charconv>
#include <system_error>

namespace {
bool TerminaEn(std::string_view texto, std::string_view final)
{
    return texto.size() >= final.size() && texto.substr(texto.size() - final.size()) == final;
}

bool FilaValida(const TablaTextos &tabla, int fila)
{
    return fila >= 1 && fila <= tabla.UltimaFila();
}
} // namespace

std::optional<PaginaApoyo> PaginaDeApoyo(const TablaTextos &lista, int numApoyo)
{
    if (!FilaValida(lista, numApoyo) || lista.Texto(1, numApoyo).empty())
        return std::nullopt;
    return PaginaApoyo{lista.Texto(0, numApoyo), RutaPrograma("\\apoyo" + lista.Texto(1, numApoyo))};
}

std::optional<DestinoSalto> DestinoDeSalto(const TablaTextos &saltos, int salto)
{
    if (!FilaValida(saltos, salto))
        return std::nullopt;
    const std::string &nombre = saltos.Texto(1, salto);
    if (nombre.empty())
        return std::nullopt;
    return DestinoSalto{saltos.Texto(0, salto), RutaPrograma(nombre), TerminaEn(nombre, ".html")};
}

int NumeroSalto(std::string_view enlace)
{
    constexpr std::string_view prefijo = "salto:";
    if (enlace.substr(0, prefijo.size()) != prefijo)
        return 0;
    const std::string_view cifras = enlace.substr(prefijo.size());
    int n = 0;
    const auto [fin, error] = std::from_chars(cifras.data(), cifras.data() + cifras.size(), n);
    if (error != std::errc() || fin != cifras.data() + cifras.size() || n < 1)
        return 0;
    return n;
}
