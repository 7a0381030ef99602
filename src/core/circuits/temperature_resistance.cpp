#include "core/circuits/temperature_resistance.h"

#include "core/numbers.h"

namespace voltaris::temperature_resistance {

double ResistanceAt(double r20, double t, const conductor_materials::Material& material) {
    const double rise = t - 20;
    double factor = 1 + material.alpha * rise;
    if (t >= kQuadraticFrom && material.beta)
        factor += *material.beta * rise * rise;
    return checked::Finite(r20 * factor);
}

Outcome<Fields> Compute(Fields fields, int material) {
    return RunSteps(std::move(fields), [material](Fields& f) {
        const double r20 = ReadNumber(f.resistance);
        const double t = ReadNumber(f.temperature);
        if (const auto* chosen = conductor_materials::MaterialAt(material))
            f.result = NumberText(ResistanceAt(r20, t, *chosen));
    });
}

Message NoteMessage() {
    return InfoMessage(JoinLines({"Bu Programda İletkenlerin Referans Sıcaklık Katsayıları Oda "
                                  "Sıcaklığı Yani 20 Santigrad Dereceki Değerleri Kullanılmıştır.",
                                  "Yani Hesapladığınız Direnç 20 Santigrad Dereceden Sizin "
                                  "Belirlediğiniz Sıcaklığa Göre Direnç Değişimini "
                                  "Hesaplamaktadır..."}));
}

} // namespace voltaris::temperature_resistance
