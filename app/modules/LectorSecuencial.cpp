#include "LectorSecuencial.h"

#include "Entero16.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {
bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Recorta(const std::string &s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r'))
        --b;
    return s.substr(a, b - a);
}

// Sign, digits and an optional fraction with "."; nothing else.
bool EsNumero(const std::string &s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digitos = 0;
    bool punto = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++digitos;
        else if (s[i] == '.' && !punto)
            punto = true;
        else
            return false;
    }
    return digitos > 0;
}
} // namespace

bool LectorSecuencial::Abre(const std::filesystem::path &archivo)
{
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada)
        return false;
    std::ostringstream todo;
    todo << entrada.rdbuf();
    m_texto = todo.str();
    m_pos = m_texto.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    return true;
}

void LectorSecuencial::SaltaBlancos()
{
    while (m_pos < m_texto.size() && EsBlanco(m_texto[m_pos]))
        ++m_pos;
}

bool LectorSecuencial::FinArchivo() const
{
    for (std::size_t i = m_pos; i < m_texto.size(); ++i)
        if (!EsBlanco(m_texto[i]))
            return false;
    return true;
}

std::optional<std::string> LectorSecuencial::LeeTexto()
{
    SaltaBlancos();
    if (m_pos >= m_texto.size())
        return std::nullopt;
    std::string item;
    if (m_texto[m_pos] == '"') {
        // A quote left open at the end of its line or of the file means the
        // file was cut or damaged in the middle of a text: what is left of
        // it is not the text (a record is one line).
        const std::size_t cierre = m_texto.find_first_of("\"\n", m_pos + 1);
        if (cierre == std::string::npos || m_texto[cierre] != '"')
            return std::nullopt;
        item = m_texto.substr(m_pos + 1, cierre - m_pos - 1);
        m_pos = cierre + 1;
        // Whatever follows the closing quote up to the separator is dropped.
        while (m_pos < m_texto.size() && m_texto[m_pos] != ',' && m_texto[m_pos] != '\n')
            ++m_pos;
    } else {
        const std::size_t fin = m_texto.find_first_of(",\n", m_pos);
        const std::size_t hasta = fin == std::string::npos ? m_texto.size() : fin;
        item = Recorta(m_texto.substr(m_pos, hasta - m_pos));
        m_pos = hasta;
    }
    if (m_pos < m_texto.size())
        ++m_pos; // the comma or the line end
    // No text of the program holds a NUL: one is a damaged file.
    if (item.find('\0') != std::string::npos)
        return std::nullopt;
    return item;
}

std::optional<std::int16_t> LectorSecuencial::LeeEntero()
{
    const std::optional<std::string> item = LeeTexto();
    if (!item || !EsNumero(*item))
        return std::nullopt;
    // from_chars ignores the C locale, which a Qt program sets from the desktop.
    const std::string &t = *item;
    const char *inicio = t.data() + (t[0] == '+' ? 1 : 0);
    double valor = 0;
    if (std::from_chars(inicio, t.data() + t.size(), valor).ec != std::errc())
        return std::nullopt;
    try {
        return rt::CInt(valor);
    } catch (const rt::ErrorDesbordamiento &) {
        return std::nullopt;
    }
}
