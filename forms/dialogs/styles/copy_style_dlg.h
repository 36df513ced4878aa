// The Style Manager's Copy step: the name of the copy of a style.
#pragma once

#include "platform/ui/dialog/dialog.h"

#include <string>

class FDOCUMENT;

inline constexpr unsigned kCopyStyleDialogId = 2016;

class COPY_STYLE_DLG : public ui::Dialog {
public:
    // The source is the entry of the style copied.
    COPY_STYLE_DLG(FDOCUMENT& document, std::string source, QWidget* parent = nullptr);

    // After 1: the normalised new name.
    const std::string& GetName() const { return name; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void OnNext();

    FDOCUMENT& document;
    std::string source;
    std::string name;
};
