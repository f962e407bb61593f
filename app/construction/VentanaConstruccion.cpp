#include "VentanaConstruccion.h"

#include "frmConceptos.h"

#include "CalculoAparte.h"
#include "EntradaPolinomio.h"
#include "ExpresionRtf.h"
#include "Globales.h"
#include "ModCadena.h"
#include "Reinicio.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "modTexto.h"
#include "princip.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "TextoNumero.h"
#include "Usc.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *Rotulo(QWidget *padre, QVBoxLayout &donde)
{
    auto *l = new QLabel(padre);
    l->setWordWrap(true);
    donde.addWidget(l);
    return l;
}

// "p(x) =" beside a box, in one row.
QLabel *Fila(QWidget *padre, QVBoxLayout &donde, const QString &letra, QWidget *caja)
{
    auto *fila = new QHBoxLayout;
    auto *l = new QLabel(letra, padre);
    fila->addWidget(l);
    fila->addWidget(caja, 1);
    donde.addLayout(fila);
    return l;
}

RichTextBox *CajaDesarrollo(QWidget *padre)
{
    auto *c = new RichTextBox(padre);
    c->SetLocked(true);
    c->SetMuestraPolinomio(true);
    return c;
}

} // namespace

VentanaConstruccion::VentanaConstruccion(const DatosConstruccion &datos, QWidget *parent)
    : VentanaPanel(datos.titulo, parent)
    , m_datos(datos)
{
    setWindowTitle(QString::fromStdString(datos.nombreActivo.empty() ? datos.nombre : datos.nombreActivo));
    QVBoxLayout *v = columna();
    m_mnuReConceptos = agregaRegreso(QStringLiteral("al menú &anterior"), [this] { Regresa(); });
    m_mnuReinicio = agregaRegreso(QStringLiteral("al inicio"), [this] { Reinicia(); });

    auto *marcoMedio = new QFrame(this);
    marcoMedio->setFrameShape(QFrame::StyledPanel);
    auto *zona = new QVBoxLayout(marcoMedio);
    m_lblGuia = Rotulo(marcoMedio, *zona);
    m_lblGuia->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    for (int i = 0; i < 2; ++i) {
        m_rtp[i] = new RichTextPolin(marcoMedio);
        m_rtp[i]->setFixedHeight(44);
        m_rtb[i] = CajaDesarrollo(marcoMedio);
    }
    m_lblConRai[0] = Rotulo(marcoMedio, *zona);
    m_lblPx[0] = Fila(marcoMedio, *zona, QStringLiteral("p(x) ="), m_rtp[0]);
    m_lblConRai[2] = Rotulo(marcoMedio, *zona);
    m_lblPx[1] = Fila(marcoMedio, *zona, QStringLiteral("p(x) ="), m_rtb[0]);
    m_lblConRai[1] = Rotulo(marcoMedio, *zona);

    auto *filaSiNo = new QHBoxLayout;
    m_cmdSi = new Usc(marcoMedio);
    m_cmdSi->Caption(QStringLiteral("Sí"));
    m_cmdNo = new Usc(marcoMedio);
    m_cmdNo->Caption(QStringLiteral("No"));
    filaSiNo->addWidget(m_cmdSi);
    filaSiNo->addWidget(m_cmdNo);
    zona->addLayout(filaSiNo);

    m_lblQx[0] = Fila(marcoMedio, *zona, QStringLiteral("q(x) ="), m_rtp[1]);
    m_lblConRai[3] = Rotulo(marcoMedio, *zona);
    m_lblQx[1] = Fila(marcoMedio, *zona, QStringLiteral("q(x) ="), m_rtb[1]);

    QHBoxLayout *fila = filaListoCancelar(*zona, m_cmdListo, m_cmdCancelar, [this] { Regresa(); });
    m_cmdContinuar = new Usc(marcoMedio);
    m_cmdContinuar->Caption(QStringLiteral("Continuar"));
    fila->addWidget(m_cmdContinuar);
    v->addWidget(marcoMedio);

    m_fraHerramienta = new QGroupBox(QStringLiteral("Herramienta"), this);
    m_zonaHerramienta = new QVBoxLayout(m_fraHerramienta);
    m_cmbraices = new QComboBox(m_fraHerramienta);
    m_zonaHerramienta->addWidget(m_cmbraices);
    if (m_datos.algebra) {
        m_cmdExpande = new Usc(m_fraHerramienta);
        m_cmdExpande->Caption(QStringLiteral("Algebra"));
        m_zonaHerramienta->addWidget(m_cmdExpande);
        connect(m_cmdExpande, &Usc::Click, this, [this](int) { abreAlgebra(); });
    }
    m_zonaHerramienta->addStretch(1);
    v->addWidget(m_fraHerramienta, 1);

    // Either box's Enter checks the box of the current stage.
    for (RichTextPolin *caja : m_rtp)
        connect(caja, &RichTextPolin::TeclaEnter, this, [this] { revisa(); });
    connect(m_cmdListo, &Usc::Click, this, [this](int) { m_rtp[static_cast<std::size_t>(m_indiceCaja)]->Acepta(); });
    connect(m_cmdContinuar, &Usc::Click, this, [this](int) { Regresa(); });
    connect(m_cmdSi, &Usc::Click, this, [this](int) { responde(true); });
    connect(m_cmdNo, &Usc::Click, this, [this](int) { responde(false); });
}

void VentanaConstruccion::inicia(AbridorEjercicio &abridor)
{
    m_abridor = Enlace<AbridorEjercicio>(&abridor);
    ocupaPanel();
    lbltitulo()->setText(m_datos.titulo);
    if (m_datos.sinRecorrido)
        if (VentanaDibujo *g = VentanaGraficaActual())
            g->PoneRecorreGraf(false);

    dibujaRequisito();
    if (!m_datos.textoLista.isEmpty()) {
        m_cmbraices->setPlaceholderText(m_datos.textoLista);
        m_cmbraices->setCurrentIndex(-1);
    }
    // A requirement shown on the graph alone has no list to offer.
    m_cmbraices->setVisible(m_cmbraices->count() > 0 || !m_datos.textoLista.isEmpty());

    m_indiceCaja = 0;
    m_lblGuia->setText(QString::fromStdString(TextoInstrucciones(m_datos.textoGuia, m_nombreGuia)));
    for (std::size_t i = 0; i < 4; ++i)
        m_lblConRai[i]->setText(m_datos.rotulos[i]);
    for (QWidget *w : std::initializer_list<QWidget *>{m_lblConRai[1], m_lblConRai[2], m_lblConRai[3], m_lblQx[0],
                                                       m_lblQx[1], m_lblPx[1], m_cmdContinuar, m_cmdSi, m_cmdNo,
                                                       m_rtb[0], m_rtb[1], m_rtp[1]})
        w->hide();
    m_cmdListo->Enabled(true);

    EstadoBarra[4] = true;
    m_contexto.ayuda = m_datos.ayuda0;
    m_contexto.apoyo = m_datos.apoyo0;
    m_contexto.barra = EstadoBarra;
    m_contexto.titulo = "Quorvane: Del concepto a la expresión analítica y visualización gráfica de un "
                        "polinomio: Concepto "
        + m_datos.nombre;
    m_contexto.entra();
}

void VentanaConstruccion::alActivar()
{
    if (m_saliendo)
        return;
    if (!m_datos.nombreActivo.empty())
        m_contexto.titulo = "Quorvane: Del concepto a la expresión analítica y visualización gráfica de un "
                            "polinomio: Concepto "
            + m_datos.nombreActivo;
    // Its caption and help are back in force whichever window was in front.
    if (m_datos.empujaAlActivar)
        m_contexto.entra();
    else if (m_contexto.dentro())
        m_contexto.aplica();
    m_rtp[0]->setFocus();
}

void VentanaConstruccion::revisa()
{
    const int k = m_indiceCaja;
    RichTextPolin &caja = *m_rtp[static_cast<std::size_t>(k)];
    bool vacia = false;
    CajaVacia(caja, vacia);
    if (vacia)
        return;
    PoliPtr &p = m_poliAlumno[static_cast<std::size_t>(k)];
    if (CajaPoliConError(caja, p))
        return;
    // A long typed polynomial takes a while to judge: the window stays drawn.
    if (const std::optional<Rechazo> r = CalculaAparte([&] { return prueba(p); })) {
        rechaza(k, *r);
        return;
    }
    if (k == 0) {
        aceptaP();
        return;
    }
    bool igual = false;
    PoliIgualError(*m_poliAlumno[0], *p, caja, igual);
    if (!igual)
        aceptaQ();
}

void VentanaConstruccion::rechaza(int k, const Rechazo &r)
{
    const Collpolinomio &p = r.curva ? *r.curva : *m_poliAlumno[static_cast<std::size_t>(k)];
    VentanaDibujo *g = r.sinCurva ? nullptr : VentanaGraficaActual();
    // Drawn twice with the exclusive-or pen: the graph comes back pixel for pixel.
    if (g)
        GraficaPolinomio(p, g->picejGraf(), rt::QBColor(5), 7);
    MuestraError(r.prefijo, r.error);
    if (g)
        GraficaPolinomio(p, g->picejGraf(), rt::QBColor(5), 7);
    RichTextPolin &caja = *m_rtp[static_cast<std::size_t>(k)];
    caja.Locked(false);
    caja.setFocus();
}

void VentanaConstruccion::aceptaP()
{
    const PoliPtr &p = m_poliAlumno[0];
    if (!m_datos.rotuloAceptado.isEmpty())
        m_lblConRai[0]->setText(m_datos.rotuloAceptado);
    m_lblConRai[2]->show();
    m_lblPx[1]->show();
    DespliegaPoliCaja(*p, *m_rtb[0]);
    dibujaP(p);
    MuestraExito(m_datos.exitoP);
    if (m_datos.preguntaOculta)
        m_lblConRai[1]->setText(m_datos.rotuloSegundo);
    else
        m_lblConRai[1]->show();
    m_contexto.ayuda = m_datos.ayuda1;
    m_contexto.apoyo = m_datos.apoyo1;
    m_contexto.aplica();
    m_cmdSi->show();
    m_cmdNo->show();
    m_cmdListo->Enabled(false);
    if (!m_datos.focoQueda)
        (m_datos.focoEnNo ? m_cmdNo : m_cmdSi)->setFocus();
    m_indiceCaja = 1;
}

void VentanaConstruccion::responde(bool si)
{
    if (si)
        MuestraExito(41);
    else
        MuestraError("", m_datos.errorNo);
    if (!m_datos.rotuloRespondido.isEmpty())
        m_lblConRai[0]->setText(m_datos.rotuloRespondido);
    m_cmdSi->hide();
    m_cmdNo->hide();
    m_lblConRai[1]->show();
    m_rtp[1]->show();
    m_lblQx[0]->show();
    m_lblConRai[1]->setText(!si && !m_datos.rotuloSegundoNo.isEmpty() ? m_datos.rotuloSegundoNo
                                                                       : m_datos.rotuloSegundo);
    m_contexto.ayuda = m_datos.ayuda2;
    m_contexto.apoyo = m_datos.apoyo2;
    m_contexto.aplica();
    m_cmdListo->Enabled(true);
    m_rtp[1]->setFocus();
}

void VentanaConstruccion::aceptaQ()
{
    const PoliPtr &q = m_poliAlumno[1];
    dibujaQ(q);
    m_lblQx[1]->show();
    if (!m_datos.sinRotuloQ)
        m_lblConRai[3]->show();
    DespliegaPoliCaja(*q, *m_rtb[1]);
    if (!m_datos.rotuloFinal.isEmpty())
        m_lblConRai[1]->setText(m_datos.rotuloFinal);
    MuestraExito(m_datos.exitoQ);
    // q may still be changed and checked again.
    m_rtp[1]->Locked(false);
    m_cmdListo->hide();
    m_cmdCancelar->hide();
    m_cmdContinuar->show();
    m_cmdContinuar->setFocus();
    m_indiceCaja = 1;
}

void VentanaConstruccion::Regresa()
{
    if (m_saliendo)
        return;
    m_saliendo = true;
    cierraAlgebra();
    m_contexto.sale();
    if (AbridorEjercicio *a = m_abridor.get())
        a->DesmarcaOpcion(m_datos.concepto);
    // The graph window back to its look after loading, its notice in front.
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->RestauraDiseno();
    // A fresh chooser comes in front before this window goes, so that it
    // is the one made current.
    auto &gestor = GestorVentanas::instancia();
    frmConceptos *selector = gestor.ventana<frmConceptos>();
    gestor.muestra(selector);
    descarga();
    selector->alActivar();
}

void VentanaConstruccion::Reinicia()
{
    if (m_saliendo)
        return;
    RegresaAlInicio();
}

bool VentanaConstruccion::alPedirDescarga()
{
    if (m_saliendo)
        return true;
    Regresa();
    return false;
}

void VentanaConstruccion::alDescargar()
{
    m_saliendo = true;
    cierraAlgebra();
    m_contexto.sale();
}

void VentanaConstruccion::abreAlgebra()
{
    m_algebraAbierta = true;
    PidePolinomio();
}

// The polynomial window leaves first, popping its own context, so that
// this window then pops exactly its own.
void VentanaConstruccion::cierraAlgebra()
{
    if (!m_algebraAbierta)
        return;
    m_algebraAbierta = false;
    CierraPidePolinomio();
}

void VentanaConstruccion::dibujaP(const PoliPtr &p)
{
    if (m_datos.reajusta) {
        AjustaVentana(p);
        remarca();
    }
    Dibuja(*p, m_datos.colorP);
}

void VentanaConstruccion::dibujaQ(const PoliPtr &q)
{
    Dibuja(*q, m_datos.colorQ);
}

void VentanaConstruccion::Dibuja(const Collpolinomio &p, std::int32_t color)
{
    if (VentanaDibujo *g = VentanaGraficaActual())
        GraficaPolinomio(p, g->picejGraf(), color, 13);
}

void VentanaConstruccion::AjustaVentana(const PoliPtr &p)
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    // The record gives every polynomial, a constant or zero included, a
    // window of some height.
    const FuncPolinPtr f = RegistroAparte(p);
    MuestraEscalaRecuadro(g->picejGraf(), -10, 10, f->Ymin(), f->Ymax());
}

void VentanaConstruccion::MarcaRaices(const std::vector<std::int16_t> &xs, int desde, int hasta)
{
    for (int i = desde; i <= hasta; ++i)
        MarcaAbscisas(xs.at(static_cast<std::size_t>(i)), 0, 5, false, ColorLineaMarca);
}

void VentanaConstruccion::SenalaAbscisas(const std::vector<std::int16_t> &xs, int n, double alto)
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    for (int i = 1; i <= n; ++i) {
        const double a = xs.at(static_cast<std::size_t>(i));
        g->picejGraf().Linea(a, -alto, a, alto, rt::QBColor(1));
    }
}

void VentanaConstruccion::DibujaSobreAbscisas(const PoliPtr &p, const std::vector<std::int16_t> &xs, int n,
                                              double alto, std::int32_t colorPuntos, std::int32_t colorP)
{
    AjustaVentana(p);
    SenalaAbscisas(xs, n, alto);
    // The points go on last: over the curve and the axes they stay whole.
    Dibuja(*p, colorP);
    for (int i = 1; i <= n; ++i) {
        const double a = xs.at(static_cast<std::size_t>(i));
        MarcaAbscisas(a, p->Eval(a), 5, false, colorPuntos);
    }
}

std::string VentanaConstruccion::Texto(double x)
{
    return rt::CStr(x == 0 ? 0.0 : x);
}
