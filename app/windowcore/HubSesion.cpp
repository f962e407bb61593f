#include "HubSesion.h"

std::function<HubSesion *()> &ProveedorHub()
{
    static std::function<HubSesion *()> proveedor;
    return proveedor;
}

HubSesion *HubAbierto()
{
    return ProveedorHub() ? ProveedorHub()() : nullptr;
}
