#include "Collpolinomio.h"

#include "CajaRtf.h"

// Typeset display of a polynomial; see EscribeNumero for the number form.
void Collpolinomio::Despliega(rt::CajaRtf &cajartf, const std::string &letra) const
{
    (void)letra;
    cajartf.SetText(m_terminos.empty() ? "0" : "?");
}
