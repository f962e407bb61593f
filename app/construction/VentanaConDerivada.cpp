#include "VentanaConDerivada.h"

#include "TerminosDistintos.h"
#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"

#include "RichTextBox.h"
#include "Usc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

VentanaConDerivada::VentanaConDerivada(const DatosConstruccion &datos, const DatosDerivada &derivada)
    : VentanaConstruccion(datos)
    , m_derivada(derivada)
{
    m_cmdDespliega = new Usc(this);
    m_cmdDespliega->Caption(derivada.boton);
    zonaHerramienta()->insertWidget(1, m_cmdDespliega);
    auto *fila = new QHBoxLayout;
    m_lblderi3 = new QLabel(derivada.etiqueta, this);
    m_rtbDerivada = new RichTextBox(this);
    m_rtbDerivada->SetLocked(true);
    m_rtbDerivada->setFixedHeight(44);
    m_rtbDerivada->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fila->addWidget(m_lblderi3);
    fila->addWidget(m_rtbDerivada, 1);
    zonaHerramienta()->insertLayout(2, fila);
    m_lblderi3->hide();
    m_rtbDerivada->hide();
    connect(m_cmdDespliega, &Usc::Click, this, [this](int) { despliega(); });
}

PoliPtr VentanaConDerivada::Derivada(const PoliPtr &p, int orden)
{
    PoliPtr d = p;
    for (int i = 0; i < orden; ++i)
        d = d->Prima();
    return d;
}

PoliPtr VentanaConDerivada::DerivadaPedida() const
{
    return Derivada(m_problema, m_derivada.orden);
}

// The degree, then two draws that pick among the problem maker's recipes.
void VentanaConDerivada::dibujaRequisito()
{
    const auto grado = static_cast<std::int16_t>(rt::Int(m_derivada.gradoMaximo * rt::Rnd() + 1));
    const auto paridad = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
    const auto cualidad = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
    DamePolinomioProblema(grado, paridad, cualidad);
    PoneProblema(PoliAzar);
}

void VentanaConDerivada::PoneProblema(const PoliPtr &P)
{
    m_problema = P;
    muestraProblema();
}

void VentanaConDerivada::despliega()
{
    m_cmdDespliega->hide();
    m_lblderi3->show();
    m_rtbDerivada->show();
    DerivadaPedida()->Despliega(*m_rtbDerivada, "");
}

std::optional<Rechazo> VentanaConDerivada::prueba(const PoliPtr &a)
{
    const PoliPtr derivada = Derivada(a, m_derivada.orden);
    if (a->Grado() != m_problema->Grado())
        return Rechazo{m_derivada.errorGrado, "", false, derivada};
    // Compared derivative to derivative: P's constant term (and, for the
    // second, its linear term) is free.
    const TerminosDistintos d = ComparaTerminos(*DerivadaPedida(), *derivada);
    if (d.cuantos == 0)
        return std::nullopt;
    // The message of several terms speaks of the derivative's terms; the
    // one of a single term, of the answer's own.
    if (d.cuantos > 1)
        return Rechazo{m_derivada.errorVarios, std::to_string(d.exponenteMenor), !m_derivada.curvaEnVarios, derivada};
    return Rechazo{16, std::to_string(d.exponenteMenor + m_derivada.desplazamiento), true};
}
