#include "frmpidepoli.h"

#include "BotonVentana.h"
#include "GestorVentanas.h"
#include "SesionPolinomio.h"
#include "frmZoom.h"

#include "CalculoAparte.h"
#include "EntradaPolinomio.h"
#include "Globales.h"
#include "ModCadena.h"

#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "Twips.h"
#include "Usc.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <climits>

namespace {
using plataforma::TwipsAPixeles;

// Rows of the error table.
constexpr std::int16_t ErrorCajaVacia = 156;
constexpr std::int16_t ErrorPoliCero = 209;

QLabel *Rotulo(const QString &texto, QWidget *padre, bool negrita)
{
    auto *l = new QLabel(texto, padre);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPointSize(11);
    f.setBold(negrita);
    l->setFont(f);
    return l;
}

Usc *Boton(const QString &caption, const QString &nombre, QWidget *padre)
{
    return BotonVentana(caption, nombre, padre, 1700, 450);
}
} // namespace

frmpidepoli::frmpidepoli()
{
    setWindowTitle(QStringLiteral("Quorvane"));
    m_fraPidePoli = new QFrame(this);
    m_fraPidePoli->setObjectName(QStringLiteral("FraPidePoli"));
    m_fraPidePoli->setFrameShape(QFrame::StyledPanel);
    m_lblpidepoli[0] = Rotulo(QStringLiteral("Escribe los factores del polinomio que deseas expandir o multiplicar"),
                              m_fraPidePoli, true);
    m_lblpidepoli[1] = Rotulo(QString(), m_fraPidePoli, true);
    m_lblAsignaPx = Rotulo(QStringLiteral("P(x) ="), m_fraPidePoli, true);
    m_lblSimplificaPx = Rotulo(QStringLiteral("P(x) ="), m_fraPidePoli, true);
    m_rtpPidepoli1 = new RichTextPolin(m_fraPidePoli);
    m_rtpPidepoli1->setObjectName(QStringLiteral("RtpPidepoli1"));
    m_rtfpidepoli2 = new RichTextBox(m_fraPidePoli);
    m_rtfpidepoli2->setObjectName(QStringLiteral("rtfpidepoli2"));
    m_rtfpidepoli2->SetLocked(true);
    m_rtfpidepoli2->SetMuestraPolinomio(true);

    m_cmdAceptar = Boton(QStringLiteral("Aceptar"), QStringLiteral("cmdAceptar"), m_fraPidePoli);
    m_cmdContinuar = Boton(QStringLiteral("Continuar"), QStringLiteral("CmdContinuar"), m_fraPidePoli);
    m_cmdCancelar = Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"), m_fraPidePoli);
    m_cmdotro = Boton(QStringLiteral("Borrar"), QStringLiteral("cmdotro"), m_fraPidePoli);
    m_cmdGraficar = Boton(QStringLiteral("Graficar"), QStringLiteral("CmdGraficar"), m_fraPidePoli);
    m_cmdCerrar = Boton(QStringLiteral("Cerrar"), QStringLiteral("CmdCerrar"), m_fraPidePoli);

    connect(m_rtpPidepoli1, &RichTextPolin::TeclaEnter, this, &frmpidepoli::RtpPidepoli1_TeclaEnter);
    connect(m_cmdAceptar, &Usc::Click, this, [this](int) { cmdAceptar_Click(); });
    connect(m_cmdContinuar, &Usc::Click, this, [this](int) { CmdContinuar_Click(); });
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
    connect(m_cmdotro, &Usc::Click, this, [this](int) { cmdotro_Click(); });
    connect(m_cmdGraficar, &Usc::Click, this, [this](int) { CmdGraficar_Click(); });
    connect(m_cmdCerrar, &Usc::Click, this, [this](int) { CmdCerrar_Click(); });
}

void frmpidepoli::coloca(Usc *boton, int izquierdaTwips, int arribaTwips)
{
    m_lugares[boton] = QPoint(TwipsAPixeles(izquierdaTwips), TwipsAPixeles(arribaTwips));
    boton->move(m_lugares[boton]);
}

// The result box grows to its lines, as far as the window lets the buttons
// stand below it; the buttons keep their places while it fits above them.
void frmpidepoli::ajustaResultado()
{
    if (m_lugares.empty())
        return;
    int arribaBotones = INT_MAX, abajoBotones = 0;
    for (const auto &[boton, lugar] : m_lugares) {
        arribaBotones = std::min(arribaBotones, lugar.y());
        abajoBotones = std::max(abajoBotones, lugar.y() + boton->height());
    }
    const int separacion = TwipsAPixeles(400);
    const int bajada = [&] {
        if (m_rtfpidepoli2->isHidden())
            return 0;
        const int arriba = m_rtfpidepoli2->y();
        const int fondo = std::min(m_fraPidePoli->height(), height()) - separacion / 2;
        const int maximo = std::max(RichTextBox::AltoMinimo, fondo - (abajoBotones - arribaBotones) - separacion - arriba);
        const int alto = std::clamp(m_rtfpidepoli2->sizeHint().height(), RichTextBox::AltoMinimo, maximo);
        m_rtfpidepoli2->resize(m_rtfpidepoli2->width(), alto);
        return std::max(0, arriba + alto + separacion - arribaBotones);
    }();
    for (const auto &[boton, lugar] : m_lugares)
        boton->move(lugar.x(), lugar.y() + bajada);
}

void frmpidepoli::alCargar()
{
    m_algebra = ModoAlgebra;
    int alto = AltoUtil;
    int arriba = 0;
    if (m_algebra) {
        alto = AltoUtil * 7 / 12;
        arriba = alto * 3 / 12;
    }
    VentanaBase::coloca(0, arriba, AnchoPanel, alto);
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int ancho = AnchoPanel;
    m_fraPidePoli->setGeometry(0, 0, ancho, std::max(T(5000), alto));
    m_lblpidepoli[1]->hide();
    m_lblpidepoli[0]->setGeometry(T(120), T(200), ancho - T(240), T(600));
    // Both "P(x) =" labels on one line, the boxes beside the wider one.
    int anchoPx = T(700);
    for (QLabel *l : {m_lblAsignaPx, m_lblSimplificaPx}) {
        l->setWordWrap(false);
        anchoPx = std::max(anchoPx, l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->margin() + 4);
    }
    m_lblAsignaPx->setGeometry(T(120), T(1080), anchoPx, T(360));
    m_rtpPidepoli1->setGeometry(m_lblAsignaPx->x() + anchoPx + T(10), T(960),
                                std::max(T(600), ancho - anchoPx - T(130) - T(120)), T(560));
    m_lblpidepoli[1]->setGeometry(T(120), T(1700), ancho - T(240), T(360));
    m_lblSimplificaPx->setGeometry(T(120), T(2280), anchoPx, T(360));
    m_rtfpidepoli2->setGeometry(m_rtpPidepoli1->x(), T(2160), m_rtpPidepoli1->width(), T(560));
    m_rtfpidepoli2->hide();
    m_lblSimplificaPx->hide();
    m_lugares.clear();

    std::array<bool, 10> barra = EstadoBarra;
    barra[4] = true;
    EstadoBarra[4] = true;
    m_contexto.barra = barra;
    m_contexto.apoyo = 2;
    if (!m_algebra) {
        m_lblpidepoli[0]->setText(QStringLiteral("Escriba el polinomio que desea proponer"));
        m_lblpidepoli[1]->setText(QStringLiteral("Confirme el polinomio propuesto"));
        m_lblAsignaPx->setText(QStringLiteral("P(x)="));
        m_cmdCerrar->hide();
        m_cmdotro->hide();
        m_cmdContinuar->hide();
        m_cmdGraficar->hide();
        m_cmdAceptar->Caption(QStringLiteral("Aceptar"));
        coloca(m_cmdAceptar, 2760, 3480);
        coloca(m_cmdContinuar, 2760, 3480);
        coloca(m_cmdotro, 240, 3480);
        coloca(m_cmdCancelar, 240, 4200);
        m_cmdCancelar->show();
        m_contexto.ayuda = 1;
        m_contexto.titulo = "Quorvane: Se propone un polinomio";
    } else {
        m_cmdContinuar->hide();
        m_cmdCancelar->hide();
        coloca(m_cmdGraficar, 2760, 3720);
        m_cmdGraficar->show();
        m_cmdGraficar->Enabled(false);
        m_cmdAceptar->Caption(QStringLiteral("Operar"));
        coloca(m_cmdAceptar, 2760, 3120);
        coloca(m_cmdotro, 240, 3120);
        m_cmdotro->show();
        m_cmdotro->Enabled(false);
        coloca(m_cmdCerrar, 240, 3720);
        m_cmdCerrar->show();
        setWindowTitle(QStringLiteral("ALGEBRA"));
        m_lblpidepoli[0]->setText(QStringLiteral("Escriba los factores del polinomio que desea expandir o multiplicar"));
        m_lblpidepoli[1]->setText(QStringLiteral("Polinomio expandido"));
        m_contexto.ayuda = 65;
        m_contexto.titulo = "Quorvane: Ventana de operaciones con polinomios";
    }
    m_contexto.entra();
}

void frmpidepoli::alActivar()
{
    m_contexto.aplica();
    m_rtpPidepoli1->setFocus();
}

void frmpidepoli::showEvent(QShowEvent *evento)
{
    VentanaBase::showEvent(evento);
    if (!m_rtpPidepoli1->Locked())
        m_rtpPidepoli1->setFocus();
}

void frmpidepoli::cmdAceptar_Click()
{
    m_rtpPidepoli1->Acepta();
}

void frmpidepoli::RtpPidepoli1_TeclaEnter()
{
    if (m_rtpPidepoli1->Text().isEmpty()) {
        MuestraError("", ErrorCajaVacia);
        // The box locked itself on Enter: open it again for the student.
        m_rtpPidepoli1->Locked(false);
        m_rtpPidepoli1->setFocus();
        ErrorPoli = false;
        return;
    }
    m_poliAceptado = true;
    LeeCajaPoli(*m_rtpPidepoli1, m_poliEscrito);
    if (!ErrorPoli && !m_algebra && (!m_poliEscrito || m_poliEscrito->Cuenta() == 0)) {
        // Nothing to analyse in the zero polynomial.
        MuestraError("", ErrorPoliCero);
        m_poliAceptado = false;
        ErrorPoli = true;
    }
    if (ErrorPoli) {
        m_conservaTexto = true;
        const long cursor = m_rtpPidepoli1->SelStart();
        cmdotro_Click();
        m_rtpPidepoli1->SelStart(cursor);
        ErrorPoli = false;
        return;
    }
    m_poliEscrito->Despliega(*m_rtfpidepoli2, "");
    m_rtpPidepoli1->Locked(true);
    m_rtfpidepoli2->show();
    ajustaResultado();
    m_lblpidepoli[1]->show();
    m_lblSimplificaPx->show();
    if (m_algebra) {
        m_cmdGraficar->Enabled(true);
        m_cmdotro->Enabled(true);
    } else {
        m_cmdotro->show();
        m_cmdContinuar->show();
        m_cmdContinuar->setFocus();
        m_cmdAceptar->hide();
        PoliPropuesto = m_poliEscrito;
    }
}

void frmpidepoli::cmdotro_Click()
{
    if (!m_conservaTexto)
        m_rtpPidepoli1->Text(QString());
    m_rtpPidepoli1->show();
    m_rtpPidepoli1->Locked(false);
    m_rtpPidepoli1->setFocus();
    m_rtfpidepoli2->clear();
    m_rtfpidepoli2->hide();
    ajustaResultado();
    if (m_algebra) {
        m_cmdGraficar->Enabled(false);
        m_cmdotro->Enabled(false);
    } else {
        m_cmdAceptar->show();
        m_cmdotro->hide();
        m_cmdContinuar->hide();
    }
    m_lblSimplificaPx->hide();
    m_lblpidepoli[1]->hide();
    m_lblAsignaPx->show();
    m_conservaTexto = false;
}

frmpidepoli *frmpidepoli::AbrePara(LlamadorPolinomio &llamador)
{
    auto &gestor = GestorVentanas::instancia();
    ModoAlgebra = false;
    frmpidepoli *w = gestor.ventana<frmpidepoli>();
    w->m_llamador = Enlace<LlamadorPolinomio>(&llamador);
    gestor.muestra(w);
    return w;
}

void frmpidepoli::CmdContinuar_Click()
{
    if (m_poliAceptado && !m_algebra && PoliPropuesto) {
        // The caller makes it its own; without one it simply becomes current.
        if (LlamadorPolinomio *l = m_llamador.get())
            l->recibePolinomio(PoliPropuesto);
        else
            TomaPoliActual(PoliPropuesto);
    }
    m_contexto.sale();
    if (!PidePoliDesdeEjercicio) {
        NumAyuda = 7;
        NumApoyo = 5;
    }
    sale();
}

void frmpidepoli::cmdCancelar_Click()
{
    if (LlamadorPolinomio *l = m_llamador.get())
        l->sinPolinomio();
    m_contexto.sale();
    m_poliAceptado = false;
    PoliPropuesto.reset();
    sale();
}

void frmpidepoli::CmdGraficar_Click()
{
    if (m_poliAceptado && m_poliEscrito)
        frmZoom::AbreAlgebra(RegistroAparte(m_poliEscrito));
    else
        MuestraError("", ErrorCajaVacia);
}

void frmpidepoli::CmdCerrar_Click()
{
    m_poliAceptado = false;
    ModoAlgebra = false;
    m_contexto.sale();
    sale();
    PoliPropuesto.reset();
    frmZoom::Descarga();
}

void frmpidepoli::sale()
{
    m_saliendo = true;
    descarga();
}

bool frmpidepoli::alPedirDescarga()
{
    // Closing by the frame leaves the window as its own button does.
    if (m_saliendo)
        return true;
    if (m_algebra)
        CmdCerrar_Click();
    else
        cmdCancelar_Click();
    return false;
}

void frmpidepoli::alDescargar()
{
    m_contexto.sale();
}
