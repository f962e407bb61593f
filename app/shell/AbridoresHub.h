#pragma once
// Windows that the hub's menus open but that belong to other parts of the
// program (constructions, graph roads, curve identification, tangent and
// normal lines, the report). Each registers its opener under the name of
// the hub's menu entry; an entry without an opener stays disabled.
#include <QString>

#include <functional>

void RegistraAbridorHub(const QString &menu, std::function<void()> abre);
bool HayAbridorHub(const QString &menu);
// False when nothing is registered under that entry.
bool AbreDesdeHub(const QString &menu);
// Forgets every opener (a fresh start).
void OlvidaAbridoresHub();
