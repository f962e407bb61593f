#include "frmGrafica2.h"

#include "ColorRgb.h"
#include "GestorVentanas.h"

#include "Globales.h"
#include "Utilerias.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "Twips.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include <algorithm>

namespace {
using plataforma::TwipsAPixeles;

// Height of each of the two strips under the main graph.
constexpr int AltoFranjaTwips = 900;
// The drawn polynomial's frame and box as designed (one line).
constexpr int AnchoMarcoTwips = 7210;
constexpr int AltoMarcoTwips = 800;
constexpr int AnchoCajaTwips = 6400;
constexpr int AltoCajaTwips = 480;

QString Lectura(double x, double y)
{
    return QStringLiteral("( ") + QString::fromStdString(NumeroATexto(x, 3, 3)) + QStringLiteral(", ")
        + QString::fromStdString(NumeroATexto(y, 3, 3)) + QStringLiteral(")");
}

// The notice's picture: a cubic with its axes, drawn once.
QPixmap DibujoAnuncio()
{
    QPixmap imagen(227, 113);
    imagen.fill(QColor(241, 241, 241));
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(10, 56, 217, 56);
    p.drawLine(113, 6, 113, 107);
    QPainterPath curva;
    for (int px = 10; px <= 217; ++px) {
        const double x = (px - 113) / 40.0;
        const double y = x * x * x - 3 * x;
        const double py = 56 - y * 14;
        if (px == 10)
            curva.moveTo(px, py);
        else
            curva.lineTo(px, py);
    }
    p.setClipRect(0, 0, 227, 113);
    p.setPen(QPen(QColor(0, 128, 128), 2));
    p.drawPath(curva);
    return imagen;
}
} // namespace

frmGrafica2::frmGrafica2()
{
    setWindowTitle(QStringLiteral("Gráfica"));
    m_picejGraf = new PictureEjes(this);
    m_picejGraf->setObjectName(QStringLiteral("picejGraf"));
    m_picejGraf->MaxX(20);
    m_picejGraf->BackColor(Rgb(241, 241, 241));
    m_picejGraf->ColorEjes(Rgb(0, 0, 0));
    m_picejGraf->FontName(QStringLiteral("MS Sans Serif"));

    m_picejegraf2 = new PictureEjes(this);
    m_picejegraf2->setObjectName(QStringLiteral("Picejegraf2"));
    m_picejegraf2->MinY(0);
    m_picejegraf2->MaxY(3);
    m_picejegraf2->EjesVisibles(false);
    m_picejegraf2->BackColor(Rgb(192, 192, 192));
    m_picejegraf2->FontName(QStringLiteral("Arial"));

    m_picejeGraf3 = new PictureEjes(this);
    m_picejeGraf3->setObjectName(QStringLiteral("PicejeGraf3"));
    m_picejeGraf3->MinX(0);
    m_picejeGraf3->MaxX(100);
    m_picejeGraf3->MinY(0);
    m_picejeGraf3->MaxY(3);
    m_picejeGraf3->EjesVisibles(false);
    m_picejeGraf3->BackColor(Rgb(192, 192, 192));
    m_picejeGraf3->ForeColor(Rgb(0, 0, 255));
    m_picejeGraf3->FontName(QStringLiteral("Arial"));

    m_fraGrafiConcepto = new QFrame(this);
    m_fraGrafiConcepto->setObjectName(QStringLiteral("fraGrafiConcepto"));
    m_fraGrafiConcepto->setFrameShape(QFrame::Box);
    m_fraGrafiConcepto->setAutoFillBackground(true);
    m_fraGrafiConcepto->setGeometry(0, TwipsAPixeles(7560), TwipsAPixeles(AnchoMarcoTwips), TwipsAPixeles(AltoMarcoTwips));
    m_lblGrafi6 = new QLabel(QStringLiteral("  Polinomio               Graficado"), m_fraGrafiConcepto);
    m_lblGrafi6->setGeometry(TwipsAPixeles(60), 2, TwipsAPixeles(7000), TwipsAPixeles(260));
    m_lblgrafi5 = new QLabel(QStringLiteral("q(x) ="), m_fraGrafiConcepto);
    m_lblgrafi5->setGeometry(TwipsAPixeles(60), TwipsAPixeles(330), TwipsAPixeles(620), TwipsAPixeles(360));
    QFont negrita = m_lblgrafi5->font();
    negrita.setBold(true);
    m_lblgrafi5->setFont(negrita);
    m_lblGrafi6->setFont(negrita);
    m_rtfDasPoli2 = new RichTextBox(m_fraGrafiConcepto);
    m_rtfDasPoli2->setObjectName(QStringLiteral("RtfDasPoli2"));
    m_rtfDasPoli2->setGeometry(TwipsAPixeles(700), TwipsAPixeles(280), TwipsAPixeles(AnchoCajaTwips), TwipsAPixeles(AltoCajaTwips));
    m_rtfDasPoli2->SetLocked(true);
    m_rtfDasPoli2->SetMuestraPolinomio(true);
    m_fraGrafiConcepto->hide();

    m_fraAnuncio = new QFrame(this);
    m_fraAnuncio->setObjectName(QStringLiteral("fraAnuncio"));
    m_fraAnuncio->setFrameShape(QFrame::StyledPanel);
    m_fraAnuncio->setGeometry(TwipsAPixeles(7320), TwipsAPixeles(2040), TwipsAPixeles(4335), TwipsAPixeles(3495));
    m_image1 = new QLabel(m_fraAnuncio);
    m_image1->setPixmap(DibujoAnuncio());
    m_image1->setGeometry((m_fraAnuncio->width() - 227) / 2, (m_fraAnuncio->height() - 113) / 2, 227, 113);
    m_fraAnuncio->hide();

    connect(m_picejGraf, &PictureEjes::MouseMove, this, &frmGrafica2::picejGraf_MouseMove);
    connect(m_picejGraf, &PictureEjes::MouseDown, this, &frmGrafica2::picejGraf_MouseDown);
    // Whoever clears the graph takes the point mark with it: the next press
    // must not draw it again (in exclusive-or) where nothing is left.
    connect(m_picejGraf, &PictureEjes::Borrada, this, [this] { m_hayMarca = false; });
}

void frmGrafica2::alCargar()
{
    coloca(AnchoPanel, 0, IzqGrafica, AltoUtil);
    // Not closed by itself (see alPedirDescarga): its frame shows no close box.
    QWidget *marco = GestorVentanas::instancia().marcoDe(this);
    if (marco != this)
        marco->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    distribuye();
    m_recorre = false;
}

void frmGrafica2::RestauraDiseno()
{
    m_picejGraf->Limpia();
    m_picejegraf2->Limpia();
    m_picejegraf2->MinY(0);
    m_picejegraf2->MaxY(3);
    m_picejeGraf3->Limpia();
    m_fraGrafiConcepto->hide();
    m_hayMarca = false;
    m_lecturaCursor.clear();
    m_lecturaPunto.clear();
    RecorreGraf(false);
    MuestraAnuncio();
}

void frmGrafica2::resizeEvent(QResizeEvent *evento)
{
    VentanaBase::resizeEvent(evento);
    distribuye();
}

void frmGrafica2::distribuye()
{
    // The strips keep their height; the main graph takes the rest.
    const int franja = TwipsAPixeles(AltoFranjaTwips);
    const int ancho = std::max(1, width() - TwipsAPixeles(60));
    const int alto = std::max(1, height() - 2 * franja);
    m_picejGraf->setGeometry(0, 0, ancho, alto);
    m_picejegraf2->setGeometry(0, alto + 1, ancho, franja);
    m_picejeGraf3->setGeometry(0, alto + franja + 5, ancho, franja);
    m_picejeGraf3->show();
}

void frmGrafica2::RecorreGraf(bool valor)
{
    m_recorre = valor;
    if (valor) {
        QWidget *interior = m_picejGraf->hWnd();
        m_rectGraf = QRect(interior->mapToGlobal(QPoint(0, 0)), interior->size());
    }
}

void frmGrafica2::MuestraAnuncio()
{
    m_picejGraf->hide();
    m_fraAnuncio->move(TwipsAPixeles(1500), TwipsAPixeles(1500));
    m_fraAnuncio->show();
    m_fraAnuncio->raise();
}

void frmGrafica2::MuestraGrafica()
{
    m_fraAnuncio->hide();
    m_picejGraf->show();
}

void frmGrafica2::MuestraGrafiConcepto(int arribaTwips, int izquierdaTwips)
{
    m_fraGrafiConcepto->move(TwipsAPixeles(izquierdaTwips), TwipsAPixeles(arribaTwips));
    m_fraGrafiConcepto->show();
    m_fraGrafiConcepto->raise();
    // No wider than the window; shown, the box has its width and so its
    // lines: it grows to them, and the frame with it, as far as the
    // window's bottom.
    const int margenDerecho = TwipsAPixeles(AnchoMarcoTwips) - m_rtfDasPoli2->x() - TwipsAPixeles(AnchoCajaTwips);
    const int ancho = std::min(TwipsAPixeles(AnchoMarcoTwips), width() - m_fraGrafiConcepto->x());
    m_fraGrafiConcepto->resize(ancho, m_fraGrafiConcepto->height());
    m_rtfDasPoli2->resize(ancho - m_rtfDasPoli2->x() - margenDerecho, m_rtfDasPoli2->height());
    const int arribaCaja = m_rtfDasPoli2->y();
    const int altoDiseno = TwipsAPixeles(AltoCajaTwips);
    const int margenAbajo = TwipsAPixeles(AltoMarcoTwips) - arribaCaja - altoDiseno;
    const int maximo = std::max(altoDiseno, height() - m_fraGrafiConcepto->y() - arribaCaja - margenAbajo);
    const int alto = std::clamp(m_rtfDasPoli2->sizeHint().height(), altoDiseno, maximo);
    m_rtfDasPoli2->resize(m_rtfDasPoli2->width(), alto);
    m_fraGrafiConcepto->resize(m_fraGrafiConcepto->width(), arribaCaja + alto + margenAbajo);
}

void frmGrafica2::picejGraf_MouseMove(int, int, double x, double y)
{
    if (!m_recorre || !PoliActual)
        return;
    m_picejeGraf3->BorraEnCoor(m_lecturaCursor, 45, 2.2);
    m_lecturaCursor = Lectura(x, y);
    m_picejeGraf3->ImprimeEnCoor(m_lecturaCursor, 45, 2.2);
}

void frmGrafica2::picejGraf_MouseDown(int, int, double x, double)
{
    if (!m_recorre || !PoliActual || !PoliActual->Polin())
        return;
    const double yCurva = PoliActual->Polin()->Eval(x);
    PictureEjes &graf = *m_picejGraf;
    const int modo = graf.DrawMode();
    graf.DrawMode(7); // exclusive-or: drawing the mark again removes it
    if (m_hayMarca) {
        dibujaMarca(m_marcaX, m_marcaY, rt::QBColor(11));
        m_hayMarca = false;
    }

    // The pointer goes onto the curve, or just outside the graph's edge.
    const int sx = graf.EscalaX(x) + m_rectGraf.left();
    int sy = graf.EscalaY(yCurva) + m_rectGraf.top();
    if (sy < m_rectGraf.top())
        sy = m_rectGraf.top() - 10;
    else if (sy > m_rectGraf.bottom())
        sy = m_rectGraf.bottom() + 10;
    QCursor::setPos(sx, sy);

    if (graf.MinY() < yCurva && yCurva < graf.MaxY()) {
        dibujaMarca(x, yCurva, rt::QBColor(11));
        m_hayMarca = true;
        m_marcaX = x;
        m_marcaY = yCurva;
    }
    m_picejeGraf3->BorraEnCoor(m_lecturaPunto, 73, 2.2);
    m_lecturaPunto = Lectura(x, yCurva);
    m_picejeGraf3->ImprimeEnCoor(m_lecturaPunto, 73, 2.2);
    graf.DrawMode(modo);
}

void frmGrafica2::dibujaMarca(double x, double y, std::int32_t color)
{
    PictureEjes &graf = *m_picejGraf;
    graf.Rectangulo(graf.muevepixel(0, x, -4), graf.muevepixel(1, y, -4), graf.muevepixel(0, x, 4),
                    graf.muevepixel(1, y, 4), color);
}
