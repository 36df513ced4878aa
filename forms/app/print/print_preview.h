// Print preview: the form's pages drawn as the printer draws them, one page
// for a one-page form and two side by side otherwise, with buttons to page
// through the form.
#pragma once

#include <QDialog>
#include <QImage>

#include <vector>

class FBASEVIEW;
class QLabel;
class QPushButton;

class PrintPreview : public QDialog {
public:
    explicit PrintPreview(FBASEVIEW& view, QWidget* parent = nullptr);

    // The page drawn at a resolution, as a printer of that resolution
    // would print it.
    static QImage RenderPage(FBASEVIEW& view, int page, int dpi);

    int GetFirstPage() const { return first; }
    // The pages shown side by side (their numbers from the first).
    int GetPagesShown() const;
    void ShowFrom(int page);

private:
    FBASEVIEW& view;
    int first = 1;
    std::vector<QLabel*> pages;
    QPushButton* next;
    QPushButton* prev;
};
