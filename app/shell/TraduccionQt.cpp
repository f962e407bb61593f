#include "TraduccionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalaTraduccionQt()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    // Owned by the application, so that it lives as long as the texts it gives.
    auto *traductor = new QTranslator(app);
    if (!traductor->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}
