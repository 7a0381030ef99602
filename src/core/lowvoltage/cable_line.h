// What the two cable windows (the voltage drop of a cable line and the cross-section of a line)
// share: the load, supply and conductor choices with the values they put into the fields, the
// parallel cable list, the line current and its sentence, the heating verdict against a current
// rating, the three notes, and the report's current block.
#pragma once

#include "core/lowvoltage/cable_ratings.h"
#include "core/messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::cable_line {

// "Gücü Biliyorum" / "Akımı Biliyorum".
enum class Load { Power, Current };
// The supply options in their order: "DC Gerilim", "Gerilimi Ben Gireceğim (Monofaze)",
// "1 Faz AC Gerilim (220 V)", "3 Faz AC Gerilim (380 V)", "Gerilimi Ben Gireceğim (Trifaze)".
enum class Supply { Dc, SingleTyped, Single220, Three380, ThreeTyped };
// "Bakır (Cu)", "Alüminyum (Al)", "İletken Sabitini Ben Gireceğim".
enum class Conductor { Copper, Aluminium, Own };

enum class Phases { Dc, Single, Three };
Phases PhasesOf(Supply supply);

// What a choice puts into its field, and whether it locks the field.
struct Preset {
    std::string_view text;
    bool locked;
};
// The voltage: "110" (DC), "220" or "380"; locked for the 220 V and 380 V choices.
Preset VoltageOf(Supply supply);
// The conductivity: "56" for copper and "35" for aluminium, locked; emptied for the user's own.
Preset ConductivityOf(Conductor conductor);
// The current-rating table of a conductor: the copper one for the user's own conductivity too.
cable_ratings::Metal MetalOf(Conductor conductor);

// The caption and unit of the load field.
std::string_view LoadCaption(Load load); // "Gücü Giriniz" / "Akımı Giriniz"
std::string_view LoadUnit(Load load);    // " W" / "A"

// "Parelel Kablo Sayısını Seçiniz": "Yok", "2" … "6", and the number of cables n of an entry
// ("Yok" is one cable).
const std::vector<std::string>& ParallelList();
double ParallelCount(std::string_view entry);

// The current the line carries. For a power-given load I = P / U (DC), P / (c × U)
// (single-phase) or P / (c × √3 × U) (three-phase), kept rounded to 2 decimals; for a
// current-given load the typed current as it is. `text` is what the window shows of it.
struct LineCurrent {
    double value = 0;
    std::string text;
    friend bool operator==(const LineCurrent&, const LineCurrent&) = default;
};
// Throws ComputeFailure when a text is not a number or a divisor is 0.
LineCurrent LineCurrentOf(Load load, Phases phases, std::string_view loadValue,
                          std::string_view cosPhi, double voltage);
// "Tesisin/Cihazın Kablo Üzerinden Çektiği Akım " + current + " Amperdir."
std::string LineCurrentSentence(std::string_view current);

// A verdict label's meaning: green "… Uygun", red "… Uygun Değil".
enum class Verdict { Suitable, Unsuitable };
struct VerdictText {
    Verdict verdict;
    std::string text;
    friend bool operator==(const VerdictText&, const VerdictText&) = default;
};
// The heating check of the line current against a cable's capacity (n × its rating): strictly
// below is suitable, strictly above unsuitable; equal gives no verdict and the label keeps what
// it showed.
std::optional<VerdictText> HeatingVerdict(double current, double capacity);
// n × a rating, as the rating sentences show it.
std::string CapacityText(double parallel, double rating);

// "Not" beside the power factor, "Özİletkenlik Sabitleri" and "Not" beside the parallel cables.
Message PowerFactorNote();
Message ConductivityTable();
Message ParallelCablesNote();

// The report's phase line: "Faz Durumu: Monofaze" or "Faz Durumu: Trifaze"; none on DC.
std::vector<std::string> PhaseLines(Phases phases);

// The report's lines about the load current: for a power-given load its formula, the values and
// "I = " + the current shown; for a current-given load the typed current. `cable` names what
// must carry it ("Kablo", "Kablo/İletken").
struct CurrentBlock {
    Load load;
    Phases phases;
    std::string_view loadValue; // the load field's text
    std::string_view voltage;
    std::string_view cosPhi;
    std::string_view current; // the line current shown
};
std::vector<std::string> CurrentBlockLines(const CurrentBlock& block, std::string_view cable);

} // namespace voltaris::cable_line
