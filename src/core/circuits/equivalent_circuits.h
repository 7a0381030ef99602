// The equivalent circuits window `Form14`: a running equivalent value of resistors, coils or
// capacitors added one by one in series or in parallel, and the star-to-delta and delta-to-star
// transforms.
//
// Window use:
// - Choosing a kind (`Option3` to `Option5`) sets `Option1`, `Option2`, `Label1` and `Label2`
//   from Captions(kind); the values and the running sum stay.
// - "Topla" (`Command3`): Add(sum, connection, {Text1, Text2}); write both texts. On a failure
//   show kSumWarning in the "UYARI" box with `Text1` tested.
// - "Hesabı Sil" (`Command2`): empty `Text1`, `Text2`; the sum goes back to 0.
// - `Command5`: StarToDelta(Text3, Text4, Text5, {Text6, Text7, Text8}); on a failure
//   kStarToDeltaWarning with `Text3` to `Text5` tested. `Command6`: DeltaToStar(Text9, Text10,
//   Text11, {Text12, Text13, Text14}); on a failure kDeltaToStarWarning with `Text9` to `Text11`
//   tested. Both boxes carry the application's title.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <string>
#include <string_view>

namespace voltaris::equivalent {

inline constexpr std::string_view kWindowTitle =
    "Eş Değer Direnç , Bobin ve Kondansatör  "
    "Hesaplama ve Üçgen-Yıldız,Yıldız-Üçgen Dönüşümleri";

// The component kinds of `Option3`, `Option4` and `Option5`.
enum class Kind { Resistor, Coil, Capacitor };

// `Option1` adds the values themselves, `Option2` adds their reciprocals, whatever the kind.
enum class Connection { Values, Reciprocals };

// The captions a kind gives: "Seri" / "Parelel" for resistors and coils, the other way round
// for capacitors.
struct KindCaptions {
    std::string_view valuesOption;      // `Option1`
    std::string_view reciprocalsOption; // `Option2`
    std::string_view valueLabel;        // `Label1`
    std::string_view equivalentLabel;   // `Label2`
};
KindCaptions Captions(Kind kind);

// The running sum's fields: `Text1` the next value, `Text2` the equivalent value.
struct SumTexts {
    std::string value;
    std::string equivalent;
};

inline constexpr int kSumDecimals = 12;
inline constexpr std::string_view kSumWarning = warnings::kEnterValue;

// "Topla": adds the value of `texts.value` (or its reciprocal) to `sum`, shared by both
// connections and every kind; the equivalent (the sum, or its reciprocal) is written rounded to
// twelve decimals and the value field emptied. A value that is no number, a reciprocal of 0 or
// an overflow fails the step: `sum` and both texts stay as they were.
Outcome<SumTexts> Add(double& sum, Connection connection, SumTexts texts);

// The three result fields of a transform, by field: `Text6`, `Text7`, `Text8` of the delta, or
// `Text12`, `Text13`, `Text14` of the star.
struct TransformTexts {
    std::string first;
    std::string second;
    std::string third;
};

// Star to delta from a = `Text3`, b = `Text4`, c = `Text5`: with N = ab + bc + ca, `Text6` = N/b,
// then `Text8` = N/a, then `Text7` = N/c, each unrounded. A failing step keeps what the steps
// before it wrote.
Outcome<TransformTexts> StarToDelta(std::string_view a, std::string_view b, std::string_view c,
                                    TransformTexts texts);

// Delta to star from p = `Text9`, q = `Text10`, r = `Text11`: with S = p + q + r, `Text14` =
// qr/S, then `Text12` = qp/S, then `Text13` = rp/S, each unrounded.
Outcome<TransformTexts> DeltaToStar(std::string_view p, std::string_view q, std::string_view r,
                                    TransformTexts texts);

inline constexpr std::string_view kStarToDeltaWarning = warnings::kErrorEnterValuesTight;
inline constexpr std::string_view kDeltaToStarWarning = warnings::kErrorEnterValues;

} // namespace voltaris::equivalent
