#include "calc/module1.h"

#include <cmath>
#include <cstddef>

namespace calc {

namespace {

// Sized for n elements, reusing the buffer unless it is too small or far too
// large to keep.
void resize(Samples& a, std::size_t n)
{
    if (a.capacity() < n || a.capacity() / 4 > n + 1024) {
        a = Samples();
    }
    a.resize(n);
}

// The scans' comparisons, in their order: ties move to the later sample.
void measure(Measured& m, double i, double vc)
{
    if (std::abs(i) >= m.IdPicco) {
        m.IdPicco = std::abs(i);
    }
    if (std::abs(vc) >= m.Vomax) {
        m.Vomax = std::abs(vc);
    }
    if (std::abs(vc) <= m.Vomin) {
        m.Vomin = std::abs(vc);
    }
}

} // namespace

void Module1::CalcWaveforms()
{
    const auto size = static_cast<std::size_t>(N) + 2;
    resize(Vc, size);
    resize(VoNoC, size);
    resize(id, size);
    Vc[N + 1] = 0;
    VoNoC[N + 1] = 0;
    id[N + 1] = 0;
    simulatedFrom_ = {Vp, f, C, R, N, omega, dt};

    CalcT1();
    CalcT2();
    CalcSamples();
}

void Module1::CalcSamples()
{
    const double period = 1 / f;
    const double quarter = 1 / (f * 4);
    const double threeQuarters = 3 / (f * 4);
    const double chargeFactor = (-C) * omega * Vp;
    const double loadFactor = Vp / R;
    const double heldVoltage = Vp * std::cos(omega * t1);
    const double RC = R * C;

    Measured m;
    for (std::int32_t k = 0; k <= N; ++k) {
        const double t = sampleTime(k);
        const bool conducting = (0 <= t && t <= t1) || (t2 < t && t <= period);
        const bool blocking = t1 < t && t <= t2;
        const bool generatorHigh = (0 <= t && t <= quarter) || (threeQuarters < t && t <= period);
        double vc = 0;
        double i = 0;
        double half = 0;
        if (conducting || generatorHigh) {
            const double x = omega * t;
            const double c = std::cos(x);
            if (conducting) {
                vc = Vp * c;
                i = chargeFactor * std::sin(x) + loadFactor * c;
            }
            if (generatorHigh) {
                half = Vp * c;
            }
        }
        if (blocking) {
            vc = heldVoltage * std::exp(-(t - t1) / RC);
        }
        Vc[k] = vc;
        id[k] = i;
        VoNoC[k] = half;

        if (k == 0) {
            m = {i, vc, std::abs(vc), 0};
        }
        measure(m, i, vc);
        if (k < N) {
            m.SumVc = dt * vc + m.SumVc;
        }
    }
    measured_ = m;
}

void Module1::CalcIdPicco()
{
    IdPicco = measured_.IdPicco;
}

void Module1::CalcVomax()
{
    Vomax = measured_.Vomax;
}

// Taken from the magnitude, so also the smallest magnitude for a negative Vp,
// whose first sample is negative.
void Module1::CalcVomin()
{
    Vomin = measured_.Vomin;
}

// The sample at t = T repeats the one at t = 0: the period counts it once.
void Module1::CalcVoDC()
{
    SumVc = measured_.SumVc;
    VoDC = f * SumVc;
}

} // namespace calc
