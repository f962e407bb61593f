#include "Avisos.h"

#include <gtest/gtest.h>

TEST(Avisos, RecorderKeepsMessagesAndRestoresTheReceiver)
{
    rt::GrabadoraAvisos fuera;
    {
        rt::GrabadoraAvisos dentro;
        rt::MuestraAviso("ERROR: Escala mal definida");
        ASSERT_EQ(dentro.avisos().size(), 1u);
        EXPECT_EQ(dentro.avisos()[0].texto, "ERROR: Escala mal definida");
        EXPECT_EQ(dentro.avisos()[0].titulo, "");
    }
    rt::MuestraAviso("Algo fallo con la raiz: ", "Halmered");
    ASSERT_EQ(fuera.avisos().size(), 1u);
    EXPECT_EQ(fuera.avisos()[0].titulo, "Halmered");
    fuera.limpia();
    EXPECT_TRUE(fuera.avisos().empty());
}
