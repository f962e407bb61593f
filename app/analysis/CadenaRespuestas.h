#pragma once
// Where the program's values (points, intervals) lie closer together than
// the tolerance, an answer may fit several of them, and one given earlier
// may have taken the value a new answer is meant for. The new answer is
// still right when the earlier ones can move on: the shortest chain of
// values already taken, each one's answer fitting the next, the last one's
// a value still free. The points and the interval exercises search it the
// same way. Only an answer equal to one already accepted is told so
// before the search; any other is given already only when no chain frees
// a value for it.
#include <cstddef>
#include <vector>

struct CadenaRespuestas {
    // The taken values whose answers move on, in order: the new answer
    // takes the first, each answer the next, the last one's the free value.
    std::vector<std::size_t> tomados;
    int libre = -1; // the free value reached; -1: no chain

    // Breadth-first over the n values taken: tomaNueva(k), the new answer
    // fits taken value k; tomaOtro(k, j), the answer given for k fits taken
    // value j; libreDe(k), the free value the answer given for k fits, -1
    // for none.
    template <class TomaNueva, class TomaOtro, class LibreDe>
    static CadenaRespuestas busca(std::size_t n, TomaNueva tomaNueva, TomaOtro tomaOtro, LibreDe libreDe)
    {
        std::vector<int> previo(n, -2); // -2 unseen, -1 reached from the new answer
        std::vector<std::size_t> cola;
        for (std::size_t k = 0; k < n; ++k)
            if (tomaNueva(k)) {
                previo[k] = -1;
                cola.push_back(k);
            }
        for (std::size_t c = 0; c < cola.size(); ++c) {
            const std::size_t k = cola[c];
            if (const int i = libreDe(k); i >= 0) {
                CadenaRespuestas r;
                r.libre = i;
                for (int j = static_cast<int>(k); j >= 0; j = previo[static_cast<std::size_t>(j)])
                    r.tomados.insert(r.tomados.begin(), static_cast<std::size_t>(j));
                return r;
            }
            for (std::size_t j = 0; j < n; ++j)
                if (previo[j] == -2 && tomaOtro(k, j)) {
                    previo[j] = static_cast<int>(k);
                    cola.push_back(j);
                }
        }
        return {};
    }
};
