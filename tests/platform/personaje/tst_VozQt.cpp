// The voice the program is built with, and the Spanish it picks.
#include "VozQt.h"

#include <QSignalSpy>
#include <QTest>

class TstVozQt : public QObject {
    Q_OBJECT
private slots:
    void respaldoConstruido() { QCOMPARE(VozQt::respaldo(), QStringLiteral("QtTextToSpeech")); }

    void eligeEspanol()
    {
        const QLocale mx(QLocale::Spanish, QLocale::Mexico);
        const QLocale es(QLocale::Spanish, QLocale::Spain);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(VozQt::eligeEspanol({en, es, mx}), mx);
        const QLocale latam(QLocale::Spanish, QLocale::LatinAmerica);
        QCOMPARE(VozQt::eligeEspanol({en, es, latam}), latam);
        QCOMPARE(VozQt::eligeEspanol({en, es}), es);
        QCOMPARE(VozQt::eligeEspanol({en}).language(), QLocale::C);
        QCOMPARE(VozQt::eligeEspanol({}).language(), QLocale::C);
    }

    // An engine that is not there: silent, and a sentence ends at once.
    // One given while the engine is still looked for ends once it is known
    // that there is none.
    void sinMotor()
    {
        VozQt voz(QStringLiteral("ningun-motor"));
        QSignalSpy preparada(&voz, &VozQt::preparada);
        QSignalSpy antes(&voz, &Voz::dicha);
        if (preparada.isEmpty()) {
            QVERIFY(voz.disponible());
            voz.di(QStringLiteral("Hola"));
            QTRY_COMPARE(antes.size(), 1);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!preparada.isEmpty(), 5000);
        QVERIFY(!voz.disponible());
        QVERIFY(voz.motor().isEmpty());
        QSignalSpy dicha(&voz, &Voz::dicha);
        voz.di(QStringLiteral("Hola"));
        QCOMPARE(dicha.size(), 1);
    }
};

QTEST_MAIN(TstVozQt)
#include "tst_VozQt.moc"
