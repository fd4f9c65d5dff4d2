#include "SizeNotes.h"

#include "errors/Trap.h"

namespace zavolin {
namespace {

struct BaseSize {
    double width;
    double height;
};

// Base sizes of the banknotes "1" to "1000" in millimetres.
constexpr std::array<BaseSize, 10> NoteBases{{{100, 52},
                                              {105, 54},
                                              {110, 57},
                                              {115, 59},
                                              {120, 62},
                                              {125, 64},
                                              {130, 67},
                                              {135, 70},
                                              {140, 72},
                                              {145, 75}}};
constexpr double NoteFactor = 0.7;
constexpr double CoinFactor = 0.9;

} // namespace

void SizeNotes(SizeTable& sizes) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("SizeNotes"));
    trap.run([&] {
        // Each product is formed in double precision and stored as a float.
        trap.at(20, [&] { sizes.at(0).Width = float(201 * CoinFactor); });
        trap.at(30, [&] { sizes.at(0).Height = float(30 * CoinFactor); });
        // The front of denomination d at entry 2 × d − 1: width at 40 + 20 × (d − 1), height
        // on the next label.
        for (qint32 d = 1; d <= 10; ++d) {
            const BaseSize base = NoteBases[size_t(d - 1)];
            const qint32 label = 40 + 20 * (d - 1);
            trap.at(label, [&] { sizes.at(2 * d - 1).Width = float(base.width * NoteFactor); });
            trap.at(label + 10,
                    [&] { sizes.at(2 * d - 1).Height = float(base.height * NoteFactor); });
        }
        // [240 to 270] every back takes its front's size.
        for (qint32 i = 1; i <= 20; i += 2) {
            trap.at(250, [&] { sizes.at(i + 1).Width = sizes.at(i).Width; });
            trap.at(260, [&] { sizes.at(i + 1).Height = sizes.at(i).Height; });
        }
    });
}

} // namespace zavolin
