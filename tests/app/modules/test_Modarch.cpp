// Reading the pair lists and the indexed message lists.
#include "DoblesVentanas.h"
#include "Modarch.h"
#include "RutaPrograma.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

class TablasArchivo : public ::testing::Test {
protected:
    void SetUp() override { FijaCarpetaPrograma(carpeta.Ruta()); }
    void TearDown() override { FijaCarpetaPrograma({}); }
    CarpetaTemporal carpeta;
};

TEST_F(TablasArchivo, ParesLeeLasFilasYDejaVaciaLaCero)
{
    carpeta.Escribe("apoyo/ListaApoyos.txt",
                    "2\r\n\"raíz, real\",\"raices.html\"\r\n\"signo\",\"signo.html\"\r\n");
    TablaTextos t;
    ASSERT_TRUE(LeeTablaPares("\\apoyo\\ListaApoyos.txt", t));
    EXPECT_EQ(t.UltimaFila(), 2);
    EXPECT_EQ(t.Texto(0, 0), "");
    EXPECT_EQ(t.Texto(0, 1), "raíz, real");
    EXPECT_EQ(t.Texto(1, 2), "signo.html");
}

TEST_F(TablasArchivo, ParesConCuentaCeroSoloTienenLaFilaCero)
{
    carpeta.Escribe("l.txt", "0\n");
    TablaTextos t;
    ASSERT_TRUE(LeeTablaPares("\\l.txt", t));
    EXPECT_EQ(t.UltimaFila(), 0);
}

TEST_F(TablasArchivo, ParesIgnoranLoQueSobraYFallanSiFalta)
{
    carpeta.Escribe("mas.txt", "1\n\"a\",\"b\"\n\"c\",\"d\"\n");
    carpeta.Escribe("menos.txt", "3\n\"a\",\"b\"\n\"c\",\"d\"\n");
    carpeta.Escribe("impar.txt", "1\n\"a\"\n");
    TablaTextos t;
    ASSERT_TRUE(LeeTablaPares("\\mas.txt", t));
    EXPECT_EQ(t.UltimaFila(), 1);
    EXPECT_EQ(t.Texto(1, 1), "b");
    EXPECT_FALSE(LeeTablaPares("\\menos.txt", t));
    EXPECT_FALSE(LeeTablaPares("\\impar.txt", t));
}

TEST_F(TablasArchivo, CuentasInvalidasYArchivoAusenteFallan)
{
    const char *casos[] = {"-1\n", "tres\n", "40000\n", "", "2.5.1\n"};
    TablaTextos t;
    for (const char *contenido : casos) {
        carpeta.Escribe("c.txt", contenido);
        EXPECT_FALSE(LeeTablaPares("\\c.txt", t)) << contenido;
        EXPECT_FALSE(LeeTablaIndexada("\\c.txt", t)) << contenido;
    }
    EXPECT_FALSE(LeeTablaPares("\\no\\existe.txt", t));
    EXPECT_FALSE(LeeTablaIndexada("\\no\\existe.txt", t));
}

TEST_F(TablasArchivo, IndexadaEnCualquierOrden)
{
    carpeta.Escribe("e.txt", "\xEF\xBB\xBF" "4\n3,\"tres\",\"\"\n1,\"uno\",\"detalle, con coma\"\n0,\"cero\",\"\"\n"
                             "3,\"otra vez\",\"d\"\n2,\"dos\",\"\"\n4,\"cuatro\",\"\"\n");
    TablaTextos t;
    ASSERT_TRUE(LeeTablaIndexada("\\e.txt", t));
    EXPECT_EQ(t.UltimaFila(), 4);
    EXPECT_EQ(t.Texto(0, 1), "uno");
    EXPECT_EQ(t.Texto(1, 1), "detalle, con coma");
    EXPECT_EQ(t.Texto(0, 3), "otra vez"); // the later record wins
    EXPECT_EQ(t.Texto(1, 2), "");         // a detail may be empty
}

TEST_F(TablasArchivo, IndexadaSeDetieneTrasLaFilaN)
{
    carpeta.Escribe("e.txt", "2\n0,\"cero\",\"\"\n1,\"uno\",\"\"\n2,\"dos\",\"\"\nbasura sin formato\n");
    TablaTextos t;
    ASSERT_TRUE(LeeTablaIndexada("\\e.txt", t));
    EXPECT_EQ(t.Texto(0, 2), "dos");
}

// Damage that must never load in silence: an empty message window, or a
// text cut short, would show later in front of the student.
TEST_F(TablasArchivo, IndexadaDaniadaFalla)
{
    const std::string casos[] = {
        "2\n3,\"a\",\"b\"\n", "2\n-1,\"a\",\"b\"\n", "2\nx,\"a\",\"b\"\n", "2\n1,\"a\"\n",
        // rows missing: at the start, in the middle, at the end (the file
        // ends before the row of its count), or after row n came first
        "2\n1,\"a\",\"\"\n2,\"b\",\"\"\n", "3\n0,\"a\",\"\"\n1,\"b\",\"\"\n3,\"d\",\"\"\n",
        "2\n0,\"a\",\"\"\n1,\"b\",\"\"\n", "2\n2,\"c\",\"\"\n0,\"a\",\"\"\n1,\"b\",\"\"\n",
        // a row named without its message
        "1\n0,\"a\",\"\"\n1,\"\",\"detalle\"\n",
        // cut inside the last text, or a quote left open on its line
        "1\n0,\"a\",\"\"\n1,\"b\",\"la normal es v", "1\n0,\"a\n\",\"\"\n1,\"b\",\"\"\n",
        // a NUL byte inside a message or a detail
        "1\n0,\"a\0b\",\"\"\n1,\"b\",\"\"\n"s, "1\n0,\"a\",\"\"\n1,\"b\",\"\0\"\n"s};
    TablaTextos t;
    for (const std::string &contenido : casos) {
        carpeta.Escribe("e.txt", contenido);
        EXPECT_FALSE(LeeTablaIndexada("\\e.txt", t)) << contenido;
    }
}

TEST_F(TablasArchivo, ParesCortadosOConNulFallan)
{
    const std::string casos[] = {"2\n\"polinomio\",\"\\polinomio.html\"\n\"construir\",\"\\construc",
                                 "1\n\"a\",\"b\0c\"\n"s};
    TablaTextos t;
    for (const std::string &contenido : casos) {
        carpeta.Escribe("l.txt", contenido);
        EXPECT_FALSE(LeeTablaPares("\\l.txt", t)) << contenido;
    }
}

} // namespace
