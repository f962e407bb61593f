#include "dibujo.h"

#include "Utilerias.h"
#include "VentanaDibujo.h"
#include "VentanaGrafica.h"
#include "Ventanas.h"

#include "EnumeracionesEjes.h"
#include "PictureEjes.h"

#include "Entero16.h"
#include "QBColor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

std::string LeyendaX;
std::string LeyendaY;
std::array<double, 2> PosLeyendaX{};
std::array<double, 2> PosLeyendaY{};

namespace {
// Places on the legend panel.
constexpr std::array<double, 2> LugarLeyendaX{1, 3};
constexpr std::array<double, 2> LugarLeyendaY{1, 2.4};
constexpr std::array<double, 2> LugarRecuadroX{1, 1.7};
constexpr std::array<double, 2> LugarRecuadroY{1, 1.1};

// The most columns a surface can have (its pixel range).
constexpr long MaxColumnas = 65520;

std::string Unidad(double paso)
{
    return paso == 1 ? " unidad x marca" : " unids. x marca";
}

void Escribe(PictureEjes &panel, const std::string &texto, const std::array<double, 2> &lugar)
{
    panel.ImprimeEnCoor(QString::fromStdString(texto), lugar[0], lugar[1]);
}

void Borra(PictureEjes &panel, const std::string &texto, const std::array<double, 2> &lugar)
{
    panel.BorraEnCoor(QString::fromStdString(texto), lugar[0], lugar[1]);
}

void RotulosDeLectura(VentanaDibujo &ventana)
{
    if (!ventana.RecorreGraf())
        return;
    ventana.PicejeGraf3().ImprimeEnCoor(QStringLiteral("Coordenadas del cursor"), 43, 3);
    ventana.PicejeGraf3().ImprimeEnCoor(QStringLiteral("Punto sobre la gráfica"), 70, 3);
}

// The step for a tenth of a box's span: larger steps are rounded up by a half first.
double PasoRecuadro(double paso)
{
    return paso > 1 ? RedondeaEscala(paso + 0.5) : RedondeaEscala(paso);
}
} // namespace

double RedondeaEscala(double x)
{
    if (!std::isfinite(x))
        return x;
    if (std::fabs(x) > 1) {
        x = rt::RedondeaPar(x);
        int k = 0;
        while (std::fabs(x) > 10) {
            x = rt::RedondeaPar(x / 10);
            ++k;
        }
        for (int i = 0; i < k; ++i)
            x *= 10;
        return x;
    }
    if (x != 0 && std::fabs(x) < 1) {
        int k = 0;
        while (std::fabs(x) < 1) {
            x *= 10;
            ++k;
        }
        x = rt::RedondeaPar(x);
        // Read back from text, so that 4e-2 is the Double nearest to 0.04.
        char texto[64];
        std::snprintf(texto, sizeof texto, "%.0fe-%d", x, k);
        return std::strtod(texto, nullptr);
    }
    return x;
}

void MuestraEscalaEjes(CollFuncPolin &fp)
{
    CalculaVentana(fp);
    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana)
        return;
    PictureEjes &graf = ventana->picejGraf();
    graf.EjesVisibles(false);
    graf.EscalaVentana(fp.Xmin(), fp.Ymin(), fp.Xmax(), fp.Ymax());
    graf.Escx(RedondeaEscala((fp.Xmax() - fp.Xmin()) / 10 + 0.5));
    graf.Escy(RedondeaEscala((fp.Ymax() - fp.Ymin()) / 10 + 0.5));
    graf.EjesVisibles(true);

    PictureEjes &panel = ventana->PicejeGraf3();
    Borra(panel, LeyendaX, LugarLeyendaX);
    Borra(panel, LeyendaY, LugarLeyendaY);
    LeyendaX = "Eje X: " + FormateaNumero(graf.Escx()) + Unidad(graf.Escx());
    LeyendaY = "Eje Y: " + FormateaNumero(graf.Escy()) + Unidad(graf.Escy());
    Escribe(panel, LeyendaX, LugarLeyendaX);
    Escribe(panel, LeyendaY, LugarLeyendaY);
    RotulosDeLectura(*ventana);
}

void MuestraEscalaRecuadro(PictureEjes &graf, double xinf, double xsup, double yinf, double ysup)
{
    graf.EjesVisibles(false);
    graf.EscalaVentana(xinf, yinf, xsup, ysup);
    graf.Escx(PasoRecuadro((xsup - xinf) / 10));
    graf.Escy(PasoRecuadro((ysup - yinf) / 10));
    graf.EjesVisibles(true);
    // Legends tell the steps just set, each with its own unit word.
    const std::string pasoX = FormateaNumero(graf.Escx()) + Unidad(graf.Escx());
    const std::string pasoY = FormateaNumero(graf.Escy()) + Unidad(graf.Escy());

    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana)
        return;
    PictureEjes &panel = ventana->PicejeGraf3();
    const auto zoomValido = [] { return Ventanas().escalaZoomValida && Ventanas().escalaZoomValida(); };
    // The panel tells the main graph's steps: another surface's window (the
    // algebra plot) leaves it, and the legends kept for it, as they are.
    if (&graf != &ventana->picejGraf() && !zoomValido())
        return;
    if (zoomValido() && PosLeyendaX[1] == LugarRecuadroX[1]) {
        Borra(panel, LeyendaX, PosLeyendaX);
        Borra(panel, LeyendaY, PosLeyendaY);
    }
    if (zoomValido()) {
        LeyendaX = "Escala Recuadro; Eje X: " + pasoX;
        LeyendaY = "Escala Recuadro; Eje Y: " + pasoY;
        PosLeyendaX = LugarRecuadroX;
        PosLeyendaY = LugarRecuadroY;
    } else {
        panel.Limpia();
        LeyendaX = "Eje X: " + pasoX;
        LeyendaY = "Eje Y: " + pasoY;
        PosLeyendaX = LugarLeyendaX;
        PosLeyendaY = LugarLeyendaY;
        Escribe(panel, LeyendaX, PosLeyendaX);
        Escribe(panel, LeyendaY, PosLeyendaY);
    }
    RotulosDeLectura(*ventana);
}

void GraficaPolinomio(const Collpolinomio &p, PictureEjes &graf, std::int32_t color, int modo)
{
    const double xmin = graf.MinX();
    const double xmax = graf.MaxX();
    const double x0 = xmin - 0.00001;
    std::vector<QPointF> vertices{{x0, p.Eval(x0)}, {xmin, p.Eval(xmin)}};
    // One vertex per pixel column, counted in whole columns so that the
    // walk always ends.
    const double dx = graf.muevepixel(SOBREX, x0, 1) - x0;
    long n = 0;
    if (dx > 0 && std::isfinite(dx)) {
        const double columnas = std::floor((xmax - xmin) / dx + 1e-9);
        n = columnas < MaxColumnas ? static_cast<long>(columnas) : MaxColumnas;
    }
    vertices.reserve(static_cast<std::size_t>(n) + 2);
    for (long k = 1; k <= n; ++k) {
        const double x = xmin + static_cast<double>(k) * dx;
        vertices.emplace_back(x, p.Eval(x));
    }
    // One shape, so that in exclusive-or mode the joints between the
    // columns are not inverted twice.
    graf.DrawWidth(2);
    graf.DrawMode(modo);
    graf.Polilinea(vertices, color);
    graf.DrawWidth(1);
    graf.DrawMode(13);
}

void MarcaAbscisas(double x, double y, int tam, bool conLinea, std::int32_t color)
{
    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana)
        return;
    PictureEjes &graf = ventana->picejGraf();
    if (!(graf.MinX() <= x && x <= graf.MaxX()))
        return;
    graf.disco(x, y, tam, color);
    if (conLinea) {
        graf.DrawStyle(2);
        graf.Linea(x, y, x, 0, ColorLineaMarca);
        graf.DrawStyle(0);
    }
}

void ColorRgbMarca(const std::vector<double> &xs, const std::vector<double> &ys, int n)
{
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (k >= xs.size() || k >= ys.size())
            return;
        MarcaAbscisas(xs[k], ys[k], 5, false, ColorLineaMarca);
    }
}

void DibujaBandaSigno(double xini, double y, double xfin, const std::string &marca, const std::string &rotulo)
{
    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana || marca.empty())
        return;
    PictureEjes &franja = ventana->Picejegraf2();
    franja.Xactual(ventana->picejGraf().MinX());
    franja.Yactual(y);
    franja.ForeColor(ColorRotuloBanda);
    franja.FontSize(12);
    franja.FontBold(true);
    franja.imprime(QString::fromStdString(rotulo));
    franja.FontBold(false);

    franja.Yactual(y);
    RepiteMarca(franja, marca, xini, xfin, 0);
}

void RepiteMarca(PictureEjes &franja, const std::string &marca, double desde, double hasta, double paso)
{
    const QString texto = QString::fromStdString(marca);
    const double fin = std::min(hasta, franja.MaxX());
    if (texto.isEmpty() || !(fin > desde))
        return;
    const double ancho = franja.AnchoTexto(texto);
    // A strip is a few thousand pixels at most: this bounds a tiny step.
    constexpr int MaximoMarcas = 4000;
    int escritas = 0;
    for (double x = desde; x + ancho <= fin && escritas < MaximoMarcas;) {
        franja.Xactual(x);
        franja.imprimeEntre(texto, desde, fin);
        ++escritas;
        const double siguiente = franja.Xactual() + paso;
        if (!(siguiente > x))
            break;
        x = siguiente;
    }
    if (escritas == 0) {
        franja.Xactual((desde + fin - ancho) / 2);
        franja.imprimeEntre(texto, desde, fin);
    }
}

void DibujaLeyendaCurvas()
{
    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana)
        return;
    PictureEjes &banda = ventana->Picejegraf2();
    const PictureEjes &graf = ventana->picejGraf();
    banda.ForeColor(rt::QBColor(2));
    banda.FontBold(true);
    banda.MinY(0);
    banda.MaxY(3);
    banda.MinX(graf.MinX());
    banda.MaxX(graf.MaxX());
    const char *curvas[3] = {"f", "f'", "f''"};
    for (int nivel = 3; nivel >= 1; --nivel) {
        banda.Linea(banda.MinX(), nivel, banda.MaxX(), nivel, rt::QBColor(2));
        banda.Xactual(banda.MinX());
        banda.Yactual(nivel);
        banda.imprime(QString::fromLatin1(curvas[3 - nivel]));
    }
    banda.ForeColor(rt::QBColor(3));
}

void OlvidaLeyendas()
{
    LeyendaX.clear();
    LeyendaY.clear();
    PosLeyendaX = {};
    PosLeyendaY = {};
}
