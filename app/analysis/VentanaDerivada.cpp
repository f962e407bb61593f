#include "VentanaDerivada.h"

#include "EntradaPolinomio.h"
#include "Globales.h"
#include "ModCadena.h"

#include "RichTextPolin.h"
#include "Usc.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

VentanaDerivada::VentanaDerivada(const QString &titulo, const QString &rotulo, Reglas reglas)
    : VentanaEjercicio(titulo)
    , m_reglas(reglas)
{
    auto *fila = new QHBoxLayout;
    m_lblDeri = new QLabel(rotulo, this);
    m_caja = new RichTextPolin(this);
    m_caja->setMinimumHeight(40);
    fila->addWidget(m_lblDeri);
    fila->addWidget(m_caja, 1);
    zonaRespuesta()->addLayout(fila);

    m_botones = agregaListoCancelar(m_listo, m_cancelar);
    m_otro = new Usc(this);
    m_otro->Caption(QStringLiteral("Borrar"));
    m_botones->insertWidget(1, m_otro);
    fraTitulo()->setTitle(QStringLiteral("Función por analizar:"));
    // No evaluation tools here: the tool frame stays empty.
    fraHerramienta()->hide();

    connect(m_caja, &RichTextPolin::TeclaEnter, this, &VentanaDerivada::RtpPidePoliR_TeclaEnter);
    connect(m_listo, &Usc::Click, this, [this](int) { m_caja->Acepta(); });
    connect(m_otro, &Usc::Click, this, &VentanaDerivada::cmdotro_Click);
}

QWidget *VentanaDerivada::controlRespuesta() const
{
    return m_caja;
}

void VentanaDerivada::RtpPidePoliR_TeclaEnter()
{
    if (!PoliActual)
        return;
    bool vacia = false;
    CajaVacia(*m_caja, vacia);
    if (vacia)
        return;
    PoliPtr &respuesta = Respuesta();
    if (CajaPoliConError(*m_caja, respuesta))
        return;

    const PoliPtr derivada = m_reglas.orden == 2 ? PoliActual->Polder2() : PoliActual->Polder1();
    if (respuesta->Grado() != derivada->Grado()) {
        MuestraError("", respuesta->Grado() > derivada->Grado() ? m_reglas.errorMayor : m_reglas.errorMenor);
        TrasError(false);
        return;
    }
    std::int16_t termino = 0;
    const int errores = TerminosErroneos(*respuesta, *derivada, termino);
    if (errores > 0) {
        // The row's text is followed by the highest wrong exponent.
        MuestraError(std::to_string(termino), errores == 1 ? m_reglas.errorUnTermino : m_reglas.errorVarios);
        TrasError(true);
        return;
    }
    if (LiberaAlTerminar())
        respuesta.reset();
    Termina(m_reglas.concepto);
}

void VentanaDerivada::cmdotro_Click(int)
{
    m_caja->Text(QString());
    m_caja->setVisible(true);
    m_caja->Locked(false);
    m_caja->setFocus();
    if (m_reglas.borrarSeDeshabilita)
        m_otro->Enabled(false);
}
