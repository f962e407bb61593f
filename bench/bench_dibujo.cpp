// Time of a redraw of the plotting surface: axes with numbers and grid,
// then P, P' and P'' of a degree-5 polynomial with the pen two pixels
// wide, one vertex per pixel column: segment by segment, and as one
// polyline each, as the graph window draws them; beside a bare QPainter
// drawing the same three curves as polylines on a QImage of the same size.
// At the end a table gives the times per width and the ratio of the
// polyline's to the painter's; its time per column shows whether its cost
// grows linearly with the width.
#include "SuperficieEjes.h"
#include "TiemposPorNombre.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>
#include <vector>

namespace {

constexpr int kAlto = 800;
constexpr double kXmin = -3, kXmax = 3, kYmin = -12, kYmax = 12;
const std::int32_t kColores[3] = {0x0000FF, 0x00A000, 0xFF0000};

// P = x^5 - 5x^3 + 4x = x (x^2 - 1)(x^2 - 4), with P' and P''.
double Evalua(int derivada, double x)
{
    const double x2 = x * x;
    switch (derivada) {
    case 0: return x * (x2 * (x2 - 5) + 4);
    case 1: return x2 * (5 * x2 - 15) + 4;
    default: return x * (20 * x2 - 30);
    }
}

// Redraws of the surface, each curve d drawn by traza(s, d, ancho, dx) with
// dx the world width of one pixel column.
template <typename Traza>
void Redibujos(benchmark::State &estado, Traza traza)
{
    const int ancho = static_cast<int>(estado.range(0));
    SuperficieEjes s;
    s.Redimensiona(ancho, kAlto);
    s.EscalaVentana(kXmin, kYmin, kXmax, kYmax);
    s.ReticulaVisible(true);
    s.NumDeEscVisible(true);
    for (auto _ : estado) {
        s.Redibuja();
        s.DrawWidth(2);
        const double dx = s.muevepixel(SOBREX, kXmin, 1) - kXmin;
        for (int d = 0; d < 3; ++d)
            traza(s, d, ancho, dx);
        s.DrawWidth(1);
        benchmark::DoNotOptimize(s.Lienzo().Imagen().constBits());
    }
}

void Superficie(benchmark::State &estado)
{
    Redibujos(estado, [](SuperficieEjes &s, int d, int ancho, double dx) {
        double x0 = kXmin, y0 = Evalua(d, x0);
        for (int k = 1; k < ancho; ++k) {
            const double x = kXmin + k * dx;
            const double y = Evalua(d, x);
            s.Linea(x0, y0, x, y, kColores[d]);
            x0 = x;
            y0 = y;
        }
    });
}

// The same curves, each drawn as one polyline of the surface.
void SuperficiePolilinea(benchmark::State &estado)
{
    std::vector<QPointF> vertices;
    Redibujos(estado, [&vertices](SuperficieEjes &s, int d, int ancho, double dx) {
        vertices.clear();
        for (int k = 0; k < ancho; ++k) {
            const double x = kXmin + k * dx;
            vertices.emplace_back(x, Evalua(d, x));
        }
        s.Polilinea(vertices, kColores[d]);
    });
}

void QPainterSolo(benchmark::State &estado)
{
    const int ancho = static_cast<int>(estado.range(0));
    QImage imagen(ancho, kAlto, QImage::Format_RGB32);
    for (auto _ : estado) {
        imagen.fill(Qt::white);
        QPainter pintor(&imagen);
        for (int d = 0; d < 3; ++d) {
            QPolygonF linea;
            linea.reserve(ancho);
            for (int k = 0; k < ancho; ++k) {
                const double x = kXmin + (kXmax - kXmin) * k / (ancho - 1);
                const double y = Evalua(d, x);
                linea << QPointF(k, (kYmax - y) / (kYmax - kYmin) * (kAlto - 1));
            }
            pintor.setPen(QPen(QColor::fromRgb(static_cast<QRgb>(kColores[d])), 2));
            pintor.drawPolyline(linea);
        }
        pintor.end();
        benchmark::DoNotOptimize(imagen.constBits());
    }
}


} // namespace

BENCHMARK(Superficie)->Arg(320)->Arg(640)->Arg(1280)->Arg(2560)->Unit(benchmark::kMillisecond);
BENCHMARK(SuperficiePolilinea)->Arg(320)->Arg(640)->Arg(1280)->Arg(2560)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainterSolo)->Arg(320)->Arg(640)->Arg(1280)->Arg(2560)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TiemposPorNombre tabla([](const TiemposPorNombre &t) {
        std::printf("\n%-7s %14s %14s %14s %8s %16s\n", "ancho", "tramos ms", "polilinea ms", "QPainter ms",
                    "razon", "us por columna");
        for (int ancho : {320, 640, 1280, 2560}) {
            const std::string a = std::to_string(ancho);
            const double s = t.Tiempo("Superficie/" + a);
            const double l = t.Tiempo("SuperficiePolilinea/" + a);
            const double q = t.Tiempo("QPainterSolo/" + a);
            if (s > 0 && l > 0 && q > 0)
                std::printf("%-7d %14.3f %14.3f %14.3f %8.2f %16.3f\n", ancho, s, l, q, l / q, l * 1000 / ancho);
        }
    });
    benchmark::RunSpecifiedBenchmarks(&tabla);
    benchmark::Shutdown();
}
