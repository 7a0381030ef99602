#include "core/shell/shell_texts.h"

#include "core/numbers.h"

namespace voltaris::shell {

std::string RunCountLine(double runs) {
    return "Bu Program " + NumberText(runs) + " Defa Çalışmıştır...";
}

int BannerTick(int leftTwips) {
    constexpr int kStep = 10;
    constexpr int kWrapAt = 9600;
    constexpr int kWrapTo = -2800;
    for (int step = 0; step < 3; ++step) {
        leftTwips += kStep;
        if (leftTwips == kWrapAt)
            leftTwips = kWrapTo;
    }
    return leftTwips;
}

std::u32string AboutText() {
    return U"Voltaris, elektrik ve elektronik alanında çalışan teknisyenler, elektrikçiler ve "
           U"öğrenciler için hazırlanmış bir hesaplama programıdır. Direnç, kondansatör ve bobin "
           U"kodlarını okur; devre, alçak gerilim ve orta gerilim hesaplamalarını yapar ve "
           U"sonuçlarını rapor olarak kaydeder. Görüş ve önerileriniz için bu yazıya tıklayarak "
           U"e-posta gönderebilirsiniz."
           U"\n"
           U"GÜLE GÜLE KULLANIN..."
           U"\n\n"
           U"Not: Bu Hesaplama programından dolayı oluşacak problemlerden mesul değilim. Gerçek "
           U"değerler için profesyonel projecilerle görüşünüz...";
}

void TypeNext(Typing& typing, std::u32string_view full) {
    if (typing.finished)
        return;
    ++typing.counter;
    if (typing.counter <= full.size())
        typing.shown += full[typing.counter - 1];
    if (typing.counter >= full.size()) {
        typing.counter = 0;
        typing.shown = full;
        typing.finished = true;
    }
}

} // namespace voltaris::shell
