// A frame's client split into up to two rows and two columns of panes, each
// pane a view window. Each row shares one vertical scroll bar and each
// column one horizontal bar; a bar scrolls every pane along it. The user
// splits by dragging the split boxes at the ends of the bars and moves or
// removes a split by dragging its bar.
#pragma once

#include "platform/ui/cmd_target.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QScrollBar;

namespace ui {

class Frame;
class View;
class ViewHost;

class Splitter : public QWidget {
public:
    // Makes the view of a pane that a split adds, from the view of the pane
    // it was split from; may return null for an empty pane.
    using ViewFactory = std::function<std::unique_ptr<View>(View& like)>;
    // Told of each view a split added, once its pane is in place and laid
    // out and before it shows.
    using PaneAdded = std::function<void(View& view)>;
    // Told at each layout of the space under each row's vertical bar (empty
    // for a row that does not exist), for the row's own buttons.
    using RowSpaceLaid = std::function<void(int row, QRect space)>;

    static constexpr int maxRows = 2;
    static constexpr int maxColumns = 2;
    // Width of the bar between split panes, and length of a split box.
    static constexpr int splitBarSize = 6;

    // The first pane shows first; its view becomes the frame's active view.
    Splitter(Frame& frame, std::unique_ptr<View> first, QWidget* parent = nullptr);
    ~Splitter() override;

    void SetViewFactory(ViewFactory factory) { factory_ = std::move(factory); }
    void SetPaneAdded(PaneAdded added) { paneAdded_ = std::move(added); }
    // The smallest pane a split may leave (10 x 10 unless set).
    void SetMinPaneSize(QSize size) { minPane_ = size; }
    // Each row's vertical bar is that much shorter, leaving the space under
    // it to the hook.
    void SetRowButtonSpace(int height, RowSpaceLaid laid);

    // The split from the keyboard: both split bars start at the centre;
    // the pointer, or an arrow key by 15 pixels, moves them; Enter or a
    // click splits there (or moves the existing splits), Esc leaves
    // everything as it was.
    void StartKeyboardSplit();
    bool IsTrackingSplit() const { return tracking_; }
    // Where the bars stand while tracking.
    QPoint GetTrackedSplit() const { return tracked_; }
    static constexpr int keyboardSplitStep = 15;

    int GetRowCount() const { return rows_; }
    int GetColumnCount() const { return columns_; }

    // Splits into two rows, the upper one height pixels high (two columns,
    // the left one width pixels wide). False when already split that way or
    // when a pane would be smaller than the smallest. The active view stays.
    bool SplitRow(int height);
    bool SplitColumn(int width);
    // Removes a row or column with the views of its panes; the frame's
    // active view moves to a remaining pane when it was among them.
    void DeleteRow(int row);
    void DeleteColumn(int column);

    // Row height and column width in pixels; setting the first row's height
    // (first column's width) moves the split. A split position leaving a
    // pane smaller than the smallest removes that pane's row (column).
    int GetRowHeight(int row) const;
    int GetColumnWidth(int column) const;
    void SetRowHeight(int row, int height);
    void SetColumnWidth(int column, int width);

    View* GetPane(int row, int column) const;
    // The row and column of the pane showing the view; false when none does.
    bool FindPane(const View& view, int& row, int& column) const;
    ViewHost* GetPaneWindow(int row, int column) const;
    // Puts view in the pane, keeping the pane's window; returns the view it
    // held. When the old view was the frame's active view, the new one is.
    std::unique_ptr<View> SetPaneView(int row, int column, std::unique_ptr<View> view);
    // Makes the pane's view the frame's active view and gives it the focus.
    void SetActivePane(int row, int column);

    // A row's vertical bar (Qt::Vertical, row) or a column's horizontal bar
    // (Qt::Horizontal, column).
    QScrollBar* GetScrollBar(Qt::Orientation orientation, int index) const;
    // The splitter holding the view's window, or null.
    static Splitter* Of(const View& view);
    // The bar the view scrolls with: its row's vertical bar or its column's
    // horizontal one; null when the view is in no splitter's pane.
    static QScrollBar* ScrollBarOf(const View& view, Qt::Orientation orientation);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Pane;
    enum class Drag { None, RowSplit, ColumnSplit, RowBox, ColumnBox };

    Pane& At(int row, int column) const;
    // A pane, hidden, with a view made like the given one (none without).
    std::unique_ptr<Pane> MakePane(View* like);
    void TellAdded(const std::vector<View*>& added);
    // Panes leaving: the frame's active view moves to the first pane when
    // it was among them.
    void MoveActivityFrom(std::unique_ptr<Pane> going[], int count);
    QScrollBar* MakeBar(Qt::Orientation orientation, const QScrollBar* like);
    void Scrolled(Qt::Orientation orientation, QScrollBar* bar, int position);
    Drag HitTest(QPoint pos) const;
    void Layout();
    int BarExtent() const;
    // Moves the tracked bars to a point, kept inside the panes' area.
    void TrackTo(QPoint at);
    void EndKeyboardSplit(bool apply);

    TargetPtr<Frame> frame_;
    ViewFactory factory_;
    PaneAdded paneAdded_;
    QSize minPane_ {10, 10};
    int rows_ = 1;
    int columns_ = 1;
    int rowHeight_ = 0; // of the first row, when there are two
    int columnWidth_ = 0; // of the first column, when there are two
    std::unique_ptr<Pane> panes_[maxRows][maxColumns];
    QScrollBar* rowBars_[maxRows] = {};
    QScrollBar* columnBars_[maxColumns] = {};
    QWidget* corner_ = nullptr;
    Drag drag_ = Drag::None;
    int rowButtonSpace_ = 0;
    RowSpaceLaid rowSpaceLaid_;
    bool tracking_ = false;
    QPoint tracked_;
    QWidget* trackRow_ = nullptr; // the bars shown while tracking
    QWidget* trackColumn_ = nullptr;
};

} // namespace ui
