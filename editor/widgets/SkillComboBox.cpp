#include "editor/widgets/SkillComboBox.h"

#include "editor/widgets/FieldEdit.h"
#include "editor/widgets/RankTable.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace {

constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine;

bool IsRankRow(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < RankTable.size();
}

// Hands the drawing and sizing of the list rows to the picker that owns it.
class CSkillItemDelegate : public QAbstractItemDelegate
{
public:
    explicit CSkillItemDelegate(CSkillComboBox* comboBox) : QAbstractItemDelegate(comboBox), m_pComboBox(comboBox) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_pComboBox->DrawItem(painter, option, index.isValid() ? index.row() : -1);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return m_pComboBox->MeasureItem(option, index.isValid() ? index.row() : -1);
    }

private:
    CSkillComboBox* m_pComboBox;
};

} // namespace

CSkillComboBox::CSkillComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setLineEdit(new CFieldEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    // Typed text must stay exactly as typed: no completion from the list.
    setCompleter(nullptr);
    setItemDelegate(new CSkillItemDelegate(this));
}

void CSkillComboBox::Prepare(const QFont& pickerFont, int nSelectionFieldHeight)
{
    setFont(pickerFont);
    view()->setFont(pickerFont);
    setFixedHeight(nSelectionFieldHeight);
    for (std::size_t row = 0; row < SkillItemTexts.size(); ++row) {
        addItem(QString::fromLatin1(SkillItemTexts[row]));
        // A screen reader hears the rank the row draws with its threshold.
        setItemData(count() - 1, RankTitle(row) + QStringLiteral(", ") + itemText(count() - 1), Qt::AccessibleTextRole);
    }
    // Tall enough for every rank, so none hides behind a scroll bar.
    setMaxVisibleItems(count());
}

// The list drops down wider than the picker where its rows need it. Measured
// at the first drop-down, not at start: measuring every row of every picker
// was a good part of the window's start-up time.
void CSkillComboBox::showPopup()
{
    if (view()->minimumWidth() == 0)
        view()->setMinimumWidth(ListWidth());
    QComboBox::showPopup();
}

// The widest row, with the list's frame and scroll bar around it.
int CSkillComboBox::ListWidth() const
{
    QStyleOptionViewItem option;
    option.font = view()->font();
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, MeasureItem(option, row).width());
    return widest + 2 * view()->frameWidth() + view()->verticalScrollBar()->sizeHint().width();
}

int CSkillComboBox::SelectionFieldHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    // Qt reports no internal leading; it is the part of ascent + descent
    // above the em square, so take the line height less the pixel size.
    const int internalLeading = std::max(0, metrics.height() - QFontInfo(font).pixelSize());
    const int externalLeading = std::max(0, metrics.leading());
    return metrics.height() + internalLeading + externalLeading + 3;
}

void CSkillComboBox::DrawItem(QPainter* painter, const QStyleOptionViewItem& option,
                              int index) const
{
    if (!IsRankRow(index))
        return;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    const QRect rc = option.rect;

    painter->save();
    painter->fillRect(rc, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);

    // One average character width of gap parts the two columns.
    const int w = QFontMetrics(option.font).averageCharWidth();
    const QRect thresholdColumn(rc.left(), rc.top(), 7 * w, rc.height());
    const QRect titleColumn(rc.left() + 8 * w, rc.top(), std::max(0, rc.width() - 8 * w),
                            rc.height());
    const RankRow& row = RankTable[static_cast<std::size_t>(index)];
    painter->drawText(thresholdColumn, Qt::AlignRight | kTextFlags,
                      QString::fromLatin1(row.thresholdText));
    painter->drawText(titleColumn, Qt::AlignLeft | kTextFlags, RankTitle(static_cast<std::size_t>(index)));
    painter->restore();
}

// Every row is one line of the picker font high, wide enough for both
// columns.
QSize CSkillComboBox::MeasureItem(const QStyleOptionViewItem& option, int index) const
{
    const QFontMetrics metrics(option.font);
    if (!IsRankRow(index))
        return QSize(0, metrics.height());
    const QString title = RankTitle(static_cast<std::size_t>(index));
    return QSize(8 * metrics.averageCharWidth() + metrics.horizontalAdvance(title),
                 metrics.height());
}
