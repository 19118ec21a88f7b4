// CTallyburnDialog, the shell: construction, start, the settings it reads, the clock, Clear, Allways on
// top, the keyboard, closing, Run's button and the sounds.
#include "app/TallyburnDialog.h"

#include <mmsystem.h>

#include <algorithm>

#include "app/ProductionLog.h"
#include "app/Settings.h"
#include "app/elapsed_time.h"
#include "automation/title_rules.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CTallyburnDialog, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_RUN, Run)
ON_WM_TIMER()
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(IDC_CLEAR, OnClear)
ON_BN_CLICKED(IDC_ALWAYS_ON_TOP, OnAlwaysOnTop)
ON_WM_DESTROY()
ON_BN_CLICKED(IDOK, OnOK)
ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {
constexpr UINT kTopmostFlags = SWP_NOMOVE | SWP_NOSIZE;                      // 3
constexpr UINT kBottomFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW;        // 11
constexpr UINT kClearQuestion = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;  // 0x124
constexpr DWORD kSoundFlags = SND_RESOURCE | SND_ASYNC;                      // 0x40005
}  // namespace

CTallyburnDialog::CTallyburnDialog(CWnd* parent) : CDialog(IDD_TALLYBURN_DIALOG, parent) {
    m_icon = App().LoadIcon(IDR_MAINFRAME);
    m_programmerWindow = nullptr;
}

CTallyburnDialog::~CTallyburnDialog() = default;

CWinApp& CTallyburnDialog::App() const {
    return *AfxGetApp();
}

void CTallyburnDialog::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_COUNTER, m_display);
}

BOOL CTallyburnDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);

    m_qtGeneration = false;
    m_windowClass = "#32770";
    m_appTitle = App().GetProfileString(kSettingsSection, kKeyAppTitle, "");
    m_errorTitle = ErrorTitleFor(m_appTitle);
    m_warningTitle = WarningTitleFor(m_appTitle);

    // The pause blocks the window, so a hand-written negative value means no pause at all.
    m_endDelay = std::max(0, static_cast<int>(App().GetProfileInt(kSettingsSection, kKeyEndDelay, kDefaultEndDelay)));

    m_counter = static_cast<int>(App().GetProfileInt(kSettingsSection, kKeyCounter, 0));
    ShowCounter();

    if (App().GetProfileInt(kSettingsSection, kKeyOnTop, 0) != 0) {
        CheckDlgButton(IDC_ALWAYS_ON_TOP, BST_CHECKED);
        SetWindowPos(&wndTopMost, 0, 0, 0, 0, kTopmostFlags);
    }

    m_eraseStage = EraseStage::Erase;
    m_stopwatch.Restart();
    SetDlgItemText(IDC_ELAPSED, "00:00:00");
    SetTimer(ElapsedTimer, 1000);
    OpenLog();
    return TRUE;
}

void CTallyburnDialog::ShowCounter() {
    CString text;
    text.Format("%03d", m_counter);
    m_display.SetText(text);
}

BOOL CTallyburnDialog::PreTranslateMessage(MSG* message) {
    if (message->message == WM_KEYDOWN) {
        if (message->wParam == VK_RETURN) {
            Run();
            return TRUE;
        }
        if (message->wParam == VK_ESCAPE)
            return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}

// Neither Enter nor Escape, nor anyone sending IDOK or IDCANCEL, closes the window.
void CTallyburnDialog::OnOK() {}

void CTallyburnDialog::OnCancel() {}

void CTallyburnDialog::OnSysCommand(UINT command, LPARAM) {
    if (command == SC_CLOSE)
        EndDialog(1);
    Default();
}

void CTallyburnDialog::OnTimer(UINT_PTR timerId) {
    switch (timerId) {
        case ResultPollTimer:
            OnResultPoll();
            return;
        case ErasePollTimer:
            OnErasePoll();
            return;
        case StartDelayTimer:
            OnStartDelay();
            return;
        case ElapsedTimer:
            SetDlgItemText(IDC_ELAPSED, FormatElapsed(m_stopwatch.ElapsedSeconds()));
            Default();
            return;
        default:
            Default();
            return;
    }
}

void CTallyburnDialog::OnClear() {
    // Only a clear Yes clears: a box that could not be shown must not wipe the count.
    if (AfxMessageBox("Clear counter?", kClearQuestion) != IDYES)
        return;
    const int before = m_counter;
    m_counter = 0;
    App().WriteProfileInt(kSettingsSection, kKeyCounter, 0);
    m_display.SetText("000");
    m_stopwatch.Restart();
    SetDlgItemText(IDC_ELAPSED, "00:00:00");
    LogEvent("clear", "was " + std::to_string(before));
}

void CTallyburnDialog::OnAlwaysOnTop() {
    const bool checked = IsDlgButtonChecked(IDC_ALWAYS_ON_TOP) == BST_CHECKED;
    App().WriteProfileInt(kSettingsSection, kKeyOnTop, checked ? 1 : 0);
    if (checked) {
        SetWindowPos(&wndTopMost, 0, 0, 0, 0, kTopmostFlags);
    } else {
        SetWindowPos(&wndBottom, 0, 0, 0, 0, kBottomFlags);
        BringWindowToTop();
    }
}

void CTallyburnDialog::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    dc.DrawIcon((client.Width() - iconWidth + 1) / 2, (client.Height() - iconHeight + 1) / 2, m_icon);
}

HCURSOR CTallyburnDialog::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_icon);
}

void CTallyburnDialog::OnDestroy() {
    CloseLog();
    Default();
}

void CTallyburnDialog::EnableRun(bool enable) {
    CWnd* run = GetDlgItem(IDC_RUN);
    run->EnableWindow(enable);
    if (enable) {
        run->SetFocus();
        SetForegroundWindow();
    }
}

void CTallyburnDialog::PlaySoundResource(UINT id) {
    Seams().playSound(MAKEINTRESOURCEA(id), AfxGetResourceHandle(), kSoundFlags);
}

void CTallyburnDialog::PlayStartSound() {
    PlaySoundResource(IDR_WAVE_START);
}

void CTallyburnDialog::PlayFailureSound() {
    PlaySoundResource(IDR_WAVE_FAILURE);
}
