// The dialogs of window tests: every box is closed at once, every question answered "Hayır",
// every prompt and file cancelled.
#pragma once

#include "gui/dialogs.h"

namespace voltaris::gui {

class SilentDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&, BoxIcon) override {}
    bool question(QWidget*, const QString&, const QString&, BoxIcon) override { return false; }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
};

} // namespace voltaris::gui
