// "Hakkında": the program's name and version, how often it has run, and the about text typed
// out character by character; the text is also the link that writes a mail to the makers.
#pragma once

#include "core/shell/shell_texts.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QLabel;
class QTimer;

namespace voltaris::app {

class AboutWindow : public gui::ToolWindow {
public:
    static inline const QString& kForm = gui::forms::kAbout;
    AboutWindow();

private:
    void typeNext();

    QLabel* text_ = nullptr;
    QTimer* typingTimer_ = nullptr;
    shell::Typing typing_;
    std::u32string fullText_;
};

} // namespace voltaris::app
