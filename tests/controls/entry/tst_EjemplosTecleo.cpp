// The typing examples of the shipped pages (support, help, book and tour),
// typed key by key into the polynomial entry box and parsed, give the
// polynomial the page says they give.
//
// An example is an element of class "tecleo": its keys are its <kbd>
// elements in order ("↑" and "↓" are the arrow keys, any other text is
// typed character by character), and the polynomial it claims is its <var>
// (exponents in <sup>, after an "=" if it has one); with no <var> the keys'
// own text is the claim.
#include "ClsParserPoli.h"
#include "Regional.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

struct Ejemplo {
    QString pagina;
    QStringList teclas;
    QString afirmado; // the claimed polynomial as linear text
};

QString Carpeta() { return qEnvironmentVariable("QUORVANE_DATA_DIR"); }

QStringList Paginas()
{
    QStringList paginas;
    QDirIterator it(Carpeta(), {"*.html", "*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paginas << it.next();
    paginas.sort();
    return paginas;
}

QString Lee(const QString &ruta)
{
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

// The text a reader sees in a piece of markup.
QString TextoVisible(QString html)
{
    static const QRegularExpression oculto(QStringLiteral("<(style|script)[^>]*>.*?</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression etiqueta(QStringLiteral("<[^>]*>"));
    html.remove(oculto).remove(etiqueta);
    return html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&minus;"), QStringLiteral("-"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// "P(x) = 2x<sup>3</sup> − 5x" as the parser reads it: "2x^(3)-5x".
QString Lineal(QString html)
{
    static const QRegularExpression sup(QStringLiteral("<sup>(.*?)</sup>"));
    html.replace(sup, QStringLiteral("^(\\1)"));
    QString t = TextoVisible(html);
    t = t.mid(t.lastIndexOf(QLatin1Char('=')) + 1);
    t.replace(QChar(0x2212), QLatin1Char('-'));
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

QList<Ejemplo> Ejemplos(const QString &ruta)
{
    static const QRegularExpression elemento(
        QStringLiteral("<(\\w+)\\s[^>]*class=\"[^\"]*\\btecleo\\b[^\"]*\"[^>]*>(.*?)</\\1>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression kbd(QStringLiteral("<kbd>(.*?)</kbd>"));
    static const QRegularExpression var(QStringLiteral("<var>(.*?)</var>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QList<Ejemplo> ejemplos;
    auto it = elemento.globalMatch(Lee(ruta));
    while (it.hasNext()) {
        const QString cuerpo = it.next().captured(2);
        Ejemplo e{QDir(Carpeta()).relativeFilePath(ruta), {}, {}};
        auto teclas = kbd.globalMatch(cuerpo);
        while (teclas.hasNext())
            e.teclas << TextoVisible(teclas.next().captured(1));
        const auto v = var.match(cuerpo);
        e.afirmado = v.hasMatch() ? Lineal(v.captured(1)) : Lineal(e.teclas.join(QString()));
        ejemplos << e;
    }
    return ejemplos;
}

PoliPtr Lee(const std::string &lineal, int &codigo)
{
    ClsParserPoli parser;
    PoliPtr p;
    int ut = 0;
    codigo = parser.Polinomio(lineal, p, ut);
    return p;
}

} // namespace

class TstEjemplosTecleo : public QObject {
    Q_OBJECT
private slots:
    void init() { rt::FijaSeparadorLocal('.'); }

    void lasPaginasQueEnsenanTienenEjemplos()
    {
        // The pages that teach how to type keep an example each, so the
        // check below never passes on nothing.
        QStringList conEjemplo;
        for (const QString &ruta : Paginas())
            if (!Ejemplos(ruta).isEmpty())
                conEjemplo << QDir(Carpeta()).relativeFilePath(ruta);
        for (const char *pagina : {"apoyo/escribir.html", "ayuda/ayuPolinomio.html", "ayuda/ayuExpansion.html"})
            QVERIFY2(conEjemplo.contains(QLatin1String(pagina)), pagina);
    }

    void tecleadoDaLoAfirmado_data()
    {
        QTest::addColumn<QStringList>("teclas");
        QTest::addColumn<QString>("afirmado");
        for (const QString &ruta : Paginas()) {
            int n = 0;
            for (const Ejemplo &e : Ejemplos(ruta))
                QTest::addRow("%s #%d", qPrintable(e.pagina), ++n) << e.teclas << e.afirmado;
        }
    }

    void tecleadoDaLoAfirmado()
    {
        QFETCH(QStringList, teclas);
        QFETCH(QString, afirmado);
        QVERIFY(!teclas.isEmpty());

        RichTextPolin caja;
        caja.show();
        QApplication::setActiveWindow(&caja);
        QVERIFY(QTest::qWaitForWindowActive(&caja));
        caja.setFocus();
        for (const QString &t : teclas) {
            if (t == QStringLiteral("↑"))
                QTest::keyClick(caja.Caja(), Qt::Key_Up);
            else if (t == QStringLiteral("↓"))
                QTest::keyClick(caja.Caja(), Qt::Key_Down);
            else
                QTest::keyClicks(caja.Caja(), t);
        }
        QTest::keyClick(caja.Caja(), Qt::Key_Return);

        int codigo = -1;
        const PoliPtr esperado = Lee(afirmado.toStdString(), codigo);
        QVERIFY2(codigo == 0, qPrintable("the page's own polynomial does not read: " + afirmado));
        const PoliPtr tecleado = Lee(caja.CadPol().toStdString(), codigo);
        QVERIFY2(codigo == 0, qPrintable("typed " + caja.CadPol()));
        const PoliPtr diferencia = tecleado->Resta(*esperado);
        for (const auto &m : *diferencia)
            QVERIFY2(std::abs(m->coef()) < 1e-9,
                     qPrintable(QStringLiteral("typed %1, the page claims %2").arg(caja.CadPol(), afirmado)));
    }

    void ningunaPaginaMuestraCircunflejo()
    {
        // The box refuses "^": a page that shows it teaches a key that
        // does nothing, and x^(2)-4 would be read as 2x-4.
        for (const QString &ruta : Paginas())
            QVERIFY2(!TextoVisible(Lee(ruta)).contains(QLatin1Char('^')), qPrintable(ruta));
    }
};

QTEST_MAIN(TstEjemplosTecleo)
#include "tst_EjemplosTecleo.moc"
