#include "BandaConSigno.h"

#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "TextoNumero.h"

#include <QComboBox>

const EstiloBanda EstiloSigno{"El signo es:", false, 10};

namespace {

std::string Palabra(int signo)
{
    return signo > 0 ? "positiva" : "negativa";
}

} // namespace

BandasSigno CalculaBandas(const std::vector<std::int16_t> &raices, int n, int primerSigno,
                          const EstiloBanda &estilo)
{
    BandasSigno b;
    b.raizDistinta.push_back(0);
    std::vector<int> multiplicidad{0};
    for (int i = 1; i <= n; ++i) {
        const std::int16_t r = raices.at(static_cast<std::size_t>(i));
        if (i == 1 || r != raices.at(static_cast<std::size_t>(i - 1))) {
            b.raizDistinta.push_back(r);
            multiplicidad.push_back(1);
        } else {
            ++multiplicidad.back();
        }
    }
    const int k = static_cast<int>(b.raizDistinta.size()) - 1;
    b.numDistintas = k;
    b.raizDistinta.push_back(0); // the check's sentinel

    int signo = primerSigno > 0 ? 1 : -1;
    b.signoBanda.push_back(signo);
    for (int j = 1; j <= k; ++j) {
        if (multiplicidad[static_cast<std::size_t>(j)] % 2 != 0)
            signo = -signo;
        b.signoBanda.push_back(signo);
    }

    const auto R = [&b](int j) { return rt::CStr(b.raizDistinta[static_cast<std::size_t>(j)]); };
    const auto S = [&b](int j) { return b.signoBanda[static_cast<std::size_t>(j)]; };
    const std::string blanco = estilo.blancoAntesPalabra ? " " : "";
    b.lineas.push_back(estilo.encabezado);
    b.lineas.push_back("( - inf," + R(1) + ")" + Palabra(S(0)));
    for (int j = 1; j < k; ++j)
        b.lineas.push_back("(" + R(j) + "," + R(j + 1) + ")" + blanco + Palabra(S(j)));
    b.lineas.push_back("( " + R(k) + ",+ inf)" + blanco + Palabra(S(k)));
    return b;
}

BandasSigno PoneBandaConSigno(double xInicio, double altura, const std::vector<std::int16_t> &raices, int n,
                              int primerSigno, const std::string &titulo, const EstiloBanda &estilo,
                              QComboBox &lista)
{
    BandasSigno b = CalculaBandas(raices, n, primerSigno, estilo);
    for (const std::string &linea : b.lineas)
        lista.addItem(QString::fromStdString(linea));

    VentanaDibujo *ventana = VentanaGraficaActual();
    if (!ventana)
        return b;
    const PictureEjes &graf = ventana->picejGraf();
    PictureEjes &franja = ventana->Picejegraf2();
    franja.MinX(graf.MinX());
    franja.MaxX(graf.MaxX());
    franja.Linea(franja.MinX(), 3, franja.MaxX(), 3, rt::QBColor(2));
    franja.Xactual(xInicio);
    franja.Yactual(altura);
    franja.ForeColor(rt::QBColor(3));
    franja.FontSize(12);
    franja.FontBold(true);
    franja.imprime(QString::fromStdString(titulo));
    franja.FontBold(false);
    franja.FontSize(estilo.tamSimbolo);
    franja.ForeColor(rt::QBColor(1));

    const int k = b.numDistintas;
    const auto simbolo = [&b](int j) { return b.signoBanda[static_cast<std::size_t>(j)] > 0 ? "+" : "-"; };
    // Each band between its roots (the first from the title on), so that
    // no band's marks run into its neighbour's.
    const auto raiz = [&b](int j) { return b.raizDistinta[static_cast<std::size_t>(j)]; };
    double desde = franja.Xactual();
    for (int j = 1; j <= k; ++j) {
        RepiteMarca(franja, simbolo(j - 1), desde, raiz(j), 0.2);
        desde = raiz(j);
    }
    RepiteMarca(franja, simbolo(k), desde, franja.MaxX(), 0.2);
    return b;
}
