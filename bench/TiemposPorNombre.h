#pragma once
// The console output of Google Benchmark as usual, keeping each
// benchmark's real time per iteration (the median when run with
// repetitions) by its name, for a summary table printed at the end.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class TiemposPorNombre : public benchmark::ConsoleReporter {
public:
    explicit TiemposPorNombre(std::function<void(const TiemposPorNombre &)> tabla)
        : m_tabla(std::move(tabla))
    {
    }

    // In the benchmark's own time unit; 0 for a name that did not run.
    double Tiempo(const std::string &nombre) const
    {
        const auto it = m_tiempos.find(nombre);
        return it == m_tiempos.end() ? 0.0 : it->second;
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs) {
            const bool mediana = r.aggregate_name == "median";
            if (r.run_type == Run::RT_Aggregate && !mediana)
                continue;
            const std::string &args = r.run_name.args;
            const std::string nombre = r.run_name.function_name + (args.empty() ? "" : "/" + args);
            if (mediana || !m_conMediana.count(nombre))
                m_tiempos[nombre] = r.GetAdjustedRealTime();
            if (mediana)
                m_conMediana.insert(nombre);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        m_tabla(*this);
    }

private:
    std::function<void(const TiemposPorNombre &)> m_tabla;
    std::map<std::string, double> m_tiempos;
    std::set<std::string> m_conMediana;
};
