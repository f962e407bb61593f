// The rich text box as the display routines see it: selections counted in
// characters, and the font, size and raise of each character.
#include "Fuentes.h"
#include "RichTextBox.h"

#include <QTest>

class TstRichTextBox : public QObject {
    Q_OBJECT
private slots:
    void textoYSeleccion();
    void posicionesEnCaracteres();
    void formatoPorTramos();
    void seleccionMixta();
    void formatoDeEscritura();
    void reemplazoConservaFormato();
    void bloqueada();
    void fuentesInstaladas();
};

void TstRichTextBox::textoYSeleccion()
{
    RichTextBox caja;
    caja.SetText("3x2-x+5");
    QCOMPARE(caja.Text(), std::string("3x2-x+5"));
    QCOMPARE(caja.SelStart(), 0);
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    QCOMPARE(caja.SelText(), std::string("2"));
    caja.SetSelText("");
    QCOMPARE(caja.Text(), std::string("3x-x+5"));
    QCOMPARE(caja.SelStart(), 2);
    QCOMPARE(caja.SelLength(), 0);
    // A length beyond the text stops at its end; SelStart empties the selection.
    caja.SetSelLength(99);
    QCOMPARE(caja.SelText(), std::string("-x+5"));
    caja.SetSelStart(1);
    QCOMPARE(caja.SelLength(), 0);
    // Lines: a line feed is one character.
    caja.SetText("a\nb");
    QCOMPARE(caja.Text(), std::string("a\nb"));
    caja.SetSelStart(0);
    caja.SetSelLength(3);
    QCOMPARE(caja.SelText(), std::string("a\nb"));
}

void TstRichTextBox::posicionesEnCaracteres()
{
    // The infinity sign and a character outside the basic plane each count one.
    RichTextBox caja;
    caja.SetText("(-\u221E , \U0001D465)");
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    QCOMPARE(caja.SelText(), std::string("\u221E"));
    caja.SetSelStart(6);
    caja.SetSelLength(2);
    QCOMPARE(caja.SelText(), std::string("\U0001D465)"));
    QCOMPARE(caja.SelStart(), 6);
    QCOMPARE(caja.SelLength(), 2);
    caja.SetSelLength(1);
    caja.SetSelFontSize(9);
    QCOMPARE(caja.TamanoCaracter(6), 9.0);
    QCOMPARE(caja.TamanoCaracter(7), 10.0);
}

void TstRichTextBox::formatoPorTramos()
{
    RichTextBox caja;
    caja.SetText("x12+1");
    caja.SetSelStart(0);
    caja.SetSelLength(5);
    caja.SetSelFontName("Lucida Sans Unicode");
    caja.SetSelFontSize(12);
    caja.SetSelCharOffset(-40);
    caja.SetSelStart(1);
    caja.SetSelLength(2);
    caja.SetSelFontSize(9);
    caja.SetSelCharOffset(40);
    const struct { double tamano; int desp; } esperado[] = {{12, -40}, {9, 40}, {9, 40}, {12, -40}, {12, -40}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(caja.TamanoCaracter(i), esperado[i].tamano);
        QCOMPARE(caja.DesplazamientoCaracter(i), esperado[i].desp);
        QCOMPARE(caja.FuenteCaracter(i), QStringLiteral("Lucida Sans Unicode"));
    }
    // What was set reads back through the selection calls.
    QCOMPARE(caja.SelFontSize(), 9.0);
    QCOMPARE(caja.SelCharOffset(), 40);
    QCOMPARE(caja.SelFontName(), std::string("Lucida Sans Unicode"));
}

void TstRichTextBox::seleccionMixta()
{
    RichTextBox caja;
    caja.SetText("x2");
    caja.SetSelStart(1);
    caja.SetSelLength(1);
    caja.SetSelFontSize(9);
    caja.SetSelFontName("Symbol");
    caja.SetSelStart(0);
    caja.SetSelLength(2);
    QCOMPARE(caja.SelFontSize(), 0.0);   // mixed: neither 9 nor 12
    QCOMPARE(caja.SelFontName(), std::string());
}

void TstRichTextBox::formatoDeEscritura()
{
    // With nothing selected the format applies to the next typed character,
    // and reading it at a position gives the character before the caret.
    RichTextBox caja;
    caja.show();
    caja.setFocus();
    QTest::keyClicks(&caja, "x");
    caja.SetSelFontSize(9);
    caja.SetSelCharOffset(40);
    QTest::keyClicks(&caja, "2");
    caja.SetSelFontSize(12);
    caja.SetSelCharOffset(-35);
    QTest::keyClicks(&caja, "+1");
    QCOMPARE(caja.Text(), std::string("x2+1"));
    QCOMPARE(caja.TamanoCaracter(1), 9.0);
    QCOMPARE(caja.DesplazamientoCaracter(1), 40);
    QCOMPARE(caja.TamanoCaracter(2), 12.0);
    QCOMPARE(caja.DesplazamientoCaracter(3), -35);
    caja.SetSelStart(2);
    QCOMPARE(caja.SelFontSize(), 9.0);
    caja.SetSelStart(0);
    QCOMPARE(caja.SelFontSize(), 10.0);   // start of the text: the first character's
}

void TstRichTextBox::reemplazoConservaFormato()
{
    RichTextBox caja;
    caja.SetText("(-I , 2)");
    caja.SetSelStart(0);
    caja.SetSelLength(8);
    caja.SetSelCharOffset(20);
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    caja.SetSelText("\u221E");
    QCOMPARE(caja.Text(), std::string("(-\u221E , 2)"));
    QCOMPARE(caja.DesplazamientoCaracter(2), 20);
    QCOMPARE(caja.SelStart(), 3);
}

void TstRichTextBox::bloqueada()
{
    RichTextBox caja;
    caja.show();
    caja.setFocus();
    caja.SetLocked(true);
    QTest::keyClicks(&caja, "abc");
    QCOMPARE(caja.Text(), std::string());
    caja.SetText("12");   // code still writes into a locked box
    QCOMPARE(caja.Text(), std::string("12"));
    caja.SetLocked(false);
    caja.SetSelStart(2);
    QTest::keyClicks(&caja, "3");
    QCOMPARE(caja.Text(), std::string("123"));
    caja.SetRightMargin(3000);
    QCOMPARE(caja.lineWrapMode(), QTextEdit::FixedPixelWidth);
}

void TstRichTextBox::fuentesInstaladas()
{
    for (const char *nombre : {"Lucida Sans Unicode", "Arial", "Symbol"})
        QCOMPARE(plataforma::FamiliaInstalada(QString::fromLatin1(nombre)), QStringLiteral("DejaVu Sans"));
    QVERIFY(QFontMetrics(plataforma::FuentePrograma(QStringLiteral("Symbol"), 12))
                .inFont(plataforma::SignoInfinito().at(0)));
}

QTEST_MAIN(TstRichTextBox)
#include "tst_RichTextBox.moc"
