// Reading polynomial boxes, the empty-box and equal-polynomial checks, the
// table of values and the polynomial window in algebra mode.
#include "DoblesVentanas.h"
#include "EntradaPolinomio.h"
#include "Globales.h"
#include "ModCadena.h"

#include "ClsParserPoli.h"

#include "Grid.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "UCDextavo.h"

#include "Azar.h"
#include "Regional.h"

#include <QtTest>

class tst_EntradaPolinomio : public QObject {
    Q_OBJECT

private:
    VentanaMensajeGrabadora error;

    static PoliPtr Poli(std::initializer_list<std::pair<double, int>> terminos)
    {
        PoliPtr p = Collpolinomio::Nuevo();
        for (const auto &[c, e] : terminos)
            p->Agrega(c, static_cast<std::int16_t>(e));
        return p;
    }

private slots:
    void init()
    {
        ReiniciaGlobales();
        Errores.Redimensiona(224);
        for (int k = 0; k <= 224; ++k)
            Errores.PoneTexto(0, k, "fila " + std::to_string(k));
        error = VentanaMensajeGrabadora{};
        Ventanas() = {};
        Ventanas().error = [this] { return &error; };
        rt::OlvidaAzarProgramado();
        rt::FijaSeparadorLocal('.');
    }
    void cleanup()
    {
        Ventanas() = {};
        rt::OlvidaAzarProgramado();
    }

    void cursorTrasElError()
    {
        // x^(12)+3x^(2)+1 with the fault on the last "1": two exponents
        // before it, six hidden characters.
        QCOMPARE(PosicionCursorError("x^(12)+3x^(2)+1", 14), 8);
        QCOMPARE(PosicionCursorError("3x+x^(2)", 2), 2); // before the first "^"
        QCOMPARE(PosicionCursorError("", 0), 0);
        // The error reported on the end of that text.
        QCOMPARE(PosicionCursorError("x^(12)+3x^(2)+1", 15), 9);
        // A "^" just ahead of the error is not counted.
        QCOMPARE(PosicionCursorError("3x^(", 3), 3);
        QCOMPARE(PosicionCursorError("3x^(", 4), 1);
    }

    void filasDelParser()
    {
        QCOMPARE(FilaErrorParser(3), std::int16_t(183));
        QCOMPARE(FilaErrorParser(18), std::int16_t(198));
        QCOMPARE(FilaErrorParser(27), std::int16_t(207));
        QCOMPARE(FilaErrorParser(28), std::int16_t(208));
        QCOMPARE(FilaErrorParser(ClsParserPoli::CodigoAnidamiento), std::int16_t(180 + ClsParserPoli::CodigoAnidamiento));
        QCOMPARE(FilaErrorParser(ClsParserPoli::CodigoCoeficientesLargos), std::int16_t(227));
        QCOMPARE(FilaErrorParser(29), std::int16_t(187)); // no row of its own
        QCOMPARE(FilaErrorParser(0), std::int16_t(187));
    }

    void cajaAceptadaSeLee()
    {
        RichTextPolin caja;
        caja.Text("3x+1");
        caja.Acepta();
        PoliPtr p;
        QVERIFY(!CajaPoliConError(caja, p));
        QVERIFY(p);
        QCOMPARE(p->Eval(2.0), 7.0);
        QCOMPARE(error.vecesMostrada, 0);
        QVERIFY(caja.Locked());
    }

    void cajaRechazadaMuestraElErrorYDesbloquea()
    {
        RichTextPolin caja;
        caja.Text("3x+)");
        caja.Acepta();
        QVERIFY(!caja.CadPol().isEmpty());
        PoliPtr p;
        LeeCajaPoli(caja, p);
        QVERIFY(ErrorPoli);
        QCOMPARE(error.vecesMostrada, 1);
        QVERIFY(error.mensaje.rfind("fila 18", 0) == 0);
        QVERIFY(caja.SelStart() >= 0 && caja.SelStart() <= 4);

        ErrorPoli = false;
        QVERIFY(CajaPoliConError(caja, p));
        QVERIFY(!ErrorPoli);
        QVERIFY(!caja.Locked());
        QVERIFY(p && p->Cuenta() == 0);
    }

    void cursorSobreElErrorConExponentes()
    {
        RichTextPolin caja;
        caja.show();
        QWidget *editor = caja.Caja();
        editor->setFocus();
        QTest::keyClick(editor, 'x');
        QTest::keyClick(editor, Qt::Key_Up);
        QTest::keyClicks(editor, "12");
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClicks(editor, "+3x");
        QTest::keyClick(editor, Qt::Key_Up);
        QTest::keyClick(editor, '2');
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClicks(editor, "+)");
        caja.Acepta();
        QCOMPARE(caja.CadPol(), QString("x^(12)+3x^(2)+)"));
        PoliPtr p;
        LeeCajaPoli(caja, p);
        QVERIFY(ErrorPoli);
        QCOMPARE(caja.Text().mid(int(caja.SelStart()), 1), QString(")"));
    }

    void cajaVaciaConSorteos()
    {
        RichTextPolin oculta;
        oculta.hide();
        RichTextPolin vacia;
        vacia.Locked(true);
        UCDextavo numero;
        numero.Text("2");
        RichTextBox respuesta;

        // Int(20 r): 0.1 -> 2 (even, 125), 0.05 -> 1 (odd, 224). The hidden
        // box uses its draw too.
        rt::ProgramaAzar({0.1f, 0.05f, 0.1f, 0.3f, 0.97f});
        bool v = false;
        CajaVacia(oculta, v);
        QVERIFY(v);
        QCOMPARE(error.vecesMostrada, 0);
        CajaVacia(vacia, v);
        QVERIFY(v);
        QCOMPARE(error.mensajes.back(), std::string("fila 224"));
        QVERIFY(!vacia.Locked());
        CajaVacia(vacia, v);
        QCOMPARE(error.mensajes.back(), std::string("fila 125"));
        CajaVacia(numero, v);
        QVERIFY(!v);
        QCOMPARE(error.vecesMostrada, 2);
        respuesta.SetLocked(true);
        CajaVacia(respuesta, v); // 0.97 -> 19, odd
        QVERIFY(v);
        QCOMPARE(error.mensajes.back(), std::string("fila 224"));
        QVERIFY(!respuesta.Locked());
    }

    void polinomiosIguales()
    {
        RichTextPolin caja;
        caja.Locked(true);
        const PoliPtr p = Poli({{1, 2}, {-3, 0}});
        bool igual = false;
        PoliIgualError(*p, *Poli({{1, 2}, {0.0000005, 1}, {-3, 0}}), caja, igual);
        QVERIFY(igual);
        QCOMPARE(error.mensaje, std::string("fila 79"));
        QVERIFY(!caja.Locked());
        PoliIgualError(*p, *Poli({{1, 2}, {0.00001, 1}, {-3, 0}}), caja, igual);
        QVERIFY(!igual);
        QCOMPARE(error.vecesMostrada, 1);
    }

    void decimalesDeLaTabla_data()
    {
        QTest::addColumn<double>("desde");
        QTest::addColumn<double>("paso");
        QTest::addColumn<int>("decimales");
        QTest::newRow("-2, 0.25") << -2.0 << 0.25 << 3;
        QTest::newRow("0.5, 0.0001") << 0.5 << 0.0001 << 4;
        QTest::newRow("0, 0.0001") << 0.0 << 0.0001 << 3;
        QTest::newRow("0.00001, 1") << 0.00001 << 1.0 << 5;
        QTest::newRow("1, 0") << 1.0 << 0.0 << 15;
    }
    void decimalesDeLaTabla()
    {
        QFETCH(double, desde);
        QFETCH(double, paso);
        QFETCH(int, decimales);
        QCOMPARE(int(DecimalesTabla(desde, paso)), decimales);
    }

    void tablaVertical()
    {
        plataforma::Grid tabla;
        tabla.SetFontBold(true);
        // The headings are the window's: a table of P' keeps its own.
        tabla.SetRows(21);
        tabla.SetCols(2);
        tabla.SetTextMatrix(0, 0, QStringLiteral("x"));
        tabla.SetTextMatrix(0, 1, QStringLiteral("P'(x)"));
        const PoliPtr p = Poli({{1, 2}}); // x^2
        LlenaTablaValores(tabla, *p, -2, 0.25);
        QVERIFY(!tabla.FontBold());
        QCOMPARE(tabla.FontSize(), 9.0);
        QCOMPARE(tabla.Rows(), 21);
        QCOMPARE(tabla.TextMatrix(0, 0), QString("x"));
        QCOMPARE(tabla.TextMatrix(0, 1), QString("P'(x)"));
        QCOMPARE(tabla.TextMatrix(1, 0), QString("-2"));
        QCOMPARE(tabla.TextMatrix(1, 1), QString("4"));
        QCOMPARE(tabla.TextMatrix(20, 0), QString("2.75"));
        QCOMPARE(tabla.TextMatrix(20, 1), QString("7.562"));
        QCOMPARE(tabla.TextMatrix(2, 0), QString("-1.75"));
        // Widths follow the longest text of each column (5 characters).
        QVERIFY(qAbs(tabla.ColWidth(0) - (5 * 120 + 100)) <= 15);
        QVERIFY(qAbs(tabla.ColWidth(1) - (5 * 120 + 100)) <= 15);

        rt::FijaSeparadorLocal(',');
        LlenaTablaValores(tabla, *p, 0.5, 0.0001);
        QCOMPARE(tabla.TextMatrix(2, 0), QString("0,5001"));
        rt::FijaSeparadorLocal('.');
    }

    void pideElPolinomioEnModoAlgebra()
    {
        AnchoPanel = 400;
        int izquierda = -1;
        Ventanas().pidePolinomio = [&](int x) { izquierda = x; };
        PidePolinomio();
        QVERIFY(ModoAlgebra);
        QVERIFY(izquierda > 400 && izquierda < 410); // 40 twips beyond the panel
    }
};

QTEST_MAIN(tst_EntradaPolinomio)
#include "tst_EntradaPolinomio.moc"
