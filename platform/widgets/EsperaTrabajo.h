#pragma once
// Work that may be slow (the analysis of a long typed polynomial) runs on a
// thread of its own while the window's thread waits for it. A job done
// within a short wait (every classroom polynomial) returns as if it had run
// in place: no event is processed meanwhile. A longer one gets the busy
// cursor and an event loop that keeps painting and timers going but drops
// the student's input (mouse buttons, wheel, keys, shortcuts, closing a
// window) until the job ends.
//
// The job must not touch widgets, nor state the window's thread may change
// while it waits (timers and paints still run): it computes into objects of
// its own, which the caller publishes once EsperaTrabajo returns. A wait
// begun while another one runs (from a timer) does its job in place.
#include <chrono>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace plataforma {

class EsperaTrabajo {
public:
    // Runs trabajo on a thread of its own and returns when it has ended;
    // an exception it throws is thrown again here. Without a QApplication,
    // or off the application's thread, it simply runs in place.
    static void Ejecuta(const std::function<void()> &trabajo);

    // The same for a job that gives a result.
    template <class F>
    static std::invoke_result_t<F &> Calcula(F &&calculo)
    {
        using R = std::invoke_result_t<F &>;
        std::optional<R> r;
        Ejecuta([&] { r.emplace(calculo()); });
        return std::move(*r);
    }

    // How long the window's thread waits without an event loop before the
    // busy cursor: about two frames.
    static constexpr std::chrono::milliseconds Paciencia{40};

    // A busy wait with its event loop is running.
    static bool EnCurso();
    // The calling thread is one that EsperaTrabajo started for a job.
    static bool EnHiloAparte();
};

} // namespace plataforma
