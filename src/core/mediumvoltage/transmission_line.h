// "Enerji Nakil Hattı Hesaplamaları": the constants of a three-phase overhead line with steel-cored
// aluminium conductors (resistance, inductance, reactance, capacitance and susceptance per km
// from the conductor and the phase spacings), its surge impedance, natural power and charging
// current, its current and losses under a load, and the sag and tension of a level span.
#pragma once

#include "core/lowvoltage/overhead_conductors.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::transmission_line {

// One steel-cored aluminium conductor of the list: its entry of the overhead conductor table
// (name, size, wires, diameter, mass and DC resistance at 20 °C) and what only a line's constants
// and its sag need.
struct Conductor {
    const overhead_conductors::Conductor& table;
    double gmr;      // geometric mean radius, mm
    double strength; // rated breaking strength, kN
};

// The conductors in list order, smallest first: the table's ACSR conductors of Turkish medium
// voltage lines, SWALLOW to CARDINAL.
const std::vector<Conductor>& Conductors();
// The line of the window that names where the line's own figures come from; the table's source
// lines stand above it.
inline constexpr std::string_view kConductorSource =
    "Kopma yükü: Southwire \"Overhead Conductor Manual\" (2. baskı, 2007), SWALLOW için "
    "tellerinden hesaplanmıştır. GMR: çok katlı iletkenlerde Grainger & Stevenson \"Power System "
    "Analysis\" (1994) Tablo A.3; 6/1 iletkenlerde altı alüminyum telden hesaplanmıştır.";

// The network frequency of the lines, Hz.
inline constexpr double kFrequency = 50;

// The formulas, each in SI units as its name says.
// GMD = ∛(D12 · D23 · D31).
double GeometricMeanDistance(double d12, double d23, double d31);
// L = 0.2 · ln(GMD / GMR), mH/km (distances in the same unit).
double InductancePerKm(double gmd, double gmr);
// C = 2π·ε0 / ln(GMD / r), nF/km (distances in the same unit).
double CapacitancePerKm(double gmd, double radius);
// The horizontal tension H (daN) of a level span `span` (m) under the load `load` (daN/m) whose
// tension at the supports, H·cosh(load·span / 2H), is `supportTension` (daN): the taut one of the
// two catenaries that have it. Fails when no catenary of that span is that taut.
double HorizontalTension(double load, double span, double supportTension);
// The sag at mid-span (m), parabolic w·a² / 8H and catenary H/w · (cosh(w·a / 2H) − 1), and the
// conductor length of the catenary 2H/w · sinh(w·a / 2H) (m).
double ParabolicSag(double load, double span, double horizontal);
double CatenarySag(double load, double span, double horizontal);
double CatenaryLength(double load, double span, double horizontal);

// "Hat Sabitleri": the conductor (its list entry) and the phase spacings in metres.
struct Geometry {
    int conductor = 0;
    std::string d12; // Text1
    std::string d23; // Text2
    std::string d31; // Text3
};
struct Constants {
    std::string gmd;         // Text4, m
    std::string resistance;  // Text11, Ω/km
    std::string inductance;  // Text12, mH/km
    std::string reactance;   // Text13, Ω/km
    std::string capacitance; // Text14, nF/km
    std::string susceptance; // Text15, µS/km
    friend bool operator==(const Constants&, const Constants&) = default;
};
Outcome<Constants> ComputeConstants(const Geometry& geometry, Constants shown);

// "Dalga Empedansı ve Doğal Güç": the line of `geometry`, its voltage (kV) and length (km).
struct SurgeInputs {
    Geometry geometry;
    std::string voltage; // Text5, kV
    std::string length;  // Text6, km
};
struct Surge {
    std::string impedance;       // Text7, Ω
    std::string naturalPower;    // Text16, MW
    std::string chargingCurrent; // Text17, A
    std::string chargingPower;   // Text21, kVAr
    friend bool operator==(const Surge&, const Surge&) = default;
};
Outcome<Surge> ComputeSurge(const SurgeInputs& inputs, Surge shown);

// "Hat Kayıpları": the load carried by one line of the chosen conductor.
struct LossInputs {
    int conductor = 0;
    std::string power;       // Text8, kW
    std::string voltage;     // Text9, kV
    std::string length;      // Text10, km
    std::string powerFactor; // Combo2, cos φ
};
struct Losses {
    std::string current;     // Text22, A
    std::string resistance;  // Text23, Ω
    std::string loss;        // Text24, kW
    std::string lossPercent; // Text25, %
    friend bool operator==(const Losses&, const Losses&) = default;
};
Outcome<Losses> ComputeLosses(const LossInputs& inputs, Losses shown);

// "Sehim ve Gerilme": a level span of the chosen conductor; the ice and wind loads may be left
// empty (none).
struct SpanInputs {
    int conductor = 0;
    std::string span;   // Text18, m
    std::string safety; // Text19, breaking strength / largest tension
    std::string height; // Text20, height of the supporting points, m
    std::string ice;    // Text26, daN/m
    std::string wind;   // Text27, wind pressure, daN/m²
};
struct Span {
    std::string load;       // Text28, resultant load, daN/m
    std::string tension;    // Text29, largest tension at the supports, daN
    std::string horizontal; // Text30, daN
    std::string parabolic;  // Text31, m
    std::string catenary;   // Text32, m
    std::string length;     // Text33, m
    std::string clearance;  // Text34, lowest point above the ground, m
    friend bool operator==(const Span&, const Span&) = default;
};
Outcome<Span> ComputeSpan(const SpanInputs& inputs, Span shown);

} // namespace voltaris::transmission_line
