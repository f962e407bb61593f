// The help launcher: a missing or broken book is told once per try and
// nothing fails; the built book opens at the topic asked for.
#include "AyudaLibro.h"
#include "DoblesVentanas.h"
#include "Globales.h"
#include "RutaPrograma.h"
#include "VisorAyuda.h"

#include "EsperaModal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

class tst_AyudaLibro : public QObject {
    Q_OBJECT

private:
    // The book the build made next to the program, if it was made.
    static QString LibroConstruido()
    {
        const QString libro = QCoreApplication::applicationDirPath() + "/../bin/data/texto/Quorvane.qch";
        return QFileInfo::exists(libro) ? QFileInfo(libro).canonicalFilePath() : QString();
    }

private slots:
    void init()
    {
        ReiniciaGlobales();
        OlvidaObjetoAyuda();
    }
    void cleanup()
    {
        OlvidaObjetoAyuda();
        FijaCarpetaPrograma({});
    }

    void elLibroEstaEnLaCarpetaDelPrograma()
    {
        CarpetaTemporal carpeta;
        carpeta.Escribe("Texto/quorvane.QCH", "x");
        FijaCarpetaPrograma(carpeta.Ruta());
        QCOMPARE(LibroAyudaPrograma(), (carpeta.Ruta() / "Texto" / "quorvane.QCH").string());
    }

    void sinLibroUnMensajePorIntento()
    {
        PoneArchivoAyuda("/no/existe/Quorvane.qch");
        QCOMPARE(ArchivoAyuda, std::string("/no/existe/Quorvane.qch"));
        plataforma::ContestadorPrueba cajas;
        QVERIFY(!CreaObjetoAyuda());
        QCOMPARE(cajas.Cuenta(), 1);
        QVERIFY(cajas.Textos().at(0).contains("Quorvane.qch"));
        QCOMPARE(cajas.Titulos().at(0), QCoreApplication::applicationName());
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 2);
        QVERIFY(ObjAyuda() == nullptr);
    }

    void libroRotoTambienSeDice()
    {
        CarpetaTemporal carpeta;
        carpeta.Escribe("texto/Quorvane.qch", "esto no es un libro");
        PoneArchivoAyuda((carpeta.Ruta() / "texto" / "Quorvane.qch").string());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 1);
        QVERIFY(ObjAyuda() == nullptr);
    }

    void abreElTemaPedido()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        PoneArchivoAyuda(libro.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 0);
        VisorAyuda *visor = ObjAyuda();
        QVERIFY(visor);
        QVERIFY(visor->isVisible());
        QVERIFY(visor->source().toString().endsWith("introduccion.html"));
        QVERIFY(visor->toPlainText().contains("Quorvane"));

        MuestraAyuda(6);
        QVERIFY(visor->source().toString().endsWith("raices.html"));
        QCOMPARE(ObjAyuda(), visor); // made once

        // A topic the book does not have leaves the page as it was.
        MuestraAyuda(9999);
        QVERIFY(visor->source().toString().endsWith("raices.html"));
        QCOMPARE(cajas.Cuenta(), 0);
    }

    void libroSinColeccionSeRegistraAparte()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        CarpetaTemporal carpeta;
        const QString copia = QString::fromStdString((carpeta.Ruta() / "Quorvane.qch").string());
        QVERIFY(QFile::copy(libro, copia));
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((carpeta.Ruta() / "cache").string()));
        PoneArchivoAyuda(copia.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(8);
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(cajas.Cuenta(), 0);
        QVERIFY(ObjAyuda());
        QVERIFY(ObjAyuda()->source().toString().endsWith("signo.html"));
    }
};

QTEST_MAIN(tst_AyudaLibro)
#include "tst_AyudaLibro.moc"
