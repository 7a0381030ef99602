#include "core/lowvoltage/compensation_common.h"

#include "core/conversions/trigonometry.h"
#include "core/numbers.h"

namespace voltaris::compensation {

double TangentOf(std::string_view cosText) {
    return trigonometry::TanFromCos(ReadNumber(cosText));
}

std::string Rounded2(double value) {
    return RoundTripText(RoundHalfEven(checked::Finite(value), 2));
}

std::vector<std::string> PowerFactorLines(std::string_view subject, std::string_view presentCos,
                                          std::string_view wantedCos, const Tangents& tangents) {
    const std::string present = std::string(subject) + " Mevcut Güç Katsayısı: ";
    const std::string wanted = std::string(subject) + " Olması İstenen Güç Katsayısı: ";
    return {present + std::string(presentCos) + " Cosinüs fi",
            present + Rounded2(tangents.present) + " Tanjant fi",
            wanted + std::string(wantedCos) + " Cosinüs teta",
            wanted + Rounded2(tangents.wanted) + " Tanjant teta"};
}

} // namespace voltaris::compensation
