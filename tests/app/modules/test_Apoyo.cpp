// The support viewer's logic without its window: which page a support row
// opens, what a jump previews, and what each press on the page does.
#include "Apoyo.h"
#include "DoblesVentanas.h"
#include "EstadoApoyo.h"
#include "Modarch.h"
#include "RutaPrograma.h"

#include <gtest/gtest.h>

namespace {

class ApoyoDatos : public ::testing::Test {
protected:
    void SetUp() override
    {
        FijaCarpetaPrograma(carpeta.Ruta());
        // One folder, names in mixed case: the tables find them anyway.
        carpeta.Escribe("Apoyo/Signo.html", "<p>signo</p>");
        carpeta.Escribe("Apoyo/raices.html", "<p>raíces</p>");
        carpeta.Escribe("Apoyo/figuras/bandas.png", "png");
        carpeta.Escribe("Apoyo/ListaApoyos.txt",
                        "4\n\"signo\",\"\\signo.html\"\n\"raíz real\",\"\\falta.html\"\n\"vacía\",\"\"\n"
                        "\"raíces\",\"\\RAICES.html\"\n");
        // Jumps: 1 and 3 text, 2 picture, 4 no file, 5 missing file.
        carpeta.Escribe("Apoyo/listaSaltos.txt",
                        "5\n\"Signo\",\"apoyo\\signo.html\"\n\"Bandas\",\"apoyo\\figuras\\bandas.png\"\n"
                        "\"Raíces\",\"apoyo\\raices.html\"\n\"Sin archivo\",\"\"\n\"Falta\",\"apoyo\\nada.png\"\n");
        ASSERT_TRUE(LeeTablaPares("\\apoyo\\ListaApoyos.txt", apoyos));
        ASSERT_TRUE(LeeTablaPares("\\apoyo\\listaSaltos.txt", saltos));
    }
    void TearDown() override { FijaCarpetaPrograma({}); }

    CarpetaTemporal carpeta;
    TablaTextos apoyos;
    TablaTextos saltos;
};

TEST_F(ApoyoDatos, UnaFilaDaSuEncabezadoYSuPagina)
{
    const auto fila1 = PaginaDeApoyo(apoyos, 1);
    ASSERT_TRUE(fila1);
    EXPECT_EQ(fila1->encabezado, "signo");
    // Found whatever the letter case of the folder and file.
    EXPECT_EQ(fila1->archivo, carpeta.Ruta() / "Apoyo" / "Signo.html");
    const auto fila4 = PaginaDeApoyo(apoyos, 4);
    ASSERT_TRUE(fila4);
    EXPECT_EQ(fila4->archivo, carpeta.Ruta() / "Apoyo" / "raices.html");
    // A missing page still opens the viewer (with an empty page).
    const auto fila2 = PaginaDeApoyo(apoyos, 2);
    ASSERT_TRUE(fila2);
    EXPECT_EQ(fila2->encabezado, "raíz real");
    EXPECT_FALSE(std::filesystem::exists(fila2->archivo));
}

TEST_F(ApoyoDatos, FueraDeLaTablaNoHayPagina)
{
    for (int fila : {0, -1, 5, 84, 1000})
        EXPECT_FALSE(PaginaDeApoyo(apoyos, fila)) << fila;
    EXPECT_FALSE(PaginaDeApoyo(apoyos, 3)) << "a row without a page";
    EXPECT_FALSE(PaginaDeApoyo(TablaTextos{}, 1)) << "tables not loaded";
}

TEST_F(ApoyoDatos, UnSaltoEsTextoSiTerminaEnHtmlYSiNoImagen)
{
    const auto texto = DestinoDeSalto(saltos, 1);
    ASSERT_TRUE(texto);
    EXPECT_EQ(texto->titulo, "Signo");
    EXPECT_TRUE(texto->esTexto);
    EXPECT_EQ(texto->archivo, carpeta.Ruta() / "Apoyo" / "Signo.html");
    const auto imagen = DestinoDeSalto(saltos, 2);
    ASSERT_TRUE(imagen);
    EXPECT_FALSE(imagen->esTexto);
    EXPECT_EQ(imagen->archivo, carpeta.Ruta() / "Apoyo" / "figuras" / "bandas.png");
    // A missing file still previews (the preview says it is missing).
    const auto falta = DestinoDeSalto(saltos, 5);
    ASSERT_TRUE(falta);
    EXPECT_FALSE(falta->esTexto);
    EXPECT_EQ(falta->archivo.filename(), "nada.png");
    for (int salto : {0, 4, 6, -2})
        EXPECT_FALSE(DestinoDeSalto(saltos, salto)) << salto;
}

TEST(Apoyo, NumeroSaltoSoloLeeEnlacesSalto)
{
    const std::pair<const char *, int> casos[] = {
        {"salto:12", 12}, {"salto:1", 1},  {"salto:0", 0},    {"salto:", 0},
        {"salto:-3", 0},  {"salto:3x", 0}, {"salto: 3", 0},   {"salto:99999999999", 0},
        {"Salto:3", 0},   {"", 0},         {"apoyo/signo.html", 0}, {"http://salto:3", 0},
    };
    for (const auto &[enlace, numero] : casos)
        EXPECT_EQ(NumeroSalto(enlace), numero) << enlace;
}

TEST_F(ApoyoDatos, LasPulsacionesAbrenCambianYCierranLaVista)
{
    using A = EstadoApoyo::Accion;
    EstadoApoyo estado(saltos, "signo");
    EXPECT_EQ(estado.Encabezado(), "signo");
    EXPECT_EQ(estado.Pulsa(0).accion, A::Nada) << "plain text before any link";

    const auto primero = estado.Pulsa(3);
    EXPECT_EQ(primero.accion, A::MuestraTexto);
    EXPECT_EQ(primero.encabezado, "Raíces");
    EXPECT_EQ(primero.archivo, carpeta.Ruta() / "Apoyo" / "raices.html");
    EXPECT_EQ(estado.Pulsa(3).accion, A::Nada) << "the same link keeps the preview, no reload";
    EXPECT_EQ(estado.Encabezado(), "Raíces");

    // Links that lead nowhere change nothing.
    for (int salto : {4, 99}) {
        EXPECT_EQ(estado.Pulsa(salto).accion, A::Nada) << salto;
        EXPECT_EQ(estado.UltimoSalto(), 3);
        EXPECT_EQ(estado.Encabezado(), "Raíces");
    }

    const auto imagen = estado.Pulsa(2);
    EXPECT_EQ(imagen.accion, A::MuestraImagen);
    EXPECT_EQ(imagen.encabezado, "Bandas");
    EXPECT_EQ(estado.UltimoSalto(), 2);

    const auto cierre = estado.Pulsa(0);
    EXPECT_EQ(cierre.accion, A::Cierra);
    EXPECT_EQ(cierre.encabezado, "signo");
    EXPECT_EQ(estado.UltimoSalto(), 0);
    EXPECT_EQ(estado.Pulsa(0).accion, A::Nada);
    // After closing, the same link opens again.
    EXPECT_EQ(estado.Pulsa(3).accion, A::MuestraTexto);
}

} // namespace
