#include "frmApoyoRtf.h"

#include "BotonVentana.h"
#include "CajaPagina.h"
#include "GestorVentanas.h"
#include "MarcoVisor.h"

#include "Apoyo.h"
#include "Globales.h"
#include "RutaPrograma.h"

#include "EsperaModal.h"
#include "Twips.h"
#include "Usc.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
using plataforma::TwipsAPixeles;
} // namespace

frmApoyoRtf::frmApoyoRtf()
{
    setWindowFlags(Qt::Dialog);
    setWindowTitle(QStringLiteral("Quorvane: Apoyo"));
    const auto T = [](int twips) { return TwipsAPixeles(twips); };

    m_pctapoyo = new QLabel(this);
    m_pctapoyo->setObjectName(QStringLiteral("pctapoyo"));
    m_pctapoyo->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(T(480), T(480)));

    m_lblapoyo1 = new QLabel(this);
    m_lblapoyo1->setObjectName(QStringLiteral("lblapoyo1"));
    FuenteEncabezado(*m_lblapoyo1);
    m_lblapoyo1->setWordWrap(true);

    m_ucMarco1 = new QFrame(this);
    m_ucMarco1->setObjectName(QStringLiteral("UCMarco1"));
    m_ucMarco1->setFrameShape(QFrame::StyledPanel);

    m_rchTextoPrinc = new CajaPagina(m_ucMarco1);
    m_rchTextoPrinc->setObjectName(QStringLiteral("rchTextoPrinc"));
    // A press anywhere on the page is looked at before the box selects.
    m_rchTextoPrinc->viewport()->installEventFilter(this);
    // A link reached with the keyboard (Tab, then Enter) previews as a press.
    connect(m_rchTextoPrinc, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &enlace) { pulsa(::NumeroSalto(enlace.toString().toStdString())); });

    // Where the window is wide enough for two columns, the preview keeps
    // its place beside the page whether shown or not, so that the page
    // never moves under the student's pointer; in a narrower window the
    // page takes the whole width and the preview opens below it.
    auto *vista = new QWidget(m_ucMarco1);
    m_vista = vista;
    m_rtfHyper = new CajaPagina(vista);
    m_rtfHyper->setObjectName(QStringLiteral("rtfHyper"));
    // A preview is only read: its own links lead nowhere.
    m_rtfHyper->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_picHyper = new QLabel(vista);
    m_picHyper->setObjectName(QStringLiteral("PicHyper"));
    m_picHyper->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_picHyper->setWordWrap(true);
    m_picHyper->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *capas = new QVBoxLayout(vista);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(m_rtfHyper);
    capas->addWidget(m_picHyper);
    m_rtfHyper->hide();
    m_picHyper->hide();

    m_marco = new QBoxLayout(QBoxLayout::LeftToRight, m_ucMarco1);
    m_marco->addWidget(m_rchTextoPrinc, 1);
    m_marco->addWidget(vista, 1);

    m_cmdCancelar = BotonVentana(QStringLiteral("Cerrar"), QStringLiteral("cmdCancelar"), this, 1500, 420);
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });

    ArmaVisor(*this, *m_pctapoyo, *m_lblapoyo1, {{m_ucMarco1, 1}}, *m_cmdCancelar);
}

frmApoyoRtf *frmApoyoRtf::Existente()
{
    return GestorVentanas::instancia().existente<frmApoyoRtf>();
}

void frmApoyoRtf::Abre(int numApoyo)
{
    // A row the support list lacks opens the window all the same, with the
    // message for its missing page: the key never does nothing.
    const std::optional<PaginaApoyo> pagina = PaginaDeApoyo(ListaApoyos, numApoyo);
    ArchivoApoyo = pagina ? "\\apoyo" + ListaApoyos.Texto(1, numApoyo) : std::string();
    const std::string encabezado = pagina ? pagina->encabezado : ListaApoyos.Texto(0, numApoyo);
    auto &gestor = GestorVentanas::instancia();
    gestor.descarga<frmApoyoRtf>();
    frmApoyoRtf *apoyo = gestor.ventana<frmApoyoRtf>([&encabezado](frmApoyoRtf &w) { w.PalSobreRtb = encabezado; });
    plataforma::EsperaModal(*apoyo);
}

void frmApoyoRtf::alCargar()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int arriba = T(350);
    // On a screen 600 pixels high the window reaches its bottom; otherwise
    // it ends a little above the usable height.
    const int alto = AltoPantalla == T(9000) ? AltoPantalla - arriba : AltoUtil - T(400);
    // As wide as the graph window beside the panel, less a margin each side.
    const int ancho = std::max(T(6000), IzqGrafica - 2 * T(40));
    resize(ancho, std::max(T(3000), alto));
    colocaSobreArea(AnchoPanel + T(40), arriba);

    if (ArchivoApoyo.empty())
        m_rchTextoPrinc->muestraFaltante(QStringLiteral("de apoyo"));
    else
        m_rchTextoPrinc->carga(RutaPrograma(ArchivoApoyo));
    m_rchTextoPrinc->viewport()->setCursor(Qt::ArrowCursor);
    m_lblapoyo1->setText(QString::fromStdString(PalSobreRtb));
    m_estado = std::make_unique<EstadoApoyo>(ListaSaltos, PalSobreRtb);
    m_cmdCancelar->setFocus();
}

int frmApoyoRtf::UltimoSalto() const
{
    return m_estado ? m_estado->UltimoSalto() : 0;
}

int frmApoyoRtf::NumeroSalto(const QPoint &punto) const
{
    return ::NumeroSalto(m_rchTextoPrinc->anchorAt(punto).toStdString());
}

void frmApoyoRtf::rchTextoPrinc_MouseDown(const QPoint &punto)
{
    pulsa(NumeroSalto(punto));
}

void frmApoyoRtf::colocaVista()
{
    // Two columns only where each holds a readable line.
    constexpr int AnchoColumna = 340;
    const bool aLado = width() >= 2 * AnchoColumna + 40;
    m_marco->setDirection(aLado ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_vista->setVisible(aLado || !m_rtfHyper->isHidden() || !m_picHyper->isHidden());
}

void frmApoyoRtf::resizeEvent(QResizeEvent *evento)
{
    VentanaBase::resizeEvent(evento);
    colocaVista();
}

void frmApoyoRtf::pulsa(int salto)
{
    if (!m_estado)
        return;
    const EstadoApoyo::Cambio cambio = m_estado->Pulsa(salto);
    using Accion = EstadoApoyo::Accion;
    if (cambio.accion == Accion::MuestraTexto || cambio.accion == Accion::MuestraImagen) {
        // The preview's room first: a picture is fitted to it.
        m_vista->show();
        m_marco->activate();
    }
    switch (cambio.accion) {
    case Accion::Nada:
        return;
    case Accion::MuestraTexto:
        m_picHyper->hide();
        m_picHyper->clear();
        m_rtfHyper->carga(cambio.archivo);
        m_rtfHyper->show();
        break;
    case Accion::MuestraImagen:
        m_rtfHyper->hide();
        m_rtfHyper->clear();
        muestraImagen(cambio.archivo);
        break;
    case Accion::Cierra:
        m_rtfHyper->hide();
        m_picHyper->hide();
        break;
    }
    colocaVista();
    m_lblapoyo1->setText(QString::fromStdString(cambio.encabezado));
}

void frmApoyoRtf::muestraImagen(const std::filesystem::path &archivo)
{
    QPixmap imagen(QString::fromStdString(archivo.string()));
    if (imagen.isNull()) {
        // A picture that is missing or unreadable is said, never left blank.
        m_picHyper->setText(CajaPagina::TextoFaltante(QString::fromStdString(archivo.filename().string())));
        m_picHyper->show();
        return;
    }
    // A picture wider or taller than the preview is shown smaller, whole.
    const QSize lugar = m_picHyper->parentWidget()->contentsRect().size();
    if (imagen.width() > lugar.width() || imagen.height() > lugar.height())
        imagen = imagen.scaled(lugar, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_picHyper->setPixmap(imagen);
    m_picHyper->show();
}

void frmApoyoRtf::cmdCancelar_Click()
{
    descarga();
}

bool frmApoyoRtf::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_rchTextoPrinc->viewport() && evento->type() == QEvent::MouseButtonPress)
        rchTextoPrinc_MouseDown(static_cast<QMouseEvent *>(evento)->position().toPoint());
    return VentanaBase::eventFilter(objeto, evento);
}

void frmApoyoRtf::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape)
        cmdCancelar_Click();
    else
        VentanaBase::keyPressEvent(evento);
}
