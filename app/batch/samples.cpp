#include "app/batch/samples.h"

#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"
#include "app/batch/singlerow.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace batch {

int runSamples(std::istream& in, std::ostream& out, std::ostream& err)
{
    const auto v = readSingleRow(in, err, {"Vp", "f", "C", "R", "N"}, "--campioni");
    if (!v) {
        return Unreadable;
    }
    calc::Module1 m;
    const calc::ShowMessage show = [&err](calc::Severity, const std::string& text) { err << text << '\n'; };
    if (!calc::Command1_Click(m, {(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]}, '.', show)) {
        return Refused;
    }
    out << "t [s],id [A],Vc [V],VoNoC [V]\n";
    // Four numbers of at most 24 characters and their separators fit the reserve.
    constexpr std::ptrdiff_t Reserve = 128;
    std::array<char, 1 << 16> buffer{};
    char* end = buffer.data();
    const auto flush = [&] {
        out.write(buffer.data(), end - buffer.data());
        end = buffer.data();
    };
    for (std::int32_t k = 0; k <= m.N && out; ++k) {
        const double t = m.sampleTime(k);
        for (const double x : {t, m.id[k], m.Vc[k], m.VoNoC[k]}) {
            end = std::to_chars(end, buffer.data() + buffer.size(), x).ptr;
            *end++ = ',';
        }
        end[-1] = '\n';
        if (buffer.data() + buffer.size() - end < Reserve) {
            flush();
        }
    }
    flush();
    if (!out.flush()) {
        err << messages::Unwritable << '\n';
        return Unreadable;
    }
    return Computed;
}

} // namespace batch
