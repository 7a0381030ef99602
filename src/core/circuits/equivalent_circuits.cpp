#include "core/circuits/equivalent_circuits.h"

#include "core/numbers.h"

namespace voltaris::equivalent {

using checked::Div;
using checked::Finite;

KindCaptions Captions(Kind kind) {
    switch (kind) {
    case Kind::Resistor:
        return {"Seri", "Parelel", "Direnç Değerlerini Giriniz", "Eş Değer Direnç Değeri"};
    case Kind::Coil:
        return {"Seri", "Parelel", "Bobin Değerlerini Giriniz", "Eş Değer Bobin Değeri"};
    case Kind::Capacitor:
        return {"Parelel", "Seri", "Kondansatör Değerlerini Giriniz",
                "Eş Değer Kondansatör Değeri"};
    }
    return {};
}

Outcome<SumTexts> Add(double& sum, Connection connection, SumTexts texts) {
    double newSum = sum;
    auto outcome = RunSteps(std::move(texts), [&](SumTexts& t) {
        if (connection == Connection::Values) {
            newSum = Finite(sum + ReadNumber(t.value));
            t.equivalent = ResultText(newSum, kSumDecimals);
        } else {
            newSum = Finite(sum + Div(1, ReadNumber(t.value)));
            t.equivalent = ResultText(Div(1, newSum), kSumDecimals);
        }
        t.value.clear();
    });
    // A failed step leaves the sum where it stood, whichever step failed.
    if (!outcome.failed)
        sum = newSum;
    return outcome;
}

Outcome<TransformTexts> StarToDelta(std::string_view a, std::string_view b, std::string_view c,
                                    TransformTexts texts) {
    return RunSteps(std::move(texts), [&](TransformTexts& t) {
        const double sa = ReadNumber(a);
        const double sb = ReadNumber(b);
        const double sc = ReadNumber(c);
        const double n = Finite(sa * sb + sb * sc + sc * sa);
        t.first = NumberText(Div(n, sb));
        t.third = NumberText(Div(n, sa));
        t.second = NumberText(Div(n, sc));
    });
}

Outcome<TransformTexts> DeltaToStar(std::string_view p, std::string_view q, std::string_view r,
                                    TransformTexts texts) {
    return RunSteps(std::move(texts), [&](TransformTexts& t) {
        const double dp = ReadNumber(p);
        const double dq = ReadNumber(q);
        const double dr = ReadNumber(r);
        const double s = Finite(dp + dq + dr);
        t.third = NumberText(Div(Finite(dq * dr), s));
        t.first = NumberText(Div(Finite(dq * dp), s));
        t.second = NumberText(Div(Finite(dr * dp), s));
    });
}

} // namespace voltaris::equivalent
