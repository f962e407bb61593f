#include "EntradaPolinomio.h"

#include "ClsParserPoli.h"
#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"
#include "Utilerias.h"
#include "Ventanas.h"

#include "Grid.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "Twips.h"
#include "UCDextavo.h"

#include "Azar.h"
#include "Entero16.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::int16_t ErrorCajaVaciaPar = 125;
constexpr std::int16_t ErrorCajaVaciaImpar = 224;
constexpr std::int16_t ErrorPoliIgual = 79;
// Parser codes with a row of their own in the error table (180 + code):
// 1 to 28, and those for parentheses nested too deep and for coefficients
// too long.
constexpr int UltimoCodigoConFila = ClsParserPoli::CodigoGradoExcesivo;
// The row for a code without one: a general writing error.
constexpr std::int16_t FilaErrorEscritura = 187;

// A box counts as hidden only when it was hidden on purpose: one in a
// window not shown yet is as visible as the window will be.
bool Oculta(const QWidget &caja)
{
    return caja.isHidden() && caja.testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The common part of the empty-box check; desbloquea unlocks the box.
template <typename Desbloquea>
void RevisaVacia(QWidget &caja, bool textoVacio, Desbloquea desbloquea, bool &vacia)
{
    const bool par = rt::EnteroAzar0(20) % 2 == 0; // drawn at every call
    if (Oculta(caja)) {
        vacia = true;
        return;
    }
    if (!textoVacio) {
        vacia = false;
        return;
    }
    MuestraError("", par ? ErrorCajaVaciaPar : ErrorCajaVaciaImpar);
    desbloquea();
    caja.setFocus();
    vacia = true;
}
} // namespace

std::int16_t FilaErrorParser(int codigo)
{
    if ((codigo >= 1 && codigo <= UltimoCodigoConFila) || codigo == ClsParserPoli::CodigoAnidamiento
        || codigo == ClsParserPoli::CodigoCoeficientesLargos)
        return static_cast<std::int16_t>(ErrorGenerico + codigo);
    return FilaErrorEscritura;
}

int PosicionCursorError(const std::string &lineal, int posError)
{
    int exponentes = 0;
    // posError is an offset; a "^" counts when its position, counted from
    // 1, lies below it.
    for (int i = 0; i + 1 < posError && i < static_cast<int>(lineal.size()); ++i)
        if (lineal[static_cast<std::size_t>(i)] == '^')
            ++exponentes;
    return std::max(0, posError - 3 * exponentes);
}

void LeeCajaPoli(RichTextPolin &caja, PoliPtr &p)
{
    p.reset();
    // Positions count characters; the linear text is ASCII but for the
    // separator, so counting bytes of its Latin-1 form is the same.
    const QString lineal = caja.CadPol();
    int posicion = 0;
    const int codigo = ParserPoli().Polinomio(lineal.toStdString(), p, posicion);
    if (codigo == 0)
        return;
    ErrorPoli = true;
    MuestraError("", FilaErrorParser(codigo));
    caja.SelStart(PosicionCursorError(caja.CadPol().toLatin1().toStdString(), posicion));
}

bool CajaPoliConError(RichTextPolin &caja, PoliPtr &p)
{
    LeeCajaPoli(caja, p);
    if (!ErrorPoli)
        return false;
    ErrorPoli = false;
    caja.Locked(false);
    caja.setFocus();
    return true;
}

void CajaVacia(RichTextPolin &caja, bool &vacia)
{
    RevisaVacia(caja, caja.Text().isEmpty(), [&] { caja.Locked(false); }, vacia);
}

void CajaVacia(UCDextavo &caja, bool &vacia)
{
    RevisaVacia(caja, caja.Text().isEmpty(), [&] { caja.Locked(false); }, vacia);
}

void CajaVacia(RichTextBox &caja, bool &vacia)
{
    RevisaVacia(caja, caja.Text().empty(), [&] { caja.SetLocked(false); }, vacia);
}

void PoliIgualError(const Collpolinomio &p, const Collpolinomio &q, RichTextPolin &caja, bool &igual)
{
    igual = p.Diferente(q, 1E-06)->Cuenta() == 0;
    if (!igual)
        return;
    MuestraError("", ErrorPoliIgual);
    caja.Locked(false);
    caja.setFocus();
}

std::int16_t DecimalesTabla(double desde, double paso)
{
    const double a = std::fabs(100 * desde);
    const double b = std::fabs(100 * paso);
    std::int16_t d = 3;
    if (b >= a && a == 0)
        return d; // a table from 0 needs no more
    double m = b >= a ? a : b;
    while (m < 0.1 && d < 15) {
        m *= 10;
        ++d;
    }
    return d;
}

void LlenaTablaValores(plataforma::Grid &tabla, const Collpolinomio &p, double desde, double paso)
{
    constexpr int Filas = 20;
    const std::int16_t d = DecimalesTabla(desde, paso);
    tabla.SetFontBold(false);
    tabla.SetFontSize(9);
    if (tabla.Rows() < Filas + 1)
        tabla.SetRows(Filas + 1);
    if (tabla.Cols() < 2)
        tabla.SetCols(2);
    // Row 0 holds the window's headings; each column is wide enough for them too.
    int largoX = static_cast<int>(tabla.TextMatrix(0, 0).size());
    int largoY = static_cast<int>(tabla.TextMatrix(0, 1).size());
    for (int i = 1; i <= Filas; ++i) {
        const double x = (i - 1) * paso + desde;
        const QString textoX = QString::fromStdString(NumeroATexto(x, 6, d));
        const QString textoY = QString::fromStdString(NumeroATexto(ValorExacto(p, x), 6, d));
        tabla.SetTextMatrix(i, 0, textoX);
        tabla.SetTextMatrix(i, 1, textoY);
        largoX = std::max(largoX, static_cast<int>(textoX.size()));
        largoY = std::max(largoY, static_cast<int>(textoY.size()));
    }
    tabla.SetColWidth(0, largoX * 120 + 100);
    tabla.SetColWidth(1, largoY * 120 + 100);
}

void PidePolinomio()
{
    ModoAlgebra = true;
    if (Ventanas().pidePolinomio)
        Ventanas().pidePolinomio(AnchoPanel + plataforma::TwipsAPixeles(40));
}

void CierraPidePolinomio()
{
    if (Ventanas().cierraPidePolinomio)
        Ventanas().cierraPidePolinomio();
    ModoAlgebra = false;
}
