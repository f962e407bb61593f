#include "frmDerivada2.h"

#include "Globales.h"

#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "Usc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmDerivada2::frmDerivada2()
    : VentanaDerivada(QStringLiteral("SEGUNDA DERIVADA"), QStringLiteral("P''(x) ="),
                      Reglas{2, 26, 27, 24, 23, 8, false})
{
    m_despliega = new Usc(this);
    m_despliega->Caption(QStringLiteral(" Derivada"));
    filaBotones()->insertWidget(1, m_despliega);

    auto *fila = new QHBoxLayout;
    m_lblDeri3 = new QLabel(QStringLiteral("P'(x) ="), this);
    m_rtfDeri2 = new RichTextBox(this);
    m_rtfDeri2->SetLocked(true);
    m_rtfDeri2->SetMuestraPolinomio(true);
    fila->addWidget(m_lblDeri3);
    fila->addWidget(m_rtfDeri2, 1);
    zonaRespuesta()->insertLayout(0, fila);
    m_lblDeri3->hide();
    m_rtfDeri2->hide();

    connect(m_despliega, &Usc::Click, this, &frmDerivada2::CmdDespliega_Click);
}

DatosCamino frmDerivada2::datosCamino(Camino) const
{
    DatosCamino d;
    d.instruccion = 23;
    d.ayuda = 16;
    d.apoyo = 15;
    d.titulo = "Quorvane: Del concepto a su visualización gráfica: Calculando la segunda derivada.";
    d.barra = {{4, true}};
    d.recorre = false;
    d.opcion = 8;
    d.exito = 11;
    d.actual = 9;
    return d;
}

void frmDerivada2::alIniciar()
{
    m_despliega->Enabled(ConceptoResuelto[4]);
}

void frmDerivada2::CmdDespliega_Click(int)
{
    m_lblDeri3->show();
    m_rtfDeri2->show();
    if (PoliActual && PoliActual->Polder1())
        PoliActual->Polder1()->Despliega(*m_rtfDeri2, "");
    m_despliega->Enabled(false);
    RtpPidePoliR()->setFocus();
}

int frmDerivada2::TerminosErroneos(const Collpolinomio &respuesta, const Collpolinomio &derivada,
                                   std::int16_t &termino) const
{
    const PoliPtr diferencia = derivada.Diferente(respuesta, 0.000001);
    if (diferencia->Cuenta() == 0)
        return 0;
    termino = diferencia->terminos().front()->expon();
    return static_cast<int>(diferencia->Cuenta());
}

void frmDerivada2::TrasError(bool)
{
    RtpPidePoliR()->Locked(false);
}

PoliPtr &frmDerivada2::Respuesta() const
{
    return PoliRespuesta2;
}
