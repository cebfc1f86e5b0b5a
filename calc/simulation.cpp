#include "calc/module1.h"

#include <cmath>
#include <cstddef>
#include <new>

namespace calc {

void Module1::CalcWaveforms()
{
    if (N < -1) {
        // Index range 0..N+1 would be empty or reversed.
        throw std::bad_alloc();
    }
    const auto size = static_cast<std::size_t>(N) + 2;
    Vc.assign(size, 0.0);
    VoNoC.assign(size, 0.0);
    id.assign(size, 0.0);
    ++generation;

    CalcT1();
    CalcT2();

    const double period = 1 / f;
    const double quarter = 1 / (f * 4);
    const double threeQuarters = 3 / (f * 4);
    const double samplesPerSecond = static_cast<double>(N) * f;
    const double chargeFactor = (-C) * omega * Vp;
    const double loadFactor = Vp / R;
    const double heldVoltage = Vp * std::cos(omega * t1);
    const double RC = R * C;

    for (std::int32_t k = 0; k <= N; ++k) {
        // The last sample stands at the end of the period, whatever k/(N*f)
        // rounds to.
        const double t = k == N ? period : k / samplesPerSecond;
        const bool conducting = (0 <= t && t <= t1) || (t2 < t && t <= period);
        const bool blocking = t1 < t && t <= t2;
        const bool generatorHigh =
            (0 <= t && t <= quarter) || (threeQuarters < t && t <= period);
        if (conducting || generatorHigh) {
            const double x = omega * t;
            const double c = std::cos(x);
            if (conducting) {
                Vc[k] = Vp * c;
                id[k] = chargeFactor * std::sin(x) + loadFactor * c;
            }
            if (generatorHigh) {
                VoNoC[k] = Vp * c;
            }
        }
        if (blocking) {
            id[k] = 0;
            Vc[k] = heldVoltage * std::exp(-(t - t1) / RC);
        }
    }
}

namespace {

// Largest magnitude, starting from the first sample as stored.
double largestMagnitude(const std::vector<double>& a, std::int32_t n)
{
    if (n < 0) {
        return a.empty() ? 0 : a[0];
    }
    double best = a[0];
    for (std::int32_t k = 0; k <= n; ++k) {
        if (std::abs(a[k]) >= best) {
            best = std::abs(a[k]);
        }
    }
    return best;
}

} // namespace

void Module1::CalcIdPicco()
{
    IdPicco = largestMagnitude(id, N);
}

void Module1::CalcVomax()
{
    Vomax = largestMagnitude(Vc, N);
}

void Module1::CalcVomin()
{
    // Starting from the magnitude keeps this the smallest magnitude also for
    // a negative Vp, whose first sample is negative.
    Vomin = Vc.empty() ? 0 : std::abs(Vc[0]);
    for (std::int32_t k = 0; k <= N; ++k) {
        if (std::abs(Vc[k]) <= Vomin) {
            Vomin = std::abs(Vc[k]);
        }
    }
}

void Module1::CalcVoDC()
{
    // The sample at t = T repeats the one at t = 0: the period counts it once.
    SumVc = 0;
    for (std::int32_t k = 0; k < N; ++k) {
        SumVc = dt * Vc[k] + SumVc;
    }
    VoDC = f * SumVc;
}

} // namespace calc
