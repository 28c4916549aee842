#include "editor/window/DialogBuilder.h"

#include "editor/widgets/Announcer.h"
#include "editor/widgets/ComboBoxAccessible.h"
#include "editor/widgets/DropDown.h"
#include "editor/widgets/FieldAccessible.h"
#include "editor/widgets/FieldEdit.h"
#include "editor/widgets/LevelMapAccessible.h"
#include "editor/widgets/LevelMapView.h"
#include "editor/widgets/SkillComboBox.h"
#include "editor/widgets/WheelGuard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <vector>

#include <algorithm>
#include <cmath>

namespace
{
QString Translated(const char* text)
{
    return QCoreApplication::translate("DialogLayout", text);
}

constexpr int kFieldHeight = 14; // dialog units, as the layout's edit fields

// The average width of the Latin letters, as dialog units have always been
// measured; a CJK fallback font cannot inflate it.
int AverageCharWidth(const QFontMetrics& metrics)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

// The room a control's text takes, with what the style draws around it.
QSize TextExtent(const DialogControl& control, const QFontMetrics& metrics)
{
    const QString shown = Translated(control.text).remove(QLatin1Char('&')); // the access key's marker takes no room
    QSize extent(metrics.horizontalAdvance(shown), metrics.height());
    if (control.kind == ControlKind::Button) {
        const QStyle* style = QApplication::style();
        const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        extent.rwidth() += style->pixelMetric(QStyle::PM_ButtonMargin) + frame;
    }
    return extent;
}

// How much the layout must grow, across and down alike, for every text to
// fit its box when a dialog unit is unitX by unitY pixels. One pixel to
// spare covers the rounding of the box's two edges.
double TextFitFactor(const QFontMetrics& metrics, double unitX, double unitY)
{
    double factor = 1.0;
    for (const DialogControl& control : DialogLayout::Controls) {
        if (control.kind != ControlKind::Label && control.kind != ControlKind::Button)
            continue;
        const QSize extent = TextExtent(control, metrics);
        factor = std::max({factor, (extent.width() + 1) / (control.cx * unitX),
                           (extent.height() + 1) / (control.cy * unitY)});
    }
    return factor;
}

QComboBox* MakeCombo(const DialogControl& control, QWidget* parent)
{
    // Screen readers get them named, with their value apart.
    static const bool s_bAccessible = (QAccessible::installFactory(&CComboBoxAccessible::Factory), true);
    Q_UNUSED(s_bAccessible);
    QComboBox* box = control.kind == ControlKind::SkillPicker ? static_cast<QComboBox*>(new CSkillComboBox(parent))
                                                              : new CDropDown(parent);
    if (control.kind == ControlKind::DropDown) {
        box->setLineEdit(new CFieldEdit(box));
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // typed text stays exactly as typed
    }
    for (const char* item : control.initialItems)
        box->addItem(Translated(item));
    // Qt selects the first item it is given; until a value is shown, an
    // editable box selects none, and its list marks none as current.
    if (box->isEditable()) {
        box->setCurrentIndex(-1);
        box->view()->setCurrentIndex(QModelIndex());
    }
    // Orca 43 says nothing when a closed list's value changes; the user's
    // choice is said for it. (An editable box's field is read as it changes.)
    if (control.kind == ControlKind::DropDownList)
        QObject::connect(box, &QComboBox::activated, box, [box] { CAnnouncer::Of(box).Say(box->currentText()); });
    return box;
}

QWidget* MakeEdit(QWidget* parent)
{
    // Screen readers hear each value whole and with its champion.
    static const bool s_bAccessible = (QAccessible::installFactory(&CFieldAccessible::Factory), true);
    Q_UNUSED(s_bAccessible);
    return new CFieldEdit(parent);
}

QWidget* MakeTabControl(QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    for (const char* label : DialogLayout::TabLabels)
        tabs->addTab(new QWidget(tabs), Translated(label));
    return tabs;
}

QWidget* MakeButton(const DialogControl& control, QWidget* parent)
{
    auto* button = new QPushButton(Translated(control.text), parent);
    // No button may become the default: Enter in a field is not a click.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* MakeMapView(QWidget* parent)
{
    // Screen readers get the map as a table of its squares.
    static const bool s_bAccessible = (QAccessible::installFactory(&CLevelMapAccessible::Factory), true);
    Q_UNUSED(s_bAccessible);
    return new CLevelMapView(parent);
}

// The controls lie on one page that scrolls when the screen is too small
// for it, beside the notice column, which never scrolls; until then the
// window is exactly the page's size and the column's.
QWidget* MakePage(QDialog& dialog, QSize size, QWidget* column)
{
    auto* scroller = new QScrollArea(&dialog);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // the focus order is the controls' own
    auto* page = new QWidget;
    page->setFixedSize(size);
    scroller->setWidget(page);
    auto* layout = new QHBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroller);
    layout->addWidget(column);
    dialog.setFixedSize(size.width() + column->width(), size.height());
    return page;
}

void SetBuddies(const std::map<int, QWidget*>& controls, const std::vector<std::pair<QLabel*, int>>& labels)
{
    for (const auto& [label, buddy] : labels)
        label->setBuddy(controls.at(buddy));
}
}

CDialogBuilder::CDialogBuilder(const QFont& dialogFont)
{
    const QFontMetrics metrics(dialogFont);
    const double baseX = AverageCharWidth(metrics) / 4.0;
    const double baseY = metrics.height() / 8.0;
    const double factor = TextFitFactor(metrics, baseX, baseY);
    m_unitX = baseX * factor;
    m_unitY = baseY * factor;
}

int CDialogBuilder::PixelsX(int units) const
{
    return static_cast<int>(std::lround(units * m_unitX));
}

int CDialogBuilder::PixelsY(int units) const
{
    return static_cast<int>(std::lround(units * m_unitY));
}

QRect CDialogBuilder::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(QPoint(PixelsX(x), PixelsY(y)), QPoint(PixelsX(x + cx) - 1, PixelsY(y + cy) - 1));
}

std::map<int, QWidget*> CDialogBuilder::Build(QDialog& dialog) const
{
    auto* bar = new QWidget(&dialog);
    bar->setFixedWidth(PixelsX(DialogLayout::kNoticeBarWidth));
    QWidget* page = MakePage(dialog, ToPixels(0, 0, DialogLayout::kWidth, DialogLayout::kHeight).size(), bar);
    std::map<int, QWidget*> controls;
    std::vector<std::pair<QLabel*, int>> labels;
    QWidget* tabControl = nullptr;
    for (const DialogControl& control : DialogLayout::Controls) {
        QWidget* widget = CreateControl(control, *page);
        if (control.kind == ControlKind::TabControl)
            tabControl = widget;
        if (control.nId != DialogLayout::kNoId)
            controls[control.nId] = widget;
        if (control.buddy != DialogLayout::kNoId)
            labels.emplace_back(static_cast<QLabel*>(widget), control.buddy);
    }
    LayOutNoticeColumn(*bar, controls);
    SetBuddies(controls, labels);
    auto* wheelGuard = new CWheelGuard(&dialog);
    for (const auto& [id, widget] : controls)
        if (auto* box = qobject_cast<QComboBox*>(widget))
            wheelGuard->Guard(box);
    // The champion fields lie inside the tab control's page but come
    // before it in the table; keep them on top of it.
    if (tabControl)
        tabControl->lower();
    return controls;
}

// The notice wraps in the column's width, as tall as its text; the buttons
// keep their sizes right below it.
void CDialogBuilder::LayOutNoticeColumn(QWidget& column, std::map<int, QWidget*>& controls) const
{
    auto* layout = new QVBoxLayout(&column);
    const QSize margin = ToPixels(0, 0, 7, 7).size(); // as the page's own edge
    layout->setContentsMargins(0, margin.height(), margin.width(), margin.height());
    for (const DialogControl& control : DialogLayout::NoticeBar) {
        QWidget* widget = CreateControl(control, column);
        const QSize size = ToPixels(0, 0, control.cx, control.cy).size();
        if (control.kind == ControlKind::Notice) {
            layout->addWidget(widget); // as wide as the column lets it be
        } else {
            widget->setFixedHeight(size.height());
            widget->setMaximumWidth(size.width());
            layout->addWidget(widget, 0, Qt::AlignLeft);
        }
        controls[control.nId] = widget;
    }
    layout->addStretch(1);
}

QWidget* CDialogBuilder::CreateControl(const DialogControl& control, QWidget& page) const
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label:
        widget = new QLabel(Translated(control.text), &page);
        static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case ControlKind::Notice:
        widget = new QLabel(&page);
        static_cast<QLabel*>(widget)->setWordWrap(true);
        static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case ControlKind::Edit:
        widget = MakeEdit(&page);
        break;
    case ControlKind::Button:
        widget = MakeButton(control, &page);
        break;
    case ControlKind::DropDown:
    case ControlKind::DropDownList:
    case ControlKind::SkillPicker:
        widget = MakeCombo(control, &page);
        PlaceCombo(widget, control);
        return widget;
    case ControlKind::TabControl:
        widget = MakeTabControl(&page);
        break;
    case ControlKind::MapView:
        widget = MakeMapView(&page);
        break;
    }
    widget->setGeometry(ToPixels(control.x, control.y, control.cx, control.cy));
    return widget;
}

// The layout's combo height includes the dropped-down list: the control
// itself is one field high, and the rest decides how many rows drop down.
void CDialogBuilder::PlaceCombo(QWidget* widget, const DialogControl& control) const
{
    auto* box = static_cast<QComboBox*>(widget);
    const QRect full = ToPixels(control.x, control.y, control.cx, control.cy);
    const int fieldHeight = std::min(box->sizeHint().height(), PixelsY(control.y + kFieldHeight) - full.y());
    box->setGeometry(full.x(), full.y(), full.width(), fieldHeight);
    const int rowHeight = std::max(1, QFontMetrics(box->font()).height() + 2);
    box->setMaxVisibleItems(std::max(1, (full.height() - fieldHeight) / rowHeight));
}
