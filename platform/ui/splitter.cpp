#include "platform/ui/splitter.h"

#include "platform/ui/frame.h"
#include "platform/ui/view.h"
#include "platform/ui/view_host.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ui {

struct Splitter::Pane {
    ~Pane()
    {
        view.reset();
        delete host;
    }
    ViewHost* host = nullptr;
    std::unique_ptr<View> view;
};

Splitter::Splitter(Frame& frame, std::unique_ptr<View> first, QWidget* parent)
    : QWidget(parent)
    , frame_(&frame)
{
    panes_[0][0] = MakePane(nullptr);
    rowBars_[0] = MakeBar(Qt::Vertical, nullptr);
    columnBars_[0] = MakeBar(Qt::Horizontal, nullptr);
    corner_ = new QWidget(this);
    SetPaneView(0, 0, std::move(first));
    Layout();
    panes_[0][0]->host->show();
    rowBars_[0]->show();
    columnBars_[0]->show();
    frame.SetActiveView(GetPane(0, 0));
}

Splitter::~Splitter()
{
    // The panes go quietly: a focus moving between dying panes activates
    // nothing.
    for (auto& row : panes_)
        for (auto& pane : row)
            if (pane)
                pane->host->removeEventFilter(this);
}

Splitter::Pane& Splitter::At(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        throw std::out_of_range("no such splitter pane");
    return *panes_[row][column];
}

View* Splitter::GetPane(int row, int column) const
{
    return At(row, column).view.get();
}

ViewHost* Splitter::GetPaneWindow(int row, int column) const
{
    return At(row, column).host;
}

std::unique_ptr<View> Splitter::SetPaneView(int row, int column, std::unique_ptr<View> view)
{
    Pane& pane = At(row, column);
    Frame* frame = frame_.get();
    bool wasActive = frame && pane.view && frame->GetActiveView() == pane.view.get();
    std::unique_ptr<View> old = std::move(pane.view);
    pane.view = std::move(view);
    pane.host->SetView(pane.view.get());
    if (wasActive)
        frame->SetActiveView(pane.view.get());
    return old;
}

void Splitter::SetActivePane(int row, int column)
{
    Pane& pane = At(row, column);
    if (Frame* frame = frame_.get())
        frame->SetActiveView(pane.view.get());
    pane.host->setFocus();
}

std::unique_ptr<Splitter::Pane> Splitter::MakePane(View* like)
{
    auto pane = std::make_unique<Pane>();
    pane->host = new ViewHost(this);
    pane->host->hide();
    pane->host->setFocusPolicy(Qt::ClickFocus);
    pane->host->installEventFilter(this);
    if (like && factory_)
        pane->view = factory_(*like);
    pane->host->SetView(pane->view.get());
    return pane;
}

QScrollBar* Splitter::MakeBar(Qt::Orientation orientation, const QScrollBar* like)
{
    auto* bar = new QScrollBar(orientation, this);
    if (like) {
        bar->setRange(like->minimum(), like->maximum());
        bar->setPageStep(like->pageStep());
        bar->setSingleStep(like->singleStep());
        bar->setValue(like->value());
    }
    connect(bar, &QScrollBar::valueChanged, this,
        [this, orientation, bar](int position) { Scrolled(orientation, bar, position); });
    bar->hide();
    return bar;
}

void Splitter::Scrolled(Qt::Orientation orientation, QScrollBar* bar, int position)
{
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < columns_; ++c) {
            bool along = orientation == Qt::Vertical ? rowBars_[r] == bar : columnBars_[c] == bar;
            if (View* view = panes_[r][c]->view.get(); along && view)
                view->OnScroll(orientation, position);
        }
}

QScrollBar* Splitter::GetScrollBar(Qt::Orientation orientation, int index) const
{
    int count = orientation == Qt::Vertical ? rows_ : columns_;
    if (index < 0 || index >= count)
        throw std::out_of_range("no such splitter scroll bar");
    return orientation == Qt::Vertical ? rowBars_[index] : columnBars_[index];
}

bool Splitter::FindPane(const View& view, int& row, int& column) const
{
    for (row = 0; row < rows_; ++row)
        for (column = 0; column < columns_; ++column)
            if (panes_[row][column]->view.get() == &view)
                return true;
    return false;
}

Splitter* Splitter::Of(const View& view)
{
    QWidget* window = view.GetWindow();
    return window ? dynamic_cast<Splitter*>(window->parentWidget()) : nullptr;
}

QScrollBar* Splitter::ScrollBarOf(const View& view, Qt::Orientation orientation)
{
    Splitter* splitter = Of(view);
    int row = 0, column = 0;
    if (!splitter || !splitter->FindPane(view, row, column))
        return nullptr;
    return splitter->GetScrollBar(orientation, orientation == Qt::Vertical ? row : column);
}

int Splitter::BarExtent() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

bool Splitter::SplitRow(int height)
{
    int available = this->height() - BarExtent() - splitBarSize;
    if (rows_ == maxRows || height < minPane_.height() || available - height < minPane_.height())
        return false;
    // The new row is made whole, hidden, before it counts; it shows only
    // once laid out, since showing a pane sends it events in which its view
    // may ask for any pane or bar.
    std::vector<View*> added;
    for (int c = 0; c < columns_; ++c) {
        panes_[1][c] = MakePane(panes_[0][c]->view.get());
        added.push_back(panes_[1][c]->view.get());
    }
    rowBars_[1] = MakeBar(Qt::Vertical, rowBars_[0]);
    rows_ = 2;
    rowHeight_ = height;
    Layout();
    TellAdded(added);
    for (int c = 0; c < columns_; ++c)
        panes_[1][c]->host->show();
    rowBars_[1]->show();
    return true;
}

bool Splitter::SplitColumn(int width)
{
    int available = this->width() - BarExtent() - splitBarSize;
    if (columns_ == maxColumns || width < minPane_.width() || available - width < minPane_.width())
        return false;
    std::vector<View*> added;
    for (int r = 0; r < rows_; ++r) {
        panes_[r][1] = MakePane(panes_[r][0]->view.get());
        added.push_back(panes_[r][1]->view.get());
    }
    columnBars_[1] = MakeBar(Qt::Horizontal, columnBars_[0]);
    columns_ = 2;
    columnWidth_ = width;
    Layout();
    TellAdded(added);
    for (int r = 0; r < rows_; ++r)
        panes_[r][1]->host->show();
    columnBars_[1]->show();
    return true;
}

void Splitter::TellAdded(const std::vector<View*>& added)
{
    if (!paneAdded_)
        return;
    for (View* view : added)
        if (view)
            paneAdded_(*view);
}

void Splitter::DeleteRow(int row)
{
    if (rows_ < 2 || row < 0 || row >= rows_)
        throw std::out_of_range("no such splitter row to delete");
    // The row leaves the panes and the count first, and the active view
    // moves to a remaining pane while the going views still exist; only
    // then is anything destroyed.
    std::unique_ptr<Pane> going[maxColumns];
    for (int c = 0; c < columns_; ++c) {
        going[c] = std::move(panes_[row][c]);
        if (row == 0)
            panes_[0][c] = std::move(panes_[1][c]);
    }
    std::unique_ptr<QScrollBar> bar(rowBars_[row]);
    rowBars_[0] = row == 0 ? rowBars_[1] : rowBars_[0];
    rowBars_[1] = nullptr;
    rows_ = 1;
    MoveActivityFrom(going, columns_);
    Layout();
}

void Splitter::DeleteColumn(int column)
{
    if (columns_ < 2 || column < 0 || column >= columns_)
        throw std::out_of_range("no such splitter column to delete");
    std::unique_ptr<Pane> going[maxRows];
    for (int r = 0; r < rows_; ++r) {
        going[r] = std::move(panes_[r][column]);
        if (column == 0)
            panes_[r][0] = std::move(panes_[r][1]);
    }
    std::unique_ptr<QScrollBar> bar(columnBars_[column]);
    columnBars_[0] = column == 0 ? columnBars_[1] : columnBars_[0];
    columnBars_[1] = nullptr;
    columns_ = 1;
    MoveActivityFrom(going, rows_);
    Layout();
}

void Splitter::MoveActivityFrom(std::unique_ptr<Pane> going[], int count)
{
    Frame* frame = frame_.get();
    View* active = frame ? frame->GetActiveView() : nullptr;
    for (int i = 0; i < count; ++i) {
        going[i]->host->removeEventFilter(this);
        if (active && going[i]->view.get() == active)
            frame->SetActiveView(panes_[0][0]->view.get());
    }
}

int Splitter::GetRowHeight(int row) const
{
    At(row, 0);
    int available = height() - BarExtent();
    if (rows_ == 1)
        return available;
    return row == 0 ? rowHeight_ : available - splitBarSize - rowHeight_;
}

int Splitter::GetColumnWidth(int column) const
{
    At(0, column);
    int available = width() - BarExtent();
    if (columns_ == 1)
        return available;
    return column == 0 ? columnWidth_ : available - splitBarSize - columnWidth_;
}

void Splitter::SetRowHeight(int row, int height)
{
    At(row, 0);
    if (rows_ == 1)
        return;
    int available = this->height() - BarExtent() - splitBarSize;
    int first = row == 0 ? height : available - height;
    if (first < minPane_.height())
        DeleteRow(0);
    else if (available - first < minPane_.height())
        DeleteRow(1);
    else {
        rowHeight_ = first;
        Layout();
    }
}

void Splitter::SetColumnWidth(int column, int width)
{
    At(0, column);
    if (columns_ == 1)
        return;
    int available = this->width() - BarExtent() - splitBarSize;
    int first = column == 0 ? width : available - width;
    if (first < minPane_.width())
        DeleteColumn(0);
    else if (available - first < minPane_.width())
        DeleteColumn(1);
    else {
        columnWidth_ = first;
        Layout();
    }
}

void Splitter::Layout()
{
    const int bar = BarExtent();
    const int aw = std::max(0, width() - bar);
    const int ah = std::max(0, height() - bar);
    auto columnX = [&](int c) { return c == 0 ? 0 : columnWidth_ + splitBarSize; };
    auto columnW = [&](int c) { return columns_ == 1 ? aw : c == 0 ? columnWidth_ : aw - columnX(1); };
    auto rowY = [&](int r) { return r == 0 ? 0 : rowHeight_ + splitBarSize; };
    auto rowH = [&](int r) { return rows_ == 1 ? ah : r == 0 ? rowHeight_ : ah - rowY(1); };

    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < columns_; ++c)
            panes_[r][c]->host->setGeometry(columnX(c), rowY(r), columnW(c), rowH(r));
    // While unsplit, the split boxes take the ends of the first bars.
    for (int r = 0; r < rows_; ++r) {
        int box = rows_ == 1 ? splitBarSize : 0;
        const int length = std::max(0, rowH(r) - box - rowButtonSpace_);
        rowBars_[r]->setGeometry(aw, rowY(r) + box, bar, length);
        if (rowSpaceLaid_)
            rowSpaceLaid_(r, QRect(aw, rowY(r) + box + length, bar, std::min(rowButtonSpace_, rowH(r) - box)));
    }
    if (rowSpaceLaid_)
        for (int r = rows_; r < maxRows; ++r)
            rowSpaceLaid_(r, QRect());
    for (int c = 0; c < columns_; ++c) {
        int box = columns_ == 1 ? splitBarSize : 0;
        columnBars_[c]->setGeometry(columnX(c) + box, ah, std::max(0, columnW(c) - box), bar);
    }
    corner_->setGeometry(aw, ah, bar, bar);
}

void Splitter::SetRowButtonSpace(int height, RowSpaceLaid laid)
{
    rowButtonSpace_ = std::max(0, height);
    rowSpaceLaid_ = std::move(laid);
    Layout();
}

void Splitter::StartKeyboardSplit()
{
    if (tracking_)
        return;
    tracking_ = true;
    if (!trackRow_) {
        trackRow_ = new QWidget(this);
        trackColumn_ = new QWidget(this);
        for (QWidget* line : {trackRow_, trackColumn_}) {
            line->setAutoFillBackground(true);
            QPalette palette = line->palette();
            palette.setColor(QPalette::Window, Qt::darkGray);
            line->setPalette(palette);
        }
    }
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    setMouseTracking(true);
    grabKeyboard();
    TrackTo(QPoint((width() - BarExtent()) / 2, (height() - BarExtent()) / 2));
    trackRow_->show();
    trackColumn_->show();
    trackRow_->raise();
    trackColumn_->raise();
}

void Splitter::TrackTo(QPoint at)
{
    const int aw = std::max(0, width() - BarExtent());
    const int ah = std::max(0, height() - BarExtent());
    tracked_ = QPoint(
        std::clamp(at.x(), 0, std::max(0, aw - splitBarSize)), std::clamp(at.y(), 0, std::max(0, ah - splitBarSize)));
    if (trackRow_) {
        trackRow_->setGeometry(0, tracked_.y(), aw, splitBarSize);
        trackColumn_->setGeometry(tracked_.x(), 0, splitBarSize, ah);
    }
}

void Splitter::EndKeyboardSplit(bool apply)
{
    tracking_ = false;
    releaseKeyboard();
    setMouseTracking(false);
    trackRow_->hide();
    trackColumn_->hide();
    setFocusPolicy(Qt::NoFocus);
    if (Frame* frame = frame_.get())
        if (View* view = frame->GetActiveView(); view && view->GetWindow())
            view->GetWindow()->setFocus();
    if (!apply)
        return;
    const QPoint at = tracked_;
    if (rows_ == 1)
        SplitRow(at.y());
    else
        SetRowHeight(0, at.y());
    if (columns_ == 1)
        SplitColumn(at.x());
    else
        SetColumnWidth(0, at.x());
}

void Splitter::keyPressEvent(QKeyEvent* e)
{
    if (!tracking_) {
        QWidget::keyPressEvent(e);
        return;
    }
    const int step = keyboardSplitStep;
    switch (e->key()) {
    case Qt::Key_Left:
        TrackTo(tracked_ - QPoint(step, 0));
        break;
    case Qt::Key_Right:
        TrackTo(tracked_ + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        TrackTo(tracked_ - QPoint(0, step));
        break;
    case Qt::Key_Down:
        TrackTo(tracked_ + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EndKeyboardSplit(true);
        break;
    case Qt::Key_Escape:
        EndKeyboardSplit(false);
        break;
    default:
        break;
    }
}

void Splitter::resizeEvent(QResizeEvent*)
{
    Layout();
}

Splitter::Drag Splitter::HitTest(QPoint pos) const
{
    const int aw = width() - BarExtent();
    const int ah = height() - BarExtent();
    if (rows_ == 2 && pos.x() < aw && pos.y() >= rowHeight_ && pos.y() < rowHeight_ + splitBarSize)
        return Drag::RowSplit;
    if (columns_ == 2 && pos.y() < ah && pos.x() >= columnWidth_ && pos.x() < columnWidth_ + splitBarSize)
        return Drag::ColumnSplit;
    if (rows_ == 1 && pos.x() >= aw && pos.y() < splitBarSize)
        return Drag::RowBox;
    if (columns_ == 1 && pos.y() >= ah && pos.x() < splitBarSize)
        return Drag::ColumnBox;
    return Drag::None;
}

void Splitter::mousePressEvent(QMouseEvent* e)
{
    if (tracking_) {
        TrackTo(e->position().toPoint());
        EndKeyboardSplit(true);
        return;
    }
    drag_ = e->button() == Qt::LeftButton ? HitTest(e->position().toPoint()) : Drag::None;
    if (drag_ == Drag::None)
        QWidget::mousePressEvent(e);
}

void Splitter::mouseMoveEvent(QMouseEvent* e)
{
    // An existing split follows the mouse; a new one is made on release.
    QPoint pos = e->position().toPoint();
    if (tracking_) {
        TrackTo(pos);
        return;
    }
    int limitY = height() - BarExtent() - splitBarSize;
    int limitX = width() - BarExtent() - splitBarSize;
    if (drag_ == Drag::RowSplit) {
        rowHeight_ = std::clamp(pos.y(), 0, std::max(0, limitY));
        Layout();
    } else if (drag_ == Drag::ColumnSplit) {
        columnWidth_ = std::clamp(pos.x(), 0, std::max(0, limitX));
        Layout();
    }
}

void Splitter::mouseReleaseEvent(QMouseEvent* e)
{
    Drag drag = std::exchange(drag_, Drag::None);
    QPoint pos = e->position().toPoint();
    switch (drag) {
    case Drag::RowSplit:
        SetRowHeight(0, pos.y());
        break;
    case Drag::ColumnSplit:
        SetColumnWidth(0, pos.x());
        break;
    case Drag::RowBox:
        SplitRow(pos.y());
        break;
    case Drag::ColumnBox:
        SplitColumn(pos.x());
        break;
    case Drag::None:
        QWidget::mouseReleaseEvent(e);
        break;
    }
}

bool Splitter::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::FocusIn) {
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_; ++c)
                if (panes_[r][c]->host == watched && panes_[r][c]->view)
                    if (Frame* frame = frame_.get())
                        frame->SetActiveView(panes_[r][c]->view.get());
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace ui
