#include "RutaPrograma.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {
fs::path g_carpetaFija;

fs::path CarpetaEjecutable()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

// ASCII letters compared without case; other bytes (accents) exactly.
bool MismoNombre(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x < 128 && y < 128) {
            if (std::tolower(x) != std::tolower(y))
                return false;
        } else if (x != y) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Partes(std::string_view ruta)
{
    std::vector<std::string> partes;
    std::string actual;
    for (char c : ruta) {
        if (c == '\\' || c == '/') {
            if (!actual.empty())
                partes.push_back(std::move(actual));
            actual.clear();
        } else {
            actual += c;
        }
    }
    if (!actual.empty())
        partes.push_back(std::move(actual));
    return partes;
}
} // namespace

fs::path CarpetaPrograma()
{
    if (!g_carpetaFija.empty())
        return g_carpetaFija;
    if (const char *env = std::getenv("QUORVANE_DATA_DIR"); env && *env)
        return fs::path(env);
    const fs::path exe = CarpetaEjecutable();
    std::error_code ec;
    if (fs::is_directory(exe / "data", ec))
        return exe / "data";
    return (exe / ".." / "share" / "quorvane").lexically_normal();
}

void FijaCarpetaPrograma(const fs::path &carpeta)
{
    g_carpetaFija = carpeta;
}

fs::path RutaPrograma(std::string_view relativa)
{
    fs::path ruta = CarpetaPrograma();
    for (const std::string &parte : Partes(relativa)) {
        std::error_code ec;
        fs::path exacta = ruta / parte;
        if (parte == "." || parte == ".." || fs::exists(exacta, ec)) {
            ruta = std::move(exacta);
            continue;
        }
        fs::path hallada;
        for (fs::directory_iterator it(ruta, ec), fin; !ec && it != fin; it.increment(ec)) {
            if (MismoNombre(it->path().filename().string(), parte)) {
                hallada = it->path();
                break;
            }
        }
        ruta = hallada.empty() ? std::move(exacta) : std::move(hallada);
    }
    return ruta;
}
