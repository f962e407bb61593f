#include "EntradaNumerica.h"

#include "ModCadena.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QLineEdit>
#include <QVariant>

namespace {
// Dynamic properties of a button: the boxes its action checks, and whether
// it leaves the window.
constexpr const char *PropiedadRevisa = "quorvane_revisaCajas";
constexpr const char *PropiedadSale = "quorvane_salidaSinRevisar";
} // namespace

std::int16_t ValidaCajaNumerica(UCDextavo &caja)
{
    const std::int16_t codigo = caja.Valida();
    if (codigo >= 1) {
        MuestraError("", static_cast<std::int16_t>(BaseErrorValidacion + codigo));
        // Back in the box with the bad entry selected, to be typed over.
        caja.Caja()->setFocus();
        caja.Caja()->selectAll();
    }
    return codigo;
}

void RevisaCajas(Usc &boton, std::initializer_list<UCDextavo *> cajas)
{
    QVariantList lista = boton.property(PropiedadRevisa).toList();
    for (UCDextavo *c : cajas)
        if (c)
            lista << QVariant::fromValue(reinterpret_cast<quintptr>(c));
    boton.setProperty(PropiedadRevisa, lista);
}

void SalidaSinRevisar(Usc &boton)
{
    boton.setProperty(PropiedadSale, true);
}

bool DestinoRevisaCaja(const QWidget *destino, const UCDextavo &caja)
{
    const auto *boton = qobject_cast<const Usc *>(destino);
    if (!boton)
        return false;
    if (boton->property(PropiedadSale).toBool())
        return true;
    const auto clave = QVariant::fromValue(reinterpret_cast<quintptr>(&caja));
    return boton->property(PropiedadRevisa).toList().contains(clave);
}
