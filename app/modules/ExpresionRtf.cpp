#include "ExpresionRtf.h"

#include "CajaRtf.h"
#include "Collpolinomio.h"
#include "Entero16.h"
#include "Fuentes.h"
#include "RichTextBox.h"

#include <QChar>
#include <QString>

namespace {

std::u32string aPuntos(const std::string &texto)
{
    const QList<uint> u = QString::fromUtf8(texto.data(), qsizetype(texto.size())).toUcs4();
    return std::u32string(u.begin(), u.end());
}

bool esLetra(char32_t c) { return QChar::isLetter(c); }

// 1-based position of the next "%" from a 1-based start, 0 when none.
int BuscaPorciento(const std::u32string &texto, int desde)
{
    const auto p = texto.find(U'%', std::size_t(std::max(desde, 1) - 1));
    return p == std::u32string::npos ? 0 : int(p) + 1;
}

} // namespace

void PoneInfinitoRtf(rt::CajaRtf &caja)
{
    const std::u32string texto = aPuntos(caja.Text());
    const int n = int(texto.size());
    for (int i = 0; i < n; ++i) {
        // The marker is an "I" that is not part of a word: "(-I , 2)",
        // "[3 , I)". Replacing the selection keeps the character's format.
        if (texto[i] != U'I')
            continue;
        if ((i > 0 && esLetra(texto[i - 1])) || (i + 1 < n && esLetra(texto[i + 1])))
            continue;
        caja.SetSelStart(i);
        caja.SetSelLength(1);
        caja.SetSelText(plataforma::SignoInfinitoUtf8);
    }
    const std::u32string nuevo = aPuntos(caja.Text());
    for (int i = 0; i < int(nuevo.size()); ++i) {
        if (nuevo[i] != U'\u221E')
            continue;
        caja.SetSelStart(i);
        caja.SetSelLength(1);
        caja.SetSelFontName("Symbol");
    }
    caja.SetSelStart(int(nuevo.size()));
}

void EscribeExpresionRtf(rt::CajaRtf &rtf, const std::string &texto, std::int16_t modo)
{
    if (modo != 0) {
        rtf.listaNumerada.lineas.clear();
        rtf.listaNumerada.cuenta = 0;
        return;
    }
    EscribeListaRtf(rtf, {texto});
}

void EscribeListaRtf(rt::CajaRtf &rtf, const std::vector<std::string> &textos)
{
    // The box's lines written so far, kept between calls until a call of
    // EscribeExpresionRtf with modo other than 0 starts a new list.
    std::string &acumulado = rtf.listaNumerada.lineas;
    std::int16_t &contador = rtf.listaNumerada.cuenta;
    if (textos.empty())
        return;
    for (const std::string &texto : textos) {
        contador = rt::SumaEntero(contador, 1);
        acumulado += "x%" + std::to_string(contador) + "%= " + texto + "\n";
    }

    rtf.SetText(acumulado);
    rtf.SetSelStart(0);
    rtf.SetSelLength(int(aPuntos(acumulado).size()));
    rtf.SetSelCharOffset(20);

    // Each line's number stands between two "%": both marks go, the number
    // becomes a small lowered index.
    int busca = 1;
    for (int k = 1; k <= contador; ++k) {
        const int p = BuscaPorciento(aPuntos(rtf.Text()), busca);
        if (p == 0)
            break;
        rtf.SetSelStart(p - 1);
        rtf.SetSelLength(1);
        rtf.SetSelText("");
        const int inicio = rtf.SelStart();
        const int q = BuscaPorciento(aPuntos(rtf.Text()), inicio + 1);
        if (q == 0)
            break;
        rtf.SetSelStart(inicio);
        rtf.SetSelLength(q - inicio);
        rtf.SetSelCharOffset(-50);
        rtf.SetSelFontSize(7);
        rtf.SetSelStart(q - 1);
        rtf.SetSelLength(1);
        rtf.SetSelText("");
        busca = q;
    }
}

void DespliegaPoliCaja(const Collpolinomio &p, RichTextBox &caja)
{
    caja.setVisible(true);
    if (!caja.MuestraPolinomio())
        caja.SetMuestraPolinomio(true);
    p.Despliega(caja, "");
    caja.SetLocked(true);
}
