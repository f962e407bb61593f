// The shipped text tables, support pages and help book, read with a small
// reader of the tables' own format: one record a line, items separated by
// commas, texts in double quotes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path CarpetaDatos()
{
    const char* d = std::getenv("QUORVANE_DATA_DIR");
    return d ? fs::path(d) : fs::path("data");
}

std::string LeeArchivo(const fs::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// One line split into its items; false when a quote is left open or text
// follows a closing quote.
bool PartirLinea(const std::string& linea, std::vector<std::string>& items)
{
    items.clear();
    std::size_t i = 0;
    while (true) {
        while (i < linea.size() && linea[i] == ' ')
            ++i;
        std::string item;
        if (i < linea.size() && linea[i] == '"') {
            const std::size_t cierre = linea.find('"', i + 1);
            if (cierre == std::string::npos)
                return false;
            item = linea.substr(i + 1, cierre - i - 1);
            i = cierre + 1;
            while (i < linea.size() && linea[i] == ' ')
                ++i;
            if (i < linea.size() && linea[i] != ',')
                return false;
        } else {
            const std::size_t coma = linea.find(',', i);
            item = linea.substr(i, coma == std::string::npos ? std::string::npos : coma - i);
            i = coma == std::string::npos ? linea.size() : coma;
        }
        items.push_back(item);
        if (i >= linea.size())
            return true;
        ++i; // the comma
    }
}

struct Tabla {
    int cuenta = -1;
    std::map<int, std::pair<std::string, std::string>> filas;
    std::vector<std::string> fallas;
};

std::vector<std::string> Lineas(const fs::path& ruta)
{
    std::vector<std::string> lineas;
    std::istringstream s(LeeArchivo(ruta));
    std::string l;
    while (std::getline(s, l)) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        lineas.push_back(l);
    }
    return lineas;
}

bool EsNumero(const std::string& t)
{
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Indexed list: count line, then "k,message,detail" records in rising order.
Tabla LeeIndexada(const fs::path& ruta)
{
    Tabla t;
    const auto lineas = Lineas(ruta);
    if (lineas.empty() || !EsNumero(lineas[0])) {
        t.fallas.push_back("sin línea de cuenta");
        return t;
    }
    t.cuenta = std::stoi(lineas[0]);
    int anterior = -1;
    std::vector<std::string> items;
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        if (!PartirLinea(lineas[i], items) || items.size() != 3 || !EsNumero(items[0])) {
            t.fallas.push_back("línea " + std::to_string(i + 1) + " mal formada");
            continue;
        }
        const int k = std::stoi(items[0]);
        // The reader stops after the record whose index reaches the count, and a
        // repeated index would hide the earlier text.
        if (k <= anterior || k > t.cuenta)
            t.fallas.push_back("índice fuera de orden en la línea " + std::to_string(i + 1));
        anterior = k;
        t.filas[k] = {items[1], items[2]};
    }
    return t;
}

// Pair list: count line, then exactly that many "word,file" records.
Tabla LeePares(const fs::path& ruta)
{
    Tabla t;
    const auto lineas = Lineas(ruta);
    if (lineas.empty() || !EsNumero(lineas[0])) {
        t.fallas.push_back("sin línea de cuenta");
        return t;
    }
    t.cuenta = std::stoi(lineas[0]);
    if (static_cast<int>(lineas.size()) - 1 != t.cuenta)
        t.fallas.push_back("la cuenta no coincide con los registros");
    std::vector<std::string> items;
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        if (!PartirLinea(lineas[i], items) || items.size() != 2) {
            t.fallas.push_back("línea " + std::to_string(i + 1) + " mal formada");
            continue;
        }
        t.filas[static_cast<int>(i)] = {items[0], items[1]};
    }
    return t;
}

std::vector<int> Rangos(std::initializer_list<std::pair<int, int>> rangos)
{
    std::vector<int> v;
    for (auto [a, b] : rangos)
        for (int k = a; k <= b; ++k)
            v.push_back(k);
    return v;
}

// Rows that the program's windows show.
const std::vector<int> FilasError = Rangos({{0, 8}, {10, 10}, {12, 19}, {22, 24}, {26, 29}, {32, 71}, {74, 90},
    {92, 100}, {102, 107}, {116, 122}, {125, 137}, {139, 140}, {142, 147}, {150, 156}, {160, 161}, {163, 172},
    {180, 186}, {188, 227}});
const std::vector<int> FilasExito = Rangos({{0, 12}, {14, 14}, {16, 21}, {23, 36}, {39, 44}, {46, 57}, {60, 65},
    {70, 78}});
// Rows that the caller completes with a value (an exponent, a point, the typed text).
const std::vector<int> FilasConValorAlFinal = {15, 16, 23, 24, 57, 70, 71, 78, 83, 84, 95, 97, 98, 100, 117, 120, 121, 206};

// Support pages named by the lists but not written yet.
const std::set<std::string> PaginasPorEscribir = {};

// A path of the tables ("\apoyo\x.html", "apoyo\x.html") under the data folder.
fs::path RutaDatos(std::string r)
{
    std::replace(r.begin(), r.end(), '\\', '/');
    while (!r.empty() && r.front() == '/')
        r.erase(r.begin());
    return CarpetaDatos() / r;
}

// Visible text of a page: tags dropped, the few entities used decoded.
std::string TextoVisible(const std::string& html)
{
    std::string t = std::regex_replace(html, std::regex("<[^>]*>"), "");
    for (auto [ent, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", " "}, {"&amp;", "&"}})
        for (std::size_t p; (p = t.find(ent)) != std::string::npos;)
            t.replace(p, std::string(ent).size(), c);
    return t;
}

} // namespace

TEST(DatosTablas, MensajesDeError)
{
    const Tabla t = LeeIndexada(CarpetaDatos() / "Errores y Exitos" / "Errores.txt");
    EXPECT_TRUE(t.fallas.empty()) << (t.fallas.empty() ? "" : t.fallas.front());
    // The count is the last row, so every row up to it is reachable and beyond it the fallback shows.
    ASSERT_EQ(t.cuenta, 227);
    EXPECT_EQ(t.filas.rbegin()->first, t.cuenta);
    for (int k = 0; k <= t.cuenta; ++k)
        EXPECT_FALSE(t.filas.count(k) == 0 || t.filas.at(k).first.empty()) << "fila " << k;
    for (int k : FilasError)
        EXPECT_TRUE(t.filas.count(k)) << "fila " << k;
    // The fallback stands alone: it never gets the caller's text.
    ASSERT_TRUE(t.filas.count(180));
    EXPECT_EQ(t.filas.at(180).first.back(), '.');
    for (int k : FilasConValorAlFinal)
        EXPECT_EQ(t.filas.at(k).first.back(), ' ') << "fila " << k << " debe terminar donde va el valor";
    for (const auto& [k, fila] : t.filas)
        EXPECT_TRUE(fila.first.front() != ' ' && (fila.second.empty() || fila.second.front() != ' ')) << "fila " << k;
}

TEST(DatosTablas, MensajesDeExito)
{
    const Tabla t = LeeIndexada(CarpetaDatos() / "Errores y Exitos" / "Exitos.txt");
    EXPECT_TRUE(t.fallas.empty()) << (t.fallas.empty() ? "" : t.fallas.front());
    ASSERT_EQ(t.cuenta, 78);
    EXPECT_EQ(t.filas.rbegin()->first, t.cuenta);
    for (int k = 0; k <= t.cuenta; ++k)
        EXPECT_FALSE(t.filas.count(k) == 0 || t.filas.at(k).first.empty()) << "fila " << k;
    for (int k : FilasExito)
        EXPECT_TRUE(t.filas.count(k)) << "fila " << k;
    ASSERT_TRUE(t.filas.count(72));
    EXPECT_TRUE(t.filas.at(72).second.empty()) << "the fallback shows no detail";
}

TEST(DatosTablas, ListaDeApoyosNombraPaginasConSuPalabra)
{
    const Tabla t = LeePares(CarpetaDatos() / "apoyo" / "ListaApoyos.txt");
    EXPECT_TRUE(t.fallas.empty()) << (t.fallas.empty() ? "" : t.fallas.front());
    ASSERT_EQ(t.cuenta, 83);
    for (int k = 1; k <= t.cuenta; ++k) {
        ASSERT_TRUE(t.filas.count(k)) << "fila " << k;
        const auto& [palabra, archivo] = t.filas.at(k);
        EXPECT_FALSE(palabra.empty()) << "fila " << k;
        // The toolbar appends the name to "\apoyo".
        ASSERT_EQ(archivo.front(), '\\') << "fila " << k;
        const fs::path pagina = RutaDatos("apoyo" + archivo);
        if (PaginasPorEscribir.count(pagina.filename().string()))
            continue;
        ASSERT_TRUE(fs::exists(pagina)) << pagina;
        // The viewer looks the word up in the page.
        EXPECT_NE(TextoVisible(LeeArchivo(pagina)).find(palabra), std::string::npos)
            << "fila " << k << ": " << palabra << " en " << pagina;
    }
}

TEST(DatosTablas, SaltosDeLasPaginas)
{
    const Tabla saltos = LeePares(CarpetaDatos() / "apoyo" / "listaSaltos.txt");
    EXPECT_TRUE(saltos.fallas.empty()) << (saltos.fallas.empty() ? "" : saltos.fallas.front());
    ASSERT_GE(saltos.cuenta, 1);
    for (const auto& [j, fila] : saltos.filas) {
        EXPECT_FALSE(fila.first.empty()) << "salto " << j;
        const fs::path destino = RutaDatos(fila.second);
        EXPECT_TRUE(fs::exists(destino) || PaginasPorEscribir.count(destino.filename().string())) << destino;
    }
    // Every link of every page names a row of the jump list.
    const std::regex enlace("href=\"salto:([0-9]+)\"");
    for (const auto& e : fs::directory_iterator(CarpetaDatos() / "apoyo")) {
        if (e.path().extension() != ".html")
            continue;
        const std::string html = LeeArchivo(e.path());
        for (std::sregex_iterator m(html.begin(), html.end(), enlace), fin; m != fin; ++m) {
            const int j = std::stoi((*m)[1]);
            EXPECT_TRUE(j >= 1 && j <= saltos.cuenta) << e.path() << " salto " << j;
        }
    }
}

TEST(DatosTablas, LibroDeAyudaTieneUnTemaPorNumero)
{
    const fs::path carpeta = CarpetaDatos() / "texto";
    const std::string qhp = LeeArchivo(carpeta / "Quorvane.qhp");
    ASSERT_FALSE(qhp.empty());
    // Every page the project names exists.
    const std::regex archivo("<file>([^<]+)</file>");
    int paginas = 0;
    for (std::sregex_iterator m(qhp.begin(), qhp.end(), archivo), fin; m != fin; ++m, ++paginas)
        EXPECT_TRUE(fs::exists(carpeta / (*m)[1].str())) << (*m)[1].str();
    EXPECT_GE(paginas, 14);
    // Links between the pages stay inside the book.
    const std::regex enlace("href=\"([^\"#]+)");
    for (const auto& e : fs::directory_iterator(carpeta)) {
        if (e.path().extension() != ".html")
            continue;
        const std::string html = LeeArchivo(e.path());
        for (std::sregex_iterator m(html.begin(), html.end(), enlace), fin; m != fin; ++m)
            EXPECT_NE(qhp.find("<file>" + (*m)[1].str() + "</file>"), std::string::npos)
                << e.path().filename() << " enlaza " << (*m)[1].str();
    }
    // The help launcher asks for topic n by the identifier tema-n.
    for (int n = 0; n <= 67; ++n) {
        const std::regex tema("id=\"tema-" + std::to_string(n) + "\" ref=\"([^\"#]+)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(qhp, m, tema)) << "tema " << n;
        EXPECT_TRUE(fs::exists(carpeta / m[1].str())) << "tema " << n << ": " << m[1].str();
    }
}
