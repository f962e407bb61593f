// The help topics: what each topic number shows, that every page the
// topics name ships as a sound HTML page in Spanish, and that the help book
// is made of those same pages.
#include "RutaPrograma.h"
#include "TemasAyuda.h"

#include <gtest/gtest.h>

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

std::string LeeArchivo(const fs::path &ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> Solo(std::string observacion) { return {std::move(observacion)}; }

// Problems that keep a page from being a sound HTML page in Spanish: the
// frame (doctype, language, encoding, title), tags closed in the order
// they were opened, only the entities the pages use, and a heading.
std::vector<std::string> FallasPagina(const std::string &html)
{
    std::vector<std::string> fallas;
    if (html.rfind("<!DOCTYPE html>", 0) != 0)
        fallas.push_back("no empieza con <!DOCTYPE html>");
    if (html.find("<html lang=\"es\">") == std::string::npos)
        fallas.push_back("sin <html lang=\"es\">");
    if (html.find("<meta charset=\"utf-8\">") == std::string::npos)
        fallas.push_back("sin <meta charset=\"utf-8\">");
    if (!std::regex_search(html, std::regex("<title>[^<]*[A-Za-z][^<]*</title>")))
        fallas.push_back("sin título");

    static const std::set<std::string> vacios = {"meta", "br", "hr", "img", "link", "col", "wbr"};
    const std::string sinComentarios = std::regex_replace(html, std::regex("<!--[\\s\\S]*?-->"), "");
    const std::regex etiqueta("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>");
    std::vector<std::string> abiertas;
    for (std::sregex_iterator m(sinComentarios.begin(), sinComentarios.end(), etiqueta), fin; m != fin; ++m) {
        const std::string nombre = (*m)[2];
        if (vacios.count(nombre))
            continue;
        if ((*m)[1].length() == 0) {
            abiertas.push_back(nombre);
        } else if (abiertas.empty() || abiertas.back() != nombre) {
            fallas.push_back("</" + nombre + "> no cierra la última etiqueta abierta");
            return fallas;
        } else {
            abiertas.pop_back();
        }
    }
    if (!abiertas.empty())
        fallas.push_back("<" + abiertas.back() + "> sin cerrar");
    if (std::regex_search(sinComentarios, std::regex("&(?!(amp|lt|gt|nbsp|quot|#[0-9]+);)")))
        fallas.push_back("& suelto o entidad desconocida");
    // The heading: the first h1 or h2 says in words what the page is about.
    std::smatch encabezado;
    if (!std::regex_search(sinComentarios, encabezado, std::regex("<h([12])>([^<]*)</h\\1>"))
        || !std::regex_search(encabezado[2].str(), std::regex("[a-z]{3}")))
        fallas.push_back("sin encabezado <h1> o <h2> con texto");
    return fallas;
}

// Every page a topic names, as the program writes it.
std::set<std::string> PaginasDeLosTemas()
{
    std::set<std::string> paginas;
    for (int n = 0; n <= UltimoTemaAyuda; ++n) {
        const TemaAyuda tema = TemaDeAyuda(n);
        for (const std::string &p : {tema.cuerpo, tema.tituloArchivo})
            if (!p.empty())
                paginas.insert(p);
        paginas.insert(tema.observaciones.begin(), tema.observaciones.end());
    }
    return paginas;
}

} // namespace

TEST(TemasAyuda, LoQueMuestraCadaTema)
{
    const TemaAyuda inicio = TemaDeAyuda(0);
    EXPECT_EQ(inicio.cuerpo, "\\ayuda\\ayuMnuInicio.html");
    EXPECT_EQ(inicio.tituloArchivo, "\\rotulo\\titu0.html");
    EXPECT_EQ(inicio.tituloTexto, "");
    EXPECT_EQ(inicio.observaciones, Solo("\\observa\\obser0.html"));

    // A fixed title, and a remark of its own loaded over the general one.
    const TemaAyuda raiz = TemaDeAyuda(6);
    EXPECT_EQ(raiz.cuerpo, "\\ayuda\\ayuRaiReal.html");
    EXPECT_EQ(raiz.tituloArchivo, "");
    EXPECT_EQ(raiz.tituloTexto, "Encontrar el valor de una raíz real");
    EXPECT_EQ(raiz.observaciones, (std::vector<std::string>{"\\observa\\obser0.html", "\\observa\\obser1.html"}));

    // The fixed titles stand as written, also where they fit badly.
    EXPECT_EQ(TemaDeAyuda(61).tituloTexto, "¿Cómo reconozco cada curva?");
    EXPECT_EQ(TemaDeAyuda(62).tituloTexto, "¿Cómo reconozco cada curva?");
    EXPECT_EQ(TemaDeAyuda(40).cuerpo, "\\ayuda\\ayuConSiNo.html");
    EXPECT_EQ(TemaDeAyuda(39).cuerpo, "\\ayuda\\ayuConDeri1-2.html");

    // Topics without pages, and numbers beyond the table: the general remark only.
    for (int n : {23, 24, 25, 26, 27, 28, 57, 58, 59, 68, 99, -1}) {
        const TemaAyuda vacio = TemaDeAyuda(n);
        EXPECT_EQ(vacio.cuerpo, "") << n;
        EXPECT_EQ(vacio.tituloArchivo, "") << n;
        EXPECT_EQ(vacio.tituloTexto, "") << n;
        EXPECT_EQ(vacio.observaciones, Solo("\\observa\\obser0.html")) << n;
    }
}

TEST(TemasAyuda, TemasQueCompartenTituloOPagina)
{
    // Same title, different bodies.
    EXPECT_EQ(TemaDeAyuda(2).tituloTexto, "Eliges características del polinomio a analizar");
    EXPECT_EQ(TemaDeAyuda(4).tituloTexto, TemaDeAyuda(2).tituloTexto);
    EXPECT_NE(TemaDeAyuda(4).cuerpo, TemaDeAyuda(2).cuerpo);
    // 4 and 12 spell their page differently; both reach the one shipped file.
    EXPECT_NE(TemaDeAyuda(4).cuerpo, TemaDeAyuda(12).cuerpo);
    const fs::path cuatro = RutaPrograma(TemaDeAyuda(4).cuerpo);
    ASSERT_TRUE(fs::exists(cuatro)) << cuatro;
    EXPECT_EQ(cuatro, RutaPrograma(TemaDeAyuda(12).cuerpo));
}

TEST(DatosAyuda, CadaPaginaDeLosTemasExisteYEsHtmlEnEspanol)
{
    const std::set<std::string> paginas = PaginasDeLosTemas();
    std::set<fs::path> usadas;
    for (const std::string &p : paginas) {
        const fs::path ruta = RutaPrograma(p);
        ASSERT_TRUE(fs::exists(ruta)) << p;
        usadas.insert(ruta);
        const std::string html = LeeArchivo(ruta);
        for (const std::string &falla : FallasPagina(html))
            ADD_FAILURE() << p << ": " << falla;
        // The help window shows one page at a time: no links to follow.
        EXPECT_EQ(html.find("href="), std::string::npos) << p;
    }
    EXPECT_EQ(usadas.size(), 58u + 3u + 4u); // bodies (4 and 12 share one), titles, remarks
    // Nothing in the three folders that no topic shows.
    for (const char *carpeta : {"ayuda", "rotulo", "observa"})
        for (const auto &e : fs::directory_iterator(RutaPrograma(carpeta)))
            EXPECT_TRUE(usadas.count(e.path())) << e.path() << " no es de ningún tema";
}

TEST(DatosAyuda, ElRevisorDePaginasVeLasFallas)
{
    const std::string buena = "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
                              "<title>Signo</title>\n</head>\n<body>\n<h2>Signo de la función</h2>\n"
                              "<p>P(x) &gt; 0<br>en <b>(1, 2)</b></p>\n</body>\n</html>\n";
    EXPECT_TRUE(FallasPagina(buena).empty());
    const std::vector<std::pair<std::string, std::string>> malas = {
        {"<b>(1, 2)</b>", "<b>(1, 2)"},
        {"<b>(1, 2)</b>", "<b>(1, 2)</i>"},
        {"lang=\"es\"", "lang=\"en\""},
        {"<h2>Signo de la función</h2>", "<h3>Signo de la función</h3>"},
        {"&gt;", "& "},
        {"<title>Signo</title>", "<title></title>"},
    };
    for (const auto &[de, a] : malas) {
        std::string mala = buena;
        mala.replace(mala.find(de), de.size(), a);
        EXPECT_FALSE(FallasPagina(mala).empty()) << a;
    }
}

// The book holds each topic's own page: a chapter page names it with the
// mark <!-- tema NAME --> and the build puts the page's body there under
// the anchor NAME; topic n is the keyword tema-n.
TEST(DatosAyuda, ElLibroSeHaceConLasPaginasDeLosTemas)
{
    const fs::path texto = RutaPrograma("texto");
    const std::string qhp = LeeArchivo(texto / "Quorvane.qhp");
    ASSERT_FALSE(qhp.empty());
    const std::regex archivo("<file>([^<]+)</file>");
    const std::regex marca("<!-- tema ([A-Za-z0-9-]+) -->");
    std::multiset<std::string> incluidas;
    std::map<std::string, std::string> capituloDe;
    for (std::sregex_iterator f(qhp.begin(), qhp.end(), archivo), fin; f != fin; ++f) {
        const std::string capitulo = (*f)[1];
        const std::string html = LeeArchivo(texto / capitulo);
        for (std::sregex_iterator m(html.begin(), html.end(), marca); m != fin; ++m) {
            incluidas.insert((*m)[1]);
            capituloDe[(*m)[1]] = capitulo;
        }
    }
    // Each topic page once, and no mark without its page.
    std::set<std::string> cuerpos;
    for (int n = 0; n <= UltimoTemaAyuda; ++n)
        if (!TemaDeAyuda(n).cuerpo.empty())
            cuerpos.insert(RutaPrograma(TemaDeAyuda(n).cuerpo).stem().string());
    for (const std::string &c : cuerpos)
        EXPECT_EQ(incluidas.count(c), 1u) << c;
    for (const std::string &c : incluidas)
        EXPECT_TRUE(cuerpos.count(c)) << "marca sin página: " << c;

    // Topic n opens the chapter that holds its page, at the page's anchor
    // (a chapter's opening topic may open it at the top).
    for (int n = 0; n <= UltimoTemaAyuda; ++n) {
        std::smatch m;
        const std::regex tema("id=\"tema-" + std::to_string(n) + "\" ref=\"([^\"#]+)(#([^\"]+))?\"");
        ASSERT_TRUE(std::regex_search(qhp, m, tema)) << "tema " << n;
        const std::string cuerpo = TemaDeAyuda(n).cuerpo;
        if (cuerpo.empty())
            continue;
        const std::string base = RutaPrograma(cuerpo).stem().string();
        // Topic 1 is also where the book key opens the book: its first page.
        EXPECT_EQ(m[1].str(), n == 1 ? "introduccion.html" : capituloDe[base]) << "tema " << n;
        if (m[3].matched) {
            EXPECT_EQ(m[3].str(), base) << "tema " << n;
        }
    }
}

// The book the build made: every mark was replaced by its page.
TEST(DatosAyuda, ElLibroConstruidoTieneLasPaginas)
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path construido = exe.parent_path().parent_path() / "bin" / "data" / "texto";
    if (ec || !fs::exists(construido / "raices.html"))
        GTEST_SKIP() << "no built data folder";
    const std::string raices = LeeArchivo(construido / "raices.html");
    EXPECT_EQ(raices.find("<!-- tema"), std::string::npos);
    EXPECT_NE(raices.find("<a name=\"ayuRaiReal\"></a>"), std::string::npos);
    const std::string propia = LeeArchivo(RutaPrograma("\\ayuda\\ayuRaiReal.html"));
    std::smatch encabezado;
    ASSERT_TRUE(std::regex_search(propia, encabezado, std::regex("<h2>([^<]+)</h2>")));
    EXPECT_NE(raices.find(encabezado[1].str()), std::string::npos);
    for (const std::string &falla : FallasPagina(raices))
        ADD_FAILURE() << "raices.html construido: " << falla;
}
