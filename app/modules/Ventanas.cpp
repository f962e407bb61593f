#include "Ventanas.h"

ProveedoresVentanas &Ventanas()
{
    static ProveedoresVentanas proveedores;
    return proveedores;
}

namespace {
template <typename T>
T *Pide(const std::function<T *()> &proveedor)
{
    return proveedor ? proveedor() : nullptr;
}
} // namespace

VentanaMensaje *VentanaError() { return Pide(Ventanas().error); }
VentanaMensaje *VentanaExito() { return Pide(Ventanas().exito); }
VentanaPrincipal *VentanaPrincipalActual() { return Pide(Ventanas().principal); }
VentanaDibujo *VentanaGraficaActual() { return Pide(Ventanas().grafica); }
