#include "EstadoApoyo.h"

#include <utility>

EstadoApoyo::EstadoApoyo(const TablaTextos &saltos, std::string palabra)
    : m_saltos(saltos), m_palabra(std::move(palabra)), m_encabezado(m_palabra)
{
}

EstadoApoyo::Cambio EstadoApoyo::Pulsa(int salto)
{
    if (salto == 0) {
        if (m_ultimo == 0)
            return {};
        m_ultimo = 0;
        m_encabezado = m_palabra;
        return {Accion::Cierra, m_encabezado, {}};
    }
    if (salto == m_ultimo)
        return {};
    const std::optional<DestinoSalto> destino = DestinoDeSalto(m_saltos, salto);
    if (!destino)
        return {};
    m_ultimo = salto;
    m_encabezado = destino->titulo;
    return {destino->esTexto ? Accion::MuestraTexto : Accion::MuestraImagen, m_encabezado, destino->archivo};
}
