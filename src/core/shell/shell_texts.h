// The texts and small algorithms of the program's shell: the first-run question, the exit
// question, the run-count line, the scrolling banner of the main menu and the typed-out text of
// the about window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace voltaris::shell {

inline constexpr std::string_view kSetupTitle = "Kurulum Sihirbazı";
// The first-run question, its pieces joined with the line breaks as the user has always seen
// them: CR LF pairs and lone line feeds mixed.
inline constexpr std::string_view kSetupQuestion =
    "Kurulum Yapılsın mı ?"
    "\r\n\r\n"
    "* Bu Bilgisayarda Programı İlk Çalıştırışınız ise Kurulum Gereklidir. "
    "\n"
    "   Aksi Halde Program Çalışmayacaktır !"
    "\r\n"
    "* Yeniden Başlatma Gerektirmez."
    "\n\n"
    "* Bu Programın Bu Sürümü için Daha Önce Evet'e Tıkladınız ise Hayır'a Tıklayabilirsiniz."
    "\n\n"
    "Not: Bu Kurulum Program İçin Gerekli ActiveX (OCX) Dosyası içindir.";
inline constexpr std::string_view kSetupDone = "Kurulum Başarıyla Tamamlandı !";

inline constexpr std::string_view kAlreadyRunning = "Proğram Zaten Çalışıyor...";

inline constexpr std::string_view kExitTitle = "Voltaris";
inline constexpr std::string_view kExitQuestion = "Programdan Çıkmak İstiyormusunuz?";

// The maker's credit, shown in the banner, the status bar and the about window.
inline constexpr std::string_view kCredit = "Hazırlayan: Voltaris Geliştirici Ekibi";
inline constexpr std::string_view kBannerPrefix = "Voltaris - ";
inline constexpr std::string_view kContactAddress = "voltaris@example.org";

// "Bu Program " + the stored run count + " Defa Çalışmıştır...".
std::string RunCountLine(double runs);

// The banner's left edge in twips after one tick of its timer: three steps of 10 twips to the
// right, each followed by the wrap from exactly 9600 back to -2800.
int BannerTick(int leftTwips);

// The about window's full text: the about paragraph, "GÜLE GÜLE KULLANIN...", and the note.
std::u32string AboutText();

// The typed-out about text: on each tick of its timer one more character appears; with the last
// one the counter returns to 0 and the typing is over for good.
struct Typing {
    std::u32string shown;
    std::uint16_t counter = 0;
    bool finished = false;
};
void TypeNext(Typing& typing, std::u32string_view full);

} // namespace voltaris::shell
