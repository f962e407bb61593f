// Start-up with real table files in a temporary program folder, and the
// stack of screen contexts on a recording main window.
#include "DoblesVentanas.h"
#include "Globales.h"
#include "RutaPrograma.h"
#include "princip.h"

#include "EsperaModal.h"
#include "LlamadasVentana.h"
#include "Regional.h"

#include <QWidget>
#include <QtTest>

#include <memory>

class tst_princip : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CarpetaTemporal> carpeta;
    VentanaPrincipalGrabadora principal;
    int anuncios = 0;

    // An indexed message list with every row 0..n, row k saying "Mensaje k.";
    // sin leaves that row out.
    static QString TablaMensajes(int n, int sin = -1)
    {
        QString t = QString::number(n) + QLatin1Char('\n');
        for (int k = 0; k <= n; ++k)
            if (k != sin)
                t += QStringLiteral("%1,\"Mensaje %1.\",\"\"\n").arg(k);
        return t;
    }

    void EscribeTablas()
    {
        carpeta->Escribe("apoyo/ListaApoyos.txt", "2\n\"raíz\",\"raices.html\"\n\"signo\",\"signo.html\"\n");
        carpeta->Escribe("apoyo/listaSaltos.txt", "1\n\"Raíces\",\"apoyo\\raices.html\"\n");
        carpeta->Escribe("Errores y Exitos/Errores.txt",
                         TablaMensajes(UltimoErrorUsado).toStdString());
        carpeta->Escribe("Errores y Exitos/Exitos.txt",
                         TablaMensajes(UltimoExitoUsado).toStdString());
    }

    // Pushes a context whose every field tells its number apart.
    static void Empuja(int k)
    {
        std::array<bool, 10> flags{};
        for (int i = 1; i <= 8; ++i)
            flags[static_cast<std::size_t>(i)] = ((k >> (i % 4)) & 1) != 0;
        EntraPantalla(static_cast<std::int16_t>(k), static_cast<std::int16_t>(100 + k), flags,
                      "Quorvane: pantalla " + std::to_string(k));
    }

    struct Foto {
        std::string titulo;
        std::array<bool, 9> botones;
        std::int16_t ayuda, apoyo;
        bool operator==(const Foto &) const = default;
    };
    Foto Toma() const { return {principal.titulo, principal.botones, NumAyuda, NumApoyo}; }

    void VerificaContextoInicial()
    {
        QCOMPARE(principal.titulo, std::string("Quorvane"));
        QCOMPARE(NumAyuda, std::int16_t(0));
        QCOMPARE(NumApoyo, std::int16_t(1));
        const bool esperado[9] = {false, true, false, false, false, true, true, false, false};
        for (int i = 1; i <= 8; ++i)
            QVERIFY2(principal.botones[static_cast<std::size_t>(i)] == esperado[i], qPrintable(QString::number(i)));
    }

private slots:
    void init()
    {
        ReiniciaGlobales();
        carpeta = std::make_unique<CarpetaTemporal>();
        FijaCarpetaPrograma(carpeta->Ruta());
        principal = VentanaPrincipalGrabadora{};
        anuncios = 0;
        Ventanas() = {};
        Ventanas().principal = [this] { return &principal; };
        Ventanas().anuncio = [this] { ++anuncios; };
        rt::FijaSeparadorLocal('.');
    }
    void cleanup()
    {
        Ventanas() = {};
        FijaCarpetaPrograma({});
        rt::FijaSeparadorLocal('.');
    }

    void arranqueConTodasLasTablas()
    {
        EscribeTablas();
        plataforma::ContestadorPrueba cajas;
        ConceptoResuelto.fill(true);
        QVERIFY(ArranquePrograma());
        QCOMPARE(cajas.Cuenta(), 0);
        QCOMPARE(NivelPila, 1);
        VerificaContextoInicial();
        QCOMPARE(anuncios, 1);
        for (bool resuelto : ConceptoResuelto)
            QVERIFY(!resuelto);
        QCOMPARE(ListaApoyos.Texto(1, 2), std::string("signo.html"));
        QCOMPARE(Errores.Texto(0, 180), std::string("Mensaje 180."));
        QCOMPARE(Exitos.Texto(0, 72), std::string("Mensaje 72."));
        QCOMPARE(ListaSaltos.Texto(0, 1), std::string("Raíces"));
    }

    void tablaQueFalla_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("contenido"); // empty: the file is missing
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("leidas"); // tables read before the failing one
        const QString apoyos = "No se pudo encontrar el archivo ListaApoyos";
        const QString saltos = "No se pudo encontrar el archivo ListaSaltos";
        const QString errores = "No se pudo encontrar el archivo de errores";
        const QString exitos = "No se pudo encontrar el archivo de exitos";
        // A count beyond the records, or an index beyond the count.
        const QString mal = "5\n9,\"a\",\"b\"\n\"c\",\"d\"\n";
        // Whole records, but the file ends before the row of its count.
        const QString cortada = "5\n1,\"a\",\"b\"\n2,\"c\",\"d\"\n";
        // Cut inside its last text.
        const QString apoyosCortada = "2\n\"polinomio\",\"\\polinomio.html\"\n\"construir\",\"\\construc";
        QString erroresCortada = TablaMensajes(UltimoErrorUsado);
        erroresCortada.chop(12);
        QTest::newRow("sin ListaApoyos") << "apoyo/ListaApoyos.txt" << QString() << apoyos << 0;
        QTest::newRow("ListaApoyos corta") << "apoyo/ListaApoyos.txt" << mal << apoyos << 0;
        QTest::newRow("ListaApoyos cortada en un texto") << "apoyo/ListaApoyos.txt" << apoyosCortada << apoyos << 0;
        QTest::newRow("sin listaSaltos") << "apoyo/listaSaltos.txt" << QString() << saltos << 1;
        QTest::newRow("listaSaltos corta") << "apoyo/listaSaltos.txt" << mal << saltos << 1;
        QTest::newRow("sin Errores") << "Errores y Exitos/Errores.txt" << QString() << errores << 2;
        QTest::newRow("Errores mal") << "Errores y Exitos/Errores.txt" << mal << errores << 2;
        QTest::newRow("Errores cortada") << "Errores y Exitos/Errores.txt" << cortada << errores << 2;
        QTest::newRow("Errores cortada en un texto") << "Errores y Exitos/Errores.txt" << erroresCortada << errores << 2;
        // Whole, but short of the rows the windows show.
        QTest::newRow("Errores hasta 100") << "Errores y Exitos/Errores.txt" << TablaMensajes(100) << errores << 2;
        QTest::newRow("Errores sin la 120") << "Errores y Exitos/Errores.txt"
                                            << TablaMensajes(UltimoErrorUsado, 120) << errores << 2;
        QTest::newRow("sin Exitos") << "Errores y Exitos/Exitos.txt" << QString() << exitos << 3;
        QTest::newRow("Exitos mal") << "Errores y Exitos/Exitos.txt" << mal << exitos << 3;
        QTest::newRow("Exitos cortada") << "Errores y Exitos/Exitos.txt" << cortada << exitos << 3;
        QTest::newRow("Exitos hasta 77") << "Errores y Exitos/Exitos.txt" << TablaMensajes(77) << exitos << 3;
        QTest::newRow("Exitos sin la 0") << "Errores y Exitos/Exitos.txt"
                                         << TablaMensajes(UltimoExitoUsado, 0) << exitos << 3;
    }
    void tablaQueFalla()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, contenido);
        QFETCH(QString, mensaje);
        QFETCH(int, leidas);
        EscribeTablas();
        if (contenido.isEmpty())
            carpeta->Borra(archivo.toStdString());
        else
            carpeta->Escribe(archivo.toStdString(), contenido.toStdString());
        plataforma::ContestadorPrueba cajas;
        QVERIFY(!Inicia());
        QCOMPARE(cajas.Cuenta(), 1);
        QCOMPARE(cajas.Titulos().at(0), QString("ERRor Fatal"));
        QCOMPARE(cajas.Textos().at(0), mensaje);
        // The tables after the failing one are not read.
        const TablaTextos *orden[] = {&ListaApoyos, &ListaSaltos, &Errores, &Exitos};
        for (int i = leidas + 1; i < 4; ++i)
            QVERIFY(orden[i]->Vacia());
        QVERIFY(!ArranquePrograma());
        QCOMPARE(anuncios, 0);
    }

    void arranqueConLosDatosDelPrograma()
    {
        FijaCarpetaPrograma({}); // the folder the environment names
        if (qEnvironmentVariableIsEmpty("QUORVANE_DATA_DIR"))
            QSKIP("QUORVANE_DATA_DIR is not set");
        plataforma::ContestadorPrueba cajas;
        QVERIFY(ArranquePrograma());
        QCOMPARE(cajas.Cuenta(), 0);
        QVERIFY(!Errores.Texto(0, 180).empty());
        QVERIFY(!Exitos.Texto(0, 72).empty());
        QVERIFY(ListaApoyos.UltimaFila() >= 83);
    }

    void medidasYSeparador()
    {
        EscribeTablas();
        principal.ancho = 1025;
        principal.alto = 990;
        principal.altoBarra = 45;
        principal.anchoEscritorio = 1024;
        rt::FijaSeparadorLocal(',');
        QVERIFY(Inicia());
        QCOMPARE(SeparadorDecimal, std::string(","));
        QCOMPARE(AnchoPantalla, 1025);
        QCOMPARE(AltoPantalla, 990);
        QCOMPARE(AltoUtil, 990 - 86); // 990 - 85.5, the half to the even neighbour
        QCOMPARE(AnchoPanel, 410);
        QCOMPARE(IzqGrafica, 615);
        QVERIFY(Pantalla1024);
        QVERIFY(!PantallaMayor);
        for (bool b : EstadoBarra)
            QVERIFY(b);

        // Wide screens fit: no 16-bit limit on the measures.
        principal.ancho = 40000;
        principal.anchoEscritorio = 40000;
        rt::FijaSeparadorLocal('.');
        QVERIFY(Inicia());
        QCOMPARE(SeparadorDecimal, std::string("."));
        QCOMPARE(AnchoPanel, 16000);
        QVERIFY(!Pantalla1024);
        QVERIFY(PantallaMayor);
    }

    void empujarYSacarDejaTodoComoEstaba()
    {
        NumAyuda = 7;
        NumApoyo = 9;
        const Foto antes = Toma();
        std::array<bool, 10> todos;
        todos.fill(true);
        EntraPantalla(12, 34, todos, "Quorvane: Raíces");
        QCOMPARE(NivelPila, 1);
        QCOMPARE(principal.titulo, std::string("Quorvane: Raíces"));
        QCOMPARE(NumAyuda, std::int16_t(12));
        QCOMPARE(NumApoyo, std::int16_t(34));
        QVERIFY(principal.botones[1]);
        RegresaPantalla(1);
        QCOMPARE(NivelPila, 0);
        QVERIFY(Toma() == antes); // button 1 disabled again
    }

    void cincuentaYUnNiveles()
    {
        std::vector<Foto> fotos;
        for (int k = 1; k <= 51; ++k) {
            fotos.push_back(Toma());
            Empuja(k);
        }
        QCOMPARE(NivelPila, 51);
        for (int k = 51; k >= 1; --k) {
            RegresaPantalla(1);
            QVERIFY2(Toma() == fotos[static_cast<std::size_t>(k - 1)], qPrintable(QString::number(k)));
        }
        QCOMPARE(NivelPila, 0);
        // Far beyond the original 100 levels as well.
        for (int k = 1; k <= 250; ++k)
            Empuja(k);
        RegresaPantalla(249);
        QCOMPARE(principal.titulo, std::string("Quorvane: pantalla 1"));
        QCOMPARE(NivelPila, 1);
    }

    void sacarDeMasDejaElContextoInicial()
    {
        EscribeTablas();
        QVERIFY(ArranquePrograma());
        Empuja(5);
        RegresaPantalla(3); // level 2, then the start context twice
        QCOMPARE(NivelPila, 0);
        VerificaContextoInicial();
        RegresaPantalla(1);
        VerificaContextoInicial();
        RegresaPantalla(-2); // does nothing
        VerificaContextoInicial();

        // Without a start-up either: the start context, not a blank one.
        ReiniciaGlobales();
        EstadoBarra.fill(true);
        RegresaPantalla(1);
        VerificaContextoInicial();
    }

    void volverAEmpezarDesdeCualquierNivel()
    {
        EscribeTablas();
        QVERIFY(ArranquePrograma());
        for (int k = 1; k <= 4; ++k)
            Empuja(k);
        EstadoBarra[5] = false; // a window cleared a flag since the start
        ConceptoResuelto.fill(true);
        ConceptoActual = 5;
        RegresaPantalla(0);
        QCOMPARE(NivelPila, 1);
        QCOMPARE(anuncios, 2);
        QCOMPARE(principal.titulo, std::string("Quorvane"));
        QVERIFY(!principal.botones[5]);
        QVERIFY(principal.botones[1] && principal.botones[6]);
        for (bool resuelto : ConceptoResuelto)
            QVERIFY(!resuelto);
        QCOMPARE(ConceptoActual, std::int16_t(0));
        // The context under the start context is the start context itself.
        Empuja(9);
        RegresaPantalla(5);
        QCOMPARE(principal.titulo, std::string("Quorvane"));
        QCOMPARE(NumApoyo, std::int16_t(1));
    }

    void cursorAlCentro()
    {
        QCOMPARE(PuntoCentral(100, 50, 301, 150), QPoint(200, 100)); // 200.5 to the even 200
        QCOMPARE(PuntoCentral(101, 50, 302, 151), QPoint(202, 100)); // 201.5 -> 202, 100.5 -> 100
        QCOMPARE(PuntoCentral(0, 0, 0, 0), QPoint(0, 0));
        QWidget ventana;
        ventana.setGeometry(100, 50, 200, 100);
        CentraCursor(ventana);
        const plataforma::RectanguloPantalla r = plataforma::RectanguloVentana(ventana);
        QCOMPARE(plataforma::UltimaPosicionCursor(), PuntoCentral(r.izquierda, r.arriba, r.derecha, r.abajo));
    }
};

QTEST_MAIN(tst_princip)
#include "tst_princip.moc"
