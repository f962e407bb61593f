#include "PictureEjes.h"

#include "CajaPlotrane.h"
#include "SuperficieEjes.h"

#include <QCursor>

#include "Entero16.h"

#include <iterator>

PictureEjes::PictureEjes(QWidget *parent)
    : QWidget(parent)
    , m_superficie(std::make_unique<SuperficieEjes>())
    , m_caja(new CajaPlotrane(m_superficie->Lienzo(), this))
{
    m_caja->setObjectName(QStringLiteral("Plotrane"));
    m_superficie->Lienzo().AlCambiar = [this] { m_caja->update(); };
    m_superficie->AlCambiarPropiedad = [this](const QString &nombre) { emit PropiedadCambiada(nombre); };
    m_superficie->AlBorrar = [this] { emit Borrada(); };
    connect(m_caja, &CajaPlotrane::Raton, this, [this](int tipo, int boton, int shift, double x, double y) {
        // The box's pixel position to world units, at the window of the moment.
        const double mx = Superficie().PixelToReal(SOBREX, int(rt::RedondeaPar(x)));
        const double my = Superficie().PixelToReal(SOBREY, int(rt::RedondeaPar(y)));
        switch (tipo) {
        case 0: emit MouseUp(boton, shift, mx, my); break;
        case 1: emit MouseDown(boton, shift, mx, my); break;
        default: emit MouseMove(boton, shift, mx, my); break;
        }
    });
    connect(m_caja, &CajaPlotrane::Pintada, this, &PictureEjes::Plotrane_Paint);
    m_caja->setGeometry(0, 0, width(), height());
    m_superficie->Lienzo().Redimensiona(width(), height());
}

PictureEjes::~PictureEjes() = default;

void PictureEjes::resizeEvent(QResizeEvent *)
{
    SigueTamano();
}

void PictureEjes::SigueTamano() const
{
    // Qt may hold back the resize of a hidden widget; the box follows the
    // size before anything is converted or drawn, as if it had at once.
    const LienzoImagen &lienzo = m_superficie->Lienzo();
    if (lienzo.Ancho() == width() && lienzo.Alto() == height())
        return;
    m_caja->setGeometry(0, 0, width(), height());
    m_superficie->Redimensiona(width(), height());
}

SuperficieEjes &PictureEjes::Superficie() const
{
    SigueTamano();
    return *m_superficie;
}

void PictureEjes::showEvent(QShowEvent *)
{
    Superficie().Redibuja();
}

double PictureEjes::MinX() const { return Superficie().MinX(); }
void PictureEjes::MinX(double valor) { Superficie().MinX(valor); }
double PictureEjes::MaxX() const { return Superficie().MaxX(); }
void PictureEjes::MaxX(double valor) { Superficie().MaxX(valor); }
double PictureEjes::MinY() const { return Superficie().MinY(); }
void PictureEjes::MinY(double valor) { Superficie().MinY(valor); }
double PictureEjes::MaxY() const { return Superficie().MaxY(); }
void PictureEjes::MaxY(double valor) { Superficie().MaxY(valor); }
double PictureEjes::Escx() const { return Superficie().Escx(); }
void PictureEjes::Escx(double valor) { Superficie().Escx(valor); }
double PictureEjes::Escy() const { return Superficie().Escy(); }
void PictureEjes::Escy(double valor) { Superficie().Escy(valor); }

bool PictureEjes::EjesVisibles() const { return Superficie().EjesVisibles(); }
void PictureEjes::EjesVisibles(bool valor) { Superficie().EjesVisibles(valor); }
bool PictureEjes::ReticulaVisible() const { return Superficie().ReticulaVisible(); }
void PictureEjes::ReticulaVisible(bool valor) { Superficie().ReticulaVisible(valor); }
bool PictureEjes::NumDeEscVisible() const { return Superficie().NumDeEscVisible(); }
void PictureEjes::NumDeEscVisible(bool valor) { Superficie().NumDeEscVisible(valor); }
int PictureEjes::FrecNumEscX() const { return Superficie().FrecNumEscX(); }
void PictureEjes::FrecNumEscX(int valor) { Superficie().FrecNumEscX(valor); }
int PictureEjes::FrecNumEscY() const { return Superficie().FrecNumEscY(); }
void PictureEjes::FrecNumEscY(int valor) { Superficie().FrecNumEscY(valor); }
QString PictureEjes::EtiquetaX() const { return Superficie().EtiquetaX(); }
void PictureEjes::EtiquetaX(const QString &valor) { Superficie().EtiquetaX(valor); }
QString PictureEjes::EtiquetaY() const { return Superficie().EtiquetaY(); }
void PictureEjes::EtiquetaY(const QString &valor) { Superficie().EtiquetaY(valor); }

bool PictureEjes::AutoReDraw() const { return Superficie().Lienzo().AutoRedraw(); }
void PictureEjes::AutoReDraw(bool valor) { Superficie().AutoReDraw(valor); }
std::int32_t PictureEjes::BackColor() const { return Superficie().Lienzo().BackColor(); }
void PictureEjes::BackColor(std::int32_t valor) { Superficie().BackColor(valor); }
std::int32_t PictureEjes::ColorEjes() const { return Superficie().ColorEjes(); }
void PictureEjes::ColorEjes(std::int32_t valor) { Superficie().ColorEjes(valor); }
int PictureEjes::DrawWidth() const { return Superficie().Lienzo().DrawWidth(); }
void PictureEjes::DrawWidth(int valor) { Superficie().DrawWidth(valor); }
int PictureEjes::DrawMode() const { return Superficie().Lienzo().DrawMode(); }
void PictureEjes::DrawMode(int valor) { Superficie().DrawMode(valor); }
std::int32_t PictureEjes::FillColor() const { return Superficie().Lienzo().FillColor(); }
void PictureEjes::FillColor(std::int32_t valor) { Superficie().FillColor(valor); }
int PictureEjes::FillStyle() const { return Superficie().Lienzo().FillStyle(); }
void PictureEjes::FillStyle(int valor) { Superficie().FillStyle(valor); }
std::int32_t PictureEjes::ForeColor() const { return Superficie().Lienzo().ForeColor(); }
void PictureEjes::ForeColor(std::int32_t valor) { Superficie().ForeColor(valor); }
QFont PictureEjes::Font() const { return Superficie().Lienzo().Fuente(); }
void PictureEjes::Font(const QFont &valor) { Superficie().Font(valor); }
QString PictureEjes::FontName() const { return Superficie().Lienzo().NombreFuente(); }
void PictureEjes::FontName(const QString &nombre) { Superficie().Lienzo().NombreFuente(nombre); }
double PictureEjes::FontSize() const { return Superficie().Lienzo().TamanoFuente(); }
void PictureEjes::FontSize(double puntos) { Superficie().Lienzo().TamanoFuente(puntos); }
bool PictureEjes::FontBold() const { return Superficie().Lienzo().NegritaFuente(); }
void PictureEjes::FontBold(bool negrita) { Superficie().Lienzo().NegritaFuente(negrita); }

double PictureEjes::Xactual() const { return Superficie().Xactual(); }
void PictureEjes::Xactual(double valor) { Superficie().Xactual(valor); }
double PictureEjes::Yactual() const { return Superficie().Yactual(); }
void PictureEjes::Yactual(double valor) { Superficie().Yactual(valor); }

double PictureEjes::PixelToReal(int eje, int p) const { return Superficie().PixelToReal(eje, p); }
int PictureEjes::EscalaX(double x) const { return Superficie().EscalaX(x); }
int PictureEjes::EscalaY(double y) const { return Superficie().EscalaY(y); }
void PictureEjes::EscalaVentana(double xinf, double yinf, double xsup, double ysup)
{
    Superficie().EscalaVentana(xinf, yinf, xsup, ysup);
}
double PictureEjes::muevepixel(int eje, double coorR, int despl) const
{
    return Superficie().muevepixel(eje, coorR, despl);
}

void PictureEjes::Linea(double x1, double y1, double x2, double y2, std::int32_t color)
{
    Superficie().Linea(x1, y1, x2, y2, color);
}
void PictureEjes::Polilinea(const std::vector<QPointF> &puntos, std::int32_t color)
{
    Superficie().Polilinea(puntos, color);
}
void PictureEjes::Rectangulo(double x1, double y1, double x2, double y2, std::int32_t color)
{
    Superficie().Rectangulo(x1, y1, x2, y2, color);
}
void PictureEjes::Punto(double x, double y, std::int32_t color) { Superficie().Punto(x, y, color); }
void PictureEjes::Circulo(double x, double y, double r, std::int32_t color, float ini, float fin, float asp)
{
    Superficie().Circulo(x, y, r, color, ini, fin, asp);
}
void PictureEjes::disco(double x, double y, int rpix, std::int32_t color, bool lleno)
{
    Superficie().disco(x, y, rpix, color, lleno);
}
double PictureEjes::AnchoTexto(const QString &cad) const { return Superficie().AnchoTexto(cad); }
void PictureEjes::imprime(const QString &cad) { Superficie().imprime(cad); }
void PictureEjes::imprimeEntre(const QString &cad, double desde, double hasta)
{
    Superficie().imprimeEntre(cad, desde, hasta);
}
void PictureEjes::ImprimeEnCoor(const QString &cad, double x, double y) { Superficie().ImprimeEnCoor(cad, x, y); }
void PictureEjes::BorraEnCoor(const QString &cad, double x, double y) { Superficie().BorraEnCoor(cad, x, y); }
void PictureEjes::Limpia() { Superficie().Limpia(); }
void PictureEjes::TrazaEjes(double Posx, double Posy) { Superficie().TrazaEjes(Posx, Posy); }
void PictureEjes::Plotrane_Paint() { emit Paint(); }

QWidget *PictureEjes::hWnd() const { return m_caja; }
int PictureEjes::DrawStyle() const { return Superficie().Lienzo().DrawStyle(); }
void PictureEjes::DrawStyle(int valor) { Superficie().DrawStyle(valor); }

QPixmap PictureEjes::MouseIcon() const { return m_icono; }
void PictureEjes::MouseIcon(const QPixmap &icono)
{
    m_icono = icono;
    AplicaPuntero();
    emit PropiedadCambiada(QStringLiteral("MouseIcon"));
}
int PictureEjes::MousePointer() const { return m_puntero; }
void PictureEjes::MousePointer(int valor)
{
    m_puntero = valor;
    AplicaPuntero();
    emit PropiedadCambiada(QStringLiteral("MousePointer"));
}

void PictureEjes::AplicaPuntero()
{
    // The classic pointer numbers; 99 is the custom icon.
    static const Qt::CursorShape formas[] = {
        Qt::ArrowCursor, Qt::ArrowCursor, Qt::CrossCursor, Qt::IBeamCursor, Qt::ArrowCursor,
        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor, Qt::UpArrowCursor, Qt::WaitCursor, Qt::ForbiddenCursor,
        Qt::BusyCursor, Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (m_puntero == 99 && !m_icono.isNull())
        m_caja->setCursor(QCursor(m_icono));
    else if (m_puntero > 0 && m_puntero < int(std::size(formas)))
        m_caja->setCursor(formas[m_puntero]);
    else
        m_caja->unsetCursor();
}

const QImage &PictureEjes::Imagen() const { return Superficie().Lienzo().Imagen(); }
