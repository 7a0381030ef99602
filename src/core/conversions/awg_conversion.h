// The AWG-metric conversion window ("AWG Metrik Dönüşüm"): the metric equivalents of the AWG and
// MCM conductor sizes with their Canadian code names, and its menu conversions.
#pragma once

#include "core/circuits/conductor_section.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace voltaris::awg {

// One size of the list: its text, cross-section in mm² and the code names of the
// steel-reinforced ("Kuş İsimleri") and all-aluminium ("Çiçek İsimleri") conductors.
struct Entry {
    std::string_view size; // "4/0 = 0000"
    double section;        // mm²
    std::string_view steelNames;
    std::string_view aluminiumNames;
};

// The 27 sizes in list order.
std::span<const Entry> Entries();

// What one display timer tick writes.
struct Display {
    std::string section;        // Text1, mm²
    std::string diameter;       // Text2, mm
    std::string inches;         // Text3
    std::string steelNames;     // Label11 (empty clears it)
    std::string aluminiumNames; // Label13 (empty clears it)
};

// One display timer tick for the list's text; nothing when the text is none of the sizes.
std::optional<Display> Show(std::string_view size);

// A conductor size, each value rounded to 2 decimals.
struct ConductorSize {
    double section;  // mm²
    double diameter; // mm
    double inches;
};

// Size of an AWG gauge number, 1/0 to 4/0 given as 0, -1, -2, -3. Throws ComputeFailure on
// overflow.
ConductorSize GaugeSize(double gauge);
// Size of an MCM conductor. Throws ComputeFailure for a negative size.
ConductorSize McmSize(double mcm);

// The menu commands: each asks its prompt (',' read as '.') and shows its message in a "SONUÇ"
// box; an answer that is not a number, or a message function's ComputeFailure, shows kWarning in
// the "UYARI" box.
inline constexpr std::string_view kWarning = "DEĞERİ GİRİNİZ";

// "AWG Metrik Çevirme" (`mn_AWGtoMetrik`).
inline constexpr std::string_view kGaugePrompt = "AWG Kesitini Giriniz...\n"
                                                 "1/0 = 0       Kesiti İçin: 0\n"
                                                 "2/0 = 00     Kesiti İçin: -1\n"
                                                 "3/0 = 000   Kesiti İçin: -2\n"
                                                 "4/0 = 0000 Kesiti İçin: -3\n"
                                                 "Şeklinde Giriniz...";
std::string GaugeMessage(double gauge);

// "MCM Metrik Çevirme" (`mn_MCMtoMetrik`).
inline constexpr std::string_view kMcmPrompt = "MCM Kesitini Giriniz...";
std::string McmMessage(double mcm);

// "İletkenin Kesitini Biliyorum, Çapına Çevireceğim" (`mn_CAPC`).
inline constexpr std::string_view kSectionPrompt = conductor_section::kSectionPrompt;
std::string DiameterMessage(double section);

// "İletkenlinin Kesitini Hesaplama" (`mn_kesit`).
inline constexpr std::string_view kDiameterPrompt = conductor_section::kDiameterPrompt;
std::string SectionMessage(double diameter);

} // namespace voltaris::awg
