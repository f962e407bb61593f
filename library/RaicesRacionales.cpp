#include "RaicesRacionales.h"

#include "PuenteFlint.h"

#include <flint/fmpq.h>
#include <flint/nmod_poly.h>
#include <flint/nmod_poly_factor.h>
#include <flint/ulong_extras.h>

namespace {

// A prime of 62 bits that does not divide the leading coefficient of f,
// so f keeps its degree modulo it. Its size lets fractions with numerator
// and denominator below 2^30 be read back from their residue.
mp_limb_t PrimoPara(const fmpz_poly_t f)
{
    static const mp_limb_t primero = n_nextprime(UWORD(1) << 62, 1);
    mp_limb_t p = primero;
    while (fmpz_fdiv_ui(f->coeffs + fmpz_poly_degree(f), p) == 0)
        p = n_nextprime(p, 1);
    return p;
}

} // namespace

std::vector<Racional> SacaRaicesRacionales(fmpz_poly_t f)
{
    std::vector<Racional> raices;
    if (fmpz_poly_degree(f) < 1)
        return raices;
    const mp_limb_t p = PrimoPara(f);
    nmod_poly_t g;
    nmod_poly_init(g, p);
    fmpz_poly_get_nmod_poly(g, f);
    nmod_poly_factor_t modulares;
    nmod_poly_factor_init(modulares);
    nmod_poly_roots(modulares, g, 0);

    fmpz_t modulo, residuo;
    fmpz_init_set_ui(modulo, p);
    fmpz_init(residuo);
    fmpz_poly_t lineal, cociente;
    fmpz_poly_init(lineal);
    fmpz_poly_init(cociente);
    for (slong i = 0; i < modulares->num && fmpz_poly_degree(f) >= 1; ++i) {
        // Each factor is x - r modulo p.
        fmpz_set_ui(residuo, nmod_neg(modulares->p[i].coeffs[0], g->mod));
        Racional r;
        if (!fmpq_reconstruct_fmpz(Flint(r), residuo, modulo))
            continue;
        fmpz_poly_set_coeff_fmpz(lineal, 1, fmpq_denref(Flint(r)));
        fmpz_neg(residuo, fmpq_numref(Flint(r)));
        fmpz_poly_set_coeff_fmpz(lineal, 0, residuo);
        if (fmpz_poly_divides(cociente, f, lineal)) {
            fmpz_poly_swap(f, cociente);
            raices.push_back(std::move(r));
        }
    }
    fmpz_poly_clear(lineal);
    fmpz_poly_clear(cociente);
    fmpz_clear(modulo);
    fmpz_clear(residuo);
    nmod_poly_factor_clear(modulares);
    nmod_poly_clear(g);
    return raices;
}

bool EsLibreDeCuadradosModular(const fmpz_poly_t f)
{
    if (fmpz_poly_degree(f) < 2)
        return true;
    const mp_limb_t p = PrimoPara(f);
    nmod_poly_t g, d, mcd;
    nmod_poly_init(g, p);
    nmod_poly_init(d, p);
    nmod_poly_init(mcd, p);
    fmpz_poly_get_nmod_poly(g, f);
    nmod_poly_derivative(d, g);
    nmod_poly_gcd(mcd, g, d);
    const bool libre = nmod_poly_degree(mcd) == 0;
    nmod_poly_clear(g);
    nmod_poly_clear(d);
    nmod_poly_clear(mcd);
    return libre;
}
