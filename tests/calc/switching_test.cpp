#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/switching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>

namespace {

// The searches as a plain walk over every grid point.
double plainT1(const calc::Module1Scalars& m)
{
    for (std::int32_t k = 0; k <= 10 * m.N; ++k) {
        if (std::abs(calc::switchOffValue(m, k)) <= calc::SwitchTolerance) {
            return calc::switchGridTime(m, k, 0);
        }
    }
    return 0;
}

double plainT2(const calc::Module1Scalars& m)
{
    for (std::int32_t k = 0; k <= 10 * m.N; ++k) {
        if (std::abs(calc::switchOnValue(m, k)) <= calc::SwitchTolerance) {
            return calc::switchGridTime(m, k, 0.75 / m.f);
        }
    }
    for (std::int32_t k = 0; k <= 10 * m.N; ++k) {
        if (calc::switchOnValue(m, k) <= 0) {
            return calc::switchGridTime(m, k, 0.75 / m.f);
        }
    }
    return 0;
}

TEST(Switching, BisectionReturnsThePointOfThePlainWalk)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> decade(-3, 6);
    std::uniform_real_distribution<double> frequencyDecade(-2, 6);
    std::uniform_int_distribution<int> samples(1, 4000);
    int foundT1 = 0;
    int missedT1 = 0;
    int bandT2 = 0;
    for (int run = 0; run < 1200; ++run) {
        calc::Module1 m;
        m.f = std::pow(10.0, frequencyDecade(random));
        m.omega = m.f * calc::TwoPi;
        m.N = run % 3 == 0 ? samples(random) % 20 + 1 : samples(random);
        // omega*R*C spans 1e-3 .. 1e6.
        const double product = std::pow(10.0, decade(random));
        m.R = std::pow(10.0, decade(random));
        m.C = product / (m.omega * m.R);
        m.CalcT1();
        ASSERT_EQ(m.t1, plainT1(m)) << "f=" << m.f << " N=" << m.N << " R=" << m.R << " C=" << m.C;
        m.CalcT2();
        ASSERT_EQ(m.t2, plainT2(m)) << "f=" << m.f << " N=" << m.N << " R=" << m.R << " C=" << m.C;
        (m.t1 > 0 ? foundT1 : missedT1) += 1;
        bandT2 += std::abs(calc::switchOnValue(m, static_cast<std::int32_t>(std::lround(
                                                      (m.t2 - 0.75 / m.f) * 40 * m.N * m.f)))) <= calc::SwitchTolerance;
    }
    // Products beyond a double: an infinite R*omega*C, a vanishing C*R.
    for (const auto& [R, C] : {std::pair{1e300, 1e300}, std::pair{1e-300, 1e-300}, std::pair{1e300, 1e-310}}) {
        calc::Module1 m;
        m.f = 50;
        m.omega = m.f * calc::TwoPi;
        m.N = 1000;
        m.R = R;
        m.C = C;
        m.CalcT1();
        EXPECT_EQ(m.t1, plainT1(m)) << R << " " << C;
        m.CalcT2();
        EXPECT_EQ(m.t2, plainT2(m)) << R << " " << C;
    }
    // The draw must exercise both outcomes of each search.
    EXPECT_GT(foundT1, 100);
    EXPECT_GT(missedT1, 100);
    EXPECT_GT(bandT2, 100);
    EXPECT_LT(bandT2, 1100);
}

} // namespace
