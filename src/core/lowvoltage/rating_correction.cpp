#include "core/lowvoltage/rating_correction.h"

#include "core/numbers.h"

#include <array>
#include <cstddef>

namespace voltaris::rating_correction {

namespace {

// No value in the standard ("–"): the insulation does not run at that temperature.
constexpr double kNone = 0;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// IEC 60364-5-52:2009, tables B.52.14 (air, the ratings at 30 °C) and B.52.15 (ground, the
// ratings at 20 °C), by temperature 10, 15, ..., 80 °C. The rows of the reference temperatures
// (1.00) are the tables' own conditions, not rows of the standard.
struct TemperatureRow {
    double pvc;
    double xlpe;
};
constexpr std::array<TemperatureRow, 15> kAirTemperature = {{
    {1.22, 1.15},
    {1.17, 1.12},
    {1.12, 1.08},
    {1.06, 1.04},
    {1.00, 1.00},
    {0.94, 0.96},
    {0.87, 0.91},
    {0.79, 0.87},
    {0.71, 0.82},
    {0.61, 0.76},
    {0.50, 0.71},
    {kNone, 0.65},
    {kNone, 0.58},
    {kNone, 0.50},
    {kNone, 0.41},
}};
constexpr std::array<TemperatureRow, 15> kGroundTemperature = {{
    {1.10, 1.07},
    {1.05, 1.04},
    {1.00, 1.00},
    {0.95, 0.96},
    {0.89, 0.93},
    {0.84, 0.89},
    {0.77, 0.85},
    {0.71, 0.80},
    {0.63, 0.76},
    {0.55, 0.71},
    {0.45, 0.65},
    {kNone, 0.60},
    {kNone, 0.53},
    {kNone, 0.46},
    {kNone, 0.38},
}};

// Table B.52.16, by soil thermal resistivity 0.5, 0.7, 1, 1.5, 2, 2.5, 3 K·m/W.
struct SoilRow {
    double ducts;
    double direct;
};
constexpr std::array<SoilRow, 7> kSoil = {{
    {1.28, 1.88},
    {1.20, 1.62},
    {1.18, 1.50},
    {1.10, 1.28},
    {1.05, 1.12},
    {1.00, 1.00},
    {0.96, 0.90},
}};

// Table B.52.17, items 1 to 5, by 1 to 9, 12, 16 and 20 circuits or multi-core cables. Items 2
// to 5 stop at nine: "no further reduction factor for more than nine circuits".
constexpr int kNineCircuits = 8;
constexpr std::array<std::array<double, 12>, 5> kGroupingInAir = {{
    {1.00, 0.80, 0.70, 0.65, 0.60, 0.57, 0.54, 0.52, 0.50, 0.45, 0.41, 0.38},
    {1.00, 0.85, 0.79, 0.75, 0.73, 0.72, 0.72, 0.71, 0.70, kNone, kNone, kNone},
    {0.95, 0.81, 0.72, 0.68, 0.66, 0.64, 0.63, 0.62, 0.61, kNone, kNone, kNone},
    {1.00, 0.88, 0.82, 0.77, 0.75, 0.73, 0.73, 0.72, 0.72, kNone, kNone, kNone},
    {1.00, 0.87, 0.82, 0.80, 0.80, 0.79, 0.79, 0.78, 0.78, kNone, kNone, kNone},
}};

// Tables B.52.18 (direct in the ground, method D2) and B.52.19 (in ducts in the ground, method
// D1): 2 to 6 circuits by the clearance between them. One circuit needs no reduction.
struct BuriedGroups {
    std::vector<std::string> clearances;
    std::vector<std::vector<double>> rows; // 2 to 6 circuits
};
const BuriedGroups& GroupsOf(Buried buried) {
    static const std::array<BuriedGroups, 3> kGroups = {{
        {{"Yok (kablolar bitişik)", "Bir kablo çapı", "0.125 m", "0.25 m", "0.5 m"},
         {{0.75, 0.80, 0.85, 0.90, 0.90},
          {0.65, 0.70, 0.75, 0.80, 0.85},
          {0.60, 0.60, 0.70, 0.75, 0.80},
          {0.55, 0.55, 0.65, 0.70, 0.80},
          {0.50, 0.55, 0.60, 0.70, 0.80}}},
        {{"Yok (borular bitişik)", "0.25 m", "0.5 m", "1.0 m"},
         {{0.85, 0.90, 0.95, 0.95},
          {0.75, 0.85, 0.90, 0.95},
          {0.70, 0.80, 0.85, 0.90},
          {0.65, 0.80, 0.85, 0.90},
          {0.60, 0.80, 0.80, 0.90}}},
        {{"Yok (borular bitişik)", "0.25 m", "0.5 m", "1.0 m"},
         {{0.80, 0.90, 0.90, 0.95},
          {0.70, 0.80, 0.85, 0.90},
          {0.65, 0.75, 0.80, 0.90},
          {0.60, 0.70, 0.80, 0.90},
          {0.60, 0.70, 0.80, 0.90}}},
    }};
    return kGroups.at(static_cast<std::size_t>(buried));
}

Buried BuriedOf(const Choice& choice) {
    return static_cast<Buried>(choice.arrangement);
}

std::optional<double> Given(double value) {
    if (value == kNone)
        return std::nullopt;
    return value;
}

// A factor as the standard prints it.
std::string FactorText(double value) {
    return value == kNone ? "–" : FormatNumber(value, NumberPattern::Plain2);
}

double Factor(const std::optional<double>& factor) {
    if (!factor)
        throw ComputeFailure("the standard gives no factor for this choice");
    return *factor;
}

TableId GroupingTable(const Choice& choice) {
    if (choice.laying == Laying::Air)
        return TableId::GroupingInAir;
    switch (BuriedOf(choice)) {
    case Buried::Direct:
        return TableId::BuriedDirect;
    case Buried::MultiCoreInDucts:
        return TableId::MultiCoreInDucts;
    case Buried::SingleCoreInDucts:
        break;
    }
    return TableId::SingleCoreInDucts;
}

ReferenceTable TemperatureTable(std::string number, std::string tab, std::string title,
                                const std::array<TemperatureRow, 15>& rows, int reference) {
    ReferenceTable table{std::move(number),
                         std::move(tab),
                         std::move(title),
                         "Sıcaklık (°C)",
                         {"PVC\n(70 °C)", "XLPE / EPR\n(90 °C)"},
                         {},
                         {},
                         "–: bu yalıtım bu sıcaklıkta kullanılmaz."};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string head = TemperatureEntries().at(i);
        if (static_cast<int>(i) == reference)
            head += " (referans)";
        table.rows.push_back(head);
        table.cells.push_back({FactorText(rows[i].pvc), FactorText(rows[i].xlpe)});
    }
    return table;
}

ReferenceTable BuriedTable(std::string number, std::string title, std::string corner,
                           Buried buried) {
    const BuriedGroups& groups = GroupsOf(buried);
    ReferenceTable table{
        std::move(number),
        buried == Buried::Direct ? "Toprakta Gruplama" : "Borularda Gruplama",
        std::move(title),
        std::move(corner),
        groups.clearances,
        {},
        {},
        "Derinlik 0.7 m ve toprak ısıl özdirenci 2.5 K·m/W içindir; kablo kesitleri ve türleri "
        "üzerinden ortalama değerlerdir."};
    for (std::size_t i = 0; i < groups.rows.size(); ++i) {
        table.rows.push_back(std::to_string(i + 2));
        std::vector<std::string> cells;
        for (double factor : groups.rows[i])
            cells.push_back(FactorText(factor));
        table.cells.push_back(std::move(cells));
    }
    return table;
}

std::array<ReferenceTable, kTableCount> MakeTables() {
    ReferenceTable soil{"B.52.16",
                        "Isıl Özdirenç",
                        "2.5 K·m/W dışındaki toprak ısıl özdirençleri için düzeltme faktörleri",
                        "Isıl özdirenç (K·m/W)",
                        {"Borulardaki\nkablolar", "Doğrudan gömülü\nkablolar"},
                        {},
                        {},
                        "Kesitler ve döşeme şekilleri üzerinden ortalama değerlerdir (doğruluk "
                        "±%5); borular için 0.8 m derinliğe kadar geçerlidir."};
    for (std::size_t i = 0; i < kSoil.size(); ++i) {
        soil.rows.push_back(ResistivityEntries().at(i));
        soil.cells.push_back({FactorText(kSoil[i].ducts), FactorText(kSoil[i].direct)});
    }

    ReferenceTable air{"B.52.17",
                       "Gruplama",
                       "Bir devre veya çok damarlı kablo ya da gruplar için azaltma faktörleri",
                       "Devre sayısı",
                       {"Demet\nhalinde", "Duvar, döşeme,\ndeliksiz tava", "Ahşap\ntavan altı",
                        "Delikli\ntava", "Merdiven,\nkelepçe"},
                       CircuitEntries(Laying::Air),
                       {},
                       "Demet dışındakiler tek sıra halindedir. Eşit yüklü, aynı tür kablo "
                       "grupları içindir; yatay açıklık kablo çapının iki katını aşarsa azaltma "
                       "gerekmez. *: dokuzdan fazla devre için ek azaltma yoktur.",
                       ArrangementEntries(Laying::Air)};
    for (std::size_t n = 0; n < kGroupingInAir[0].size(); ++n) {
        std::vector<std::string> cells;
        for (const auto& item : kGroupingInAir)
            cells.push_back(item[n] == kNone ? FactorText(item[kNineCircuits]) + "*"
                                             : FactorText(item[n]));
        air.cells.push_back(std::move(cells));
    }

    return {
        TemperatureTable("B.52.14", "Hava Sıcaklığı",
                         "Havadaki kablolar için 30 °C dışındaki ortam sıcaklıklarında düzeltme "
                         "faktörleri",
                         kAirTemperature, ReferenceTemperatureIndex(Laying::Air)),
        TemperatureTable("B.52.15", "Toprak Sıcaklığı",
                         "Toprak altındaki kablolar için 20 °C dışındaki toprak sıcaklıklarında "
                         "düzeltme faktörleri",
                         kGroundTemperature, ReferenceTemperatureIndex(Laying::Ground)),
        std::move(soil),
        std::move(air),
        BuriedTable("B.52.18",
                    "Doğrudan toprağa gömülü birden fazla devre için azaltma faktörleri (tek veya "
                    "çok damarlı kablolar)",
                    "Devre sayısı", Buried::Direct),
        BuriedTable("B.52.19 a)",
                    "Toprak altında tek yollu borulardaki çok damarlı kablolar için azaltma "
                    "faktörleri",
                    "Kablo sayısı", Buried::MultiCoreInDucts),
        BuriedTable("B.52.19 b)",
                    "Toprak altında tek yollu, manyetik olmayan borulardaki tek damarlı kablolar "
                    "için azaltma faktörleri",
                    "Devre sayısı\n(2 veya 3 kablo)", Buried::SingleCoreInDucts),
    };
}

} // namespace

const std::vector<std::string>& TemperatureEntries() {
    static const std::vector<std::string> kEntries = [] {
        std::vector<std::string> entries;
        for (int celsius = 10; celsius <= 80; celsius += 5)
            entries.push_back(std::to_string(celsius));
        return entries;
    }();
    return kEntries;
}

int ReferenceTemperatureIndex(Laying laying) {
    return laying == Laying::Air ? 4 : 2;
}

const std::vector<std::string>& ArrangementEntries(Laying laying) {
    static const std::vector<std::string> kAir = {
        "Demet halinde: havada, yüzeyde, gömülü veya kapalı",
        "Tek sıra: duvar, döşeme veya deliksiz tava üzerinde",
        "Tek sıra: doğrudan ahşap tavan altında",
        "Tek sıra: yatay veya düşey delikli tava üzerinde",
        "Tek sıra: kablo merdiveni, konsol, kelepçe üzerinde",
    };
    static const std::vector<std::string> kGround = {
        "Doğrudan toprağa gömülü kablolar",
        "Toprak altında borularda çok damarlı kablolar",
        "Toprak altında borularda tek damarlı kablolar",
    };
    return laying == Laying::Air ? kAir : kGround;
}

const std::vector<std::string>& ClearanceEntries(const Choice& choice) {
    static const std::vector<std::string> kNoClearances;
    if (choice.laying == Laying::Air)
        return kNoClearances;
    return GroupsOf(BuriedOf(choice)).clearances;
}

const std::vector<std::string>& CircuitEntries(Laying laying) {
    static const std::vector<std::string> kAir = {"1", "2", "3", "4",  "5",  "6",
                                                  "7", "8", "9", "12", "16", "20"};
    static const std::vector<std::string> kGround = {"1", "2", "3", "4", "5", "6"};
    return laying == Laying::Air ? kAir : kGround;
}

const std::vector<std::string>& ResistivityEntries() {
    static const std::vector<std::string> kEntries = {"0.5", "0.7", "1", "1.5", "2", "2.5", "3"};
    return kEntries;
}

std::string_view TemperatureCaption(Laying laying) {
    return laying == Laying::Air ? "Ortam Havası Sıcaklığı" : "Toprak Sıcaklığı";
}

std::string_view LayingName(Laying laying) {
    return laying == Laying::Air ? "Havada" : "Toprakta";
}

std::string_view InsulationName(Insulation insulation) {
    return insulation == Insulation::Pvc ? "PVC (70 °C)" : "XLPE veya EPR (90 °C)";
}

std::optional<double> TemperatureFactor(const Choice& choice) {
    const auto& rows = choice.laying == Laying::Air ? kAirTemperature : kGroundTemperature;
    const TemperatureRow& row = rows.at(At(choice.temperature));
    return Given(choice.insulation == Insulation::Pvc ? row.pvc : row.xlpe);
}

std::optional<double> GroupingFactor(const Choice& choice) {
    if (choice.laying == Laying::Air) {
        const auto& item = kGroupingInAir.at(At(choice.arrangement));
        const double factor = item.at(At(choice.circuits));
        return factor == kNone ? item[kNineCircuits] : factor;
    }
    if (choice.circuits == 0)
        return 1.0;
    const BuriedGroups& groups = GroupsOf(BuriedOf(choice));
    return groups.rows.at(At(choice.circuits - 1)).at(At(choice.clearance));
}

std::optional<double> ResistivityFactor(const Choice& choice) {
    if (choice.laying == Laying::Air)
        return std::nullopt;
    const SoilRow& row = kSoil.at(At(choice.resistivity));
    return BuriedOf(choice) == Buried::Direct ? row.direct : row.ducts;
}

Outcome<Fields> Compute(const Choice& choice, Fields start) {
    return RunSteps(std::move(start), [&](Fields& f) {
        // Three factors of two decimals multiply exactly to six.
        const double k1 = Factor(TemperatureFactor(choice));
        f.temperatureFactor = FactorText(k1);
        const double k2 = Factor(GroupingFactor(choice));
        f.groupingFactor = FactorText(k2);
        double k = k1 * k2;
        if (choice.laying == Laying::Ground) {
            const double k3 = Factor(ResistivityFactor(choice));
            f.resistivityFactor = FactorText(k3);
            k *= k3;
        } else {
            f.resistivityFactor.clear();
        }
        f.totalFactor = ResultText(k, 6);
        f.corrected = ResultText(checked::Finite(ReadNumber(f.rating) * k), 2);
    });
}

std::vector<std::string> ReportLines(const Choice& choice, const Fields& f) {
    const bool ground = choice.laying == Laying::Ground;
    std::vector<std::string> lines = {
        "Kablo Akım Taşıma Düzeltme:",
        "Kablonun Döşendiği Yer: " + std::string(LayingName(choice.laying)),
        "Yalıtım Malzemesi: " + std::string(InsulationName(choice.insulation)),
        "Kablonun Tablodaki Akım Taşıma Kapasitesi (It): " + f.rating + " A",
        "",
        std::string(TemperatureCaption(choice.laying)) + ": " +
            TemperatureEntries().at(At(choice.temperature)) + " °C",
        "Sıcaklık Düzeltme Faktörü (k1) = " + f.temperatureFactor,
        "",
        "Döşeme Şekli: " + ArrangementEntries(choice.laying).at(At(choice.arrangement)),
    };
    if (ground)
        lines.push_back("Kablolar Arası Açıklık: " +
                        ClearanceEntries(choice).at(At(choice.clearance)));
    lines.push_back("Devre veya Çok Damarlı Kablo Sayısı: " +
                    CircuitEntries(choice.laying).at(At(choice.circuits)));
    lines.push_back("Gruplama Düzeltme Faktörü (k2) = " + f.groupingFactor);
    lines.push_back("");
    if (ground) {
        lines.push_back("Toprağın Isıl Özdirenci: " +
                        ResistivityEntries().at(At(choice.resistivity)) + " K·m/W");
        lines.push_back("Isıl Özdirenç Düzeltme Faktörü (k3) = " + f.resistivityFactor);
        lines.push_back("");
    }
    const std::string product = f.temperatureFactor + " x " + f.groupingFactor +
                                (ground ? " x " + f.resistivityFactor : std::string());
    const std::vector<std::string> computed = {
        "Toplam Düzeltme Faktörü:",
        ground ? "k = k1 x k2 x k3" : "k = k1 x k2",
        "k = " + product,
        "k = " + f.totalFactor,
        "",
        "Düzeltilmiş Akım Taşıma Kapasitesi:",
        "Iz = It x k",
        "Iz = " + f.rating + " x " + f.totalFactor,
        "Iz = " + f.corrected + " A",
        "",
    };
    lines.insert(lines.end(), computed.begin(), computed.end());
    std::string source = "Faktörler: IEC 60364-5-52:2009 Ek B, Çizelge ";
    const std::vector<TableId> tables = TablesOf(choice);
    for (std::size_t i = 0; i < tables.size(); ++i)
        source += (i == 0 ? "" : ", ") + Table(tables[i]).number;
    lines.push_back(source);
    return lines;
}

const ReferenceTable& Table(TableId id) {
    static const std::array<ReferenceTable, kTableCount> kTables = MakeTables();
    return kTables.at(static_cast<std::size_t>(id));
}

std::vector<TableId> TablesOf(const Choice& choice) {
    if (choice.laying == Laying::Air)
        return {TableId::AirTemperature, TableId::GroupingInAir};
    return {TableId::GroundTemperature, GroupingTable(choice), TableId::SoilResistivity};
}

std::optional<Cell> ChosenCell(TableId id, const Choice& choice) {
    const bool air = choice.laying == Laying::Air;
    const int insulation = choice.insulation == Insulation::Pvc ? 0 : 1;
    switch (id) {
    case TableId::AirTemperature:
        return air ? std::optional<Cell>({choice.temperature, insulation}) : std::nullopt;
    case TableId::GroundTemperature:
        return !air ? std::optional<Cell>({choice.temperature, insulation}) : std::nullopt;
    case TableId::SoilResistivity:
        if (air)
            return std::nullopt;
        return Cell{choice.resistivity, BuriedOf(choice) == Buried::Direct ? 1 : 0};
    case TableId::GroupingInAir:
        return air ? std::optional<Cell>({choice.circuits, choice.arrangement}) : std::nullopt;
    case TableId::BuriedDirect:
    case TableId::MultiCoreInDucts:
    case TableId::SingleCoreInDucts:
        if (air || GroupingTable(choice) != id || choice.circuits == 0)
            return std::nullopt;
        return Cell{choice.circuits - 1, choice.clearance};
    }
    return std::nullopt;
}

} // namespace voltaris::rating_correction
