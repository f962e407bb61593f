// Rich-text writing of the shared routines, checked character by character
// in a real rich text box: a typeset polynomial, infinity signs in interval
// sentences, and numbered lines with subscript indices.
#include "Collpolinomio.h"
#include "ExpresionRtf.h"
#include "Regional.h"
#include "RichTextBox.h"

#include <QTest>

namespace {

struct Formato {
    double tamano;
    int desplazamiento;
};

// Size and raise of every character, compared with an expected table.
void comparaTramos(const RichTextBox &caja, const QList<Formato> &esperado)
{
    QCOMPARE(QString::fromStdString(caja.Text()).toUcs4().size(), esperado.size());
    for (int i = 0; i < esperado.size(); ++i) {
        QCOMPARE(caja.TamanoCaracter(i), esperado[i].tamano);
        QCOMPARE(caja.DesplazamientoCaracter(i), esperado[i].desplazamiento);
    }
}

PoliPtr polinomio(std::initializer_list<std::pair<double, int>> terminos)
{
    PoliPtr p = Collpolinomio::Nuevo();
    for (auto [c, e] : terminos)
        p->Agrega(c, std::int16_t(e));
    return p;
}

const std::string Infinito = "\u221E";

} // namespace

class TstExpresionRtf : public QObject {
    Q_OBJECT
private slots:
    void init() { rt::FijaSeparadorLocal('.'); }
    void despliegaPoliCaja();
    void infinitoEnIntervalos_data();
    void infinitoEnIntervalos();
    void infinitoConservaFormato();
    void lineasConSubindice();
    void cadaCajaSuLista();
};

// Two lists on screen at once (the report and an exercise) never mix.
void TstExpresionRtf::cadaCajaSuLista()
{
    RichTextBox informe, ejercicio;
    EscribeExpresionRtf(informe, "", 1);
    EscribeExpresionRtf(informe, "-1", 0);
    EscribeExpresionRtf(ejercicio, "", 1);
    EscribeExpresionRtf(ejercicio, "2", 0);
    EscribeExpresionRtf(informe, "3", 0);
    QCOMPARE(informe.Text(), std::string("x1= -1\nx2= 3\n"));
    QCOMPARE(ejercicio.Text(), std::string("x1= 2\n"));
}

void TstExpresionRtf::despliegaPoliCaja()
{
    RichTextBox caja;
    caja.setVisible(false);
    DespliegaPoliCaja(*polinomio({{3, 2}, {-1, 1}, {5, 0}}), caja);
    QVERIFY(caja.isVisible());
    QVERIFY(caja.Locked());
    QCOMPARE(caja.Text(), std::string("3x2-x+5"));
    const Formato n{12, -40}, e{9, 40};
    comparaTramos(caja, {n, n, e, n, n, n, n});
    for (int i = 0; i < 7; ++i)
        QCOMPARE(caja.FuenteCaracter(i), QStringLiteral("Lucida Sans Unicode"));

    DespliegaPoliCaja(*polinomio({{-1, 3}, {2.5, 1}, {-1, 0}}), caja);
    QCOMPARE(caja.Text(), std::string("-x3+2.5x-1"));
    comparaTramos(caja, {n, n, e, n, n, n, n, n, n, n});
}

void TstExpresionRtf::infinitoEnIntervalos_data()
{
    QTest::addColumn<QString>("antes");
    QTest::addColumn<QString>("despues");
    const QString inf = QString::fromStdString(Infinito);
    QTest::newRow("izquierdo") << "En  (-I , 2) ;  P(x) es  Creciente"
                               << "En  (-" + inf + " , 2) ;  P(x) es  Creciente";
    QTest::newRow("derecho") << "[3 , I)" << "[3 , " + inf + ")";
    QTest::newRow("dos lineas") << "\nEn  (-I , 0) ;  P(x) es Convexa\nEn  (0 , I) ;  P(x) es Cóncava"
                                << "\nEn  (-" + inf + " , 0) ;  P(x) es Convexa\nEn  (0 , " + inf
                                       + ") ;  P(x) es Cóncava";
    // A capital I inside a word is not the marker.
    QTest::newRow("palabra") << "Intervalo (-I , 1)" << "Intervalo (-" + inf + " , 1)";
    QTest::newRow("sin marca") << "P(x) es positiva en todo el dominio" << "P(x) es positiva en todo el dominio";
}

void TstExpresionRtf::infinitoEnIntervalos()
{
    QFETCH(QString, antes);
    QFETCH(QString, despues);
    RichTextBox caja;
    caja.SetText(antes.toStdString());
    PoneInfinitoRtf(caja);
    QCOMPARE(QString::fromStdString(caja.Text()), despues);
    const QList<uint> puntos = despues.toUcs4();
    for (int i = 0; i < puntos.size(); ++i)
        QCOMPARE(caja.FuenteCaracter(i) == QLatin1String("Symbol"), puntos[i] == 0x221E);
    QCOMPARE(caja.SelStart(), int(puntos.size()));
    QCOMPARE(caja.SelLength(), 0);
}

void TstExpresionRtf::infinitoConservaFormato()
{
    // The sentence was written raised and at 11 points: only the sign's font
    // changes, and a sign that was already there also gets the font.
    RichTextBox caja;
    caja.SetText("(-I , " + Infinito + ")");
    caja.SetSelStart(0);
    caja.SetSelLength(8);
    caja.SetSelFontSize(11);
    caja.SetSelCharOffset(20);
    PoneInfinitoRtf(caja);
    QCOMPARE(caja.Text(), "(-" + Infinito + " , " + Infinito + ")");
    comparaTramos(caja, QList<Formato>(8, Formato{11, 20}));
    QCOMPARE(caja.FuenteCaracter(2), QStringLiteral("Symbol"));
    QCOMPARE(caja.FuenteCaracter(6), QStringLiteral("Symbol"));
    QCOMPARE(caja.FuenteCaracter(0), QStringLiteral("Arial"));
}

void TstExpresionRtf::lineasConSubindice()
{
    RichTextBox caja;
    EscribeExpresionRtf(caja, "", 1);
    EscribeExpresionRtf(caja, "a", 0);
    EscribeExpresionRtf(caja, "b", 0);
    QCOMPARE(caja.Text(), std::string("x1= a\nx2= b\n"));
    const Formato t{10, 20}, s{7, -50};
    // The line breaks count as characters of the box.
    const QList<Formato> esperado{t, s, t, t, t, t, t, s, t, t, t, t};
    for (int i = 0; i < esperado.size(); ++i) {
        if (caja.Text()[std::size_t(i)] == '\n')
            continue;
        QCOMPARE(caja.TamanoCaracter(i), esperado[i].tamano);
        QCOMPARE(caja.DesplazamientoCaracter(i), esperado[i].desplazamiento);
    }
    // Starting a new list forgets the lines but leaves the box alone.
    EscribeExpresionRtf(caja, "", 1);
    QCOMPARE(caja.Text(), std::string("x1= a\nx2= b\n"));
    EscribeExpresionRtf(caja, "c", 0);
    QCOMPARE(caja.Text(), std::string("x1= c\n"));

    // Two-digit line numbers are one subscript run.
    EscribeExpresionRtf(caja, "", 1);
    for (int k = 1; k <= 10; ++k)
        EscribeExpresionRtf(caja, "v", 0);
    const std::string texto = caja.Text();
    const int p = int(texto.rfind("x10"));
    QCOMPARE(caja.TamanoCaracter(p + 1), 7.0);
    QCOMPARE(caja.TamanoCaracter(p + 2), 7.0);
    QCOMPARE(caja.TamanoCaracter(p + 3), 10.0);
    QCOMPARE(texto.substr(std::size_t(p)), std::string("x10= v\n"));
    EscribeExpresionRtf(caja, "", 1);
}

QTEST_MAIN(TstExpresionRtf)
#include "tst_ExpresionRtf.moc"
