#pragma once
// A script of what the student does in an exercise, as a table's row:
// each step a value, an interval with its quality, or "Terminar", with
// the message the student is to be shown first.
#include <QString>

struct Paso {
    const char *izq; // the value or left end; null: "Terminar"
    const char *der; // the right end; null for a value
    int opcion;      // the quality option of an interval
    QString mensaje;
};

inline Paso Valor(const char *x, const QString &mensaje)
{
    return {x, nullptr, -1, mensaje};
}
inline Paso Banda(const char *izq, const char *der, int opcion, const QString &mensaje)
{
    return {izq, der, opcion, mensaje};
}
inline Paso Fin(const QString &mensaje)
{
    return {nullptr, nullptr, -1, mensaje};
}
