#include "core/circuits/conductor_resistance.h"

#include "core/circuits/conductor_materials.h"
#include "core/numbers.h"

namespace voltaris::conductor_resistance {

Outcome<State> Compute(State state, int material) {
    return RunSteps(std::move(state), [material](State& s) {
        if (const auto* chosen = conductor_materials::MaterialAt(material))
            s.resistivity = chosen->resistivity;
        const double length = ReadNumber(s.length);
        const double section = ReadNumber(s.section);
        s.resistance =
            ResultText(checked::Finite(checked::Div(length, section) * s.resistivity), kDecimals);
    });
}

std::vector<std::string> ReportLines(const State& state, std::string_view materialText) {
    const std::string material(materialText);
    const std::string resistivity = NumberText(state.resistivity);
    return {
        "Bir İletkenin Direncini Hesaplama:",
        "İletkenin Uzunluğu: " + state.length + " metre",
        "İletkenin Kesiti: " + state.section + " mm²",
        "İletkenin Cinsi: " + material,
        material + " İletkeninin Özdirenci " + resistivity + " mm²/m",
        "",
        "İletkenin Direnci:",
        "R = (Uzunluk / Kesit) x Özdirenç",
        "R = (" + state.length + " / " + state.section + ") x " + resistivity,
        "R = " + state.resistance + " Ohm",
    };
}

Message NoteMessage() {
    return InfoMessage(JoinLines({"Bu programda hesaplanan Değerler Oda Sıcaklığı yani 20 "
                                  "Santigrad derece sıcaklıktaki Değerlere Göre "
                                  "hesaplanmaktadır.",
                                  "Bu Değer ile Diğer Sıcaklık Derecelerine Göre Bu Programda "
                                  "Hesaplayabilirsiniz..."}));
}

SectionAnswer SectionFromDiameter(double diameter) {
    const std::string section = NumberText(conductor_section::SectionOf(diameter));
    return {section,
            ResultMessage(JoinLines({"İletkenin Kesiti " + section + " mm²'dir.",
                                     "Hesapladığınız İletkenin Kesiti Aktarılmıştır..."}))};
}

} // namespace voltaris::conductor_resistance
