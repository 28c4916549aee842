// Editor timings: laying out and painting the largest level, and the
// editor window's start to first paint against a bare dialog holding a
// plain widget of the same kind in the place of each of the layout's controls.
#include "editor/window/DialogBuilder.h"
#include "editor/window/EditorDlg.h"
#include "editor/widgets/LevelMapView.h"
#include "editor/window/MessageBoxPrompts.h"
#include "resources/DialogLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace
{
class CSilentPrompts : public CMessageBoxPrompts
{
public:
    void ShowWarning(QWidget*, const QString&) override {}
};

class CPaintWatcher : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_bPainted = true;
        return false;
    }
    bool m_bPainted = false;
};

void ShowUntilPainted(QWidget& window)
{
    CPaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    while (!watcher.m_bPainted)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    window.removeEventFilter(&watcher);
}

double PeakResidentKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
#endif
}

void BM_LayoutAndPaintLargestLevel(benchmark::State& state)
{
    CLevelMapView view;
    view.resize(212, 218);
    view.SetLevel(1); // 32 x 32, the largest grid
    view.SetSelectedCell(5, 7);
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.LayoutCells();
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// Times make() plus the first paint; tearing the window down is not timed.
template <typename MakeWindow> void TimeWindowStart(benchmark::State& state, MakeWindow make)
{
    for (auto _ : state) {
        std::unique_ptr<QDialog> dialog = make();
        ShowUntilPainted(*dialog);
        state.PauseTiming();
        dialog.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["peak_rss_kib"] = PeakResidentKiB();
}

void BM_EditorStart(benchmark::State& state)
{
    CSilentPrompts prompts;
    TimeWindowStart(state, [&] { return std::make_unique<CEditorDlg>(prompts); });
}

QWidget* PlainControl(const DialogControl& control, QDialog& dialog)
{
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(QString::fromUtf8(control.text), &dialog);
    case ControlKind::Notice: {
        auto* notice = new QLabel(&dialog);
        notice->setWordWrap(true);
        return notice;
    }
    case ControlKind::Edit:
        return new QLineEdit(&dialog);
    case ControlKind::Button:
        return new QPushButton(QString::fromUtf8(control.text), &dialog);
    case ControlKind::DropDown:
    case ControlKind::DropDownList:
    case ControlKind::SkillPicker: {
        auto* box = new QComboBox(&dialog);
        box->setEditable(control.kind != ControlKind::DropDownList);
        for (const char* item : control.initialItems)
            box->addItem(QString::fromUtf8(item));
        if (control.kind == ControlKind::SkillPicker)
            for (int i = 0; i < 16; ++i)
                box->addItem(QString::number(i == 0 ? 0 : 1 << i));
        return box;
    }
    case ControlKind::TabControl: {
        auto* tabs = new QTabWidget(&dialog);
        for (const char* label : DialogLayout::TabLabels)
            tabs->addTab(new QWidget(tabs), QString::fromUtf8(label));
        return tabs;
    }
    case ControlKind::MapView:
        break;
    }
    return new QFrame(&dialog);
}

void BuildBareDialog(QDialog& dialog)
{
    const CDialogBuilder units(dialog.font());
    dialog.setFixedSize(units.ToPixels(0, 0, DialogLayout::kWidth, DialogLayout::kHeight).size());
    for (const DialogControl& control : DialogLayout::Controls)
        PlainControl(control, dialog)->setGeometry(units.ToPixels(control.x, control.y, control.cx, control.cy));
}

void BM_BareDialogStart(benchmark::State& state)
{
    TimeWindowStart(state, [] {
        auto dialog = std::make_unique<QDialog>();
        BuildBareDialog(*dialog);
        return dialog;
    });
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("LayoutAndPaintLargestLevel", BM_LayoutAndPaintLargestLevel);
    benchmark::RegisterBenchmark("EditorStart", BM_EditorStart)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareDialogStart", BM_BareDialogStart)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
