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
    connect(m_caja, &CajaPlotrane::Raton, this, [this](int tipo, int boton, int shift, double x, double y) {
        // The box's pixel position to world units, at the window of the moment.
        const double mx = m_superficie->PixelToReal(SOBREX, int(rt::RedondeaPar(x)));
        const double my = m_superficie->PixelToReal(SOBREY, int(rt::RedondeaPar(y)));
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
    m_caja->setGeometry(0, 0, width(), height());
    m_superficie->Redimensiona(width(), height());
}

void PictureEjes::showEvent(QShowEvent *)
{
    m_superficie->Redibuja();
}

double PictureEjes::MinX() const { return m_superficie->MinX(); }
void PictureEjes::MinX(double valor) { m_superficie->MinX(valor); }
double PictureEjes::MaxX() const { return m_superficie->MaxX(); }
void PictureEjes::MaxX(double valor) { m_superficie->MaxX(valor); }
double PictureEjes::MinY() const { return m_superficie->MinY(); }
void PictureEjes::MinY(double valor) { m_superficie->MinY(valor); }
double PictureEjes::MaxY() const { return m_superficie->MaxY(); }
void PictureEjes::MaxY(double valor) { m_superficie->MaxY(valor); }
double PictureEjes::Escx() const { return m_superficie->Escx(); }
void PictureEjes::Escx(double valor) { m_superficie->Escx(valor); }
double PictureEjes::Escy() const { return m_superficie->Escy(); }
void PictureEjes::Escy(double valor) { m_superficie->Escy(valor); }

bool PictureEjes::EjesVisibles() const { return m_superficie->EjesVisibles(); }
void PictureEjes::EjesVisibles(bool valor) { m_superficie->EjesVisibles(valor); }
bool PictureEjes::ReticulaVisible() const { return m_superficie->ReticulaVisible(); }
void PictureEjes::ReticulaVisible(bool valor) { m_superficie->ReticulaVisible(valor); }
bool PictureEjes::NumDeEscVisible() const { return m_superficie->NumDeEscVisible(); }
void PictureEjes::NumDeEscVisible(bool valor) { m_superficie->NumDeEscVisible(valor); }
int PictureEjes::FrecNumEscX() const { return m_superficie->FrecNumEscX(); }
void PictureEjes::FrecNumEscX(int valor) { m_superficie->FrecNumEscX(valor); }
int PictureEjes::FrecNumEscY() const { return m_superficie->FrecNumEscY(); }
void PictureEjes::FrecNumEscY(int valor) { m_superficie->FrecNumEscY(valor); }
QString PictureEjes::EtiquetaX() const { return m_superficie->EtiquetaX(); }
void PictureEjes::EtiquetaX(const QString &valor) { m_superficie->EtiquetaX(valor); }
QString PictureEjes::EtiquetaY() const { return m_superficie->EtiquetaY(); }
void PictureEjes::EtiquetaY(const QString &valor) { m_superficie->EtiquetaY(valor); }

bool PictureEjes::AutoReDraw() const { return m_superficie->Lienzo().AutoRedraw(); }
void PictureEjes::AutoReDraw(bool valor) { m_superficie->AutoReDraw(valor); }
std::int32_t PictureEjes::BackColor() const { return m_superficie->Lienzo().BackColor(); }
void PictureEjes::BackColor(std::int32_t valor) { m_superficie->BackColor(valor); }
std::int32_t PictureEjes::ColorEjes() const { return m_superficie->ColorEjes(); }
void PictureEjes::ColorEjes(std::int32_t valor) { m_superficie->ColorEjes(valor); }
int PictureEjes::DrawWidth() const { return m_superficie->Lienzo().DrawWidth(); }
void PictureEjes::DrawWidth(int valor) { m_superficie->DrawWidth(valor); }
int PictureEjes::DrawMode() const { return m_superficie->Lienzo().DrawMode(); }
void PictureEjes::DrawMode(int valor) { m_superficie->DrawMode(valor); }
std::int32_t PictureEjes::FillColor() const { return m_superficie->Lienzo().FillColor(); }
void PictureEjes::FillColor(std::int32_t valor) { m_superficie->FillColor(valor); }
int PictureEjes::FillStyle() const { return m_superficie->Lienzo().FillStyle(); }
void PictureEjes::FillStyle(int valor) { m_superficie->FillStyle(valor); }
std::int32_t PictureEjes::ForeColor() const { return m_superficie->Lienzo().ForeColor(); }
void PictureEjes::ForeColor(std::int32_t valor) { m_superficie->ForeColor(valor); }
QFont PictureEjes::Font() const { return m_superficie->Lienzo().Fuente(); }
void PictureEjes::Font(const QFont &valor) { m_superficie->Font(valor); }
QString PictureEjes::FontName() const { return m_superficie->Lienzo().NombreFuente(); }
void PictureEjes::FontName(const QString &nombre) { m_superficie->Lienzo().NombreFuente(nombre); }
double PictureEjes::FontSize() const { return m_superficie->Lienzo().TamanoFuente(); }
void PictureEjes::FontSize(double puntos) { m_superficie->Lienzo().TamanoFuente(puntos); }
bool PictureEjes::FontBold() const { return m_superficie->Lienzo().NegritaFuente(); }
void PictureEjes::FontBold(bool negrita) { m_superficie->Lienzo().NegritaFuente(negrita); }

double PictureEjes::Xactual() const { return m_superficie->Xactual(); }
void PictureEjes::Xactual(double valor) { m_superficie->Xactual(valor); }
double PictureEjes::Yactual() const { return m_superficie->Yactual(); }
void PictureEjes::Yactual(double valor) { m_superficie->Yactual(valor); }

double PictureEjes::PixelToReal(int eje, int p) const { return m_superficie->PixelToReal(eje, p); }
int PictureEjes::EscalaX(double x) const { return m_superficie->EscalaX(x); }
int PictureEjes::EscalaY(double y) const { return m_superficie->EscalaY(y); }
void PictureEjes::EscalaVentana(double xinf, double yinf, double xsup, double ysup)
{
    m_superficie->EscalaVentana(xinf, yinf, xsup, ysup);
}
double PictureEjes::muevepixel(int eje, double coorR, int despl) const
{
    return m_superficie->muevepixel(eje, coorR, despl);
}

void PictureEjes::Linea(double x1, double y1, double x2, double y2, std::int32_t color)
{
    m_superficie->Linea(x1, y1, x2, y2, color);
}
void PictureEjes::Rectangulo(double x1, double y1, double x2, double y2, std::int32_t color)
{
    m_superficie->Rectangulo(x1, y1, x2, y2, color);
}
void PictureEjes::Punto(double x, double y, std::int32_t color) { m_superficie->Punto(x, y, color); }
void PictureEjes::Circulo(double x, double y, double r, std::int32_t color, float ini, float fin, float asp)
{
    m_superficie->Circulo(x, y, r, color, ini, fin, asp);
}
void PictureEjes::disco(double x, double y, int rpix, std::int32_t color, bool lleno)
{
    m_superficie->disco(x, y, rpix, color, lleno);
}
double PictureEjes::AnchoTexto(const QString &cad) const { return m_superficie->AnchoTexto(cad); }
void PictureEjes::imprime(const QString &cad) { m_superficie->imprime(cad); }
void PictureEjes::ImprimeEnCoor(const QString &cad, double x, double y) { m_superficie->ImprimeEnCoor(cad, x, y); }
void PictureEjes::BorraEnCoor(const QString &cad, double x, double y) { m_superficie->BorraEnCoor(cad, x, y); }
void PictureEjes::Limpia() { m_superficie->Limpia(); }
void PictureEjes::TrazaEjes(double Posx, double Posy) { m_superficie->TrazaEjes(Posx, Posy); }
void PictureEjes::Plotrane_Paint() { emit Paint(); }

QWidget *PictureEjes::hWnd() const { return m_caja; }
int PictureEjes::DrawStyle() const { return m_superficie->Lienzo().DrawStyle(); }
void PictureEjes::DrawStyle(int valor) { m_superficie->DrawStyle(valor); }

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

const QImage &PictureEjes::Imagen() const { return m_superficie->Lienzo().Imagen(); }
