#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/switching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>

namespace {

// The first grid point at or below zero by a walk over every point; the last
// one when there is none.
double walk(const calc::Module1Scalars& m, double (*value)(const calc::Module1Scalars&, std::int32_t), double offset)
{
    std::int32_t k = 0;
    while (k < 10 * m.N && value(m, k) > 0) {
        ++k;
    }
    return calc::switchGridTime(m, k, offset);
}

TEST(Switching, BisectionFindsThePointOfAWalkOverTheWholeGrid)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> decade(-3, 6);
    std::uniform_int_distribution<int> samples(1, 4000);
    std::vector<std::pair<double, double>> products;
    for (int run = 0; run < 600; ++run) {
        products.emplace_back(std::pow(10.0, decade(random)), std::pow(10.0, decade(random)));
    }
    // Products beyond a double: an infinite R*omega*C, a vanishing C*R, and an
    // R*omega*C below the rounding of cos at T/4.
    products.insert(products.end(), {{1e300 * 1e8, 1e300}, {1e-300, 1e-300}, {1e-17, 1}});
    for (std::size_t run = 0; run < products.size(); ++run) {
        calc::Module1 m;
        m.f = std::pow(10.0, decade(random));
        m.omega = m.f * calc::TwoPi;
        m.N = run % 3 == 0 ? samples(random) % 20 + 1 : samples(random);
        m.R = products[run].second;
        m.C = products[run].first / (m.omega * m.R);
        m.CalcT1();
        m.CalcT2();
        ASSERT_EQ(m.t1, walk(m, calc::switchOffValue, 0)) << "f=" << m.f << " N=" << m.N << " R=" << m.R;
        ASSERT_EQ(m.t2, walk(m, calc::switchOnValue, 0.75 / m.f)) << "f=" << m.f << " N=" << m.N << " R=" << m.R;
    }
}

} // namespace
