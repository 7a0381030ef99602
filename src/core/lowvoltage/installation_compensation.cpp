#include "core/lowvoltage/installation_compensation.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::installation_compensation {

namespace {

using checked::Div;
using compensation::Rounded2;

} // namespace

const std::string_view kAdvice =
    "Elektrik Sayaçlarınızı Sürekli Kontrol Ederek Aktif Sayacın %33'ünden Fazlasını Reaktif "
    "Sayaç Geçmeyecek ve Ayrıca Aktif Sayacın %20'sinden Fazlasını Kapasitif Sayaç Geçmeyecek "
    "Şekilde En Uygun Kompanzasyonu Uygulayın. Ve Günlük Takip Ederseniz Ay Sonunda Cezaya "
    "Kalmazsınız. Tesisde Devreye Sürekli Girip Çıkan Alıcı Varsa Kademe Sayısını ve Kondansatör "
    "Gücü Çeşitliliğini Artırın. Kondansatörler Arasında Bir Önceki Kondansatörün 2 Katı Artarak "
    "Sistemi Kurmanız Tavsiye Edilir. Ayrıca En Önemlisi Reaktif Güç Kontrol Rölesi Kullanmanızı "
    "Tavsiye Ederim Çünkü Sürekli Cosinüsü Ölçüp Otomatik Olarak Sistemi Ayarlıyor...";

const std::string_view kMeterIntro =
    "Aktif ve Reaktif Sayaçların Yazdığı Değerlere Göre Kompanzasyon Hesabı için\n"
    "Tesisdeki Bütün Alıcıların Çalıştığı belirli bir zaman aralığında değerleri alınız...\n\n"
    "Not: Cosinüsü Yükseltmek İstediğiniz Değeri Form Üzerindeki Cos teta'dan Seçiniz";

Outcome<Results> Compute(Installation installation, const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&](Results& r) {
        r.tangents.present = compensation::TangentOf(in.presentCos);
        r.tangents.wanted = compensation::TangentOf(in.wantedCos);
        const double difference = r.tangents.present - r.tangents.wanted;
        const double line = std::sqrt(3.0) * 380;
        const double x = ReadNumber(in.power);
        if (installation == Installation::NoTransformer) {
            r.capacitorPower = Rounded2(x * difference);
            r.current = Rounded2(Div(x * 1000, ReadNumber(in.wantedCos) * line));
            return;
        }
        const double c1 = ReadNumber(in.presentCos);
        r.capacitorPower = Rounded2(x * c1 * difference);
        r.current = Rounded2(Div(x * c1 * 1000, ReadNumber(in.wantedCos) * line));
        r.lossesCapacitor = Rounded2(x * 0.05);
        r.drawnPower = Rounded2(x * c1);
    });
}

std::vector<std::string> ReportLines(Installation installation, const Inputs& in,
                                     const Results& shown) {
    const bool transformer = installation == Installation::OwnTransformer;
    const std::string tangents =
        "(" + Rounded2(shown.tangents.present) + " - " + Rounded2(shown.tangents.wanted) + ")";
    std::vector<std::string> lines = {
        "Komple Tesis Kompanzasyon Hesabı:",
        transformer ? "Tesisin Trafo Durumu: Trafo Var" : "Tesisin Trafo Durumu: Trafo Yok",
        transformer ? "Trafonun Görünür Gücü: " + in.power + " kVA"
                    : "Tesisteki Tüm Alıcıların Toplam Gücü: " + in.power + " kW",
    };
    for (std::string& line :
         compensation::PowerFactorLines("Tesisin", in.presentCos, in.wantedCos, shown.tangents))
        lines.push_back(std::move(line));
    lines.insert(lines.end(), {"", "Tesise Yapılacak Kompanzasyon Sistemine Bağlanacak Toplam "
                                   "Kondansatör Gücü:"});
    if (!transformer) {
        lines.insert(lines.end(),
                     {"Qc = Tesisteki Alıcıların Toplam Gücü x (Tanjant fi - Tanjant teta)",
                      "Qc = " + in.power + " x " + tangents,
                      "Qc = " + shown.capacitorPower + " kVAr", "", "Tesisin Çektiği Toplam Akım:",
                      "I Tesis = Tesisteki Alıcıların Toplam Gücü x 1000 / Kök(3) x 380 x "
                      "Cosinüs teta",
                      "I Tesis = " + in.power + " x 1000 / 1.73 x 380 x " + in.wantedCos,
                      "I Tesis = " + shown.current + " Amper", ""});
        return lines;
    }
    lines.insert(
        lines.end(),
        {"Qc = Trafonun Görünür Gücü x (Tanjant fi - Tanjant teta)",
         "Qc = " + in.power + " x Cosinüs fi x " + tangents,
         "Qc = " + shown.capacitorPower + " kVAr", "", "Tesisin Çektiği Toplam Akım:",
         "I Tesis = Trafonun Görünür Gücü x Cosinüs fi x 1000 / Kök(3) x 380 x Cosinüs teta",
         "I Tesis = " + in.power + " x " + in.presentCos + " x 1000 / 1.73 x 380 x " + in.wantedCos,
         "I Tesis = " + shown.current + " Amper", "",
         "Tesisin Trafodan Çektiği Güç:", "kW Tesis = Trafonun Görünür Gücü x Cosinüs fi ",
         "kW Tesis = " + in.power + " x " + in.presentCos, "kW Tesis = " + shown.drawnPower + " kW",
         "", "TTrafoda Oluşacak Kayıpları Önlemek için Sabit Olarak Bağlanacak Kondansatör Gücü:",
         "Qc Trafo = Trafonun Görünür Gücü x Yüzde 5 ", "Qc Trafo = " + in.power + " x 0.05",
         "Qc Trafo = " + shown.lossesCapacitor + " kVAr", ""});
    return lines;
}

std::string MeterCompensation(double activeEnergy, double reactiveEnergy, double hours,
                              std::string_view wantedCos) {
    const double measured = Div(reactiveEnergy, activeEnergy);
    const double wanted = compensation::TangentOf(wantedCos);
    return RoundTripText(checked::Finite((measured - wanted) * Div(activeEnergy, hours)));
}

} // namespace voltaris::installation_compensation
