#include "ModCadena.h"

#include "Globales.h"
#include "VentanaMensaje.h"
#include "Ventanas.h"

namespace {
void Muestra(VentanaMensaje *ventana, const std::string &mensaje, const std::string &detalle)
{
    if (!ventana)
        return;
    ventana->PoneMensaje(mensaje);
    ventana->PoneDetalle(detalle);
    ventana->MuestraBotonDetalles(!detalle.empty());
    ventana->PonEncima();
    ventana->MuestraModal();
}

bool FueraDeTabla(const TablaTextos &tabla, int n) { return n < 0 || n > tabla.UltimaFila(); }
} // namespace

void MuestraError(const std::string &texto, std::int16_t n)
{
    if (FueraDeTabla(Errores, n))
        Muestra(VentanaError(), Errores.Texto(0, ErrorGenerico), {});
    else
        Muestra(VentanaError(), Errores.Texto(0, n) + texto, Errores.Texto(1, n));
}

void MuestraExito(std::int16_t n)
{
    if (FueraDeTabla(Exitos, n))
        Muestra(VentanaExito(), Exitos.Texto(0, ExitoGenerico), {});
    else
        Muestra(VentanaExito(), Exitos.Texto(0, n), Exitos.Texto(1, n));
}
