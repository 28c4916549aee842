#include "editor/window/EditorDlg.h"

#include "editor/form/DesktopPath.h"
#include "editor/form/FieldTable.h"
#include "editor/form/NumberText.h"
#include "editor/widgets/Announcer.h"
#include "editor/widgets/LevelMapView.h"
#include "editor/widgets/SkillComboBox.h"
#include "editor/window/ChampionTabs.h"
#include "editor/window/ControlNames.h"
#include "editor/window/DialogBuilder.h"
#include "editor/window/DialogKeys.h"
#include "editor/window/EditMarks.h"
#include "editor/window/FileDrop.h"
#include "editor/window/MessageBoxPrompts.h"
#include "editor/window/WindowFit.h"
#include "resources/AppIcon.h"
#include "resources/ControlIds.h"
#include "resources/DialogLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace
{
QString ControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->currentText();
    return {};
}

constexpr char kOutOfMemoryMessage[] = QT_TRANSLATE_NOOP("CEditorDlg", "Out of memory.");
constexpr char kInternalErrorMessage[] = QT_TRANSLATE_NOOP("CEditorDlg", "Internal application error.");
constexpr char kDiscardQuestion[] =
    QT_TRANSLATE_NOOP("CEditorDlg", "Your edits are not saved. Close the editor and discard them?");
constexpr char kDiscardButton[] = QT_TRANSLATE_NOOP("CEditorDlg", "&Discard");
constexpr char kKeepEditingButton[] = QT_TRANSLATE_NOOP("CEditorDlg", "&Keep editing");

}

CEditorDlg::CEditorDlg(QWidget* parent) : CEditorDlg(CMessageBoxPrompts::Standard(), parent) {}

CEditorDlg::CEditorDlg(CUserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_session(prompts, this),
      m_hIcon(AppIcon())
{
    setWindowTitle(QCoreApplication::translate("DialogLayout", DialogLayout::kTitle));
    // A fixed border: the size follows the layout and the screen (CWindowFit).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // No font of its own: the window takes the system's general font, at
    // the user's size, and the layout grows with it.
    m_controls = CDialogBuilder(font()).Build(*this);
    m_pFit = new CWindowFit(*this, *findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly),
                            *GetDlgItem(IDC_NOTICE)->parentWidget());
    m_pMapView = static_cast<CLevelMapView*>(GetDlgItem(IDC_MAP));
    m_pTabCtrl = static_cast<QTabWidget*>(GetDlgItem(IDC_TAB));
    m_pLevelList = static_cast<QComboBox*>(GetDlgItem(IDC_LEVEL));
    m_pNotices = std::make_unique<CFileNotices>(static_cast<QLabel*>(GetDlgItem(IDC_NOTICE)),
                                                CFileNotices::Buttons{Button(IDC_RELOAD), Button(IDC_USE_FILE_VALUES),
                                                                      Button(IDC_UNDO)});
    m_pMarks = new CEditMarks(m_controls, m_session.Baseline(), this);
    m_pTabs = new CChampionTabs(m_pTabCtrl,
                                {[this] { int result = 0; OnTabChanging(result); return result == 0; },
                                 [this] { int result = 0; OnTabChanged(result); },
                                 [this] { return m_nFormTab; }, [this] { return m_bExchanging; }},
                                this);

    OnInitDialog();
    ConnectCommands();
    WatchKeys();
}

// Hiding the window as it goes moves the focus: no longer this dialog's affair.
CEditorDlg::~CEditorDlg()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

QWidget* CEditorDlg::GetDlgItem(int nID) const
{
    const auto found = m_controls.find(nID);
    return found == m_controls.end() ? nullptr : found->second;
}

QPushButton* CEditorDlg::Button(int nID) const
{
    return static_cast<QPushButton*>(GetDlgItem(nID));
}

void CEditorDlg::OnInitDialog()
{
    UpdateData(false);
    setWindowIcon(m_hIcon);
    m_pickerFont = font();
    const int fieldHeight = CSkillComboBox::SelectionFieldHeight(m_pickerFont);
    for (const int nId : {IDC_FIGHTER, IDC_NINJA, IDC_PRIEST, IDC_WIZARD})
        static_cast<CSkillComboBox*>(GetDlgItem(nId))->Prepare(m_pickerFont, fieldHeight);
    GetDlgItem(IDC_PATH)->setFocus(Qt::OtherFocusReason);
}

// Every command handler is dropped while an exchange is running, so that a
// change the exchange itself makes never starts a command. A change of the
// file that arrives while a command runs (its question is open, say) is
// looked at once the command is over.
template <typename Handler> void CEditorDlg::Route(Handler handler)
{
    if (m_bExchanging || m_bInCommand)
        return;
    {
        const QScopedValueRollback inCommand(m_bInCommand, true);
        handler();
    }
    m_pMarks->Refresh(m_nFormTab);
    if (std::exchange(m_bFileCheckPending, false))
        CheckFile();
}

// The buttons' commands, and the keys that give them from anywhere.
void CEditorDlg::ConnectCommands()
{
    const std::tuple<int, QKeySequence, void (CEditorDlg::*)()> commands[] = {
        {IDC_BROWSE, QKeySequence(Qt::CTRL | Qt::Key_O), &CEditorDlg::OnBrowse},
        {IDC_LOAD, QKeySequence(Qt::Key_F5), &CEditorDlg::OnLoad},
        {IDC_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S), &CEditorDlg::OnSave},
        {IDC_RELOAD, QKeySequence(), &CEditorDlg::OnReload},
        {IDC_USE_FILE_VALUES, QKeySequence(), &CEditorDlg::OnUseFileValues},
        {IDC_UNDO, QKeySequence(), &CEditorDlg::OnUndoLoad}};
    for (const auto& [nId, keys, handler] : commands) {
        auto command = [this, handler] { Route([this, handler] { (this->*handler)(); }); };
        connect(static_cast<QPushButton*>(GetDlgItem(nId)), &QPushButton::clicked, this, command);
        if (!keys.isEmpty())
            connect(new QShortcut(keys, this), &QShortcut::activated, this, command);
    }
    connect(m_pTabCtrl, &QTabWidget::currentChanged, this,
            [this](int index) { Route([this, index] { m_pTabs->OnCurrentChanged(index); }); });
    connect(m_pLevelList, &QComboBox::currentIndexChanged, this, [this] { Route([this] { OnLevelChanged(); }); });
    connect(m_pMapView, &CLevelMapView::cellClicked, this,
            [this](QPoint cell) { Route([this, cell] { OnMapCellClicked(cell); }); });
    connect(&m_session.Watch(), &CFileWatch::changed, this, &CEditorDlg::OnFileChanged);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) { OnFocusLeft(old); });
}

// Enter loads from the path field, clicks the map's cursor cell and checks
// the form anywhere else; it never closes the window, which would throw
// away unsaved edits.
void CEditorDlg::WatchKeys()
{
    auto* keys = new CDialogKeys({[this](QObject* field) {
                                      if (field == GetDlgItem(IDC_PATH))
                                          Route([this] { OnLoad(); });
                                      else if (field == m_pMapView)
                                          m_pMapView->ClickCursor();
                                      else
                                          Route([this] { OnOK(); });
                                  },
                                  [this] { OnCancel(); }, [this](int step) { m_pTabs->Step(step); }},
                                 this);
    for (const auto& [id, control] : m_controls)
        keys->Watch(control);
    keys->Watch(m_pTabCtrl->tabBar());
    (new CFileDrop([this](const QString& path) { OpenFile(path); }, this))->WatchAll(this);
}

void CEditorDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_pFit->OnShow();
}

bool CEditorDlg::UpdateData(bool bSaveAndValidate, CDataExchange::Failures failures)
{
    const QScopedValueRollback exchanging(m_bExchanging, true);
    CDataExchange dx(m_controls, m_prompts, [this](int id) { return ControlFieldName(id, m_nFormTab); },
                     bSaveAndValidate, failures);
    if (IsStaleUnderFocus())
        dx.Skip(m_nStaleId);
    try {
        DoDataExchange(dx);
        ShowPartyOnMap();
        if (!bSaveAndValidate)
            NameControls(m_controls, m_nFormTab); // the champion in the names follows the tab
        return true;
    } catch (const CExchangeStopped&) {
        return false;
    } catch (const std::bad_alloc&) {
        m_prompts.ShowWarning(this, tr(kOutOfMemoryMessage));
    } catch (const std::exception&) {
        m_prompts.ShowWarning(this, tr(kInternalErrorMessage));
    }
    return false;
}

// In the field table's order, which decides which bad field is reported
// first and what a failed read has already stored.
void CEditorDlg::DoDataExchange(CDataExchange& dx)
{
    for (const FormField& field : kFieldTable)
        ExchangeField(dx, field);
}

void CEditorDlg::ExchangeField(CDataExchange& dx, const FormField& field)
{
    const bool read = dx.m_bSaveAndValidate;
    switch (field.shown) {
    case FieldShown::Path:
        dx.Text(field.nId, m_strPath);
        if (read)
            m_strPath = DesktopPath(m_strPath);
        return;
    case FieldShown::Number:
        if (field.number)
            dx.Number(field.nId, m_champion.*field.number, RangeOf(field));
        else
            dx.Number(field.nId, m_saveData.party.*PartyMember(field), RangeOf(field));
        return;
    case FieldShown::BoxText:
        if (field.text) {
            dx.BoxText(field.nId, m_champion.*field.text, RangeOf(field));
            return;
        }
        // The player count: text in its box, a number in the record. Both
        // ways: a read that leaves the control out keeps the record's value.
        m_strPlayerCount = QString::number(m_saveData.party.*PartyMember(field));
        dx.BoxText(field.nId, m_strPlayerCount, RangeOf(field));
        if (read)
            m_saveData.party.*PartyMember(field) = LeadingInteger(m_strPlayerCount);
        return;
    case FieldShown::ListItem:
        dx.ListIndex(field.nId, m_saveData.party.*PartyMember(field));
        return;
    }
}

int CEditorDlg::CurrentTab() const
{
    return m_pTabCtrl->currentIndex() % kChampionCount;
}

void CEditorDlg::TransferChampion(int nTabIndex, bool bToForm)
{
    ChampionRecord& record = m_saveData.champions[static_cast<std::size_t>(nTabIndex)];
    if (bToForm)
        LoadChampionForm(m_champion, record);
    else
        StoreChampionForm(m_champion, record);
}

void CEditorDlg::OnBrowse()
{
    if (!UpdateData(true))
        return;
    const std::optional<QString> chosen = m_prompts.ChooseSaveFile(this, m_strPath);
    if (!chosen)
        return;
    m_strPath = *chosen;
    UpdateData(false);
}

// A file the desktop hands over (command line, drop) takes the same steps as
// the path typed in and Load pressed.
void CEditorDlg::OpenFile(const QString& path)
{
    static_cast<QLineEdit*>(GetDlgItem(IDC_PATH))->setText(DesktopPath(path));
    Route([this] { OnLoad(); });
}

void CEditorDlg::OnLoad()
{
    if (!UpdateData(true))
        return;
    LoadFile();
}

// The edits a load is about to replace, kept for Undo: the load itself
// goes ahead at once, as the user asked.
void CEditorDlg::KeepEditsForUndo()
{
    TransferChampion(m_nFormTab, false);
    m_dropped = {};
    if (m_session.HasLoadedFile())
        m_dropped = {DifferingFields(m_session.Baseline(), m_saveData), m_saveData};
}

void CEditorDlg::LoadFile()
{
    KeepEditsForUndo();
    if (!m_session.Load(m_strPath, m_saveData))
        return;
    m_pNotices->Clear();
    m_pNotices->ShowLoaded(m_strPath, m_dropped.fields.count());
    ShowLoadedFile();
}

void CEditorDlg::OnReload()
{
    ReadFormQuietly(); // a field that does not read has no value to keep for Undo
    KeepEditsForUndo();
    if (!m_session.Reload(m_saveData))
        return;
    m_pNotices->ShowReloaded(m_session.LoadedPath(), m_dropped.fields.count());
    ShowLoadedFile();
}

// The dropped edits come back as edits of the file as loaded now; nothing
// is written until Save.
void CEditorDlg::OnUndoLoad()
{
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (m_dropped.fields[i])
            SetFieldValue(m_saveData, i, FieldValue(m_dropped.values, i));
    m_pNotices->ShowUndone(m_dropped.fields.count());
    m_dropped = {};
    ShowLoadedFile();
}

void CEditorDlg::OnUseFileValues()
{
    if (!ReadFormQuietly() && !UpdateData(true))
        return;
    m_session.UseFileValues(m_saveData);
    ShowLoadedFile();
}

void CEditorDlg::ShowLoadedFile(bool keepFocusedField)
{
    m_nStaleId = 0;
    if (keepFocusedField)
        MarkFocusedStale();
    m_nFormTab = CurrentTab();
    TransferChampion(m_nFormTab, true);
    m_bMapShown = true;
    UpdateData(false);
    m_pNotices->SetTakenBack(m_session.LoadedPath(), m_session.TakenBackLines());
}

void CEditorDlg::OnSave()
{
    if (!UpdateData(true))
        return;
    TransferChampion(CurrentTab(), false);
    switch (m_session.Store(m_strPath, m_saveData)) {
    case CSaveSession::StoreOutcome::Stored:
        m_pNotices->ShowSaved(m_strPath, m_session.WrittenFieldCount());
        break;
    case CSaveSession::StoreOutcome::NewerFileTaken:
        m_pNotices->ShowReloaded(m_strPath, 0);
        break;
    case CSaveSession::StoreOutcome::NotStored:
        return;
    }
    // The file's values now, the game's newer ones included.
    ShowLoadedFile();
}

void CEditorDlg::OnFileChanged()
{
    if (m_bInCommand || m_bExchanging) {
        m_bFileCheckPending = true;
        return;
    }
    CheckFile();
}

// What the form holds goes into the record first, so the session can tell
// edits from values nobody touched. A field that does not read (the user is
// typing) leaves everything as it is until the next command, or Save's own
// look, catches up.
void CEditorDlg::CheckFile()
{
    if (!ReadFormQuietly()) {
        m_bFileCheckPending = true;
        return;
    }
    const CSaveSession::FileChange change = m_session.CheckFile(m_saveData);
    if (change == CSaveSession::FileChange::None)
        return;
    m_pNotices->ShowChange(change, m_session.LoadedPath());
    if (change != CSaveSession::FileChange::Rewriting)
        ShowLoadedFile(true);
    m_pMarks->Refresh(m_nFormTab);
}

// The field the user is in keeps its text, selection and cursor through a
// look at the file: it takes the newer value when the focus leaves it, if
// it still shows what it showed before.
void CEditorDlg::MarkFocusedStale()
{
    m_nStaleId = 0;
    QWidget* focus = QApplication::focusWidget();
    for (const auto& [id, control] : m_controls)
        if (focus && (control == focus || control->isAncestorOf(focus)) && id != IDC_PATH) {
            m_nStaleId = id;
            m_strStaleText = ControlText(control);
        }
}

bool CEditorDlg::IsStaleUnderFocus()
{
    if (m_nStaleId == 0)
        return false;
    if (ControlText(GetDlgItem(m_nStaleId)) == m_strStaleText)
        return true;
    m_nStaleId = 0; // the user typed: that text is the value now
    return false;
}

void CEditorDlg::OnFocusLeft(QWidget* old)
{
    QWidget* stale = m_nStaleId ? GetDlgItem(m_nStaleId) : nullptr;
    if (!stale || !old || (old != stale && !stale->isAncestorOf(old)) || m_bExchanging || !IsStaleUnderFocus())
        return;
    // Text that reached another field meanwhile without the focus (dropped
    // on it, set by a screen reader) goes into the record first, or the
    // refresh would put the record's older value over it.
    if (!ReadFormQuietly())
        return;
    m_nStaleId = 0;
    UpdateData(false);
    m_pMarks->Refresh(m_nFormTab);
}

bool CEditorDlg::ReadFormQuietly()
{
    if (!UpdateData(true, CDataExchange::Failures::Quiet))
        return false;
    TransferChampion(m_nFormTab, false);
    return true;
}

void CEditorDlg::OnTabChanging(int& result)
{
    result = 0;
    if (!UpdateData(true)) {
        result = 1; // stay, so the edits on this tab are not lost
        return;
    }
    TransferChampion(m_nFormTab, false);
}

void CEditorDlg::OnTabChanged(int& result)
{
    m_nFormTab = CurrentTab();
    TransferChampion(m_nFormTab, true);
    m_nStaleId = 0; // the field shows another champion now, whatever it showed
    m_pMarks->FollowChampion(m_nFormTab);
    UpdateData(false);
    CAnnouncer::Of(this).Say(m_pTabCtrl->tabText(m_pTabCtrl->currentIndex()).remove(QLatin1Char('&')));
    result = 0;
}

void CEditorDlg::OnLevelChanged()
{
    if (!UpdateData(true)) {
        // The list goes back to the level a Save would write.
        const QScopedValueRollback exchanging(m_bExchanging, true);
        m_pLevelList->setCurrentIndex(m_saveData.party.level); // none for a level it does not list
        return;
    }
    m_bMapShown = true;
    ShowPartyOnMap();
}

// The map shows what a Save would write: the party's level, its cell marked
// wherever x and y lie on the grid. Until a file is loaded or a level
// chosen, it shows nothing. An out-of-range level shows no map rather than
// a stale one.
void CEditorDlg::ShowPartyOnMap()
{
    if (!m_bMapShown)
        return;
    const PartyState& party = m_saveData.party;
    const auto level = static_cast<std::uint32_t>(party.level);
    if (m_pMapView->Level() != level || !m_pMapView->HasLayout())
        m_pMapView->SetLevel(level);
    m_pMapView->SetSelectedCell(party.x, party.y);
}

void CEditorDlg::OnMapCellClicked(QPoint cell)
{
    if (!UpdateData(true))
        return;
    m_saveData.party.x = cell.x();
    m_saveData.party.y = cell.y();
    UpdateData(false);
    // Where the party stands now, as the map's name says it.
    CAnnouncer::Of(this).Say(QAccessible::queryAccessibleInterface(m_pMapView)->text(QAccessible::Name));
}

void CEditorDlg::OnOK()
{
    // Checks every field so a mistake shows at once; the window stays open
    // because closing on Enter would throw away unsaved edits.
    UpdateData(true);
}

void CEditorDlg::OnCancel()
{
    reject();
}

// Escape and the close box both end here. Edits not saved are asked about
// first (Keep editing is the default and answers Escape); with none, or no
// file loaded, the window closes at once.
void CEditorDlg::reject()
{
    const bool edited = m_session.HasLoadedFile() && (!ReadFormQuietly() || m_saveData != m_session.Baseline());
    if (edited && m_prompts.Ask(this, tr(kDiscardQuestion),
                                {{tr(kDiscardButton), QMessageBox::DestructiveRole},
                                 {tr(kKeepEditingButton), QMessageBox::RejectRole}}) != 0)
        return;
    QDialog::reject();
}
