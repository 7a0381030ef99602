#include "core/lowvoltage/cable_line.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::cable_line {

Phases PhasesOf(Supply supply) {
    switch (supply) {
    case Supply::Dc:
        return Phases::Dc;
    case Supply::SingleTyped:
    case Supply::Single220:
        return Phases::Single;
    case Supply::Three380:
    case Supply::ThreeTyped:
        break;
    }
    return Phases::Three;
}

Preset VoltageOf(Supply supply) {
    switch (supply) {
    case Supply::Dc:
        return {"110", false};
    case Supply::SingleTyped:
        return {"220", false};
    case Supply::Single220:
        return {"220", true};
    case Supply::Three380:
        return {"380", true};
    case Supply::ThreeTyped:
        break;
    }
    return {"380", false};
}

Preset ConductivityOf(Conductor conductor) {
    switch (conductor) {
    case Conductor::Copper:
        return {"56", true};
    case Conductor::Aluminium:
        return {"35", true};
    case Conductor::Own:
        break;
    }
    return {"", false};
}

cable_ratings::Metal MetalOf(Conductor conductor) {
    return conductor == Conductor::Aluminium ? cable_ratings::Metal::Aluminium
                                             : cable_ratings::Metal::Copper;
}

std::string_view LoadCaption(Load load) {
    return load == Load::Power ? "Gücü Giriniz" : "Akımı Giriniz";
}

std::string_view LoadUnit(Load load) {
    return load == Load::Power ? " W" : "A";
}

const std::vector<std::string>& ParallelList() {
    static const std::vector<std::string> list = {"Yok", "2", "3", "4", "5", "6"};
    return list;
}

double ParallelCount(std::string_view entry) {
    return entry == ParallelList().front() ? 1 : ReadNumber(entry);
}

LineCurrent LineCurrentOf(Load load, Phases phases, std::string_view loadValue,
                          std::string_view cosPhi, double voltage) {
    if (load == Load::Current)
        return {ReadNumber(loadValue), std::string(loadValue)};
    const double power = ReadNumber(loadValue);
    double divisor = voltage;
    if (phases == Phases::Single)
        divisor = ReadNumber(cosPhi) * voltage;
    else if (phases == Phases::Three)
        divisor = ReadNumber(cosPhi) * std::sqrt(3.0) * voltage;
    const double current = RoundHalfEven(checked::Div(power, divisor), 2);
    return {current, RoundTripText(current)};
}

std::string LineCurrentSentence(std::string_view current) {
    return "Tesisin/Cihazın Kablo Üzerinden Çektiği Akım " + std::string(current) + " Amperdir.";
}

std::optional<VerdictText> HeatingVerdict(double current, double capacity) {
    if (current < capacity)
        return VerdictText{Verdict::Suitable, "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun"};
    if (current > capacity)
        return VerdictText{Verdict::Unsuitable,
                           "Akım Taşıma Kapasitesinden Büyük Olduğundan Uygun Değil"};
    return std::nullopt;
}

std::string CapacityText(double parallel, double rating) {
    return NumberText(parallel * rating);
}

Message PowerFactorNote() {
    return InfoMessage("Omik Yüklenmede Cosinüs Değeri 1 Alınır...");
}

Message ConductivityTable() {
    return InfoMessage(JoinLines({
        "Özİletkenlik (Sm/mm²) Sabitleri:",
        "Gümüş : 62.5",
        "Bakır : 56",
        "Altın : 44",
        "Alüminyum : 35",
        "Mağnezyum : 22",
        "Wolfram : 18",
        "Çinko : 16",
        "Pirinç : 12.5",
        "Nikel : 11",
        "Demir : 8.5",
        "Kalay : 9.1",
        "Platin : 8",
        "Kurşun : 4.8",
        "Manganin : 2.3",
        "Nikelin : 2.3",
        "Konstantan : 2",
        "Civa : 1.04",
        "Krom-Nikel : 0.91",
        "Not: Bu Değerleri 1'e Bölerseniz",
        "İletkenlerin ÖzDirenç",
        "Sabitlerini Bulursunuz...",
    }));
}

Message ParallelCablesNote() {
    return InfoMessage(JoinLines({
        "Parelel Kablo Seçilmesi Durumunda Kablo Düzeltme Faktörü Göz ardı edilerek hesaplama "
        "yapılmaktırdır.",
        "Yapılan Hesaplama Sonucu Seçilen En Yüksek Kesit Kurtarmıyor ise Yanına Parelel Olarak "
        "Farklı Kesitte Kablo Bağlamayınız.",
        "Parelel Hatta Çekilen İki Kabloda Eşit Kesitte Olmalıdır...",
    }));
}

std::vector<std::string> PhaseLines(Phases phases) {
    switch (phases) {
    case Phases::Dc:
        break;
    case Phases::Single:
        return {"Faz Durumu: Monofaze"};
    case Phases::Three:
        return {"Faz Durumu: Trifaze"};
    }
    return {};
}

std::vector<std::string> CurrentBlockLines(const CurrentBlock& b, std::string_view cable) {
    const std::string carrying =
        " Akım Taşıma Kapasiteli " + std::string(cable) + " Seçmeniz gerekmektedir...";
    const std::string load(b.loadValue);
    if (b.load == Load::Current)
        return {"Tesisin İhtiyaç Duyduğu Akım: " + load,
                "Tesisin İhtiyaç Duyduğu Akım Değerinden Büyük" + carrying};
    const std::string u(b.voltage);
    const std::string c(b.cosPhi);
    std::string formula = "I = Güç / Gerilim";
    std::string values = "I = " + load + " / " + u;
    if (b.phases == Phases::Single) {
        formula += " x Cosinüs";
        values += " x " + c;
    } else if (b.phases == Phases::Three) {
        formula = "I = Güç / Karekök(3) x Gerilim x Cosinüs";
        values = "I = " + load + " / 1.73 x " + u + " x " + c;
    }
    return {"Tesisin İhtiyaç Duyduğu Akım Hesabı:", formula, values,
            "I = " + std::string(b.current), "Hesaplanan Akım Değerinden Büyük" + carrying};
}

} // namespace voltaris::cable_line
