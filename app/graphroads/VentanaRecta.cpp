#include "VentanaRecta.h"

#include "ControlesProblema.h"
#include "PanelHerramientas.h"

#include "CalculoAparte.h"
#include "EntradaNumerica.h"
#include "EntradaPolinomio.h"
#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "generapoli.h"
#include "modTexto.h"

#include "Azar.h"
#include "Entero16.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "TextoNumero.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr std::int16_t TextoAbscisa = 60;

QString Texto(std::int16_t n)
{
    return QString::fromStdString(TextoInstrucciones(n, ""));
}

// A number as Str writes it: a blank before it when it is not negative.
QString Str(double x)
{
    return QString::fromStdString((x >= 0 ? " " : "") + rt::CStr(x));
}

} // namespace

VentanaRecta::VentanaRecta(Datos datos)
    : m_datos(std::move(datos))
{
    setWindowTitle(QString::fromStdString(m_datos.tituloVentana));
    auto *v = new QVBoxLayout(this);
    auto *barra = new QMenuBar(this);
    barra->setNativeMenuBar(false);
    v->setMenuBar(barra);
    m_mnuOpciones = barra->addMenu(QStringLiteral("Elige una opción"));
    m_mnuOpciones->menuAction()->setObjectName(QStringLiteral("mnuOpciones"));
    m_mnuMaquinaPropone = m_mnuOpciones->addAction(QStringLiteral("&Quorvane propone el problema"));
    m_mnuProponePoli = m_mnuOpciones->addAction(QStringLiteral("El &usuario propone un polinomio"));
    m_mnuRectaPunto = m_mnuOpciones->addAction(QStringLiteral("Quorvane propone la &recta y el punto"));
    QMenu *regreso = barra->addMenu(QStringLiteral("&Regresar"));
    m_mnuAnterior = regreso->addAction(QStringLiteral("al menú &anterior"));
    m_mnuInicio = regreso->addAction(QStringLiteral("al &inicio"));

    auto *fraTitulo = new QFrame(this);
    fraTitulo->setObjectName(QStringLiteral("fraTitulo"));
    fraTitulo->setFrameShape(QFrame::StyledPanel);
    auto *filaTitulo = new QHBoxLayout(fraTitulo);
    m_lbltitulo = Rotulo(QString(), fraTitulo, 14, true);
    m_lbltitulo->setText(m_datos.titulo);
    filaTitulo->addWidget(m_lbltitulo);
    v->addWidget(fraTitulo);

    // The explanation until an exercise is chosen.
    m_lblDeri = Rotulo(QString(), this, 14, true);
    m_lblDeri->setText(QStringLiteral("AVISO"));
    m_lblDeri->setAlignment(Qt::AlignCenter);
    v->addSpacing(20);
    v->addWidget(m_lblDeri);
    m_marcoDeri = Marco(this, QStringLiteral("UCMarcoDeri"));
    auto *explicacion = new QVBoxLayout(m_marcoDeri);
    m_lblGrafiCon = Rotulo(QString(), m_marcoDeri, 12, true);
    explicacion->addWidget(m_lblGrafiCon);
    v->addWidget(m_marcoDeri);

    // The work: the polynomial or line shown, the answer, the abscissa.
    m_marcoMedio = Marco(this, QStringLiteral("UCMarcoMedio"));
    auto *trabajo = new QVBoxLayout(m_marcoMedio);
    for (std::size_t i = 0; i < m_lblRecTan.size(); ++i) {
        m_lblRecTan[i] = Rotulo(QString(), m_marcoMedio);
        m_lblRecTan[i]->setObjectName(QStringLiteral("LblRecTan%1").arg(i));
    }
    m_lblRecTan[0]->setWordWrap(false);
    m_lblRecTan[0]->setText(QStringLiteral(" y = "));
    m_lblRecTan[2]->setWordWrap(false);
    auto *filaPoli = new QHBoxLayout;
    m_lbldaspolip = Rotulo(QString(), m_marcoMedio, 10, true);
    m_lbldaspolip->setWordWrap(false);
    m_lbldaspolip->setText(QStringLiteral("P(x) ="));
    m_rtfDasPoli2 = new RichTextBox(m_marcoMedio);
    m_rtfDasPoli2->setObjectName(QStringLiteral("RtfDasPoli2"));
    m_rtfDasPoli2->SetLocked(true);
    m_rtfDasPoli2->SetMuestraPolinomio(true);
    filaPoli->addWidget(m_lbldaspolip);
    filaPoli->addWidget(m_rtfDasPoli2, 1);
    trabajo->addLayout(filaPoli);
    trabajo->addWidget(m_lblRecTan[1]);
    trabajo->addWidget(m_lblRecTan[2]);
    auto *filaRespuesta = new QHBoxLayout;
    m_caja = new RichTextPolin(m_marcoMedio);
    m_caja->setObjectName(QStringLiteral("RtpPidePoliR"));
    m_caja->setFixedHeight(44);
    filaRespuesta->addWidget(m_lblRecTan[0]);
    filaRespuesta->addWidget(m_caja, 1);
    trabajo->addLayout(filaRespuesta);
    auto *botones = new QHBoxLayout;
    m_cmdListo = Boton(QStringLiteral("Listo"), QStringLiteral("cmdListo"), m_marcoMedio);
    m_cmdBorrar = Boton(QStringLiteral("Borrar"), QStringLiteral("cmdBorrar"), m_marcoMedio);
    m_cmdCancelar = Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"), m_marcoMedio);
    for (Usc *b : {m_cmdListo, m_cmdBorrar, m_cmdCancelar})
        botones->addWidget(b);
    trabajo->addLayout(botones);
    m_fraPunto = new QFrame(m_marcoMedio);
    m_fraPunto->setObjectName(QStringLiteral("fraPunto"));
    m_fraPunto->setFrameShape(QFrame::StyledPanel);
    auto *punto = new QVBoxLayout(m_fraPunto);
    m_lblRecTan[3]->setParent(m_fraPunto);
    punto->addWidget(m_lblRecTan[3]);
    auto *filaPunto = new QHBoxLayout;
    filaPunto->addWidget(new QLabel(QStringLiteral("x ="), m_fraPunto));
    m_cajaPunto = new UCDextavo(m_fraPunto);
    m_cajaPunto->setObjectName(QStringLiteral("UCCajaPunto"));
    m_cajaPunto->HayInfinito(false);
    m_cmdListoPunto = Boton(QStringLiteral("Listo"), QStringLiteral("cmdListoPunto"), m_fraPunto);
    filaPunto->addWidget(m_cajaPunto, 1);
    filaPunto->addWidget(m_cmdListoPunto);
    punto->addLayout(filaPunto);
    trabajo->addWidget(m_fraPunto);
    v->addWidget(m_marcoMedio);

    // The value of P, or of P', at any x.
    m_fraHerramienta = new QGroupBox(QStringLiteral("Herramienta"), this);
    auto *zona = new QVBoxLayout(m_fraHerramienta);
    OpcionesHerramientas opciones;
    opciones.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
    opciones.derivada = 1;
    opciones.soloPunto = true;
    m_herramientas = new PanelHerramientas(opciones, m_fraHerramienta);
    m_herramientas->PuntoConFormato(true);
    zona->addWidget(m_herramientas);
    v->addWidget(m_fraHerramienta);
    v->addStretch(1);

    connect(m_mnuMaquinaPropone, &QAction::triggered, this, &VentanaRecta::mnuMaquinaPropone_Click);
    connect(m_mnuProponePoli, &QAction::triggered, this, &VentanaRecta::mnuProponePoli_Click);
    connect(m_mnuRectaPunto, &QAction::triggered, this, &VentanaRecta::mnuRectaPunto_Click);
    connect(m_mnuAnterior, &QAction::triggered, this, &VentanaRecta::sale);
    connect(m_mnuInicio, &QAction::triggered, this, &VentanaRecta::reinicia);
    connect(m_caja, &RichTextPolin::TeclaEnter, this, &VentanaRecta::RtpPidePoliR_TeclaEnter);
    connect(m_cmdListo, &Usc::Click, this, [this](int) { m_caja->Acepta(); });
    connect(m_cmdBorrar, &Usc::Click, this, [this](int) { cmdBorrar_Click(); });
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
    connect(m_cmdListoPunto, &Usc::Click, this, [this](int) { cmdListoPunto_Click(); });
    connect(m_cajaPunto, &UCDextavo::TeclaEnter, this, &VentanaRecta::cmdListoPunto_Click);
    PanelHerramientas *h = m_herramientas;
    connect(h->cajaPunto(), &UCDextavo::TeclaEnter, h, [h] { h->cmdListoPuntual_Click(1); });
    for (int i = 0; i < 2; ++i)
        connect(h->OptPuntPolioDeri(i), &QRadioButton::clicked, this, [this, i] { opcionHerramienta(i); });
}

void VentanaRecta::alCargar()
{
    colocaEnPanel();
    m_marcoMedio->hide();
    m_fraHerramienta->hide();
    m_marcoDeri->show();
    m_lblDeri->show();
    m_lblGrafiCon->setText(Texto(m_datos.introduccion));
    m_fraPunto->hide();
    PidePoliDesdeEjercicio = true;
    for (Usc *b : {m_cmdListo, m_cmdBorrar, m_cmdCancelar, m_herramientas->cmdListoPuntual(),
                   m_herramientas->cmdLimpiaPuntual()})
        b->Enabled(false);
    m_caja->Locked(true);
    opcionHerramienta(0);

    for (const auto &[boton, valor] : m_datos.barra)
        EstadoBarra.at(static_cast<std::size_t>(boton)) = valor;
    entraPantalla(66, m_datos.apoyo, m_datos.tituloVentana);
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->RestauraDiseno();
}

void VentanaRecta::opcionHerramienta(int indice)
{
    m_herramientas->OptPuntPolioDeri(indice)->setChecked(true);
    m_herramientas->OptPuntPolioDeri_Click(indice);
    if (indice == 0)
        m_herramientas->PoneRotulosPunto(QStringLiteral("Evaluación puntual del polinomio"), QStringLiteral("P("));
    else
        m_herramientas->PoneRotulosPunto(QStringLiteral("Evaluación puntual de la derivada"), QStringLiteral("P´("));
}

void VentanaRecta::trabaja(std::int16_t instruccion)
{
    m_mnuOpciones->setEnabled(false);
    m_marcoDeri->hide();
    m_lblDeri->hide();
    m_marcoMedio->show();
    m_fraHerramienta->show();
    m_lblRecTan[1]->setText(Texto(instruccion));
}

void VentanaRecta::HabilitaMandos()
{
    for (Usc *b : {m_cmdListo, m_cmdBorrar, m_cmdCancelar, m_herramientas->cmdListoPuntual(),
                   m_herramientas->cmdLimpiaPuntual()})
        b->Enabled(true);
}

void VentanaRecta::mnuMaquinaPropone_Click()
{
    HabilitaMandos();
    trabaja(m_datos.instruccionRecta);
    const auto grado = static_cast<std::int16_t>(rt::Int(rt::Rnd() * 6 + 2));
    const auto u = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
    const auto v = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
    DamePolinomioProblema(grado, u, v);
    PoliActual = CreaFuncPolin(PoliAzar);
    PoliAzar->Despliega(*m_rtfDasPoli2, "");
    EligeAbscisa();
    GraficaConPunto();
    m_lblRecTan[2]->setText(Texto(TextoAbscisa) + Str(m_abscisa));
    rotulaRespuesta();
    ponAyuda(m_datos.ayudaTrabajo, m_datos.apoyo);
    m_caja->Locked(false);
    m_caja->setFocus();
}

void VentanaRecta::mnuRectaPunto_Click()
{
    const auto u = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
    const auto v = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
    DamePolinomioProblema(1, u, v);
    PoliActual = CreaFuncPolin(PoliAzar);
    PoliAzar->Despliega(*m_rtfDasPoli2, "");
    const double r1 = rt::Rnd();
    const double r2 = rt::Rnd();
    const double s = rt::RedondeaPar(10 * r1);
    m_abscisa = rt::Int(6 * r2) * (std::fmod(s, 2.0) == 0.0 ? 1 : -1);
    GraficaConPunto();
    trabaja(m_datos.instruccionDado);
    m_lbldaspolip->setText(QStringLiteral("y = "));
    m_lblRecTan[0]->setText(QStringLiteral("P(x) ="));
    m_lblRecTan[2]->setText(Texto(TextoAbscisa) + QString::fromStdString(rt::CStr(m_abscisa)));
    HabilitaMandos();
    // The tool evaluates the line (and, for the tangent, its slope).
    opcionHerramienta(0);
    m_herramientas->PoneRotulosPunto(m_datos.herramientaRecta, QStringLiteral("y("));
    for (int i = 0; i < 2; ++i)
        m_herramientas->OptPuntPolioDeri(i)->setVisible(!m_datos.ocultaOpcionesRecta);
    m_rectaDada = true;
    ponAyuda(1, m_datos.apoyoRectaDada);
    m_caja->Locked(false);
    m_caja->setFocus();
}

void VentanaRecta::mnuProponePoli_Click()
{
    pidePoliAlumno();
}

void VentanaRecta::alRecibirPolinomio()
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    trabaja(m_datos.instruccionPolinomio);
    GraficaPoliActual();
    m_lblRecTan[3]->setText(Texto(m_datos.pideAbscisa));
    PoliActual->Polin()->Despliega(*m_rtfDasPoli2, "");
    m_fraPunto->show();
    m_cajaPunto->Caja()->setFocus();
    ponAyuda(m_datos.ayudaTrabajo, m_datos.apoyo);
}

void VentanaRecta::cmdListoPunto_Click()
{
    if (!PoliActual || m_fraPunto->isHidden() || ValidaCajaNumerica(*m_cajaPunto) >= 1)
        return;
    m_abscisa = m_cajaPunto->NumAceptado();
    m_fraPunto->hide();
    GraficaConPunto();
    HabilitaMandos();
    m_lblRecTan[1]->setText(Texto(m_datos.instruccionRecta));
    m_lblRecTan[2]->setText(Texto(TextoAbscisa) + m_cajaPunto->Text());
    rotulaRespuesta();
    m_caja->Locked(false);
    m_caja->setFocus();
}

void VentanaRecta::EligeAbscisa()
{
    const CollFuncPolin &f = *PoliActual;
    const double k = rt::RedondeaPar((f.Xmax() - f.Xmin()) / 10 + 0.5);
    const double s = rt::RedondeaPar(10 * rt::Rnd());
    const bool positivo = std::fmod(s, 2.0) == 0.0;
    const double r2 = rt::Rnd();
    m_abscisa = rt::Int(r2 * (positivo ? f.Xmax() : f.Xmin())) * k;
}

void VentanaRecta::GraficaConPunto()
{
    const CollFuncPolin &f = *PoliActual;
    const Collpolinomio &p = *f.Polin();
    const double a = m_abscisa;
    const double ya = p.Eval(a);
    // Widened, where need be, to show the point.
    const double xmin = std::min({1.5 * a, f.Xmin(), f.Xmax()});
    const double xmax = std::max({1.5 * a, f.Xmin(), f.Xmax()});
    const double ymin = std::min({1.2 * ya, f.Ymin(), f.Ymax()});
    const double ymax = std::max({1.2 * ya, f.Ymin(), f.Ymax()});
    PictureEjes *graf = muestraGrafica();
    if (!graf)
        return;
    MuestraEscalaRecuadro(*graf, xmin, xmax, ymin, ymax);
    GraficaPolinomio(p, *graf, rt::QBColor(3), 13);
    MarcaAbscisas(a, ya, 5, false, m_datos.colorPunto);
}

void VentanaRecta::GraficaPoliActual()
{
    PictureEjes *graf = muestraGrafica();
    if (!graf)
        return;
    MuestraEscalaEjes(*PoliActual);
    GraficaPolinomio(*PoliActual->Polin(), *graf, rt::QBColor(3), 13);
}

void VentanaRecta::RtpPidePoliR_TeclaEnter()
{
    if (!PoliActual)
        return;
    bool vacia = false;
    CajaVacia(*m_caja, vacia);
    if (vacia)
        return;
    if (CajaPoliConError(*m_caja, m_poliTecleado))
        return;
    const FuncPolinPtr f = RegistroAparte(m_poliTecleado);
    const Juicio juicio = m_rectaDada ? juzgaPolinomio(*f, m_abscisa) : juzgaRecta(*f, m_abscisa);
    if (juicio.error) {
        if (juicio.destello)
            errorConDestello(*m_poliTecleado, juicio.error);
        else
            MuestraError("", juicio.error);
        m_caja->Locked(false);
        m_caja->setFocus();
        return;
    }
    dibujaAcierto(*m_poliTecleado);
    MuestraExito(exito());
    cmdCancelar_Click();
}

void VentanaRecta::dibujaAcierto(const Collpolinomio &t)
{
    if (PictureEjes *graf = superficie())
        GraficaPolinomio(t, *graf, rt::QBColor(1), 13);
}

void VentanaRecta::cmdBorrar_Click()
{
    m_caja->Text(QString());
    m_caja->Locked(false);
    m_caja->setFocus();
}

void VentanaRecta::cmdCancelar_Click()
{
    sale();
    reabre();
}

Racional VentanaRecta::Pendiente(const Collpolinomio &t)
{
    return t.Exacto().Coeficiente(1);
}

Racional VentanaRecta::Ordenada(const Collpolinomio &t)
{
    return t.Exacto().Coeficiente(0);
}
