#include "ListaOpciones.h"

#include "ColorOle.h"
#include "QBColor.h"

void ListaOpciones::agrega(int k, QRadioButton *opcion)
{
    m_opciones[k] = opcion;
}

QRadioButton *ListaOpciones::opcion(int k) const
{
    auto it = m_opciones.find(k);
    return it == m_opciones.end() ? nullptr : it->second.data();
}

namespace {
// A checked radio button of an exclusive group refuses to be unchecked
// while it stays exclusive.
void Desmarca(QRadioButton &o)
{
    if (!o.isChecked())
        return;
    const bool exclusiva = o.autoExclusive();
    o.setAutoExclusive(false);
    o.setChecked(false);
    o.setAutoExclusive(exclusiva);
}
} // namespace

void ListaOpciones::restablece(const std::function<bool(int)> &disponible)
{
    for (const auto &[k, o] : m_opciones) {
        if (!o)
            continue;
        o->setEnabled(!disponible || disponible(k));
        Desmarca(*o);
        o->setAutoFillBackground(false);
        o->setPalette(QPalette());
    }
}

void ListaOpciones::DeshabilitaOpcion(int k)
{
    QRadioButton *o = opcion(k);
    if (!o)
        return;
    o->setEnabled(false);
    QPalette paleta = o->palette();
    paleta.setColor(o->backgroundRole(), ColorDeOle(rt::QBColor(7)));
    // The disabled caption darker than usual, so it still reads on the grey.
    paleta.setColor(QPalette::Disabled, o->foregroundRole(), ColorDeOle(rt::QBColor(8)));
    o->setPalette(paleta);
    o->setAutoFillBackground(true);
}

void ListaOpciones::DesmarcaOpcion(int k)
{
    if (QRadioButton *o = opcion(k))
        Desmarca(*o);
}

void ListaOpciones::DesmarcaOpciones()
{
    for (const auto &[k, o] : m_opciones)
        if (o)
            Desmarca(*o);
}

void ListaOpciones::CierraCamino()
{
    if (m_cierraCamino)
        m_cierraCamino();
}
