// The shipped support pages and their two tables, read as the support viewer
// reads them: every row opens a page, every link previews something, and
// every page is well-formed Spanish HTML.
#include "Apoyo.h"
#include "Modarch.h"
#include "RutaPrograma.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lee(const fs::path &ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The first problem with the page's markup, or "" when it is well-formed:
// every element closed in order (void elements excepted), comments closed,
// every "&" the start of an entity.
std::string FallaDeMarcado(const std::string &html)
{
    static const std::set<std::string> vacios = {"meta", "br", "img", "hr", "link"};
    static const std::regex etiqueta(R"(^<(/?)([a-zA-Z][a-zA-Z0-9]*)((?:\s+[a-zA-Z-]+(?:="[^"<>]*")?)*)\s*(/?)>)");
    static const std::regex entidad(R"(^&(?:[a-zA-Z]+|#[0-9]+);)");
    std::vector<std::string> abiertos;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '&') {
            if (!std::regex_search(html.begin() + static_cast<long>(i), html.end(), entidad))
                return "un & que no es una entidad en " + std::to_string(i);
            continue;
        }
        if (html[i] != '<')
            continue;
        if (html.compare(i, 4, "<!--") == 0) {
            const std::size_t fin = html.find("-->", i);
            if (fin == std::string::npos)
                return "comentario sin cerrar";
            i = fin + 2;
            continue;
        }
        if (html.compare(i, 9, "<!DOCTYPE") == 0) {
            if (i != 0)
                return "DOCTYPE fuera del principio";
            i = html.find('>', i);
            continue;
        }
        std::smatch m;
        if (!std::regex_search(html.cbegin() + static_cast<long>(i), html.cend(), m, etiqueta))
            return "etiqueta mal formada en " + std::to_string(i);
        const std::string nombre = m[2];
        if (m[1].length()) {
            if (abiertos.empty() || abiertos.back() != nombre)
                return "</" + nombre + "> cierra " + (abiertos.empty() ? std::string("nada") : "<" + abiertos.back() + ">");
            abiertos.pop_back();
        } else if (!vacios.count(nombre) && !m[4].length()) {
            abiertos.push_back(nombre);
        }
        i += static_cast<std::size_t>(m.length(0)) - 1;
    }
    return abiertos.empty() ? "" : "<" + abiertos.back() + "> sin cerrar";
}

class DatosApoyo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LeeTablaPares("\\apoyo\\ListaApoyos.txt", apoyos));
        ASSERT_TRUE(LeeTablaPares("\\apoyo\\listaSaltos.txt", saltos));
    }

    std::vector<fs::path> Paginas() const
    {
        std::vector<fs::path> paginas;
        for (const auto &e : fs::directory_iterator(RutaPrograma("\\apoyo")))
            if (e.path().extension() == ".html")
                paginas.push_back(e.path());
        return paginas;
    }

    TablaTextos apoyos;
    TablaTextos saltos;
};

TEST_F(DatosApoyo, CadaFilaAbreUnaPaginaQueExiste)
{
    // Rows 1..83: every number a screen sets, from the start screen to the construction chooser.
    ASSERT_EQ(apoyos.UltimaFila(), 83);
    for (int fila = 1; fila <= apoyos.UltimaFila(); ++fila) {
        const auto pagina = PaginaDeApoyo(apoyos, fila);
        ASSERT_TRUE(pagina) << "fila " << fila;
        EXPECT_FALSE(pagina->encabezado.empty()) << "fila " << fila;
        EXPECT_TRUE(fs::is_regular_file(pagina->archivo)) << "fila " << fila << ": " << pagina->archivo;
        EXPECT_EQ(pagina->archivo.extension(), ".html") << "fila " << fila;
    }
    EXPECT_FALSE(PaginaDeApoyo(apoyos, 84));
}

TEST_F(DatosApoyo, CadaSaltoLlevaATextoOAImagen)
{
    ASSERT_GE(saltos.UltimaFila(), 1);
    for (int salto = 1; salto <= saltos.UltimaFila(); ++salto) {
        const auto destino = DestinoDeSalto(saltos, salto);
        ASSERT_TRUE(destino) << "salto " << salto << ": " << saltos.Texto(1, salto);
        EXPECT_FALSE(destino->titulo.empty()) << "salto " << salto;
        if (destino->esTexto) {
            EXPECT_NE(Lee(destino->archivo).find("<body>"), std::string::npos) << destino->archivo;
        } else {
            // The picture preview must be able to show it.
            const QImage imagen(QString::fromStdString(destino->archivo.string()));
            EXPECT_FALSE(imagen.isNull()) << destino->archivo;
        }
    }
}

TEST_F(DatosApoyo, CadaPaginaEsHtmlEnEspanolConEnlacesQueLlevanAAlgo)
{
    const std::regex titulo("<title>([^<]+)</title>");
    const std::regex encabezado("<h2>([^<]+)</h2>");
    const std::regex enlace("<a href=\"([^\"]*)\">([^<]*)</a>");
    const auto paginas = Paginas();
    ASSERT_GE(paginas.size(), 20u);
    for (const fs::path &pagina : paginas) {
        SCOPED_TRACE(pagina.filename().string());
        const std::string html = Lee(pagina);
        EXPECT_EQ(FallaDeMarcado(html), "");
        EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"es\">", 0), 0u);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        // Links in the link colour, underlined.
        EXPECT_NE(html.find("a { color: #339a66; text-decoration: underline; }"), std::string::npos);
        std::smatch t, h;
        if (std::regex_search(html, t, titulo) && std::regex_search(html, h, encabezado))
            EXPECT_EQ(t[1], h[1]) << "the heading is the page's title";
        else
            ADD_FAILURE() << "a page needs a title and an <h2> heading";
        int enlaces = 0;
        for (std::sregex_iterator m(html.begin(), html.end(), enlace), fin; m != fin; ++m, ++enlaces) {
            const std::string destino = (*m)[1];
            EXPECT_FALSE((*m)[2].str().empty()) << destino;
            const int salto = NumeroSalto(destino);
            EXPECT_NE(salto, 0) << destino << ": the viewer only follows jumps";
            EXPECT_TRUE(DestinoDeSalto(saltos, salto)) << destino << " has no row or its file is missing";
        }
        EXPECT_GE(enlaces, 1);
        EXPECT_EQ(html.find("<a "), html.find("<a href=\"")) << "every anchor is a link";
    }
}

TEST_F(DatosApoyo, NingunaPaginaNiImagenQuedaSuelta)
{
    std::set<fs::path> usados;
    for (int fila = 1; fila <= apoyos.UltimaFila(); ++fila)
        if (const auto p = PaginaDeApoyo(apoyos, fila))
            usados.insert(p->archivo);
    for (int salto = 1; salto <= saltos.UltimaFila(); ++salto)
        if (const auto d = DestinoDeSalto(saltos, salto))
            usados.insert(d->archivo);
    for (const auto &e : fs::recursive_directory_iterator(RutaPrograma("\\apoyo"))) {
        if (!e.is_regular_file() || e.path().extension() == ".txt")
            continue;
        EXPECT_TRUE(usados.count(e.path())) << e.path() << " is shipped but nothing opens it";
    }
}

TEST(DatosApoyoMarcado, ElRevisorDeMarcadoEncuentraLasFallas)
{
    EXPECT_EQ(FallaDeMarcado("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><p>a &amp; b<br></p></body></html>"), "");
    const char *malas[] = {"<p><b>x</p></b>", "<p>x", "</p>", "<p>a & b</p>", "<p a=b>x</p>", "<!-- x", "<p>1 < 2</p>"};
    for (const char *html : malas)
        EXPECT_NE(FallaDeMarcado(html), "") << html;
}

} // namespace
