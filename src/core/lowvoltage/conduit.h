// "Kablolar İçin Koruyucu Boru Çapı Seçimi/Hesaplama Bölümü": the PVC conduit for one to four
// single-core NYA conductors of a section, from the window's table; the conduit for cables of
// given outer diameters, drawn in one by one, with a fill factor by their number and kind; and the
// window's section and diameter commands.
#pragma once

#include "core/circuits/conductor_section.h"
#include "core/outcome.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::conduit {

// The NYA sections of the table page (mm²), in list order: "1.5" ... "70".
std::span<const std::string_view> Sections();

// The conduit diameters (mm) for 1 to 4 conductors of the section at list index `section`, as
// the table page writes them ("13.5"); nothing for an index that is no section.
std::optional<std::array<std::string, 4>> TableTexts(int section);

enum class Cable { Unarmoured, Armoured };

// The fill factor of a conduit holding `count` cables of the kind `cable`.
double FillFactor(int count, Cable cable);

// What the calculation page keeps from one "Hesapla" to the next: the sum of the squared outer
// diameters and the lines of the cable list, one per cable.
struct Cables {
    double sumOfSquares = 0;
    std::vector<std::string> lines;
    friend bool operator==(const Cables&, const Cables&) = default;
};

// What "Hesapla" writes.
struct Calculation {
    Cables cables;
    std::string inches;      // Text6, 2 decimals
    std::string centimetres; // Text7: Text6 as written × 2.54, 2 decimals
    friend bool operator==(const Calculation&, const Calculation&) = default;
};

// "Hesapla" with the next cable's outer diameter (Text5, mm) on the calculation `shown`: the
// cable is added to the sum and to the list, and the conduit's diameter D = √(Σd² ÷ f) (for the
// first cable √(d² ÷ f)) is written in inches (D × 0.03937) and in centimetres. A diameter that
// is not a number (or whose square is too large) fails before the cable is added.
Outcome<Calculation> Add(std::string_view diameter, Cable cable, Calculation shown);

// The section and diameter commands take π as 3.14159265358979 (the other conductor windows' take
// 3.14) and ask the other conductor windows' prompts.
// "İletkenin Kesitini Biliyorum, Çapına Çevireceğim" (`mn_cap`): the "SONUÇ" box text for the
// section answered, d = √(4 × S ÷ π) rounded to 2 decimals. Throws ComputeFailure for a negative
// section.
inline constexpr std::string_view kSectionPrompt = conductor_section::kSectionPrompt;
std::string DiameterMessage(double section);
// "İletkenlinin Kesitini Hesaplama" (`mn_kesit`): the "SONUÇ" box text for the diameter
// answered, S = d² × π ÷ 4 rounded to 2 decimals. Throws ComputeFailure when it is too large.
inline constexpr std::string_view kDiameterPrompt = conductor_section::kDiameterPrompt;
std::string SectionMessage(double diameter);

} // namespace voltaris::conduit
