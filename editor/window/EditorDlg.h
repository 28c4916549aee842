#pragma once

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QString>

#include <array>
#include <memory>

#include "editor/form/ChampionForm.h"
#include "editor/form/DataExchange.h"
#include "editor/form/SaveSession.h"
#include "editor/window/FileNotices.h"
#include "savedata/SaveData.h"

class CChampionTabs;
class CEditMarks;
class CLevelMapView;
class CSkillComboBox;
class CUserPrompts;
class CWindowFit;
struct FormField;
class QComboBox;
class QPushButton;
class QTabWidget;

// The editor window: the party's fields and map at the top, one champion
// at a time on the tabs below. Values live in m_saveData; the champion on
// the current tab passes through the form copy m_champion.
class CEditorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CEditorDlg(CUserPrompts& prompts, QWidget* parent = nullptr);
    explicit CEditorDlg(QWidget* parent = nullptr);
    ~CEditorDlg() override;

    // The control with a layout id (1000 to 1035), or nullptr.
    QWidget* GetDlgItem(int nID) const;
    const SaveData& Record() const { return m_saveData; }

    // One exchange between the controls and the values; read = true
    // validates. False when the read stopped at a bad field; a quiet read
    // tells no one why.
    bool UpdateData(bool bSaveAndValidate = true,
                    CDataExchange::Failures failures = CDataExchange::Failures::Told);
    void TransferChampion(int nTabIndex, bool bToForm);
    int CurrentTab() const;

    // Puts a path in the field and loads it, as Load does.
    void OpenFile(const QString& path);

    // Commands, as the window's events run them.
    void OnBrowse();
    void OnLoad();
    void OnSave();
    void OnTabChanging(int& result); // non-zero result keeps the tab
    void OnTabChanged(int& result);
    void OnLevelChanged();
    void OnMapCellClicked(QPoint cell);
    void OnReload();
    void OnUndoLoad();
    void OnUseFileValues();
    void OnFileChanged(); // the loaded file may have changed on disk
    void OnOK();
    void OnCancel();
    void reject() override; // asks before unsaved edits are lost

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void ExchangeField(CDataExchange& dx, const FormField& field);
    void ConnectCommands();
    void WatchKeys();
    void ShowPartyOnMap();
    void LoadFile();
    void ShowLoadedFile(bool keepFocusedField = false);
    bool ReadFormQuietly();
    void KeepEditsForUndo();
    void MarkFocusedStale();
    bool IsStaleUnderFocus();
    void OnFocusLeft(QWidget* old);
    QPushButton* Button(int nID) const;
    void CheckFile();
    template <typename Handler> void Route(Handler handler);

    CUserPrompts& m_prompts;
    CSaveSession m_session; // the file the values came from

    // Form model
    SaveData m_saveData;
    QString m_strPath;
    QString m_strPlayerCount;
    ChampionForm m_champion;

    // Window side
    QIcon m_hIcon;
    QFont m_pickerFont;
    DialogControls m_controls;
    CLevelMapView* m_pMapView = nullptr;
    QTabWidget* m_pTabCtrl = nullptr;
    QComboBox* m_pLevelList = nullptr;

    CEditMarks* m_pMarks = nullptr;
    CChampionTabs* m_pTabs = nullptr;
    CWindowFit* m_pFit = nullptr;
    std::unique_ptr<CFileNotices> m_pNotices;

    bool m_bExchanging = false;   // control signals during an exchange start nothing
    bool m_bInCommand = false;    // a file change waits until the command ends
    bool m_bFileCheckPending = false;
    bool m_bMapShown = false;     // a file was loaded or a level chosen
    int m_nFormTab = 0;           // whose values m_champion holds
    // The field that had the focus when a look at the file changed the
    // values, and the text it kept: left out of every exchange until the
    // user types there or leaves it.
    int m_nStaleId = 0;
    QString m_strStaleText;
    // The edits the last Load dropped, for Undo.
    struct DroppedEdits
    {
        FieldSet fields;
        SaveData values;
    };
    DroppedEdits m_dropped;
};
