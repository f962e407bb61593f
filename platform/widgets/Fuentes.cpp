#include "Fuentes.h"

namespace plataforma {

QString FamiliaInstalada(const QString &nombre)
{
    // The three fonts of the program all have the glyphs it needs (Latin
    // letters, superscript digits, the infinity sign) in DejaVu Sans.
    if (nombre.compare(QLatin1String("Lucida Sans Unicode"), Qt::CaseInsensitive) == 0
        || nombre.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0
        || nombre.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0
        || nombre.isEmpty())
        return QStringLiteral("DejaVu Sans");
    return nombre;
}

QFont FuentePrograma(const QString &nombre, double puntos)
{
    QFont fuente(FamiliaInstalada(nombre));
    if (puntos > 0)
        fuente.setPointSizeF(puntos);
    return fuente;
}

} // namespace plataforma
