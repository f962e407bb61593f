#include "ExpresionRtf.h"

#include "Collpolinomio.h"
#include "RichTextBox.h"

void PoneInfinitoRtf(rt::CajaRtf &caja)
{
    (void)caja;
}

void EscribeExpresionRtf(rt::CajaRtf &rtf, const std::string &texto, std::int16_t modo)
{
    (void)rtf; (void)texto; (void)modo;
}

void DespliegaPoliCaja(const Collpolinomio &p, RichTextBox &caja)
{
    caja.setVisible(true);
    p.Despliega(caja, "");
    caja.SetLocked(true);
}
