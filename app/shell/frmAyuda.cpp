#include "frmAyuda.h"

#include "BotonVentana.h"
#include "CajaPagina.h"
#include "GestorVentanas.h"
#include "MarcoVisor.h"

#include "Globales.h"
#include "RutaPrograma.h"
#include "TemasAyuda.h"

#include "EsperaModal.h"
#include "Twips.h"
#include "Usc.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace {
using plataforma::TwipsAPixeles;

// A page of the program's folder into a box; no page leaves the box empty
// (the box itself reports a missing one).
void CargaPagina(CajaPagina &caja, const std::string &relativa)
{
    if (relativa.empty())
        caja.clear();
    else
        caja.carga(RutaPrograma(relativa));
}
} // namespace

frmAyuda::frmAyuda()
{
    setWindowFlags(Qt::Dialog);
    setWindowTitle(QStringLiteral("Quorvane: Ayuda"));
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    resize(T(7500), T(6600));

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(style()->standardIcon(QStyle::SP_DialogHelpButton).pixmap(T(720), T(720)));

    m_rtbtitulo = new CajaPagina(this);
    m_rtbtitulo->setObjectName(QStringLiteral("rtbtitulo"));
    // The fixed titles are plain text: the box's own font makes them titles.
    FuenteEncabezado(*m_rtbtitulo);
    m_rtbtitulo->setFrameShape(QFrame::NoFrame);
    m_rtbtitulo->viewport()->setAutoFillBackground(false);
    m_rtbtitulo->setFixedHeight(T(900));

    m_rtbAyudaDes = new CajaPagina(this);
    m_rtbAyudaDes->setObjectName(QStringLiteral("rtbAyudaDes"));

    m_rtbObserva = new CajaPagina(this);
    m_rtbObserva->setObjectName(QStringLiteral("rtbObserva"));
    m_rtbObserva->setFixedHeight(T(1500));
    // A remark is a tip beside the help: a paper of its own.
    QPalette nota = m_rtbObserva->palette();
    nota.setColor(QPalette::Base, QColor(255, 250, 225));
    m_rtbObserva->setPalette(nota);

    m_cmdAyuda = BotonVentana(QStringLiteral("Cerrar"), QStringLiteral("CmdAyuda"), this, 1500, 420);
    connect(m_cmdAyuda, &Usc::Click, this, [this](int) { CmdAyuda_Click(); });

    ArmaVisor(*this, *m_picIcon, *m_rtbtitulo, {{m_rtbAyudaDes, 1}, {m_rtbObserva, 0}}, *m_cmdAyuda);
    m_cmdAyuda->setFocus();
}

frmAyuda *frmAyuda::Existente()
{
    return GestorVentanas::instancia().existente<frmAyuda>();
}

void frmAyuda::alCargar()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int arriba = T(650);
    // As tall as the work area leaves room for below its top, within reason.
    resize(width(), std::clamp(AltoUtil - arriba - T(400), T(4500), T(8400)));
    colocaSobreArea(AnchoPanel + T(40), arriba);
}

void frmAyuda::AbreTema(int numAyuda)
{
    auto &gestor = GestorVentanas::instancia();
    // Each help fills a fresh window.
    gestor.descarga<frmAyuda>();
    frmAyuda *ayuda = gestor.ventana<frmAyuda>();
    ayuda->MuestraTema(numAyuda);
    plataforma::EsperaModal(*ayuda);
}

frmAyuda *frmAyuda::AbreTextos(const QString &titulo, const QString &cuerpo, const QString &observacion)
{
    auto &gestor = GestorVentanas::instancia();
    frmAyuda *ayuda = gestor.ventana<frmAyuda>();
    ayuda->MuestraTextos(titulo, cuerpo, observacion);
    gestor.muestra(ayuda);
    return ayuda;
}

void frmAyuda::MuestraTema(int numAyuda)
{
    const TemaAyuda tema = TemaDeAyuda(numAyuda);
    CargaPagina(*m_rtbAyudaDes, tema.cuerpo);
    if (!tema.tituloArchivo.empty())
        CargaPagina(*m_rtbtitulo, tema.tituloArchivo);
    else
        m_rtbtitulo->setPlainText(QString::fromStdString(tema.tituloTexto));
    // The general remark first, then the topic's own over it.
    for (const std::string &observacion : tema.observaciones)
        CargaPagina(*m_rtbObserva, observacion);
}

void frmAyuda::MuestraTextos(const QString &titulo, const QString &cuerpo, const QString &observacion)
{
    m_rtbtitulo->setPlainText(titulo);
    m_rtbAyudaDes->setPlainText(cuerpo);
    m_rtbObserva->setPlainText(observacion);
}

void frmAyuda::CmdAyuda_Click()
{
    descarga();
}

void frmAyuda::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape)
        CmdAyuda_Click();
    else
        VentanaBase::keyPressEvent(evento);
}
