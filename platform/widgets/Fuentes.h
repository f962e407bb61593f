#pragma once
// The program names its fonts as the desktop it was written for did
// ("Lucida Sans Unicode", "Arial", "Symbol"). This is the one place that
// maps those names to fonts that are installed here.
#include <QFont>
#include <QString>

namespace plataforma {

// The installed family that stands for a font name of the program.
QString FamiliaInstalada(const QString &nombre);

// A font of the program: the installed family at the given size in points.
QFont FuentePrograma(const QString &nombre, double puntos);

// The infinity sign; the "Symbol" font of the program drew it from the
// letter with code 165, here it is the Unicode character itself.
inline const QString &SignoInfinito()
{
    static const QString signo(QChar(0x221E));
    return signo;
}
inline constexpr const char *SignoInfinitoUtf8 = "\u221E";

} // namespace plataforma
