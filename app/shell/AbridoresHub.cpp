#include "AbridoresHub.h"

#include <map>

namespace {
std::map<QString, std::function<void()>> &Abridores()
{
    static std::map<QString, std::function<void()>> abridores;
    return abridores;
}
} // namespace

void RegistraAbridorHub(const QString &menu, std::function<void()> abre)
{
    if (abre)
        Abridores()[menu] = std::move(abre);
    else
        Abridores().erase(menu);
}

bool HayAbridorHub(const QString &menu)
{
    return Abridores().count(menu) > 0;
}

bool AbreDesdeHub(const QString &menu)
{
    auto it = Abridores().find(menu);
    if (it == Abridores().end())
        return false;
    const auto abre = it->second; // the opener may register others
    abre();
    return true;
}

void OlvidaAbridoresHub()
{
    Abridores().clear();
}
