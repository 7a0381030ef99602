#include "core/lowvoltage/lighting.h"

#include "core/numbers.h"

namespace voltaris::lighting {

namespace {

using checked::Div;
using checked::Finite;

constexpr Range AtLeast(double value) {
    return {Bound{value, true}, std::nullopt};
}
constexpr Range Below(double value) {
    return {std::nullopt, Bound{value, false}};
}
constexpr Range AtMost(double value) {
    return {std::nullopt, Bound{value, true}};
}
constexpr Range Between(double low, double high) { // both bounds excluded
    return {Bound{low, false}, Bound{high, false}};
}
constexpr Range Exactly(double value) {
    return {Bound{value, true}, Bound{value, true}};
}

// Column 1 takes a room index up to kFirstColumnUpTo; column i + 2 from kColumnFrom[i] on.
constexpr double kFirstColumnUpTo = 0.6;
constexpr std::array<double, kColumns - 1> kColumnFrom = {0.7, 0.9, 1.1, 1.4, 1.6,
                                                          2.2, 2.7, 3.5, 4.5};

} // namespace

const std::vector<std::string>& ReflectionList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> entries;
        for (int percent = 100; percent >= 1; --percent)
            entries.push_back("%" + std::to_string(percent));
        return entries;
    }();
    return list;
}

double Coefficient(std::string_view listText) {
    if (!listText.starts_with('%'))
        throw ComputeFailure("not a percentage");
    return RoundHalfEven(ReadNumber(listText.substr(1)) / 100, 1);
}

bool Range::Contains(double coefficient) const {
    if (low && (low->inclusive ? coefficient < low->value : coefficient <= low->value))
        return false;
    if (high && (high->inclusive ? coefficient > high->value : coefficient >= high->value))
        return false;
    return true;
}

const std::array<UtilisationRow, 10>& UtilisationTable() {
    static const std::array<UtilisationRow, 10> table = {{
        {AtLeast(0.7),
         AtLeast(0.5),
         AtLeast(0.3),
         {0.24, 0.31, 0.36, 0.41, 0.45, 0.51, 0.56, 0.59, 0.63, 0.66}},
        {AtLeast(0.7),
         AtLeast(0.5),
         Below(0.3),
         {0.23, 0.29, 0.33, 0.38, 0.41, 0.46, 0.49, 0.52, 0.55, 0.57}},
        {AtLeast(0.7),
         Below(0.5),
         AtLeast(0.3),
         {0.18, 0.24, 0.29, 0.34, 0.38, 0.45, 0.50, 0.54, 0.58, 0.62}},
        {AtLeast(0.7),
         Below(0.5),
         Below(0.3),
         {0.18, 0.23, 0.28, 0.32, 0.36, 0.41, 0.45, 0.48, 0.51, 0.54}},
        {Between(0.3, 0.7),
         AtLeast(0.5),
         AtLeast(0.3),
         {0.20, 0.25, 0.29, 0.33, 0.36, 0.41, 0.45, 0.47, 0.50, 0.53}},
        {Between(0.3, 0.7),
         AtLeast(0.5),
         Below(0.3),
         {0.19, 0.24, 0.28, 0.31, 0.34, 0.38, 0.41, 0.43, 0.46, 0.48}},
        {Between(0.3, 0.7),
         Below(0.5),
         AtLeast(0.3),
         {0.15, 0.20, 0.24, 0.28, 0.32, 0.37, 0.41, 0.43, 0.47, 0.50}},
        {Between(0.3, 0.7),
         Below(0.5),
         Below(0.3),
         {0.15, 0.19, 0.23, 0.27, 0.30, 0.35, 0.38, 0.40, 0.44, 0.46}},
        {AtMost(0.3),
         Exactly(0.1),
         AtLeast(0.3),
         {0.12, 0.16, 0.20, 0.24, 0.27, 0.31, 0.35, 0.38, 0.41, 0.44}},
        {AtMost(0.3),
         AtLeast(0.3),
         Exactly(0.1),
         {0.15, 0.17, 0.20, 0.24, 0.26, 0.30, 0.34, 0.36, 0.39, 0.40}},
    }};
    return table;
}

std::optional<int> Column(double roomIndex) {
    if (roomIndex <= kFirstColumnUpTo)
        return 0;
    std::optional<int> column;
    for (int i = 0; i < static_cast<int>(kColumnFrom.size()); ++i)
        if (roomIndex >= kColumnFrom[i])
            column = i + 1;
    return column;
}

std::optional<double> UtilisationFactor(double ceiling, double wall, double floor,
                                        double roomIndex) {
    const std::optional<int> column = Column(roomIndex);
    if (!column)
        return std::nullopt;
    std::optional<double> factor;
    for (const UtilisationRow& row : UtilisationTable())
        if (row.ceiling.Contains(ceiling) && row.wall.Contains(wall) && row.floor.Contains(floor))
            factor = row.factors[*column];
    return factor;
}

Outcome<Results> Compute(const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&](Results& r) {
        Kept& kept = r.kept;
        kept.ceiling = Coefficient(in.ceiling);
        kept.wall = Coefficient(in.wall);
        kept.floor = Coefficient(in.floor);
        kept.a = ReadNumber(in.length);
        kept.b = ReadNumber(in.width);
        kept.area = Finite(kept.a * kept.b);
        kept.sum = Finite(kept.a + kept.b);
        kept.h = Finite(ReadNumber(in.lampHeight) - ReadNumber(in.planeHeight));
        kept.k = RoundHalfEven(Div(kept.area, Finite(kept.h * kept.sum)), 1);
        // Where the table has no factor, the one found before stays.
        if (const auto n = UtilisationFactor(kept.ceiling, kept.wall, kept.floor, kept.k))
            kept.n = *n;
        const double e = ReadNumber(in.illuminance);
        const double d = ReadNumber(in.soiling);
        kept.total = RoundHalfEven(Div(Finite(e * kept.area * d), kept.n), 0);
        const double flux = ReadNumber(in.flux);
        r.lamps = ResultText(Div(kept.total, flux), 0);
        // The illuminance reached counts the lamps as their field shows them.
        const double lamps = ReadNumber(r.lamps);
        r.reached = ResultText(Div(Finite(flux * lamps * kept.n), Finite(d * kept.area)), 0);
    });
}

std::vector<std::string> ReportLines(const Inputs& in, const Results& shown) {
    const Kept& kept = shown.kept;
    const std::string h = NumberText(kept.h);
    const std::string k = NumberText(kept.k);
    const std::string n = NumberText(kept.n);
    const std::string area = NumberText(kept.area);
    const std::string total = NumberText(kept.total);
    const std::string ceiling = "Tavan Yansıtma/Geçirme Kaysayısı: " + in.ceiling;
    const std::string wall = "Duvar Yansıtma/Geçirme Kaysayısı: " + in.wall;
    const std::string floor = "Zemin Yansıtma/Geçirme Kaysayısı: " + in.floor;
    return {
        "Aydınlatma Hesabı:",
        "",
        "Tesisin Uzunluğu: " + in.length + " Metre",
        "Tesisin Genişliği: " + in.width + " Metre",
        "Işık Kaynağının Zeminden Yüksekliği: " + in.lampHeight + " Metre",
        "Çalışma Düzeleminin Zeminden Yüksekliği: " + in.planeHeight + " Metre",
        "Tesisin Kirlenme Faktörü: " + in.soiling,
        "Tesis İçin Gerekli Aydınlık Seviyesi: " + in.illuminance + " LUX",
        "Tesis'te Kullanacağınız Işık Kaynağının Verdiği Işık Akısı: " + in.flux + " Lümen",
        ceiling,
        wall,
        floor,
        "",
        "Işık Kaynağının Çalışma Düzelemine Olan Yüksekliği = Işık Kaynağının Zeminden "
        "Yüksekliği - Çalışma Düzleminin Zeminden Yüksekliği",
        "h = H - h1",
        "h = " + in.lampHeight + " - " + in.planeHeight,
        "h = " + h + " metre",
        "",
        "Bölge İndeksi = (Uzunluk x Genişlik) / (Işık Kaynağının Çalışma Düzelemine Olan "
        "Yüksekliği x (Uzunluk + Genişlik))",
        "k = (a x b) / (h x (a + b))",
        "k = (" + in.length + " x " + in.width + ") / (" + h + " x (" + in.length + " + " +
            in.width + " ))",
        "k = " + k,
        "",
        "Tesisin Aydınlanma Etkinlik Faktörü: n",
        ceiling,
        wall,
        floor,
        "k = " + k,
        "Bu Değerlere Göre Tablodan Seçilir:",
        "Seçilen Verim Değeri: n = " + n,
        "",
        "Tesisin Alanı = Uzunluk x Genişlik",
        "A = a x b",
        "A = " + area + " metrekare",
        "",
        "Gerekli Toplam Işık Akısı = (Tesis İçin Gerekli Aydınlık Seviyesi x Alan x Tesisin "
        "Kirlenme Faktörü) / Seçilen Verim Değeri",
        "T = (E x A x d) / n",
        "T = (" + in.illuminance + " x " + area + " x " + in.soiling + ") / " + n,
        "T = " + total + " Lümen",
        "",
        "Gerekli Işık Kaynağı Sayısı = Gerekli Toplam Işık Akısı / Tesis'te Kullanacağınız Işık "
        "Kaynağının Verdiği Işık Akısı",
        "Z = T / L",
        "Z = " + total + " / " + in.flux,
        "Z = " + shown.lamps + " Adet",
        "",
        "Tesiste Olması Gereken Aydınlık Seviyesi = (Tesis'te Kullanacağınız Işık Kaynağının "
        "Verdiği Işık Akısı x Gerekli Işık Kaynağı Sayısı x Seçilen Verim Değeri) / (Tesisin "
        "Kirlenme Faktörü x Alan)",
        "E = (L x Z x n) / (d x A)",
        "E = (" + in.flux + " x " + shown.lamps + " x " + n + ") / (" + in.soiling + " x " + area +
            " )",
        "E = " + shown.reached + " LUX",
    };
}

} // namespace voltaris::lighting
